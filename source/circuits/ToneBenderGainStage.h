#pragma once

#include "circuits/AnalogPrototype.h"
#include "circuits/KnobTaper.h"
#include "dsp/FxSZBase2.h"

#include <atomic>

/** Zepp Fuzz gain stage: a reverse-log 25 kOhm pot sets the high-frequency
    gain between about 40 and about 2129. */
class ToneBenderGainStage : public FxSZBase2
{
public:
    ToneBenderGainStage() { initialise(); }

    /** Analog prototype for a Fuzz position 0..1. Any thread. */
    static AnalogPrototype<2> analogFor (float knob) noexcept
    {
        const float c = KnobTaper::reverseLogarithmic (knob);
        const double rd = 25000.0 * (1.0 - (double) c);
        AnalogPrototype<2> p;
        p.denominator = { 1.0, 1e-6 * rd + 0.1 + 0.00047, 1e-7 * rd + 0.000047 };
        p.numerator = { 0.0, 0.1, 1e-7 * rd + 0.000047 + 0.1 };
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
