#pragma once

#include "circuits/CircuitModel.h"
#include "circuits/PFCreamStage.h"
#include "circuits/PFDiodeStage.h"
#include "circuits/PFInputStage.h"
#include "circuits/PFPostGainStage.h"
#include "circuits/PFToneStage.h"

/** "Sustainer Fuzz": input coupling, gain stage, inverting band-pass,
    oversampled clipper, tone/volume stack and a fixed 0.65 output gain. */
class PF final : public CircuitModel
{
public:
    static constexpr float outputGain = 0.65f;

    PF();

    /** The five stages and the output gain in place. Audio thread. */
    void processChainStereo (float* left, float* right, int numSamples) override;

    /** One-channel form of processChainStereo. Audio thread. */
    void processChainMono (float* samples, int numSamples) override;

    PFInputStage input;
    PFCreamStage cream;
    PFPostGainStage postGain;
    PFDiodeStage diode;
    PFToneStage toneStage;

protected:
    void routeKnob (int index, float value) override;
    const char* getLevelName() const override { return "Volume"; }
};
