// The A/B channels of a program and preset documents applied to, and
// compared with, the live parameters.
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/FactoryPresets.h"
#include "shell/PresetFolder.h"
#include "shell/StateDocument.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
    /** Counts what the host hears about each parameter. */
    struct HostListener : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            ++changes[index];
            lastValue[index] = value;
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        std::map<int, int> changes;
        std::map<int, float> lastValue;
    };

    std::unique_ptr<juce::XmlElement> parse (const juce::String& text) { return juce::parseXML (text); }

    juce::String presetWith (const juce::String& propertiesAttributes, const juce::String& values)
    {
        return "<tevariPatch version=\"1.0\"><DeviceName>Ondrel QX2718</DeviceName><Properties "
               + propertiesAttributes + ">" + values + "</Properties></tevariPatch>";
    }

    juce::String value (const juce::String& id, const juce::String& text)
    {
        return "<Value property=\"" + id + "\" type=\"number\">" + text + "</Value>";
    }

    const juce::String ourProduct = "deviceProductID=\"com.tevari.OndrelQX2718\" deviceVersion=\"1.0.6\" presetVersion=\"1.0\"";

    std::array<float, Parameters::count> parametersOf (OndrelQX2718AudioProcessor& processor)
    {
        std::array<float, Parameters::count> values {};

        for (int k = 0; k < Parameters::count; ++k)
            values[(size_t) k] = processor.getParameter (k);

        return values;
    }
}

TEST (Channels, SwitchingResendsAllEightValuesAndBringsBackEachChannelExactly)
{
    OndrelQX2718AudioProcessor processor;
    processor.setParameter (Parameters::fuzz, 0.123f);
    processor.setPresetPath ("A.tqxp");

    HostListener host;
    processor.addListener (&host);
    processor.selectChannel (1);

    EXPECT_EQ (Parameters::count, (int) host.changes.size());
    EXPECT_FLOAT_EQ (0.5f, processor.getLiveValue (Parameters::fuzz));
    EXPECT_EQ (juce::String ("Init.tqxp"), processor.getPresetPath());

    processor.setParameter (Parameters::fuzz, 0.9f);
    processor.selectChannel (0);

    for (const auto& [index, count] : host.changes)
        EXPECT_EQ (2, count) << Parameters::idOf (index);

    EXPECT_EQ (0.123f, processor.getLiveValue (Parameters::fuzz));
    EXPECT_EQ (0.123f, host.lastValue[Parameters::fuzz]);
    EXPECT_EQ (juce::String ("A.tqxp"), processor.getPresetPath());
    processor.removeListener (&host);
}

TEST (Channels, CopyTakesTheValuesButNotThePathAndLeavesTheLiveSetAlone)
{
    OndrelQX2718AudioProcessor processor;
    processor.setPresetPath ("A.tqxp");
    processor.selectChannel (1);
    processor.setPresetPath ("B.tqxp");
    processor.setParameter (Parameters::tone, 0.8f);
    processor.setParameter (Parameters::fuzzType, 0.75f);

    processor.copyChannel (0, 1);
    EXPECT_EQ (1, processor.getActiveChannel());
    EXPECT_EQ (juce::String ("A.tqxp"), processor.getChannelPresetPath (0));

    processor.selectChannel (0);
    EXPECT_EQ (0.8f, processor.getParameter (Parameters::tone));
    EXPECT_EQ (0.75f, processor.getParameter (Parameters::fuzzType));
    EXPECT_EQ (juce::String ("A.tqxp"), processor.getPresetPath());

    processor.copyChannel (-4, 9);  // clamped to 0 and 1: no index leaves the record
    EXPECT_EQ (0.8f, processor.getParameter (Parameters::tone));
}

struct PresetStatusCase
{
    const char* name;
    juce::String text;
    int status;
    bool applied;
};

class PresetStatusTest : public ::testing::TestWithParam<PresetStatusCase> {};

TEST_P (PresetStatusTest, ReportsItsStatusAndAppliesOnlyWhatItMay)
{
    const auto& c = GetParam();
    OndrelQX2718AudioProcessor processor;
    const auto before = parametersOf (processor);

    EXPECT_EQ (c.status, processor.applyPresetDocument (parse (c.text)));

    if (c.applied)
    {
        EXPECT_FLOAT_EQ (0.25f, processor.getParameter (Parameters::fuzz));
        EXPECT_FLOAT_EQ (0.5f, processor.getParameter (Parameters::fuzzType));
        EXPECT_FLOAT_EQ (0.33333334f, processor.getParameter (Parameters::oversampling));
        EXPECT_EQ (0.5f, processor.getParameter (Parameters::tone));
    }
    else
    {
        EXPECT_EQ (before, parametersOf (processor));
    }
}

