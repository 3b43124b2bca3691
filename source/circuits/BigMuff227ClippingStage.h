#pragma once

#include "circuits/DiodeClippingStage.h"
#include "dsp/BigMuff227TableReader.h"

/** Trans Fuzz clipper: gain 30.303 into the "TFZD1" diode tables. The
    circuit runs two of them in series, each with its own state. */
class BigMuff227ClippingStage final : public DiodeClippingStage<BigMuff227TableReader>
{
public:
    BigMuff227ClippingStage() : DiodeClippingStage ("TFZD1", 30.303) {}
};
