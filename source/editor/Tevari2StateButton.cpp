#include "editor/Tevari2StateButton.h"

#include "editor/Filmstrip.h"

Tevari2StateButton::Tevari2StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

void Tevari2StateButton::setImage (const juce::Image& newImage)
{
    image = newImage;
    frameWidth = image.isValid() ? image.getWidth() : 0;
    frameHeight = Filmstrip::frameHeightOf (image, 2);
    repaint();
}

void Tevari2StateButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    const bool lit = getClickingTogglesState() ? getToggleState() : isButtonDown;
    Filmstrip::drawFrame (g, image, frameHeight, lit ? 1 : 0, getLocalBounds());
}
