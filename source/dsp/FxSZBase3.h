#pragma once

#include "dsp/FxSZSection.h"

/** Order-3 analog-prototype filter section. */
class FxSZBase3 : public FxSZSection<3>
{
};
