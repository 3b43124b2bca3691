#pragma once

#include "circuits/BigMuffDiodeStageOS.h"
#include "circuits/BigMuffSustainStage.h"
#include "circuits/BigMuffToneStage.h"
#include "circuits/BigMuffVolumeStage.h"
#include "circuits/CircuitModel.h"

/** "Big Fuzz": sustain filter, oversampled diode clipper, tone stack and a
    ramped, inverting output level. */
class BigMuffFuzz final : public CircuitModel
{
public:
    BigMuffFuzz();

    BigMuffSustainStage sustain;
    BigMuffDiodeStageOS diode;
    BigMuffToneStage toneStage;
    BigMuffVolumeStage volume;

protected:
    void routeKnob (int index, float value) override;
    void processChainStereo (float* left, float* right, int numSamples) override;
    void processChainMono (float* samples, int numSamples) override;
};
