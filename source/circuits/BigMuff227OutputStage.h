#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

#include <atomic>

/** Trans Fuzz output: a second-order high-pass whose passband gain is the
    Level position; the written sample is inverted and scaled by 1.5 while
    the filter history stays unscaled. */
class BigMuff227OutputStage : public FxSZBase2
{
public:
    static constexpr float outputGain = -1.5f;

    BigMuff227OutputStage() { initialise(); }

    /** Analog prototype for a Level position 0..1. Any thread. */
    static AnalogPrototype<2> analogFor (float knob) noexcept
    {
        const double ra = 100000.0 * (double) knob;
        const double rb = 100000.0 * (1.0 - (double) knob);
        AnalogPrototype<2> p;
        p.denominator = { 1.0, 1e-7 * ra + 0.01 + 1e-7 * rb + 0.01, 1e-9 * ra + 1e-9 * rb };
        p.numerator = { 0.0, 0.0, 1e-9 * ra };
        return p;
    }

    void initialise() override
    {
        knob.store (0.0f, std::memory_order_relaxed);
        FxSZBase2::initialise();
    }

    /** Recomputes the filter from the knob. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }

    /** Filters in place, writing -1.5 times the output. Audio thread. */
    void processMono (float* samples, int numSamples) override
    {
        filterMono (samples, numSamples, 1.0, outputGain);
    }

    /** Stereo form of processMono. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        filterStereo (left, right, numSamples, 1.0, outputGain);
    }

    // Written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };
};
