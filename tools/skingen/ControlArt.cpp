#include "ControlArt.h"

#include "SkinStyle.h"

namespace ControlArt
{
namespace
{
using namespace SkinStyle;

const juce::Colour capTop { 0xff3c3c42 };
const juce::Colour capBottom { 0xff1e1e22 };

juce::Rectangle<float> frameArea (int w, int h)
{
    return { 0.0f, 0.0f, (float) w, (float) h };
}

/** The printed face of a pressed cap moves down with it. */
juce::Rectangle<float> faceOf (juce::Rectangle<float> area, bool pressed)
{
    return area.translated (0.0f, pressed ? 0.5f : -0.5f);
}

juce::Colour meterSegmentColour (int segment)
{
    if (segment >= meterSegmentCount - 1)
        return Colours::ledRed;

    return segment >= meterSegmentCount - 3 ? Colours::amber : Colours::ledGreen;
}

/** A latch arrow from one letter to the other, drawn as a path so it does
    not depend on the font having an arrow glyph. */
void paintArrow (juce::Graphics& g, juce::Point<float> from, juce::Point<float> to, juce::Colour colour)
{
    juce::Path arrow;
    arrow.addArrow (juce::Line<float> (from, to), 1.6f, 6.0f, 5.0f);
    g.setColour (colour);
    g.fillPath (arrow);
}
} // namespace

void paintFileButton (juce::Graphics& g, int w, int h, bool pressed)
{
    const auto area = frameArea (w, h).reduced (1.0f);
    drawButtonCap (g, area, 4.0f, pressed, capTop, capBottom);
    const auto face = faceOf (area, pressed);

    // A small menu glyph before the word.
    g.setColour (Colours::amber.withAlpha (pressed ? 0.7f : 1.0f));
    for (int line = 0; line < 3; ++line)
        g.fillRect (juce::Rectangle<float> (8.0f, face.getCentreY() - 4.5f + 4.0f * (float) line, 8.0f, 1.6f));

    drawLegend (g, "FILE", face.withTrimmedLeft (18.0f), juce::Justification::centred, boldFont (11.0f),
                Colours::legend.withAlpha (pressed ? 0.75f : 1.0f));
}

void paintPresetStep (juce::Graphics& g, int w, int h, int direction, bool pressed)
{
    const auto area = frameArea (w, h).reduced (1.0f);
    drawButtonCap (g, area, 4.0f, pressed, capTop, capBottom);
    g.setColour (Colours::amber.withAlpha (pressed ? 0.7f : 1.0f));
    g.fillPath (arrowHead (faceOf (area, pressed).getCentre(), 11.0f, direction));
}

void paintInputMeter (juce::Graphics& g, int w, int h, int litSegments)
{
    const auto area = frameArea (w, h);
    drawRecess (g, area, 3.0f, juce::Colour (0xff111113));

    // The clip light covers the right end of the meter; the bar stops short of it.
    const auto bar = area.reduced (3.0f, 4.0f).withTrimmedRight (8.0f);
    const auto pitch = bar.getWidth() / (float) meterSegmentCount;

    for (int segment = 0; segment < meterSegmentCount; ++segment)
    {
        const auto cell = juce::Rectangle<float> (bar.getX() + pitch * (float) segment, bar.getY(),
                                                  pitch - 1.0f, bar.getHeight());
        const auto colour = meterSegmentColour (segment);
        const auto lit = segment < litSegments;

        g.setColour (lit ? colour : colour.darker (2.6f).withMultipliedSaturation (0.6f));
        g.fillRoundedRectangle (cell, 1.0f);
        g.setColour (juce::Colours::white.withAlpha (lit ? 0.45f : 0.08f));
        g.fillRect (cell.withHeight (1.5f).reduced (0.5f, 0.0f));
    }
}

void paintClipLight (juce::Graphics& g, int w, int h, bool lit)
{
    const auto area = frameArea (w, h);
    g.setColour (juce::Colour (0xff111113));
    g.fillRect (area);
    const auto lens = juce::Rectangle<float> (5.0f, 8.0f).withCentre (area.getCentre());
    drawLed (g, lens, Colours::ledRed, Colours::ledRedDim, lit);
}

void paintAbSwitch (juce::Graphics& g, int w, int h, bool channelB)
{
    const auto area = frameArea (w, h);
    drawRecess (g, area, 5.0f, juce::Colour (0xff141416));

    const auto inner = area.reduced (3.0f);
    const auto halfA = inner.withWidth (inner.getWidth() * 0.5f);
    const auto halfB = halfA.translated (halfA.getWidth(), 0.0f);
    const auto active = channelB ? halfB : halfA;
    const auto idle = channelB ? halfA : halfB;

    drawButtonCap (g, active, 3.0f, false, Colours::amber.brighter (0.2f), Colours::amber.darker (0.4f));
    drawLegend (g, channelB ? "B" : "A", active, juce::Justification::centred, boldFont (13.0f),
                juce::Colour (0xff2a1a06));
    drawLegend (g, channelB ? "A" : "B", idle, juce::Justification::centred, boldFont (13.0f),
                Colours::legend.withAlpha (0.45f));
}

void paintCopyButton (juce::Graphics& g, int w, int h, bool fromA, bool pressed)
{
    const auto area = frameArea (w, h).reduced (1.0f);
    drawButtonCap (g, area, 4.0f, pressed, capTop, capBottom);
    const auto face = faceOf (area, pressed);
    const auto font = boldFont (12.0f);
    const auto colour = Colours::legend.withAlpha (pressed ? 0.75f : 1.0f);

    const auto left = face.withWidth (24.0f).withX (face.getX() + 5.0f);
    const auto right = left.withX (face.getRight() - 29.0f);
    drawLegend (g, fromA ? "A" : "B", left, juce::Justification::centred, font, colour);
    drawLegend (g, fromA ? "B" : "A", right, juce::Justification::centred, font, colour);
    paintArrow (g, { left.getRight() - 2.0f, face.getCentreY() }, { right.getX() + 2.0f, face.getCentreY() },
                Colours::amber.withAlpha (pressed ? 0.7f : 1.0f));
}

void paintOversamplingButton (juce::Graphics& g, int w, int h, bool on)
{
    const auto area = frameArea (w, h);
    drawButtonCap (g, area, 3.0f, on, capTop, capBottom);
    const auto lens = faceOf (area, on).reduced (5.0f, 4.5f);

    if (on)
    {
        g.setColour (Colours::amber.withAlpha (0.4f));
        g.fillRoundedRectangle (lens.expanded (1.5f), 2.0f);
    }

    g.setColour (on ? Colours::amber : Colours::amberDim);
    g.fillRoundedRectangle (lens, 1.5f);
    g.setColour (juce::Colours::white.withAlpha (on ? 0.6f : 0.12f));
    g.fillRect (lens.withHeight (1.0f).reduced (1.0f, 0.0f));
}

void paintFootswitch (juce::Graphics& g, int w, int h, int frame)
{
    const auto isOn = frame >= 2;
    const auto pressed = (frame % 2) == 1;
    const auto area = frameArea (w, h);

    // Status LED in its bezel above the switch.
    const auto ledCentre = juce::Point<float> (area.getCentreX(), 14.0f);
    g.setColour (juce::Colour (0xff101012));
    g.fillEllipse (juce::Rectangle<float> (16.0f, 16.0f).withCentre (ledCentre));
    drawLed (g, juce::Rectangle<float> (10.0f, 10.0f).withCentre (ledCentre), Colours::ledRed, Colours::ledRedDim,
             isOn);

    // The hex nut and the plunger; a pressed plunger is smaller and lower.
    const auto switchCentre = juce::Point<float> (area.getCentreX(), 62.0f);
    juce::Path nut;
    nut.addPolygon (switchCentre, 6, 30.0f, juce::MathConstants<float>::pi / 6.0f);
    juce::DropShadow (juce::Colours::black.withAlpha (0.7f), 6, { 1, 3 }).drawForPath (g, nut);
    g.setGradientFill (juce::ColourGradient (Colours::chromeLight, switchCentre.x - 25.0f, switchCentre.y - 25.0f,
                                             Colours::chromeDark, switchCentre.x + 25.0f, switchCentre.y + 25.0f,
                                             false));
    g.fillPath (nut);
    g.setColour (juce::Colours::black.withAlpha (0.4f));
    g.strokePath (nut, juce::PathStrokeType (1.0f));

    const auto plungerRadius = pressed ? 16.0f : 18.0f;
    const auto plungerCentre = switchCentre.translated (0.0f, pressed ? 2.0f : 0.0f);
    const auto plunger = juce::Rectangle<float> (plungerRadius * 2.0f, plungerRadius * 2.0f).withCentre (plungerCentre);
    g.setColour (juce::Colours::black.withAlpha (pressed ? 0.35f : 0.6f));
    g.fillEllipse (plunger.translated (0.0f, pressed ? 1.0f : 3.0f).expanded (1.0f));
    g.setGradientFill (juce::ColourGradient (Colours::chromeLight.darker (pressed ? 0.25f : 0.0f),
                                             plunger.getCentreX(), plunger.getY(),
                                             Colours::chromeDark.darker (pressed ? 0.3f : 0.0f),
                                             plunger.getCentreX(), plunger.getBottom(), false));
    g.fillEllipse (plunger);
    g.setColour (juce::Colours::white.withAlpha (pressed ? 0.25f : 0.5f));
    g.drawEllipse (plunger.reduced (3.0f), 1.0f);
}
} // namespace ControlArt
