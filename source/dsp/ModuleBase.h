#pragma once

#include "dsp/DspBase.h"

/** A per-sample module on double-precision values, called once per
    (oversampled) sample inside a clipping stage. The first value of a pair
    belongs to channel 0, the second to channel 1; processSample uses channel 0. */
class ModuleBase : public DspBase
{
public:
    ModuleBase() { name = "ModuleBase"; }

    /** Processes one sample of each of two channels in place. Audio thread. */
    virtual void processSamplePair (double* first, double* second) = 0;

    /** Processes one sample of channel 0 in place. Audio thread. */
    virtual void processSample (double* sample) = 0;
};
