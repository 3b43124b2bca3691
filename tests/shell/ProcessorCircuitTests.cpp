// Every circuit through the whole processor at the host rates that matter
// and at every oversampling choice, reached the way a user reaches it: the
// circuit chosen before playback, the factor changed while playing (mute,
// re-initialisation on each model's own timer, fade back in). And the circuit
// crossfade as the listener hears it.

#include "ProcessorTestSupport.h"

#include "circuits/CircuitModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr int block = 512;

// A plucked note at guitar level: a sine starting at this peak that decays
// with a 0.3 s time constant. Left and right play different notes, so a
// channel that is dropped or duplicated shows.
constexpr float pluckPeak = 0.4f;
constexpr double pluckDecaySeconds = 0.3;
constexpr double leftNoteHz = 196.0;
constexpr double rightNoteHz = 293.66;

// Every circuit's output at these settings is far above this; a chain that
// lost its table, stayed muted or lost a channel is far below it.
constexpr float audibleFloor = 0.01f;
// The limiter in front of every table keeps even a broken filter chain's
// sane output well inside this; an unstable filter leaves it at once.
constexpr float outputBound = 8.0f;

constexpr double measureSeconds = 0.1;

const float circuits[] = { 0.0f, 0.25f, 0.5f, 0.75f, 1.0f };
const float factors[] = { 0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f };

/** One processor playing plucked notes, with the loudest and the worst
    sample it has produced. */
struct Player
{
    Player (double rateToUse, int channelsToUse, float circuitValue)
        : fixture (rateToUse, block, channelsToUse), rate (rateToUse), channels (channelsToUse),
          circuit (Parameters::circuitIndexOf (circuitValue)), buffer (channelsToUse, block)
    {
        // A circuit chosen before playback starts is taken up by preparation.
        processor().setParameter (Parameters::fuzzType, circuitValue);
        processor().prepareToPlay (rate, block);
    }

    OndrelQX2718AudioProcessor& processor() { return fixture.processor; }
    CircuitModel& model() { return static_cast<CircuitModel&> (processor().getModel (circuit)); }

    float note (int channel, int i) const
    {
        const double t = (double) (i - struckAt) / rate;
        const double frequency = channel == 0 ? leftNoteHz : rightNoteHz;
        return (float) (pluckPeak * std::sin (2.0 * juce::MathConstants<double>::pi * frequency * t)
                        * std::exp (-t / pluckDecaySeconds));
    }

    void strike() { struckAt = position; }

    void playBlock()
    {
        // Strike again every half second, so the level stays a guitar's.
        if (position - struckAt >= (int) (rate * 0.5))
            strike();

        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < block; ++i)
                buffer.setSample (c, i, note (c, position + i));

        juce::MidiBuffer midi;
        processor().processBlock (buffer, midi);
        position += block;

        for (int c = 0; c < channels; ++c)
        {
            for (int i = 0; i < block; ++i)
            {
                const float x = buffer.getSample (c, i);
                if (sane && ! (std::abs (x) < outputBound)) // also catches a non-number
                {
                    sane = false;
                    firstInsane = x;
                }

                peak[(size_t) c] = std::max (peak[(size_t) c], std::abs (x));
            }
        }
    }

    void resetPeaks() { peak = { 0.0f, 0.0f }; }

    juce::String describe (float factor) const
    {
        return juce::String (Parameters::circuitName (circuit)) + " at " + juce::String (rate) + " Hz, oversampling "
               + juce::String (factor) + (channels == 1 ? ", mono" : ", stereo");
    }

    ProcessorFixture fixture;
    const double rate;
    const int channels;
    const int circuit;
    juce::AudioBuffer<float> buffer;
    int position = 0, struckAt = 0;
    std::array<float, 2> peak { 0.0f, 0.0f };
    bool sane = true;         // every sample so far finite and inside the bound
    float firstInsane = 0.0f; // the first sample that was not
};

using Players = std::vector<std::unique_ptr<Player>>;

/** Plays blocks on every player until each one's model satisfies `done`, or
    fails after `limit` samples. */
template <typename Condition>
::testing::AssertionResult playUntil (Players& players, int limit, Condition done, const char* what)
{
    for (int played = 0; played <= limit; played += block)
    {
        if (std::all_of (players.begin(), players.end(), [&] (auto& p) { return done (p->model()); }))
            return ::testing::AssertionSuccess();

        for (auto& p : players)
            p->playBlock();
    }

    return ::testing::AssertionFailure() << "not every model " << what << " within " << limit << " samples";
}

/** The quiet oversampling change for all players together: fade out, the
    models' own 100 ms timers re-initialise the clipping stages, fade in. */
::testing::AssertionResult changeFactor (Players& players, float factor, double rate)
{
    for (auto& p : players)
    {
        p->processor().setParameter (Parameters::oversampling, factor);
        p->processor().applySwitch();
    }

    const int fade = (int) (rate * 0.25) + 2 * block;

    if (auto r = playUntil (players, fade, [] (CircuitModel& m) { return m.isSilenced(); }, "went quiet"); ! r)
        return r;

    // One message loop for every player, until each timer has ticked.
    auto stillMuted = [&] {
        return std::any_of (players.begin(), players.end(),
                            [] (auto& p) { return p->model().getFadeMode() == CircuitModel::muted; });
    };

    for (int waited = 0; stillMuted() && waited < 2000; waited += 20)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

    if (stillMuted())
        return ::testing::AssertionFailure() << "a model stayed muted: its timer never re-initialised it";

    return playUntil (players, fade, [] (CircuitModel& m) { return m.getFadeMode() == CircuitModel::active; },
                      "faded back in");
}

