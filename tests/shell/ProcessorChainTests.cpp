#include "ProcessorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float exact = 0.0f;
constexpr float meterTolerance = 1e-3f;

float sine (int i) { return 0.4f * std::sin (0.05f * (float) i); }

TEST (ProcessorPreparation, RampLengthFollowsTheRateClasses)
{
    const std::pair<double, int> cases[] = { { 22050.0, 1024 }, { 32000.0, 1024 }, { 34049.0, 1024 }, { 34050.0, 2048 },
                                             { 44100.0, 2048 }, { 67999.0, 2048 }, { 68000.0, 4096 }, { 96000.0, 4096 },
                                             { 136000.0, 8192 }, { 192000.0, 8192 } };

    for (auto [rate, length] : cases)
    {
        OndrelQX2718AudioProcessor processor;
        processor.prepareToPlay (rate, 512);
        EXPECT_EQ (processor.getRampLength(), length) << rate;
    }
}

TEST (ProcessorInputGain, ReachesItsNewGainLinearlyOverOneRamp)
{
    // A spike at the end of each block shows the gain reached at that sample in the peak meter.
    ProcessorFixture f (44100.0, 512);
    constexpr float spike = 0.25f;
    auto spikeAtEnd = [] (int i) { return (i + 1) % 512 == 0 ? spike : 0.0f; };
    f.run (512, spikeAtEnd);
    EXPECT_NEAR (f.processor.inputLevel.load(), spike, 1e-6f);

    // From unity to x2 over one ramp.
    f.processor.setParameter (Parameters::inputVol, 1.0f);
    const int ramp = f.processor.getRampLength();

    for (int done = 512; done <= ramp + 1024; done += 512)
    {
        f.run (512, spikeAtEnd);
        const float expectedGain = 1.0f + (float) juce::jmin (done, ramp) / (float) ramp;
        EXPECT_NEAR (f.processor.inputLevel.load(), spike * expectedGain, 1e-5f) << done;
    }
}

TEST (ProcessorMeter, DecaysWithATwoHundredMillisecondTimeConstant)
{
    constexpr double rate = 48000.0;
    ProcessorFixture f (rate, 480);
    f.run (480, [] (int i) { return i == 479 ? 0.8f : 0.0f; });
    EXPECT_NEAR (f.processor.inputLevel.load(), 0.8f, 1e-6f);

    const int silence = 4800; // 100 ms
    for (int done = 0; done < silence; done += 480)
        f.runConstant (480, 0.0f);

    EXPECT_NEAR (f.processor.inputLevel.load(), 0.8f * std::exp (-0.1f / 0.2f), meterTolerance);
}

TEST (ProcessorMeter, ClipLightStaysOnForFiveSecondsOfAnnouncedBlocks)
{
    constexpr int block = 441; // 500 blocks make five seconds at 44.1 kHz
    ProcessorFixture f (44100.0, block);

    f.runConstant (block, 0.1f);
    EXPECT_EQ (f.processor.clipIndicator.load(), 0.0f);

    f.run (block, [] (int i) { return i % 100 == 0 ? 1.0f : 0.0f; });
    EXPECT_EQ (f.processor.clipIndicator.load(), 1.0f);

    int litBlocks = 1;
    for (; litBlocks < 600 && f.processor.clipIndicator.load() == 1.0f; ++litBlocks)
        f.runConstant (block, 0.0f);

    EXPECT_GE (litBlocks, 499);
    EXPECT_LE (litBlocks, 502);
}

TEST (ProcessorMeter, AnAnnouncedBlockSizeOfZeroKeepsTheClipStepFinite)
{
    OndrelQX2718AudioProcessor processor;
    processor.prepareToPlay (44100.0, 0);
    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();
    buffer.setSample (0, 0, 1.0f);
    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);
    EXPECT_EQ (processor.clipIndicator.load(), 1.0f);
    processor.processBlock (buffer, midi);
    EXPECT_TRUE (std::isfinite (buffer.getSample (0, 1)));
}

