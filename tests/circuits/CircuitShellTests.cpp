// The shell's fade state machine, driven on a Big Fuzz model with its timer
// ticked by hand, so the message-thread steps happen at known points.

#include "CircuitTestSupport.h"

#include "circuits/BigMuffFuzz.h"

#include <gtest/gtest.h>

using namespace circuit_test;

namespace
{
    // A quarter-second fade accumulates 1/11025 in single precision; the
    // sum may reach 1 a sample early or late.
    constexpr int accumulationSlack = 2;
    constexpr int quarterSecond = 11025;

    class ShellFixture : public ::testing::Test
    {
    protected:
        void SetUp() override { prepare (model, testRate, 0); }

        void runUntilActive()
        {
            runMono (model, 4097);
            ASSERT_EQ (model.getFadeMode(), CircuitModel::active);
        }

        void requestFactor (int index)
        {
            model.setParameter (4, (float) index / 3.0f);
            model.applyParameter (4);
        }

        void bypass (bool off)
        {
            model.setParameter (0, off ? 0.0f : 1.0f);
            model.applyParameter (0);
        }

        BigMuffFuzz model;
    };
}

TEST_F (ShellFixture, RestartFadesInFromSilenceOver4096Samples)
{
    EXPECT_EQ (model.getFadeMode(), CircuitModel::unmuteFade);
    EXPECT_EQ (model.getFadeLength(), 4096);
    runMono (model, 4096);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::unmuteFade);
    EXPECT_FLOAT_EQ (model.getWetGain(), 1.0f);
    runMono (model, 1);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::active);
}

TEST_F (ShellFixture, EngageFadesOver2048SamplesAndBypassPassesAudioThrough)
{
    runUntilActive();
    bypass (true);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassFade);
    EXPECT_EQ (model.getFadeLength(), 2048);
    runMono (model, 2049);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassed);

    std::vector<float> block (64, 0.25f);
    model.processMono (block.data(), (int) block.size());
    for (float s : block)
        EXPECT_EQ (s, 0.25f);

    bypass (false);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::engageFade);
    EXPECT_FLOAT_EQ (model.getWetGain(), 0.0f);
    runMono (model, 1024);
    EXPECT_FLOAT_EQ (model.getWetGain(), 0.5f);
    runMono (model, 1024);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::engageFade);
    runMono (model, 1);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::active);
}

TEST_F (ShellFixture, OversamplingChangeMutesWaitsForTheTimerAndFadesBackIn)
{
    runUntilActive();
    requestFactor (3);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::muteFade);
    EXPECT_EQ (model.getFadeLength(), quarterSecond);

    runMono (model, quarterSecond - accumulationSlack);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::muteFade);
    model.timerCallback(); // too early: the fade still runs the chain
    EXPECT_EQ (model.diode.getActiveIndex(), 0);

    runMono (model, 2 * accumulationSlack + 1);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::muted);

    std::vector<float> block (64, 0.25f);
    model.processMono (block.data(), (int) block.size());
    for (float s : block)
        EXPECT_EQ (s, 0.0f);
    EXPECT_TRUE (model.isSilenced());

    model.timerCallback();
    EXPECT_EQ (model.diode.getActiveIndex(), 3);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::unmuteFade);
    EXPECT_FALSE (model.isTimerRunning());

    runMono (model, quarterSecond - accumulationSlack);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::unmuteFade);
    runMono (model, 2 * accumulationSlack + 1);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::active);
}

TEST_F (ShellFixture, OversamplingChangeWhileBypassedReinitialisesAtTheFirstTick)
{
    prepare (model, testRate, 0, 0.5f, 0.5f, 0.5f, false);
    ASSERT_EQ (model.getFadeMode(), CircuitModel::bypassed);
    requestFactor (2);
    EXPECT_TRUE (model.isSilenced());

    std::vector<float> block (64, 0.25f);
    model.processMono (block.data(), (int) block.size());
    for (float s : block)
        EXPECT_EQ (s, 0.25f);

    model.timerCallback();
    EXPECT_EQ (model.diode.getActiveIndex(), 2);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassed);
}

