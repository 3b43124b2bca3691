#pragma once

#include "dsp/ModuleModel.h"

#include <juce_events/juce_events.h>

/** Stand-in circuit model that leaves audio untouched; it keeps the five
    model parameters so the processor's protocol can be exercised. */
class PassThroughModel : public ModuleModel, private juce::Timer
{
public:
    PassThroughModel()
    {
        allocateParameters (5);
        for (int i = 0; i < 5; ++i)
            setParameter (i, getDefaultParameterValue (i));
    }

    void setParameter (int index, float value) override { storeParameter (index, value); }
    void applyParameter (int) override {}
    float getDefaultParameterValue (int index) const override { return index == 0 ? 1.0f : (index <= 3 ? 0.5f : 0.0f); }

    const char* getParameterName (int index) const override
    {
        static const char* const names[] = { "Bypass", "Fuzz", "Tone", "Level", "NumOverSampling" };
        return index >= 0 && index < 5 ? names[index] : "";
    }

    void restart() override {}

private:
    void timerCallback() override { stopTimer(); }
};
