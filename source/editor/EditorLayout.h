#pragma once

#include "shell/ParameterTable.h"

/** The editor's skin as data: for every child, its name, the embedded image
    (resource name, frame count), its bounds and the parameter it is bound to
    (-1 for none). The control classes hold no coordinates. */
namespace EditorLayout
{
    struct Entry
    {
        const char* name;
        const char* image;
        int frameCount;
        int x, y, width, height;
        int parameter;
    };

    inline constexpr int width = 325;
    inline constexpr int height = 500;
    inline constexpr int none = -1;

    inline constexpr Entry fileButton { "fileButton_", "file_button_png", 2, 6, 3, 58, 26, none };
    inline constexpr Entry presetDecButton { "presetDecButton_", "preset_dec_png", 2, 263, 3, 29, 26, none };
    inline constexpr Entry presetIncButton { "presetIncButton_", "preset_inc_png", 2, 292, 3, 29, 26, none };
    inline constexpr Entry presetMenu { "presetMenu_", nullptr, 0, 67, 3, 192, 26, none };
    inline constexpr Entry inputMeter { "inputMeter_", "input_meter_png", 11, 5, 36, 77, 16, none };
    inline constexpr Entry inputPeak { "inputPeak_", "clip_light_png", 2, 75, 36, 7, 16, none };
    inline constexpr Entry abButton { "abButton_", "ab_switch_png", 2, 92, 35, 62, 23, none };
    inline constexpr Entry abCopyButton { "abCopyButton_", "copy_a_to_b_png", 2, 163, 30, 75, 25, none };
    inline constexpr const char* copyBToAImage = "copy_b_to_a_png";
    inline constexpr Entry bypassButton { "bypassButton_", "footswitch_png", 4, 222, 400, 90, 99, Parameters::onBypass };
    inline constexpr Entry inputVolKnob { "inputVolKnob_", "knob_small_png", 101, 22, 66, 41, 42, Parameters::inputVol };
    inline constexpr Entry fuzzKnob { "fuzzKnob_", "knob_large_png", 101, 17, 176, 96, 95, Parameters::fuzz };
    inline constexpr Entry toneKnob { "toneKnob_", "knob_large_png", 101, 113, 176, 96, 95, Parameters::tone };
    inline constexpr Entry levelKnob { "levelKnob_", "knob_large_png", 101, 209, 176, 96, 95, Parameters::level };
    inline constexpr Entry dryWetKnob { "dryWetKnob_", "knob_small_png", 101, 263, 66, 41, 42, Parameters::dryWet };
    inline constexpr Entry fuzzTypeKnob { "fuzzTypeKnob_", "selector_png", 5, 16, 288, 180, 136, Parameters::fuzzType };
    inline constexpr Entry oversamplingButtons[] {
        { "oversampling1xButton_", "oversampling_button_png", 2, 100, 107, 21, 14, Parameters::oversampling },
        { "oversampling2xButton_", "oversampling_button_png", 2, 135, 107, 21, 14, Parameters::oversampling },
        { "oversampling4xButton_", "oversampling_button_png", 2, 170, 107, 21, 14, Parameters::oversampling },
        { "oversampling8xButton_", "oversampling_button_png", 2, 205, 107, 21, 14, Parameters::oversampling },
    };
    inline constexpr Entry aboutShowButton { "aboutShowButton_", nullptr, 0, 15, 425, 109, 58, none };
    inline constexpr Entry aboutContainer { "aboutContainer_", nullptr, 0, 3, 0, 325, 500, none };
    inline constexpr Entry savePresetBrowser { "savePresetBrowser_", nullptr, 0, 0, 0, 325, 500, none };
    inline constexpr Entry overwritePresetComponent { "overwritePresetComponent_", nullptr, 0, 0, 0, 325, 500, none };
    inline constexpr Entry alert { "alert_", nullptr, 0, 0, 0, 325, 500, none };

    /** The circuit selector's picture area and its legends (selector coordinates), by position. */
    inline constexpr int selectorImageArea[4] { -4, 13, 113, 125 };
    inline constexpr int selectorLegends[Parameters::numCircuits][4] {
        { 114, 0, 24, 11 }, { 114, 17, 68, 11 }, { 114, 35, 41, 11 }, { 114, 52, 58, 11 }, { 114, 70, 30, 11 }
    };

    /** What the oversampling buttons write: read back through the index rule as 0, 1, 2, 3. */
    inline constexpr float oversamplingValues[Parameters::numOversamplingChoices] { 0.0f, 0.33333334f, 0.6666667f, 1.0f };
    inline constexpr int oversamplingRadioGroup = 40;

    /** Double-click values of the knobs; the circuit selector has none. */
    inline constexpr double centreDoubleClickValue = 0.5;
    inline constexpr double dryWetDoubleClickValue = 1.0;
}
