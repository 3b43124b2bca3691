#pragma once

#include "circuits/AnalogPrototype.h"
#include "dsp/FxSZBase3.h"

#include <atomic>

/** Big Fuzz gain and sustain filter: the Fuzz knob (one side of a 10 kOhm
    pot) raises the s term of the numerator; the stage input is inverted and
    amplified by a constant gain before the filter. */
class BigMuffSustainStage : public FxSZBase3
{
public:
    static constexpr double stageGain = -5.892857142857143;

    BigMuffSustainStage() { initialise(); }

    /** Analog prototype for a Fuzz position 0..1. Any thread. */
    static AnalogPrototype<3> analogFor (float knob) noexcept
    {
        const double ra = 10000.0 * (double) knob;
        const double rb = 10000.0 * (1.0 - (double) knob);
        AnalogPrototype<3> p;
        p.denominator = { ra + rb + 47.0 + 62000.0 + 560000.0,
                          0.62057 * (ra + rb) + 383.70679,
                          9.022209e-5 * (ra + rb) + 0.01798041823,
                          1.36958e-8 * (ra + rb) + 6.437026e-7 };
        p.numerator = { p.denominator[0], 6.22 * ra + 292.34, 0.0, 0.0 };
        return p;
    }

    void initialise() override
    {
        knob.store (0.0f, std::memory_order_relaxed);
        FxSZBase3::initialise();
    }

    /** Recomputes the filter from the knob. Audio or message thread. */
    void updateCoefficients() override
    {
        const auto p = analogFor (knob.load (std::memory_order_relaxed));
        setAnalogCoefficients (p.denominator.data(), p.numerator.data());
        inputGain.store (stageGain, std::memory_order_relaxed);
    }

    /** Filters in place with the stage gain applied to the input. Audio thread. */
    void processMono (float* samples, int numSamples) override
    {
        filterMono (samples, numSamples, inputGain.load (std::memory_order_relaxed), 1.0f);
    }

    /** Stereo form of processMono. Audio thread. */
    void processStereo (float* left, float* right, int numSamples) override
    {
        filterStereo (left, right, numSamples, inputGain.load (std::memory_order_relaxed), 1.0f);
    }

    // Written by setParameter (audio or message thread), read by updateCoefficients.
    std::atomic<float> knob { 0.0f };

private:
    // Written by updateCoefficients (audio or message thread), read by processing.
    std::atomic<double> inputGain { stageGain };
};
