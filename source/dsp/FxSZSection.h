#pragma once

#include "dsp/FxSZBase.h"
#include "dsp/RateClass.h"

#include <array>
#include <cmath>
#include <cstdint>

/** Bilinear transform of an order-N analog polynomial into the coefficients
    of z^0 ... z^-N at sample rate `rate` (no prewarping). */
template <int N>
std::array<double, (std::size_t) N + 1> bilinearTransform (const double* analog, float rate)
{
    auto factorial = [] (int n)
    {
        double f = 1.0;
        for (int i = 2; i <= n; ++i)
            f *= (double) i;
        return f;
    };
    auto binomial = [&] (int p, int q) { return factorial (p) / (factorial (q) * factorial (p - q)); };

    const double k = 2.0 * (double) rate;
    std::array<double, (std::size_t) N + 1> digital {};

    for (int n = 0; n <= N; ++n)
    {
        double total = 0.0;

        for (int i = 0; i <= N; ++i)
        {
            double inner = 0.0;
            const int jLow = n + i - N > 0 ? n + i - N : 0;
            const int jHigh = i < n ? i : n;

            for (int j = jLow; j <= jHigh; ++j)
                inner += ((j & 1) != 0 ? -1.0 : 1.0) * binomial (i, j) * binomial (N - i, n - j);

            total += analog[i] * std::pow (k, (double) i) * inner;
        }

        digital[(size_t) n] = total;
    }

    return digital;
}

/** Direct-form-I filter section of order N with coefficient glide. Histories
    and coefficients are doubles; buffers stay single precision. */
template <int N>
class FxSZSection : public FxSZBase
{
public:
    static constexpr int order = N;
    static constexpr int numCoefficients = 2 * N + 1;

    FxSZSection()
    {
        name = "FxModuleBase";
        FxSZSection::clearState();
        FxSZSection::initialise();
    }

    /** Stores the rate (Hz) and picks the glide length of its rate class. */
    void setSampleRate (float rate) override
    {
        sampleRate = rate;
        glideLength = RateClass::rampLength (rate);
        glideStepFactor = 1.0 / (double) glideLength;
    }

    void clearState() override
    {
        for (auto& channel : history)
            channel.fill (0.0);
    }

    void initialise() override
    {
        target.fill (0.0);
        current.fill (0.0);
        step.fill (0.0);
        a0 = 1.0;
        glideCounter = 0;
        glidePending = false;
        firstUpdate = true;
    }

    void setAnalogCoefficients (const double* denominator, const double* numerator) override
    {
        glidePending = false;
        const auto a = bilinearTransform<N> (denominator, sampleRate);
        const auto b = bilinearTransform<N> (numerator, sampleRate);
        a0 = a[0];

        for (int n = 1; n <= N; ++n)
            target[(size_t) (n - 1)] = a[(size_t) n] / a0;

        for (int n = 0; n <= N; ++n)
            target[(size_t) (N + n)] = b[(size_t) n] / a0;

        glidePending = true;

        if (firstUpdate)
        {
            firstUpdate = false;
            current = target;
        }
    }

    void processMono (float* samples, int numSamples) override { filterMono (samples, numSamples, 1.0, 1.0f); }

    void processStereo (float* left, float* right, int numSamples) override
    {
        filterStereo (left, right, numSamples, 1.0, 1.0f);
    }

    /** Coefficients being reached, a1 ... aN then b0 ... bN, normalised by a0. */
    const double* getTargetCoefficients() const { return target.data(); }

    /** Coefficients in use, same order. */
    const double* getCurrentCoefficients() const { return current.data(); }

    int getGlideLength() const { return glideLength; }

protected:
    /** Filters one channel in place; the input is scaled by inputGain before
        it enters the filter and the written sample is the rounded output
        times outputGain (the history keeps the unscaled output). */
    void filterMono (float* samples, int numSamples, double inputGain, float outputGain)
    {
        startGlideIfPending();
        auto& h = history[0];

        for (int i = 0; i < numSamples; ++i)
        {
            advanceGlide();
            samples[i] = filterSample (h, inputGain * (double) samples[i], outputGain);
        }
    }

    /** Both channels in place with the same coefficients on every frame. */
    void filterStereo (float* left, float* right, int numSamples, double inputGain, float outputGain)
    {
        startGlideIfPending();

        for (int i = 0; i < numSamples; ++i)
        {
            advanceGlide();
            left[i] = filterSample (history[0], inputGain * (double) left[i], outputGain);
            right[i] = filterSample (history[1], inputGain * (double) right[i], outputGain);
        }
    }

private:
    using History = std::array<double, 2 * (std::size_t) N>; // x[n-1] ... x[n-N], y[n-1] ... y[n-N]

    void startGlideIfPending()
    {
        if (! glidePending)
            return;

        for (int c = 0; c < numCoefficients; ++c)
            step[(size_t) c] = (target[(size_t) c] - current[(size_t) c]) * glideStepFactor;

        glideCounter = 0;
        glidePending = false;
    }

    inline void advanceGlide()
    {
        if (glideCounter >= glideLength)
            return;

        ++glideCounter;

        if (glideCounter == glideLength)
        {
            current = target;
            return;
        }

        for (int c = 0; c < numCoefficients; ++c)
            current[(size_t) c] += step[(size_t) c];
    }

    inline float filterSample (History& h, double x, float outputGain)
    {
        // Numerator and denominator sums are each formed left to right, then subtracted once.
        double forward = current[(size_t) N] * x;
        for (int k = 1; k <= N; ++k)
            forward += current[(size_t) (N + k)] * h[(size_t) (k - 1)];

        double feedback = current[0] * h[(size_t) N];
        for (int k = 2; k <= N; ++k)
            feedback += current[(size_t) (k - 1)] * h[(size_t) (N + k - 1)];

        const double t = (forward - feedback) - 1e-20;

        for (int k = N - 1; k > 0; --k)
        {
            h[(size_t) k] = h[(size_t) (k - 1)];
            h[(size_t) (N + k)] = h[(size_t) (N + k - 1)];
        }

        h[0] = x;
        h[(size_t) N] = t + 1e-20;

        const float y = (float) h[(size_t) N];
        return outputGain == 1.0f ? y : (float) (y * outputGain);
    }

    double a0 = 1.0;
    std::array<double, (std::size_t) numCoefficients> target {}, current {}, step {};
    std::array<History, 2> history {};
    std::int16_t glideCounter = 0;
    bool firstUpdate = true;
    std::int32_t glideLength = 2048;
    bool glidePending = false;
    double glideStepFactor = 1.0 / 2048.0;
};
