#pragma once

#include "dsp/OversamplingCoefficients.h"

#include <array>
#include <cstring>

/** One history of the 14th-order oversampling lowpass: x[0 ... 14] then
    y[0 ... 14], contiguous. x[0] takes the new input, y[0] is scratch. */
struct OversamplingHistory
{
    std::array<double, 30> values {};

    void clear() { values.fill (0.0); }
};

namespace OversamplingFilter
{
    /** Limits a factor index by the rate the filters run under. */
    inline int limitIndex (int index, float rate) noexcept
    {
        if (rate >= 68100.0f && rate < 136200.0f && index > 2)
            return 2;
        if (rate >= 136200.0f && rate < 272400.0f && index > 1)
            return 1;
        if (rate >= 272400.0f && index > 0)
            return 0;
        return index;
    }

    /** Copies the coefficient set of a factor index (zeros for index 0). */
    inline void loadSet (int index, double* numerator, double* denominator) noexcept
    {
        if (index >= 1 && index <= 3)
        {
            const auto& set = OversamplingCoefficients::sets[index - 1];
            std::memcpy (numerator, set.numerator.data(), sizeof (double) * 15);
            std::memcpy (denominator, set.denominator.data(), sizeof (double) * 15);
        }
        else
        {
            std::memset (numerator, 0, sizeof (double) * 15);
            std::memset (denominator, 0, sizeof (double) * 15);
        }
    }

    /** One filter step in place on one history; returns the filtered sample.
        The sums run left to right in the paired form of the symmetric
        numerator, then the feedback terms one by one. */
    inline double step (OversamplingHistory& history, double input, const double* b, const double* a) noexcept
    {
        double* x = history.values.data();
        double* y = x + 15;
        x[0] = input;

        double acc = b[0] * (x[0] + x[14]) + b[1] * (x[1] + x[13]) + b[2] * (x[2] + x[12]) + b[3] * (x[3] + x[11])
                   + b[4] * (x[4] + x[10]) + b[5] * (x[5] + x[9]) + b[6] * (x[6] + x[8]) + b[7] * x[7];
        acc = acc - a[1] * y[1] - a[2] * y[2] - a[3] * y[3] - a[4] * y[4] - a[5] * y[5] - a[6] * y[6] - a[7] * y[7]
            - a[8] * y[8] - a[9] * y[9] - a[10] * y[10] - a[11] * y[11] - a[12] * y[12] - a[13] * y[13] - a[14] * y[14];

        y[0] = acc + 1e-20;
        std::memmove (x + 1, x, sizeof (double) * 14);
        std::memmove (y + 2, y + 1, sizeof (double) * 13);
        y[1] = y[0] - 1e-20;
        return y[1];
    }
}
