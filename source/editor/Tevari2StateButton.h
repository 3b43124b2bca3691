#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A latching image button: frame 1 while on, frame 0 while off. When it is
    made momentary (clicking does not toggle) it shows the press instead. */
class Tevari2StateButton : public juce::Button
{
public:
    explicit Tevari2StateButton (const juce::String& name);

    void setImage (const juce::Image& newImage);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    juce::Image image;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tevari2StateButton)
};
