#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Sustainer Fuzz tone stack and volume: two 10 kOhm pots; the volume pot
    scales the whole numerator. */
class PFToneStage : public FxSZBase3
{
public:
    PFToneStage() { initialise(); }

    /** Analog prototype for Tone and Volume positions 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float toneKnob, float volume) noexcept
    {
        const double ra = 10000.0 * (double) toneKnob;
        const double rb = 10000.0 - ra;
        const double rv = 10000.0 * (double) volume;
        const double rw = 10000.0 * (1.0 - (double) volume);
        const double pp = ra * rb + ra * rv + ra * rw + rb * rv + rb * rw;
        AnalogPrototype<3> p;
        p.denominator = { rb + rv + rw + 1200.0,
                          1.12e-6 * pp + 0.001344 * ra + 0.00572 * rb + 0.007064 * (rv + rw) + 6.72,
                          8.064e-10 * pp + 8.064e-7 * ra + 6.72e-7 * rb + 1.4784e-6 * (rv + rw),
                          8.064e-14 * pp };
        p.numerator = { 0.0,
                        rv * (1e-6 * rb + 0.00132),
                        rv * (1.344e-10 * ra + 1.2e-10 * rb + 6.72e-7),
                        8.064e-14 * ra * rv };
        return p;
    }

    /** Recomputes the filter from both knobs. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed), volumeKnob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }

    // Both written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };
    std::atomic<float> volumeKnob { 0.0f };
};
