#include "EditorTestSupport.h"

#include "editor/Tevari2StateButton.h"
#include "editor/Tevari2StateKickButton.h"
#include "editor/Tevari4StateButton.h"
#include "editor/Tevari4StateButton3PDT.h"
#include "editor/TevariImage.h"
#include "editor/TevariKnob.h"
#include "editor/TevariOndrelKnob.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace
{
    constexpr int knobFrames = 101;
    constexpr int selectorFrames = 5;

    struct ValueAndFrame
    {
        double value;
        int frame;
    };

    // The selector as the editor sets it up: five positions, picture drawn at
    // (-4, 13, 113, 125), one legend per circuit name.
    struct SelectorFixture : ::testing::Test
    {
        SelectorFixture()
        {
            selector.setBounds (0, 0, 180, 136);
            selector.setRange (0.0, 1.0, 0.25);
            selector.setImage (makeStrip (selectorFrames, 113, 125), selectorFrames, -4, 13, 113, 125);

            const juce::Rectangle<int> legends[] = { { 114, 0, 24, 11 }, { 114, 17, 68, 11 }, { 114, 35, 41, 11 },
                                                     { 114, 52, 58, 11 }, { 114, 70, 30, 11 } };
            for (int i = 0; i < selectorFrames; ++i)
                selector.setHitArea (i, legends[i]);

            selector.setVisible (true);
        }

        void press (juce::Point<float> p) { selector.mouseDown (mouseEvent (selector, p)); }

        void pressDragRelease (juce::Point<float> from, juce::Point<float> to)
        {
            selector.mouseDown (mouseEvent (selector, from));
            selector.mouseDrag (mouseEvent (selector, to, from));
            selector.mouseUp (mouseEvent (selector, to, from));
        }

        TevariOndrelKnob selector { "fuzzTypeKnob_" };
    };
}

TEST (TevariKnob, ShowsFrameZeroOnlyAtMinimumAndTheLastFrameAtMaximum)
{
    TevariKnob knob ("fuzzKnob_");
    knob.setBounds (0, 0, 40, 40);
    knob.setImage (makeStrip (knobFrames, 40, 40), knobFrames);

    const ValueAndFrame cases[] = { { 0.0, 0 }, { 0.001, 1 }, { 0.5, 50 }, { 0.505, 51 }, { 1.0, 100 } };

    for (const auto& c : cases)
    {
        knob.setValue (c.value, juce::dontSendNotification);
        EXPECT_EQ (frameAtCentre (knob), c.frame) << "value " << c.value;
    }
}

TEST (TevariKnob, WithoutAnImageDrawsNothing)
{
    TevariKnob knob ("toneKnob_");
    knob.setBounds (0, 0, 40, 40);
    knob.setValue (0.7);
    EXPECT_EQ (frameAtCentre (knob), -1);
}

TEST (TevariOndrelKnob, ShowsTheFloorFrameSoItNeverRoundsUpToTheNextPosition)
{
    TevariOndrelKnob selector ("selector");
    selector.setBounds (0, 0, 50, 50);
    selector.setImage (makeStrip (selectorFrames, 50, 50), selectorFrames, 0, 0, 50, 50);

    const ValueAndFrame cases[] = { { 0.0, 0 }, { 0.3, 1 }, { 0.5, 2 }, { 0.99, 3 }, { 1.0, 4 } };

    for (const auto& c : cases)
    {
        selector.setValue (c.value, juce::dontSendNotification);
        EXPECT_EQ (frameAtCentre (selector), c.frame) << "value " << c.value;
    }
}

TEST_F (SelectorFixture, DrawsItsPictureIntoItsOwnAreaAtTheSteppedPosition)
{
    selector.setValue (0.5, juce::dontSendNotification);
    const auto shot = snapshot (selector);

    EXPECT_EQ (frameAt (shot, { 50, 70 }), 2);
    EXPECT_EQ (frameAt (shot, { 150, 70 }), -1) << "the legends are the background's, not the selector's";
}

