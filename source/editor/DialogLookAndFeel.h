#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The framework's widgets inside the dark dialog panels (file list, folder
    box, name boxes): dark fields, light grey text, an amber selection. */
class DialogLookAndFeel : public juce::LookAndFeel_V3
{
public:
    DialogLookAndFeel();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DialogLookAndFeel)
};
