#include "OfflineRenderer.h"

#include "shell/OndrelQX2718AudioProcessor.h"

#include <iostream>

namespace
{
void printProgress (int done, int total)
{
    constexpr int width = 40;
    const int filled = total > 0 ? (int) ((juce::int64) width * done / total) : width;
    std::cerr << "\r  [" << std::string ((size_t) filled, '#') << std::string ((size_t) (width - filled), '.') << "] "
              << (total > 0 ? (int) ((juce::int64) 100 * done / total) : 100) << "%" << std::flush;
}
}

OfflineRenderer::OfflineRenderer (double sampleRate, int blockSize, std::vector<std::pair<int, float>> settings)
    : rate (sampleRate), block (blockSize), parameterSettings (std::move (settings))
{
}

void OfflineRenderer::process (juce::AudioBuffer<float>& audio, bool showProgress) const
{
    OndrelQX2718AudioProcessor processor;
    const auto channelSet = audio.getNumChannels() == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (channelSet);
    layout.outputBuses.add (channelSet);
    processor.setBusesLayout (layout);

    // Settings made before preparation are taken up by the processor's reset,
    // so the chosen circuit and factor play from the first sample.
    for (auto [index, value] : parameterSettings)
        processor.setParameter (index, value);

    processor.setRateAndBufferSizeDetails (rate, block);
    processor.prepareToPlay (rate, block);

    const int total = audio.getNumSamples();
    const int channels = audio.getNumChannels();
    juce::AudioBuffer<float> chunk (channels, block);
    juce::MidiBuffer midi;
    const int progressStep = juce::jmax (block, total / 100);
    const bool longRender = showProgress && total > (int) (rate * 10.0);

    for (int start = 0; start < total; start += block)
    {
        const int length = juce::jmin (block, total - start);
        chunk.setSize (channels, length, false, false, true);

        for (int c = 0; c < channels; ++c)
            chunk.copyFrom (c, 0, audio, c, start, length);

        processor.processBlock (chunk, midi);

        for (int c = 0; c < channels; ++c)
            audio.copyFrom (c, start, chunk, c, 0, length);

        if (longRender && (start / block) % juce::jmax (1, progressStep / block) == 0)
            printProgress (start + length, total);
    }

    if (longRender)
    {
        printProgress (total, total);
        std::cerr << "\n";
    }

    processor.releaseResources();
}
