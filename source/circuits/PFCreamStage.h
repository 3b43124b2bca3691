#pragma once

#include "circuits/AnalogPrototype.h"
#include "circuits/KnobTaper.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Sustainer Fuzz gain stage: a log-taper 50 kOhm pot with 47 Ohm in series
    sets the s term of the numerator; DC gain 1. */
class PFCreamStage : public FxSZBase3
{
public:
    PFCreamStage() { initialise(); }

    /** Analog prototype for a Fuzz position 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float knob) noexcept
    {
        const float w = KnobTaper::logarithmic (knob);
        const double rc = 50000.0 * (double) w + 47.0;
        const double re = 50000.0 * (1.0 - (double) w);
        const double sum = rc + re;
        AnalogPrototype<3> p;
        p.denominator = { sum + 557000.0,
                          0.47 * sum + 76.5 + 7.05 + 112.2 + 10.34 + (0.00015 + 0.00022) * sum,
                          (-7.65e-5 + 7.05e-5 + 1.034e-4 + 3.3e-9) * sum + 0.001683 + 0.0001551,
                          1.551e-9 * sum };
        p.numerator = { sum + 557000.0, 0.47 * rc + 5.1 * rc, 0.0, 0.0 };
        return p;
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
