#pragma once

#include "dsp/FxModuleBase.h"

#include <atomic>
#include <memory>

/** A block module with an indexed set of float parameters.

    The stored values are atomics: the processor's timer (message thread) and
    the audio thread both call setParameter on a model. */
class FxBase : public FxModuleBase
{
public:
    /** Stores a parameter value and routes it to the stages. */
    virtual void setParameter (int index, float value) = 0;

    /** Acts on the stored value of one index (recomputes what it drives). */
    virtual void applyParameter (int index) = 0;

    virtual float getDefaultParameterValue (int index) const = 0;

    /** The stored value at index (0 ... numParameters - 1); 0 without storage. */
    virtual float getParameter (int index) const
    {
        return parameters != nullptr ? parameters[(std::size_t) index].load (std::memory_order_relaxed) : 0.0f;
    }

    virtual const char* getParameterName (int index) const = 0;

    virtual int getNumParameters() const { return numParameters; }

    /** Largest block the module is prepared for. Preparation thread. */
    virtual void setMaxBlockSize (int numSamples) { maxBlockSize = numSamples; }

    virtual int getMaxBlockSize() const { return maxBlockSize; }

    /** Pushes every stored parameter to the stages again and re-initialises. */
    virtual void restart() = 0;

protected:
    void allocateParameters (int count)
    {
        parameters = std::make_unique<std::atomic<float>[]> ((size_t) count);
        numParameters = count;

        for (int i = 0; i < count; ++i)
            parameters[(std::size_t) i].store (0.0f, std::memory_order_relaxed);
    }

    void storeParameter (int index, float value)
    {
        if (parameters != nullptr && index >= 0 && index < numParameters)
            parameters[(std::size_t) index].store (value, std::memory_order_relaxed);
    }

    std::unique_ptr<std::atomic<float>[]> parameters;
    int numParameters = 0;
    int maxBlockSize = 0;
};
