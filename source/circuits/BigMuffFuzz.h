#pragma once

#include "circuits/PassThroughModel.h"

class BigMuffFuzz : public PassThroughModel
{
public:
    BigMuffFuzz() { name = "BigMuffFuzz"; }
};
