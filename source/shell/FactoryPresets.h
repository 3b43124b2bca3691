#pragma once

#include "shell/StateDocument.h"

#include <vector>

/** The presets a new user finds in the "Factory" folder: two voicings per
    circuit, named for the sound. */
class FactoryPresets
{
public:
    struct Preset
    {
        const char* name;
        int circuit;           // 0 ... 4, as the fuzzType selector counts them
        float inputVol, fuzz, tone, level, dryWet;
        int oversamplingIndex; // 0 ... 3 for 1x ... 8x
    };

    static const std::vector<Preset>& all();

    /** The preset document (the same form a user's save writes). */
    static std::unique_ptr<juce::XmlElement> createDocument (const Preset& preset);

    /** The eight parameter values the preset stands for. */
    static StateDocument::Values valuesOf (const Preset& preset);
};
