// The hand-over between the message thread and a running audio thread:
// circuit switches, oversampling changes, bypass, knob moves and state
// restores arrive while blocks are processed, and the processor's switch
// timer and the models' own timers fire in between. Run under
// ThreadSanitizer this proves the hand-over race-free; in any build it
// proves the output stays finite and bounded.
#include "shell/OndrelQX2718AudioProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace
{
/** Processes 64-sample stereo blocks of a guitar-level tone until stopped. */
class AudioThread
{
public:
    explicit AudioThread (OndrelQX2718AudioProcessor& p) : processor (p), worker ([this] { run(); }) {}

    ~AudioThread() { stop(); }

    void stop()
    {
        running.store (false, std::memory_order_relaxed);
        if (worker.joinable())
            worker.join();
    }

    std::atomic<int> blocks { 0 };
    std::atomic<int> nonFinite { 0 };
    std::atomic<float> peak { 0.0f };

private:
    void run()
    {
        juce::AudioBuffer<float> buffer (2, 64);
        juce::MidiBuffer midi;
        double phase = 0.0;

        while (running.load (std::memory_order_relaxed))
        {
            for (int i = 0; i < 64; ++i, phase += 0.0627)
                for (int c = 0; c < 2; ++c)
                    buffer.setSample (c, i, 0.4f * (float) std::sin (phase));

            processor.processBlock (buffer, midi);
            tally (buffer);
            blocks.fetch_add (1, std::memory_order_relaxed);
        }
    }

    void tally (const juce::AudioBuffer<float>& buffer)
    {
        float blockPeak = peak.load (std::memory_order_relaxed);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const float x = buffer.getSample (c, i);
                if (! std::isfinite (x))
                    nonFinite.fetch_add (1, std::memory_order_relaxed);
                else
                    blockPeak = std::max (blockPeak, std::abs (x));
            }
        peak.store (blockPeak, std::memory_order_relaxed);
    }

    OndrelQX2718AudioProcessor& processor;
    std::atomic<bool> running { true };
    std::thread worker;
};

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

TEST (ThreadHandOver, SwitchesFadesAndStateRestoresAgainstARunningAudioThread)
{
    constexpr int rounds = 60;
    OndrelQX2718AudioProcessor processor;
    processor.prepareToPlay (48000.0, 64);

    juce::MemoryBlock savedState;
    processor.getStateInformation (savedState);

    juce::Random random (0x4a0d);
    AudioThread audio (processor);

    for (int round = 0; round < rounds; ++round)
    {
        processor.setParameterNotifyingHost (Parameters::fuzzType, random.nextFloat());
        if (round % 3 == 0)
            processor.setParameterNotifyingHost (Parameters::oversampling, (float) random.nextInt (4) / 3.0f);
        if (round % 7 == 3)
            processor.setParameterNotifyingHost (Parameters::onBypass, random.nextBool() ? 1.0f : 0.0f);
        for (int k : { Parameters::inputVol, Parameters::fuzz, Parameters::tone, Parameters::level, Parameters::dryWet })
            processor.setParameter (k, random.nextFloat());

        if (round % 10 == 9)
            processor.setStateInformation (savedState.getData(), (int) savedState.getSize());
        if (round % 10 == 4)
            processor.getStateInformation (savedState);

        // Long enough, now and then, for the 50 ms switch delay and the
        // models' 100 ms re-initialisation to come due.
        pump (round % 4 == 0 ? 160 : 12);
    }

    pump (400);
    audio.stop();

    EXPECT_GT (audio.blocks.load(), 100);
    EXPECT_EQ (audio.nonFinite.load(), 0);
    EXPECT_LT (audio.peak.load(), 8.0f);
}

TEST (ThreadHandOver, DestroyingTheProcessorWhileItsTimersAreDueIsSafe)
{
    for (int trial = 0; trial < 8; ++trial)
    {
        auto processor = std::make_unique<OndrelQX2718AudioProcessor>();
        processor->prepareToPlay (44100.0, 128);
        {
            AudioThread audio (*processor);
            processor->setParameterNotifyingHost (Parameters::fuzzType, (float) (trial % 5) * 0.25f);
            processor->setParameterNotifyingHost (Parameters::oversampling, (float) (trial % 4) / 3.0f);
            pump (40 + 10 * trial);
            audio.stop();
        }
        processor.reset();
        pump (5);
    }
    SUCCEED();
}
}
