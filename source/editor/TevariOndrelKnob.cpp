#include "editor/TevariOndrelKnob.h"

#include "editor/Filmstrip.h"

TevariOndrelKnob::TevariOndrelKnob (const juce::String& name)
    : TevariKnob (name)
{
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
    setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
}

void TevariOndrelKnob::setImage (const juce::Image& newImage, int numFrames, int x, int y, int w, int h)
{
    imageArea = { x, y, w, h };
    TevariKnob::setImage (newImage, numFrames);
}

void TevariOndrelKnob::setHitArea (int position, juce::Rectangle<int> area)
{
    if (position < 0 || position > (int) hitAreas.size())
        return;

    if (position == (int) hitAreas.size())
        hitAreas.push_back (area);
    else
        hitAreas[(size_t) position] = area;
}

int TevariOndrelKnob::getFrameIndex() const
{
    if (frameCount <= 0)
        return 0;

    const auto frame = (int) std::floor (proportionOfRange() * (frameCount - 1));
    return juce::jlimit (0, frameCount - 1, frame);
}

void TevariOndrelKnob::paint (juce::Graphics& g)
{
    Filmstrip::drawFrame (g, image, frameHeight, getFrameIndex(), imageArea);
}

bool TevariOndrelKnob::containsInclusive (juce::Rectangle<int> area, juce::Point<int> p)
{
    const auto inSpan = [] (int v, int start, int size)
    {
        return juce::jmin (start, start + size) <= v && v <= juce::jmax (start, start + size);
    };

    return inSpan (p.x, area.getX(), area.getWidth()) && inSpan (p.y, area.getY(), area.getHeight());
}

int TevariOndrelKnob::positionAt (juce::Point<int> p) const
{
    int match = -1;

    for (int i = 0; i < frameCount && i < (int) hitAreas.size(); ++i)
        if (containsInclusive (hitAreas[(size_t) i], p))
            match = i;

    return match;
}

void TevariOndrelKnob::mouseDown (const juce::MouseEvent& e)
{
    const auto p = e.position.roundToInt();
    const auto position = positionAt (p);

    if (position >= 0 && frameCount > 1)
    {
        setValue ((getMaximum() - getMinimum()) * position / (frameCount - 1) + getMinimum(),
                  juce::sendNotificationAsync);
        repaint();
    }

    dragFromPicture = containsInclusive (imageArea, p);

    if (dragFromPicture)
        juce::Slider::mouseDown (e);
}

void TevariOndrelKnob::mouseDrag (const juce::MouseEvent& e)
{
    // The slider keeps its drag state from the previous press, so a press on a
    // legend must stop the drag here as well.
    if (dragFromPicture)
        juce::Slider::mouseDrag (e);
}

void TevariOndrelKnob::mouseUp (const juce::MouseEvent& e)
{
    if (dragFromPicture)
        juce::Slider::mouseUp (e);

    dragFromPicture = false;
}
