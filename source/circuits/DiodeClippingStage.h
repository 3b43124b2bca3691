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
    void processMono (float* samples, int numSamples) override { clip (MonoBlock { samples }, numSamples); }

    /** Clips both channels in place, left then right at every step, with
        separate filter and reader states. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        clip (StereoBlock { left, right }, numSamples);
    }

    /** Constant gain in front of the clipper (before the factor). */
    double getInputGain() const noexcept { return inputGain; }

    /** Whether the reader found its tables when the rate was set. */
    bool isTableLoaded() const noexcept { return tableLoaded; }

protected:
    Reader reader; // the limiter keeps no state, so its static form serves every stage

private:
    // The block in place, one channel (double) or both together (DoublePair).
    struct MonoBlock
    {
        float* samples;

        using Value = double;
        Value read (int i) const noexcept { return (double) samples[i]; }
        void write (int i, Value v) const noexcept { samples[i] = (float) v; }
        static Value all (double v) noexcept { return v; }
    };

    struct StereoBlock
    {
        float* left;
        float* right;

        using Value = DoublePair;
        Value read (int i) const noexcept { return DoublePair::of ((double) left[i], (double) right[i]); }
        void write (int i, Value v) const noexcept
        {
            left[i] = (float) v.first();
            right[i] = (float) v.second();
        }
        static Value all (double v) noexcept { return DoublePair::both (v); }
    };

    /** What a block loop keeps in registers: the table run and the filter heads. */
    struct Loop
    {
        typename Reader::Run run;
        OversamplingHistory::Heads up, down;
    };

    Loop beginLoop (MonoBlock) noexcept { return { reader.beginRun(), up.firstChannelHeads(), down.firstChannelHeads() }; }
    Loop beginLoop (StereoBlock) noexcept { return { reader.beginRun(), up.pairHeads(), down.pairHeads() }; }

    void endLoop (MonoBlock, const Loop& loop) noexcept
    {
        reader.endRun (loop.run);
        up.setFirstChannelHeads (loop.up);
        down.setFirstChannelHeads (loop.down);
    }

    void endLoop (StereoBlock, const Loop& loop) noexcept
    {
        reader.endRun (loop.run);
        up.setPairHeads (loop.up);
        down.setPairHeads (loop.down);
    }

    ONDREL_ALWAYS_INLINE double interpolate (Loop& loop, double x) noexcept { return up.stepFirst (loop.up, x, stepCoefficients); }
    ONDREL_ALWAYS_INLINE DoublePair interpolate (Loop& loop, DoublePair x) noexcept { return up.stepBoth (loop.up, x, stepCoefficients); }
    ONDREL_ALWAYS_INLINE double decimate (Loop& loop, double x) noexcept { return down.stepFirst (loop.down, x, stepCoefficients); }
    ONDREL_ALWAYS_INLINE DoublePair decimate (Loop& loop, DoublePair x) noexcept { return down.stepBoth (loop.down, x, stepCoefficients); }

    /** Limiter, then table (left before right). */
    ONDREL_ALWAYS_INLINE static double shape (Loop& loop, double x) noexcept
    {
        return Reader::lookup (loop.run, OpampLimiter::limit (x), 0);
    }

    ONDREL_ALWAYS_INLINE static DoublePair shape (Loop& loop, DoublePair x) noexcept
    {
        const double left = Reader::lookup (loop.run, OpampLimiter::limit (x.first()), 0);
        const double right = Reader::lookup (loop.run, OpampLimiter::limit (x.second()), 1);
        return DoublePair::of (left, right);
    }

    template <typename Block>
    void clip (Block block, int numSamples)
    {
        switch (getActiveIndex())
        {
            case 1:  clipOversampled<2> (block, numSamples); break;
            case 2:  clipOversampled<4> (block, numSamples); break;
            case 3:  clipOversampled<8> (block, numSamples); break;
            default: clipAtHostRate (block, numSamples); break;
        }
    }

    /** At 1x (filters off): the limiter and the table on input x gain. */
    template <typename Block>
    void clipAtHostRate (Block block, int numSamples)
    {
        Loop loop = beginLoop (block);

        for (int i = 0; i < numSamples; ++i)
            block.write (i, shape (loop, block.read (i) * Block::all (1.0) * Block::all (inputGain)));

        endLoop (block, loop);
    }

    // Oversampled, the work of one sub-sample is three steps, each part of
    // its own recursion: interpolation, then limiter and table, then
    // decimation. Done in that order sub-sample by sub-sample, each step
    // waits for the one before it and the processor idles on the latency of
    // one chain at a time. So the steps are staggered: each pass interpolates
    // sub-sample t, shapes t - 1 and decimates t - 2. Every recursion still
    // takes its sub-samples in order and in the same arithmetic, so the
    // values are those of running each step over all sub-samples in turn,
    // but the three chains are in flight together. The stagger fills at the
    // start of the block and drains at its end, so nothing is left half
    // done between blocks. The factor is a template argument so the passes
    // of a frame are written out; the filters are on exactly when the factor
    // is above 1 (loadFilters sets both from the same index).
    template <int factor, typename Block>
    void clipOversampled (Block block, int numSamples)
    {
        using Value = typename Block::Value;

        if (numSamples <= 0)
            return;

        Loop loop = beginLoop (block);
        Value interpolated {}, shaped {}; // sub-samples t - 1 and t - 2

        framePasses<factor, false> (block, 0, loop, interpolated, shaped);

        for (int i = 1; i < numSamples; ++i)
            framePasses<factor, true> (block, i, loop, interpolated, shaped);

        // Drain: decimate the last frame's next-to-last sub-sample, shape and
        // decimate its last.
        const Value nextToLast = decimate (loop, shaped);
        if constexpr (factor == 2)
            block.write (numSamples - 1, nextToLast);
        decimate (loop, shape (loop, interpolated));

        endLoop (block, loop);
    }

    /** The factor passes of frame i. Unless primed (the first frame of a
        block), the first two passes have nothing to shape or decimate yet. */
    template <int factor, bool primed, typename Block>
    ONDREL_ALWAYS_INLINE void framePasses (Block block, int i, Loop& loop, typename Block::Value& interpolated,
                                           typename Block::Value& shaped)
    {
        using Value = typename Block::Value;
        const Value input = block.read (i) * Block::all ((double) factor) * Block::all (inputGain);

        ONDREL_UNROLL_FULLY
        for (int k = 0; k < factor; ++k)
        {
            // Decimation of sub-sample t - 2: sub-sample 0 of this frame at
            // k = 2, or of the frame before at k = 0 when the factor is 2.
            if (primed || k >= 2)
            {
                const Value decimated = decimate (loop, shaped);

                if (k == 2)
                    block.write (i, decimated);
                else if (factor == 2 && k == 0)
                    block.write (i - 1, decimated);
            }

            if (primed || k >= 1)
                shaped = shape (loop, interpolated);

            interpolated = interpolate (loop, k == 0 ? input : Block::all (0.0));
        }
    }

    const char* tablePrefix;
    const double inputGain;
    bool tableLoaded = false;
};
