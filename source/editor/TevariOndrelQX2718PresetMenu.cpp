#include "editor/TevariOndrelQX2718PresetMenu.h"

#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"
#include "shell/StateDocument.h"

TevariOndrelQX2718PresetMenu::TevariOndrelQX2718PresetMenu (const juce::String& name)
    : TevariOptionMenuTree (name)
{
}

juce::File TevariOndrelQX2718PresetMenu::fileOf (const juce::String& relativePath) const
{
    return PresetFolder::resolve (relativePath);
}

juce::String TevariOndrelQX2718PresetMenu::relativePathOf (const juce::File& file) const
{
    return PresetFolder::relativePathOf (file);
}

void TevariOndrelQX2718PresetMenu::setCurrentPreset (const juce::String& relativePath)
{
    TevariOptionMenuTree::setCurrentPreset (relativePath);

    if (getCurrentItemId() == 0)
    {
        setText (PresetFolder::displayNameOf (relativePath) + "*", juce::dontSendNotification);
        modified = true;
    }
    else
    {
        modified = false;
    }
}

void TevariOndrelQX2718PresetMenu::selectItem (int itemId)
{
    if (itemId < 1 || itemId > getNumListed())
        return;

    TevariOptionMenuTree::selectItem (itemId);
    modified = false;
}

void TevariOndrelQX2718PresetMenu::chooseItem (int itemId)
{
    if (itemId < 1 || itemId > getNumListed())
        return;

    TevariOptionMenuTree::chooseItem (itemId);
    modified = false;
}

void TevariOndrelQX2718PresetMenu::markModified()
{
    if (modified)
        return;

    setText (getText() + "*", juce::dontSendNotification);
    modified = true;
}

void TevariOndrelQX2718PresetMenu::checkModified (OndrelQX2718AudioProcessor* processor)
{
    if (processor == nullptr)
        return;

    if (auto document = StateDocument::readPresetFile (fileOf (getCurrentPreset())))
        if (processor->presetDiffersFromCurrent (std::move (document)))
            markModified();
}

int TevariOndrelQX2718PresetMenu::loadPreset (OndrelQX2718AudioProcessor* processor, const juce::String& presetPath)
{
    const auto file = fileOf (presetPath);

    if (processor == nullptr || ! file.existsAsFile())
        return 0;

    return processor->applyPresetDocument (StateDocument::readPresetFile (file));
}

bool TevariOndrelQX2718PresetMenu::savePreset (OndrelQX2718AudioProcessor* processor, const juce::File& file)
{
    if (processor == nullptr || ! PresetFolder::contains (file))
        return false;

    const auto document = processor->createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset);

    if (document == nullptr)
        return false;

    file.getParentDirectory().createDirectory();
    const bool written = document->writeTo (file);
    setCurrentPreset (relativePathOf (file));
    return written;
}
