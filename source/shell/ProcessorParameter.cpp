#include "shell/ProcessorParameter.h"

#include "shell/OndrelQX2718AudioProcessor.h"

ProcessorParameter::ProcessorParameter (OndrelQX2718AudioProcessor& owner, int index)
    : juce::AudioProcessorParameterWithID (juce::ParameterID { Parameters::idOf (index), 1 }, Parameters::idOf (index)),
      processor (owner), parameterIndex (index)
{
}

float ProcessorParameter::getValue() const { return processor.getParameter (parameterIndex); }

void ProcessorParameter::setValue (float newValue) { processor.setParameter (parameterIndex, newValue); }

float ProcessorParameter::getDefaultValue() const { return Parameters::defaultOf (parameterIndex); }

juce::String ProcessorParameter::getName (int maximumStringLength) const
{
    return juce::String (Parameters::idOf (parameterIndex)).substring (0, maximumStringLength);
}

juce::String ProcessorParameter::getText (float value, int maximumStringLength) const
{
    return Parameters::textOf (parameterIndex, Parameters::sanitise (value)).substring (0, maximumStringLength);
}

float ProcessorParameter::getValueForText (const juce::String& text) const
{
    return Parameters::valueOfText (parameterIndex, text);
}

juce::String ProcessorParameter::getParameterID() const { return Parameters::idOf (parameterIndex); }
