#pragma once

#include <juce_graphics/juce_graphics.h>

// The overlay panels: about panel, dialog backgrounds, title and icon
// overlays and the dialog buttons. Each paints into (0, 0, w, h).
namespace DialogArt
{
void paintAboutPanel (juce::Graphics& g, int w, int h);
void paintMessagePanel (juce::Graphics& g, int w, int h);
void paintBrowserPanel (juce::Graphics& g, int w, int h);

/** Transparent apart from the title word(s) near the top. */
void paintTitle (juce::Graphics& g, int w, int h, const juce::String& title);

enum class Icon
{
    warning,
    error
};

/** Transparent apart from the icon centred near the top. */
void paintIcon (juce::Graphics& g, int w, int h, Icon icon);

void paintDialogButton (juce::Graphics& g, int w, int h, const juce::String& label, bool pressed);
} // namespace DialogArt
