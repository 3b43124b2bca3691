#include "ProcessorTestSupport.h"

#include "circuits/CircuitModel.h"

#include <gtest/gtest.h>

namespace
{
float sine (int i) { return 0.3f * std::sin (0.03f * (float) i); }

void runMessageLoop (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

TEST (ProcessorSwitch, ACircuitChangeFadesTheOldCircuitOutOverTwoRamps)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::fuzzType, 0.5f);
    f.processor.applySwitch();
    EXPECT_EQ (f.processor.getTargetModelIndex(), 2);
    EXPECT_EQ (f.processor.getActiveModelIndex(), 0);

    const int crossfade = 2 * f.processor.getRampLength();
    f.run (crossfade - 512, sine);
    EXPECT_TRUE (f.processor.isCrossfading());
    EXPECT_EQ (f.processor.getActiveModelIndex(), 0);

    f.run (512, sine);
    EXPECT_FALSE (f.processor.isCrossfading());
    EXPECT_EQ (f.processor.getActiveModelIndex(), 2);
}

TEST (ProcessorSwitch, ABurstOfChangesGivesOneSwitchToTheLastValue)
{
    ProcessorFixture f (44100.0, 512);

    for (float v : { 0.25f, 0.5f, 0.75f, 1.0f })
    {
        f.processor.setParameter (Parameters::fuzzType, v);
        runMessageLoop (10);
    }

    EXPECT_TRUE (f.processor.isSwitchPending());
    EXPECT_EQ (f.processor.getTargetModelIndex(), 0);

    runMessageLoop (OndrelQX2718AudioProcessor::switchDelayMs + 40);
    EXPECT_FALSE (f.processor.isSwitchPending());
    EXPECT_EQ (f.processor.getTargetModelIndex(), 4);
}

TEST (ProcessorSwitch, ACircuitStillFadingInIsNeverResetUnderTheAudioThread)
{
    // Two switches within one (long) block: the second goes back to the
    // circuit the audio thread is still fading in, before it has taken up
    // the first. That circuit must keep its state and its fade.
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::fuzzType, 0.5f);
    f.processor.applySwitch();
    f.run (512, sine);
    ASSERT_TRUE (f.processor.isCrossfading());

    auto& fadingIn = dynamic_cast<CircuitModel&> (f.processor.getModel (2));
    const float wetBefore = fadingIn.getWetGain();
    ASSERT_GT (wetBefore, 0.0f);

    f.processor.setParameter (Parameters::fuzzType, 0.75f);
    f.processor.applySwitch();
    f.processor.setParameter (Parameters::fuzzType, 0.5f);
    f.processor.applySwitch();

    EXPECT_EQ (fadingIn.getWetGain(), wetBefore);
    f.run (512, sine);
    EXPECT_GT (fadingIn.getWetGain(), wetBefore);
    EXPECT_EQ (f.processor.getTargetModelIndex(), 2);
}

TEST (ProcessorSwitch, ChangingBackToThePlayingCircuitEndsTheCrossfade)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::fuzzType, 1.0f);
    f.processor.applySwitch();
    f.run (512, sine);
    ASSERT_TRUE (f.processor.isCrossfading());

    f.processor.setParameter (Parameters::fuzzType, 0.0f);
    f.processor.applySwitch();
    f.run (512, sine);
    EXPECT_FALSE (f.processor.isCrossfading());
    EXPECT_EQ (f.processor.getActiveModelIndex(), 0);
    EXPECT_EQ (f.processor.getTargetModelIndex(), 0);
}

TEST (ProcessorSwitch, ANewTargetDuringACrossfadeRestartsTheFade)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::fuzzType, 0.25f);
    f.processor.applySwitch();
    f.run (2048, sine);

    f.processor.setParameter (Parameters::fuzzType, 0.75f);
    f.processor.applySwitch();
    const int crossfade = 2 * f.processor.getRampLength();
    f.run (crossfade - 512, sine);
    EXPECT_TRUE (f.processor.isCrossfading());
    EXPECT_EQ (f.processor.getActiveModelIndex(), 0);
    f.run (512, sine);
    EXPECT_EQ (f.processor.getActiveModelIndex(), 3);
}

TEST (ProcessorSwitch, AChangeBeforePreparationIsTakenUpByTheResetRoutine)
{
    OndrelQX2718AudioProcessor processor;
    processor.setParameter (Parameters::fuzzType, 0.75f);
    processor.setParameter (Parameters::oversampling, 1.0f);
    processor.applySwitch(); // unprepared: does nothing
    processor.prepareToPlay (48000.0, 256);
    EXPECT_EQ (processor.getActiveModelIndex(), 3);
    EXPECT_EQ (processor.getOversamplingIndex(), 3);
    EXPECT_FALSE (processor.isCrossfading());
}

TEST (ProcessorSwitch, AnOversamplingChangeReachesTheModels)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::oversampling, 0.6666667f);
    f.processor.applySwitch();
    EXPECT_EQ (f.processor.getOversamplingIndex(), 2);

    for (int c = 0; c < Parameters::numCircuits; ++c)
        EXPECT_FLOAT_EQ (f.processor.getModel (c).getParameter (4), 2.0f / 3.0f) << c;

    auto out = f.run (512, sine);
    EXPECT_TRUE (std::isfinite (out.getSample (0, 511)));
}
}
