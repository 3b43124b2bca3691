#include "circuits/IFZ5.h"

IFZ5::IFZ5() : CircuitModel ("IFZ5")
{
    for (DspBase* stage : { (DspBase*) &first, (DspBase*) &gain, (DspBase*) &firstClipper,
                            (DspBase*) &second, (DspBase*) &secondClipper, (DspBase*) &toneStage })
    {
        chain.add (*stage);
        coefficientOrder.add (*stage);
    }

    restartFilters.add (first);
    restartFilters.add (gain);
    restartFilters.add (second);
    restartFilters.add (toneStage);

    clippingStages.add (firstClipper);
    clippingStages.add (secondClipper);
    clippingFilters.add (firstClipper);
    clippingFilters.add (secondClipper);

    knobStages[0].add (gain);
    knobStages[1].add (toneStage);
    knobStages[2].add (toneStage);

    finishConstruction();
}

void IFZ5::routeKnob (int index, float value)
{
    if (index == 1)
        gain.knob.store (value, std::memory_order_relaxed);
    else if (index == 2)
        toneStage.knob.store (value, std::memory_order_relaxed);
    else if (index == 3)
        toneStage.levelKnob.store (value, std::memory_order_relaxed);
}

void IFZ5::processChainStereo (float* left, float* right, int numSamples)
{
    first.processStereo (left, right, numSamples);
    gain.processStereo (left, right, numSamples);
    firstClipper.processStereo (left, right, numSamples);
    second.processStereo (left, right, numSamples);
    secondClipper.processStereo (left, right, numSamples);
    toneStage.processStereo (left, right, numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        left[i] *= outputGain;
        right[i] *= outputGain;
    }
}

void IFZ5::processChainMono (float* samples, int numSamples)
{
    first.processMono (samples, numSamples);
    gain.processMono (samples, numSamples);
    firstClipper.processMono (samples, numSamples);
    second.processMono (samples, numSamples);
    secondClipper.processMono (samples, numSamples);
    toneStage.processMono (samples, numSamples);

    for (int i = 0; i < numSamples; ++i)
        samples[i] *= outputGain;
}
