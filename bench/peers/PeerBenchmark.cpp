// Our built LV2 and VST3 beside three of Debian's guitarix LV2 effects, every
// one hosted through JUCE's own format clients and fed the same guitar-level
// signal at 48 kHz in 64- and 512-sample blocks. Prints a table of thread CPU
// time per second of audio (best of a few repetitions), the real-time factor
// and per-channel ratios, then the two targets:
//   - our Big Fuzz at 1x costs no more per channel than the fastest guitarix
//     fuzz measured;
//   - every circuit at 8x costs at most three times as much per channel.
//
// Run by hand: ondrel-bench-peers [--seconds S] [--repetitions N] [--only NAME]

#include "support/GuitarSignal.h"
#include "support/IsolatedLv2Format.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <memory>
#include <vector>

namespace
{
    constexpr double rate = 48000.0;
    constexpr int blockSizes[] = { 64, 512 };
    constexpr double signalSeconds = 8.0;
    constexpr double warmUpSeconds = 0.5;
    constexpr double settleAudioSeconds = 1.5;
    constexpr int settleWallMs = 400;
    constexpr double fuzzTargetRatio = 1.0;
    constexpr double oversampledTargetRatio = 3.0;

    const char* const gxFuzzUri = "http://guitarix.sourceforge.net/plugins/gx_fuzz_#fuzz_";
    const char* const gxMultiBandDistortionUri = "http://guitarix.sourceforge.net/plugins/gx_mbdistortion_#_mbdistortion_";
    const char* const gxAmplifierUri = "http://guitarix.sourceforge.net/plugins/gx_amp#GUITARIX";

    const char* const circuitNames[] = { "Big Fuzz", "Sustainer Fuzz", "Trans Fuzz", "Vintage Fuzz", "Zepp Fuzz" };
    constexpr int numCircuits = 5;

    double cpuSeconds (clockid_t clock)
    {
        timespec now {};
        clock_gettime (clock, &now);
        return (double) now.tv_sec + 1e-9 * (double) now.tv_nsec;
    }

    double threadSeconds() { return cpuSeconds (CLOCK_THREAD_CPUTIME_ID); }
    double processSeconds() { return cpuSeconds (CLOCK_PROCESS_CPUTIME_ID); }

