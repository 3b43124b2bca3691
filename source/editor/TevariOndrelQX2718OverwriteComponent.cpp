#include "editor/TevariOndrelQX2718OverwriteComponent.h"

#include "editor/TevariOndrelQX2718PresetMenu.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"

TevariOndrelQX2718OverwriteComponent::TevariOndrelQX2718OverwriteComponent (const juce::String& name,
                                                                            OndrelQX2718AudioProcessor& p,
                                                                            TevariOndrelQX2718PresetMenu& menu)
    : TevariAlertComponent (name),
      processor (p),
      presetMenu (menu)
{
}

juce::String TevariOndrelQX2718OverwriteComponent::questionFor (const juce::File& file)
{
    return "Are you sure you want to overwrite this preset?\n\n\"" + PresetFolder::relativePathOf (file) + "\"";
}

void TevariOndrelQX2718OverwriteComponent::overwrite()
{
    if (PresetFolder::contains (fileToWrite))
    {
        presetMenu.savePreset (&processor, fileToWrite);
        processor.setPresetPath (presetMenu.getCurrentPreset());
    }

    processor.updateHostDisplay();
}

void TevariOndrelQX2718OverwriteComponent::okPressed()
{
    overwrite();
    hide();
}
