#pragma once

#include <juce_graphics/juce_graphics.h>

/** The editor as the images compose it: the background with one frame of
    each control pasted at its bounds (knobs at assorted positions, the
    selector on circuit 2, the meter two thirds up, 2x oversampling lit), so
    the whole skin can be judged at a glance. Reads the files from folder. */
juce::Image composeEditorPreview (const juce::File& folder);
