// A validation run in the manner of the established plug-in validators,
// against our built binaries loaded through JUCE's hosting clients.
#include "host/HostedPlugin.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/StateDocument.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr double allRates[] = { 22050.0, 32000.0, 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0, 384000.0 };
constexpr int allBlockSizes[] = { 1, 7, 64, 512, 4096, 20000 };

// Each rate runs with these blocks, each block size at these rates: every
// rate and every block size is covered without the full product.
constexpr int blocksAtEveryRate[] = { 7, 512, 20000 };
constexpr double ratesForEveryBlock[] = { 44100.0, 192000.0 };

constexpr double secondsPerCase = 0.25;
constexpr int samplesBetweenKnobChanges = 2048;
constexpr int samplesBetweenPumps = 8192;
constexpr int switchSettleMs = 60;  // beyond the processor's 50 ms switch delay

struct RateAndBlock
{
    double rate;
    int block;
};

std::vector<RateAndBlock> validationCases()
{
    std::vector<RateAndBlock> cases;

    for (double rate : allRates)
        for (int block : blocksAtEveryRate)
            cases.push_back ({ rate, block });

    for (int block : allBlockSizes)
        for (double rate : ratesForEveryBlock)
        {
            bool seen = false;
            for (const auto& c : cases)
                seen = seen || (c.rate == rate && c.block == block);
            if (! seen)
                cases.push_back ({ rate, block });
        }

    return cases;
}

float circuitValue (int circuit) { return (float) circuit / (float) (Parameters::numCircuits - 1); }
float factorValue (int factor) { return (float) factor / (float) (Parameters::numOversamplingChoices - 1); }

/** Sets hosted parameters by our IDs, as a host's automation would. */
struct Automation
{
    explicit Automation (juce::AudioPluginInstance& p) : plugin (p) {}

    void set (int index, float value)
    {
        auto* parameter = HostedPlugin::parameter (plugin, Parameters::idOf (index));
        ASSERT_NE (parameter, nullptr) << Parameters::idOf (index);
        parameter->setValue (value);
        ++changes;
    }

    float get (int index) const
    {
        auto* parameter = HostedPlugin::parameter (plugin, Parameters::idOf (index));
        return parameter != nullptr ? parameter->getValue() : -1.0f;
    }

    void randomise (juce::Random& random, bool includingSwitches)
    {
        for (int k = 0; k < Parameters::count; ++k)
            if (includingSwitches || (k != Parameters::fuzzType && k != Parameters::oversampling))
                set (k, random.nextFloat());
    }

    juce::AudioPluginInstance& plugin;
    int changes = 0;
};

/** Feeds the plucked signal block by block and tallies the output. */
struct Player
{
    Player (juce::AudioPluginInstance& p, double rate, int block)
        : plugin (p), signal (rate), buffer (p.getTotalNumOutputChannels(), block)
    {
    }

    void play (int numSamples, const std::function<void (juce::int64)>& beforeEachBlock = {})
    {
        const auto end = position + numSamples;

        while (position < end)
        {
            if (beforeEachBlock)
                beforeEachBlock (position);

            signal.fill (buffer, position, buffer.getNumSamples());
            juce::MidiBuffer midi;
            plugin.processBlock (buffer, midi);
            tally.add (buffer);
            position += buffer.getNumSamples();
        }
    }

    juce::AudioPluginInstance& plugin;
    PluckedSignal signal;
    juce::AudioBuffer<float> buffer;
    juce::int64 position = 0;
    OutputTally tally;
};

class HostValidation : public ::testing::TestWithParam<HostedFormat>
{
};

TEST_P (HostValidation, ExposesEachOfOurParametersOnceWithItsDefault)
{
    auto plugin = HostedPlugin::load (GetParam(), 48000.0, 512);
    ASSERT_NE (plugin, nullptr);

    for (int k = 0; k < Parameters::count; ++k)
    {
        int found = 0;
        for (auto* parameter : plugin->getParameters())
            if (parameter->getName (64) == Parameters::idOf (k))
            {
                ++found;
                EXPECT_NEAR (parameter->getValue(), Parameters::defaultOf (k), 1e-6f) << Parameters::idOf (k);
            }

        EXPECT_EQ (found, 1) << Parameters::idOf (k);
    }
}

