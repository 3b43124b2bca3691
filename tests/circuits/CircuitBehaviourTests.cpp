// Behaviour shared by all five circuits, and the gains and states that single
// circuits state for themselves.

#include "CircuitTestSupport.h"

#include "circuits/BigMuff227Fuzz.h"
#include "circuits/BigMuffFuzz.h"
#include "circuits/IFZ5.h"
#include "circuits/PF.h"
#include "circuits/ToneBender.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace circuit_test;

namespace
{
    // Enough samples for the restart fade-in (4096) and a knob glide (2048).
    constexpr int settleSamples = 8192;
    // Silence after a zero numerator: only the 1e-20 denormal guard remains.
    constexpr float silenceLimit = 1e-12f;
    // The tables' single-precision geometry makes the lookup at input 0 and
    // state 0 about 1e-8 rather than 0; a shared state would give ~0.1.
    constexpr float tableCentreLimit = 1e-6f;

    template <typename Model>
    class EveryCircuit : public ::testing::Test
    {
    protected:
        Model model;
    };

    using Circuits = ::testing::Types<BigMuffFuzz, PF, BigMuff227Fuzz, IFZ5, ToneBender>;
    TYPED_TEST_SUITE (EveryCircuit, Circuits);
}

TYPED_TEST (EveryCircuit, MonoEqualsLeftChannelOfStereoAtEveryFactor)
{
    for (int factor = 0; factor <= 3; ++factor)
    {
        TypeParam mono, stereo;
        prepare (mono, testRate, factor, 0.7f, 0.4f, 0.8f);
        prepare (stereo, testRate, factor, 0.7f, 0.4f, 0.8f);

        auto left = sine (2048, 220.0, 0.5, testRate);
        auto right = left;
        auto single = left;
        for (int offset = 0; offset < 2048; offset += blockSize)
        {
            mono.processMono (single.data() + offset, blockSize);
            stereo.processStereo (left.data() + offset, right.data() + offset, blockSize);
        }

        for (size_t i = 0; i < single.size(); ++i)
        {
            ASSERT_EQ (single[i], left[i]) << "factor " << factor << " sample " << i;
            ASSERT_EQ (right[i], left[i]) << "factor " << factor << " sample " << i;
            ASSERT_TRUE (std::isfinite (single[i]));
        }
    }
}

TYPED_TEST (EveryCircuit, LevelZeroIsSilentAfterTheGlide)
{
    prepare (this->model, testRate, 1, 1.0f, 0.5f, 0.0f);
    runMono (this->model, settleSamples, 0.0f);

    auto signal = sine (1024, 220.0, 0.5, testRate);
    this->model.processMono (signal.data(), (int) signal.size());
    for (float s : signal)
        ASSERT_LT (std::abs (s), silenceLimit);
}

TYPED_TEST (EveryCircuit, FactorIsCappedByTheHostRate)
{
    struct Case { float rate; int requested; int applied; };
    const Case cases[] = { { 44100.0f, 3, 3 }, { 96000.0f, 3, 2 }, { 192000.0f, 3, 1 }, { 384000.0f, 2, 0 } };

    for (const auto& c : cases)
    {
        TypeParam capped;
        prepare (capped, c.rate, c.requested);
        for (auto* filters : capped.getClippingFilters())
            EXPECT_EQ (filters->getActiveIndex(), c.applied) << c.rate;
    }
}

TYPED_TEST (EveryCircuit, ProducesBoundedOutputWhileActive)
{
    prepare (this->model, 48000.0f, 2, 1.0f, 1.0f, 1.0f);
    auto signal = sine (settleSamples, 110.0, 1.0, 48000.0f);
    this->model.processMono (signal.data(), (int) signal.size());
    float peak = 0.0f;
    for (float s : signal)
    {
        ASSERT_TRUE (std::isfinite (s));
        peak = std::max (peak, std::abs (s));
    }
    EXPECT_GT (peak, 0.0f);
    EXPECT_LT (peak, 10.0f);
}

