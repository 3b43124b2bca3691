#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A latching image button with four frames: off, off hovered, on hovered, on.
    Momentary, it shows rest, hover and press. Disabled, it fades to 40 %. */
class Tevari4StateButton : public juce::Button
{
public:
    explicit Tevari4StateButton (const juce::String& name);

    void setImage (const juce::Image& newImage);

    /** Image height / 4, or 0 without an image. */
    virtual int getFrameHeight() const;

    /** Image width, or 0 without an image. */
    virtual int getFrameWidth() const;

    static constexpr float disabledOpacity = 0.4f;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    /** Draws a frame into the bounds, faded when the button or a parent is disabled. */
    void drawFrame (juce::Graphics& g, int frame);

private:
    juce::Image image;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tevari4StateButton)
};
