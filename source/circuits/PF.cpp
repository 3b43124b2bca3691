#include "circuits/PF.h"

PF::PF() : CircuitModel ("PF")
{
    chain.add (input);
    chain.add (cream);
    chain.add (postGain);
    chain.add (diode);
    chain.add (toneStage);

    coefficientOrder.add (input);
    coefficientOrder.add (cream);
    coefficientOrder.add (postGain);
    coefficientOrder.add (diode);
    coefficientOrder.add (toneStage);

    restartFilters.add (cream);
    restartFilters.add (postGain);
    restartFilters.add (input);
    restartFilters.add (toneStage);

    clippingStages.add (diode);
    clippingFilters.add (diode);

    knobStages[0].add (cream);
    knobStages[1].add (toneStage);
    knobStages[2].add (toneStage);

    finishConstruction();
}

void PF::routeKnob (int index, float value)
{
    if (index == 1)
        cream.knob.store (value, std::memory_order_relaxed);
    else if (index == 2)
        toneStage.knob.store (value, std::memory_order_relaxed);
    else if (index == 3)
        toneStage.volumeKnob.store (value, std::memory_order_relaxed);
}

void PF::processChainStereo (float* left, float* right, int numSamples)
{
    input.processStereo (left, right, numSamples);
    cream.processStereo (left, right, numSamples);
    postGain.processStereo (left, right, numSamples);
    diode.processStereo (left, right, numSamples);
    toneStage.processStereo (left, right, numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        left[i] *= outputGain;
        right[i] *= outputGain;
    }
}

void PF::processChainMono (float* samples, int numSamples)
{
    input.processMono (samples, numSamples);
    cream.processMono (samples, numSamples);
    postGain.processMono (samples, numSamples);
    diode.processMono (samples, numSamples);
    toneStage.processMono (samples, numSamples);

    for (int i = 0; i < numSamples; ++i)
        samples[i] *= outputGain;
}
