#include "EnclosureArt.h"

#include "KnobArt.h"
#include "SkinGeometry.h"
#include "SkinStyle.h"

namespace EnclosureArt
{
namespace
{
using namespace SkinStyle;
using namespace SkinGeometry;

constexpr float legendHeight = 10.0f;
constexpr juce::uint32 enamelGrainSeed = 2718u;

juce::Rectangle<float> editorArea()
{
    return { 0.0f, 0.0f, (float) editorWidth, (float) editorHeight };
}

/** Enamel with a soft sheen from the top, fine grain and a bevelled rim. */
void paintEnamel (juce::Graphics& g)
{
    juce::Image enamel (juce::Image::ARGB, editorWidth, editorHeight, true);
    {
        juce::Graphics eg (enamel);
        const auto area = editorArea();
        juce::ColourGradient body (Colours::enamelLight, area.getCentreX(), area.getY() + 40.0f,
                                   Colours::enamelDark, area.getCentreX(), area.getBottom() + 120.0f, true);
        eg.setGradientFill (body);
        eg.fillRect (area);
    }
    addGrain (enamel, enamel.getBounds(), 0.12f, enamelGrainSeed);
    g.drawImageAt (enamel, 0, 0);

    const auto rim = editorArea().reduced (0.5f);
    g.setColour (juce::Colours::white.withAlpha (0.18f));
    g.drawRoundedRectangle (rim.reduced (1.0f), 6.0f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.drawRoundedRectangle (rim, 6.0f, 1.0f);
}

/** The dark strip that holds the file menu, preset display and stepping
    buttons, with the pale display window behind the black preset name. */
void paintTopBar (juce::Graphics& g)
{
    const auto bar = juce::Rectangle<float> (0.0f, 0.0f, (float) editorWidth, (float) topBarBottom);
    g.setGradientFill (juce::ColourGradient (Colours::panelTop, 0.0f, 0.0f, Colours::panelBottom, 0.0f, bar.getBottom(),
                                             false));
    g.fillRect (bar);
    g.setColour (Colours::brass.withAlpha (0.8f));
    g.fillRect (bar.withY (bar.getBottom() - 1.0f).withHeight (1.0f));
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.fillRect (bar.withY (bar.getBottom()).withHeight (2.0f));

    const auto display = presetDisplay.toFloat();
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (display.expanded (1.0f), 3.0f);
    g.setGradientFill (juce::ColourGradient (Colours::lcdDark, 0.0f, display.getY(), Colours::lcdLight, 0.0f,
                                             display.getY() + 9.0f, false));
    g.fillRoundedRectangle (display, 2.5f);
    g.setColour (juce::Colours::white.withAlpha (0.25f));
    g.fillRect (display.reduced (3.0f, 0.0f).withY (display.getBottom() - 2.0f).withHeight (1.0f));
}

juce::Rectangle<float> captionBelow (juce::Rectangle<int> control, float gap)
{
    const auto c = control.toFloat();
    return { c.getCentreX() - 40.0f, c.getBottom() + gap, 80.0f, legendHeight + 2.0f };
}

juce::Rectangle<float> captionAbove (juce::Rectangle<int> control, float gap)
{
    const auto c = control.toFloat();
    return { c.getCentreX() - 40.0f, c.getY() - gap - legendHeight - 2.0f, 80.0f, legendHeight + 2.0f };
}

/** Scale ticks around a knob: longer brass ticks at 0, 5 and 10. */
void paintScale (juce::Graphics& g, juce::Rectangle<int> knob, float inner, float outer, int ticks)
{
    const auto centre = knob.toFloat().getCentre();

    for (int i = 0; i <= ticks; ++i)
    {
        const auto major = i == 0 || i == ticks || i * 2 == ticks;
        const auto angle = KnobArt::sweepStart + (KnobArt::sweepEnd - KnobArt::sweepStart) * (float) i / (float) ticks;
        const auto from = major ? inner - 2.0f : inner;
        const juce::Line<float> tick (centre.x + from * std::sin (angle), centre.y - from * std::cos (angle),
                                      centre.x + outer * std::sin (angle), centre.y - outer * std::cos (angle));
        g.setColour (major ? Colours::brass : Colours::legend.withAlpha (0.7f));
        g.drawLine (tick, major ? 1.6f : 1.0f);
    }
}

void paintTopRow (juce::Graphics& g)
{
    const auto font = boldFont (legendHeight);
    drawLegend (g, "A / B", captionBelow (abSwitch, 2.0f), juce::Justification::centred, font);
    drawLegend (g, "COPY", captionBelow (abCopy, 2.0f), juce::Justification::centred, font);
    drawLegend (g, "CLIP", captionBelow (clipLight, 2.0f).withRight (clipLight.getRight() + 1.0f),
                juce::Justification::centredRight, plainFont (8.0f), Colours::legend.withAlpha (0.8f));
}

void paintSmallKnobLegends (juce::Graphics& g)
{
    const auto font = boldFont (legendHeight);
    paintScale (g, inputKnob, 18.5f, 21.5f, 10);
    paintScale (g, mixKnob, 18.5f, 21.5f, 10);
    drawLegend (g, "INPUT", captionBelow (inputKnob, 4.0f), juce::Justification::centred, font);
    drawLegend (g, "MIX", captionBelow (mixKnob, 4.0f), juce::Justification::centred, font);
}

void paintOversamplingLegends (juce::Graphics& g)
{
    const juce::StringArray factors { "1x", "2x", "4x", "8x" };
    const auto first = oversamplingButtons.front().toFloat();
    const auto last = oversamplingButtons.back().toFloat();

    for (size_t i = 0; i < oversamplingButtons.size(); ++i)
        drawLegend (g, factors[(int) i], captionAbove (oversamplingButtons[i], 1.0f), juce::Justification::centred,
                    boldFont (legendHeight));

    const auto span = juce::Rectangle<float> (first.getX(), first.getBottom() + 3.0f, last.getRight() - first.getX(),
                                              legendHeight + 2.0f);
    drawLegend (g, "OVERSAMPLING", span, juce::Justification::centred, boldFont (9.0f));
}

void paintBigKnobLegends (juce::Graphics& g)
{
    const juce::StringArray names { "FUZZ", "TONE", "LEVEL" };

    for (size_t i = 0; i < bigKnobs.size(); ++i)
    {
        paintScale (g, bigKnobs[i], 41.0f, 45.5f, 20);
        drawLegend (g, names[(int) i], captionAbove (bigKnobs[i], 2.0f).translated (0.0f, -2.0f),
                    juce::Justification::centred, boldFont (12.0f));
    }
}

/** One common height for the circuit legends: the largest at which every
    legend fits its clickable area. */
float circuitLegendHeight()
{
    const auto legends = circuitLegends();
    auto height = (float) circuitHitAreas.front().getHeight();

    for (size_t i = 0; i < circuitHitAreas.size(); ++i)
        height = juce::jmin (height, heightToFit (legends[(int) i], (float) circuitHitAreas[i].getWidth(), height));

    return height;
}

void paintCircuitLegends (juce::Graphics& g)
{
    const auto legends = circuitLegends();
    const auto font = boldFont (circuitLegendHeight());
    const auto centre = selectorHubInPicture + selectorPicture().getPosition().toFloat();

    for (size_t i = 0; i < circuitHitAreas.size(); ++i)
    {
        const auto area = circuitLegend (i).toFloat();
        const auto angle = KnobArt::selectorAngle ((int) i);
        const auto from = selectorCapRadius * 1.55f;
        const auto to = area.getX() - 3.0f - centre.x;
        const auto reach = to / std::sin (angle);

        g.setColour (Colours::brass.withAlpha (0.85f));
        g.drawLine (centre.x + from * std::sin (angle), centre.y - from * std::cos (angle),
                    centre.x + reach * std::sin (angle), centre.y - reach * std::cos (angle), 1.2f);
        drawLegend (g, legends[(int) i], area.withHeight (area.getHeight() + 1.0f), juce::Justification::centredLeft,
                    font);
    }

    const auto below = circuitLegend (circuitHitAreas.size() - 1).toFloat();
    drawLegend (g, "CIRCUIT", below.translated (0.0f, 16.0f).withWidth (70.0f), juce::Justification::centredLeft,
                plainFont (8.5f), Colours::brass);
}

/** A brass-edged badge in the free space right of the circuit legends. */
void paintBadge (juce::Graphics& g)
{
    const auto badge = juce::Rectangle<float> (214.0f, 300.0f, 98.0f, 74.0f);
    g.setColour (juce::Colours::black.withAlpha (0.35f));
    g.fillRoundedRectangle (badge.translated (0.0f, 1.5f), 6.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff2a2a2e), 0.0f, badge.getY(), juce::Colour (0xff111113),
                                             0.0f, badge.getBottom(), false));
    g.fillRoundedRectangle (badge, 6.0f);
    g.setColour (Colours::brass);
    g.drawRoundedRectangle (badge.reduced (2.5f), 4.5f, 1.2f);