    void pump (int milliseconds) { juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds); }

    juce::LV2PluginFormat& lv2Format() { return isolatedLv2Format (ONDREL_LV2_BUNDLE); }

    juce::VST3PluginFormat& vst3Format()
    {
        static juce::VST3PluginFormat format;
        return format;
    }

    /** One plug-in binary as the table names it, and how to make an instance. */
    struct Subject
    {
        juce::String plugin;
        juce::String format;
        int channels = 2;
        bool ours = false;
        bool fuzzPeer = false;
        juce::String identifier;  // LV2 URI or VST3 bundle path

        juce::AudioPluginFormat& client() const
        {
            return format == "VST3" ? static_cast<juce::AudioPluginFormat&> (vst3Format()) : lv2Format();
        }

        std::unique_ptr<juce::AudioPluginInstance> load (int blockSize, juce::String& error) const
        {
            juce::OwnedArray<juce::PluginDescription> found;
            client().findAllTypesForFile (found, identifier);

            if (found.isEmpty())
            {
                error = "not found: " + identifier;
                return nullptr;
            }

            auto instance = client().createInstanceFromDescription (*found[0], rate, blockSize, error);

            if (instance == nullptr)
                return nullptr;

            const auto set = channels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
            juce::AudioProcessor::BusesLayout layout;
            layout.inputBuses.add (set);
            layout.outputBuses.add (set);

            // A mono-only LV2 comes with one discrete input and output channel,
            // which is the layout asked for even if the channel sets differ.
            const bool hasChannels = instance->getTotalNumInputChannels() == channels
                                     && instance->getTotalNumOutputChannels() == channels;

            if (! hasChannels && ! instance->setBusesLayout (layout))
            {
                error = "refuses the layout; it has " + juce::String (instance->getTotalNumInputChannels()) + " in, "
                        + juce::String (instance->getTotalNumOutputChannels()) + " out";
                return nullptr;
            }

            instance->setRateAndBufferSizeDetails (rate, blockSize);
            instance->prepareToPlay (rate, blockSize);
            return instance;
        }
    };

    /** Plays the guitar signal into an instance, block after block. */
    class Player
    {
    public:
        Player (juce::AudioPluginInstance& pluginToPlay, int numChannels, int samplesPerBlock)
            : plugin (pluginToPlay), blockSize (samplesPerBlock), buffer (numChannels, samplesPerBlock)
        {
        }

        /** Processes about `seconds` of audio; returns the thread CPU seconds spent in processBlock. */
        double play (double seconds, int pumpMsBetweenBlocks = 0)
        {
            const auto blocks = (int) std::ceil (seconds * rate / blockSize);
            double spent = 0.0;

            for (int block = 0; block < blocks; ++block)
            {
                fill();
                const double start = threadSeconds();
                plugin.processBlock (buffer, midi);
                spent += threadSeconds() - start;
                midi.clear();

                if (pumpMsBetweenBlocks > 0)
                    pump (pumpMsBetweenBlocks);
            }

            return spent;
        }

        double secondsOf (double seconds) const { return std::ceil (seconds * rate / blockSize) * blockSize / rate; }

    private:
        void fill()
        {
            static const std::vector<float> signal = GuitarSignal::make (rate, signalSeconds);

            for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
            {
                float* samples = buffer.getWritePointer (channel);

                for (int i = 0; i < blockSize; ++i)
                    samples[i] = signal[(position + (size_t) i) % signal.size()];
            }

            position = (position + (size_t) blockSize) % signal.size();
        }

        juce::AudioPluginInstance& plugin;
        int blockSize;
        juce::AudioBuffer<float> buffer;
        juce::MidiBuffer midi;
        size_t position = 0;
    };

    juce::AudioProcessorParameter* parameterNamed (juce::AudioPluginInstance& plugin, const juce::String& name)
    {
        for (auto* parameter : plugin.getParameters())
            if (parameter->getName (64) == name)
                return parameter;

        return nullptr;
    }

    /** Sets our fuzzType and oversampling through the host, then plays with the
        message loop running, so that the switch and the models' timers fire
        and every fade ends. */
    bool selectOurSetting (juce::AudioPluginInstance& plugin, Player& player, int circuit, bool eightTimes)
    {
        auto* fuzzType = parameterNamed (plugin, "fuzzType");
        auto* oversampling = parameterNamed (plugin, "oversampling");

        if (fuzzType == nullptr || oversampling == nullptr)
            return false;

        fuzzType->setValueNotifyingHost ((float) circuit / 4.0f);
        oversampling->setValueNotifyingHost (eightTimes ? 1.0f : 0.0f);

        const auto start = juce::Time::getMillisecondCounter();
        double played = 0.0;

        while (played < settleAudioSeconds || juce::Time::getMillisecondCounter() - start < (juce::uint32) settleWallMs)
        {
            player.play (0.05, 1);
            played += 0.05;
        }

        return true;
    }

    struct Row
    {
        juce::String plugin, format, setting;
        int channels = 2;
        int blockSize = 512;
        bool ours = false, fuzzPeer = false;
        int circuit = -1;
        bool eightTimes = false;
        double cpuPerAudioSecond = 0.0;    // whole instance, CPU seconds per second of audio
        double otherThreadsPerAudioSecond = 0.0;  // CPU of the process's other threads meanwhile

        double perChannel() const { return cpuPerAudioSecond / channels; }
    };

    struct Options
    {
        // Many short repetitions: the best of them is the one least disturbed
        // by other work on the machine.
        double seconds = 1.0;
        int repetitions = 10;
        juce::String only;  // measure only the plug-ins whose name contains this
    };

    struct Measurement
    {
        double cpuPerAudioSecond = std::numeric_limits<double>::max();
        double otherThreadsPerAudioSecond = 0.0;
    };

    /** Warm-up, then the best of the repetitions. Besides processBlock on
        this thread, it notes what the process's other threads spent in the
        same time, since a plug-in may hand work to threads of its own. */
    Measurement measure (Player& player, const Options& options)
    {
        player.play (warmUpSeconds);
        Measurement best;

        for (int repetition = 0; repetition < options.repetitions; ++repetition)
        {
            const double threadStart = threadSeconds(), processStart = processSeconds();
            const double inProcessBlock = player.play (options.seconds);
            const double thisThread = threadSeconds() - threadStart, wholeProcess = processSeconds() - processStart;
            const double audioSeconds = player.secondsOf (options.seconds);

            if (inProcessBlock / audioSeconds < best.cpuPerAudioSecond)
                best = { inProcessBlock / audioSeconds, std::max (0.0, wholeProcess - thisThread) / audioSeconds };
        }

        return best;
    }

    void measureSubject (const Subject& subject, const Options& options, std::vector<Row>& rows)
    {
        for (int blockSize : blockSizes)
        {
            juce::String error;
            auto plugin = subject.load (blockSize, error);

            if (plugin == nullptr)
            {
                std::fprintf (stderr, "%s %s (%d ch): %s\n", subject.plugin.toRawUTF8(), subject.format.toRawUTF8(), subject.channels,
                              error.toRawUTF8());
                continue;
            }

            Player player (*plugin, subject.channels, blockSize);
            pump (50);

            auto addRow = [&] (const juce::String& setting, int circuit, bool eightTimes)
            {
                const auto measured = measure (player, options);
                Row row { subject.plugin, subject.format, setting, subject.channels, blockSize, subject.ours, subject.fuzzPeer,
                          circuit, eightTimes, measured.cpuPerAudioSecond, measured.otherThreadsPerAudioSecond };
                std::fprintf (stderr, "  %-22s %-5s %-18s %4d %d ch  %8.3f ms/s\n", row.plugin.toRawUTF8(), row.format.toRawUTF8(),
                              row.setting.toRawUTF8(), blockSize, row.channels, 1e3 * row.cpuPerAudioSecond);
                rows.push_back (row);
            };

            if (! subject.ours)
            {
                addRow ("defaults", -1, false);
                continue;
            }

            for (int circuit = 0; circuit < numCircuits; ++circuit)
            {
                for (bool eightTimes : { false, true })
                {
                    if (! selectOurSetting (*plugin, player, circuit, eightTimes))
                    {
                        std::fprintf (stderr, "%s: fuzzType or oversampling is missing\n", subject.format.toRawUTF8());
                        return;
                    }

                    addRow (juce::String (circuitNames[circuit]) + (eightTimes ? " 8x" : " 1x"), circuit, eightTimes);
                }
            }

            plugin->releaseResources();
            plugin.reset();
            pump (50);
        }
    }

    Options parseOptions (int argc, char** argv)
    {
        Options options;

        for (int i = 1; i + 1 < argc; i += 2)
        {
            const juce::String key (argv[i]);

            if (key == "--seconds")
                options.seconds = std::max (0.1, juce::String (argv[i + 1]).getDoubleValue());
            else if (key == "--repetitions")
                options.repetitions = std::max (1, juce::String (argv[i + 1]).getIntValue());
            else if (key == "--only")
                options.only = argv[i + 1];
        }

        return options;
    }

    void printTable (const std::vector<Row>& rows)
    {
        std::printf ("\nCPU per second of audio (thread CPU time, best of the repetitions), 48 kHz, guitar-level input.\n"
                     "per ch = instance time / channels; RT factor = seconds of audio per CPU second for the instance;\n"
                     "vs ours = per-channel time / our LV2 Big Fuzz 1x per-channel time at the same block size;\n"
                     "vs fuzz = per-channel time / the fastest guitarix fuzz per-channel time at the same block size;\n"
                     "others = CPU of the process's other threads meanwhile (work a plug-in hands to threads of its own).\n\n");
        std::printf ("%-22s %-5s %-18s %5s %3s %10s %10s %9s %8s %8s %8s\n", "plug-in", "fmt", "setting", "block", "ch", "ms/s",
                     "ms/s/ch", "RT factor", "vs ours", "vs fuzz", "others");

        for (int blockSize : blockSizes)
        {
            double oursReference = 0.0, fuzzReference = std::numeric_limits<double>::max();

            for (const auto& row : rows)
            {
                if (row.blockSize != blockSize)
                    continue;

                if (row.ours && row.format == "LV2" && row.circuit == 0 && ! row.eightTimes)
                    oursReference = row.perChannel();

                if (row.fuzzPeer)
                    fuzzReference = std::min (fuzzReference, row.perChannel());
            }

            std::printf ("\n");

            for (const auto& row : rows)
            {
                if (row.blockSize != blockSize)
                    continue;

                std::printf ("%-22s %-5s %-18s %5d %3d %10.3f %10.3f %9.1f %8.2f %8.2f %8.3f\n", row.plugin.toRawUTF8(),
                             row.format.toRawUTF8(), row.setting.toRawUTF8(), row.blockSize, row.channels, 1e3 * row.cpuPerAudioSecond,
                             1e3 * row.perChannel(), 1.0 / row.cpuPerAudioSecond,
                             oursReference > 0.0 ? row.perChannel() / oursReference : 0.0, row.perChannel() / fuzzReference,
                             1e3 * row.otherThreadsPerAudioSecond);
            }
        }
    }

    bool printTargets (const std::vector<Row>& rows)
    {
        bool allMet = true;
        std::printf ("\nTargets (per channel, against the fastest guitarix fuzz at the same block size):\n");

        for (int blockSize : blockSizes)
        {
            const Row* fastestFuzz = nullptr;

            for (const auto& row : rows)
                if (row.blockSize == blockSize && row.fuzzPeer && (fastestFuzz == nullptr || row.perChannel() < fastestFuzz->perChannel()))
                    fastestFuzz = &row;

            if (fastestFuzz == nullptr)
            {
                std::printf ("  block %d: no guitarix fuzz was measured\n", blockSize);
                allMet = false;
                continue;
            }

            for (const auto& row : rows)
            {
                if (row.blockSize != blockSize || ! row.ours || (row.circuit != 0 && ! row.eightTimes))
                    continue;

                const double limit = row.eightTimes ? oversampledTargetRatio : fuzzTargetRatio;
                const double ratio = row.perChannel() / fastestFuzz->perChannel();
                const bool met = ratio <= limit;
                allMet = allMet && met;
                std::printf ("  block %3d  %-4s %d ch  %-18s %6.2fx %s %.0fx %s: %s\n", blockSize, row.format.toRawUTF8(), row.channels, row.setting.toRawUTF8(), ratio, met ? "<=" : "> ", limit, fastestFuzz->plugin.toRawUTF8(),
                             met ? "met" : "NOT met");
            }
        }

        return allMet;
    }
}

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juceSession;
    const auto options = parseOptions (argc, argv);

    const juce::String vst3Bundle = juce::File (ONDREL_VST3_BUNDLE).getFullPathName();
    const std::vector<Subject> subjects {
        { "Ondrel QX2718", "LV2", 2, true, false, JucePlugin_LV2URI },
        { "Ondrel QX2718", "VST3", 2, true, false, vst3Bundle },
        { "Ondrel QX2718", "VST3", 1, true, false, vst3Bundle },
        { "GxFuzz", "LV2", 1, false, true, gxFuzzUri },
        { "GxMultiBandDistortion", "LV2", 1, false, false, gxMultiBandDistortionUri },
        { "GxAmplifier-X", "LV2", 1, false, false, gxAmplifierUri },
    };

    std::fprintf (stderr, "measuring %.1f s of audio, best of %d, per setting and block size\n", options.seconds, options.repetitions);
    std::vector<Row> rows;

    for (const auto& subject : subjects)
        if (subject.plugin.containsIgnoreCase (options.only))
            measureSubject (subject, options, rows);

    printTable (rows);
    const bool allMet = printTargets (rows);
    std::printf ("\n%s\n", allMet ? "every target met" : "some target NOT met");
    return 0;
}
