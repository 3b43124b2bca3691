#pragma once

#include <juce_graphics/juce_graphics.h>

// The editor background: the enamelled enclosure with every printed legend.
namespace EnclosureArt
{
/** The legend printed beside the selector for each circuit, in the order of
    the fuzzType positions; each fits its clickable area. */
juce::StringArray circuitLegends();

void paintBackground (juce::Graphics& g);
} // namespace EnclosureArt
