// Bad audio from a host: non-finite samples and absurd levels must never
// leave a filter poisoned, on any circuit or oversampling factor.
#include "ProcessorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace
{
constexpr int block = 512;

float guitar (int i) { return 0.3f * std::sin (0.0571f * (float) i) * std::exp (-0.0002f * (float) (i % 20000)); }

struct Setting
{
    float circuit;
    float factor;
};

// Every circuit, every factor.
const Setting settings[] = {
    { 0.0f, 0.0f }, { 0.25f, 1.0f / 3.0f }, { 0.5f, 2.0f / 3.0f }, { 0.75f, 1.0f }, { 1.0f, 0.0f }, { 0.0f, 1.0f }
};

/** Brings fixtures to a circuit and factor together, through the mute fade,
    the models' re-initialisation on their timers and the fade back in, so
    that all of them end in the same state. */
void settle (std::initializer_list<ProcessorFixture*> fixtures, const Setting& s);

/** Makes every table the settings need once, so that no fixture's
    re-initialisation waits on a table being made and falls behind its twin. */
void makeTheTablesOnce()
{
    static bool made = false;
    if (std::exchange (made, true))
        return;

    ProcessorFixture warmUp (48000.0, block);
    for (const auto& s : settings)
        settle ({ &warmUp }, s);
}

void settle (std::initializer_list<ProcessorFixture*> fixtures, const Setting& s)
{
    makeTheTablesOnce();

    for (auto* f : fixtures)
    {
        f->processor.setParameter (Parameters::fuzzType, s.circuit);
        f->processor.setParameter (Parameters::oversampling, s.factor);
        f->processor.applySwitch();
    }

    for (int pass = 0; pass < 3; ++pass)
    {
        for (int b = 0; b < 30; ++b)
            for (auto* f : fixtures)
                f->run (block, guitar);

        juce::MessageManager::getInstance()->runDispatchLoopUntil (110);
    }
}

::testing::AssertionResult finiteAndBounded (const juce::AudioBuffer<float>& buffer)
{
    for (int c = 0; c < buffer.getNumChannels(); ++c)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            if (const float x = buffer.getSample (c, i); ! std::isfinite (x) || std::abs (x) >= 8.0f)
                return ::testing::AssertionFailure() << "sample " << i << " of channel " << c << " is " << x;

    return ::testing::AssertionSuccess();
}

}

TEST (ProcessorBadAudio, NonFiniteSamplesPlayAsSilenceOnEveryCircuitAndFactor)
{
    // A processor fed NaN and infinities must sound exactly like one fed
    // zeros in their place: during the bad blocks and from then on.
    const float bad[] = { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity() };

    for (const auto& s : settings)
    {
        ProcessorFixture poisoned (48000.0, block), clean (48000.0, block);
        settle ({ &poisoned, &clean }, s);

        auto withHoles = [&] (int i) { return i % 5 == 0 ? bad[(i / 5) % 3] : guitar (i); };
        auto zeroedHoles = [&] (int i) { return i % 5 == 0 ? 0.0f : guitar (i); };

        for (int b = 0; b < 4; ++b)
        {
            const auto out = poisoned.run (block, b < 2 ? std::function<float (int)> (withHoles) : guitar);
            const auto expected = clean.run (block, b < 2 ? std::function<float (int)> (zeroedHoles) : guitar);
            ASSERT_TRUE (finiteAndBounded (out)) << s.circuit << " " << s.factor << " block " << b;

            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < block; ++i)
                    ASSERT_EQ (out.getSample (c, i), expected.getSample (c, i)) << s.circuit << " " << s.factor << " block " << b;
        }
    }
}

TEST (ProcessorBadAudio, AbsurdLevelsAreHeldAtTheEntryLimitAndLeaveNoTrace)
{
    // Against a twin fed the same burst held at the limit (it must sound
    // the same), and a twin fed silence instead (a quarter of a second
    // later the burst must be forgotten).
    const float huge[] = { 1.0e30f, -std::numeric_limits<float>::max() };
    const float limit = OndrelQX2718AudioProcessor::inputLimit;
    auto burst = [] (float x) { return [x] (int i) { return (i & 1) != 0 ? x : -x; }; };

    for (const auto& s : settings)
    {
        for (float level : huge)
        {
            ProcessorFixture f (48000.0, block), held (48000.0, block), quiet (48000.0, block);
            for (auto* fixture : { &f, &held, &quiet })
            {
                // Full input gain and a half mix: the level doubles before
                // the circuit and the dry path carries it too.
                fixture->processor.setParameter (Parameters::inputVol, 1.0f);
                fixture->processor.setParameter (Parameters::dryWet, 0.5f);
            }
            settle ({ &f, &held, &quiet }, s);

            const auto during = f.run (block, burst (level));
            const auto expected = held.run (block, burst (std::copysign (limit, level)));
            quiet.run (block, [] (int) { return 0.0f; });

            for (int i = 0; i < block; ++i)
                ASSERT_EQ (during.getSample (0, i), expected.getSample (0, i)) << s.circuit << " " << s.factor << " " << level;

            float worst = 0.0f;
            for (int b = 0; b < 30; ++b)
            {
                const auto out = f.run (block, guitar);
                const auto reference = quiet.run (block, guitar);
                for (int i = 0; i < block; ++i)
                {
                    ASSERT_TRUE (std::isfinite (out.getSample (0, i))) << s.circuit << " " << s.factor << " " << level;
                    if (b >= 24)
                        worst = std::max (worst, std::abs (out.getSample (0, i) - reference.getSample (0, i)));
                }
            }
            EXPECT_LT (worst, 1.0e-3f) << s.circuit << " " << s.factor << " " << level;
        }
    }
}