TEST_P (HostValidation, ManyInstancesOpenProcessAndCloseInAnyOrder)
{
    constexpr int together = 12, oneAfterAnother = 24, blocks = 8;
    std::vector<std::unique_ptr<juce::AudioPluginInstance>> open;
    OutputTally tally;

    for (int i = 0; i < together; ++i)
    {
        open.push_back (HostedPlugin::load (GetParam(), 48000.0, 512));
        ASSERT_NE (open.back(), nullptr);
    }

    juce::AudioBuffer<float> buffer (2, 512);
    PluckedSignal signal (48000.0);

    for (int b = 0; b < blocks; ++b)
        for (auto& plugin : open)
        {
            signal.fill (buffer, b * 512, 512);
            juce::MidiBuffer midi;
            plugin->processBlock (buffer, midi);
            tally.add (buffer);
        }

    // Closed in the order they were opened, not the reverse.
    for (auto& plugin : open)
        plugin.reset();

    for (int i = 0; i < oneAfterAnother; ++i)
    {
        auto plugin = HostedPlugin::load (GetParam(), allRates[i % 9], 512);
        ASSERT_NE (plugin, nullptr);
        Player player (*plugin, allRates[i % 9], 512);
        player.play (blocks * 512);
        plugin->releaseResources();
        tally.samples += player.tally.samples;
        tally.nonFinite += player.tally.nonFinite;
        tally.peak = std::max (tally.peak, player.tally.peak);
    }

    EXPECT_TRUE (tally.isSane()) << tally;
}

TEST_P (HostValidation, EveryRateAndBlockSizeWithRandomAutomationGivesSaneOutput)
{
    const auto cases = validationCases();
    int caseIndex = 0, layoutsRun = 0, changes = 0;

    for (const auto& c : cases)
    {
        for (int channels : { 1, 2 })
        {
            ++caseIndex;
            auto plugin = HostedPlugin::load (GetParam(), c.rate, c.block, channels);

            if (plugin == nullptr)
            {
                // JUCE's LV2 export has a stereo layout only.
                EXPECT_TRUE (GetParam() == HostedFormat::lv2 && channels == 1) << c.rate << " Hz, " << c.block;
                continue;
            }

            ++layoutsRun;
            juce::Random random (0x0d7e1 + caseIndex);
            Automation automation (*plugin);
            automation.set (Parameters::fuzzType, circuitValue (caseIndex % Parameters::numCircuits));
            automation.set (Parameters::oversampling, factorValue (caseIndex % Parameters::numOversamplingChoices));
            HostedPlugin::pumpMessages (switchSettleMs);

            Player player (*plugin, c.rate, c.block);
            const int total = juce::jmax (4 * c.block, (int) (c.rate * secondsPerCase));
            juce::int64 nextKnobChange = 0, nextPump = samplesBetweenPumps;
            bool switched = false;

            player.play (total, [&] (juce::int64 position)
            {
                if (position >= nextKnobChange)
                {
                    automation.randomise (random, false);
                    nextKnobChange = position + samplesBetweenKnobChanges;
                }

                if (! switched && position >= total / 2)
                {
                    automation.randomise (random, true);
                    HostedPlugin::pumpMessages (switchSettleMs);
                    switched = true;
                }
                else if (position >= nextPump)
                {
                    HostedPlugin::pumpMessages (1);
                    nextPump = position + samplesBetweenPumps;
                }
            });

            changes += automation.changes;
            EXPECT_TRUE (player.tally.isSane()) << c.rate << " Hz, block " << c.block << ", " << channels << " ch: " << player.tally;
        }
    }

    std::cout << "[ figures  ] " << GetParam() << ": " << cases.size() << " rate/block cases, " << layoutsRun
              << " layouts run, " << changes << " random parameter changes" << std::endl;
}

TEST_P (HostValidation, CircuitAndFactorAutomationSwitchesWhileTheTimersRun)
{
    // Every circuit at every factor, reached by automation during playback
    // with the message loop running between blocks.
    auto plugin = HostedPlugin::load (GetParam(), 48000.0, 256);
    ASSERT_NE (plugin, nullptr);
    Automation automation (*plugin);
    Player player (*plugin, 48000.0, 256);
    int switches = 0;

    for (int circuit = 0; circuit < Parameters::numCircuits; ++circuit)
        for (int factor = 0; factor < Parameters::numOversamplingChoices; ++factor)
        {
            automation.set (Parameters::fuzzType, circuitValue (circuit));
            automation.set (Parameters::oversampling, factorValue ((factor + circuit) % Parameters::numOversamplingChoices));
            ++switches;
            player.play (48000 / 4, [] (juce::int64) { HostedPlugin::pumpMessages (2); });
            EXPECT_NEAR (automation.get (Parameters::fuzzType), circuitValue (circuit), 1e-6f);
        }

    EXPECT_TRUE (player.tally.isSane()) << switches << " switches: " << player.tally;
}

