#pragma once

#include <array>
#include <juce_core/juce_core.h>

/** The eight host parameters: one table that the processor, the state
    document, presets and the editor all read. */
namespace Parameters
{
    enum Index
    {
        onBypass = 0,
        inputVol,
        fuzzType,
        fuzz,
        tone,
        level,
        dryWet,
        oversampling,
        count
    };

    struct Info
    {
        const char* id;
        float defaultValue;
    };

    inline constexpr std::array<Info, count> table { {
        { "onBypass", 1.0f },
        { "inputVol", 0.5f },
        { "fuzzType", 0.0f },
        { "fuzz", 0.5f },
        { "tone", 0.5f },
        { "level", 0.5f },
        { "dryWet", 1.0f },
        { "oversampling", 0.0f },
    } };

    inline constexpr int numCircuits = 5;
    inline constexpr int numOversamplingChoices = 4;

    inline bool isValidIndex (int index) noexcept { return index >= 0 && index < count; }

    /** The parameter ID, or "" outside 0 ... 7. */
    const char* idOf (int index) noexcept;

    /** The default value, or 0 outside 0 ... 7. */
    float defaultOf (int index) noexcept;

    /** The index whose ID equals id exactly, or -1. */
    int indexOf (const juce::String& id) noexcept;

    /** Values enter the processor through here: clamped to 0 ... 1, NaN gives 0. */
    float sanitise (float value) noexcept;

    /** Circuit index: ceiling of 4 x value, the product rounded to single precision. */
    int circuitIndexOf (float fuzzTypeValue) noexcept;

    /** Oversampling index: ceiling of 3 x value, the product rounded to single precision. */
    int oversamplingIndexOf (float oversamplingValue) noexcept;

    /** "Big Fuzz" ... "Zepp Fuzz" for circuit indices 0 ... 4. */
    const char* circuitName (int circuitIndex) noexcept;

    /** "1x Oversampling" ... "8x Oversampling" for indices 0 ... 3. */
    const char* oversamplingName (int oversamplingIndex) noexcept;

    /** The host text of a parameter at a value; "" outside 0 ... 7. */
    juce::String textOf (int index, float value);

    /** Reads a host text back into a value (the inverse of textOf where it can be). */
    float valueOfText (int index, const juce::String& text);
}