TEST_F (SelectorFixture, PressOnALegendJumpsToItsPositionWithInclusiveEdges)
{
    struct Case
    {
        juce::Point<float> press;
        double expected;
    };

    // Corners and far edges of the legends (x + w, y + h) count; the first
    // press starts from another position so every jump is visible.
    const Case cases[] = { { { 114, 0 }, 0.0 },  { { 138, 11 }, 0.0 }, { { 182, 28 }, 0.25 }, { { 114, 17 }, 0.25 },
                           { { 155, 46 }, 0.5 }, { { 172, 63 }, 0.75 }, { { 144, 81 }, 1.0 }, { { 114, 70 }, 1.0 } };

    for (const auto& c : cases)
    {
        selector.setValue (c.expected == 0.5 ? 1.0 : 0.5, juce::dontSendNotification);
        press (c.press);
        EXPECT_DOUBLE_EQ (selector.getValue(), c.expected) << "press at " << c.press.toString();
    }
}

TEST_F (SelectorFixture, PressBesideEveryLegendChangesNothing)
{
    const juce::Point<float> misses[] = { { 139, 5 }, { 150, 14 }, { 113, 40 }, { 183, 20 }, { 175, 90 } };

    for (const auto& p : misses)
    {
        selector.setValue (0.5, juce::dontSendNotification);
        press (p);
        EXPECT_DOUBLE_EQ (selector.getValue(), 0.5) << "press at " << p.toString();
    }
}

TEST_F (SelectorFixture, DragFromALegendNeverTurnsTheKnob)
{
    // A drag on the picture first leaves the slider armed for dragging.
    selector.setValue (0.0, juce::dontSendNotification);
    pressDragRelease ({ 50, 80 }, { 50, -20 });
    ASSERT_GT (selector.getValue(), 0.0) << "a drag on the picture turns the knob";

    pressDragRelease ({ 172, 60 }, { 172, 300 });
    EXPECT_DOUBLE_EQ (selector.getValue(), 0.75);
}

TEST_F (SelectorFixture, LegendJumpTellsListenersOnTheMessageLoop)
{
    struct Counter : juce::Slider::Listener
    {
        void sliderValueChanged (juce::Slider*) override { ++calls; }
        int calls = 0;
    } counter;

    selector.addListener (&counter);
    press ({ 120, 75 });
    EXPECT_EQ (counter.calls, 0);
    deliverPostedMessages();
    EXPECT_EQ (counter.calls, 1);
    selector.removeListener (&counter);
}

//==============================================================================
namespace
{
    struct ButtonCase
    {
        bool toggledOn;
        juce::Button::ButtonState state;
        int frame;
    };

    template <typename ButtonType>
    void expectFrames (ButtonType& button, int frames, std::initializer_list<ButtonCase> cases, const char* what)
    {
        button.setBounds (0, 0, 30, 20);
        button.setImage (makeStrip (frames, 30, 20));

        for (const auto& c : cases)
        {
            button.setToggleState (c.toggledOn, juce::dontSendNotification);
            button.setState (c.state);
            EXPECT_EQ (frameAtCentre (button), c.frame)
                << what << ": on " << c.toggledOn << ", state " << (int) c.state;
        }
    }

    using S = juce::Button::ButtonState;
}

TEST (SkinnedButtons, ShowTheFramesOfTheirStates)
{
    Tevari2StateKickButton kick ("kick");
    expectFrames (kick, 2, { { false, S::buttonNormal, 0 }, { false, S::buttonOver, 0 }, { false, S::buttonDown, 1 } }, "kick");

    Tevari2StateButton toggle ("toggle");
    expectFrames (toggle, 2, { { false, S::buttonNormal, 0 }, { false, S::buttonDown, 0 }, { true, S::buttonNormal, 1 }, { true, S::buttonOver, 1 } }, "2-state toggle");

    Tevari2StateButton momentary ("momentary");
    momentary.setClickingTogglesState (false);
    expectFrames (momentary, 2, { { false, S::buttonNormal, 0 }, { false, S::buttonDown, 1 } }, "2-state momentary");

    Tevari4StateButton four ("four");
    expectFrames (four, 4, { { false, S::buttonNormal, 0 }, { false, S::buttonOver, 1 }, { true, S::buttonOver, 2 }, { true, S::buttonNormal, 3 } }, "4-state toggle");

    Tevari4StateButton fourMomentary ("fourMomentary");
    fourMomentary.setClickingTogglesState (false);
    expectFrames (fourMomentary, 4, { { false, S::buttonNormal, 0 }, { false, S::buttonOver, 1 }, { false, S::buttonDown, 2 } }, "4-state momentary");

    Tevari4StateButton3PDT footswitch ("footswitch");
    expectFrames (footswitch, 4, { { false, S::buttonNormal, 0 }, { false, S::buttonOver, 0 }, { false, S::buttonDown, 1 }, { true, S::buttonNormal, 2 }, { true, S::buttonDown, 3 } }, "footswitch");

    Tevari4StateButton3PDT momentaryFootswitch ("momentaryFootswitch");
    momentaryFootswitch.setClickingTogglesState (false);
    expectFrames (momentaryFootswitch, 4, { { false, S::buttonDown, 0 }, { true, S::buttonNormal, 0 } }, "momentary footswitch");
}

