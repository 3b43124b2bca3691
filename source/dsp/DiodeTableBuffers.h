#pragma once

#include <memory>

/** The two working copies of a table reader: a table is loaded into the
    copy not in use and becomes active only on commit, so a load never
    writes the table the audio thread reads. Loading and committing run on
    the message thread while the owning model keeps audio away. */
class DiodeTableBuffers
{
public:
    /** Allocates both copies with count floats, zero-filled, unless they
        already hold that many; later calls keep large enough copies. Copies
        that are replaced (a silent stand-by table growing into a real one)
        leave no table active until the next commit. */
    void allocate (int count)
    {
        if (count <= capacity)
            return;

        bufferA = std::make_unique<float[]> ((size_t) count);
        bufferB = std::make_unique<float[]> ((size_t) count);
        capacity = count;
        activeTable = nullptr;
        loadIntoA = false;
        swapPending = false;
    }

    /** Zeroes both copies and makes the first one active: a table whose
        every lookup gives 0. */
    void installSilence (int count)
    {
        allocate (count);

        for (int i = 0; i < capacity; ++i)
            bufferA[(size_t) i] = bufferB[(size_t) i] = 0.0f;

        activeTable = bufferA.get();
    }

    /** The rate the table is processed at for a host rate and oversampling
        index: the factor is capped at 4x above 68100 Hz and 2x above 136200 Hz. */
    static float effectiveRate (float hostRate, int oversamplingIndex) noexcept
    {
        int factor = 1 << oversamplingIndex;

        if (hostRate > 68100.0f && factor > 4)
            factor = 4;
        if (hostRate > 136200.0f && factor > 2)
            factor = 2;

        return (float) factor * hostRate;
    }

    /** Whether a table for this effective rate has not been tried yet. */
    bool needsLoad (float rate) const noexcept { return rate != loadedRate; }

    /** The copy the next load writes, or nullptr before allocation. */
    float* loadTarget() const noexcept { return loadIntoA ? bufferA.get() : bufferB.get(); }

    /** Records a load attempt; a failed one is not retried for the same rate. */
    void recordLoad (float rate, bool loaded) noexcept
    {
        loadedRate = rate;
        swapPending = loaded;
    }

    /** Makes a freshly loaded copy the active table. */
    void commit() noexcept
    {
        if (! swapPending)
            return;

        activeTable = loadTarget();
        loadIntoA = ! loadIntoA;
        swapPending = false;
    }

    void cancelPending() noexcept { swapPending = false; }

    /** Capacity in floats of each copy (0 before allocation). */
    int getCapacity() const noexcept { return capacity; }

    /** The table in use, or nullptr before the first commit. Audio thread. */
    const float* active() const noexcept { return activeTable; }

    float getLoadedRate() const noexcept { return loadedRate; }

private:
    std::unique_ptr<float[]> bufferA, bufferB;
    int capacity = 0;
    bool loadIntoA = false; // the first load goes into the second copy
    bool swapPending = false;
    float loadedRate = -1.0f;
    const float* activeTable = nullptr;
};
