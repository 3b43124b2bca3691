#pragma once

#include "circuits/DiodeClippingStage.h"
#include "dsp/PFTableReader.h"

/** Sustainer Fuzz clipper: no gain of its own, "SFZD1" diode tables. */
class PFDiodeStage final : public DiodeClippingStage<PFTableReader>
{
public:
    PFDiodeStage() : DiodeClippingStage ("SFZD1", 1.0) {}
};
