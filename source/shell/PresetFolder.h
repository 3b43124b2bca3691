#pragma once

#include <juce_core/juce_core.h>

/** The folder tree that holds the user's preset files, and the rules for
    turning a stored preset path into a file.

    A preset path is a label read back from projects and preset documents, so
    it is untrusted: every file operation on one goes through resolve(), which
    refuses anything that would land outside the preset folder.

    Message thread only. */
class PresetFolder
{
public:
    static constexpr const char* fileExtension = ".tqxp";
    static constexpr const char* filePattern = "*.tqxp";
    static constexpr const char* factoryFolderName = "Factory";

    /** The user's documents folder (the XDG documents folder on Linux), or
        the folder set with setDocumentsFolderForTesting. */
    static juce::File getDocumentsFolder();

    /** Documents folder + Tevari/Presets/OndrelQX2718. */
    static juce::File getRoot();

    /** True when file lies strictly inside the preset folder (after "." and
        ".." are resolved): a sibling folder whose name merely starts with the
        same text does not count. */
    static bool contains (const juce::File& file);

    /** The file a stored preset path names, or an empty juce::File when the
        path is empty, absolute, or escapes the preset folder. Backslashes
        (paths stored on Windows) count as separators. */
    static juce::File resolve (const juce::String& presetPath);

    /** The path of a file inside the preset folder relative to it, with the
        platform's separator; "" for a file outside. */
    static juce::String relativePathOf (const juce::File& file);

    /** The file name without folders and extension: the program name of a
        stored preset path ("Init" for "Init.tqxp"). */
    static juce::String displayNameOf (const juce::String& presetPath);

    /** Creates the preset folder with the factory presets inside a "Factory"
        sub-folder, but only when the preset folder does not exist yet: a
        folder the user already has is never written to. Returns true when
        the folder was created. */
    static bool installFactoryPresetsIfMissing();

    /** Redirects the documents folder (tests); an empty file restores the
        real one. */
    static void setDocumentsFolderForTesting (const juce::File& folder);
};
