#pragma once

#include <juce_graphics/juce_graphics.h>

// The palette, the fonts and the small drawing helpers every image shares, so
// the pedal reads as one object: oxblood enamel, cream legends, brass accents,
// black bakelite knobs and amber indicator light.
namespace SkinStyle
{
namespace Colours
{
    const juce::Colour enamelLight { 0xff8a2a24 };
    const juce::Colour enamelDark { 0xff531412 };
    const juce::Colour legend { 0xfff2e6c9 };
    const juce::Colour legendShadow { 0x99200606 };
    const juce::Colour brass { 0xffd8b25c };
    const juce::Colour brassDark { 0xff7d5c22 };
    const juce::Colour panelTop { 0xff26262a };
    const juce::Colour panelBottom { 0xff131315 };
    const juce::Colour panelRule { 0xff5a5a60 };
    const juce::Colour dialogText { 0xffd3d3d3 };
    const juce::Colour bakelite { 0xff1b1b1d };
    const juce::Colour bakeliteRim { 0xff3a3a3e };
    const juce::Colour chromeLight { 0xffeeeef0 };
    const juce::Colour chromeDark { 0xff6c6e74 };
    const juce::Colour pointer { 0xfff6eed8 };
    const juce::Colour amber { 0xffffb22e };
    const juce::Colour amberDim { 0xff4a3414 };
    const juce::Colour ledGreen { 0xff6cf05a };
    const juce::Colour ledGreenDim { 0xff17321a };
    const juce::Colour ledRed { 0xffff3b2a };
    const juce::Colour ledRedDim { 0xff3c1210 };
    const juce::Colour lcdLight { 0xffdfe8c0 };
    const juce::Colour lcdDark { 0xffb9c993 };
    const juce::Colour recess { 0xff2a0908 };
} // namespace Colours

/** The one typeface of the skin, in these styles; the generator refuses to
    run without them so the images never depend on a machine's fallback font. */
constexpr const char* typefaceName = "DejaVu Sans";
const juce::StringArray typefaceStyles { "Book", "Bold", "Bold Oblique" };
bool typefaceIsInstalled();

juce::Font boldFont (float height);
juce::Font plainFont (float height);
juce::Font wordmarkFont (float height); // bold oblique, for the product name

/** Cream text with a soft dark shadow one pixel below, as if screen-printed
    on the enamel. */
void drawLegend (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                 juce::Justification justification, const juce::Font& font,
                 juce::Colour colour = Colours::legend);

/** The largest font height up to maxHeight at which text fits width. */
float heightToFit (const juce::String& text, float width, float maxHeight, bool bold = true);

/** A slotted screw head with a highlight from the upper left. */
void drawScrew (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle);

/** A dome LED; lit LEDs also get a halo of their own colour. */
void drawLed (juce::Graphics& g, juce::Rectangle<float> area, juce::Colour lit, juce::Colour dim, bool isLit);

/** A rounded rectangle pressed into the surface: darker inside, light lower
    edge, shadowed upper edge. */
void drawRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour inside);

/** A rounded button cap; pressed caps sit one pixel lower and are darker. */
void drawButtonCap (juce::Graphics& g, juce::Rectangle<float> area, float corner, bool pressed,
                    juce::Colour top, juce::Colour bottom);

/** Fine deterministic grain over an area, for enamel and bakelite. */
void addGrain (juce::Image& image, juce::Rectangle<int> area, float strength, juce::uint32 seed);

/** A triangle arrow pointing left (direction -1) or right (+1). */
juce::Path arrowHead (juce::Point<float> centre, float size, int direction);
} // namespace SkinStyle
