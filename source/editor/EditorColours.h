#pragma once

#include <juce_graphics/juce_graphics.h>

/** Text colours of the editor and its dialogs. */
namespace EditorColours
{
    /** Labels on the dark dialog panels. */
    inline const juce::Colour lightGrey { (juce::uint8) 211, (juce::uint8) 211, (juce::uint8) 211, (juce::uint8) 255 };
}
