#pragma once

#include "dsp/FxModuleBase.h"
#include "dsp/OversamplingFilter.h"

#include <type_traits>

/** Dry-path alignment: the clipping stages' interpolation and decimation
    filters without the nonlinearity, so the dry signal gets the same delay
    and phase as the wet one at every factor. */
class OversamplingAlignment : public FxModuleBase
{
public:
    OversamplingAlignment() { name = "FxModuleBase"; }

    /** Zeroes the histories (both filters, both channels). */
    void clearState() override
    {
        up.clear();
        down.clear();
    }

    /** Zeroes both coefficient arrays (filters off). */
    void initialise() override
    {
        OversamplingFilter::loadSet (0, numerator, denominator);
        stepCoefficients.load (numerator, denominator);
        effectiveIndex = 0;
    }

    /** Loads the set of requestedIndex limited by the rate; histories stay. */
    void updateCoefficients() override
    {
        const int requested = requestedIndex < 0 ? 0 : (requestedIndex > 3 ? 3 : requestedIndex);
        effectiveIndex = OversamplingFilter::limitIndex (requested, sampleRate);
        OversamplingFilter::loadSet (effectiveIndex, numerator, denominator);
        stepCoefficients.load (numerator, denominator);
    }

    void processMono (float* samples, int numSamples) override
    {
        if (effectiveIndex == 0)
            return;

        for (int i = 0; i < numSamples; ++i)
            samples[i] = (float) alignFrame<double> ((double) samples[i]);
    }

    /** Both channels together: left through channel 0, right through channel 1. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        if (effectiveIndex == 0)
            return;

        for (int i = 0; i < numSamples; ++i)
        {
            const DoublePair out = alignFrame<DoublePair> (DoublePair::of ((double) left[i], (double) right[i]));
            left[i] = (float) out.first();
            right[i] = (float) out.second();
        }
    }

    int getEffectiveIndex() const { return effectiveIndex; }

    /** Factor index 0 ... 3 asked for; written by the processor directly. */
    int requestedIndex = 0;

private:
    /** One host-rate frame: sub-sample 0 is the input times the factor, the
        others zero; each goes through interpolation then decimation, and
        the decimated sub-sample 0 is kept. */
    template <typename T>
    T alignFrame (T input)
    {
        const int factor = 1 << effectiveIndex;
        T kept {};

        for (int s = 0; s < factor; ++s)
        {
            const T stuffed = s == 0 ? input * splat<T> ((double) factor) : splat<T> (0.0);
            const T interpolated = step (up, stuffed);
            const T decimated = step (down, interpolated);

            if (s == 0)
                kept = decimated;
        }

        return kept;
    }

    template <typename T>
    static T splat (double value) noexcept
    {
        if constexpr (std::is_same_v<T, double>)
            return value;
        else
            return DoublePair::both (value);
    }

    double step (OversamplingHistory& history, double x) noexcept { return history.stepFirst (x, stepCoefficients); }
    DoublePair step (OversamplingHistory& history, DoublePair x) noexcept { return history.stepBoth (x, stepCoefficients); }

    int effectiveIndex = 0;
    double numerator[15] {};
    double denominator[15] {};
    OversamplingStepCoefficients stepCoefficients; // the loaded set as the steps read it
    OversamplingHistory up, down;                  // interpolation and decimation, both channels each
};
