// ondrel-render: runs the Ondrel QX2718 processor offline on a file, or on a
// built-in riff through every circuit.
#include "OfflineRenderer.h"
#include "PluckedRiff.h"
#include "RenderOptions.h"

#include "shell/ParameterTable.h"

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate)
{
    file.getParentDirectory().createDirectory();
    file.deleteFile();
    std::unique_ptr<juce::OutputStream> stream (file.createOutputStream().release());

    if (stream == nullptr)
        return false;

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (stream.get(), sampleRate, (unsigned int) audio.getNumChannels(), 24, {}, 0));

    if (writer == nullptr)
        return false;

    stream.release(); // owned by the writer now
    return writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples());
}

int renderFile (const RenderOptions& options)
{
    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (options.input));

    if (reader == nullptr)
    {
        std::cerr << "ondrel-render: cannot read " << options.input.getFullPathName() << " as audio\n";
        return 1;
    }

    const int channels = juce::jlimit (1, 2, (int) reader->numChannels);
    juce::AudioBuffer<float> audio (channels, (int) reader->lengthInSamples);
    reader->read (&audio, 0, audio.getNumSamples(), 0, true, channels > 1);

    OfflineRenderer renderer (reader->sampleRate, options.blockSize, options.settings);
    renderer.process (audio, true);

    if (! writeWav (options.output, audio, reader->sampleRate))
    {
        std::cerr << "ondrel-render: cannot write " << options.output.getFullPathName() << "\n";
        return 1;
    }

    std::cout << "wrote " << options.output.getFullPathName() << "\n";
    return 0;
}

int renderDemo (const RenderOptions& options)
{
    const auto riff = PluckedRiff::render (options.sampleRate);

    if (! writeWav (options.outputFolder.getChildFile ("riff-dry.wav"), riff, options.sampleRate))
    {
        std::cerr << "ondrel-render: cannot write into " << options.outputFolder.getFullPathName() << "\n";
        return 1;
    }

    std::cout << "wrote " << options.outputFolder.getChildFile ("riff-dry.wav").getFullPathName() << "\n";

    for (int circuit = 0; circuit < Parameters::numCircuits; ++circuit)
    {
        auto settings = options.settings;
        settings.emplace_back (Parameters::fuzzType, (float) circuit * 0.25f);

        juce::AudioBuffer<float> audio (2, riff.getNumSamples());
        audio.copyFrom (0, 0, riff, 0, 0, riff.getNumSamples());
        audio.copyFrom (1, 0, riff, 0, 0, riff.getNumSamples());
        OfflineRenderer (options.sampleRate, options.blockSize, settings).process (audio, true);

        const auto name = juce::String (Parameters::circuitName (circuit)).toLowerCase().replaceCharacter (' ', '-');
        const auto file = options.outputFolder.getChildFile ("riff-" + name + ".wav");

        if (! writeWav (file, audio, options.sampleRate))
        {
            std::cerr << "ondrel-render: cannot write " << file.getFullPathName() << "\n";
            return 1;
        }

        std::cout << "wrote " << file.getFullPathName() << "  (" << Parameters::circuitName (circuit)
                  << ", peak " << juce::String (audio.getMagnitude (0, audio.getNumSamples()), 3) << ")\n";
    }

    return 0;
}
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    juce::StringArray arguments;

    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto options = RenderOptions::parse (arguments);

    if (options.showHelp)
    {
        std::cout << RenderOptions::usage();
        return 0;
    }

    if (options.error.isNotEmpty())
    {
        std::cerr << "ondrel-render: " << options.error << "\n\n" << RenderOptions::usage();
        return 2;
    }

    return options.input == juce::File() ? renderDemo (options) : renderFile (options);
}
