#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A label that shows one entry of a folder tree and opens, on a click, a
    popup menu mirroring the tree: each subfolder a submenu (listed first),
    each matching file an item, the current one ticked.

    Item ids count the files from 1 in the order the menu is built, so the
    files of subfolders come before those of their parent. Folders and files
    are listed in natural name order, hidden ones left out. The tree is
    re-read on every click and every setCurrentPreset; stepping uses the list
    of the last reading. Message thread. */
class TevariOptionMenuTree : public juce::Label
{
public:
    explicit TevariOptionMenuTree (const juce::String& name);

    virtual void setRootFolder (const juce::File& folder);

    /** Makes a path relative to the root current (backslashes count as
        separators) and shows its name; see the subclass for the marking. */
    virtual void setCurrentPreset (const juce::String& relativePath);

    /** Makes item id current and shows its name; ignored outside 1 ... number listed. */
    virtual void selectItem (int itemId);

    virtual void setIncludeSubfolders (bool shouldInclude) { includeSubfolders = shouldInclude; }
    virtual void setFilePattern (const juce::String& wildcard) { filePattern = wildcard.isEmpty() ? "*" : wildcard; }
    virtual juce::String getCurrentPreset() const { return currentPreset; }
    virtual int getCurrentItemId() const { return currentItemId; }

    /** Full path or name (without extension) of list entry index (from 0); "" out of range. */
    virtual juce::String getListedPath (int index) const;
    virtual juce::String getListedName (int index) const;
    virtual int getNextItemId() const { return nextItemId; }

    /** Step through the list of the last reading, wrapping around at both ends. */
    virtual void selectNext();
    virtual void selectPrevious();

    int getNumListed() const { return presetPaths.size(); }
    juce::File getRootFolder() const { return rootFolder; }

    /** The root folder's menu as the last reading built it. */
    const juce::PopupMenu& getRootMenu() const { return rootMenu; }

    /** Re-reads the tree and pops up the menu; the choice arrives in chooseItem. */
    void mouseDown (const juce::MouseEvent& e) override;

    /** What picking item id from the popup menu does (0: dismissed, nothing). */
    virtual void chooseItem (int itemId);

    /** Re-reads the tree; true when the current preset was found in it. */
    bool rebuild();

protected:
    /** The file a path relative to the root names, or an empty file to refuse it. */
    virtual juce::File fileOf (const juce::String& relativePath) const;

    /** The path of a listed file relative to the root. */
    virtual juce::String relativePathOf (const juce::File& file) const;

    juce::String relativePathOfItem (int itemId) const;

private:
    juce::PopupMenu buildFolder (const juce::File& folder, const juce::File& target, int depth, bool& found);
    void listFile (juce::PopupMenu& menu, const juce::File& file, const juce::File& target, bool& found);

    static constexpr int maximumDepth = 16;  // guards against folder links that loop

    juce::PopupMenu rootMenu;
    int nextItemId = 1;
    juce::StringArray presetPaths;
    juce::StringArray presetNames;
    juce::File rootFolder;
    juce::String lastChosen;
    juce::String currentPreset;
    int currentItemId = 0;
    juce::String filePattern { "*" };
    bool includeSubfolders = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOptionMenuTree)
};
