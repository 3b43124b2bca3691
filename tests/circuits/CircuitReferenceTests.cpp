// Zepp Fuzz at the host rate against a reference written here from the
// circuit's own formulas, with nothing taken from the production stages:
// the taper and component laws of its two filter stages, their bilinear
// transform written out by hand for second order, the direct form I, the
// op-amp limiter, the diode curve solved point by point by bisection, the
// four-point Lagrange lookup, the 1.2 output scale and the model's start-up
// fade. Zepp Fuzz has the shortest chain, so the whole of it fits here.
//
// The reference follows the project's arithmetic order (sums left to right,
// single precision where the circuit keeps it), so it reproduces the model
// to the last bit except where its own root of the diode equation and the
// table's root fall on different sides of a single-precision rounding
// boundary; such a value differs by one float step (at most 3e-8 on this
// curve) and moves the output by about as much through the curve's
// interpolation weights (below 1.3 in size) and the tone stage (gain at
// most 1.2 here). The tolerance is four such steps.

#include "CircuitTestSupport.h"

#include "circuits/ToneBender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace circuit_test;

namespace
{
    constexpr double referenceTolerance = 4 * 3e-8;

    // 2nd-order analog prototype, ascending powers of s.
    struct Analog2
    {
        double a[3];
        double b[3];
    };

    /** Bilinear transform of a second-order polynomial without prewarping,
        K = 2 fs: the coefficients of z^0, z^-1, z^-2 of
        c0 (1 + z^-1)^2 + c1 K (1 - z^-1)(1 + z^-1) + c2 K^2 (1 - z^-1)^2,
        each summed over c0, c1 K, c2 K^2 in that order. */
    void bilinear2 (const double c[3], double k, double d[3])
    {
        const double c1k = c[1] * k;
        const double c2kk = c[2] * (k * k);
        d[0] = (c[0] + c1k) + c2kk;
        d[1] = 2.0 * c[0] - 2.0 * c2kk;
        d[2] = (c[0] - c1k) + c2kk;
    }

    /** Direct form I, second order: the forward sum and the feedback sum each
        left to right, subtracted once, with the 1e-20 offset added and
        removed; the written sample is the output rounded to single precision
        times an output scale in single precision. */
    struct ReferenceSection
    {
        ReferenceSection (const Analog2& analog, float rate, float outputScaleToUse) : outputScale (outputScaleToUse)
        {
            double a[3], b[3];
            const double k = 2.0 * (double) rate;
            bilinear2 (analog.a, k, a);
            bilinear2 (analog.b, k, b);
            a1 = a[1] / a[0];
            a2 = a[2] / a[0];
            b0 = b[0] / a[0];
            b1 = b[1] / a[0];
            b2 = b[2] / a[0];
        }

        float process (float input)
        {
            const double x = (double) input;
            const double forward = b0 * x + b1 * x1 + b2 * x2;
            const double feedback = a1 * y1 + a2 * y2;
            const double t = (forward - feedback) - 1e-20;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = t + 1e-20;
            return (float) y1 * outputScale;
        }

        double a1, a2, b0, b1, b2;
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        float outputScale;
    };

    /** Gain stage: a 25 kOhm pot on the mirrored log taper, whose every step
        is rounded to single precision. */
    Analog2 gainStage (float fuzz)
    {
        const float x = 1.0f - fuzz;
        const float p = (float) std::pow (81.0, (double) x);
        const float pLess = p - 1.0f;
        const float scaled = pLess * 0.0125f;
        const float c = 1.0f - scaled;
        const double rd = 25000.0 * (1.0 - (double) c);
        return { { 1.0, 1e-6 * rd + 0.1 + 0.00047, 1e-7 * rd + 0.000047 }, { 0.0, 0.1, 1e-7 * rd + 0.000047 + 0.1 } };
    }

    /** Tone and volume network: two 100 kOhm pots. */
    Analog2 toneVolumeStage (float tone, float level)
    {
        const double rl = 100000.0 * (double) level;
        const double rm = 100000.0 * (1.0 - (double) level);
        const double rt = 100000.0 * (double) tone;
        const double ru = 100000.0 * (1.0 - (double) tone);
        const double s = (rl + rm) * (rt + ru) + rt * ru;
        return { { s + 66000.0 * (rl + rm) + 33000.0 * (rt + ru) + 1.089e9,
                   0.0004851 * s + 16.0083 * (rl + rm) + 10.89 * rt + 5.1183 * ru,
                   5.1183e-8 * s },
                 { rl * (ru + 33000.0), rl * (0.0001551 * (rt + ru) + 5.1183), 5.1183e-8 * rl * rt } };
    }

    /** Unity up to 4.153867856, a 1 dB knee of -d^2/2 dB (d the level in dB
        above the knee start), a 4.4 ceiling from 4.660716391; the result
        rounded to single precision. */
    double limit (double x)
    {
        const double m = std::abs (x);
        double g = 1.0;

        if (m > 4.153867856)
        {
            if (m >= 4.660716391)
            {
                g = 4.4 / m;
            }
            else
            {
                const double d = std::log (m) * 8.685889638065037 - 12.36905353;
                g = std::exp ((-(d * d)) / 2 * 0.11512925464970228);
            }
        }

        return (double) (float) (x * g);
    }

    /** The diode curve: at grid point i of 8193 over -4.5 ... 4.5, the y with
        x - y = A sinh (y / V), A = 2e-7, V = 0.025, by bisection (the left
        side minus the right is decreasing in y), rounded to single precision. */
    class DiodeCurve
    {
    public:
        static constexpr int points = 8193;

