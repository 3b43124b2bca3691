#pragma once

#include "dsp/DspBase.h"

/** A block module that processes single-precision buffers in place. */
class FxModuleBase : public DspBase
{
public:
    FxModuleBase() { name = "FxModuleBase"; }

    /** Processes both channels in place; numSamples >= 0. Audio thread. */
    virtual void processStereo (float* left, float* right, int numSamples) = 0;

    /** Processes one channel in place; numSamples >= 0. Audio thread. */
    virtual void processMono (float* samples, int numSamples) = 0;
};
