#pragma once

// Helpers for driving skinned components headless: filmstrips whose frames
// are solid, distinct colours (so the frame on screen can be read back from a
// pixel), snapshots, and synthetic mouse events.

#include <juce_gui_basics/juce_gui_basics.h>

namespace EditorTest
{
    /** Frame k is filled with a colour whose red channel is 2k + 1 (never 0,
        so "nothing drawn" is told apart from frame 0). Up to 127 frames. */
    inline juce::Colour colourOfFrame (int k)
    {
        return juce::Colour ((juce::uint8) (2 * k + 1), (juce::uint8) 200, (juce::uint8) 60);
    }

    inline juce::Image makeStrip (int frameCount, int frameWidth, int frameHeight)
    {
        juce::Image strip (juce::Image::ARGB, frameWidth, frameCount * frameHeight, true);
        juce::Graphics g (strip);

        for (int k = 0; k < frameCount; ++k)
        {
            g.setColour (colourOfFrame (k));
            g.fillRect (0, k * frameHeight, frameWidth, frameHeight);
        }

        return strip;
    }

    /** Paints a component (and its children) into an image of its size. */
    inline juce::Image snapshot (juce::Component& c)
    {
        return c.createComponentSnapshot (c.getLocalBounds(), true, 1.0f);
    }

    /** The frame whose colour is at p in the snapshot; -1 when nothing (transparent) is there. */
    inline int frameAt (const juce::Image& shot, juce::Point<int> p)
    {
        const auto pixel = shot.getPixelAt (p.x, p.y);

        if (pixel.getAlpha() == 0)
            return -1;

        return (pixel.getRed() - 1) / 2;
    }

    inline int frameAtCentre (juce::Component& c)
    {
        return frameAt (snapshot (c), c.getLocalBounds().getCentre());
    }

    /** A left-button event at position whose press started at downPosition. */
    inline juce::MouseEvent mouseEvent (juce::Component& c, juce::Point<float> position,
                                        juce::Point<float> downPosition, int clicks = 1)
    {
        auto source = juce::Desktop::getInstance().getMainMouseSource();
        const auto now = juce::Time::getCurrentTime();
        return juce::MouseEvent (source, position, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                                 juce::MouseInputSource::defaultTiltY, &c, &c, now, downPosition, now, clicks,
                                 position != downPosition);
    }

    inline juce::MouseEvent mouseEvent (juce::Component& c, juce::Point<float> position)
    {
        return mouseEvent (c, position, position);
    }

    /** A press and release on a button's centre: the framework's click,
        toggle and listener calls happen before this returns. */
    inline void click (juce::Button& button)
    {
        button.setVisible (true);
        const auto centre = button.getLocalBounds().getCentre().toFloat();
        auto& component = static_cast<juce::Component&> (button);  // the mouse callbacks are public there
        component.mouseDown (mouseEvent (button, centre));
        component.mouseUp (mouseEvent (button, centre));
    }

    /** Runs the message loop briefly so posted messages (async notifications,
        triggerClick) are delivered. */
    inline void deliverPostedMessages (int milliseconds = 30)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    template <typename ComponentType>
    ComponentType* findChild (juce::Component& parent, const juce::String& name)
    {
        for (auto* child : parent.getChildren())
            if (child->getName() == name)
                return dynamic_cast<ComponentType*> (child);

        return nullptr;
    }
}
