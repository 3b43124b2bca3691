#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

/** Sustainer Fuzz fixed inverting band-pass after the gain stage. */
class PFPostGainStage : public FxSZBase2
{
public:
    PFPostGainStage() { initialise(); }

    /** The fixed analog prototype. Any thread. */
    static AnalogPrototype<2> analog() noexcept
    {
        AnalogPrototype<2> p;
        p.denominator = { 1.0, 0.0034034, 3.4122e-7 };
        p.numerator = { 0.0, -0.47, 0.0 };
        return p;
    }

    /** Sets the fixed filter. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analog();
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }
};
