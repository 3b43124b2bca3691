#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** Synthesises a short plucked-string riff (a Karplus-Strong string per
    note) at guitar pickup level, so the renderer has something to play
    when no input file is given. */
class PluckedRiff
{
public:
    /** A mono riff of about four seconds at the given rate. */
    static juce::AudioBuffer<float> render (double sampleRate);
};
