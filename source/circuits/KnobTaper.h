#pragma once

#include <cmath>

/** Potentiometer tapers shared by the circuits. Every step is rounded to
    single precision, as the hardware-matching coefficient laws expect. */
struct KnobTaper
{
    /** Log taper w = (81^k - 1) * 0.0125: 0 at k = 0, 0.1 at k = 0.5, 1 at k = 1.
        Any thread. */
    static float logarithmic (float k) noexcept
    {
        const float power = (float) std::pow (81.0, (double) k);
        const float less = power - 1.0f;
        return less * 0.0125f;
    }

    /** Mirrored log taper c = 1 - (81^(1-f) - 1) * 0.0125: 0 at f = 0,
        0.9 at f = 0.5, 1 at f = 1. Any thread. */
    static float reverseLogarithmic (float f) noexcept
    {
        const float x = 1.0f - f;
        const float power = (float) std::pow (81.0, (double) x);
        const float less = power - 1.0f;
        const float scaled = less * 0.0125f;
        return 1.0f - scaled;
    }
};
