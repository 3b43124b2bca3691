#include "circuits/ToneBender.h"

ToneBender::ToneBender() : CircuitModel ("ToneBender")
{
    for (DspBase* stage : { (DspBase*) &gain, (DspBase*) &diode, (DspBase*) &toneVolume })
    {
        chain.add (*stage);
        coefficientOrder.add (*stage);
    }

    restartFilters.add (gain);
    restartFilters.add (toneVolume);

    clippingStages.add (diode);
    clippingFilters.add (diode);

    knobStages[0].add (gain);
    knobStages[1].add (toneVolume);
    knobStages[2].add (toneVolume);

    finishConstruction();
}

void ToneBender::routeKnob (int index, float value)
{
    if (index == 1)
        gain.knob.store (value, std::memory_order_relaxed);
    else if (index == 2)
        toneVolume.knob.store (value, std::memory_order_relaxed);
    else if (index == 3)
        toneVolume.levelKnob.store (value, std::memory_order_relaxed);
}

void ToneBender::processChainStereo (float* left, float* right, int numSamples)
{
    gain.processStereo (left, right, numSamples);
    diode.processStereo (left, right, numSamples);
    toneVolume.processStereo (left, right, numSamples);
}

void ToneBender::processChainMono (float* samples, int numSamples)
{
    gain.processMono (samples, numSamples);
    diode.processMono (samples, numSamples);
    toneVolume.processMono (samples, numSamples);
}
