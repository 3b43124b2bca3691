#include "dsp/FxSZBase2.h"
#include "dsp/FxSZBase3.h"
#include "dsp/FxSZBase4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr double gainTolerance = 1e-4; // relative; the high-order sections lose digits at high rates

/** Exposes the protected gain hooks of a section. */
template <typename Section>
struct Probe : Section
{
    using Section::filterMono;
};

/** Digital gain at z = +1 or z = -1 from the normalised coefficients. */
template <int N>
double digitalGainAt (const double* c, double z)
{
    double numerator = 0.0, denominator = 1.0, power = 1.0;
    for (int k = 0; k <= N; ++k)
    {
        numerator += c[N + k] * power;
        if (k > 0)
            denominator += c[k - 1] * power;
        power *= 1.0 / z;
    }
    return numerator / denominator;
}

template <typename Section>
void expectAnalogGainsKept (const std::vector<double>& a, const std::vector<double>& b)
{
    constexpr int n = Section::order;
    for (float rate : { 22050.0f, 44100.0f, 96000.0f })
    {
        Section section;
        section.setSampleRate (rate);
        section.setAnalogCoefficients (a.data(), b.data());
        const double* c = section.getTargetCoefficients();
        EXPECT_NEAR (digitalGainAt<n> (c, 1.0), b[0] / a[0], gainTolerance * std::abs (b[0] / a[0]) + 1e-12) << rate;
        EXPECT_NEAR (digitalGainAt<n> (c, -1.0), b[n] / a[n], gainTolerance * std::abs (b[n] / a[n]) + 1e-12) << rate;
    }
}

TEST (FilterSection, KeepsTheAnalogGainAtDcAndAtHalfTheRate)
{
    expectAnalogGainsKept<FxSZBase2> ({ 161000.0, 59.812, 0.003432 }, { 72000.0, 12.232, 0.001716 });
    expectAnalogGainsKept<FxSZBase3> ({ 627047.0, 2321.4, 0.5, 7e-6 }, { 627047.0, 31292.34, 0.02, 3e-6 });
    // Two resonant pairs in the audio band: (1 + 1e-3 s + 1e-7 s^2) (1 + 2e-4 s + 5e-8 s^2).
    expectAnalogGainsKept<FxSZBase4> ({ 1.0, 1.2e-3, 3.5e-7, 7e-11, 5e-15 }, { 0.5, 1e-4, 2e-8, 1e-12, 2e-15 });
}

TEST (FilterSection, SecondOrderMatchesTheHandExpandedTransform)
{
    const double a[] = { 1.0, 0.03751, 0.00034122 };
    const double b[] = { 0.5, 0.022, 0.00261602 };
    FxSZBase2 section;
    section.setSampleRate (48000.0f);
    section.setAnalogCoefficients (a, b);

    const double k = 96000.0;
    auto d = [k] (const double* c) {
        return std::vector<double> { c[0] + c[1] * k + c[2] * k * k, 2 * c[0] - 2 * c[2] * k * k, c[0] - c[1] * k + c[2] * k * k };
    };
    const auto da = d (a), db = d (b);
    const double expected[] = { da[1] / da[0], da[2] / da[0], db[0] / da[0], db[1] / da[0], db[2] / da[0] };

    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR (section.getTargetCoefficients()[i], expected[i], 1e-12 * std::abs (expected[i]) + 1e-15) << i;
}

TEST (FilterSection, IsSilentAfterInitialiseAndFiltersAtOnceAfterTheFirstUpdate)
{
    FxSZBase2 section;
    std::vector<float> block (64, 0.7f);
    section.processMono (block.data(), 64);
    for (float v : block)
        ASSERT_EQ (v, 0.0f);

    // A first-order-like prototype with unity DC gain: the first sample is b0 * x.
    const double a[] = { 1.0, 1e-4, 0.0 };
    const double b[] = { 1.0, 0.0, 0.0 };
    section.setSampleRate (44100.0f);
    section.clearState(); // the input history still holds the silent block's samples
    section.setAnalogCoefficients (a, b);
    const double b0 = section.getTargetCoefficients()[2];
    std::fill (block.begin(), block.end(), 0.5f);
    section.processMono (block.data(), 64);
    EXPECT_EQ (block[0], (float) (b0 * 0.5));
}

