#include "shell/OndrelQX2718AudioProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
thread_local bool countingThisThread = false;
std::atomic<int> allocations { 0 };
}

void* operator new (std::size_t size)
{
    if (countingThisThread)
        allocations.fetch_add (1, std::memory_order_relaxed);

    if (void* p = std::malloc (size == 0 ? 1 : size))
        return p;

    throw std::bad_alloc();
}

void operator delete (void* p) noexcept
{
    if (countingThisThread && p != nullptr)
        allocations.fetch_add (1, std::memory_order_relaxed);

    std::free (p);
}

void operator delete (void* p, std::size_t) noexcept { operator delete (p); }

namespace
{
/** Counts every global allocation and free while processing blocks. */
int allocationsDuring (OndrelQX2718AudioProcessor& processor, juce::AudioBuffer<float>& buffer, int blocks)
{
    juce::MidiBuffer midi;
    allocations = 0;
    countingThisThread = true;

    for (int b = 0; b < blocks; ++b)
        processor.processBlock (buffer, midi);

    countingThisThread = false;
    return allocations.load();
}

TEST (RealTimeSafety, ProcessBlockNeverAllocatesAcrossCircuitsFactorsAndSwitches)
{
    OndrelQX2718AudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    juce::AudioBuffer<float> buffer (2, 256);

    for (int i = 0; i < 256; ++i)
        buffer.setSample (0, i, 0.3f * std::sin (0.05f * (float) i)), buffer.setSample (1, i, 0.2f);

    for (float circuit : { 0.0f, 0.25f, 0.5f, 0.75f, 1.0f })
    {
        for (float factor : { 0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f })
        {
            processor.setParameter (Parameters::fuzzType, circuit);
            processor.setParameter (Parameters::oversampling, factor);
            processor.applySwitch();
            juce::MessageManager::getInstance()->runDispatchLoopUntil (120); // the models' own timers
            processor.setParameter (Parameters::fuzz, factor);
            processor.setParameter (Parameters::onBypass, circuit == 0.5f ? 0.0f : 1.0f);
            EXPECT_EQ (allocationsDuring (processor, buffer, 40), 0) << circuit << " " << factor;
        }
    }
}
}
