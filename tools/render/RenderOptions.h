#pragma once

#include <juce_core/juce_core.h>

#include <vector>

/** Command-line options of the offline renderer. */
struct RenderOptions
{
    juce::File input;                 // none: render the built-in riff through every circuit
    juce::File output;                // file for a single render
    juce::File outputFolder;          // folder for the demo renders
    double sampleRate = 48000.0;      // used for the riff; an input file keeps its own rate
    int blockSize = 512;
    std::vector<std::pair<int, float>> settings;  // parameter index, normalised value
    bool showHelp = false;
    juce::String error;

    /** Parses argv; on a mistake `error` says what is wrong. */
    static RenderOptions parse (const juce::StringArray& arguments);

    static juce::String usage();
};