namespace
{
    const juce::String someValues = value ("fuzz", "0.25") + value ("fuzzType", "2") + value ("oversampling", "1") + value ("Tone", "0.9");
}

INSTANTIATE_TEST_SUITE_P (Statuses, PresetStatusTest, ::testing::Values (
    PresetStatusCase { "current", presetWith (ourProduct, someValues), 1, true },
    PresetStatusCase { "newerMinor", presetWith ("a=\"com.tevari.OndrelQX2718\" b=\"2.0\" c=\"1.1\"", someValues), 4, true },
    PresetStatusCase { "newerMajor", presetWith ("a=\"com.tevari.OndrelQX2718\" b=\"2.0\" c=\"2\"", someValues), 4, true },
    PresetStatusCase { "twoAttributes", presetWith ("a=\"com.tevari.OndrelQX2718\" b=\"1.0.6\"", someValues), 1, true },
    PresetStatusCase { "otherProduct", presetWith ("deviceProductID=\"com.tevari.Other\" b=\"1.0.6\" c=\"1.0\"", someValues), 2, false },
    PresetStatusCase { "noProperties", "<tevariPatch><DeviceName/></tevariPatch>", 0, false },
    PresetStatusCase { "otherRoot", "<patch><Properties a=\"com.tevari.OndrelQX2718\"/></patch>", 0, false },
    PresetStatusCase { "notXml", "not a preset", 0, false }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

TEST (Presets, LoadingOnChannelBLeavesChannelAUntouched)
{
    OndrelQX2718AudioProcessor processor;
    processor.setPresetPath ("Mine/A.tqxp");
    processor.setParameter (Parameters::level, 0.3f);
    processor.selectChannel (1);
    processor.setPresetPath ("Other/B.tqxp");

    EXPECT_EQ (1, processor.applyPresetDocument (parse (presetWith (ourProduct, value ("level", "0.9") + value ("onBypass", "false")))));
    EXPECT_FLOAT_EQ (0.9f, processor.getParameter (Parameters::level));
    EXPECT_EQ (0.0f, processor.getLiveValue (Parameters::onBypass));

    processor.selectChannel (0);
    EXPECT_EQ (0.3f, processor.getParameter (Parameters::level));
    EXPECT_EQ (1.0f, processor.getParameter (Parameters::onBypass));
    EXPECT_EQ (juce::String ("Mine/A.tqxp"), processor.getPresetPath());
    EXPECT_EQ (juce::String ("A"), processor.getProgramName (0));
}

TEST (Presets, DiffersFromCurrentAtOneHundredThousandthAndReadsBypassAsASwitch)
{
    OndrelQX2718AudioProcessor processor;
    const auto saved = processor.createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset)->toString();
    const auto differs = [&] { return processor.presetDiffersFromCurrent (parse (saved)); };

    EXPECT_FALSE (differs());

    processor.setParameter (Parameters::fuzz, 0.5f + 1.0e-5f);
    EXPECT_TRUE (differs());
    processor.setParameter (Parameters::fuzz, 0.5f + 5.0e-6f);
    EXPECT_FALSE (differs());
    processor.setParameter (Parameters::fuzz, 0.5f);

    processor.setParameter (Parameters::onBypass, 0.7f);
    EXPECT_FALSE (differs());
    processor.setParameter (Parameters::onBypass, 0.0f);
    EXPECT_TRUE (differs());

    EXPECT_FALSE (processor.presetDiffersFromCurrent (nullptr));
    EXPECT_FALSE (processor.presetDiffersFromCurrent (parse ("<other/>")));
}

TEST (Presets, ThePresetFormHoldsTheActiveChannelOnly)
{
    OndrelQX2718AudioProcessor processor;
    processor.selectChannel (1);
    processor.setParameter (Parameters::dryWet, 0.25f);

    const auto document = processor.createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset);
    const auto* properties = document->getChildByName ("Properties");

    ASSERT_NE (nullptr, properties);
    EXPECT_EQ (3, properties->getNumAttributes());
    EXPECT_EQ (Parameters::count, properties->getNumChildElements());
    EXPECT_EQ (juce::String ("0.25000"), properties->getChildElement (Parameters::dryWet)->getAllSubText());

    OndrelQX2718AudioProcessor other;
    EXPECT_EQ (1, other.applyPresetDocument (std::make_unique<juce::XmlElement> (*document)));
    EXPECT_EQ (0.25f, other.getParameter (Parameters::dryWet));
}
