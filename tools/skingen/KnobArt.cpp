#include "KnobArt.h"

#include "SkinGeometry.h"
#include "SkinStyle.h"

namespace KnobArt
{
namespace
{
using namespace SkinStyle;

constexpr int knurlCount = 24;

// The knob leaves a margin of its frame free for the scale printed around it.
constexpr float knobFill = 0.8f;

juce::Point<float> onCircle (juce::Point<float> centre, float radius, float angle)
{
    return { centre.x + radius * std::sin (angle), centre.y - radius * std::cos (angle) };
}

void paintDropShadow (juce::Graphics& g, juce::Point<float> centre, float radius)
{
    const auto shadowCentre = centre.translated (radius * 0.06f, radius * 0.1f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.6f), shadowCentre,
                                             juce::Colours::black.withAlpha (0.0f),
                                             shadowCentre.translated (radius * 1.16f, 0.0f), true));
    g.fillEllipse (juce::Rectangle<float> (radius * 2.32f, radius * 2.32f).withCentre (shadowCentre));
}

/** The skirt turns with the knob, so its ridges show the motion as well. */
void paintKnurledSkirt (juce::Graphics& g, juce::Point<float> centre, float radius, float angle)
{
    const auto skirt = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);
    g.setGradientFill (juce::ColourGradient (Colours::bakeliteRim.brighter (0.5f), skirt.getX(), skirt.getY(),
                                             Colours::bakelite, skirt.getRight(), skirt.getBottom(), false));
    g.fillEllipse (skirt);

    g.setColour (juce::Colours::black.withAlpha (0.55f));

    for (int i = 0; i < knurlCount; ++i)
    {
        const auto a = angle + juce::MathConstants<float>::twoPi * (float) i / (float) knurlCount;
        g.drawLine (juce::Line<float> (onCircle (centre, radius * 0.8f, a), onCircle (centre, radius - 0.5f, a)),
                    juce::jmax (1.0f, radius * 0.06f));
    }
}

/** The cap is lit from the upper left; the light does not turn with it. */
void paintCap (juce::Graphics& g, juce::Point<float> centre, float radius)
{
    const auto cap = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);
    g.setColour (juce::Colours::black);
    g.fillEllipse (cap.expanded (0.8f));

    juce::ColourGradient shade (juce::Colour (0xff4a4a50), centre.translated (-radius * 0.45f, -radius * 0.5f),
                                Colours::bakelite, centre.translated (radius * 0.6f, radius * 0.6f), true);
    g.setGradientFill (shade);
    g.fillEllipse (cap);

    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.22f), cap.getCentreX(), cap.getY(),
                                             juce::Colours::white.withAlpha (0.0f), cap.getCentreX(),
                                             cap.getCentreY(), false));
    g.fillEllipse (cap.reduced (radius * 0.12f).withTrimmedBottom (radius * 0.7f));
}

void paintPointerLine (juce::Graphics& g, juce::Point<float> centre, float inner, float outer, float angle,
                       float thickness)
{
    const juce::Line<float> line (onCircle (centre, inner, angle), onCircle (centre, outer, angle));
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.drawLine (line.withShortenedStart (-0.5f), thickness + 1.5f);
    g.setColour (Colours::pointer);
    g.drawLine (line, thickness);
}
} // namespace

float angleOfFrame (int frame)
{
    return sweepStart + (sweepEnd - sweepStart) * (float) frame / (float) (knobFrameCount - 1);
}

void paintKnob (juce::Graphics& g, juce::Rectangle<float> frame, float angle)
{
    const auto centre = frame.getCentre();
    const auto radius = juce::jmin (frame.getWidth(), frame.getHeight()) * 0.5f * knobFill;
    const auto capRadius = radius * 0.76f;

    paintDropShadow (g, centre, radius);
    paintKnurledSkirt (g, centre, radius, angle);
    paintCap (g, centre, capRadius);
    paintPointerLine (g, centre, capRadius * 0.3f, radius - 1.0f, angle, juce::jmax (2.0f, radius * 0.09f));
}

float selectorAngle (int position)
{
    using namespace SkinGeometry;
    const auto hub = selectorHubInPicture + selectorPicture().getPosition().toFloat();
    const auto legend = circuitLegend ((size_t) position).toFloat();
    const auto target = juce::Point<float> (legend.getX(), legend.getCentreY());
    return std::atan2 (target.x - hub.x, hub.y - target.y);
}

void paintSelector (juce::Graphics& g, int position)
{
    using namespace SkinGeometry;
    const auto centre = selectorHubInPicture;
    const auto angle = selectorAngle (position);
    const auto radius = selectorCapRadius;

    // A chicken-head body: a round boss with a tapered blade towards the legend.
    juce::Path blade;
    blade.startNewSubPath (-radius * 0.5f, radius * 0.1f);
    blade.quadraticTo (-radius * 0.2f, -radius * 1.2f, 0.0f, -radius * 1.45f);
    blade.quadraticTo (radius * 0.2f, -radius * 1.2f, radius * 0.5f, radius * 0.1f);
    blade.closeSubPath();
    blade.addEllipse (-radius * 0.62f, -radius * 0.62f, radius * 1.24f, radius * 1.24f);
    blade.applyTransform (juce::AffineTransform::rotation (angle).translated (centre));

    juce::DropShadow (juce::Colours::black.withAlpha (0.7f), 7, { 2, 3 }).drawForPath (g, blade);

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff55555c), centre.translated (-radius * 0.5f, -radius * 0.6f),
                                             Colours::bakelite, centre.translated (radius, radius), true));
    g.fillPath (blade);
    g.setColour (juce::Colours::white.withAlpha (0.15f));
    g.strokePath (blade, juce::PathStrokeType (1.0f));

    paintCap (g, centre, radius * 0.42f);
    paintPointerLine (g, centre, radius * 0.5f, radius * 1.32f, angle, 2.5f);
}
} // namespace KnobArt
