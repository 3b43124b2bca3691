#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A momentary image button: frame 0 at rest, frame 1 while held down. Without
    an image it is invisible but still clickable (the logo hot spot). */
class Tevari2StateKickButton : public juce::Button
{
public:
    explicit Tevari2StateKickButton (const juce::String& name);

    void setImage (const juce::Image& newImage);
    const juce::Image& getImage() const { return image; }

    /** The frame shown for a button state. */
    int frameFor (bool isDown) const { return isDown ? 1 : 0; }

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    juce::Image image;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tevari2StateKickButton)
};
