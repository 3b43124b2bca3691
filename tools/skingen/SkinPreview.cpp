#include "SkinPreview.h"

#include "SkinGeometry.h"

namespace
{
struct Placement
{
    const char* fileName;
    int frameCount;
    int frame;
    juce::Rectangle<int> bounds;
};

void paste (juce::Graphics& g, const juce::File& folder, const Placement& p)
{
    const auto image = juce::ImageFileFormat::loadFrom (folder.getChildFile (p.fileName));
    const auto frameHeight = image.getHeight() / p.frameCount;
    g.drawImage (image, p.bounds.getX(), p.bounds.getY(), p.bounds.getWidth(), p.bounds.getHeight(), 0,
                 p.frame * frameHeight, image.getWidth(), frameHeight);
}
} // namespace

juce::Image composeEditorPreview (const juce::File& folder)
{
    using namespace SkinGeometry;
    juce::Image preview (juce::Image::ARGB, editorWidth, editorHeight, true);
    juce::Graphics g (preview);

    const auto selectorArea = selectorPicture();
    const Placement placements[] = {
        { "background.png", 1, 0, { 0, 0, editorWidth, editorHeight } },
        { "file_button.png", 2, 0, fileButton },
        { "preset_dec.png", 2, 0, presetDec },
        { "preset_inc.png", 2, 1, presetInc },
        { "input_meter.png", 11, 7, inputMeter },
        { "clip_light.png", 2, 1, clipLight },
        { "ab_switch.png", 2, 0, abSwitch },
        { "copy_a_to_b.png", 2, 0, abCopy },
        { "footswitch.png", 4, 2, footswitch },
        { "knob_small.png", 101, 25, inputKnob },
        { "knob_small.png", 101, 100, mixKnob },
        { "knob_large.png", 101, 0, bigKnobs[0] },
        { "knob_large.png", 101, 50, bigKnobs[1] },
        { "knob_large.png", 101, 94, bigKnobs[2] },
        { "selector.png", 5, 2, selectorArea },
        { "oversampling_button.png", 2, 0, oversamplingButtons[0] },
        { "oversampling_button.png", 2, 1, oversamplingButtons[1] },
        { "oversampling_button.png", 2, 0, oversamplingButtons[2] },
        { "oversampling_button.png", 2, 0, oversamplingButtons[3] },
    };

    for (const auto& p : placements)
        paste (g, folder, p);

    g.setColour (juce::Colours::black);
    g.setFont (13.0f);
    g.drawText ("Factory/Init", presetDisplay.reduced (6, 0), juce::Justification::centredLeft);
    return preview;
}
