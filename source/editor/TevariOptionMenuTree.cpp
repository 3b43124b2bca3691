#include "editor/TevariOptionMenuTree.h"

namespace
{
    juce::Array<juce::File> childrenInNameOrder (const juce::File& folder, int kind, const juce::String& wildcard)
    {
        auto children = folder.findChildFiles (kind | juce::File::ignoreHiddenFiles, false, wildcard);
        std::sort (children.begin(), children.end(), [] (const juce::File& a, const juce::File& b)
                   { return a.getFileName().compareNatural (b.getFileName()) < 0; });
        return children;
    }
}

TevariOptionMenuTree::TevariOptionMenuTree (const juce::String& name)
    : juce::Label (name, {})
{
    setJustificationType (juce::Justification::centred);
    setColour (juce::Label::textColourId, juce::Colours::white);
    setEditable (false, false, false);
    setWantsKeyboardFocus (false);
    rootFolder = juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
}

void TevariOptionMenuTree::setRootFolder (const juce::File& folder)
{
    rootFolder = folder;
}

juce::File TevariOptionMenuTree::fileOf (const juce::String& relativePath) const
{
    const auto normalised = relativePath.replaceCharacter ('\\', '/');

    if (normalised.isEmpty() || juce::File::isAbsolutePath (normalised))
        return {};

    const auto file = rootFolder.getChildFile (normalised);
    return file.isAChildOf (rootFolder) ? file : juce::File();
}

juce::String TevariOptionMenuTree::relativePathOf (const juce::File& file) const
{
    return file.getRelativePathFrom (rootFolder);
}

juce::String TevariOptionMenuTree::relativePathOfItem (int itemId) const
{
    return relativePathOf (juce::File (presetPaths[itemId - 1]));
}

juce::String TevariOptionMenuTree::getListedPath (int index) const { return presetPaths[index]; }

juce::String TevariOptionMenuTree::getListedName (int index) const { return presetNames[index]; }

bool TevariOptionMenuTree::rebuild()
{
    const auto target = fileOf (currentPreset);
    bool found = false;

    presetPaths.clear();
    presetNames.clear();
    nextItemId = 1;
    currentItemId = 0;
    rootMenu = buildFolder (rootFolder, target, 0, found);
    return found;
}

juce::PopupMenu TevariOptionMenuTree::buildFolder (const juce::File& folder, const juce::File& target, int depth, bool& found)
{
    juce::PopupMenu menu;

    if (includeSubfolders && depth < maximumDepth)
        for (const auto& subfolder : childrenInNameOrder (folder, juce::File::findDirectories, "*"))
            menu.addSubMenu (subfolder.getFileName(), buildFolder (subfolder, target, depth + 1, found));

    for (const auto& file : childrenInNameOrder (folder, juce::File::findFiles, filePattern))
        listFile (menu, file, target, found);

    return menu;
}

void TevariOptionMenuTree::listFile (juce::PopupMenu& menu, const juce::File& file, const juce::File& target, bool& found)
{
    const bool ticked = target != juce::File() && file == target;

    if (ticked)
    {
        found = true;
        currentItemId = nextItemId;
    }

    menu.addItem (nextItemId, file.getFileName(), true, ticked);
    presetPaths.add (file.getFullPathName());
    presetNames.add (file.getFileNameWithoutExtension());
    ++nextItemId;
}

void TevariOptionMenuTree::setCurrentPreset (const juce::String& relativePath)
{
    currentPreset = relativePath.replaceCharacter ('\\', '/');

    if (rebuild())
        setText (presetNames[currentItemId - 1], juce::dontSendNotification);
    else
        setText (juce::File::createFileWithoutCheckingPath ("/" + currentPreset).getFileNameWithoutExtension(),
                 juce::dontSendNotification);
}

void TevariOptionMenuTree::selectItem (int itemId)
{
    if (itemId < 1 || itemId > presetPaths.size())
        return;

    currentItemId = itemId;
    currentPreset = relativePathOfItem (itemId);
    setText (presetNames[itemId - 1], juce::dontSendNotification);
}

void TevariOptionMenuTree::selectNext()
{
    const int count = presetPaths.size();
    selectItem (currentItemId < count ? currentItemId + 1 : 1);
}

void TevariOptionMenuTree::selectPrevious()
{
    const int count = presetPaths.size();
    selectItem (currentItemId > 1 ? currentItemId - 1 : count);
}

void TevariOptionMenuTree::mouseDown (const juce::MouseEvent&)
{
    rebuild();

    juce::Component::SafePointer<TevariOptionMenuTree> safeThis (this);
    rootMenu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this),
                            [safeThis] (int itemId)
                            {
                                if (safeThis != nullptr)
                                    safeThis->chooseItem (itemId);
                            });
}

void TevariOptionMenuTree::chooseItem (int itemId)
{
    if (itemId < 1 || itemId > presetPaths.size())
        return;

    currentItemId = itemId;
    currentPreset = relativePathOfItem (itemId);
    const auto name = presetNames[itemId - 1];

    if (currentPreset != lastChosen)
    {
        // A new file: the listeners load it, then the label shows its name.
        callChangeListeners();
        lastChosen = currentPreset;
        setText (name, juce::dontSendNotification);
    }
    else
    {
        // The same file again: the listeners reload it only when the label
        // carried the modified mark, i.e. when the text really changes.
        setText (name, juce::sendNotificationSync);
    }
}
