#include "DialogArt.h"

#include "SkinGeometry.h"
#include "SkinStyle.h"

namespace DialogArt
{
namespace
{
using namespace SkinStyle;

constexpr float titleBaseline = 16.0f;
constexpr float titleHeight = 30.0f;
constexpr float browserRuleY = 64.0f;
constexpr float iconSize = 64.0f;

juce::Rectangle<float> frameArea (int w, int h)
{
    return { 0.0f, 0.0f, (float) w, (float) h };
}

void paintDarkPanel (juce::Graphics& g, juce::Rectangle<float> area)
{
    g.setGradientFill (juce::ColourGradient (Colours::panelTop, 0.0f, 0.0f, Colours::panelBottom, 0.0f,
                                             area.getBottom(), false));
    g.fillRect (area);
    g.setColour (Colours::brass.withAlpha (0.7f));
    g.drawRoundedRectangle (area.reduced (4.5f), 6.0f, 1.0f);
    g.setColour (juce::Colours::black);
    g.drawRect (area, 1.0f);
}

juce::Rectangle<float> iconArea (int w)
{
    return { (float) w * 0.5f - iconSize * 0.5f, (float) SkinGeometry::dialogIconTop + 20.0f, iconSize, iconSize };
}

void paintWarningTriangle (juce::Graphics& g, juce::Rectangle<float> area)
{
    juce::Path triangle;
    triangle.addTriangle (area.getCentreX(), area.getY(), area.getRight(), area.getBottom() - 6.0f, area.getX(),
                          area.getBottom() - 6.0f);
    const auto rounded = triangle.createPathWithRoundedCorners (6.0f);
    g.setColour (Colours::amber);
    g.fillPath (rounded);
    g.setColour (Colours::amber.darker (0.6f));
    g.strokePath (rounded, juce::PathStrokeType (2.0f));

    const auto cx = area.getCentreX();
    g.setColour (juce::Colour (0xff1a1206));
    g.fillRoundedRectangle (cx - 3.5f, area.getY() + 20.0f, 7.0f, 22.0f, 3.0f);
    g.fillEllipse (cx - 4.0f, area.getY() + 45.0f, 8.0f, 8.0f);
}

void paintErrorCross (juce::Graphics& g, juce::Rectangle<float> area)
{
    g.setColour (Colours::ledRed.darker (0.2f));
    g.fillEllipse (area);
    g.setColour (Colours::ledRed.darker (0.8f));
    g.drawEllipse (area.reduced (1.0f), 2.0f);

    const auto c = area.getCentre();
    const auto arm = area.getWidth() * 0.22f;
    g.setColour (juce::Colours::white);
    g.drawLine (c.x - arm, c.y - arm, c.x + arm, c.y + arm, 7.0f);
    g.drawLine (c.x - arm, c.y + arm, c.x + arm, c.y - arm, 7.0f);
}
} // namespace

void paintAboutPanel (juce::Graphics& g, int w, int h)
{
    const auto area = frameArea (w, h);
    paintDarkPanel (g, area);

    drawLegend (g, "Ondrel", area.withY (34.0f).withHeight (46.0f), juce::Justification::centred,
                wordmarkFont (42.0f));
    drawLegend (g, "QX2718", area.withY (80.0f).withHeight (22.0f), juce::Justification::centred,
                boldFont (18.0f).withExtraKerningFactor (0.3f), Colours::brass);
    drawLegend (g, "Five-circuit fuzz by Tevari", area.withY (104.0f).withHeight (16.0f), juce::Justification::centred,
                plainFont (11.0f), Colours::dialogText);

    // The panel's own label writes the version number on this line.
    const auto version = SkinGeometry::aboutVersionLine.toFloat();
    drawLegend (g, "Version", version.withX (version.getX() - 56.0f).withWidth (52.0f),
                juce::Justification::bottomRight, plainFont (11.0f), Colours::dialogText.withAlpha (0.7f));
    g.setColour (Colours::panelRule);
    g.fillRect (juce::Rectangle<float> (40.0f, version.getBottom() + 14.0f, area.getWidth() - 80.0f, 1.0f));

    const juce::StringArray credits { "Circuit modelling and DSP", "Tevari audio team", "",
                                      "Skin and artwork", "Tevari design", "",
                                      "Built with the JUCE framework" };
    auto line = juce::Rectangle<float> (0.0f, version.getBottom() + 28.0f, area.getWidth(), 15.0f);

    for (const auto& credit : credits)
    {
        drawLegend (g, credit, line, juce::Justification::centred, plainFont (11.0f), Colours::dialogText);
        line.translate (0.0f, 15.0f);
    }

    const auto notice = area.withTrimmedTop (400.0f).withHeight (70.0f).reduced (28.0f, 0.0f);
    g.setColour (Colours::dialogText.withAlpha (0.6f));
    g.setFont (plainFont (9.0f));
    g.drawFittedText ("(c) 2026 Tevari. All rights reserved.\n"
                      "Ondrel and QX2718 are names of Tevari products. This software comes without any warranty, "
                      "to the extent permitted by law.\nClick anywhere to close.",
                      notice.toNearestInt(), juce::Justification::centred, 6);
}

void paintMessagePanel (juce::Graphics& g, int w, int h)
{
    paintDarkPanel (g, frameArea (w, h));
}

void paintBrowserPanel (juce::Graphics& g, int w, int h)
{
    const auto area = frameArea (w, h);
    paintDarkPanel (g, area);
    g.setColour (Colours::brass.withAlpha (0.8f));
    g.fillRect (juce::Rectangle<float> (12.0f, browserRuleY, area.getWidth() - 24.0f, 1.5f));
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillRect (juce::Rectangle<float> (12.0f, browserRuleY + 1.5f, area.getWidth() - 24.0f, 1.0f));
}

void paintTitle (juce::Graphics& g, int w, int h, const juce::String& title)
{
    juce::ignoreUnused (h);
    drawLegend (g, title, juce::Rectangle<float> (0.0f, titleBaseline, (float) w, titleHeight),
                juce::Justification::centred, boldFont (24.0f).withExtraKerningFactor (0.12f), Colours::dialogText);
}

void paintIcon (juce::Graphics& g, int w, int h, Icon icon)
{
    juce::ignoreUnused (h);
    const auto area = iconArea (w);

    if (icon == Icon::warning)
        paintWarningTriangle (g, area);
    else
        paintErrorCross (g, area);
}

void paintDialogButton (juce::Graphics& g, int w, int h, const juce::String& label, bool pressed)
{
    const auto area = frameArea (w, h).reduced (4.0f);
    drawButtonCap (g, area, 7.0f, pressed, juce::Colour (0xff46464e), juce::Colour (0xff1f1f23));
    g.setColour (Colours::brass.withAlpha (pressed ? 0.4f : 0.7f));
    g.drawRoundedRectangle (area.reduced (3.0f).translated (0.0f, pressed ? 0.5f : -0.5f), 5.0f, 1.0f);
    drawLegend (g, label, area.translated (0.0f, pressed ? 0.5f : -0.5f), juce::Justification::centred,
                boldFont (16.0f).withExtraKerningFactor (0.06f),
                Colours::legend.withAlpha (pressed ? 0.75f : 1.0f));
}
} // namespace DialogArt
