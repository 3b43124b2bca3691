#include "editor/Tevari2StateKickButton.h"

#include "editor/Filmstrip.h"

Tevari2StateKickButton::Tevari2StateKickButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (false);
}

void Tevari2StateKickButton::setImage (const juce::Image& newImage)
{
    image = newImage;
    frameWidth = image.isValid() ? image.getWidth() : 0;
    frameHeight = Filmstrip::frameHeightOf (image, 2);
    repaint();
}

void Tevari2StateKickButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    Filmstrip::drawFrame (g, image, frameHeight, frameFor (isButtonDown), getLocalBounds());
}
