#pragma once

#include "circuits/DiodeClippingStage.h"
#include "dsp/BigMuffTableReader.h"

/** Big Fuzz clipper: gain 1000/33 into the "BFZD1" diode tables. */
class BigMuffDiodeStageOS final : public DiodeClippingStage<BigMuffTableReader>
{
public:
    BigMuffDiodeStageOS() : DiodeClippingStage ("BFZD1", 30.303030303030305) {}
};
