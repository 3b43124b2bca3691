#pragma once

#include "circuits/CircuitModel.h"
#include "circuits/IFZ5FirstDiode.h"
#include "circuits/IFZ5FirstStage.h"
#include "circuits/IFZ5GainStage.h"
#include "circuits/IFZ5SecondStage.h"
#include "circuits/IFZ5ToneStage.h"

/** "Vintage Fuzz": input stage, gain stage, clipper, inverting band-pass,
    second clipper, tone/level network and a fixed 1.42 output gain. */
class IFZ5 final : public CircuitModel
{
public:
    static constexpr float outputGain = 1.42f;

    IFZ5();

    /** The six stages and the output gain in place. Audio thread. */
    void processChainStereo (float* left, float* right, int numSamples) override;

    /** One-channel form of processChainStereo. Audio thread. */
    void processChainMono (float* samples, int numSamples) override;

    IFZ5FirstStage first;
    IFZ5GainStage gain;
    IFZ5FirstDiode firstClipper;
    IFZ5SecondStage second;
    IFZ5FirstDiode secondClipper;
    IFZ5ToneStage toneStage;

protected:
    void routeKnob (int index, float value) override;
};
