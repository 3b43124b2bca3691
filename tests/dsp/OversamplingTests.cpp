#include "dsp/OversamplingAlignment.h"
#include "dsp/OversamplingBase2.h"
#include "dsp/OversamplingCoefficients.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr double responseTolerance = 1e-6;

/** Textbook direct form I of a 14th-order filter, written independently. */
struct ReferenceFilter
{
    explicit ReferenceFilter (const OversamplingCoefficients::Set& set) : coefficients (set) {}

    double step (double input)
    {
        x.insert (x.begin(), input);
        x.resize (15);
        double acc = 0.0;
        for (int k = 0; k < 15; ++k)
            acc += coefficients.numerator[(size_t) k] * x[(size_t) k];
        for (int k = 1; k < 15; ++k)
            acc -= coefficients.denominator[(size_t) k] * y[(size_t) (k - 1)];
        y.insert (y.begin(), acc);
        y.resize (14);
        return acc;
    }

    const OversamplingCoefficients::Set& coefficients;
    std::vector<double> x = std::vector<double> (15, 0.0), y = std::vector<double> (14, 0.0);
};

OversamplingAlignment makeAlignment (float rate, int index)
{
    OversamplingAlignment alignment;
    alignment.setSampleRate (rate);
    alignment.clearState();
    alignment.requestedIndex = index;
    alignment.updateCoefficients();
    return alignment;
}

TEST (OversamplingAlignment, ImpulseAtTwoTimesIsTheFilterPairAtTheDoubleRate)
{
    auto alignment = makeAlignment (44100.0f, 1);
    ReferenceFilter up (OversamplingCoefficients::sets[0]), down (OversamplingCoefficients::sets[0]);

    std::vector<float> block (200, 0.0f);
    block[0] = 1.0f;
    alignment.processMono (block.data(), 200);

    for (int n = 0; n < 200; ++n)
    {
        double kept = 0.0;
        for (int s = 0; s < 2; ++s)
        {
            const double value = down.step (up.step (n == 0 && s == 0 ? 1.0 : 0.0));
            if (s == 0)
                kept = 2.0 * value;
        }
        ASSERT_NEAR (block[(size_t) n], kept, responseTolerance) << n;
    }
}

TEST (OversamplingAlignment, DcSettlesToTheInputAtEveryIndex)
{
    for (int index = 0; index < 4; ++index)
    {
        auto alignment = makeAlignment (48000.0f, index);
        std::vector<float> left (4000, 0.1f), right (4000, 0.1f);
        alignment.processStereo (left.data(), right.data(), 4000);
        EXPECT_NEAR (left.back(), 0.1f, 1e-5f) << index;
        EXPECT_NEAR (right.back(), 0.1f, 1e-5f) << index;
    }
}

TEST (OversamplingAlignment, IndexZeroLeavesTheBlockUntouched)
{
    auto alignment = makeAlignment (44100.0f, 0);
    std::vector<float> block { 0.1f, -0.5f, 0.9f, 1e-30f };
    const auto copy = block;
    alignment.processMono (block.data(), 4);
    EXPECT_EQ (block, copy);
}

TEST (OversamplingLimits, TheHostRateCapsTheFactor)
{
    const struct { float rate; int requested; int expected; } cases[] = {
        { 44100.0f, 3, 3 }, { 48000.0f, 3, 3 }, { 68099.0f, 3, 3 }, { 68100.0f, 3, 2 }, { 96000.0f, 3, 2 },
        { 136199.0f, 2, 2 }, { 136200.0f, 2, 1 }, { 192000.0f, 3, 1 }, { 272400.0f, 1, 0 }, { 384000.0f, 3, 0 },
    };

    for (const auto& c : cases)
    {
        OversamplingBase2 stage;
        stage.setBaseRate (c.rate);
        stage.setRequestedFactor (c.requested);
        stage.applyFactorLimits();
        stage.loadFilters();
        EXPECT_EQ (stage.getActiveIndex(), c.expected) << c.rate;
        EXPECT_EQ (stage.getEffectiveRate(), (float) (1 << c.expected) * c.rate) << c.rate;
        EXPECT_EQ (makeAlignment (c.rate, c.requested).getEffectiveIndex(), c.expected) << c.rate;
    }
}

TEST (OversamplingBase, ARequestedFactorWaitsForLoadFilters)
{
    OversamplingBase2 stage;
    stage.setRequestedFactor (2);
    EXPECT_EQ (stage.getActiveIndex(), 0);
    EXPECT_FALSE (stage.areFiltersEnabled());
    EXPECT_EQ (stage.interpolateMono (0.75), 0.75);

    stage.applyFactorLimits();
    stage.loadFilters();
    EXPECT_EQ (stage.getFactor(), 4);
    EXPECT_TRUE (stage.areFiltersEnabled());
    EXPECT_NEAR (stage.interpolateMono (1.0), OversamplingCoefficients::sets[1].numerator[0], 1e-18);
}
}