        float at (int i)
        {
            if (auto found = cache.find (i); found != cache.end())
                return found->second;

            const double x = -4.5 + (double) i * (4.5 - -4.5) / (double) (points - 1);
            double low = std::min (0.0, x), high = std::max (0.0, x);

            for (int step = 0; step < 2000 && low < high; ++step)
            {
                const double mid = 0.5 * (low + high);
                if (mid <= low || mid >= high)
                    break;

                if (x - mid - 2e-7 * std::sinh (mid / 0.025) > 0.0)
                    low = mid;
                else
                    high = mid;
            }

            return cache[i] = (float) (0.5 * (low + high));
        }

        /** Four-point Lagrange interpolation at u = (4.5 + x) * (8192 / 9),
            the scale and offset in single precision; the edges hold. */
        double lookup (double x)
        {
            const double scale = (double) (8192.0f / 9.0f);
            const double u = ((double) 4.5f + x) * scale;

            if (! (u < (double) (points - 2)))
                return u >= 0.0 ? (double) at (points - 2) : (double) at (0);

            const int i = (int) std::floor (u);
            if (i <= 0)
                return (double) at (0);

            const double t = u - (double) i + 1.0;
            const double sixth = 0.1666666666666667;
            const double y = -(t - 1.0) * (t - 2.0) * (t - 3.0) * sixth * at (i - 1)
                             + t * (t - 2.0) * (t - 3.0) * 0.5 * at (i) - t * (t - 1.0) * (t - 3.0) * 0.5 * at (i + 1)
                             + t * (t - 1.0) * (t - 2.0) * sixth * at (i + 2);
            return (double) (float) y;
        }

    private:
        std::map<int, float> cache;
    };

    /** The whole circuit on one channel, with the fade in from silence that
        follows a restart: the output times n / 2E on sample n (2E = 4096 at
        44.1 kHz), in single precision. */
    std::vector<float> referenceZeppFuzz (const std::vector<float>& input, float rate, float fuzz, float tone, float level,
                                          DiodeCurve& curve)
    {
        ReferenceSection gain (gainStage (fuzz), rate, 1.0f);
        ReferenceSection toneVolume (toneVolumeStage (tone, level), rate, 1.2f);
        const int fadeLength = 4096;

        std::vector<float> out;
        for (size_t n = 0; n < input.size(); ++n)
        {
            const float amplified = gain.process (input[n]);
            const float clipped = (float) curve.lookup (limit ((double) amplified * 1.0 * 1.0));
            const float shaped = toneVolume.process (clipped);
            const float fade = (float) std::min ((int) n, fadeLength) / (float) fadeLength;
            out.push_back (shaped * fade);
        }

        return out;
    }

    /** A decaying 1 kHz tone: the gain stage drives it into the limiter's
        ceiling at first, through the knee, and down into the linear range. */
    std::vector<float> decayingTone (int length, float rate, double amplitude, double frequency)
    {
        std::vector<float> out ((size_t) length);
        for (int n = 0; n < length; ++n)
            out[(size_t) n] = (float) (amplitude * std::exp (-n / 1500.0) * std::sin (2.0 * M_PI * frequency * n / rate));
        return out;
    }

    struct Setting
    {
        float fuzz, tone, level;
    };

    const Setting settings[] = { { 0.5f, 0.5f, 0.5f }, { 0.2f, 0.9f, 1.0f }, { 1.0f, 0.0f, 0.3f } };

    // Past the fade in, and long enough for the tone to decay to the
    // clipper's linear range.
    constexpr int length = 6000;

    ::testing::AssertionResult matchesReference (const std::vector<float>& model, const std::vector<float>& reference)
    {
        for (size_t n = 0; n < reference.size(); ++n)
            if (! (std::abs (model[n] - reference[n]) <= referenceTolerance))
                return ::testing::AssertionFailure()
                       << "sample " << n << ": model " << model[n] << ", reference " << reference[n];

        return ::testing::AssertionSuccess();
    }
}

TEST (ZeppFuzzReference, OneChannelFollowsTheCircuitFormulasSampleBySample)
{
    DiodeCurve curve;

    for (const auto& s : settings)
    {
        const auto input = decayingTone (length, testRate, 0.05, 1000.0);
        const auto expected = referenceZeppFuzz (input, testRate, s.fuzz, s.tone, s.level, curve);

        ToneBender model;
        prepare (model, testRate, 0, s.fuzz, s.tone, s.level);
        auto output = input;
        for (int offset = 0; offset < length; offset += blockSize)
            model.processMono (output.data() + offset, std::min (blockSize, length - offset));

        EXPECT_TRUE (matchesReference (output, expected)) << "fuzz " << s.fuzz << " tone " << s.tone << " level " << s.level;
    }
}

TEST (ZeppFuzzReference, BothChannelsFollowTheCircuitFormulasEachOnItsOwn)
{
    // Different signals left and right: each channel must be its own circuit.
    DiodeCurve curve;
    const Setting s = settings[1];
    const auto left = decayingTone (length, testRate, 0.05, 1000.0);
    const auto right = decayingTone (length, testRate, 0.02, 1500.0);
    const auto expectedLeft = referenceZeppFuzz (left, testRate, s.fuzz, s.tone, s.level, curve);
    const auto expectedRight = referenceZeppFuzz (right, testRate, s.fuzz, s.tone, s.level, curve);

    ToneBender model;
    prepare (model, testRate, 0, s.fuzz, s.tone, s.level);
    auto outLeft = left, outRight = right;
    for (int offset = 0; offset < length; offset += blockSize)
        model.processStereo (outLeft.data() + offset, outRight.data() + offset, std::min (blockSize, length - offset));

    EXPECT_TRUE (matchesReference (outLeft, expectedLeft)) << "left";
    EXPECT_TRUE (matchesReference (outRight, expectedRight)) << "right";
}
