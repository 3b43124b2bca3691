#pragma once

#include "dsp/FxModuleBase.h"
#include "dsp/OpampLimiter.h"
#include "dsp/OversamplingBase2.h"

#include <utility>

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

    // With a factor and phase, the step reads only the taps zero-stuffing
    // can leave non-zero (see OversamplingHistory::stepFirst).
    template <int factor = 1, int phase = 0>
    ONDREL_ALWAYS_INLINE double interpolate (Loop& loop, double x) noexcept
    {
        return up.template stepFirst<factor, phase> (loop.up, x, stepCoefficients);
    }

    template <int factor = 1, int phase = 0>
    ONDREL_ALWAYS_INLINE DoublePair interpolate (Loop& loop, DoublePair x) noexcept
    {
        return up.template stepBoth<factor, phase> (loop.up, x, stepCoefficients);
    }

    ONDREL_ALWAYS_INLINE double decimate (Loop& loop, double x) noexcept
    {
        return down.stepFirst (loop.down, x, stepCoefficients);
    }

    ONDREL_ALWAYS_INLINE DoublePair decimate (Loop& loop, DoublePair x) noexcept
    {
        return down.stepBoth (loop.down, x, stepCoefficients);
    }

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
            block.write (i, shape (loop, scaledInput<1> (block, i)));

        endLoop (block, loop);
    }

    // Oversampled, the work of one sub-sample is three steps, each part of
    // its own recursion: interpolation, then limiter and table, then
    // decimation. Done in that order sub-sample by sub-sample, each step
    // waits for the one before it and the processor idles on the latency of
    // one chain at a time. So the steps are staggered: each pass interpolates
    // sub-sample t, shapes t - shapeLag and decimates t - decimateLag. Every
    // recursion still takes its sub-samples in order and in the same
    // arithmetic, so the values are those of running each step over all
    // sub-samples in turn, but the three chains are in flight together. The
    // stagger fills at the start of the block and drains at its end, so
    // nothing is left half done between blocks. The factor is a template
    // argument so the passes of a frame are written out; the filters are on
    // exactly when the factor is above 1 (loadFilters sets both from the
    // same index).
    static constexpr int shapeLag = 3;
    static constexpr int decimateLag = 6;

    /** Sub-samples between the steps: interpolated and waiting to be shaped,
        shaped and waiting to be decimated; [0] is the oldest. */
    template <typename Value>
    struct Stagger
    {
        Value toShape[shapeLag] {};
        Value toDecimate[decimateLag - shapeLag] {};

        template <std::size_t n>
        ONDREL_ALWAYS_INLINE static void push (Value (&queue)[n], Value v) noexcept
        {
            for (std::size_t j = 0; j + 1 < n; ++j)
                queue[j] = queue[j + 1];
            queue[n - 1] = v;
        }
    };

    template <int factor, typename Block>
    void clipOversampled (Block block, int numSamples)
    {
        using Value = typename Block::Value;

        if (numSamples <= 0)
            return;

        Loop loop = beginLoop (block);
        Stagger<Value> stagger;

        // The first frames, until every step has a sub-sample to work on.
        constexpr int fillingFrames = (decimateLag + factor - 1) / factor;
        const int filling = numSamples < fillingFrames ? numSamples : fillingFrames;
        const Value zero = Block::all (0.0);

        for (int t = 0; t < filling * factor; ++t)
        {
            const Value input = t % factor == 0 ? scaledInput<factor> (block, t / factor) : zero;
            pass (block, loop, stagger, input, t, true, t >= shapeLag, t >= decimateLag, factor);
        }

        for (int i = filling; i < numSamples; ++i)
            framePasses<factor> (block, i, loop, stagger);

        // Drain: shape and decimate what is still on its way.
        const int end = numSamples * factor;
        for (int t = end; t < end + decimateLag; ++t)
            pass (block, loop, stagger, zero, t, false, t - shapeLag < end && t >= shapeLag, t >= decimateLag, factor);

        endLoop (block, loop);
    }

    /** Sub-sample 0 of frame i: the input times the factor (which makes up
        for the zero-stuffing), times the stage gain. */
    template <int factor, typename Block>
    ONDREL_ALWAYS_INLINE typename Block::Value scaledInput (Block block, int i) const noexcept
    {
        return block.read (i) * Block::all ((double) factor) * Block::all (inputGain);
    }

    /** One pass with the steps to take given at run time (filling and draining). */
    template <typename Block, typename Value>
    void pass (Block block, Loop& loop, Stagger<Value>& stagger, Value input, int t, bool interpolating, bool shaping,
               bool decimating, int factor)
    {
        if (decimating)
        {
            const Value decimated = decimate (loop, stagger.toDecimate[0]);
            const int g = t - decimateLag;
            if (g % factor == 0)
                block.write (g / factor, decimated);
        }

        // Every pass moves both queues on by one, busy or not.
        Stagger<Value>::push (stagger.toDecimate, shaping ? shape (loop, stagger.toShape[0]) : Value {});

        if (interpolating)
            Stagger<Value>::push (stagger.toShape, interpolate (loop, input));
        else
            Stagger<Value>::push (stagger.toShape, Value {});
    }

    /** The factor passes of frame i, every step busy. */
    template <int factor, typename Block, typename Value>
    ONDREL_ALWAYS_INLINE void framePasses (Block block, int i, Loop& loop, Stagger<Value>& stagger)
    {
        passesOfFrame<factor> (block, i, loop, stagger, scaledInput<factor> (block, i),
                               std::make_integer_sequence<int, factor> {});
    }

    template <int factor, typename Block, typename Value, int... k>
    ONDREL_ALWAYS_INLINE void passesOfFrame (Block block, int i, Loop& loop, Stagger<Value>& stagger, Value input,
                                             std::integer_sequence<int, k...>)
    {
        (steadyPass<factor, k> (block, i, loop, stagger, input), ...);
    }

    /** Pass k of frame i. Blocks start on frame boundaries and every pass
        feeds zeros between frames, so at pass k only the inputs k, k +
        factor, ... sub-samples ago can be non-zero: the interpolation step
        reads those taps alone. */
    template <int factor, int k, typename Block, typename Value>
    ONDREL_ALWAYS_INLINE void steadyPass (Block block, int i, Loop& loop, Stagger<Value>& stagger, Value input)
    {
        const Value decimated = decimate (loop, stagger.toDecimate[0]);

        // Sub-sample i * factor + k - decimateLag is sub-sample 0 of its frame.
        if constexpr ((k - decimateLag) % factor == 0)
            block.write (i + (k - decimateLag) / factor, decimated);

        Stagger<Value>::push (stagger.toDecimate, shape (loop, stagger.toShape[0]));
        Stagger<Value>::push (stagger.toShape, interpolate<factor, k> (loop, k == 0 ? input : Block::all (0.0)));
    }

    const char* tablePrefix;
    const double inputGain;
    bool tableLoaded = false;
};
