#include "circuits/BigMuff227Fuzz.h"

// The model's name text is the same as the Big Fuzz one.
BigMuff227Fuzz::BigMuff227Fuzz() : CircuitModel ("BigMuffFuzz")
{
    chain.add (sustain);
    chain.add (firstClipper);
    chain.add (secondClipper);
    chain.add (toneStage);
    chain.add (output);

    coefficientOrder.add (sustain);
    coefficientOrder.add (toneStage);
    coefficientOrder.add (firstClipper);
    coefficientOrder.add (secondClipper);
    coefficientOrder.add (output);

    restartFilters.add (sustain);
    restartFilters.add (toneStage);
    restartFilters.add (output);

    clippingStages.add (firstClipper);
    clippingStages.add (secondClipper);
    clippingFilters.add (firstClipper);
    clippingFilters.add (secondClipper);

    knobStages[0].add (sustain);
    knobStages[1].add (toneStage);
    knobStages[2].add (output);

    finishConstruction();
}

void BigMuff227Fuzz::routeKnob (int index, float value)
{
    if (index == 1)
        sustain.knob.store (value, std::memory_order_relaxed);
    else if (index == 2)
        toneStage.knob.store (value, std::memory_order_relaxed);
    else if (index == 3)
        output.knob.store (value, std::memory_order_relaxed);
}

void BigMuff227Fuzz::processChainStereo (float* left, float* right, int numSamples)
{
    sustain.processStereo (left, right, numSamples);
    firstClipper.processStereo (left, right, numSamples);
    secondClipper.processStereo (left, right, numSamples);
    toneStage.processStereo (left, right, numSamples);
    output.processStereo (left, right, numSamples);
}

void BigMuff227Fuzz::processChainMono (float* samples, int numSamples)
{
    sustain.processMono (samples, numSamples);
    firstClipper.processMono (samples, numSamples);
    secondClipper.processMono (samples, numSamples);
    toneStage.processMono (samples, numSamples);
    output.processMono (samples, numSamples);
}
