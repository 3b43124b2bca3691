#include "editor/Tevari4StateButton3PDT.h"

Tevari4StateButton3PDT::Tevari4StateButton3PDT (const juce::String& name)
    : Tevari4StateButton (name)
{
}

void Tevari4StateButton3PDT::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    const int frame = getClickingTogglesState() ? (getToggleState() ? 2 : 0) + (isButtonDown ? 1 : 0) : 0;
    drawFrame (g, frame);
}
