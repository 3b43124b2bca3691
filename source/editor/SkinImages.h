#pragma once

#include <juce_graphics/juce_graphics.h>

/** The editor's embedded skin images, decoded once through juce::ImageCache.

    Resource names are the PNG file names with '.' turned into '_'
    ("knob_large_png"). A name that is not embedded gives an empty image, so
    every control copes with missing artwork by drawing nothing. Message thread. */
class SkinImages
{
public:
    static juce::Image get (const char* resourceName);

    /** Alert icons by id: 1 warning, 4 error; other ids give an empty image. */
    static juce::Image icon (int iconId);

    /** Dialog button pictures by id: 1 OK, 3 CANCEL, 5 SAVE, 8 NEW FOLDER. */
    static juce::Image buttonPicture (int pictureId);

    /** Browser title overlays by kind: 1 SAVE AS, 2 LOAD. */
    static juce::Image title (int titleKind);

    static constexpr int warningIcon = 1;
    static constexpr int errorIcon = 4;
    static constexpr int okPicture = 1;
    static constexpr int cancelPicture = 3;
    static constexpr int savePicture = 5;
    static constexpr int newFolderPicture = 8;
    static constexpr int saveAsTitle = 1;
    static constexpr int loadTitle = 2;

private:
    SkinImages() = delete;
};
