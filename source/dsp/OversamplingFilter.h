#pragma once

#include "dsp/DoublePair.h"
#include "dsp/Inlining.h"
#include "dsp/OversamplingCoefficients.h"

#include <cstring>
#include <type_traits>

/** The coefficients of one factor in the form a filter step reads them:
    b0 ... b7 (the numerator is symmetric) and a1 ... a14 (a0 = 1 is not
    used), once as plain doubles and once with each value in both halves of
    a pair, so a stereo step loads them without shuffling. */
struct OversamplingStepCoefficients
{
    double b[8] {};
    double a[15] {};
    DoublePair bBoth[8] {};
    DoublePair aBoth[15] {};

    /** Takes b0 ... b7 and a0 ... a14 from 15-element numerator and denominator arrays. */
    void load (const double* numerator, const double* denominator) noexcept
    {
        for (int k = 0; k < 8; ++k)
        {
            b[k] = numerator[k];
            bBoth[k] = DoublePair::both (numerator[k]);
        }

        for (int k = 0; k < 15; ++k)
        {
            a[k] = denominator[k];
            aBoth[k] = DoublePair::both (denominator[k]);
        }
    }
};

/** Both channels' histories of one 14th-order lowpass (the interpolation or
    the decimation filter of a stage).

    The 15 inputs x[0 ... 14] and the 14 outputs y[1 ... 14] of each channel
    live in rings stored twice over: a step moves the head back by one slot
    and writes the new value into both copies, so the values a step reads are
    always contiguous and nothing is shifted. The channels sit side by side
    in every slot, so a stereo step reads one register per tap. A mono step
    moves channel 0's heads only; channel 1 is brought back into line the
    next time both channels step. */
class OversamplingHistory
{
public:
    static constexpr int inputTaps = 15;
    static constexpr int outputTaps = 14;

    void clear() noexcept
    {
        std::memset (x, 0, sizeof (x));
        std::memset (y, 0, sizeof (y));
        xHead[0] = xHead[1] = 0;
        yHead[0] = yHead[1] = 0;
    }

    /** Where the newest input and output of a channel sit. A loop over a
        block takes them once, steps with them in registers and hands them
        back at the end. */
    struct Heads
    {
        int x, y;
    };

    /** Channel 0's heads, for mono steps. */
    Heads firstChannelHeads() const noexcept { return { xHead[0], yHead[0] }; }
    void setFirstChannelHeads (Heads heads) noexcept
    {
        xHead[0] = heads.x;
        yHead[0] = heads.y;
    }

    /** The heads both channels share in stereo steps (channel 1 is first
        brought into line if mono steps moved channel 0 alone). */
    Heads pairHeads() noexcept
    {
        if (xHead[1] != xHead[0] || yHead[1] != yHead[0])
            bringSecondChannelInLine();

        return { xHead[0], yHead[0] };
    }

    void setPairHeads (Heads heads) noexcept
    {
        xHead[0] = xHead[1] = heads.x;
        yHead[0] = yHead[1] = heads.y;
    }

    /** One filter step of channel 0 alone; returns the filtered sample.

        An interpolation filter fed zero-stuffed input, `factor` sub-samples
        per frame, at sub-sample `phase` of its frame, has seen non-zero
        input only `phase`, `phase + factor`, ... steps ago, and the
        numerator reads those taps alone. Leaving out a product with a zero
        input drops an exact zero from the left-to-right sum, which changes
        at most the sign of a zero result, and the denormal offset that
        closes the step turns that into +0: the result is bit for bit that
        of reading every tap, which the default (factor 1) does. */
    template <int factor = 1, int phase = 0>
    ONDREL_ALWAYS_INLINE double stepFirst (Heads& heads, double input, const OversamplingStepCoefficients& c) noexcept
    {
        const int h = heads.x = previousSlot (heads.x, inputTaps);
        double* xp = x[h];
        xp[0] = xp[2 * inputTaps] = input;
        const double* yp = y[heads.y];

        const auto xs = [xp] (int k) { return xp[2 * k]; };
        const double result = closeStep (numerator<factor, phase, 0, false> (0.0, xs, c.b),
                                         [yp] (int k) { return yp[2 * (k - 1)]; }, c.a);

        const int g = heads.y = previousSlot (heads.y, outputTaps);
        y[g][0] = y[g + outputTaps][0] = result;
        return result;
    }

    /** One filter step of both channels with the same coefficients; the
        heads must come from pairHeads. Zero-stuffed input as in stepFirst. */
    template <int factor = 1, int phase = 0>
    ONDREL_ALWAYS_INLINE DoublePair stepBoth (Heads& heads, DoublePair input, const OversamplingStepCoefficients& c) noexcept
    {
        const int h = heads.x = previousSlot (heads.x, inputTaps);
        double* xp = x[h];
        input.store (xp);
        input.store (xp + 2 * inputTaps);
        const double* yp = y[heads.y];

        const auto xs = [xp] (int k) { return DoublePair::load (xp + 2 * k); };
        const DoublePair result = closeStep (numerator<factor, phase, 0, false> (DoublePair::both (0.0), xs, c.bBoth),
                                             [yp] (int k) { return DoublePair::load (yp + 2 * (k - 1)); }, c.aBoth);

        const int g = heads.y = previousSlot (heads.y, outputTaps);
        result.store (y[g]);
        result.store (y[g + outputTaps]);
        return result;
    }

