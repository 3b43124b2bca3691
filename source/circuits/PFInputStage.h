#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

/** Sustainer Fuzz input coupling network (fixed). */
class PFInputStage : public FxSZBase2
{
public:
    PFInputStage() { initialise(); }

    /** The fixed analog prototype. Any thread. */
    static AnalogPrototype<2> analog() noexcept
    {
        AnalogPrototype<2> p;
        p.denominator = { 1.0, 0.03751, 0.00034122 };
        p.numerator = { 0.0, 0.022, 0.00261602 };
        return p;
    }

    /** Sets the fixed filter. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analog();
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }
};
