#include "shell/EditorFactory.h"

#include "editor/OndrelQX2718AudioProcessorEditor.h"
#include "shell/OndrelQX2718AudioProcessor.h"

juce::AudioProcessorEditor* createOndrelEditor (OndrelQX2718AudioProcessor& processor)
{
    return new OndrelQX2718AudioProcessorEditor (processor);
}
