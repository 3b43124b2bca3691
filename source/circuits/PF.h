#pragma once

#include "circuits/PassThroughModel.h"

class PF : public PassThroughModel
{
public:
    PF() { name = "PF"; }
};
