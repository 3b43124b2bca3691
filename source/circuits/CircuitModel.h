#pragma once

#include "circuits/StageList.h"
#include "dsp/ModuleModel.h"
#include "dsp/OversamplingBase2.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <vector>

/** The shell every fuzz circuit runs in: five parameters and their routing,
    the engage crossfade, the quiet oversampling change and restart.

    A circuit registers its stages in its constructor (chain order, the order
    of updateCoefficients, the filter stages restart recomputes, the clipping
    stages, and the stages each knob recomputes), implements the knob laws and
    the chain itself, then calls finishConstruction().

    Threads: processing and setParameter/applyParameter 1..3 run on the audio
    thread; setParameter 4, applyParameter 4, reset and restart come from the
    processor's timer, and timerCallback runs on the message thread. The
    clipping stages are only re-initialised while the audio thread is known
    to run no stage (muted mode reached, or pass-through). */
class CircuitModel : public ModuleModel, public juce::Timer
{
public:
    enum FadeMode
    {
        bypassed = 0,
        engageFade = 1,
        active = 2,
        bypassFade = 3,
        unmuteFade = 4,
        muteFade = 5,
        muted = 6
    };

    static constexpr int numModelParameters = 5;
    static constexpr int oversamplingTimerMs = 100;

    ~CircuitModel() override;

    /** Stores the rate in Hz and forwards it to every stage in chain order.
        Preparation thread. */
    void setSampleRate (float rate) override;

    /** Zeroes every stage's histories and reader state. Audio thread (master
        switch) or preparation. */
    void clearState() override;

    /** Clears `silenced`, then re-initialises every stage. */
    void initialise() override;

    /** updateEngage, then every stage's coefficients in the circuit's order. */
    void updateCoefficients() override;

    /** Runs the fade state machine and the chain in place. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override;

    /** One-channel form of processStereo. Audio thread. */
    void processMono (float* samples, int numSamples) override;

    /** Stores a value (0..1) for index 0..4 and routes it. Audio thread for
        1..3, message thread for 4. */
    void setParameter (int index, float value) override;

    /** 0: updateEngage; 1..3: recompute the stages of that knob;
        4: start the quiet oversampling change. */
    void applyParameter (int index) override;

    float getDefaultParameterValue (int index) const override;
    const char* getParameterName (int index) const override;

    /** Stores the size and reallocates both dry buffers, zero-filled.
        Preparation thread. */
    void setMaxBlockSize (int numSamples) override;

    /** Pushes the stored values to the stages, recomputes the filters,
        re-initialises the clipping stages and fades the circuit in from
        silence. Message or preparation thread, while the model is not run. */
    void restart() override;

    /** Mute, then re-initialise on the timer, then unmute. Message thread. */
    void beginOversamplingChange();

    /** Starts a crossfade when the engage request differs from the state. */
    void updateEngage();

    //==============================================================================
    int getFadeMode() const noexcept { return fadeMode.load (std::memory_order_acquire); }
    float getWetGain() const noexcept { return unpack (fadeGains.load (std::memory_order_relaxed)).wet; }
    float getDryGain() const noexcept { return unpack (fadeGains.load (std::memory_order_relaxed)).dry; }
    int getFadeLength() const noexcept { return fadeLength.load (std::memory_order_relaxed); }
    bool isSilenced() const noexcept { return silenced.load (std::memory_order_acquire); }
    bool isEngaged() const noexcept { return engaged.load (std::memory_order_relaxed); }
    int getOversamplingIndex() const noexcept { return oversamplingIndex.load (std::memory_order_relaxed); }

    /** The clipping stages' filter parts, in chain order (inspection). */
    const StageList<OversamplingBase2, 2>& getClippingFilters() const noexcept { return clippingFilters; }

    /** One tick of the model's own timer, as the message loop would run it. */
    void timerCallback() override;

protected:
    explicit CircuitModel (const char* modelName);

    /** Sets stage knob(s) of index 1..3 by the circuit's law. Any thread. */
    virtual void routeKnob (int index, float value) = 0;

    /** The chain in place, stage by stage in chain order. Audio thread. */
    virtual void processChainStereo (float* left, float* right, int numSamples) = 0;
    virtual void processChainMono (float* samples, int numSamples) = 0;

    /** Name of parameter 3 ("Level" unless a circuit calls it otherwise). */
    virtual const char* getLevelName() const { return "Level"; }

    /** Sets the defaults, then clears and initialises: the last step of every
        circuit constructor, after the stages are registered. */
    void finishConstruction();

    StageList<DspBase> chain;             // setSampleRate, clearState, initialise
    StageList<DspBase> coefficientOrder;  // updateCoefficients
    StageList<DspBase> restartFilters;    // restart step: filter stages only
    StageList<DspBase, 2> clippingStages;
    StageList<OversamplingBase2, 2> clippingFilters;
    StageList<DspBase, 2> knobStages[3];  // stages recomputed by knobs 1..3

private:
    void setFade (int mode, float wet, float dry) noexcept;
    void setFadeLength (int length) noexcept;
    void reinitialiseClippingStages();
    bool chainMayRun (int mode) const noexcept;
    void mixAndRamp (int mode, float* left, float* right, int numSamples) noexcept;
    static int restartLength (float rate) noexcept;

    // Written by the audio thread in muted mode (release) and by the message
    // thread (beginOversamplingChange, timer, restart); read by the timer.
    std::atomic<bool> silenced { false };

    // Written by setParameter 0 and updateEngage/restart (message thread);
    // read by the message thread and for inspection.
    std::atomic<bool> engageRequested { true };
    std::atomic<bool> engaged { false };

    // Written by setParameter on the audio thread (1..3) and the message
    // thread (restart reads them); relaxed, they are plain values.
    std::atomic<float> fuzz { 0.5f }, tone { 0.5f }, level { 0.5f };

    // Written by setParameter 4 (message thread), read by restart.
    std::atomic<int> oversamplingIndex { 0 };

    // Owned by the audio thread while processing; resized on the
    // preparation thread, or by the audio thread for an oversized block.
    std::vector<float> dryLeft, dryRight;

    // The fade hand-over. Message-thread writers (updateEngage,
    // beginOversamplingChange, timer, restart) store length, step and gains
    // first and the mode last with release; the audio thread loads the mode
    // with acquire at the start of a block. At the end of the block it
    // stores its ramped gains only if they are still the ones it started
    // from, and the next mode only if the mode is still its own (both
    // compare-exchange), so a fade set by the message thread during the block
    // is never overwritten. Wet and dry gains travel together in one word.
    struct FadeGains
    {
        float wet, dry;
    };

    static std::uint64_t pack (FadeGains gains) noexcept;
    static FadeGains unpack (std::uint64_t word) noexcept;

    std::atomic<int> fadeMode { bypassed };
    std::atomic<int> fadeLength { 4096 };
    std::atomic<float> fadeStep { 1.0f / 4096.0f };
    std::atomic<std::uint64_t> fadeGains { pack ({ 0.0f, 1.0f }) };
};
