#include "circuits/CircuitModel.h"

#include "dsp/RateClass.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CircuitModel::CircuitModel (const char* modelName)
{
    name = modelName;
    allocateParameters (numModelParameters);
}

CircuitModel::~CircuitModel()
{
    stopTimer();
}

void CircuitModel::finishConstruction()
{
    for (int i = 0; i < numModelParameters; ++i)
        setParameter (i, getDefaultParameterValue (i));

    clearState();
    initialise();
}

//==============================================================================
void CircuitModel::setSampleRate (float rate)
{
    ModuleModel::setSampleRate (rate);

    for (auto* stage : chain)
        stage->setSampleRate (rate);
}

void CircuitModel::clearState()
{
    for (auto* stage : chain)
        stage->clearState();
}

void CircuitModel::initialise()
{
    silenced.store (false, std::memory_order_release);

    for (auto* stage : chain)
        stage->initialise();
}

void CircuitModel::updateCoefficients()
{
    updateEngage();

    for (auto* stage : coefficientOrder)
        stage->updateCoefficients();
}

//==============================================================================
void CircuitModel::setParameter (int index, float value)
{
    if (index < 0 || index >= numModelParameters)
        return;

    storeParameter (index, value);

    switch (index)
    {
        case 0:
            engageRequested.store (value > 0.0f, std::memory_order_relaxed);
            break;

        case 1: fuzz.store (value, std::memory_order_relaxed);  routeKnob (1, value); break;
        case 2: tone.store (value, std::memory_order_relaxed);  routeKnob (2, value); break;
        case 3: level.store (value, std::memory_order_relaxed); routeKnob (3, value); break;

        case 4:
        {
            // NaN or out-of-range values land on the nearest valid factor.
            const float scaled = 3.0f * value;
            const int factorIndex = scaled >= 0.0f ? std::min (3, (int) std::floor (scaled)) : 0;
            oversamplingIndex.store (factorIndex, std::memory_order_relaxed);

            for (auto* filters : clippingFilters)
                filters->setRequestedFactor (factorIndex);

            break;
        }

        default:
            break;
    }
}

void CircuitModel::applyParameter (int index)
{
    if (index == 0)
    {
        updateEngage();
    }
    else if (index >= 1 && index <= 3)
    {
        for (auto* stage : knobStages[index - 1])
            stage->updateCoefficients();
    }
    else if (index == 4)
    {
        beginOversamplingChange();
    }
}

float CircuitModel::getDefaultParameterValue (int index) const
{
    if (index == 0)
        return 1.0f;

    return index >= 1 && index <= 3 ? 0.5f : 0.0f;
}

const char* CircuitModel::getParameterName (int index) const
{
    switch (index)
    {
        case 0: return "Bypass";
        case 1: return "Fuzz";
        case 2: return "Tone";
        case 3: return getLevelName();
        case 4: return "NumOverSampling";
        default: return "";
    }
}

void CircuitModel::setMaxBlockSize (int numSamples)
{
    const int size = std::max (0, numSamples);
    FxBase::setMaxBlockSize (size);
    dryLeft.assign ((size_t) size, 0.0f);
    dryRight.assign ((size_t) size, 0.0f);
}

//==============================================================================
std::uint64_t CircuitModel::pack (FadeGains gains) noexcept
{
    std::uint32_t wet, dry;
    std::memcpy (&wet, &gains.wet, sizeof (wet));
    std::memcpy (&dry, &gains.dry, sizeof (dry));
    return ((std::uint64_t) wet << 32) | dry;
}

CircuitModel::FadeGains CircuitModel::unpack (std::uint64_t word) noexcept
{
    const auto wet = (std::uint32_t) (word >> 32);
    const auto dry = (std::uint32_t) word;
    FadeGains gains;
    std::memcpy (&gains.wet, &wet, sizeof (wet));
    std::memcpy (&gains.dry, &dry, sizeof (dry));
    return gains;
}

void CircuitModel::setFade (int mode, float wet, float dry) noexcept
{
    fadeGains.store (pack ({ wet, dry }), std::memory_order_relaxed);
    fadeMode.store (mode, std::memory_order_release);
}

void CircuitModel::setFadeLength (int length) noexcept
{
    fadeLength.store (length, std::memory_order_relaxed);
    fadeStep.store (1.0f / (float) length, std::memory_order_relaxed);
}

int CircuitModel::restartLength (float rate) noexcept
{
    return 2 * RateClass::rampLength (rate);
}

void CircuitModel::updateEngage()
{
    const bool requested = engageRequested.load (std::memory_order_relaxed);

    if (requested == engaged.load (std::memory_order_relaxed))
        return;

    setFadeLength (RateClass::rampLength (sampleRate));

    if (requested)
        setFade (engageFade, 0.0f, 1.0f);
    else
        setFade (bypassFade, 1.0f, 0.0f);

    engaged.store (requested, std::memory_order_relaxed);
}

void CircuitModel::beginOversamplingChange()
{
    silenced.store (false, std::memory_order_release);
    startTimer (oversamplingTimerMs);

    // A quarter of a second, for the fade out and the fade back in.
    setFadeLength (std::max (1, (int) (sampleRate * 0.25f)));

    if (engaged.load (std::memory_order_relaxed))
        setFade (muteFade, 1.0f, 0.0f);
    else
        silenced.store (true, std::memory_order_release);
}

bool CircuitModel::chainMayRun (int mode) const noexcept
{
    return mode >= engageFade && mode <= muteFade;
}

