#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class OndrelQX2718AudioProcessor;

/** The host's view of one parameter index: value, default, name and text
    all come from the processor and its parameter table. It carries its ID so
    that the LV2 export names each parameter by it (an index-only parameter
    gets a URI from its index, and eight of them shared one URI). */
class ProcessorParameter : public juce::AudioProcessorParameterWithID
{
public:
    ProcessorParameter (OndrelQX2718AudioProcessor& owner, int index);

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;
    juce::String getName (int maximumStringLength) const override;
    juce::String getLabel() const override { return {}; }
    juce::String getText (float value, int maximumStringLength) const override;
    float getValueForText (const juce::String& text) const override;
    juce::String getParameterID() const override;
    bool isAutomatable() const override { return true; }

private:
    OndrelQX2718AudioProcessor& processor;
    const int parameterIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProcessorParameter)
};
