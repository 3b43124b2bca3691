#include "shell/ParameterTable.h"

#include <cmath>
#include <cstdio>

namespace Parameters
{
namespace
{
    const char* const circuitNames[numCircuits] = { "Big Fuzz", "Sustainer Fuzz", "Trans Fuzz", "Vintage Fuzz", "Zepp Fuzz" };
    const char* const oversamplingNames[numOversamplingChoices] = { "1x Oversampling", "2x Oversampling", "4x Oversampling", "8x Oversampling" };

    juce::String twoDecimals (float value)
    {
        char text[64];
        std::snprintf (text, sizeof (text), "%.2f", (double) value);
        return text;
    }

    int ceilingOfProduct (float factor, float value) noexcept
    {
        // The product is rounded to single precision before the ceiling, so
        // 3 x 0.33333334f is exactly 1 and selects index 1.
        const float product = factor * sanitise (value);
        return (int) std::ceil (product);
    }
}

const char* idOf (int index) noexcept { return isValidIndex (index) ? table[(size_t) index].id : ""; }

float defaultOf (int index) noexcept { return isValidIndex (index) ? table[(size_t) index].defaultValue : 0.0f; }

int indexOf (const juce::String& id) noexcept
{
    for (int i = 0; i < count; ++i)
        if (id == table[(size_t) i].id)
            return i;

    return -1;
}

float sanitise (float value) noexcept
{
    if (std::isnan (value))
        return 0.0f;

    return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
}

int circuitIndexOf (float fuzzTypeValue) noexcept { return ceilingOfProduct (4.0f, fuzzTypeValue); }

int oversamplingIndexOf (float oversamplingValue) noexcept { return ceilingOfProduct (3.0f, oversamplingValue); }

const char* circuitName (int circuitIndex) noexcept
{
    return circuitIndex >= 0 && circuitIndex < numCircuits ? circuitNames[circuitIndex] : "";
}

const char* oversamplingName (int oversamplingIndex) noexcept
{
    return oversamplingIndex >= 0 && oversamplingIndex < numOversamplingChoices ? oversamplingNames[oversamplingIndex] : "";
}

juce::String textOf (int index, float value)
{
    switch (index)
    {
        case onBypass:     return value == 0.0f ? "Off" : "On";
        case inputVol:
        case fuzz:
        case tone:
        case level:        return twoDecimals (value * 10.0f);
        case dryWet:       return twoDecimals ((1.0f - value) * 100.0f) + "% Dry / " + twoDecimals (value * 100.0f) + "% Wet";
        case fuzzType:     return circuitName (circuitIndexOf (value));
        case oversampling: return oversamplingName (oversamplingIndexOf (value));
        default:           return {};
    }
}

float valueOfText (int index, const juce::String& text)
{
    const auto trimmed = text.trim();

    switch (index)
    {
        case onBypass:
            return trimmed.equalsIgnoreCase ("Off") || trimmed == "0" ? 0.0f : 1.0f;

        case inputVol:
        case fuzz:
        case tone:
        case level:
            return sanitise (trimmed.getFloatValue() / 10.0f);

        case dryWet:
            // "x% Dry / y% Wet" reads back through its wet figure; a bare number is the wet percentage.
            if (trimmed.containsIgnoreCase ("Dry /"))
                return sanitise (trimmed.fromFirstOccurrenceOf ("/", false, false).getFloatValue() / 100.0f);
            return sanitise (trimmed.getFloatValue() / 100.0f);

        case fuzzType:
            for (int c = 0; c < numCircuits; ++c)
                if (trimmed.equalsIgnoreCase (circuitNames[c]))
                    return (float) c * 0.25f;
            return sanitise (trimmed.getFloatValue());

        case oversampling:
            for (int o = 0; o < numOversamplingChoices; ++o)
                if (trimmed.equalsIgnoreCase (oversamplingNames[o]) || trimmed.equalsIgnoreCase (juce::String (1 << o) + "x"))
                    return (float) o / 3.0f;
            return sanitise (trimmed.getFloatValue());

        default:
            return 0.0f;
    }
}
}
