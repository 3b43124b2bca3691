#include "shell/OndrelQX2718AudioProcessor.h"

#include "dsp/RateClass.h"
#include "shell/EditorFactory.h"
#include "shell/PresetFolder.h"
#include "shell/ProcessorParameter.h"
#include "shell/Vst2Capabilities.h"

#include <cmath>

namespace
{
    constexpr int minimumBufferCapacity = 16384;
    constexpr float gainFloor = 1e-15f;
    constexpr float meterFloor = 2e-8f;
    constexpr int switchPollIntervalMs = 10;
}

OndrelQX2718AudioProcessor::OndrelQX2718AudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      models { &bigFuzz, &sustainerFuzz, &transFuzz, &vintageFuzz, &zeppFuzz }
{
    for (int k = 0; k < Parameters::count; ++k)
    {
        parameterValues[(size_t) k].store (Parameters::defaultOf (k), std::memory_order_relaxed);
        auto parameter = std::make_unique<ProcessorParameter> (*this, k);
        hostParameters[(size_t) k] = parameter.get();
        addParameter (parameter.release());
    }

    startTimer (switchPollIntervalMs);
}

OndrelQX2718AudioProcessor::~OndrelQX2718AudioProcessor()
{
    // Some hosts destroy the plug-in on their own thread while our message
    // thread may be applying a circuit switch or an oversampling change.
    // Holding the message-manager lock waits for a callback in progress and
    // keeps any new one from starting until every timer is off.
    const juce::MessageManagerLock lock;
    stopTimer();

    for (juce::Timer* timer : std::initializer_list<juce::Timer*> { &bigFuzz, &sustainerFuzz, &transFuzz, &vintageFuzz, &zeppFuzz })
        timer->stopTimer();
}

const juce::String OndrelQX2718AudioProcessor::getName() const { return PluginIdentity::name; }

bool OndrelQX2718AudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();

    if (in != out)
        return false;

    return in == juce::AudioChannelSet::mono() || in == juce::AudioChannelSet::stereo();
}

juce::AudioProcessorEditor* OndrelQX2718AudioProcessor::createEditor()
{
    // A new user's preset menu starts with the factory set; an existing
    // preset folder is left exactly as it is.
    PresetFolder::installFactoryPresetsIfMissing();
    return createOndrelEditor (*this);
}

ModuleModel& OndrelQX2718AudioProcessor::getModel (int circuitIndex)
{
    return *models[(size_t) juce::jlimit (0, Parameters::numCircuits - 1, circuitIndex)];
}

//==============================================================================
void OndrelQX2718AudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    const auto rate = (float) sampleRate;

    rampLength = RateClass::rampLength (rate);
    wetRampLength = (juce::int16) rampLength;
    wetCounter = wetRampLength;
    inputGainCounter = rampLength;
    crossfadeStep = 1.0f / (float) (2 * rampLength);

    bufferCapacity = samplesPerBlock > minimumBufferCapacity ? samplesPerBlock : minimumBufferCapacity;
    for (auto* buffer : { &dryInputLeft, &dryInputRight, &newModelLeft, &newModelRight })
        buffer->assign ((size_t) bufferCapacity, 0.0f);

    // The clip light stays lit for five seconds' worth of announced blocks; a
    // host that announces no block size counts as announcing single samples.
    const int announcedBlock = juce::jmax (1, samplesPerBlock);
    meterLevel = 0.0f;
    inputLevel.store (0.0f, std::memory_order_relaxed);
    meterDecay = std::exp ((float) (-1000 / (float) (200 * rate)));
    clipHold = 1.0f;
    clipIndicator.store (0.0f, std::memory_order_relaxed);
    const float clipBlocks = rate >= (float) announcedBlock ? (float) ((float) (5 * rate) / (float) announcedBlock)
                                                            : 5 * rate;
    clipHoldStep = 1.0f / clipBlocks;

    for (auto* model : models)
    {
        model->setSampleRate (rate);
        model->setMaxBlockSize (bufferCapacity);
    }

    dryAlignment.setSampleRate (rate);
    runResetRoutine();
    prepared = true;
}

