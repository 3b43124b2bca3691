#include "SkinStyle.h"

namespace SkinStyle
{
bool typefaceIsInstalled()
{
    const auto installed = juce::Font::findAllTypefaceStyles (typefaceName);

    for (const auto& style : typefaceStyles)
        if (! installed.contains (style))
            return false;

    return true;
}

juce::Font boldFont (float height)
{
    return juce::Font (typefaceName, "Bold", height);
}

juce::Font plainFont (float height)
{
    return juce::Font (typefaceName, "Book", height);
}

juce::Font wordmarkFont (float height)
{
    return juce::Font (typefaceName, "Bold Oblique", height);
}

void drawLegend (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                 juce::Justification justification, const juce::Font& font, juce::Colour colour)
{
    g.setFont (font);
    g.setColour (Colours::legendShadow);
    g.drawText (text, area.translated (0.0f, 1.0f), justification, false);
    g.setColour (colour);
    g.drawText (text, area, justification, false);
}

float heightToFit (const juce::String& text, float width, float maxHeight, bool bold)
{
    for (float height = maxHeight; height > 4.0f; height -= 0.25f)
    {
        const auto font = bold ? boldFont (height) : plainFont (height);

        if (font.getStringWidthFloat (text) <= width)
            return height;
    }

    return 4.0f;
}

void drawScrew (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle)
{
    const auto head = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);

    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.fillEllipse (head.translated (0.0f, 1.0f).expanded (0.6f));

    g.setGradientFill (juce::ColourGradient (Colours::chromeLight, head.getX(), head.getY(),
                                             Colours::chromeDark, head.getRight(), head.getBottom(), false));
    g.fillEllipse (head);

    juce::Path slot;
    slot.addRectangle (-radius * 0.8f, -radius * 0.16f, radius * 1.6f, radius * 0.32f);
    slot.applyTransform (juce::AffineTransform::rotation (slotAngle).translated (centre));
    g.setColour (juce::Colour (0xff2c2c30));
    g.fillPath (slot);
}

void drawLed (juce::Graphics& g, juce::Rectangle<float> area, juce::Colour lit, juce::Colour dim, bool isLit)
{
    if (isLit)
    {
        const auto halo = area.expanded (area.getWidth() * 0.8f);
        g.setGradientFill (juce::ColourGradient (lit.withAlpha (0.55f), halo.getCentreX(), halo.getCentreY(),
                                                 lit.withAlpha (0.0f), halo.getRight(), halo.getCentreY(), true));
        g.fillEllipse (halo);
    }

    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillEllipse (area.expanded (1.0f));

    const auto body = isLit ? lit : dim;
    g.setGradientFill (juce::ColourGradient (isLit ? body.brighter (0.9f) : body.brighter (0.4f),
                                             area.getCentreX(), area.getY() + area.getHeight() * 0.3f,
                                             body.darker (0.3f), area.getRight(), area.getBottom(), true));
    g.fillEllipse (area);

    g.setColour (juce::Colours::white.withAlpha (isLit ? 0.75f : 0.25f));
    g.fillEllipse (area.getX() + area.getWidth() * 0.28f, area.getY() + area.getHeight() * 0.16f,
                   area.getWidth() * 0.3f, area.getHeight() * 0.24f);
}

void drawRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour inside)
{
    g.setColour (juce::Colours::white.withAlpha (0.16f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.0f), corner);
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.fillRoundedRectangle (area, corner);
    g.setGradientFill (juce::ColourGradient (inside.darker (0.5f), 0.0f, area.getY(),
                                             inside, 0.0f, area.getY() + juce::jmin (8.0f, area.getHeight()), false));
    g.fillRoundedRectangle (area.reduced (1.0f), juce::jmax (0.0f, corner - 1.0f));
}

void drawButtonCap (juce::Graphics& g, juce::Rectangle<float> area, float corner, bool pressed,
                    juce::Colour top, juce::Colour bottom)
{
    auto cap = pressed ? area.withTrimmedTop (1.0f) : area.withTrimmedBottom (1.0f);

    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.fillRoundedRectangle (area, corner);

    const auto shade = pressed ? 0.35f : 0.0f;
    g.setGradientFill (juce::ColourGradient (top.darker (shade), 0.0f, cap.getY(),
                                             bottom.darker (shade), 0.0f, cap.getBottom(), false));
    g.fillRoundedRectangle (cap.reduced (1.0f), corner - 1.0f);

    g.setColour (juce::Colours::white.withAlpha (pressed ? 0.06f : 0.18f));
    g.drawRoundedRectangle (cap.reduced (1.5f), corner - 1.0f, 1.0f);
}

void addGrain (juce::Image& image, juce::Rectangle<int> area, float strength, juce::uint32 seed)
{
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);
    auto state = seed;

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            state = state * 1664525u + 1013904223u; // fixed LCG: the same grain on every run
            const auto noise = ((float) (state >> 24) / 255.0f - 0.5f) * strength;
            const auto colour = pixels.getPixelColour (x, y);

            if (colour.getAlpha() == 0)
                continue;

            pixels.setPixelColour (x, y, noise > 0.0f ? colour.brighter (noise) : colour.darker (-noise));
        }
    }
}

juce::Path arrowHead (juce::Point<float> centre, float size, int direction)
{
    const auto half = size * 0.5f;
    const auto d = (float) direction;
    juce::Path arrow;
    arrow.addTriangle (centre.x + d * half * 0.8f, centre.y,
                       centre.x - d * half * 0.6f, centre.y - half,
                       centre.x - d * half * 0.6f, centre.y + half);
    return arrow;
}
} // namespace SkinStyle
