#include "SkinCatalogue.h"

#include "ControlArt.h"
#include "DialogArt.h"
#include "EnclosureArt.h"
#include "KnobArt.h"

namespace
{
using Painter = std::function<void (juce::Graphics&, int)>;

/** A two-frame button: frame 0 normal, frame 1 pressed (or on). */
Painter twoState (std::function<void (juce::Graphics&, bool)> paint)
{
    return [paint] (juce::Graphics& g, int frame) { paint (g, frame == 1); };
}

Painter knob (int w, int h)
{
    return [w, h] (juce::Graphics& g, int frame)
    { KnobArt::paintKnob (g, juce::Rectangle<float> ((float) w, (float) h), KnobArt::angleOfFrame (frame)); };
}

SkinImage dialogButton (const juce::String& fileName, const juce::String& label)
{
    return { fileName, 132, 51, 2, twoState ([label] (juce::Graphics& g, bool pressed)
                                             { DialogArt::paintDialogButton (g, 132, 51, label, pressed); }) };
}

SkinImage fullPanel (const juce::String& fileName, int w, std::function<void (juce::Graphics&, int, int)> paint)
{
    return { fileName, w, 500, 1, [paint, w] (juce::Graphics& g, int) { paint (g, w, 500); } };
}
} // namespace

std::vector<SkinImage> skinCatalogue()
{
    using namespace ControlArt;
    using DialogArt::Icon;

    return {
        fullPanel ("background.png", 325, [] (juce::Graphics& g, int, int) { EnclosureArt::paintBackground (g); }),
        { "file_button.png", 58, 26, 2, twoState ([] (juce::Graphics& g, bool p) { paintFileButton (g, 58, 26, p); }) },
        { "preset_dec.png", 29, 26, 2, twoState ([] (juce::Graphics& g, bool p) { paintPresetStep (g, 29, 26, -1, p); }) },
        { "preset_inc.png", 29, 26, 2, twoState ([] (juce::Graphics& g, bool p) { paintPresetStep (g, 29, 26, 1, p); }) },
        { "input_meter.png", 70, 16, meterFrameCount, [] (juce::Graphics& g, int k) { paintInputMeter (g, 70, 16, k); } },
        { "clip_light.png", 7, 16, 2, twoState ([] (juce::Graphics& g, bool lit) { paintClipLight (g, 7, 16, lit); }) },
        { "ab_switch.png", 62, 23, 2, twoState ([] (juce::Graphics& g, bool b) { paintAbSwitch (g, 62, 23, b); }) },
        { "copy_a_to_b.png", 75, 25, 2, twoState ([] (juce::Graphics& g, bool p) { paintCopyButton (g, 75, 25, true, p); }) },
        { "copy_b_to_a.png", 75, 25, 2, twoState ([] (juce::Graphics& g, bool p) { paintCopyButton (g, 75, 25, false, p); }) },
        { "footswitch.png", 90, 99, 4, [] (juce::Graphics& g, int k) { paintFootswitch (g, 90, 99, k); } },
        { "knob_small.png", 41, 42, KnobArt::knobFrameCount, knob (41, 42) },
        { "knob_large.png", 96, 95, KnobArt::knobFrameCount, knob (96, 95) },
        { "selector.png", 113, 125, KnobArt::selectorFrameCount, [] (juce::Graphics& g, int k) { KnobArt::paintSelector (g, k); } },
        { "oversampling_button.png", 21, 14, 2, twoState ([] (juce::Graphics& g, bool on) { paintOversamplingButton (g, 21, 14, on); }) },
        fullPanel ("about_panel.png", 325, DialogArt::paintAboutPanel),
        fullPanel ("dialog_message_panel.png", 325, DialogArt::paintMessagePanel),
        fullPanel ("dialog_browser_panel.png", 325, DialogArt::paintBrowserPanel),
        fullPanel ("title_save_as.png", 325, [] (juce::Graphics& g, int w, int h) { DialogArt::paintTitle (g, w, h, "SAVE AS"); }),
        fullPanel ("title_load.png", 325, [] (juce::Graphics& g, int w, int h) { DialogArt::paintTitle (g, w, h, "LOAD"); }),
        fullPanel ("icon_warning.png", 326, [] (juce::Graphics& g, int w, int h) { DialogArt::paintIcon (g, w, h, Icon::warning); }),
        fullPanel ("icon_error.png", 325, [] (juce::Graphics& g, int w, int h) { DialogArt::paintIcon (g, w, h, Icon::error); }),
        dialogButton ("button_ok.png", "OK"),
        dialogButton ("button_cancel.png", "CANCEL"),
        dialogButton ("button_save.png", "SAVE"),
        dialogButton ("button_new_folder.png", "NEW FOLDER"),
    };
}

juce::Image renderSkinImage (const SkinImage& entry)
{
    juce::Image image (juce::Image::ARGB, entry.width(), entry.height(), true);

    for (int frame = 0; frame < entry.frameCount; ++frame)
    {
        juce::Graphics g (image);
        g.setOrigin ({ 0, frame * entry.frameHeight });
        g.reduceClipRegion (0, 0, entry.frameWidth, entry.frameHeight);
        entry.paintFrame (g, frame);
    }

    return image;
}
