#pragma once

#include "dsp/FxBase.h"

#include <algorithm>

/** Base of the five fuzz circuit models that the audio processor drives. */
class ModuleModel : public FxBase
{
public:
    ModuleModel() { name = "ModuleModel"; }

    void processStereo (float*, float*, int) override {}
    void processMono (float*, int) override {}

    void setNumChannels (int count) { numChannels = count; }
    int getNumChannels() const { return numChannels; }

    /** Dispatches by channel count: 1 processes left and copies it into right,
        2 processes both, any other count leaves both buffers untouched. */
    virtual void processBlock (float* left, float* right, int numSamples)
    {
        if (numChannels == 1)
        {
            processMono (left, numSamples);
            std::copy (left, left + numSamples, right);
        }
        else if (numChannels == 2)
        {
            processStereo (left, right, numSamples);
        }
    }

private:
    int numChannels = 1;
};
