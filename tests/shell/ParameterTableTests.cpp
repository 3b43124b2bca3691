#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/ParameterTable.h"
#include "shell/Vst2Capabilities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
struct TextCase
{
    int index;
    float value;
    const char* text;
};

class ParameterTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P (ParameterTextTest, HostTextFollowsTheValueLaw)
{
    const auto& c = GetParam();
    EXPECT_EQ (Parameters::textOf (c.index, c.value), juce::String (c.text));
}

INSTANTIATE_TEST_SUITE_P (AllLaws, ParameterTextTest, ::testing::Values (
    TextCase { Parameters::onBypass, 0.0f, "Off" },
    TextCase { Parameters::onBypass, 0.3f, "On" },
    TextCase { Parameters::onBypass, 1.0f, "On" },
    TextCase { Parameters::inputVol, 0.5f, "5.00" },
    TextCase { Parameters::inputVol, 1.0f, "10.00" },
    TextCase { Parameters::fuzz, 0.123f, "1.23" },
    TextCase { Parameters::tone, 0.0f, "0.00" },
    TextCase { Parameters::level, 0.9999f, "10.00" },
    TextCase { Parameters::dryWet, 1.0f, "0.00% Dry / 100.00% Wet" },
    TextCase { Parameters::dryWet, 0.5f, "50.00% Dry / 50.00% Wet" },
    TextCase { Parameters::dryWet, 0.0f, "100.00% Dry / 0.00% Wet" },
    TextCase { Parameters::fuzzType, 0.0f, "Big Fuzz" },
    TextCase { Parameters::fuzzType, 0.1f, "Sustainer Fuzz" },
    TextCase { Parameters::fuzzType, 0.25f, "Sustainer Fuzz" },
    TextCase { Parameters::fuzzType, 0.5f, "Trans Fuzz" },
    TextCase { Parameters::fuzzType, 0.75f, "Vintage Fuzz" },
    TextCase { Parameters::fuzzType, 1.0f, "Zepp Fuzz" },
    TextCase { Parameters::oversampling, 0.0f, "1x Oversampling" },
    TextCase { Parameters::oversampling, 0.33333334f, "2x Oversampling" },
    TextCase { Parameters::oversampling, 0.6666667f, "4x Oversampling" },
    TextCase { Parameters::oversampling, 1.0f, "8x Oversampling" },
    TextCase { 8, 0.5f, "" }));

TEST (IndexRule, RoundsTheProductToSinglePrecisionBeforeTheCeiling)
{
    // In double precision 3 x 0.33333334f is just above 1 and would select 4x.
    EXPECT_GT (3.0 * (double) 0.33333334f, 1.0);
    EXPECT_EQ (Parameters::oversamplingIndexOf (0.33333334f), 1);
    EXPECT_EQ (Parameters::oversamplingIndexOf (0.6666667f), 2);
    EXPECT_EQ (Parameters::oversamplingIndexOf (std::nextafter (0.0f, 1.0f)), 1);
    EXPECT_EQ (Parameters::circuitIndexOf (0.25f), 1);
    EXPECT_EQ (Parameters::circuitIndexOf (std::nextafter (0.25f, 1.0f)), 2);
    EXPECT_EQ (Parameters::circuitIndexOf (std::nextafter (0.0f, 1.0f)), 1);
}

TEST (IndexRule, OutOfRangeAndNonFiniteValuesStayInsideTheTables)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    for (float v : { -5.0f, 7.0f, nan, inf, -inf })
    {
        EXPECT_GE (Parameters::circuitIndexOf (v), 0);
        EXPECT_LE (Parameters::circuitIndexOf (v), 4);
        EXPECT_GE (Parameters::oversamplingIndexOf (v), 0);
        EXPECT_LE (Parameters::oversamplingIndexOf (v), 3);
    }

    EXPECT_EQ (Parameters::sanitise (nan), 0.0f);
    EXPECT_EQ (Parameters::sanitise (7.0f), 1.0f);
    EXPECT_EQ (Parameters::sanitise (-1.0f), 0.0f);
}