TEST (ProcessorMasterSwitch, FadesToTheDryInputThenPassesBlocksUntouched)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::inputVol, 1.0f); // wet differs from dry
    f.run (4096, sine);

    f.processor.setParameter (Parameters::onBypass, 0.0f);
    const int ramp = f.processor.getRampLength();
    const int start = f.sampleCounter;
    auto out = f.run (ramp + 256, sine);

    // Still mixing during the ramp, exactly dry once the wet fraction reached 0.
    EXPECT_NE (out.getSample (0, ramp / 2), sine (start + ramp / 2));
    for (int i = ramp; i < ramp + 256; ++i)
        ASSERT_EQ (out.getSample (0, i), sine (start + i)) << i;

    // The next block starts fully dry: nothing runs, the meter is cleared.
    auto untouched = f.run (512, sine);
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ (untouched.getSample (1, i), sine (f.sampleCounter - 512 + i));

    EXPECT_EQ (f.processor.inputLevel.load(), 0.0f);
    EXPECT_EQ (f.processor.clipIndicator.load(), 0.0f);
}

TEST (ProcessorMasterSwitch, DryWetZeroGivesTheInputAtOneTimesOversampling)
{
    ProcessorFixture f (44100.0, 512);
    f.processor.setParameter (Parameters::dryWet, 0.0f);
    f.processor.setParameter (Parameters::inputVol, 1.0f);
    f.run (f.processor.getRampLength(), sine);
    auto out = f.run (512, sine);

    for (int i = 0; i < 512; ++i)
        ASSERT_FLOAT_EQ (out.getSample (0, i), sine (f.sampleCounter - 512 + i));
}

TEST (ProcessorRobustness, UnpreparedOrReleasedProcessorLeavesBlocksUntouched)
{
    OndrelQX2718AudioProcessor processor;
    juce::AudioBuffer<float> buffer (2, 256);
    for (int i = 0; i < 256; ++i)
        buffer.setSample (0, i, sine (i)), buffer.setSample (1, i, -sine (i));

    juce::MidiBuffer midi;
    auto copy = buffer;
    processor.processBlock (buffer, midi);
    EXPECT_EQ (buffer.getSample (0, 100), copy.getSample (0, 100));

    processor.prepareToPlay (44100.0, 256);
    processor.releaseResources();
    processor.processBlock (buffer, midi);

    for (int i = 0; i < 256; ++i)
        ASSERT_EQ (buffer.getSample (1, i), copy.getSample (1, i));
}

TEST (ProcessorRobustness, ABlockLongerThanTheBuffersRunsAsChunks)
{
    constexpr int longBlock = 40000;
    ProcessorFixture whole (44100.0, 512);
    ProcessorFixture pieces (44100.0, 512);

    auto a = whole.run (longBlock, sine);

    juce::AudioBuffer<float> b (2, longBlock);
    for (int start : { 0, 16384, 32768 })
    {
        const int length = juce::jmin (16384, longBlock - start);
        auto part = pieces.run (length, sine);
        for (int c = 0; c < 2; ++c)
            b.copyFrom (c, start, part, c, 0, length);
    }

    for (int i = 0; i < longBlock; ++i)
        ASSERT_EQ (a.getSample (0, i), b.getSample (0, i)) << i;
}

TEST (ProcessorRobustness, NonFiniteInputIsSilencedAtTheEntry)
{
    ProcessorFixture f (44100.0, 256);
    auto out = f.run (256, [] (int i) { return i % 3 == 0 ? std::numeric_limits<float>::quiet_NaN()
                                                          : (i % 3 == 1 ? std::numeric_limits<float>::infinity() : 0.1f); });

    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE (std::isfinite (out.getSample (0, i)));

    auto after = f.run (256, sine);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE (std::isfinite (after.getSample (1, i)));
}

TEST (ProcessorMono, MonoLayoutProcessesOneChannel)
{
    ProcessorFixture f (48000.0, 128, 1);
    ASSERT_EQ (f.processor.getTotalNumInputChannels(), 1);
    auto out = f.run (128, sine);
    EXPECT_EQ (out.getNumChannels(), 1);
    EXPECT_TRUE (std::isfinite (out.getSample (0, 127)));
}

TEST (ProcessorLayouts, AcceptsMonoAndStereoPairsOnly)
{
    OndrelQX2718AudioProcessor processor;
    auto layout = [] (juce::AudioChannelSet in, juce::AudioChannelSet out)
    {
        juce::AudioProcessor::BusesLayout l;
        l.inputBuses.add (in);
        l.outputBuses.add (out);
        return l;
    };

    EXPECT_TRUE (processor.checkBusesLayoutSupported (layout (juce::AudioChannelSet::mono(), juce::AudioChannelSet::mono())));
    EXPECT_TRUE (processor.checkBusesLayoutSupported (layout (juce::AudioChannelSet::stereo(), juce::AudioChannelSet::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (layout (juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (layout (juce::AudioChannelSet::create5point1(), juce::AudioChannelSet::create5point1())));
}
}
