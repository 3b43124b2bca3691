// What the audio thread must never do: allocate, free or lock, across every
// circuit, oversampling factor, switch and bypass, at small and large blocks.
#include "AudioThreadProbe.h"

#include "shell/OndrelQX2718AudioProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <mutex>

namespace
{
void fillWithGuitarLevelSignal (juce::AudioBuffer<float>& buffer)
{
    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        buffer.setSample (0, i, 0.3f * std::sin (0.05f * (float) i));
        if (buffer.getNumChannels() > 1)
            buffer.setSample (1, i, 0.2f * std::sin (0.031f * (float) i));
    }
}

AudioThreadProbe::Counts countsDuring (OndrelQX2718AudioProcessor& processor, juce::AudioBuffer<float>& buffer, int blocks)
{
    juce::MidiBuffer midi;
    return AudioThreadProbe::countDuring ([&]
    {
        for (int b = 0; b < blocks; ++b)
            processor.processBlock (buffer, midi);
    });
}

::testing::AssertionResult clean (const AudioThreadProbe::Counts& counts)
{
    if (counts.isClean())
        return ::testing::AssertionSuccess();

    return ::testing::AssertionFailure() << counts.allocations << " allocations, " << counts.frees
                                         << " frees, " << counts.mutexLocks << " mutex locks";
}

void* volatile escape = nullptr;

class RealTimeSafety : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (! AudioThreadProbe::available())
            GTEST_SKIP() << "the sanitizers own the allocation and mutex functions in this build";
    }
};

TEST_F (RealTimeSafety, TheProbeSeesAllocationsFreesAndLocks)
{
    std::mutex mutex;
    const auto counts = AudioThreadProbe::countDuring ([&]
    {
        const std::lock_guard<std::mutex> lock (mutex);
        juce::HeapBlock<float> block (64);
        auto owned = std::make_unique<int> (3);
        // Published, so the compiler cannot drop the allocations.
        escape = block.get();
        escape = owned.get();
    });

    EXPECT_EQ (counts.allocations, 2);
    EXPECT_EQ (counts.frees, 2);
    EXPECT_EQ (counts.mutexLocks, 1);
}

TEST_F (RealTimeSafety, ProcessBlockNeverAllocatesFreesOrLocksAcrossCircuitsFactorsAndSwitches)
{
    for (int channels : { 1, 2 })
    {
        OndrelQX2718AudioProcessor processor;
        processor.setPlayConfigDetails (channels, channels, 48000.0, 256);
        processor.prepareToPlay (48000.0, 256);
        juce::AudioBuffer<float> buffer (channels, 256);
        fillWithGuitarLevelSignal (buffer);

        for (float circuit : { 0.0f, 0.25f, 0.5f, 0.75f, 1.0f })
        {
            for (float factor : { 0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f })
            {
                processor.setParameter (Parameters::fuzzType, circuit);
                processor.setParameter (Parameters::oversampling, factor);
                processor.applySwitch();

                // The crossfade and the mute fade run on the audio thread
                // while the models' timers re-initialise on this one.
                EXPECT_TRUE (clean (countsDuring (processor, buffer, 20))) << channels << " " << circuit << " " << factor;
                juce::MessageManager::getInstance()->runDispatchLoopUntil (120);

                processor.setParameter (Parameters::fuzz, factor);
                processor.setParameter (Parameters::tone, 1.0f - factor);
                processor.setParameter (Parameters::dryWet, circuit);
                processor.setParameter (Parameters::onBypass, circuit == 0.5f ? 0.0f : 1.0f);
                EXPECT_TRUE (clean (countsDuring (processor, buffer, 40))) << channels << " " << circuit << " " << factor;
            }
        }
    }
}

TEST_F (RealTimeSafety, BlocksLongerThanTheWorkBuffersAndEmptyBlocksStayClean)
{
    OndrelQX2718AudioProcessor processor;
    processor.prepareToPlay (48000.0, 512);

    for (int length : { 0, 1, 7, 20000, 40000 })
    {
        juce::AudioBuffer<float> buffer (2, length);
        fillWithGuitarLevelSignal (buffer);
        EXPECT_TRUE (clean (countsDuring (processor, buffer, 3))) << length;
    }
}
}
