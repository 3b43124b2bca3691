#pragma once

#include "dsp/FxModuleBase.h"

/** An analog-prototype filter section: a stage hands it the coefficients of
    H(s) = B(s) / A(s) and the section runs the bilinear-transformed filter. */
class FxSZBase : public FxModuleBase
{
public:
    /** Sets new analog coefficients, N + 1 each in ascending powers of s,
        denominator first. The digital filter glides to them from the next
        processed block (the first set after initialise applies at once).
        Audio thread, or message thread while the owner keeps audio away. */
    virtual void setAnalogCoefficients (const double* denominator, const double* numerator) = 0;
};
