#pragma once

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

    /** Zeroes the four filter histories. */
    virtual void clearFilterState()
    {
        upLeft.clear();
        downLeft.clear();
        upRight.clear();
        downRight.clear();
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
    inline double interpolateMono (double x)
    {
        return filtersEnabled ? OversamplingFilter::step (upLeft, x, numerator, denominator) : x;
    }

    /** Interpolation step on a sub-sample pair (left: channel 0, right: channel 1). */
    inline void interpolatePair (double& left, double& right)
    {
        if (! filtersEnabled)
            return;

        left = OversamplingFilter::step (upLeft, left, numerator, denominator);
        right = OversamplingFilter::step (upRight, right, numerator, denominator);
    }

    /** Decimation step on one sub-sample of channel 0. */
    inline double decimateMono (double x)
    {
        return filtersEnabled ? OversamplingFilter::step (downLeft, x, numerator, denominator) : x;
    }

    /** Decimation step on a sub-sample pair. */
    inline void decimatePair (double& left, double& right)
    {
        if (! filtersEnabled)
            return;

        left = OversamplingFilter::step (downLeft, left, numerator, denominator);
        right = OversamplingFilter::step (downRight, right, numerator, denominator);
    }

protected:
    int requestedIndex = 0;
    int activeIndex = 0;
    bool filtersEnabled = false;
    float baseRate = 44100.0f;
    float effectiveRate = 44100.0f;
    double numerator[15] {};
    double denominator[15] {};
    OversamplingHistory upLeft, downLeft, upRight, downRight;
};
