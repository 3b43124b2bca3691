#pragma once

#include <juce_graphics/juce_graphics.h>

// Filmstrip frames of the rotary controls. Angles are in radians, clockwise
// from straight up.
namespace KnobArt
{
constexpr int knobFrameCount = 101;
constexpr float sweepStart = -0.75f * juce::MathConstants<float>::pi; // -135 degrees
constexpr float sweepEnd = 0.75f * juce::MathConstants<float>::pi;    // +135 degrees

/** The pointer angle of frame k of a continuous knob. */
float angleOfFrame (int frame);

/** A black bakelite knob with a knurled skirt and a cream pointer line,
    filling the frame (w x h), pointing at angle. */
void paintKnob (juce::Graphics& g, juce::Rectangle<float> frame, float angle);

constexpr int selectorFrameCount = 5;

/** The pointer angle at which the selector's frame i aims at the printed
    legend of circuit i (computed from the editor layout). */
float selectorAngle (int position);

/** A pointed selector knob in the 113 x 125 picture, aiming at circuit i;
    the rest of the picture is transparent so the printed legends show. */
void paintSelector (juce::Graphics& g, int position);
} // namespace KnobArt
