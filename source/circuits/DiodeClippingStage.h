#pragma once

#include "dsp/FxModuleBase.h"
#include "dsp/OpampLimiter.h"
#include "dsp/OversamplingBase2.h"

/** The oversampled diode clipper every circuit uses: scale, zero-stuff,
    interpolate, limit, look up the diode table, decimate, keep sub-sample 0.

    Reader is the circuit's table reader, held by value and called directly,
    so the per-sample path has no virtual dispatch. The input gain includes no
    zero-stuffing compensation; the factor is applied on top of it. */
template <typename Reader>
class DiodeClippingStage : public FxModuleBase, public OversamplingBase2
{
public:
    static constexpr int maxFactor = 8;

    DiodeClippingStage (const char* tablePrefixToUse, double inputGainToUse)
        : tablePrefix (tablePrefixToUse), inputGain (inputGainToUse)
    {
        clearState();
        initialise();
    }

    /** Sets the host rate in Hz and opens the reader's tables (sizes its
        buffers). Preparation or message thread. */
    void setSampleRate (float rate) override
    {
        FxModuleBase::setSampleRate (rate);
        setBaseRate (rate);
        reader.setSampleRate (rate);
        tableLoaded = reader.openTable (tablePrefix, false);
    }

    /** Zeroes the reader's channel states and the filter histories. */
    void clearState() override
    {
        reader.clearState();
        clearFilterState();
    }

    /** Cancels a pending table switch; filters keep their coefficients. */
    void initialise() override
    {
        reader.initialise();
        initialiseFilters();
    }

    /** Loads and commits the table for host rate x factor. Message thread
        (the model is muted or bypassed meanwhile) or preparation. */
    void updateCoefficients() override
    {
        reader.updateCoefficients();
        reader.commitTable();
    }

    /** Full re-initialisation for the requested factor: limit it by the
        rate, load the filters, clear all state, pick the table. Message
        thread while the model keeps the audio thread away, or preparation. */
    void loadFilters() override
    {
        applyFactorLimits();
        reader.setOversamplingIndex (getRequestedIndex());
        OversamplingBase2::loadFilters();
        clearState();
        updateCoefficients();
    }

    /** Clips one channel in place (channel 0 of filters and reader).
        Audio thread. */
    void processMono (float* samples, int numSamples) override
    {
        const int factor = 1 << getActiveIndex();
        double sub[maxFactor];

        for (int i = 0; i < numSamples; ++i)
        {
            sub[0] = (double) samples[i] * (double) factor * inputGain;

            for (int k = 1; k < factor; ++k)
                sub[k] = 0.0;

            for (int k = 0; k < factor; ++k)
                sub[k] = interpolateMono (sub[k]);

            for (int k = 0; k < factor; ++k)
                sub[k] = OpampLimiter::limit (sub[k]);

            for (int k = 0; k < factor; ++k)
                reader.Reader::processSample (&sub[k]);

            for (int k = 0; k < factor; ++k)
                sub[k] = decimateMono (sub[k]);

            samples[i] = (float) sub[0];
        }
    }

    /** Clips both channels in place, left then right at every step, with
        separate filter and reader states. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        const int factor = 1 << getActiveIndex();
        double subL[maxFactor];
        double subR[maxFactor];

        for (int i = 0; i < numSamples; ++i)
        {
            subL[0] = (double) left[i] * (double) factor * inputGain;
            subR[0] = (double) right[i] * (double) factor * inputGain;

            for (int k = 1; k < factor; ++k)
                subL[k] = subR[k] = 0.0;

            for (int k = 0; k < factor; ++k)
                interpolatePair (subL[k], subR[k]);

            for (int k = 0; k < factor; ++k)
            {
                subL[k] = OpampLimiter::limit (subL[k]);
                subR[k] = OpampLimiter::limit (subR[k]);
            }

            for (int k = 0; k < factor; ++k)
                reader.Reader::processSamplePair (&subL[k], &subR[k]);

            for (int k = 0; k < factor; ++k)
                decimatePair (subL[k], subR[k]);

            left[i] = (float) subL[0];
            right[i] = (float) subR[0];
        }
    }

    /** Constant gain in front of the clipper (before the factor). */
    double getInputGain() const noexcept { return inputGain; }

    /** Whether the reader found its tables when the rate was set. */
    bool isTableLoaded() const noexcept { return tableLoaded; }

protected:
    Reader reader; // the limiter keeps no state, so its static form serves every stage

private:
    const char* tablePrefix;
    const double inputGain;
    bool tableLoaded = false;
};