    /** Single steps with the stored heads, for use outside block loops. */
    double stepFirst (double input, const OversamplingStepCoefficients& c) noexcept
    {
        Heads heads = firstChannelHeads();
        const double result = stepFirst (heads, input, c);
        setFirstChannelHeads (heads);
        return result;
    }

    DoublePair stepBoth (DoublePair input, const OversamplingStepCoefficients& c) noexcept
    {
        Heads heads = pairHeads();
        const DoublePair result = stepBoth (heads, input, c);
        setPairHeads (heads);
        return result;
    }

private:
    ONDREL_ALWAYS_INLINE static int previousSlot (int head, int size) noexcept { return head == 0 ? size - 1 : head - 1; }

    /** The step's arithmetic after the numerator, for one channel (double)
        or both (DoublePair): the feedback terms one by one, then the
        denormal offset added and removed. */
    template <typename T, typename Output>
    ONDREL_ALWAYS_INLINE static T closeStep (T acc, Output ys, const T* a) noexcept
    {
        acc = acc - a[1] * ys (1) - a[2] * ys (2) - a[3] * ys (3) - a[4] * ys (4) - a[5] * ys (5) - a[6] * ys (6)
            - a[7] * ys (7) - a[8] * ys (8) - a[9] * ys (9) - a[10] * ys (10) - a[11] * ys (11) - a[12] * ys (12)
            - a[13] * ys (13) - a[14] * ys (14);

        const T offset = offsetOf<T>();
        return (acc + offset) - offset;
    }

    /** The paired numerator from pair j on, left to right, b0 * (x0 + x14)
        + ... + b6 * (x6 + x8) + b7 * x7, leaving out the taps zero-stuffing
        keeps at zero (see stepFirst); `started` says whether acc holds a
        term yet. */
    template <int factor, int phase, int j, bool started, typename T, typename Input>
    ONDREL_ALWAYS_INLINE static T numerator (T acc, Input xs, const T* b) noexcept
    {
        if constexpr (j > 7)
        {
            return acc;
        }
        else
        {
            constexpr bool low = j % factor == phase;
            constexpr bool high = j != 7 && (14 - j) % factor == phase;

            if constexpr (! low && ! high)
            {
                return numerator<factor, phase, j + 1, started> (acc, xs, b);
            }
            else
            {
                const T term = pairTerm<j, low, high> (xs, b);

                if constexpr (started)
                    return numerator<factor, phase, j + 1, true> (acc + term, xs, b);
                else
                    return numerator<factor, phase, j + 1, true> (term, xs, b);
            }
        }
    }

    /** Pair j of the numerator with only its live taps: b[j] times their sum. */
    template <int j, bool low, bool high, typename T, typename Input>
    ONDREL_ALWAYS_INLINE static T pairTerm (Input xs, const T* b) noexcept
    {
        if constexpr (low && high)
            return b[j] * (xs (j) + xs (14 - j));
        else if constexpr (low)
            return b[j] * xs (j);
        else
            return b[j] * xs (14 - j);
    }

    template <typename T>
    static T offsetOf() noexcept
    {
        if constexpr (std::is_same_v<T, double>)
            return 1e-20;
        else
            return DoublePair::both (1e-20);
    }

    /** After mono steps channel 1's values sit where its own heads left
        them: copy them, in order, to where the shared heads are. */
    ONDREL_NEVER_INLINE void bringSecondChannelInLine() noexcept
    {
        double inputs[inputTaps], outputs[outputTaps];

        for (int k = 0; k < inputTaps; ++k)
            inputs[k] = x[xHead[1] + k][1];
        for (int k = 0; k < outputTaps; ++k)
            outputs[k] = y[yHead[1] + k][1];

        for (int k = 0; k < inputTaps; ++k)
        {
            const int slot = (xHead[0] + k) % inputTaps;
            x[slot][1] = x[slot + inputTaps][1] = inputs[k];
        }

        for (int k = 0; k < outputTaps; ++k)
        {
            const int slot = (yHead[0] + k) % outputTaps;
            y[slot][1] = y[slot + outputTaps][1] = outputs[k];
        }

        xHead[1] = xHead[0];
        yHead[1] = yHead[0];
    }

    // x[xHead + k] is the input k steps ago, y[yHead + k - 1] the output k
    // steps ago; [.][0] is channel 0 (left or mono), [.][1] channel 1.
    alignas (16) double x[2 * inputTaps][2] {};
    alignas (16) double y[2 * outputTaps][2] {};
    int xHead[2] { 0, 0 };
    int yHead[2] { 0, 0 };
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
}
