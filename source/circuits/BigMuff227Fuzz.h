#pragma once

#include "circuits/PassThroughModel.h"

class BigMuff227Fuzz : public PassThroughModel
{
public:
    BigMuff227Fuzz() { name = "BigMuff227Fuzz"; }
};
