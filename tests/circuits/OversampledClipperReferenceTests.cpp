// The oversampled clipper against a reference written here the plain way:
// every frame zero-stuffed into its sub-samples, each sub-sample through
// the whole 14th-order interpolation filter, the limiter and the diode
// table, then the whole decimation filter, keeping sub-sample 0. The stage
// staggers these steps and skips the interpolation taps that zero-stuffing
// leaves at zero; neither may change a single bit.

#include "circuits/BigMuff227ClippingStage.h"
#include "dsp/BigMuff227TableReader.h"
#include "dsp/OpampLimiter.h"
#include "dsp/OversamplingCoefficients.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
    constexpr float rate = 44100.0f;
    constexpr double stageGain = 30.303;
    constexpr int blockSizes[] = { 1, 2, 7, 64, 3, 500, 1, 2048 };

    /** The 14th-order lowpass in its paired form, sums left to right. */
    struct ReferenceLowpass
    {
        const double* b;
        const double* a;
        double x[15] {};
        double y[15] {}; // y[1 ... 14]

        double step (double input)
        {
            for (int k = 14; k > 0; --k)
                x[k] = x[k - 1];
            x[0] = input;

            double acc = b[0] * (x[0] + x[14]);
            for (int k = 1; k < 7; ++k)
                acc = acc + b[k] * (x[k] + x[14 - k]);
            acc = acc + b[7] * x[7];

            for (int k = 1; k <= 14; ++k)
                acc = acc - a[k] * y[k];

            const double out = (acc + 1e-20) - 1e-20;
            for (int k = 14; k > 1; --k)
                y[k] = y[k - 1];
            y[1] = out;
            return out;
        }
    };

    struct ReferenceClipper
    {
        int factor;
        ReferenceLowpass up[2], down[2];
        BigMuff227TableReader reader;

        explicit ReferenceClipper (int factorIndex) : factor (1 << factorIndex)
        {
            const auto& set = OversamplingCoefficients::sets[factorIndex - 1];
            for (int c = 0; c < 2; ++c)
            {
                up[c] = { set.numerator.data(), set.denominator.data() };
                down[c] = { set.numerator.data(), set.denominator.data() };
            }

            reader.setSampleRate (rate);
            reader.openTable ("TFZD1", false);
            reader.setOversamplingIndex (factorIndex);
            reader.clearState();
            reader.updateCoefficients();
            reader.commitTable();
        }

        float clip (float sample, int channel)
        {
            double kept = 0.0;

            for (int k = 0; k < factor; ++k)
            {
                const double stuffed = k == 0 ? (double) sample * (double) factor * stageGain : 0.0;
                const double shaped = reader.lookup (OpampLimiter::limit (up[channel].step (stuffed)), channel);
                const double decimated = down[channel].step (shaped);
                if (k == 0)
                    kept = decimated;
            }

            return (float) kept;
        }
    };
}

TEST (OversampledClipperReference, EveryFactorMonoAndStereoMatchesThePlainComputationBitForBit)
{
    for (int factorIndex = 1; factorIndex <= 3; ++factorIndex)
    {
        BigMuff227ClippingStage stage;
        stage.setSampleRate (rate);
        stage.setRequestedFactor (factorIndex);
        stage.loadFilters();
        ASSERT_EQ (stage.getFactor(), 1 << factorIndex);

        ReferenceClipper reference (factorIndex);
        int position = 0, call = 0;
        float loudest = 0.0f;

        for (int round = 0; round < 2; ++round)
        {
            for (int n : blockSizes)
            {
                std::vector<float> left ((size_t) n), right ((size_t) n);
                for (int i = 0; i < n; ++i)
                {
                    const double t = (double) (position + i) / rate;
                    left[(size_t) i] = (float) (0.2 * std::sin (2.0 * M_PI * 196.0 * t) * std::exp (-2.0 * t));
                    right[(size_t) i] = (float) (0.1 * std::sin (2.0 * M_PI * 330.0 * t + 0.5));
                }

                // Mono calls in between move channel 0 alone, as a host may.
                const bool mono = ++call % 3 == 0;
                std::vector<float> expectedLeft ((size_t) n), expectedRight ((size_t) n);
                for (int i = 0; i < n; ++i)
                {
                    expectedLeft[(size_t) i] = reference.clip (left[(size_t) i], 0);
                    if (! mono)
                        expectedRight[(size_t) i] = reference.clip (right[(size_t) i], 1);
                }

                if (mono)
                    stage.processMono (left.data(), n);
                else
                    stage.processStereo (left.data(), right.data(), n);

                for (int i = 0; i < n; ++i)
                {
                    ASSERT_EQ (left[(size_t) i], expectedLeft[(size_t) i])
                        << "factor " << (1 << factorIndex) << ", block of " << n << ", sample " << position + i;
                    if (! mono)
                    {
                        ASSERT_EQ (right[(size_t) i], expectedRight[(size_t) i])
                            << "factor " << (1 << factorIndex) << ", block of " << n << ", sample " << position + i;
                    }
                    loudest = std::max (loudest, std::abs (left[(size_t) i]));
                }

                position += n;
            }
        }

        EXPECT_GT (loudest, 0.1f) << "factor " << (1 << factorIndex);
    }
}
