#pragma once

// The per-sample steps of the hot loops are small enough to inline but sit
// inside bodies that are already large, where compilers give up; a step left
// as a call costs more than its arithmetic. Rare repair paths are kept out
// of line so they do not crowd the loop they are called from.
#if defined(_MSC_VER)
    #define ONDREL_ALWAYS_INLINE __forceinline
    #define ONDREL_NEVER_INLINE __declspec (noinline)
#else
    #define ONDREL_ALWAYS_INLINE inline __attribute__ ((always_inline))
    #define ONDREL_NEVER_INLINE __attribute__ ((noinline))
#endif
