#pragma once

#include "editor/TevariKnob.h"

#include <vector>

/** The stepped circuit selector: a filmstrip with one frame per position,
    drawn into its own picture area, and one clickable legend (hit area) per
    position that jumps straight to it.

    Only a press on the picture turns the knob by dragging; a press on a legend
    elsewhere jumps and never starts a drag. */
class TevariOndrelKnob : public TevariKnob
{
public:
    explicit TevariOndrelKnob (const juce::String& name);

    /** The strip and the area (knob coordinates, may reach outside) it is drawn into. */
    void setImage (const juce::Image& newImage, int numFrames, int x, int y, int w, int h);

    /** Puts a legend rectangle at a position: replaces, appends at the end, ignores a negative index. */
    void setHitArea (int position, juce::Rectangle<int> area);

    /** The frame paint draws (floor rule, so it never rounds up to the next position). */
    int getFrameIndex() const override;

    juce::Rectangle<int> getImageArea() const { return imageArea; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

    /** Edges inclusive, and a rectangle of negative size spans between its two edges. */
    static bool containsInclusive (juce::Rectangle<int> area, juce::Point<int> p);

private:
    /** The last position whose legend holds p, or -1. */
    int positionAt (juce::Point<int> p) const;

    std::vector<juce::Rectangle<int>> hitAreas;
    juce::Rectangle<int> imageArea;
    bool dragFromPicture = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOndrelKnob)
};
