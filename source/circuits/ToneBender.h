#pragma once

#include "circuits/CircuitModel.h"
#include "circuits/ToneBenderDiodeStage.h"
#include "circuits/ToneBenderGainStage.h"
#include "circuits/ToneBenderToneVolumeStage.h"

/** "Zepp Fuzz": gain stage, memoryless oversampled clipper and a tone/volume
    network with a 1.2 output scale. */
class ToneBender final : public CircuitModel
{
public:
    ToneBender();

    ToneBenderGainStage gain;
    ToneBenderToneVolumeStage toneVolume;
    ToneBenderDiodeStage diode;

protected:
    void routeKnob (int index, float value) override;
    void processChainStereo (float* left, float* right, int numSamples) override;
    void processChainMono (float* samples, int numSamples) override;
};
