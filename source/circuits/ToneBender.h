#pragma once

#include "circuits/PassThroughModel.h"

class ToneBender : public PassThroughModel
{
public:
    ToneBender() { name = "ToneBender"; }
};
