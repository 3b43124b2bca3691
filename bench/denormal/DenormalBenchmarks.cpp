// The whole processor at 48 kHz in 512-sample stereo blocks, each circuit at
// 1x and 8x, fed either guitar-level audio or denormal-level input (1e-39,
// alternating in sign from sample to sample, or constant). Every row reports
// the CPU time of one block ("block_us"); the denormal rows add the guitar
// row of the same setting ("guitar_us") and their ratio to it ("ratio"),
// which must stay at or below 1.5.

#include "shell/OndrelQX2718AudioProcessor.h"
#include "support/GuitarSignal.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <ctime>
#include <map>
#include <memory>
#include <utility>

namespace
{
    constexpr double rate = 48000.0;
    constexpr int blockSize = 512;
    constexpr float denormalLevel = 1e-39f;
    constexpr double primeSeconds = 1.0;
    constexpr double settleLimitSeconds = 5.0;
    constexpr int pumpMs = 5;
    constexpr int afterSwitchMs = 150;
    constexpr int baselineBlocks = 200;

    enum class Input
    {
        guitar = 0,
        denormalAlternating,
        denormalConstant
    };

    const char* inputName (Input input)
    {
        switch (input)
        {
            case Input::guitar: return "guitar";
            case Input::denormalAlternating: return "denormal-alternating";
            case Input::denormalConstant: return "denormal-constant";
        }

        return "";
    }

    double threadSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return (double) now.tv_sec + 1e-9 * (double) now.tv_nsec;
    }

    /** One prepared processor, switched between settings as the rows need.
        Message thread (the benchmark thread is the message thread). */
    class ProcessorRig
    {
    public:
        ProcessorRig() : guitar (GuitarSignal::make (rate, 4.0))
        {
            processor.setPlayConfigDetails (2, 2, rate, blockSize);
            processor.prepareToPlay (rate, blockSize);
        }

        /** Selects a circuit (0 ... 4) and 1x or 8x, then runs blocks and the
            message loop until the crossfade and the models' fades are over;
            false if they never end. */
        bool select (int circuit, bool eightTimes)
        {
            processor.setParameter (Parameters::fuzzType, (float) circuit / 4.0f);
            processor.setParameter (Parameters::oversampling, eightTimes ? 1.0f : 0.0f);
            processor.applySwitch();

            auto settled = [&]
            {
                auto* model = dynamic_cast<CircuitModel*> (&processor.getModel (circuit));
                return ! processor.isSwitchPending() && ! processor.isCrossfading()
                       && processor.getActiveModelIndex() == circuit
                       && processor.getOversamplingIndex() == (eightTimes ? 3 : 0)
                       && model != nullptr && model->getFadeMode() == CircuitModel::active;
            };

            const auto limit = (int) (settleLimitSeconds * rate / blockSize);

            for (int block = 0; block < limit && ! settled(); ++block)
            {
                process (Input::guitar);
                pump (pumpMs);
            }

            // Whatever the models' timers still have to do, they do now.
            for (int elapsed = 0; elapsed < afterSwitchMs; elapsed += pumpMs)
            {
                process (Input::guitar);
                pump (pumpMs);
            }

            return settled();
        }

        /** Runs a second of the input so that every filter is in its regime. */
        void prime (Input input)
        {
            for (int block = 0; block < (int) (primeSeconds * rate / blockSize); ++block)
                process (input);
        }

        void fill (Input input)
        {
            for (int channel = 0; channel < 2; ++channel)
            {
                float* samples = buffer.getWritePointer (channel);

                for (int i = 0; i < blockSize; ++i)
                {
                    if (input == Input::guitar)
                        samples[i] = guitar[(guitarPosition + (size_t) i) % guitar.size()];
                    else if (input == Input::denormalAlternating)
                        samples[i] = (i % 2 == 0) ? denormalLevel : -denormalLevel;
                    else
                        samples[i] = denormalLevel;
                }
            }

            if (input == Input::guitar)
                guitarPosition = (guitarPosition + (size_t) blockSize) % guitar.size();
        }

        /** Fills and processes one block; returns the thread CPU seconds of processBlock alone. */
        double process (Input input)
        {
            fill (input);
            const double start = threadSeconds();
            processor.processBlock (buffer, midi);
            const double seconds = threadSeconds() - start;
            benchmark::DoNotOptimize (buffer.getReadPointer (0));
            return seconds;
        }

        static void pump (int milliseconds) { juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds); }

    private:
        OndrelQX2718AudioProcessor processor;
        juce::AudioBuffer<float> buffer { 2, blockSize };
        juce::MidiBuffer midi;
        std::vector<float> guitar;
        size_t guitarPosition = 0;
    };

    std::unique_ptr<ProcessorRig> theRig;

    ProcessorRig& rig()
    {
        if (theRig == nullptr)
            theRig = std::make_unique<ProcessorRig>();

        return *theRig;
    }

    // Mean block time of the guitar row of each setting, in seconds.
    std::map<std::pair<int, bool>, double> guitarBlockSeconds;

    double measureGuitarBaseline (int circuit, bool eightTimes)
    {
        auto& processorRig = rig();
        if (! processorRig.select (circuit, eightTimes))
            return 0.0;

        processorRig.prime (Input::guitar);

        double total = 0.0;
        for (int block = 0; block < baselineBlocks; ++block)
            total += processorRig.process (Input::guitar);

        return total / baselineBlocks;
    }

    void processBlocks (benchmark::State& state, int circuit, bool eightTimes, Input input)
    {
        const auto setting = std::make_pair (circuit, eightTimes);

        // A denormal row run on its own (a filter) measures its baseline first.
        if (input != Input::guitar && guitarBlockSeconds.count (setting) == 0)
            guitarBlockSeconds[setting] = measureGuitarBaseline (circuit, eightTimes);

        auto& processorRig = rig();

        if (! processorRig.select (circuit, eightTimes))
        {
            state.SkipWithError ("the processor did not settle after the switch");
            return;
        }

        processorRig.prime (input);

        double total = 0.0;

        for (auto _ : state)
        {
            const double seconds = processorRig.process (input);
            total += seconds;
            state.SetIterationTime (seconds);
        }

        const double blockSeconds = total / (double) state.iterations();
        state.counters["block_us"] = 1e6 * blockSeconds;

        if (input == Input::guitar)
        {
            guitarBlockSeconds[setting] = blockSeconds;
        }
        else
        {
            const double baseline = guitarBlockSeconds[setting];
            state.counters["guitar_us"] = 1e6 * baseline;
            state.counters["ratio"] = blockSeconds / baseline;
        }
    }

    void registerAll()
    {
        for (int circuit = 0; circuit < Parameters::numCircuits; ++circuit)
        {
            for (bool eightTimes : { false, true })
            {
                for (Input input : { Input::guitar, Input::denormalAlternating, Input::denormalConstant })
                {
                    const auto name = juce::String ("Processor/") + juce::String (Parameters::circuitName (circuit)).removeCharacters (" ")
                                      + (eightTimes ? "/8x/" : "/1x/") + inputName (input);

                    benchmark::RegisterBenchmark (name.toRawUTF8(),
                                                  [=] (benchmark::State& state) { processBlocks (state, circuit, eightTimes, input); })
                        ->UseManualTime()
                        ->Unit (benchmark::kMicrosecond);
                }
            }
        }
    }
}

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juceSession;

    registerAll();
    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The processor stops its timers under the message-manager lock: it
    // goes before the message manager does.
    theRig.reset();
    return 0;
}
