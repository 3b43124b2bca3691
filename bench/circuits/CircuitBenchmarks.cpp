// One second of stereo audio at 48 kHz through each circuit at every factor,
// in 512-sample blocks. The counter "realtime" is seconds of audio per second.

#include "circuits/BigMuff227Fuzz.h"
#include "circuits/BigMuffFuzz.h"
#include "circuits/IFZ5.h"
#include "circuits/PF.h"
#include "circuits/ToneBender.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr float rate = 48000.0f;
    constexpr int blockSize = 512;
    constexpr int oneSecond = 48000;

    template <typename Model>
    void runCircuit (benchmark::State& state)
    {
        const int factor = (int) state.range (0);
        Model model;
        model.setSampleRate (rate);
        model.setMaxBlockSize (16384);
        model.reset();
        model.setParameter (0, 1.0f);
        for (int i = 1; i <= 3; ++i)
            model.setParameter (i, 0.5f);
        model.setParameter (4, (float) factor / 3.0f);
        model.restart();

        std::vector<float> source ((size_t) oneSecond), left ((size_t) blockSize), right ((size_t) blockSize);
        for (int i = 0; i < oneSecond; ++i)
            source[(size_t) i] = (float) (0.5 * std::sin (2.0 * M_PI * 220.0 * i / rate));

        for (auto _ : state)
        {
            for (int offset = 0; offset + blockSize <= oneSecond; offset += blockSize)
            {
                std::copy (source.begin() + offset, source.begin() + offset + blockSize, left.begin());
                std::copy (source.begin() + offset, source.begin() + offset + blockSize, right.begin());
                model.processStereo (left.data(), right.data(), blockSize);
            }
            benchmark::DoNotOptimize (left.data());
        }

        const double audioSeconds = (double) (oneSecond / blockSize * blockSize) / rate;
        state.counters["realtime"] = benchmark::Counter (audioSeconds * (double) state.iterations(), benchmark::Counter::kIsRate);
    }
}

BENCHMARK_TEMPLATE (runCircuit, BigMuffFuzz)->DenseRange (0, 3)->Unit (benchmark::kMillisecond);
BENCHMARK_TEMPLATE (runCircuit, PF)->DenseRange (0, 3)->Unit (benchmark::kMillisecond);
BENCHMARK_TEMPLATE (runCircuit, BigMuff227Fuzz)->DenseRange (0, 3)->Unit (benchmark::kMillisecond);
BENCHMARK_TEMPLATE (runCircuit, IFZ5)->DenseRange (0, 3)->Unit (benchmark::kMillisecond);
BENCHMARK_TEMPLATE (runCircuit, ToneBender)->DenseRange (0, 3)->Unit (benchmark::kMillisecond);
