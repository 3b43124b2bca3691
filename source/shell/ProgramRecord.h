#pragma once

#include "shell/ParameterTable.h"

#include <array>
#include <atomic>

/** One of the twelve programs: two comparison channels (A = 0, B = 1), each
    with eight values and the preset file it came from.

    The values and the active channel are atomics: host automation writes them
    on the audio thread while the message thread saves state. The preset paths
    are message-thread only. */
struct ProgramRecord
{
    static constexpr int numChannels = 2;
    static constexpr const char* initialPresetPath = "Init.tqxp";

    ProgramRecord() { setDefaults(); }

    void setDefaults()
    {
        activeChannel.store (0, std::memory_order_relaxed);

        for (int c = 0; c < numChannels; ++c)
        {
            presetPath[c] = initialPresetPath;

            for (int k = 0; k < Parameters::count; ++k)
                values[c][(size_t) k].store (Parameters::defaultOf (k), std::memory_order_relaxed);
        }
    }

    float value (int channel, int index) const { return values[channel][(size_t) index].load (std::memory_order_relaxed); }
    void setValue (int channel, int index, float v) { values[channel][(size_t) index].store (v, std::memory_order_relaxed); }
    int channel() const { return activeChannel.load (std::memory_order_relaxed); }

    std::atomic<int> activeChannel { 0 };
    juce::String presetPath[numChannels];
    std::array<std::atomic<float>, Parameters::count> values[numChannels];
};
