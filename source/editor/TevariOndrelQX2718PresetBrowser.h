#pragma once

#include "editor/TevariFileBrowser.h"

class OndrelQX2718AudioProcessor;
class TevariOndrelQX2718PresetMenu;
class TevariOndrelQX2718OverwriteComponent2;

/** "Save Preset As...": the save browser on the preset folder. Saving and
    new folders are allowed only inside the preset folder; a name without the
    preset extension gets it; an existing file is overwritten only after a
    question. */
class TevariOndrelQX2718PresetBrowser : public TevariFileBrowser
{
public:
    TevariOndrelQX2718PresetBrowser (const juce::String& name, const juce::String& title, const juce::File& rootFolder,
                                     const juce::String& filePattern, OndrelQX2718AudioProcessor& processor,
                                     TevariOndrelQX2718PresetMenu& presetMenu);
    ~TevariOndrelQX2718PresetBrowser() override;

    void okPressed() override;
    void cancelPressed() override;

    TevariOndrelQX2718OverwriteComponent2& getOverwriteComponent() { return *overwriteComponent_; }

    /** The file SAVE writes for the browser's current folder and typed name. */
    juce::File getFileToSave() const;

protected:
    void updateButtons() override;
    bool isAcceptableFolder (const juce::File& folder) const override;

private:
    static bool isInPresetTree (const juce::File& folder);

    TevariOndrelQX2718PresetMenu& presetMenu;
    OndrelQX2718AudioProcessor& processor;
    std::unique_ptr<TevariOndrelQX2718OverwriteComponent2> overwriteComponent_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOndrelQX2718PresetBrowser)
};
