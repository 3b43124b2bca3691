#pragma once

#include <functional>

/** Counts what a piece of code does that an audio thread must never do:
    allocate or free memory through the C or C++ allocators, and lock a
    mutex. Only the calling thread is counted, and only inside countDuring.

    The counting replaces the global allocation and mutex functions of the
    test program, which the sanitizers also replace, so it is switched off
    in sanitizer builds (available() then returns false). */
namespace AudioThreadProbe
{
    struct Counts
    {
        int allocations = 0;
        int frees = 0;
        int mutexLocks = 0;

        bool isClean() const noexcept { return allocations == 0 && frees == 0 && mutexLocks == 0; }
    };

    bool available() noexcept;

    Counts countDuring (const std::function<void()>& work);
}
