#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase2.h"

/** Vintage Fuzz fixed inverting band-pass between the two clippers. */
class IFZ5SecondStage : public FxSZBase2
{
public:
    IFZ5SecondStage() { initialise(); }

    /** The fixed analog prototype. Any thread. */
    static AnalogPrototype<2> analog() noexcept
    {
        AnalogPrototype<2> p;
        p.denominator = { 1.0, 0.0022752, 1.354968e-7 };
        p.numerator = { 0.0, -0.0324, 0.0 };
        return p;
    }

    /** Sets the fixed filter. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analog();
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }
};
