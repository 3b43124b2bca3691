#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

// Where the editor places its controls (editor pixels, x, y, w, h). The
// printed legends on the enclosure are laid out around these bounds, so they
// must stay equal to the editor's control table.
namespace SkinGeometry
{
using R = juce::Rectangle<int>;

constexpr int editorWidth = 325;
constexpr int editorHeight = 500;

const R fileButton { 6, 3, 58, 26 };
const R presetDisplay { 67, 3, 192, 26 };
const R presetDec { 263, 3, 29, 26 };
const R presetInc { 292, 3, 29, 26 };
constexpr int topBarBottom = 32;

const R inputMeter { 5, 36, 77, 16 };
const R clipLight { 75, 36, 7, 16 };
const R abSwitch { 92, 35, 62, 23 };
const R abCopy { 163, 30, 75, 25 };

const R inputKnob { 22, 66, 41, 42 };
const R mixKnob { 263, 66, 41, 42 };
const std::array<R, 3> bigKnobs { R { 17, 176, 96, 95 }, R { 113, 176, 96, 95 }, R { 209, 176, 96, 95 } };

const std::array<R, 4> oversamplingButtons {
    R { 100, 107, 21, 14 }, R { 135, 107, 21, 14 }, R { 170, 107, 21, 14 }, R { 205, 107, 21, 14 }
};

const R footswitch { 222, 400, 90, 99 };
const R aboutArea { 15, 425, 109, 58 };

// The circuit selector: its component origin, the picture area inside the
// component, and one clickable legend per circuit (component coordinates).
const juce::Point<int> selectorOrigin { 16, 288 };
const R selectorPictureInComponent { -4, 13, 113, 125 };
const std::array<R, 5> circuitHitAreas {
    R { 114, 0, 24, 11 }, R { 114, 17, 68, 11 }, R { 114, 35, 41, 11 }, R { 114, 52, 58, 11 }, R { 114, 70, 30, 11 }
};

inline R selectorPicture() { return selectorPictureInComponent + selectorOrigin; }
inline R circuitLegend (size_t index) { return circuitHitAreas[index] + selectorOrigin; }

// Centre of the selector knob inside its picture; the pointer of each frame
// aims from here at the legend of that circuit.
const juce::Point<float> selectorHubInPicture { 54.0f, 52.0f };
constexpr float selectorCapRadius = 33.0f;

// The about panel's version line, drawn by the panel's own label.
const R aboutVersionLine { 150, 133, 100, 16 };

// Dialog layout (dialog pixels).
const R dialogButtonSize { 0, 0, 132, 51 };
const R browserList { 12, 80, 300, 275 };
constexpr int dialogIconTop = 12;
} // namespace SkinGeometry