void OndrelQX2718AudioProcessor::runResetRoutine()
{
    auto live = [this] (int k) { return parameterValues[(size_t) k].load (std::memory_order_relaxed); };

    meterLevel = 0.0f;
    inputLevel.store (0.0f, std::memory_order_relaxed);
    clipHold = 1.0f;
    effectOn = live (Parameters::onBypass) > 0.0f;

    inputGain = inputGainTarget = 2.0f * live (Parameters::inputVol);
    inputGainStep = 0.0f;
    inputGainCounter = rampLength;

    const int circuit = Parameters::circuitIndexOf (live (Parameters::fuzzType));
    activeModel.store (circuit, std::memory_order_release);
    targetModel.store (circuit, std::memory_order_release);
    incomingModel.store (circuit, std::memory_order_relaxed);
    crossfadeRequest.store (noRequest, std::memory_order_release);
    oldModelGain = 1.0f;
    oldModelGainStep = 0.0f;
    modelCrossfade.store (false, std::memory_order_release);

    for (auto* model : models)
        model->reset();

    for (auto* model : models)
        model->setParameter (0, 1.0f);

    sentFuzz = live (Parameters::fuzz);
    for (auto* model : models)
        model->setParameter (1, sentFuzz);

    sentTone = live (Parameters::tone);
    for (auto* model : models)
        model->setParameter (2, sentTone);

    sentLevel = live (Parameters::level);
    for (auto* model : models)
        model->setParameter (3, sentLevel);

    const int factorIndex = Parameters::oversamplingIndexOf (live (Parameters::oversampling));
    for (auto* model : models)
        model->setParameter (4, (float) factorIndex / 3.0f);

    oversamplingIndex.store (factorIndex, std::memory_order_relaxed);
    alignmentPending.store (false, std::memory_order_relaxed);
    dryAlignment.clearState();
    dryAlignment.requestedIndex = factorIndex;
    dryAlignment.updateCoefficients();

    for (auto* model : models)
        model->restart();

    wetCounter = wetRampLength;
    wetStep = 0.0f;
    wetAmount = wetTarget = effectOn ? live (Parameters::dryWet) : 0.0f;
}

void OndrelQX2718AudioProcessor::releaseResources()
{
    // Blocks that still arrive pass through untouched until the next prepareToPlay.
    bufferCapacity = 0;

    for (auto* buffer : { &dryInputLeft, &dryInputRight, &newModelLeft, &newModelRight })
    {
        buffer->clear();
        buffer->shrink_to_fit();
    }
}

//==============================================================================
void OndrelQX2718AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const int numSamples = buffer.getNumSamples();
    const int numInputs = getTotalNumInputChannels();
    const int numOutputs = getTotalNumOutputChannels();

    if (! prepared || bufferCapacity == 0 || buffer.getNumChannels() == 0 || numInputs == 0)
        return;

    sanitiseInput (buffer, juce::jmin (numInputs, buffer.getNumChannels()), numSamples);

    const bool stereoInput = numInputs >= 2 && buffer.getNumChannels() >= 2;
    float* left = buffer.getWritePointer (0);
    float* right = stereoInput ? buffer.getWritePointer (1) : nullptr;
    const bool copyMonoToOutputs = numInputs == 1 && numOutputs > 1;

    const float onBypassValue = parameterValues[Parameters::onBypass].load (std::memory_order_relaxed);
    const bool on = onBypassValue > 0.0f;

    if (on != effectOn)
    {
        if (on)
            for (auto* model : models)
                model->clearState();

        effectOn = on;
    }

    if (onBypassValue == 0.0f)
    {
        if (wetAmount <= gainFloor)
        {
            meterLevel = 0.0f;
            inputLevel.store (0.0f, std::memory_order_relaxed);
            clipHold = 1.0f;
            clipIndicator.store (0.0f, std::memory_order_relaxed);

            if (copyMonoToOutputs)
                for (int channel = 1; channel < buffer.getNumChannels(); ++channel)
                    buffer.copyFrom (channel, 0, buffer, 0, 0, numSamples);

            return;
        }

        decayMeter (numSamples);
    }

    // Blocks longer than the work buffers run as consecutive chunks that fit.
    for (int offset = 0; offset < numSamples; offset += bufferCapacity)
    {
        const int chunk = juce::jmin (bufferCapacity, numSamples - offset);
        processChunk (left + offset, right != nullptr ? right + offset : nullptr, chunk, stereoInput);
    }

    if (copyMonoToOutputs && buffer.getNumChannels() > 1)
        buffer.copyFrom (1, 0, buffer, 0, 0, numSamples);
}

