#include "editor/TevariImage.h"

#include "editor/Filmstrip.h"

TevariImage::TevariImage (const juce::String& name)
    : juce::Component (name)
{
    setInterceptsMouseClicks (false, false);
}

void TevariImage::setImage (const juce::Image& newImage, int numFrames)
{
    image = newImage;
    frameCount = image.isValid() ? juce::jmax (0, numFrames) : 0;
    frameWidth = image.isValid() ? image.getWidth() : 0;
    frameHeight = Filmstrip::frameHeightOf (image, frameCount);
    repaint();
}

void TevariImage::paint (juce::Graphics& g)
{
    if (frameCount > 0)
        Filmstrip::drawFrame (g, image, frameHeight, juce::jlimit (0, frameCount - 1, currentFrame), getLocalBounds());
}
