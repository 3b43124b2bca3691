#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Vintage Fuzz gain stage: a 100 kOhm pot whose lower 10 kOhm always stay
    in the gain leg; it moves the passband gain and the poles. */
class IFZ5GainStage : public FxSZBase3
{
public:
    IFZ5GainStage() { initialise(); }

    /** Analog prototype for a Fuzz position 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float knob) noexcept
    {
        const double rg = 90000.0 * (double) knob + 10000.0;
        const double rh = 100000.0 - rg;
        AnalogPrototype<3> p;
        p.denominator = { 1.0,
                          4.4e-7 * rg + 2.2e-7 * rh + 0.001851,
                          4.84e-14 * rg * rh + 4.1756e-10 * rg + 4.0722e-10 * rh + 8.4788e-8,
                          2.2748e-18 * rg * rh + 1.865336e-14 * rg + 1.865336e-14 * rh };
        p.numerator = { 0.0, 0.0, -4.84e-9 * rg, 0.0 };
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
