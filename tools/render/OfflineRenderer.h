#pragma once

#include "RenderOptions.h"

#include <juce_audio_basics/juce_audio_basics.h>

/** Runs the plug-in's processor over a whole buffer, block by block, as a
    host would, and reports progress on long renders. */
class OfflineRenderer
{
public:
    OfflineRenderer (double sampleRate, int blockSize, std::vector<std::pair<int, float>> settings);

    /** Processes audio (1 or 2 channels) in place. Prints a progress bar to
        stderr when showProgress is set. */
    void process (juce::AudioBuffer<float>& audio, bool showProgress) const;

private:
    double rate;
    int block;
    std::vector<std::pair<int, float>> parameterSettings;
};
