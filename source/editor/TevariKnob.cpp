#include "editor/TevariKnob.h"

#include "editor/Filmstrip.h"

TevariKnob::TevariKnob (const juce::String& name)
    : juce::Slider (name)
{
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.0);
}

void TevariKnob::setImage (const juce::Image& newImage, int numFrames)
{
    image = newImage;
    frameCount = image.isValid() ? juce::jmax (0, numFrames) : 0;
    frameWidth = image.isValid() ? image.getWidth() : 0;
    frameHeight = Filmstrip::frameHeightOf (image, frameCount);
    repaint();
}

double TevariKnob::proportionOfRange() const
{
    const auto span = getMaximum() - getMinimum();
    return span > 0.0 ? (getValue() - getMinimum()) / span : 0.0;
}

int TevariKnob::getFrameIndex() const
{
    if (frameCount <= 0)
        return 0;

    const auto frame = (int) std::ceil (proportionOfRange() * (frameCount - 1));
    return juce::jlimit (0, frameCount - 1, frame);
}

void TevariKnob::paint (juce::Graphics& g)
{
    Filmstrip::drawFrame (g, image, frameHeight, getFrameIndex(), getLocalBounds());
}
