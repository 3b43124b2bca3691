#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase4.h"

#include <atomic>

/** Vintage Fuzz tone and level network: two 100 kOhm pots; the level pot
    scales the whole numerator. */
class IFZ5ToneStage : public FxSZBase4
{
public:
    IFZ5ToneStage() { initialise(); }

    /** Analog prototype for Tone and Level positions 0..1. Any thread. */
    static AnalogPrototype<4> analogFor (float toneKnob, float levelPosition) noexcept
    {
        const double ra = 100000.0 * (double) toneKnob;
        const double rb = 100000.0 - ra;
        const double rv = 100000.0 * (double) levelPosition;
        const double rw = 100000.0 - rv;
        const double q = rv + rw;
        AnalogPrototype<4> p;
        p.denominator = {
            q + 510000.0,
            1.015e-6 * ra * q + 1.0172e-6 * rb * q + 0.51765 * ra + 0.518772 * rb + 0.0676896 * q + 33949.476,
            2.233e-15 * ra * rb * q + 1.13883e-9 * ra * rb + 1.710819e-9 * ra * q + 1.711182e-9 * rb * q
                + 0.00029171439 * ra + 0.00029189952 * rb + 9.3416598e-5 * q + 9.59269608,
            1.09626e-18 * ra * rb * q + 5.590926e-13 * ra * rb + 6.2564139e-13 * ra * q + 6.375006e-13 * rb * q
                + 3.39398829e-8 * ra + 3.998808e-8 * rb + 1.83889629e-8 * q,
            1.1979e-22 * ra * rb * q + 6.10929e-17 * (ra * rb + ra * q + rb * q)
        };
        p.numerator = { 0.0,
                        0.0,
                        rv * (1.122e-9 * rb + 3.7026e-5),
                        rv * (3.7026e-13 * (ra + rb) + 1.221858e-8),
                        6.10929e-17 * ra * rv };
        return p;
    }

    /** Recomputes the filter from both knobs. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed), levelKnob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }

    // Both written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };
    std::atomic<float> levelKnob { 0.0f };
};
