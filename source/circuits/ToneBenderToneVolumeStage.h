#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

#include <atomic>

/** Zepp Fuzz tone and volume network: two 100 kOhm pots; the level pot scales
    the numerator, and the written sample is scaled by 1.2 while the filter
    history stays unscaled. */
class ToneBenderToneVolumeStage : public FxSZBase2
{
public:
    static constexpr float outputGain = 1.2f;

    ToneBenderToneVolumeStage() { initialise(); }

    /** Analog prototype for Tone and Level positions 0..1. Any thread. */
    static AnalogPrototype<2> analogFor (float toneKnob, float levelPosition) noexcept
    {
        const double rl = 100000.0 * (double) levelPosition;
        const double rm = 100000.0 * (1.0 - (double) levelPosition);
        const double rt = 100000.0 * (double) toneKnob;
        const double ru = 100000.0 * (1.0 - (double) toneKnob);
        const double s = (rl + rm) * (rt + ru) + rt * ru;
        AnalogPrototype<2> p;
        p.denominator = { s + 66000.0 * (rl + rm) + 33000.0 * (rt + ru) + 1.089e9,
                          0.0004851 * s + 16.0083 * (rl + rm) + 10.89 * rt + 5.1183 * ru,
                          5.1183e-8 * s };
        p.numerator = { rl * (ru + 33000.0),
                        rl * (0.0001551 * (rt + ru) + 5.1183),
                        5.1183e-8 * rl * rt };
        return p;
    }

    /** Recomputes the filter from both knobs. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed), levelKnob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }

    /** Filters in place, writing 1.2 times the output. Audio thread. */
    void processMono (float* samples, int numSamples) override
    {
        filterMono (samples, numSamples, 1.0, outputGain);
    }

    /** Stereo form of processMono. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        filterStereo (left, right, numSamples, 1.0, outputGain);
    }

    // Both written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> levelKnob { 0.0f };
    std::atomic<float> knob { 0.0f };
};
