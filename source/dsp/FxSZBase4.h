#pragma once

#include "dsp/FxSZSection.h"

/** Order-4 analog-prototype filter section. */
class FxSZBase4 : public FxSZSection<4>
{
};