TEST (Vst2Capabilities, AnswersTheHostQueries)
{
    for (auto* no : { "receiveVstEvents", "receiveVstMidiEvent", "receiveVstMidiEvents", "sendVstEvents",
                      "sendVstMidiEvent", "sendVstMidiEvents", "openCloseAnyThread" })
        EXPECT_EQ (vst2CanDo (no), -1) << no;

    for (auto* yes : { "receiveVstTimeInfo", "conformsToWindowRules", "bypass" })
        EXPECT_EQ (vst2CanDo (yes), 1) << yes;

    EXPECT_EQ (vst2CanDo ("offline"), 0);
    EXPECT_EQ (vst2CanDo ("Bypass"), 0);
    EXPECT_EQ (vst2CanDo (nullptr), 0);
}

TEST (ProcessorParameters, HostSeesTheTableThroughParameterObjects)
{
    OndrelQX2718AudioProcessor processor;
    const auto& params = processor.getParameters();
    ASSERT_EQ (params.size(), Parameters::count);

    const float defaults[] = { 1.0f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 1.0f, 0.0f };
    const char* ids[] = { "onBypass", "inputVol", "fuzzType", "fuzz", "tone", "level", "dryWet", "oversampling" };

    for (int k = 0; k < Parameters::count; ++k)
    {
        EXPECT_EQ (params[k]->getName (64), juce::String (ids[k]));
        EXPECT_EQ (params[k]->getDefaultValue(), defaults[k]);
        EXPECT_EQ (params[k]->getValue(), defaults[k]);
        EXPECT_TRUE (params[k]->isAutomatable());
        EXPECT_TRUE (params[k]->getLabel().isEmpty());
    }

    EXPECT_EQ (processor.getParameter (8), 0.0f);
    EXPECT_EQ (processor.getParameterName (8), juce::String());
    EXPECT_EQ (processor.getNumPrograms(), 12);
    EXPECT_EQ (processor.getName(), juce::String ("Ondrel QX2718"));
}

TEST (ProcessorParameters, ValuesAreClampedAtTheBoundary)
{
    OndrelQX2718AudioProcessor processor;
    processor.setParameter (Parameters::fuzzType, 7.0f);
    EXPECT_EQ (processor.getParameter (Parameters::fuzzType), 1.0f);
    processor.setParameter (Parameters::fuzz, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ (processor.getParameter (Parameters::fuzz), 0.0f);
    processor.setParameter (8, 0.3f); // ignored
    EXPECT_EQ (processor.getParameter (8), 0.0f);
}

TEST (ProcessorParameters, HostTextReadsBackIntoTheSameValue)
{
    OndrelQX2718AudioProcessor processor;
    auto& params = processor.getParameters();

    for (int k = 0; k < Parameters::count; ++k)
    {
        for (float v : { 0.0f, 0.25f, 0.5f, 1.0f })
        {
            const auto text = params[k]->getText (v, 128);
            const float back = params[k]->getValueForText (text);
            EXPECT_EQ (params[k]->getText (back, 128), text) << k << " " << v;
        }
    }
}

TEST (ProcessorPrograms, SetCurrentProgramPushesItsValuesAndTellsTheHost)
{
    OndrelQX2718AudioProcessor processor;
    processor.setCurrentProgram (3);
    processor.setParameter (Parameters::tone, 0.9f);
    processor.setCurrentProgram (0);
    EXPECT_EQ (processor.getParameter (Parameters::tone), 0.5f);
    EXPECT_EQ (processor.getLiveValue (Parameters::tone), 0.5f);
    processor.setCurrentProgram (3);
    EXPECT_EQ (processor.getLiveValue (Parameters::tone), 0.9f);
    EXPECT_EQ (processor.getCurrentProgram(), 3);
    processor.setCurrentProgram (12); // ignored
    EXPECT_EQ (processor.getCurrentProgram(), 3);
    EXPECT_EQ (processor.getProgramName (0), juce::String ("Init"));
}
}
