#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <vector>

/** One skin file: its fixed name, the size of one frame, the number of
    frames stacked vertically (frame 0 at the top) and how to paint frame k
    into (0, 0, frameWidth, frameHeight). */
struct SkinImage
{
    juce::String fileName;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 1;
    std::function<void (juce::Graphics&, int frame)> paintFrame;

    int width() const { return frameWidth; }
    int height() const { return frameHeight * frameCount; }
};

/** Every image the editor and its dialogs load, with the sizes they expect. */
std::vector<SkinImage> skinCatalogue();

/** Paints all frames of an entry into a new transparent image. */
juce::Image renderSkinImage (const SkinImage& entry);
