#pragma once

/** The four rate classes of ramps and fades: below 34050 Hz, below 68000 Hz,
    below 136000 Hz, and above. The comparisons are strict, so a rate exactly
    on a boundary takes the longer length. */
struct RateClass
{
    /** 1024, 2048, 4096 or 8192 samples for a rate in Hz. Any thread. */
    static int rampLength (float rate) noexcept
    {
        if (rate < 34050.0f) return 1024;
        if (rate < 68000.0f) return 2048;
        if (rate < 136000.0f) return 4096;
        return 8192;
    }
};
