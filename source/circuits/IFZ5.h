#pragma once

#include "circuits/PassThroughModel.h"

class IFZ5 : public PassThroughModel
{
public:
    IFZ5() { name = "IFZ5"; }
};
