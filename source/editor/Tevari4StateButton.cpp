#include "editor/Tevari4StateButton.h"

#include "editor/Filmstrip.h"

Tevari4StateButton::Tevari4StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Tevari4StateButton::setImage (const juce::Image& newImage)
{
    image = newImage;
    frameWidth = image.isValid() ? image.getWidth() : 0;
    frameHeight = Filmstrip::frameHeightOf (image, 4);
    repaint();
}

int Tevari4StateButton::getFrameHeight() const { return frameHeight; }

int Tevari4StateButton::getFrameWidth() const { return frameWidth; }

void Tevari4StateButton::drawFrame (juce::Graphics& g, int frame)
{
    g.setOpacity (isEnabled() ? 1.0f : disabledOpacity);
    Filmstrip::drawFrame (g, image, getFrameHeight(), frame, getLocalBounds());
}

void Tevari4StateButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    int frame = 0;

    if (getClickingTogglesState())
        frame = getToggleState() ? (isMouseOver ? 2 : 3) : (isMouseOver ? 1 : 0);
    else
        frame = isButtonDown ? 2 : (isMouseOver ? 1 : 0);

    drawFrame (g, frame);
}
