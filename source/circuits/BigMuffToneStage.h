#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Big Fuzz tone stack: a 10 kOhm pot blends a low-pass and a high-pass
    branch; DC is blocked. */
class BigMuffToneStage : public FxSZBase3
{
public:
    BigMuffToneStage() { initialise(); }

    /** Analog prototype for a Tone position 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float knob) noexcept
    {
        const double ra = 10000.0 * (double) knob;
        const double rb = 10000.0 * (1.0 - (double) knob);
        AnalogPrototype<3> p;
        p.denominator = { rb + 33333.333333333336 + 1200.0,
                          1.12e-6 * ra * rb + 0.0386773333333 * ra + 0.0430533333333 * rb + 242.186666667,
                          8.064e-10 * ra * rb + 2.76864e-5 * ra + 2.7552e-5 * rb + 0.04928,
                          8.064e-14 * ra * rb + 2.688e-9 * ra + 2.688e-9 * rb };
        p.numerator = { 0.0, rb / 30.0 + 44.0, 4.48e-6 * ra + 4e-6 * rb + 0.0224, 2.688e-9 * ra };
        return p;
    }

    void initialise() override
    {
        knob.store (0.0f, std::memory_order_relaxed);
        FxSZBase3::initialise();
    }

    /** Recomputes the filter from the knob. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }

    // Written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };
};
