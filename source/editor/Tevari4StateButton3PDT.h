#pragma once

#include "editor/Tevari4StateButton.h"

/** The latching footswitch: off, off pressed, on, on pressed. It shows the
    press at once and changes state when the click is released. */
class Tevari4StateButton3PDT : public Tevari4StateButton
{
public:
    explicit Tevari4StateButton3PDT (const juce::String& name);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tevari4StateButton3PDT)
};