void OndrelQX2718AudioProcessor::sanitiseInput (juce::AudioBuffer<float>& buffer, int numChannels, int numSamples) noexcept
{
    // A non-finite sample would stay in every recursive filter for good, and
    // an absurd level would ring in them long after the input is sane again:
    // the first becomes silence, the second is held at the entry limit.
    for (int channel = 0; channel < numChannels; ++channel)
    {
        auto* samples = buffer.getWritePointer (channel);

        for (int i = 0; i < numSamples; ++i)
        {
            const float x = samples[i];
            samples[i] = std::isfinite (x) ? juce::jlimit (-inputLimit, inputLimit, x) : 0.0f;
        }
    }
}

void OndrelQX2718AudioProcessor::decayMeter (int numSamples)
{
    for (int i = 0; i < numSamples; ++i)
    {
        meterLevel *= meterDecay;
        if (meterLevel < meterFloor)
            meterLevel = 0.0f;
    }

    inputLevel.store (meterLevel, std::memory_order_relaxed);
}

void OndrelQX2718AudioProcessor::processChunk (float* left, float* right, int numSamples, bool stereoInput)
{
    const float gainTarget = 2.0f * parameterValues[Parameters::inputVol].load (std::memory_order_relaxed);

    if (gainTarget != inputGainTarget)
    {
        inputGainCounter = 0;
        inputGainStep = (float) ((float) (gainTarget - inputGain) / (float) rampLength);
        inputGainTarget = gainTarget;
    }

    std::copy (left, left + numSamples, dryInputLeft.data());
    const float* dryRightSource = stereoInput ? right : left;
    std::copy (dryRightSource, dryRightSource + numSamples, dryInputRight.data());

    runInputGainAndMeter (left, right, numSamples, stereoInput);
    takeCrossfadeRequest();
    forwardKnobs();

    if (alignmentPending.exchange (false, std::memory_order_acquire))
    {
        dryAlignment.clearState();
        dryAlignment.requestedIndex = oversamplingIndex.load (std::memory_order_relaxed);
        dryAlignment.updateCoefficients();
    }

    runCircuits (left, right, numSamples, stereoInput);
    runMix (left, right, numSamples, stereoInput);
}

void OndrelQX2718AudioProcessor::runInputGainAndMeter (float* left, float* right, int numSamples, bool stereoInput)
{
    for (int i = 0; i < numSamples; ++i)
    {
        if (inputGainCounter < rampLength)
        {
            inputGain += inputGainStep;
            ++inputGainCounter;
        }

        left[i] *= inputGain;
        float peak = std::abs (left[i]);

        if (stereoInput)
        {
            right[i] *= inputGain;
            peak = juce::jmax (peak, std::abs (right[i]));
        }

        peak = juce::jmin (peak, 1.0f);

        if (peak > meterLevel)
        {
            meterLevel = peak;
        }
        else
        {
            meterLevel *= meterDecay;
            if (meterLevel < meterFloor)
                meterLevel = 0.0f;
        }

        if (meterLevel >= 1.0f)
            clipHold = 0.0f;
    }

    inputLevel.store (meterLevel, std::memory_order_relaxed);

    if (clipHold < 1.0f)
    {
        clipHold += clipHoldStep;
        clipIndicator.store (1.0f, std::memory_order_relaxed);
    }
    else
    {
        clipIndicator.store (0.0f, std::memory_order_relaxed);
    }
}

void OndrelQX2718AudioProcessor::takeCrossfadeRequest()
{
    const int request = crossfadeRequest.exchange (noRequest, std::memory_order_acq_rel);

    if (request == noRequest)
        return;

    if (request == activeModel.load (std::memory_order_relaxed))
    {
        // Back to the circuit still playing: end the crossfade and keep it.
        modelCrossfade.store (false, std::memory_order_release);
        return;
    }

    incomingModel.store (request, std::memory_order_relaxed);
    oldModelGain = 1.0f;
    oldModelGainStep = -crossfadeStep;
    modelCrossfade.store (true, std::memory_order_release);
}

