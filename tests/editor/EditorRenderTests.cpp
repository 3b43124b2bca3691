#include "EditorTestSupport.h"
#include "PresetFolderFixture.h"

#include "editor/OndrelQX2718AudioProcessorEditor.h"
#include "editor/SkinImages.h"

using namespace EditorTest;

namespace
{
    /** Pixels whose colour differs between two same-sized images. */
    int differingPixels (const juce::Image& a, const juce::Image& b)
    {
        int count = 0;

        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                count += a.getPixelAt (x, y) != b.getPixelAt (x, y) ? 1 : 0;

        return count;
    }

    int distinctColours (const juce::Image& image)
    {
        std::set<juce::uint32> colours;

        for (int y = 0; y < image.getHeight(); y += 2)
            for (int x = 0; x < image.getWidth(); x += 2)
                colours.insert (image.getPixelAt (x, y).getARGB());

        return (int) colours.size();
    }

    struct RenderFixture : PresetFolderFixture
    {
        RenderFixture() : editor (processor) { editor.setVisible (true); }

        juce::Image renderWith (int parameter, float value, juce::Rectangle<int> area)
        {
            processor.setParameter (parameter, value);
            editor.timerCallback();
            return editor.createComponentSnapshot (area, true, 1.0f);
        }

        OndrelQX2718AudioProcessorEditor editor;
    };
}

TEST (SkinImages, EveryImageIsEmbeddedWithItsSizeAndFrameLayout)
{
    struct Expected
    {
        const char* name;
        int width, height;
    };

    const Expected images[] = {
        { "background_png", 325, 500 },       { "file_button_png", 58, 52 },          { "preset_dec_png", 29, 52 },
        { "preset_inc_png", 29, 52 },         { "input_meter_png", 70, 176 },         { "clip_light_png", 7, 32 },
        { "ab_switch_png", 62, 46 },          { "copy_a_to_b_png", 75, 50 },          { "copy_b_to_a_png", 75, 50 },
        { "footswitch_png", 90, 396 },        { "knob_small_png", 41, 4242 },         { "knob_large_png", 96, 9595 },
        { "selector_png", 113, 625 },         { "oversampling_button_png", 21, 28 },  { "about_panel_png", 325, 500 },
        { "dialog_message_panel_png", 325, 500 }, { "dialog_browser_panel_png", 325, 500 },
        { "title_save_as_png", 325, 500 },    { "title_load_png", 325, 500 },         { "icon_warning_png", 326, 500 },
        { "icon_error_png", 325, 500 },       { "button_ok_png", 132, 102 },          { "button_cancel_png", 132, 102 },
        { "button_save_png", 132, 102 },      { "button_new_folder_png", 132, 102 },
    };

    for (const auto& e : images)
    {
        const auto image = SkinImages::get (e.name);
        ASSERT_TRUE (image.isValid()) << e.name;
        EXPECT_EQ (image.getWidth(), e.width) << e.name;
        EXPECT_EQ (image.getHeight(), e.height) << e.name;
    }
}

TEST_F (RenderFixture, RenderedEditorIsNotBlank)
{
    const auto shot = snapshot (editor);
    constexpr int minimumColours = 500;  // a skinned pedal, not a flat fill

    EXPECT_GT (distinctColours (shot), minimumColours);
    EXPECT_EQ (shot.getPixelAt (2, 250).getAlpha(), 255) << "the background covers the window";
}

TEST_F (RenderFixture, EachKnobRegionChangesBetweenZeroAndOne)
{
    struct Knob
    {
        const char* name;
        int parameter;
    };

    const Knob knobs[] = { { "inputVolKnob_", Parameters::inputVol }, { "fuzzKnob_", Parameters::fuzz }, { "toneKnob_", Parameters::tone },
                           { "levelKnob_", Parameters::level },       { "dryWetKnob_", Parameters::dryWet }, { "fuzzTypeKnob_", Parameters::fuzzType } };
    constexpr double minimumChangedShare = 0.02;  // the pointer moves visibly, not a pixel or two

    for (const auto& knob : knobs)
    {
        auto* component = findChild<juce::Component> (editor, knob.name);
        ASSERT_NE (component, nullptr) << knob.name;
        const auto area = component->getBounds();

        const auto atZero = renderWith (knob.parameter, 0.0f, area);
        const auto atOne = renderWith (knob.parameter, 1.0f, area);
        EXPECT_GT (differingPixels (atZero, atOne), minimumChangedShare * area.getWidth() * area.getHeight()) << knob.name;
    }
}