/** A fresh note on every player, measured over measureSeconds. */
void measure (Players& players, float factor)
{
    for (auto& p : players)
    {
        p->strike();
        p->resetPeaks();
    }

    for (int played = 0; played < (int) (players.front()->rate * measureSeconds); played += block)
        for (auto& p : players)
            p->playBlock();

    for (auto& p : players)
        for (int c = 0; c < p->channels; ++c)
            EXPECT_GT (p->peak[(size_t) c], audibleFloor) << p->describe (factor) << ", channel " << c;
}

class EveryCircuitAndFactor : public ::testing::TestWithParam<double>
{
};

TEST_P (EveryCircuitAndFactor, PlaysAudibleFiniteBoundedAudioMonoAndStereo)
{
    const double rate = GetParam();
    Players players;

    for (int channels : { 1, 2 })
        for (float circuit : circuits)
            players.push_back (std::make_unique<Player> (rate, channels, circuit));

    // Preparation fades each circuit in from silence at the first factor.
    ASSERT_TRUE (playUntil (players, (int) rate, [] (CircuitModel& m) { return m.getFadeMode() == CircuitModel::active; },
                            "faded in after preparation"));
    measure (players, factors[0]);

    for (size_t f = 1; f < std::size (factors); ++f)
    {
        ASSERT_TRUE (changeFactor (players, factors[f], rate)) << "oversampling " << factors[f];
        measure (players, factors[f]);
    }

    // Every sample on the way, the switches included.
    for (auto& p : players)
        EXPECT_TRUE (p->sane) << p->describe (factors[std::size (factors) - 1]) << " or an earlier factor gave "
                              << p->firstInsane;
}

INSTANTIATE_TEST_SUITE_P (ProcessorCircuits, EveryCircuitAndFactor, ::testing::Values (44100.0, 48000.0, 96000.0, 192000.0),
                          [] (const auto& testCase) { return std::to_string ((int) testCase.param) + "Hz"; });

//==============================================================================
float leftNote (int i) { return 0.3f * std::sin (0.0571f * (float) i); }
float rightNote (int i) { return 0.3f * std::sin (0.0853f * (float) i); }

juce::AudioBuffer<float> playStereo (OndrelQX2718AudioProcessor& processor, int start, int numSamples)
{
    juce::AudioBuffer<float> buffer (2, numSamples);
    for (int i = 0; i < numSamples; ++i)
    {
        buffer.setSample (0, i, leftNote (start + i));
        buffer.setSample (1, i, rightNote (start + i));
    }

    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);
    return buffer;
}

TEST (ProcessorCircuitCrossfade, TheOldCircuitFallsLinearlyToZeroOverTwoRampsUnderTheNewOneAtFullGain)
{
    // At 44100 Hz the crossfade lasts 2E = 4096 samples and its step is
    // 2^-12, so the old circuit's gain on sample n of the fade is exactly
    // 1 - (n + 1) / 4096. The incoming circuit is added at full gain; its own
    // start-up fade is what a freshly prepared processor on that circuit plays.
    constexpr double rate = 44100.0;
    constexpr int settled = 16 * block;
    constexpr int fadeLength = 4096;
    constexpr float tolerance = 1.0e-6f;

    ProcessorFixture switching (rate, block), staying (rate, block), fresh (rate, block);
    fresh.processor.setParameter (Parameters::fuzzType, 0.5f);

    ASSERT_EQ (2 * switching.processor.getRampLength(), fadeLength);

    for (int start = 0; start < settled; start += block)
    {
        playStereo (switching.processor, start, block);
        playStereo (staying.processor, start, block);
    }

    switching.processor.setParameter (Parameters::fuzzType, 0.5f);
    switching.processor.applySwitch();
    fresh.processor.prepareToPlay (rate, block); // Trans Fuzz from the first sample of the fade

    for (int start = settled; start < settled + fadeLength + 2 * block; start += block)
    {
        const auto out = playStereo (switching.processor, start, block);
        const auto oldCircuit = playStereo (staying.processor, start, block);
        const auto newCircuit = playStereo (fresh.processor, start, block);

        for (int i = 0; i < block; ++i)
        {
            const int n = start - settled + i;
            const float oldGain = n < fadeLength ? 1.0f - (float) (n + 1) / (float) fadeLength : 0.0f;

            for (int c = 0; c < 2; ++c)
            {
                const float expected = oldGain * oldCircuit.getSample (c, i) + newCircuit.getSample (c, i);
                ASSERT_NEAR (out.getSample (c, i), expected, tolerance) << "sample " << n << " of the fade, channel " << c;
            }
        }
    }

    EXPECT_FALSE (switching.processor.isCrossfading());
    EXPECT_EQ (switching.processor.getActiveModelIndex(), 2);
}
}
