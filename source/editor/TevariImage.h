#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A passive filmstrip display (the input meter and the clip light). The owner
    picks the frame and repaints; the component takes no mouse input. */
class TevariImage : public juce::Component
{
public:
    explicit TevariImage (const juce::String& name);

    void setImage (const juce::Image& newImage, int numFrames);

    /** Chooses the frame; the owner repaints when it changed. */
    void setFrame (int frame) { currentFrame = frame; }
    int getFrame() const { return currentFrame; }
    int getFrameCount() const { return frameCount; }

    void paint (juce::Graphics& g) override;

private:
    juce::Image image;
    int frameCount = 0;
    int currentFrame = 0;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariImage)
};