TEST_P (HostValidation, ProgramChangesDuringPlaybackTakeEffect)
{
    auto plugin = HostedPlugin::load (GetParam(), 48000.0, 256);
    ASSERT_NE (plugin, nullptr);
    ASSERT_GT (plugin->getNumPrograms(), 0);
    Player player (*plugin, 48000.0, 256);

    for (int round = 0; round < 2; ++round)
        for (int program = 0; program < plugin->getNumPrograms(); ++program)
        {
            plugin->setCurrentProgram (program);
            HostedPlugin::pumpMessages (5);
            player.play (2048);
            EXPECT_EQ (plugin->getCurrentProgram(), program);
            EXPECT_TRUE (plugin->getProgramName (program).isNotEmpty()) << program;
        }

    EXPECT_TRUE (player.tally.isSane()) << player.tally;
}

TEST_P (HostValidation, StateSavedMidPlaybackRestoresTheSameParameterValues)
{
    {
        OndrelQX2718AudioProcessor inProcess;
        juce::MemoryBlock state;
        inProcess.getStateInformation (state);
        if (state.isEmpty())
            GTEST_SKIP() << "the processor writes no state document yet";
    }

    constexpr int roundTrips = 6;
    auto plugin = HostedPlugin::load (GetParam(), 48000.0, 512);
    ASSERT_NE (plugin, nullptr);
    Automation automation (*plugin);
    Player player (*plugin, 48000.0, 512);
    juce::Random random (0x57a7e);

    for (int trip = 0; trip < roundTrips; ++trip)
    {
        automation.randomise (random, true);
        player.play (4096, [] (juce::int64) { HostedPlugin::pumpMessages (1); });

        // The document keeps switches as positions and knobs to five
        // decimals, so what comes back is the stored meaning of each value.
        std::vector<float> saved;
        for (int k = 0; k < Parameters::count; ++k)
            saved.push_back (StateDocument::valueFromText (k, StateDocument::valueText (k, automation.get (k))));

        juce::MemoryBlock state;
        plugin->getStateInformation (state);
        ASSERT_FALSE (state.isEmpty());

        // Played on with other values, then restored in the middle of playback,
        // into this instance and into a fresh one.
        automation.randomise (random, true);
        player.play (2048);
        plugin->setStateInformation (state.getData(), (int) state.getSize());
        player.play (2048, [] (juce::int64) { HostedPlugin::pumpMessages (1); });

        auto fresh = HostedPlugin::load (GetParam(), 48000.0, 512);
        ASSERT_NE (fresh, nullptr);
        fresh->setStateInformation (state.getData(), (int) state.getSize());

        // An LV2 host learns the restored values from the plug-in's ports
        // when it next runs it, as a real host does right after loading.
        Player freshPlayer (*fresh, 48000.0, 512);
        freshPlayer.play (1024);
        HostedPlugin::pumpMessages (10);
        Automation freshValues (*fresh);

        for (int k = 0; k < Parameters::count; ++k)
        {
            EXPECT_NEAR (automation.get (k), saved[(size_t) k], 1e-6f) << "trip " << trip << ", " << Parameters::idOf (k);
            EXPECT_NEAR (freshValues.get (k), saved[(size_t) k], 1e-6f) << "trip " << trip << ", " << Parameters::idOf (k);
        }
    }

    EXPECT_TRUE (player.tally.isSane()) << player.tally;
}

TEST_P (HostValidation, EditorOpensAndClosesRepeatedlyDuringPlayback)
{
    if (! HostedPlugin::prepareDisplayForEditors())
        GTEST_SKIP() << "no display (the suite runs under xvfb-run)";

    constexpr int openings = 10;
    auto plugin = HostedPlugin::load (GetParam(), 48000.0, 512);
    ASSERT_NE (plugin, nullptr);
    ASSERT_TRUE (plugin->hasEditor());
    Player player (*plugin, 48000.0, 512);

    for (int i = 0; i < openings; ++i)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr) << i;
        editor->addToDesktop (0);
        editor->setVisible (true);
        player.play (2048, [] (juce::int64) { HostedPlugin::pumpMessages (2); });
        HostedPlugin::pumpMessages (20);
        HostedPlugin::closeEditor (GetParam(), editor);
        EXPECT_EQ (plugin->getActiveEditor(), nullptr);
        player.play (512);
    }

    EXPECT_TRUE (player.tally.isSane()) << player.tally;
}

INSTANTIATE_TEST_SUITE_P (BuiltBinaries, HostValidation, ::testing::Values (HostedFormat::vst3, HostedFormat::lv2),
                          [] (const auto& testCase) { return testCase.param == HostedFormat::vst3 ? std::string ("Vst3") : std::string ("Lv2"); });
}
