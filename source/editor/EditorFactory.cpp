#include "shell/EditorFactory.h"

#include "shell/OndrelQX2718AudioProcessor.h"

juce::AudioProcessorEditor* createOndrelEditor (OndrelQX2718AudioProcessor& processor)
{
    return new juce::GenericAudioProcessorEditor (processor);
}
