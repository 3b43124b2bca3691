#include "RenderOptions.h"

#include "shell/ParameterTable.h"

namespace
{
juce::String parameterList()
{
    juce::StringArray ids;
    for (int k = 0; k < Parameters::count; ++k)
        ids.add (Parameters::idOf (k));
    return ids.joinIntoString (", ");
}

bool parseSetting (const juce::String& text, RenderOptions& options)
{
    const auto id = text.upToFirstOccurrenceOf ("=", false, false).trim();
    const auto value = text.fromFirstOccurrenceOf ("=", false, false).trim();
    const int index = Parameters::indexOf (id);

    if (index < 0 || value.isEmpty() || ! value.containsOnly ("0123456789.-+eE"))
    {
        options.error = "bad --set '" + text + "': expected ID=VALUE with ID one of " + parameterList()
                      + " and VALUE a number from 0 to 1";
        return false;
    }

    options.settings.emplace_back (index, Parameters::sanitise (value.getFloatValue()));
    return true;
}
}

RenderOptions RenderOptions::parse (const juce::StringArray& arguments)
{
    RenderOptions options;

    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        auto next = [&] { return arguments[++i]; };

        if (arg == "-h" || arg == "--help")
            options.showHelp = true;
        else if (arg == "--in" && hasValue)
            options.input = juce::File::getCurrentWorkingDirectory().getChildFile (next());
        else if (arg == "--out" && hasValue)
            options.output = juce::File::getCurrentWorkingDirectory().getChildFile (next());
        else if (arg == "--out-dir" && hasValue)
            options.outputFolder = juce::File::getCurrentWorkingDirectory().getChildFile (next());
        else if (arg == "--rate" && hasValue)
            options.sampleRate = next().getDoubleValue();
        else if (arg == "--block" && hasValue)
            options.blockSize = next().getIntValue();
        else if (arg == "--set" && hasValue)
        {
            if (! parseSetting (next(), options))
                return options;
        }
        else
        {
            options.error = "unknown or incomplete option '" + arg + "'";
            return options;
        }
    }

    if (options.sampleRate < 8000.0 || options.sampleRate > 768000.0)
        options.error = "--rate must lie between 8000 and 768000 Hz";
    else if (options.blockSize < 1 || options.blockSize > 65536)
        options.error = "--block must lie between 1 and 65536";
    else if (options.input != juce::File() && ! options.input.existsAsFile())
        options.error = "no such input file: " + options.input.getFullPathName();

    if (options.input != juce::File() && options.output == juce::File())
        options.output = options.input.getSiblingFile (options.input.getFileNameWithoutExtension() + "-ondrel.wav");

    if (options.outputFolder == juce::File())
        options.outputFolder = juce::File::getCurrentWorkingDirectory().getChildFile ("ondrel-demo");

    return options;
}

juce::String RenderOptions::usage()
{
    return "usage: ondrel-render [--in FILE] [--out FILE] [--out-dir DIR] [--rate HZ] [--block N] [--set ID=VALUE]...\n"
           "\n"
           "Runs the Ondrel QX2718 fuzz offline. With --in, renders a WAV, AIFF or FLAC file into a WAV file\n"
           "(default: <input>-ondrel.wav). Without --in, renders a built-in plucked-guitar riff through each of\n"
           "the five circuits into DIR (default ./ondrel-demo).\n"
           "Parameters are normalised 0..1: " + parameterList() + ".\n"
           "Examples: --set fuzz=0.7 --set fuzzType=0.5 --set oversampling=1\n";
}
