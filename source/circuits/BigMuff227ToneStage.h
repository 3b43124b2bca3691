#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

#include <atomic>

/** Trans Fuzz tone control: a 100 kOhm pot fades from a low-pass to a
    high-pass response. */
class BigMuff227ToneStage : public FxSZBase2
{
public:
    BigMuff227ToneStage() { initialise(); }

    /** Analog prototype for a Tone position 0..1. Any thread. */
    static AnalogPrototype<2> analogFor (float knob) noexcept
    {
        const double ra = 100000.0 * (double) knob;
        const double rb = 100000.0 * (1.0 - (double) knob);
        AnalogPrototype<2> p;
        p.denominator = { ra + rb + 39000.0 + 22000.0,
                          8.8e-5 * (ra + rb) + 3.432 + 0.00039 * (ra + rb) + 8.58,
                          3.432e-8 * (ra + rb) };
        p.numerator = { rb + 22000.0, 8.8e-5 * (ra + rb) + 3.432, 3.432e-8 * ra };
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

    // Written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };
};
