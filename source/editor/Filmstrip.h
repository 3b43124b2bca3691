#pragma once

#include <juce_graphics/juce_graphics.h>

/** A filmstrip is one image with n equal frames stacked vertically, frame 0 on
    top; every skinned control draws one frame of one, scaled into a rectangle. */
namespace Filmstrip
{
    /** Image height / frame count (integer division), or 0 without frames. */
    inline int frameHeightOf (const juce::Image& image, int frameCount)
    {
        return image.isValid() && frameCount > 0 ? image.getHeight() / frameCount : 0;
    }

    /** Draws frame k of a strip whose frames are frameHeight tall into destination. */
    inline void drawFrame (juce::Graphics& g, const juce::Image& image, int frameHeight, int frame,
                           juce::Rectangle<int> destination)
    {
        if (! image.isValid() || frameHeight <= 0)
            return;

        g.drawImage (image,
                     destination.getX(), destination.getY(), destination.getWidth(), destination.getHeight(),
                     0, frame * frameHeight, image.getWidth(), frameHeight);
    }
}
