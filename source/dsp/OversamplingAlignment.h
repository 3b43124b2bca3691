#pragma once

#include "dsp/FxModuleBase.h"
#include "dsp/OversamplingFilter.h"

/** Dry-path alignment: the clipping stages' interpolation and decimation
    filters without the nonlinearity, so the dry signal gets the same delay
    and phase as the wet one at every factor. */
class OversamplingAlignment : public FxModuleBase
{
public:
    OversamplingAlignment() { name = "FxModuleBase"; }

    /** Zeroes the four histories. */
    void clearState() override
    {
        upLeft.clear();
        downLeft.clear();
        upRight.clear();
        downRight.clear();
    }

    /** Zeroes both coefficient arrays (filters off). */
    void initialise() override
    {
        OversamplingFilter::loadSet (0, numerator, denominator);
        effectiveIndex = 0;
    }

    /** Loads the set of requestedIndex limited by the rate; histories stay. */
    void updateCoefficients() override
    {
        effectiveIndex = OversamplingFilter::limitIndex (requestedIndex < 0 ? 0 : (requestedIndex > 3 ? 3 : requestedIndex), sampleRate);
        OversamplingFilter::loadSet (effectiveIndex, numerator, denominator);
    }

    void processMono (float* samples, int numSamples) override
    {
        if (effectiveIndex == 0)
            return;

        for (int i = 0; i < numSamples; ++i)
            samples[i] = alignSample (upLeft, downLeft, samples[i]);
    }

    void processStereo (float* left, float* right, int numSamples) override
    {
        if (effectiveIndex == 0)
            return;

        for (int i = 0; i < numSamples; ++i)
        {
            left[i] = alignSample (upLeft, downLeft, left[i]);
            right[i] = alignSample (upRight, downRight, right[i]);
        }
    }

    int getEffectiveIndex() const { return effectiveIndex; }

    /** Factor index 0 ... 3 asked for; written by the processor directly. */
    int requestedIndex = 0;

private:
    float alignSample (OversamplingHistory& up, OversamplingHistory& down, float input)
    {
        const int factor = 1 << effectiveIndex;
        double kept = 0.0;

        for (int s = 0; s < factor; ++s)
        {
            const double stuffed = s == 0 ? (double) input * (double) factor : 0.0;
            const double interpolated = OversamplingFilter::step (up, stuffed, numerator, denominator);
            const double decimated = OversamplingFilter::step (down, interpolated, numerator, denominator);

            if (s == 0)
                kept = decimated;
        }

        return (float) kept;
    }

    int effectiveIndex = 0;
    double numerator[15] {};
    double denominator[15] {};
    OversamplingHistory upLeft, downLeft, upRight, downRight;
};
