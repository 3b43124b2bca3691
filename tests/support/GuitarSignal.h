#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

/** A guitar-like signal for tests and benchmarks: plucked notes with decaying
    harmonics, a new note every quarter of a second, peaks near 0.5.
    Deterministic, so every program and every plug-in sees the same samples. */
struct GuitarSignal
{
    /** The sample at absolute index `index` of the signal at `rate` Hz. */
    static float at (double rate, std::int64_t index)
    {
        static constexpr double notesHz[] = { 82.41, 110.0, 146.83, 196.0, 246.94, 329.63 };
        static constexpr double noteSeconds = 0.25;
        static constexpr int harmonics = 6;
        static constexpr double twoPi = 6.283185307179586;

        const double t = (double) index / rate;
        const auto note = (std::int64_t) (t / noteSeconds);
        const double sinceOnset = t - (double) note * noteSeconds;
        const double f = notesHz[note % 6];
        const double envelope = 0.5 * std::exp (-6.0 * sinceOnset);
        double sum = 0.0;

        for (int h = 1; h <= harmonics; ++h)
            sum += std::sin (twoPi * f * h * sinceOnset) / (double) (h * 2);

        return (float) (envelope * sum);
    }

    /** `seconds` of the signal at `rate` Hz, single precision. */
    static std::vector<float> make (double rate, double seconds)
    {
        std::vector<float> samples ((size_t) std::llround (rate * seconds));

        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = at (rate, (std::int64_t) i);

        return samples;
    }
};
