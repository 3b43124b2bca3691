#pragma once

#include "dsp/FxSZSection.h"

/** Order-2 analog-prototype filter section. */
class FxSZBase2 : public FxSZSection<2>
{
};
