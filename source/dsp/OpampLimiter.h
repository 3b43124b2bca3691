#pragma once

#include "dsp/Inlining.h"
#include "dsp/ModuleBase.h"

#include <cmath>

/** Soft limiter in front of every diode table: unity gain up to 4.153867856,
    a 1 dB soft knee, and a ceiling of 4.4 from 4.660716391 on. The output is
    rounded to single precision. Holds no state between samples. */
class OpampLimiter : public ModuleBase
{
public:
    static constexpr double kneeStart = 4.153867856;
    static constexpr double kneeEnd = 4.660716391;
    static constexpr double ceiling = 4.4;

    /** Limits one value; audio thread. */
    ONDREL_ALWAYS_INLINE static double limit (double x) noexcept
    {
        const double magnitude = std::abs (x);
        double gain = 1.0;

        if (magnitude > kneeStart)
        {
            if (magnitude >= kneeEnd)
            {
                gain = ceiling / magnitude;
            }
            else
            {
                // The gain in dB is minus half the squared excess over the knee start.
                const double levelDb = std::log (magnitude) * 8.685889638065037;
                const double excess = levelDb - 12.36905353;
                gain = std::exp ((-(excess * excess)) / 2 * 0.11512925464970228);
            }
        }

        return (double) (float) (x * gain);
    }

    void processSamplePair (double* first, double* second) override
    {
        *first = limit (*first);
        *second = limit (*second);
    }

    void processSample (double* sample) override { *sample = limit (*sample); }
};