void CircuitModel::timerCallback()
{
    if (! silenced.load (std::memory_order_acquire))
        return;

    // A bypass fade (or any fade started after the audio thread went
    // silent) still runs the chain: wait until it has reached a mode that
    // touches no stage.
    if (chainMayRun (fadeMode.load (std::memory_order_acquire)))
        return;

    silenced.store (false, std::memory_order_relaxed);

    for (auto* stage : clippingFilters)
        stage->loadFilters();

    if (engaged.load (std::memory_order_relaxed))
        setFade (unmuteFade, 0.0f, 1.0f);
    else
        setFade (bypassed, 0.0f, 1.0f);

    stopTimer();
}

void CircuitModel::reinitialiseClippingStages()
{
    auto filters = clippingFilters.begin();

    for (auto* stage : clippingStages)
    {
        stage->initialise();
        (*filters++)->loadFilters();
    }
}

void CircuitModel::restart()
{
    routeKnob (1, fuzz.load (std::memory_order_relaxed));
    routeKnob (2, tone.load (std::memory_order_relaxed));
    routeKnob (3, level.load (std::memory_order_relaxed));

    const int factorIndex = oversamplingIndex.load (std::memory_order_relaxed);

    for (auto* filters : clippingFilters)
        filters->setRequestedFactor (factorIndex);

    updateEngage();

    for (auto* stage : restartFilters)
        stage->updateCoefficients();

    reinitialiseClippingStages();

    setFadeLength (restartLength (sampleRate));

    const bool engage = engageRequested.load (std::memory_order_relaxed);
    engaged.store (engage, std::memory_order_relaxed);
    silenced.store (false, std::memory_order_release);

    if (engage)
        setFade (unmuteFade, 0.0f, 1.0f);
    else
        setFade (bypassed, 0.0f, 1.0f);
}

//==============================================================================
void CircuitModel::processStereo (float* left, float* right, int numSamples)
{
    const int mode = fadeMode.load (std::memory_order_acquire);

    if (mode == muted)
    {
        std::fill (left, left + std::max (0, numSamples), 0.0f);
        std::fill (right, right + std::max (0, numSamples), 0.0f);
        silenced.store (true, std::memory_order_release);
        return;
    }

    if (numSamples > maxBlockSize)
        setMaxBlockSize (numSamples); // fallback only: the processor never sends more

    if (mode == active)
    {
        processChainStereo (left, right, numSamples);
        return;
    }

    if (! chainMayRun (mode) || numSamples <= 0)
        return;

    if (mode == engageFade || mode == bypassFade)
    {
        std::copy (left, left + numSamples, dryLeft.begin());
        std::copy (right, right + numSamples, dryRight.begin());
    }
    else
    {
        std::fill (dryLeft.begin(), dryLeft.begin() + numSamples, 0.0f);
        std::fill (dryRight.begin(), dryRight.begin() + numSamples, 0.0f);
    }

    processChainStereo (left, right, numSamples);
    mixAndRamp (mode, left, right, numSamples);
}

void CircuitModel::processMono (float* samples, int numSamples)
{
    const int mode = fadeMode.load (std::memory_order_acquire);

    if (mode == muted)
    {
        std::fill (samples, samples + std::max (0, numSamples), 0.0f);
        silenced.store (true, std::memory_order_release);
        return;
    }

    if (numSamples > maxBlockSize)
        setMaxBlockSize (numSamples); // fallback only: the processor never sends more

    if (mode == active)
    {
        processChainMono (samples, numSamples);
        return;
    }

    if (! chainMayRun (mode) || numSamples <= 0)
        return;

    if (mode == engageFade || mode == bypassFade)
        std::copy (samples, samples + numSamples, dryLeft.begin());
    else
        std::fill (dryLeft.begin(), dryLeft.begin() + numSamples, 0.0f);

    processChainMono (samples, numSamples);
    mixAndRamp (mode, samples, nullptr, numSamples);
}

void CircuitModel::mixAndRamp (int mode, float* left, float* right, int numSamples) noexcept
{
    const auto startGains = fadeGains.load (std::memory_order_relaxed);
    float wet = unpack (startGains).wet;
    float dry = unpack (startGains).dry;
    const float step = fadeStep.load (std::memory_order_relaxed);
    const bool fadingIn = mode == engageFade || mode == unmuteFade;
    int nextMode = mode;

    for (int i = 0; i < numSamples; ++i)
    {
        left[i] = dryLeft[(size_t) i] * dry + left[i] * wet;

        if (right != nullptr)
            right[i] = dryRight[(size_t) i] * dry + right[i] * wet;

        if (fadingIn)
        {
            if (wet < 1.0f)
            {
                wet += step;
                dry -= step;
            }
            else
            {
                wet = 1.0f;
                dry = 0.0f;
                nextMode = active;
            }
        }
        else
        {
            if (dry < 1.0f)
            {
                dry += step;
                wet -= step;
            }
            else
            {
                dry = 1.0f;
                wet = 0.0f;
                nextMode = mode == bypassFade ? bypassed : muted;
            }
        }
    }

    // Publish the ramped gains, and the end of the fade, only if no new fade
    // was started meanwhile.
    auto expectedGains = startGains;
    if (! fadeGains.compare_exchange_strong (expectedGains, pack ({ wet, dry }), std::memory_order_relaxed))
        return;

    if (nextMode != mode)
    {
        int expected = mode;
        fadeMode.compare_exchange_strong (expected, nextMode, std::memory_order_acq_rel);
    }
}
