#pragma once

/** Root of every signal-processing module: a sample rate, a class-name text
    and the life cycle setSampleRate -> reset (clearState + initialise) ->
    updateCoefficients -> processing. */
class DspBase
{
public:
    virtual ~DspBase() = default;

    /** Sets the rate in Hz the module runs at. Preparation or message thread. */
    virtual void setSampleRate (float rate) { sampleRate = rate; }

    /** The rate in Hz the module runs at. */
    virtual float getSampleRate() const { return sampleRate; }

    /** Static text naming the class; never null. */
    virtual const char* getName() const { return name != nullptr ? name : ""; }

    /** Clears the signal state, then returns coefficients and smoothing to
        their start values. Recomputes nothing. */
    virtual void reset()
    {
        clearState();
        initialise();
    }

    /** Zeroes signal histories and per-channel state. */
    virtual void clearState() {}

    /** Returns coefficients, smoothing and pending flags to their start values. */
    virtual void initialise() {}

    /** Recomputes coefficients (or picks a table) from parameters and rate. */
    virtual void updateCoefficients() {}

protected:
    float sampleRate = 44100.0f;
    const char* name = nullptr;
};
