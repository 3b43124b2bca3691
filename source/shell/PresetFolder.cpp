#include "shell/PresetFolder.h"

#include "shell/FactoryPresets.h"

namespace
{
    juce::File& documentsOverride()
    {
        static juce::File folder;
        return folder;
    }

    /** The components of a path with "." dropped and ".." applied; false when
        ".." would climb above the first component. */
    bool normaliseComponents (const juce::String& path, juce::StringArray& components)
    {
        juce::StringArray parts;
        parts.addTokens (path.replaceCharacter ('\\', '/'), "/", {});

        for (const auto& part : parts)
        {
            if (part.isEmpty() || part == ".")
                continue;

            if (part == "..")
            {
                if (components.isEmpty())
                    return false;

                components.remove (components.size() - 1);
                continue;
            }

            components.add (part);
        }

        return true;
    }

    bool looksAbsolute (const juce::String& path)
    {
        const auto first = path[0];
        return first == '/' || first == '\\' || first == '~' || (path.length() > 1 && path[1] == ':');
    }
}

juce::File PresetFolder::getDocumentsFolder()
{
    if (documentsOverride() != juce::File())
        return documentsOverride();

    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
}

juce::File PresetFolder::getRoot()
{
    return getDocumentsFolder().getChildFile ("Tevari").getChildFile ("Presets").getChildFile ("OndrelQX2718");
}

bool PresetFolder::contains (const juce::File& file)
{
    juce::StringArray components;

    if (! normaliseComponents (file.getFullPathName(), components) || components.isEmpty())
        return false;

    const juce::File normalised (juce::File::getSeparatorString() + components.joinIntoString (juce::File::getSeparatorString()));
    return normalised.isAChildOf (getRoot());
}

juce::File PresetFolder::resolve (const juce::String& presetPath)
{
    if (presetPath.isEmpty() || looksAbsolute (presetPath))
        return {};

    juce::StringArray components;

    if (! normaliseComponents (presetPath, components) || components.isEmpty())
        return {};

    auto file = getRoot();

    for (const auto& component : components)
        file = file.getChildFile (component);

    return file;
}

juce::String PresetFolder::relativePathOf (const juce::File& file)
{
    return contains (file) ? file.getRelativePathFrom (getRoot()) : juce::String();
}

juce::String PresetFolder::displayNameOf (const juce::String& presetPath)
{
    const auto fileName = presetPath.replaceCharacter ('\\', '/').fromLastOccurrenceOf ("/", false, false);
    const int dot = fileName.lastIndexOfChar ('.');
    return dot > 0 ? fileName.substring (0, dot) : fileName;
}

bool PresetFolder::installFactoryPresetsIfMissing()
{
    const auto root = getRoot();

    if (root.exists())
        return false;

    const auto factory = root.getChildFile (factoryFolderName);

    if (! factory.createDirectory())
        return false;

    for (const auto& preset : FactoryPresets::all())
        StateDocument::writePresetFile (*FactoryPresets::createDocument (preset), factory.getChildFile (juce::String (preset.name) + fileExtension));

    return true;
}

void PresetFolder::setDocumentsFolderForTesting (const juce::File& folder)
{
    documentsOverride() = folder;
}
