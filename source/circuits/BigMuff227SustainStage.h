#pragma once

#include "circuits/AnalogPrototype.h"
#include "circuits/KnobTaper.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Trans Fuzz input band-shaping stage: a log-taper 100 kOhm pot with 1 kOhm
    in series sets the gain of the s^2 numerator term. */
class BigMuff227SustainStage : public FxSZBase3
{
public:
    BigMuff227SustainStage() { initialise(); }

    /** Analog prototype for a Fuzz position 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float knob) noexcept
    {
        const float w = KnobTaper::logarithmic (knob);
        const double rc = 100000.0 * (double) w + 1000.0;
        const double rd = 100000.0 * (1.0 - (double) w);
        AnalogPrototype<3> p;
        p.denominator = { 1.0,
                          1e-7 * (rc + rd) + 0.00022 + 0.0033,
                          (2.2e-11 + 3.3e-10) * (rc + rd) + 7.26e-7,
                          7.26e-14 * (rc + rd) };
        p.numerator = { 0.0, 0.0, -3.3e-9 * rc, 0.0 };
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
