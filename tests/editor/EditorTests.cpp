#include "EditorTestSupport.h"
#include "PresetFolderFixture.h"

#include "editor/OndrelQX2718AudioProcessorEditor.h"
#include "editor/TevariAlertComponent.h"
#include "editor/TevariOndrelQX2718OverwriteComponent.h"
#include "editor/TevariOndrelQX2718PresetBrowser.h"
#include "editor/TevariOndrelQX2718PresetMenu.h"
#include "editor/TevariSplashScreen.h"

using namespace EditorTest;

namespace
{
    struct ParameterLog : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            indices.add (index);
            values.set (index, value);
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        juce::SortedSet<int> indices;
        juce::HashMap<int, float> values;
    };

    struct EditorFixture : PresetFolderFixture
    {
        EditorFixture()
        {
            editor = std::make_unique<OndrelQX2718AudioProcessorEditor> (processor);
            editor->setVisible (true);
        }

        ~EditorFixture() override { editor.reset(); }

        template <typename T>
        T& child (const char* name)
        {
            auto* c = findChild<T> (*editor, name);
            EXPECT_NE (c, nullptr) << name;
            return *c;
        }

        void tick() { editor->timerCallback(); }

        TevariOndrelQX2718PresetMenu& presetMenu() { return child<TevariOndrelQX2718PresetMenu> ("presetMenu_"); }
        TevariAlertComponent& alert() { return child<TevariAlertComponent> ("alert_"); }

        std::unique_ptr<OndrelQX2718AudioProcessorEditor> editor;
    };
}

TEST_F (EditorFixture, ChildrenHaveTheirNamesAndBoundsInCreationOrder)
{
    struct Expected
    {
        const char* name;
        juce::Rectangle<int> bounds;
    };

    const Expected table[] = {
        { "fileButton_", { 6, 3, 58, 26 } },          { "presetDecButton_", { 263, 3, 29, 26 } },
        { "presetIncButton_", { 292, 3, 29, 26 } },   { "presetMenu_", { 67, 3, 192, 26 } },
        { "inputMeter_", { 5, 36, 77, 16 } },         { "inputPeak_", { 75, 36, 7, 16 } },
        { "abButton_", { 92, 35, 62, 23 } },          { "abCopyButton_", { 163, 30, 75, 25 } },
        { "bypassButton_", { 222, 400, 90, 99 } },    { "inputVolKnob_", { 22, 66, 41, 42 } },
        { "fuzzKnob_", { 17, 176, 96, 95 } },         { "toneKnob_", { 113, 176, 96, 95 } },
        { "levelKnob_", { 209, 176, 96, 95 } },       { "dryWetKnob_", { 263, 66, 41, 42 } },
        { "fuzzTypeKnob_", { 16, 288, 180, 136 } },   { "oversampling1xButton_", { 100, 107, 21, 14 } },
        { "oversampling2xButton_", { 135, 107, 21, 14 } }, { "oversampling4xButton_", { 170, 107, 21, 14 } },
        { "oversampling8xButton_", { 205, 107, 21, 14 } }, { "aboutShowButton_", { 15, 425, 109, 58 } },
        { "aboutContainer_", { 3, 0, 325, 500 } },    { "savePresetBrowser_", { 0, 0, 325, 500 } },
        { "overwritePresetComponent_", { 0, 0, 325, 500 } }, { "alert_", { 0, 0, 325, 500 } },
    };

    EXPECT_EQ (editor->getBounds().getWidth(), 325);
    EXPECT_EQ (editor->getBounds().getHeight(), 500);
    ASSERT_EQ (editor->getNumChildComponents(), (int) std::size (table));

    for (int i = 0; i < (int) std::size (table); ++i)
    {
        auto* c = editor->getChildComponent (i);
        EXPECT_EQ (c->getName(), table[i].name) << "child " << i;
        EXPECT_EQ (c->getBounds(), table[i].bounds) << table[i].name;
        EXPECT_EQ (c->isVisible(), i < 20) << table[i].name << ": overlays start hidden";
    }
}

TEST_F (EditorFixture, MeterShowsTheCeilingFrameAndTheClipLightAnyValueAboveZero)
{
    struct Case
    {
        float level;
        int meterFrame;
        float clip;
        int clipFrame;
    };

    const Case cases[] = { { 0.0f, 0, 0.0f, 0 },    { 1.0e-6f, 1, 1.0f, 1 }, { 0.1f, 1, 0.0f, 0 }, { 0.11f, 2, 0.5f, 1 },
                           { 0.95f, 10, 0.0f, 0 },  { 1.0f, 10, 1.0f, 1 },   { 3.0f, 10, 0.0f, 0 } };

    auto& meter = child<TevariImage> ("inputMeter_");
    auto& peak = child<TevariImage> ("inputPeak_");

    for (const auto& c : cases)
    {
        processor.inputLevel.store (c.level);
        processor.clipIndicator.store (c.clip);
        tick();
        EXPECT_EQ (meter.getFrame(), c.meterFrame) << "level " << c.level;
        EXPECT_EQ (peak.getFrame(), c.clipFrame) << "clip " << c.clip;
    }
}

