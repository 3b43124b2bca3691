#pragma once

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
    #define ONDREL_DOUBLE_PAIR_SSE2 1
    #include <emmintrin.h>
#else
    #define ONDREL_DOUBLE_PAIR_SSE2 0
#endif

/** Two doubles that travel together through the same arithmetic: the left
    and right channel of a stereo filter, whose coefficients are shared.

    Each operation is the IEEE operation on each element, so a pair gives
    bit for bit what two scalar evaluations in the same order give. With SSE2
    the pair is one register and a stereo step costs what a mono step does;
    elsewhere it is two plain doubles. No multiply-add is ever formed. */
struct DoublePair
{
#if ONDREL_DOUBLE_PAIR_SSE2
    __m128d v;

    static DoublePair of (double first, double second) noexcept { return { _mm_set_pd (second, first) }; }
    static DoublePair both (double value) noexcept { return { _mm_set1_pd (value) }; }

    /** Loads two adjacent doubles (16-byte aligned). */
    static DoublePair load (const double* p) noexcept { return { _mm_load_pd (p) }; }
    void store (double* p) const noexcept { _mm_store_pd (p, v); }

    double first() const noexcept { return _mm_cvtsd_f64 (v); }
    double second() const noexcept { return _mm_cvtsd_f64 (_mm_unpackhi_pd (v, v)); }

    friend DoublePair operator+ (DoublePair a, DoublePair b) noexcept { return { _mm_add_pd (a.v, b.v) }; }
    friend DoublePair operator- (DoublePair a, DoublePair b) noexcept { return { _mm_sub_pd (a.v, b.v) }; }
    friend DoublePair operator* (DoublePair a, DoublePair b) noexcept { return { _mm_mul_pd (a.v, b.v) }; }
#else
    double a, b;

    static DoublePair of (double first, double second) noexcept { return { first, second }; }
    static DoublePair both (double value) noexcept { return { value, value }; }
    static DoublePair load (const double* p) noexcept { return { p[0], p[1] }; }
    void store (double* p) const noexcept
    {
        p[0] = a;
        p[1] = b;
    }

    double first() const noexcept { return a; }
    double second() const noexcept { return b; }

    friend DoublePair operator+ (DoublePair x, DoublePair y) noexcept { return { x.a + y.a, x.b + y.b }; }
    friend DoublePair operator- (DoublePair x, DoublePair y) noexcept { return { x.a - y.a, x.b - y.b }; }
    friend DoublePair operator* (DoublePair x, DoublePair y) noexcept { return { x.a * y.a, x.b * y.b }; }
#endif
};
