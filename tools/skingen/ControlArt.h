#pragma once

#include <juce_graphics/juce_graphics.h>

// Frames of the editor's buttons, indicators and footswitch. Each function
// paints one frame filling (0, 0, w, h) of the current graphics context.
namespace ControlArt
{
constexpr int meterFrameCount = 11;
constexpr int meterSegmentCount = meterFrameCount - 1;

void paintFileButton (juce::Graphics& g, int w, int h, bool pressed);
void paintPresetStep (juce::Graphics& g, int w, int h, int direction, bool pressed);
void paintInputMeter (juce::Graphics& g, int w, int h, int litSegments);
void paintClipLight (juce::Graphics& g, int w, int h, bool lit);
void paintAbSwitch (juce::Graphics& g, int w, int h, bool channelB);
void paintCopyButton (juce::Graphics& g, int w, int h, bool fromA, bool pressed);
void paintOversamplingButton (juce::Graphics& g, int w, int h, bool on);

/** frame: 0 off, 1 off pressed, 2 on, 3 on pressed. */
void paintFootswitch (juce::Graphics& g, int w, int h, int frame);
} // namespace ControlArt