TEST_F (EditorFixture, OversamplingButtonsAreOneRadioGroupWritingTheFourValues)
{
    const char* names[] = { "oversampling1xButton_", "oversampling2xButton_", "oversampling4xButton_", "oversampling8xButton_" };

    for (int k : { 2, 3, 1, 0, 0 })  // the last click is on the lit button again
    {
        click (child<juce::Button> (names[k]));
        EXPECT_EQ (Parameters::oversamplingIndexOf (processor.getParameter (Parameters::oversampling)), k);

        for (int j = 0; j < 4; ++j)
            EXPECT_EQ (child<juce::Button> (names[j]).getToggleState(), j == k) << names[j] << " after clicking " << names[k];
    }
}

TEST_F (EditorFixture, OpensWithTheProcessorsValuesAndFollowsItOnTheNextTick)
{
    editor.reset();
    processor.setParameter (Parameters::oversampling, 0.6666667f);
    processor.setParameter (Parameters::fuzz, 0.25f);
    processor.setParameter (Parameters::onBypass, 0.0f);
    editor = std::make_unique<OndrelQX2718AudioProcessorEditor> (processor);

    EXPECT_TRUE (child<juce::Button> ("oversampling4xButton_").getToggleState());
    EXPECT_FALSE (child<juce::Button> ("oversampling1xButton_").getToggleState());
    EXPECT_DOUBLE_EQ (child<juce::Slider> ("fuzzKnob_").getValue(), 0.25);
    EXPECT_FALSE (child<juce::Button> ("bypassButton_").getToggleState());

    tick();
    processor.setParameter (Parameters::tone, 0.75f);  // as host automation would
    tick();
    EXPECT_DOUBLE_EQ (child<juce::Slider> ("toneKnob_").getValue(), 0.75);
    EXPECT_TRUE (presetMenu().getText().endsWith ("*"));
}

TEST_F (EditorFixture, KnobsWriteTheirParametersThroughTheHost)
{
    struct Case
    {
        const char* knob;
        int parameter;
    };

    const Case cases[] = { { "inputVolKnob_", Parameters::inputVol }, { "fuzzKnob_", Parameters::fuzz }, { "toneKnob_", Parameters::tone },
                           { "levelKnob_", Parameters::level },       { "dryWetKnob_", Parameters::dryWet }, { "fuzzTypeKnob_", Parameters::fuzzType } };

    ParameterLog log;
    processor.addListener (&log);

    for (const auto& c : cases)
    {
        child<juce::Slider> (c.knob).setValue (0.75, juce::sendNotificationSync);
        EXPECT_FLOAT_EQ (processor.getParameter (c.parameter), 0.75f) << c.knob;
        EXPECT_TRUE (log.indices.contains (c.parameter)) << c.knob;
    }

    processor.removeListener (&log);
}

TEST_F (EditorFixture, SwitchingChannelsResendsAllEightParametersAndCopiesInTheShownDirection)
{
    processor.setParameter (Parameters::fuzz, 0.2f);
    processor.setPresetPath ("a-preset.tqxp");
    auto& ab = child<juce::Button> ("abButton_");

    ParameterLog log;
    processor.addListener (&log);
    click (ab);
    processor.removeListener (&log);

    EXPECT_EQ (processor.getActiveChannel(), 1);
    EXPECT_EQ (log.indices.size(), Parameters::count);
    EXPECT_EQ (presetMenu().getText(), "Init*") << "channel B's own preset";

    // B is active: the copy goes B onto A.
    processor.setParameter (Parameters::fuzz, 0.9f);
    click (child<juce::Button> ("abCopyButton_"));
    click (ab);
    EXPECT_EQ (processor.getActiveChannel(), 0);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::fuzz), 0.9f);
    EXPECT_EQ (presetMenu().getText(), "a-preset*");

    // A is active: the copy goes A onto B.
    processor.setParameter (Parameters::fuzz, 0.4f);
    click (child<juce::Button> ("abCopyButton_"));
    click (ab);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::fuzz), 0.4f);
}