TEST_F (ShellFixture, OversamplingChangeDuringBypassFadeWaitsUntilTheFadeEnds)
{
    runUntilActive();
    bypass (true);
    runMono (model, 100);
    requestFactor (1);
    ASSERT_TRUE (model.isSilenced());

    // The chain still runs: a tick now must not touch the clipping stage.
    model.timerCallback();
    EXPECT_EQ (model.diode.getActiveIndex(), 0);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassFade);
    EXPECT_TRUE (model.isTimerRunning());

    runMono (model, quarterSecond + accumulationSlack);
    ASSERT_EQ (model.getFadeMode(), CircuitModel::bypassed);
    model.timerCallback();
    EXPECT_EQ (model.diode.getActiveIndex(), 1);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassed);
}

TEST_F (ShellFixture, ZeroLengthBlocksChangeNothingButMutedStillReportsSilence)
{
    runMono (model, 0);
    EXPECT_FLOAT_EQ (model.getWetGain(), 0.0f);
    EXPECT_EQ (model.getFadeMode(), CircuitModel::unmuteFade);

    runUntilActive();
    requestFactor (1);
    runMono (model, quarterSecond + accumulationSlack + 1);
    ASSERT_EQ (model.getFadeMode(), CircuitModel::muted);
    model.timerCallback(); // not silenced yet: no block seen in the muted mode
    EXPECT_EQ (model.diode.getActiveIndex(), 0);
    float dummy = 0.0f;
    model.processMono (&dummy, 0);
    EXPECT_TRUE (model.isSilenced());
}

TEST (ShellRateClasses, BoundaryRatesTakeTheLongerLengths)
{
    struct Case { float rate; int engageLength; };
    const Case cases[] = { { 34049.0f, 1024 }, { 34050.0f, 2048 }, { 67999.0f, 2048 },
                           { 68000.0f, 4096 }, { 135999.0f, 4096 }, { 136000.0f, 8192 } };

    for (const auto& c : cases)
    {
        BigMuffFuzz model;
        prepare (model, c.rate, 0);
        EXPECT_EQ (model.getFadeLength(), 2 * c.engageLength) << c.rate;
        model.setParameter (0, 0.0f);
        model.applyParameter (0);
        EXPECT_EQ (model.getFadeLength(), c.engageLength) << c.rate;
    }
}

TEST (ShellParameters, NamesDefaultsAndSafeIndices)
{
    BigMuffFuzz model;
    const char* names[] = { "Bypass", "Fuzz", "Tone", "Level", "NumOverSampling" };
    const float defaults[] = { 1.0f, 0.5f, 0.5f, 0.5f, 0.0f };

    for (int i = 0; i < 5; ++i)
    {
        EXPECT_STREQ (model.getParameterName (i), names[i]);
        EXPECT_EQ (model.getDefaultParameterValue (i), defaults[i]);
        EXPECT_EQ (model.getParameter (i), defaults[i]);
    }

    EXPECT_STREQ (model.getParameterName (5), "");
    model.setParameter (7, 1.0f);  // ignored
    model.setParameter (-1, 1.0f); // ignored
    model.setParameter (4, 5.0f);  // clamped to the largest factor
    EXPECT_EQ (model.getOversamplingIndex(), 3);
    model.setParameter (4, -1.0f);
    EXPECT_EQ (model.getOversamplingIndex(), 0);
}

TEST (ShellConstruction, UnsetFieldsHaveDefinedValues)
{
    BigMuffFuzz model;
    EXPECT_EQ (model.getFadeMode(), CircuitModel::bypassed);
    EXPECT_FALSE (model.isEngaged());
    EXPECT_EQ (model.getDryGain(), 1.0f);
    EXPECT_EQ (model.getWetGain(), 0.0f);
    EXPECT_EQ (model.getFadeLength(), 4096);
}

TEST (ShellBlocks, OversizedBlockIsProcessedAfterReallocation)
{
    BigMuffFuzz model;
    prepare (model, testRate, 0);
    model.setMaxBlockSize (16);
    std::vector<float> block (64, 0.1f);
    model.processMono (block.data(), (int) block.size());
    EXPECT_EQ (model.getMaxBlockSize(), 64);
}