TEST (SkinnedButtons, FootswitchShowsThePressThenLatchesOnRelease)
{
    Tevari4StateButton3PDT footswitch ("bypassButton_");
    footswitch.setBounds (0, 0, 90, 99);
    footswitch.setImage (makeStrip (4, 90, 99));
    footswitch.setVisible (true);
    const auto centre = footswitch.getLocalBounds().getCentre().toFloat();

    auto& component = static_cast<juce::Component&> (footswitch);
    component.mouseDown (mouseEvent (footswitch, centre));
    EXPECT_EQ (frameAtCentre (footswitch), 1);
    EXPECT_FALSE (footswitch.getToggleState());

    component.mouseUp (mouseEvent (footswitch, centre));
    EXPECT_TRUE (footswitch.getToggleState());
    EXPECT_EQ (frameAtCentre (footswitch), 2);
}

TEST (SkinnedButtons, DisabledFourStateButtonsAreDrawnAtFortyPercent)
{
    struct Case
    {
        bool selfEnabled, parentEnabled;
        float opacity;
    };

    const Case cases[] = { { true, true, 1.0f }, { false, true, 0.4f }, { true, false, 0.4f } };
    constexpr int alphaTolerance = 2;

    for (const auto& c : cases)
    {
        juce::Component parent;
        parent.setBounds (0, 0, 90, 99);
        Tevari4StateButton3PDT footswitch ("footswitch");
        footswitch.setBounds (parent.getLocalBounds());
        footswitch.setImage (makeStrip (4, 90, 99));
        footswitch.setVisible (true);
        parent.addChildComponent (footswitch);

        footswitch.setEnabled (c.selfEnabled);
        parent.setEnabled (c.parentEnabled);

        const auto alpha = snapshot (footswitch).getPixelAt (45, 50).getAlpha();
        EXPECT_NEAR (alpha, c.opacity * 255.0f, alphaTolerance) << "self " << c.selfEnabled << ", parent " << c.parentEnabled;
    }
}

TEST (SkinnedButtons, KickButtonWithoutAnImageIsInvisibleButClickable)
{
    Tevari2StateKickButton hotSpot ("aboutShowButton_");
    hotSpot.setBounds (0, 0, 109, 58);
    int clicks = 0;
    hotSpot.onClick = [&clicks] { ++clicks; };

    EXPECT_EQ (frameAtCentre (hotSpot), -1);
    click (hotSpot);
    EXPECT_EQ (clicks, 1);
    EXPECT_FALSE (hotSpot.getToggleState()) << "a kick button springs back";
}

TEST (TevariImage, ShowsTheChosenFrameAndLeavesClicksToWhatIsBehind)
{
    TevariImage meter ("inputMeter_");
    meter.setBounds (0, 0, 77, 16);
    meter.setImage (makeStrip (11, 70, 16), 11);

    for (int frame : { 0, 4, 10 })
    {
        meter.setFrame (frame);
        EXPECT_EQ (frameAtCentre (meter), frame);
    }

    bool interceptsClicks = true, interceptsChildClicks = true;
    meter.getInterceptsMouseClicks (interceptsClicks, interceptsChildClicks);
    EXPECT_FALSE (interceptsClicks);
}
