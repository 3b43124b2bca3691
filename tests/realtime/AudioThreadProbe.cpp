#include "AudioThreadProbe.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

#if ! ONDREL_SANITIZED
 #include <dlfcn.h>
 #include <pthread.h>
#endif

namespace
{
    thread_local bool counting = false;
    std::atomic<int> allocations { 0 };
    std::atomic<int> frees { 0 };
    std::atomic<int> mutexLocks { 0 };

    inline void noteAllocation() noexcept { if (counting) allocations.fetch_add (1, std::memory_order_relaxed); }
    inline void noteFree (const void* p) noexcept { if (counting && p != nullptr) frees.fetch_add (1, std::memory_order_relaxed); }
}

#if ! ONDREL_SANITIZED

//==============================================================================
// The C allocator, which JUCE's HeapBlock and much of the C++ library use.
extern "C"
{
    void* __libc_malloc (size_t);
    void* __libc_calloc (size_t, size_t);
    void* __libc_realloc (void*, size_t);
    void __libc_free (void*);

    void* malloc (size_t size)              { noteAllocation(); return __libc_malloc (size); }
    void* calloc (size_t n, size_t size)    { noteAllocation(); return __libc_calloc (n, size); }
    void* realloc (void* p, size_t size)    { noteAllocation(); return __libc_realloc (p, size); }
    void free (void* p)                     { noteFree (p); __libc_free (p); }

    void* __libc_memalign (size_t, size_t);

    void* memalign (size_t alignment, size_t size)      { noteAllocation(); return __libc_memalign (alignment, size); }
    void* aligned_alloc (size_t alignment, size_t size) { noteAllocation(); return __libc_memalign (alignment, size); }

    int posix_memalign (void** result, size_t alignment, size_t size)
    {
        noteAllocation();
        if (alignment % sizeof (void*) != 0 || (alignment & (alignment - 1)) != 0)
            return EINVAL;
        *result = __libc_memalign (alignment, size);
        return *result != nullptr ? 0 : ENOMEM;
    }

    // Mutexes: std::mutex, juce::CriticalSection and the C library's own
    // locks all come down to these. The next definitions are looked up
    // before main (and on first use, should a lock come first), so looking
    // them up is never counted.
    using MutexFunction = int (*) (pthread_mutex_t*);

    static std::atomic<MutexFunction> nextLock { nullptr };
    static std::atomic<MutexFunction> nextTryLock { nullptr };

    static MutexFunction resolve (std::atomic<MutexFunction>& slot, const char* name) noexcept
    {
        auto function = slot.load (std::memory_order_acquire);
        if (function == nullptr)
        {
            function = reinterpret_cast<MutexFunction> (dlsym (RTLD_NEXT, name));
            slot.store (function, std::memory_order_release);
        }
        return function;
    }

    int pthread_mutex_lock (pthread_mutex_t* mutex)
    {
        if (counting)
            mutexLocks.fetch_add (1, std::memory_order_relaxed);
        return resolve (nextLock, "pthread_mutex_lock") (mutex);
    }

    int pthread_mutex_trylock (pthread_mutex_t* mutex)
    {
        if (counting)
            mutexLocks.fetch_add (1, std::memory_order_relaxed);
        return resolve (nextTryLock, "pthread_mutex_trylock") (mutex);
    }
}

namespace
{
    [[maybe_unused]] const bool mutexFunctionsResolved = resolve (nextLock, "pthread_mutex_lock") != nullptr
                                     && resolve (nextTryLock, "pthread_mutex_trylock") != nullptr;
}

//==============================================================================
// The C++ allocator, replaced in full so that no form escapes the count.
void* operator new (std::size_t size)
{
    if (void* p = malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* operator new[] (std::size_t size) { return operator new (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept { return malloc (size == 0 ? 1 : size); }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { return malloc (size == 0 ? 1 : size); }
void operator delete (void* p) noexcept { free (p); }
void operator delete[] (void* p) noexcept { free (p); }
void operator delete (void* p, std::size_t) noexcept { free (p); }
void operator delete[] (void* p, std::size_t) noexcept { free (p); }

#endif

bool AudioThreadProbe::available() noexcept
{
   #if ONDREL_SANITIZED
    return false;
   #else
    return true;
   #endif
}

AudioThreadProbe::Counts AudioThreadProbe::countDuring (const std::function<void()>& work)
{
    allocations = 0;
    frees = 0;
    mutexLocks = 0;

    counting = true;
    work();
    counting = false;

    return { allocations.load(), frees.load(), mutexLocks.load() };
}