    drawLegend (g, "QX", badge.withHeight (40.0f).translated (0.0f, 6.0f), juce::Justification::centred,
                boldFont (34.0f).withExtraKerningFactor (0.08f), Colours::brass);
    drawLegend (g, "2718", badge.withTrimmedTop (44.0f).withHeight (14.0f), juce::Justification::centred,
                boldFont (13.0f).withExtraKerningFactor (0.35f));
    drawLegend (g, "FIVE-CIRCUIT FUZZ", badge.withTrimmedTop (58.0f).withHeight (10.0f), juce::Justification::centred,
                plainFont (7.5f), Colours::legend.withAlpha (0.75f));
}

/** The wordmark under the invisible about button. */
void paintLogo (juce::Graphics& g)
{
    const auto area = aboutArea.toFloat();
    drawLegend (g, "Ondrel", area.withHeight (26.0f).translated (0.0f, 4.0f), juce::Justification::centredLeft,
                wordmarkFont (24.0f));
    drawLegend (g, "QX2718", area.withTrimmedTop (29.0f).withHeight (12.0f), juce::Justification::centredLeft,
                boldFont (11.0f).withExtraKerningFactor (0.3f), Colours::brass);
    drawLegend (g, "by Tevari", area.withTrimmedTop (42.0f).withHeight (11.0f), juce::Justification::centredLeft,
                plainFont (9.5f), Colours::legend.withAlpha (0.8f));
}

void paintFootswitchRecess (juce::Graphics& g)
{
    drawRecess (g, footswitch.toFloat().reduced (1.0f), 8.0f, Colours::recess);
}

void paintScrews (juce::Graphics& g)
{
    const float inset = 9.0f;
    const std::array<juce::Point<float>, 4> places { juce::Point<float> { inset, 140.0f },
                                                     { editorWidth - inset, 140.0f },
                                                     { inset, editorHeight - inset },
                                                     { editorWidth - inset, editorHeight - inset } };
    float slot = 0.4f;

    for (const auto& p : places)
    {
        drawScrew (g, p, 4.0f, slot);
        slot += 0.9f;
    }
}
} // namespace

juce::StringArray circuitLegends()
{
    return { "BIG", "SUSTAINER", "TRANS", "VINTAGE", "ZEPP" };
}

void paintBackground (juce::Graphics& g)
{
    paintEnamel (g);
    paintTopBar (g);
    paintTopRow (g);
    paintSmallKnobLegends (g);
    paintOversamplingLegends (g);
    paintBigKnobLegends (g);
    paintCircuitLegends (g);
    paintBadge (g);
    paintLogo (g);
    paintFootswitchRecess (g);
    paintScrews (g);
}
} // namespace EnclosureArt
