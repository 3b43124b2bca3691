#pragma once

#include "dsp/FxModuleBase.h"

#include <atomic>

/** Big Fuzz output level: a gain ramped linearly to its target over one
    rate-class length whenever the target changes. */
class BigMuffVolumeStage final : public FxModuleBase
{
public:
    static constexpr float levelScale = -0.54f;

    BigMuffVolumeStage() { initialise(); }

    /** Stores the rate in Hz and picks the ramp length. Preparation thread. */
    void setSampleRate (float rate) override;

    /** Restarts the ramp from 0 at the next block. */
    void initialise() override;

    /** Applies the ramped gain in place. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override;

    /** One-channel form of processStereo. Audio thread. */
    void processMono (float* samples, int numSamples) override;

    /** Sets the target from a Level position 0..1 (inverting). Any thread. */
    void setLevel (float level) noexcept { targetGain.store (level * levelScale, std::memory_order_relaxed); }

    float getTargetGain() const noexcept { return targetGain.load (std::memory_order_relaxed); }
    float getCurrentGain() const noexcept { return currentGain; }
    int getRampLength() const noexcept { return rampLength; }

private:
    void beginBlock() noexcept;
    float nextGain() noexcept;

    // Written by setParameter (audio or message thread), read by processing.
    std::atomic<float> targetGain { 0.0f };
    int rampCounter = 0;
    int rampLength = 0;
    float rampIncrement = 0.0f;
    float currentGain = 0.0f;
    float lastTarget = 0.0f;
};