TEST (FilterSection, GlideEndsExactlyAfterTheRateClassLength)
{
    const std::pair<float, int> cases[] = { { 32000.0f, 1024 }, { 44100.0f, 2048 }, { 68000.0f, 4096 }, { 96000.0f, 4096 }, { 192000.0f, 8192 } };
    const double a[] = { 1.0, 0.01, 1e-5, 1e-9 };
    const double b1[] = { 1.0, 0.0, 0.0, 0.0 };
    const double b2[] = { 0.5, 0.002, 0.0, 0.0 };

    for (auto [rate, length] : cases)
    {
        FxSZBase3 section;
        section.setSampleRate (rate);
        EXPECT_EQ (section.getGlideLength(), length);
        section.setAnalogCoefficients (a, b1);
        std::vector<float> block ((size_t) length);
        section.processMono (block.data(), 1); // first set applies at once; its zero-length glide
        section.setAnalogCoefficients (a, b2);

        section.processMono (block.data(), length - 1);
        EXPECT_NE (section.getCurrentCoefficients()[3], section.getTargetCoefficients()[3]) << rate;
        section.processMono (block.data(), 1);
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ (section.getCurrentCoefficients()[c], section.getTargetCoefficients()[c]) << rate << " " << c;
    }
}

TEST (FilterSection, AZeroSampleBlockStartsTheGlideFromTheCoefficientsInUse)
{
    const double a[] = { 1.0, 0.01, 1e-6 };
    const double b1[] = { 1.0, 0.0, 0.0 };
    const double b2[] = { 2.0, 0.0, 0.0 };
    FxSZBase2 section;
    section.setSampleRate (44100.0f);
    section.setAnalogCoefficients (a, b1);
    section.setAnalogCoefficients (a, b2);
    const double start = section.getCurrentCoefficients()[2];
    float unused = 0.0f;
    section.processMono (&unused, 0);
    EXPECT_EQ (section.getCurrentCoefficients()[2], start);

    // A later set of targets restarts the glide from where it stood.
    section.processMono (&unused, 1);
    const double afterOne = section.getCurrentCoefficients()[2];
    EXPECT_NEAR (afterOne - start, (section.getTargetCoefficients()[2] - start) / 2048.0, 1e-15);
}

TEST (FilterSection, StereoEqualsTwoMonoRunsWithSharedCoefficients)
{
    const double a[] = { 1.0, 0.0513869, 0.000166224894, 2.0268468e-8 };
    const double b[] = { 0.0, 0.0, -0.0013068, 0.0 };
    const double b2[] = { 0.0, 0.0, -0.003, 0.0 };
    FxSZBase3 stereo, monoLeft, monoRight;

    for (auto* s : { &stereo, &monoLeft, &monoRight })
    {
        s->setSampleRate (48000.0f);
        s->setAnalogCoefficients (a, b);
        s->setAnalogCoefficients (a, b2); // a glide runs through the block
    }

    std::vector<float> left (3000), right (3000);
    for (int i = 0; i < 3000; ++i)
    {
        left[(size_t) i] = std::sin (0.01f * (float) i);
        right[(size_t) i] = 0.3f * std::cos (0.07f * (float) i);
    }

    auto l = left, r = right;
    stereo.processStereo (l.data(), r.data(), 3000);
    monoLeft.processMono (left.data(), 3000);
    monoRight.processMono (right.data(), 3000);

    for (size_t i = 0; i < 3000; ++i)
    {
        ASSERT_EQ (l[i], left[i]) << i;
        ASSERT_EQ (r[i], right[i]) << i;
    }
}

TEST (FilterSection, UnityGainHooksAreBitIdenticalToThePlainFilter)
{
    const double a[] = { 1.0, 0.03, 1e-4 };
    const double b[] = { 0.0, 0.0, 1e-4 };
    Probe<FxSZBase2> hooked;
    FxSZBase2 plain;
    for (FxSZBase2* s : { (FxSZBase2*) &hooked, &plain })
    {
        s->setSampleRate (44100.0f);
        s->setAnalogCoefficients (a, b);
    }

    std::vector<float> x (512), y (512);
    for (int i = 0; i < 512; ++i)
        x[(size_t) i] = y[(size_t) i] = 0.25f * std::sin (0.2f * (float) i);

    hooked.filterMono (x.data(), 512, 1.0, 1.0f);
    plain.processMono (y.data(), 512);
    for (size_t i = 0; i < 512; ++i)
        ASSERT_EQ (x[i], y[i]);
}
}
