#include "circuits/BigMuffVolumeStage.h"

#include "dsp/RateClass.h"

void BigMuffVolumeStage::setSampleRate (float rate)
{
    FxModuleBase::setSampleRate (rate);
    rampLength = RateClass::rampLength (rate);
    rampCounter = rampLength;
}

void BigMuffVolumeStage::initialise()
{
    rampCounter = 0;
    rampIncrement = 0.0f;
    currentGain = 0.0f;
    lastTarget = 0.0f;
}

void BigMuffVolumeStage::beginBlock() noexcept
{
    const float target = targetGain.load (std::memory_order_relaxed);

    if (target != lastTarget && rampLength > 0)
    {
        rampCounter = 0;
        rampIncrement = (target - currentGain) / (float) rampLength;
        lastTarget = target;
    }
}

float BigMuffVolumeStage::nextGain() noexcept
{
    // The gain is left at the sum of the increments, not snapped to the target.
    if (rampCounter < rampLength)
    {
        ++rampCounter;
        currentGain += rampIncrement;
    }

    return currentGain;
}

void BigMuffVolumeStage::processStereo (float* left, float* right, int numSamples)
{
    beginBlock();

    for (int i = 0; i < numSamples; ++i)
    {
        const float gain = nextGain();
        left[i] *= gain;
        right[i] *= gain;
    }
}

void BigMuffVolumeStage::processMono (float* samples, int numSamples)
{
    beginBlock();

    for (int i = 0; i < numSamples; ++i)
        samples[i] *= nextGain();
}