void OndrelQX2718AudioProcessor::forwardKnobs()
{
    const int target = modelCrossfade.load (std::memory_order_relaxed) ? incomingModel.load (std::memory_order_relaxed)
                                                                        : activeModel.load (std::memory_order_relaxed);

    auto forward = [&] (int parameterIndex, int modelIndex, float& sent)
    {
        const float value = parameterValues[(size_t) parameterIndex].load (std::memory_order_relaxed);

        if (value == sent)
            return;

        for (auto* model : models)
            model->setParameter (modelIndex, value);

        models[(size_t) target]->applyParameter (modelIndex);
        sent = value;
    };

    forward (Parameters::fuzz, 1, sentFuzz);
    forward (Parameters::tone, 2, sentTone);
    forward (Parameters::level, 3, sentLevel);
}

void OndrelQX2718AudioProcessor::runCircuits (float* left, float* right, int numSamples, bool stereoInput)
{
    const bool crossfading = modelCrossfade.load (std::memory_order_relaxed);
    const int target = incomingModel.load (std::memory_order_relaxed);

    if (crossfading)
    {
        std::copy (left, left + numSamples, newModelLeft.data());
        if (stereoInput)
            std::copy (right, right + numSamples, newModelRight.data());
    }

    auto& playing = *models[(size_t) activeModel.load (std::memory_order_relaxed)];

    if (stereoInput)
        playing.processStereo (left, right, numSamples);
    else
        playing.processMono (left, numSamples);

    if (! crossfading)
        return;

    auto& incoming = *models[(size_t) target];

    if (stereoInput)
        incoming.processStereo (newModelLeft.data(), newModelRight.data(), numSamples);
    else
        incoming.processMono (newModelLeft.data(), numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        if (oldModelGain > gainFloor)
        {
            oldModelGain += oldModelGainStep;

            if (oldModelGain <= gainFloor)
            {
                // The new circuit becomes the playing one before the
                // crossfade is seen to end, so the timer never finds a
                // circuit in use that is neither playing nor fading in.
                oldModelGain = 0.0f;
                activeModel.store (target, std::memory_order_release);
                modelCrossfade.store (false, std::memory_order_release);
            }
        }

        left[i] = oldModelGain * left[i] + newModelLeft[(size_t) i];

        if (stereoInput)
            right[i] = oldModelGain * right[i] + newModelRight[(size_t) i];
    }
}

void OndrelQX2718AudioProcessor::runMix (float* left, float* right, int numSamples, bool stereoInput)
{
    const float mixTarget = effectOn ? parameterValues[Parameters::dryWet].load (std::memory_order_relaxed) : 0.0f;

    if (mixTarget != wetTarget)
    {
        wetCounter = 0;
        wetStep = (float) ((float) (mixTarget - wetAmount) / (float) wetRampLength);
        wetTarget = mixTarget;
    }

    if (stereoInput)
        dryAlignment.processStereo (dryInputLeft.data(), dryInputRight.data(), numSamples);
    else
        dryAlignment.processMono (dryInputLeft.data(), numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        if (wetCounter < wetRampLength)
        {
            ++wetCounter;
            wetAmount += wetStep;

            if (wetAmount > 1.0f)
                wetAmount = 1.0f;
            else if (wetAmount < gainFloor)
                wetAmount = 0.0f;
        }

        left[i] = dryInputLeft[(size_t) i] * (1.0f - wetAmount) + wetAmount * left[i];

        if (stereoInput)
            right[i] = dryInputRight[(size_t) i] * (1.0f - wetAmount) + wetAmount * right[i];
    }
}

//==============================================================================
void OndrelQX2718AudioProcessor::timerCallback()
{
    if (! switchPending.load (std::memory_order_acquire))
        return;

    const auto now = juce::Time::getMillisecondCounter();
    const auto deadline = switchDeadline.load (std::memory_order_relaxed);

    if ((juce::int32) (now - deadline) < 0)
        return;

    switchPending.store (false, std::memory_order_release);
    applySwitch();
}

