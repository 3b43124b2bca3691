#pragma once

#include "dsp/Inlining.h"
#include "dsp/OversamplingFilter.h"

/** The up- and down-sampling filters of a clipping stage. The stage zero-
    stuffs each input sample into 2^index sub-samples, runs them through the
    interpolation step, its nonlinearity and the decimation step, and keeps
    sub-sample 0. A new factor is only stored by setRequestedFactor; it takes
    effect at the next loadFilters (message thread, with audio kept away). */
class OversamplingBase2
{
public:
    virtual ~OversamplingBase2() = default;

    /** clearFilterState, then initialiseFilters. */
    virtual void resetFilters()
    {
        clearFilterState();
        initialiseFilters();
    }

    /** Zeroes the filter histories (both filters, both channels). */
    virtual void clearFilterState()
    {
        up.clear();
        down.clear();
    }

    virtual void initialiseFilters() {}

    /** Stores the factor index 0 ... 3 asked for; nothing else. */
    virtual void setRequestedFactor (int index) { requestedIndex = index < 0 ? 0 : (index > 3 ? 3 : index); }

    /** Limits the requested index by the host rate and sets the effective rate. */
    virtual void applyFactorLimits()
    {
        requestedIndex = OversamplingFilter::limitIndex (requestedIndex, baseRate);
        effectiveRate = (float) (1 << requestedIndex) * baseRate;
    }

    /** Loads the coefficient set of the requested index and clears the histories. */
    virtual void loadFilters()
    {
        OversamplingFilter::loadSet (requestedIndex, numerator, denominator);
        stepCoefficients.load (numerator, denominator);
        activeIndex = requestedIndex;
        filtersEnabled = requestedIndex != 0;
        clearFilterState();
    }

    int getActiveIndex() const { return activeIndex; }
    int getFactor() const { return 1 << activeIndex; }
    bool areFiltersEnabled() const { return filtersEnabled; }
    float getEffectiveRate() const { return effectiveRate; }
    int getRequestedIndex() const { return requestedIndex; }

    /** The host rate in Hz; set by the clipping stage's setSampleRate. */
    void setBaseRate (float hostRate) { baseRate = hostRate; }

    /** Interpolation step on one sub-sample of channel 0. Audio thread. */
    ONDREL_ALWAYS_INLINE double interpolateMono (double x)
    {
        return filtersEnabled ? up.stepFirst (x, stepCoefficients) : x;
    }

    /** Interpolation step on a sub-sample pair (left: channel 0, right: channel 1). */
    ONDREL_ALWAYS_INLINE DoublePair interpolatePair (DoublePair x)
    {
        return filtersEnabled ? up.stepBoth (x, stepCoefficients) : x;
    }

    /** Decimation step on one sub-sample of channel 0. */
    ONDREL_ALWAYS_INLINE double decimateMono (double x)
    {
        return filtersEnabled ? down.stepFirst (x, stepCoefficients) : x;
    }

    /** Decimation step on a sub-sample pair. */
    ONDREL_ALWAYS_INLINE DoublePair decimatePair (DoublePair x)
    {
        return filtersEnabled ? down.stepBoth (x, stepCoefficients) : x;
    }

protected:
    int requestedIndex = 0;
    int activeIndex = 0;
    bool filtersEnabled = false;
    float baseRate = 44100.0f;
    float effectiveRate = 44100.0f;
    double numerator[15] {};
    double denominator[15] {};
    OversamplingStepCoefficients stepCoefficients; // the loaded set as the steps read it
    OversamplingHistory up, down;                  // interpolation and decimation, both channels each
};
