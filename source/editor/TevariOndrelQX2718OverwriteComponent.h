#pragma once

#include "editor/TevariAlertComponent.h"

class OndrelQX2718AudioProcessor;
class TevariOndrelQX2718PresetMenu;

/** "Are you sure you want to overwrite this preset?": OK writes the
    processor's preset to the stored file and makes it the current preset. */
class TevariOndrelQX2718OverwriteComponent : public TevariAlertComponent
{
public:
    TevariOndrelQX2718OverwriteComponent (const juce::String& name, OndrelQX2718AudioProcessor& processor,
                                          TevariOndrelQX2718PresetMenu& presetMenu);

    virtual void setFile (const juce::File& file) { fileToWrite = file; }
    juce::File getFile() const { return fileToWrite; }

    void okPressed() override;

    /** "Are you sure ..." with the path below the preset folder in quotes. */
    static juce::String questionFor (const juce::File& file);

protected:
    /** Saves, stores the saved path in the processor and tells the host. */
    void overwrite();

private:
    juce::File fileToWrite;
    OndrelQX2718AudioProcessor& processor;
    TevariOndrelQX2718PresetMenu& presetMenu;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOndrelQX2718OverwriteComponent)
};
