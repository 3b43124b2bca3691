#pragma once

#include "dsp/FxModuleBase.h"

/** Dry-path alignment filter. Placeholder until the oversampling filters
    exist: every index passes the block through unchanged. */
class OversamplingAlignment : public FxModuleBase
{
public:
    OversamplingAlignment() { name = "FxModuleBase"; }

    void processStereo (float*, float*, int) override {}
    void processMono (float*, int) override {}

    /** Factor index 0 ... 3 asked for; written by the processor directly. */
    int requestedIndex = 0;
};