TEST (TransFuzzOutputStage, PassbandGainIsMinusOnePointFiveTimesLevel)
{
    // At half the rate the bilinear filter has exactly the analog gain at
    // infinite frequency, b2/a2 = v; the stage writes -1.5 times it.
    constexpr float amplitude = 0.25f;
    constexpr int settle = 20000;
    constexpr float gainTolerance = 1e-5f;

    for (float v : { 0.25f, 0.5f, 1.0f })
    {
        BigMuff227OutputStage stage;
        stage.setSampleRate (testRate);
        stage.knob.store (v);
        stage.updateCoefficients();

        std::vector<float> nyquist (settle + 64);
        for (size_t i = 0; i < nyquist.size(); ++i)
            nyquist[i] = (i % 2 == 0) ? amplitude : -amplitude;
        auto input = nyquist;
        stage.processMono (nyquist.data(), (int) nyquist.size());

        for (size_t i = settle; i < nyquist.size(); ++i)
            EXPECT_NEAR (nyquist[i], -1.5f * v * input[i], gainTolerance) << v;
    }
}

namespace
{
    /** Drives the first clipper hard; the second, fed silence, must stay at
        the table's centre value, which it could not with a shared state. */
    template <typename Model>
    void expectClippersKeepSeparateStates (int factorIndex)
    {
        Model model;
        prepare (model, testRate, factorIndex);
        auto loud = sine (1024, 220.0, 0.5, testRate);
        std::vector<float> quiet (1024, 0.0f);
        model.firstClipper.processMono (loud.data(), (int) loud.size());
        model.secondClipper.processMono (quiet.data(), (int) quiet.size());

        EXPECT_GT (std::abs (loud[100]), 0.01f);
        for (float s : quiet)
            ASSERT_LT (std::abs (s), tableCentreLimit);
    }
}

TEST (TransFuzzClippers, KeepSeparateStates) { expectClippersKeepSeparateStates<BigMuff227Fuzz> (2); }

TEST (VintageFuzzClippers, KeepSeparateStates) { expectClippersKeepSeparateStates<IFZ5> (1); }

TEST (BigFuzzVolume, LevelOneSettlesAtMinusPointFiftyFour)
{
    BigMuffFuzz model;
    prepare (model, testRate, 0, 0.5f, 0.5f, 1.0f);
    EXPECT_EQ (model.volume.getTargetGain(), -0.54f);
    runMono (model, settleSamples);
    EXPECT_NEAR (model.volume.getCurrentGain(), -0.54f, 1e-5f);
}

TEST (BigFuzzSustain, ConstructionGainIsDefined)
{
    BigMuffSustainStage stage;
    stage.setSampleRate (testRate);
    // Coefficients are zero until set, so the output is zero, but the
    // stage must run without reading an undefined gain.
    std::vector<float> block (32, 0.5f);
    stage.processMono (block.data(), (int) block.size());
    for (float s : block)
        EXPECT_EQ (s, 0.0f);
}

// Stereo shares coefficients between the channels but nothing else: with a
// different signal in each channel and a knob gliding through the block,
// each channel is what a mono run of its own signal gives, to the bit.
TYPED_TEST (EveryCircuit, StereoChannelsEqualTwoMonoRunsWhileKnobsGlide)
{
    for (int factor = 0; factor <= 3; ++factor)
    {
        TypeParam stereo, leftAlone, rightAlone;
        CircuitModel* const models[] = { &stereo, &leftAlone, &rightAlone };
        for (auto* m : models)
            prepare (*m, testRate, factor, 0.7f, 0.4f, 0.8f);

        auto left = sine (4096, 220.0, 0.5, testRate);
        auto right = sine (4096, 331.0, 0.3, testRate);
        auto leftMono = left, rightMono = right;

        for (int offset = 0; offset < 4096; offset += blockSize)
        {
            if (offset == 1024)
                for (auto* m : models)
                    for (int knob = 1; knob <= 3; ++knob)
                        m->setParameter (knob, 0.2f);

            stereo.processStereo (left.data() + offset, right.data() + offset, blockSize);
            leftAlone.processMono (leftMono.data() + offset, blockSize);
            rightAlone.processMono (rightMono.data() + offset, blockSize);
        }

        for (size_t i = 0; i < left.size(); ++i)
        {
            ASSERT_EQ (leftMono[i], left[i]) << "factor " << factor << " sample " << i;
            ASSERT_EQ (rightMono[i], right[i]) << "factor " << factor << " sample " << i;
        }
    }
}
