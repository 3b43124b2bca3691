#pragma once

#include "editor/TevariOptionMenuTree.h"

class OndrelQX2718AudioProcessor;

/** The preset label at the top of the editor: the preset folder as a menu,
    the current preset's name, and a trailing "*" while the sound no longer
    matches the stored file (or the name is not a listed file).

    Every stored path is turned into a file through PresetFolder::resolve, so
    a path from a project or a preset document never reaches outside the
    preset folder. Message thread. */
class TevariOndrelQX2718PresetMenu : public TevariOptionMenuTree
{
public:
    explicit TevariOndrelQX2718PresetMenu (const juce::String& name);

    /** Shows the name; a path that is not a listed file shows as its name + "*". */
    void setCurrentPreset (const juce::String& relativePath) override;
    void selectItem (int itemId) override;
    void chooseItem (int itemId) override;

    /** Appends "*" once. */
    virtual void markModified();

    /** Marks the label when the current preset's file differs from the processor's settings. */
    virtual void checkModified (OndrelQX2718AudioProcessor* processor);

    /** Applies the preset file of a stored path; the processor's status
        (0 not a preset or no file, 1 applied, 2 another product's, 4 from a newer version). */
    virtual int loadPreset (OndrelQX2718AudioProcessor* processor, const juce::String& presetPath);

    /** Writes the processor's preset document to a file inside the preset
        folder and makes it current; false (and nothing written) for a file outside. */
    virtual bool savePreset (OndrelQX2718AudioProcessor* processor, const juce::File& file);

    virtual void setModified (bool isModified) { modified = isModified; }
    bool isModified() const { return modified; }

protected:
    juce::File fileOf (const juce::String& relativePath) const override;
    juce::String relativePathOf (const juce::File& file) const override;

private:
    bool modified = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOndrelQX2718PresetMenu)
};
