#pragma once

#include "circuits/BigMuff227ClippingStage.h"
#include "circuits/BigMuff227OutputStage.h"
#include "circuits/BigMuff227SustainStage.h"
#include "circuits/BigMuff227ToneStage.h"
#include "circuits/CircuitModel.h"

/** "Trans Fuzz": band-shaping gain stage, two clippers in series, tone
    control and an inverting high-pass output stage. */
class BigMuff227Fuzz final : public CircuitModel
{
public:
    BigMuff227Fuzz();

    BigMuff227SustainStage sustain;
    BigMuff227ToneStage toneStage;
    BigMuff227ClippingStage firstClipper;
    BigMuff227ClippingStage secondClipper;
    BigMuff227OutputStage output;

protected:
    void routeKnob (int index, float value) override;
    void processChainStereo (float* left, float* right, int numSamples) override;
    void processChainMono (float* samples, int numSamples) override;
};