void OndrelQX2718AudioProcessor::applySwitch()
{
    if (! prepared)
        return;

    const int circuit = Parameters::circuitIndexOf (parameterValues[Parameters::fuzzType].load (std::memory_order_relaxed));

    // The circuits the audio thread may be running: the one fading in (read
    // first, see runCircuits) and the playing one.
    const bool crossfading = modelCrossfade.load (std::memory_order_acquire);
    const int fadingIn = incomingModel.load (std::memory_order_relaxed);
    const int playing = activeModel.load (std::memory_order_acquire);
    bool changed = false;
    bool alreadyRunning = false;

    if (circuit != targetModel.load (std::memory_order_relaxed))
    {
        targetModel.store (circuit, std::memory_order_release);

        // A circuit in use is never reset: a change back to the playing one
        // during a crossfade just ends the crossfade, and a change to one
        // still fading in (its block not yet taken up the newer request)
        // fades it in again from where it is.
        if (circuit == playing || (crossfading && circuit == fadingIn))
        {
            alreadyRunning = true;
        }
        else
        {
            models[(size_t) circuit]->reset();
            changed = true;
        }
    }

    const int factorIndex = Parameters::oversamplingIndexOf (parameterValues[Parameters::oversampling].load (std::memory_order_relaxed));

    if (factorIndex != oversamplingIndex.load (std::memory_order_relaxed) || changed)
    {
        for (auto* model : models)
            model->setParameter (4, (float) factorIndex / 3.0f);

        if (! changed)
            models[(size_t) targetModel.load (std::memory_order_relaxed)]->applyParameter (4);

        alignmentPending.store (true, std::memory_order_release);
        oversamplingIndex.store (factorIndex, std::memory_order_relaxed);
    }

    if (changed)
    {
        models[(size_t) circuit]->restart();
        crossfadeRequest.store (circuit, std::memory_order_release);
    }
    else if (alreadyRunning)
    {
        crossfadeRequest.store (circuit, std::memory_order_release);
    }
}

//==============================================================================
float OndrelQX2718AudioProcessor::getParameter (int index)
{
    if (! Parameters::isValidIndex (index))
        return 0.0f;

    const auto& record = currentRecord();
    return record.value (record.channel(), index);
}

void OndrelQX2718AudioProcessor::setParameter (int index, float value)
{
    if (! Parameters::isValidIndex (index))
        return;

    const float v = Parameters::sanitise (value);
    auto& record = currentRecord();
    record.setValue (record.channel(), index, v);
    parameterValues[(size_t) index].store (v, std::memory_order_relaxed);
    parametersChanged.store (true, std::memory_order_relaxed);

    if (index == Parameters::fuzzType || index == Parameters::oversampling)
    {
        switchDeadline.store (juce::Time::getMillisecondCounter() + (juce::uint32) switchDelayMs, std::memory_order_relaxed);
        switchPending.store (true, std::memory_order_release);
    }
}

void OndrelQX2718AudioProcessor::setParameterNotifyingHost (int index, float value)
{
    if (Parameters::isValidIndex (index))
        hostParameters[(size_t) index]->setValueNotifyingHost (Parameters::sanitise (value));
}

const juce::String OndrelQX2718AudioProcessor::getParameterName (int index) { return Parameters::idOf (index); }

const juce::String OndrelQX2718AudioProcessor::getParameterText (int index)
{
    return Parameters::isValidIndex (index) ? Parameters::textOf (index, getLiveValue (index)) : juce::String();
}

float OndrelQX2718AudioProcessor::getParameterDefaultValue (int index) { return Parameters::defaultOf (index); }

float OndrelQX2718AudioProcessor::getLiveValue (int index) const
{
    return Parameters::isValidIndex (index) ? parameterValues[(size_t) index].load (std::memory_order_relaxed) : 0.0f;
}

ProgramRecord& OndrelQX2718AudioProcessor::currentRecord()
{
    return programs[(size_t) currentProgram.load (std::memory_order_relaxed)];
}

const ProgramRecord& OndrelQX2718AudioProcessor::currentRecord() const
{
    return programs[(size_t) currentProgram.load (std::memory_order_relaxed)];
}

void OndrelQX2718AudioProcessor::setCurrentProgram (int index)
{
    if (index < 0 || index >= PluginIdentity::numPrograms)
        return;

    currentProgram.store (index, std::memory_order_relaxed);
    const auto& record = programs[(size_t) index];

    for (int k = 0; k < Parameters::count; ++k)
        setParameterNotifyingHost (k, record.value (record.channel(), k));

    parametersChanged.store (true, std::memory_order_relaxed);
    channelChanged.store (true, std::memory_order_relaxed);
    presetChanged.store (true, std::memory_order_relaxed);
}

juce::pointer_sized_int OndrelQX2718AudioProcessor::handleVstPluginCanDo (juce::int32, juce::pointer_sized_int, void* ptr, float)
{
    return vst2CanDo (static_cast<const char*> (ptr));
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new OndrelQX2718AudioProcessor();
}
