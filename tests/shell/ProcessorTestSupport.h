#pragma once

#include "shell/OndrelQX2718AudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>

/** A prepared processor with helpers to run blocks of a given signal. */
struct ProcessorFixture
{
    explicit ProcessorFixture (double rate = 44100.0, int blockSize = 512, int channels = 2)
    {
        const auto set = channels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        processor.setBusesLayout (layout);
        processor.setRateAndBufferSizeDetails (rate, blockSize);
        processor.prepareToPlay (rate, blockSize);
    }

    /** Processes numSamples of signal (sample index -> value, same on every channel). */
    juce::AudioBuffer<float> run (int numSamples, const std::function<float (int)>& signal)
    {
        const int channels = processor.getTotalNumOutputChannels();
        juce::AudioBuffer<float> buffer (channels, numSamples);

        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < numSamples; ++i)
                buffer.setSample (c, i, signal (sampleCounter + i));

        sampleCounter += numSamples;
        juce::MidiBuffer midi;
        processor.processBlock (buffer, midi);
        return buffer;
    }

    juce::AudioBuffer<float> runConstant (int numSamples, float value)
    {
        return run (numSamples, [value] (int) { return value; });
    }

    OndrelQX2718AudioProcessor processor;
    int sampleCounter = 0;
};
