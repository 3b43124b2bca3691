#include "circuits/BigMuffFuzz.h"

BigMuffFuzz::BigMuffFuzz() : CircuitModel ("BigMuffFuzz")
{
    chain.add (sustain);
    chain.add (diode);
    chain.add (toneStage);
    chain.add (volume);

    coefficientOrder.add (sustain);
    coefficientOrder.add (toneStage);
    coefficientOrder.add (diode);
    coefficientOrder.add (volume);

    restartFilters.add (sustain);
    restartFilters.add (toneStage);
    restartFilters.add (volume);

    clippingStages.add (diode);
    clippingFilters.add (diode);

    knobStages[0].add (sustain);
    knobStages[1].add (toneStage);
    knobStages[2].add (volume);

    finishConstruction();
}

void BigMuffFuzz::routeKnob (int index, float value)
{
    if (index == 1)
        sustain.knob.store (value, std::memory_order_relaxed);
    else if (index == 2)
        toneStage.knob.store (value, std::memory_order_relaxed);
    else if (index == 3)
        volume.setLevel (value);
}

void BigMuffFuzz::processChainStereo (float* left, float* right, int numSamples)
{
    sustain.processStereo (left, right, numSamples);
    diode.processStereo (left, right, numSamples);
    toneStage.processStereo (left, right, numSamples);
    volume.processStereo (left, right, numSamples);
}

void BigMuffFuzz::processChainMono (float* samples, int numSamples)
{
    sustain.processMono (samples, numSamples);
    diode.processMono (samples, numSamples);
    toneStage.processMono (samples, numSamples);
    volume.processMono (samples, numSamples);
}
