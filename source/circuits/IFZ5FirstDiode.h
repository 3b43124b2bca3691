#pragma once

#include "circuits/DiodeClippingStage.h"
#include "dsp/IFZ5TableReader.h"

/** Vintage Fuzz clipper: no gain of its own, "VFZD1" diode tables. The
    circuit runs two instances, each with its own state. */
class IFZ5FirstDiode final : public DiodeClippingStage<IFZ5TableReader>
{
public:
    IFZ5FirstDiode() : DiodeClippingStage ("VFZD1", 1.0) {}
};
