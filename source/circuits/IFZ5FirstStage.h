#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase3.h"

/** Vintage Fuzz fixed input stage (inverting band-pass). */
class IFZ5FirstStage : public FxSZBase3
{
public:
    IFZ5FirstStage() { initialise(); }

    /** The fixed analog prototype. Any thread. */
    static AnalogPrototype<3> analog() noexcept
    {
        AnalogPrototype<3> p;
        p.denominator = { 1.0, 0.0513869, 0.000166224894, 2.0268468e-8 };
        p.numerator = { 0.0, 0.0, -0.0013068, 0.0 };
        return p;
    }

    /** Sets the fixed filter. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analog();
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
    }
};
