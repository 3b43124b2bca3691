#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A rotary knob drawn from a filmstrip: continuous 0 ... 1, vertical drag, no
    text box. Any value above the minimum shows at least frame 1 and only the
    maximum shows the last frame, so the picture never claims "off" or "full"
    when it is not. */
class TevariKnob : public juce::Slider
{
public:
    explicit TevariKnob (const juce::String& name);

    /** Stores the strip and its frame count; without an image the knob draws nothing. */
    void setImage (const juce::Image& newImage, int numFrames);

    /** The frame paint draws for the current value (ceiling rule). */
    virtual int getFrameIndex() const;

    void paint (juce::Graphics& g) override;

protected:
    /** Position of the value in the range, 0 ... 1. */
    double proportionOfRange() const;

    juce::Image image;
    int frameCount = 0;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariKnob)
};