TEST_F (EditorFixture, FootswitchWritesTheMasterSwitch)
{
    auto& footswitch = child<juce::Button> ("bypassButton_");
    ASSERT_TRUE (footswitch.getToggleState());

    click (footswitch);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::onBypass), 0.0f);
    click (footswitch);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::onBypass), 1.0f);
}

TEST_F (EditorFixture, StepsThroughPresetsAndWarnsAboutNewerOnes)
{
    processor.setParameter (Parameters::level, 0.3f);
    writePreset ("one.tqxp");
    const auto newer = writePreset ("two.tqxp");
    auto document = juce::parseXML (newer);
    document->getChildByName ("Properties")->setAttribute ("presetVersion", "2.0");
    document->getChildByName ("Properties")->getChildElement (5)->setAttribute ("property", "level");
    document->writeTo (newer);
    processor.setParameter (Parameters::level, 0.5f);

    presetMenu().setCurrentPreset ("one.tqxp");
    click (child<juce::Button> ("presetIncButton_"));
    EXPECT_EQ (processor.getPresetPath(), "two.tqxp");
    EXPECT_TRUE (alert().isVisible());
    EXPECT_TRUE (alert().getMessage().startsWith ("\"two.tqxp\"\nwas made using a newer version of Ondrel QX2718.\n"));
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::level), 0.3f) << "a newer preset still loads";
    alert().okPressed();

    click (child<juce::Button> ("presetIncButton_"));
    EXPECT_EQ (processor.getPresetPath(), "one.tqxp");
    EXPECT_FALSE (alert().isVisible());
}

TEST_F (EditorFixture, SavePresetAsksBeforeOverwritingAndFallsBackToTheBrowser)
{
    auto& overwrite = child<TevariOndrelQX2718OverwriteComponent> ("overwritePresetComponent_");
    auto& browser = child<TevariOndrelQX2718PresetBrowser> ("savePresetBrowser_");

    editor->performFileMenuItem (OndrelQX2718AudioProcessorEditor::savePresetItem);
    EXPECT_TRUE (browser.isVisible()) << "Init.tqxp does not exist";
    browser.cancelPressed();

    writePreset ("s/mine.tqxp");
    processor.setPresetPath ("s/mine.tqxp");
    editor->performFileMenuItem (OndrelQX2718AudioProcessorEditor::savePresetItem);
    EXPECT_TRUE (overwrite.isVisible());
    EXPECT_EQ (overwrite.getMessage(), "Are you sure you want to overwrite this preset?\n\n\"s/mine.tqxp\"");

    processor.setParameter (Parameters::tone, 0.1f);
    overwrite.okPressed();
    EXPECT_FALSE (overwrite.isVisible());
    EXPECT_FALSE (processor.presetDiffersFromCurrent (juce::parseXML (root.getChildFile ("s/mine.tqxp"))));

    processor.setPresetPath ("../../escape.tqxp");
    editor->performFileMenuItem (OndrelQX2718AudioProcessorEditor::savePresetItem);
    EXPECT_FALSE (overwrite.isVisible()) << "a stored path outside the folder is never written";
    browser.cancelPressed();
}

TEST_F (EditorFixture, MissingManualIsReportedWithTheErrorIcon)
{
    editor->performFileMenuItem (OndrelQX2718AudioProcessorEditor::userManualItem);
    EXPECT_TRUE (alert().isVisible());
    EXPECT_EQ (alert().getIconId(), 4);
    EXPECT_EQ (alert().getMessage(), "User manual on: \"" + OndrelQX2718AudioProcessorEditor::getUserManual().getFullPathName() + "\" is not available.");
    EXPECT_TRUE (OndrelQX2718AudioProcessorEditor::getUserManual().isAChildOf (documents));
    alert().okPressed();
}

TEST_F (EditorFixture, AboutPanelOpensModallyWithTheVersionAndAnyClickClosesIt)
{
    auto& about = child<TevariSplashScreen> ("aboutContainer_");
    auto& footswitch = child<juce::Button> ("bypassButton_");

    click (child<juce::Button> ("aboutShowButton_"));
    click (child<juce::Button> ("aboutShowButton_"));  // a second opening must not stack
    EXPECT_TRUE (about.isVisible());
    EXPECT_TRUE (about.getVersionText().startsWith ("1.0.6 ("));
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);

    click (footswitch);
    EXPECT_TRUE (footswitch.getToggleState()) << "controls behind the panel take no clicks";

    about.mouseDown (mouseEvent (about, { 200, 300 }));
    EXPECT_FALSE (about.isVisible());
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    click (footswitch);
    EXPECT_FALSE (footswitch.getToggleState());
}
