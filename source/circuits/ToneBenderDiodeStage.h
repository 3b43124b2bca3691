#pragma once

#include "circuits/DiodeClippingStage.h"
#include "dsp/ToneBenderTableReader.h"

/** Zepp Fuzz clipper: no gain of its own, the rate-independent one-variable
    "ZFZD1" curve (no state). */
class ToneBenderDiodeStage final : public DiodeClippingStage<ToneBenderTableReader>
{
public:
    ToneBenderDiodeStage() : DiodeClippingStage ("ZFZD1", 1.0) {}
};
