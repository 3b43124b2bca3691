#pragma once

#include "circuits/CircuitModel.h"

#include <cmath>
#include <vector>

namespace circuit_test
{
    constexpr float testRate = 44100.0f;
    constexpr int blockSize = 512;

    /** Prepares a model the way the processor does: rate, block size, reset,
        the five parameters, restart. */
    inline void prepare (CircuitModel& model, float rate, int factorIndex,
                         float fuzz = 0.5f, float tone = 0.5f, float level = 0.5f, bool engage = true)
    {
        model.setSampleRate (rate);
        model.setMaxBlockSize (16384);
        model.reset();
        model.setParameter (0, engage ? 1.0f : 0.0f);
        model.setParameter (1, fuzz);
        model.setParameter (2, tone);
        model.setParameter (3, level);
        model.setParameter (4, (float) factorIndex / 3.0f);
        model.restart();
    }

    inline std::vector<float> sine (int length, double frequency, double amplitude, float rate)
    {
        std::vector<float> out ((size_t) length);
        for (int i = 0; i < length; ++i)
            out[(size_t) i] = (float) (amplitude * std::sin (2.0 * M_PI * frequency * i / rate));
        return out;
    }

    /** Runs `count` samples of constant input through processMono in blocks. */
    inline void runMono (CircuitModel& model, int count, float value = 0.1f)
    {
        std::vector<float> block ((size_t) blockSize);
        while (count > 0)
        {
            const int n = count < blockSize ? count : blockSize;
            std::fill (block.begin(), block.end(), value);
            model.processMono (block.data(), n);
            count -= n;
        }
    }
}
