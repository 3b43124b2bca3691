#pragma once

#include "circuits/BigMuff227Fuzz.h"
#include "circuits/BigMuffFuzz.h"
#include "circuits/IFZ5.h"
#include "circuits/PF.h"
#include "circuits/ToneBender.h"
#include "dsp/OversamplingAlignment.h"
#include "shell/ParameterTable.h"
#include "shell/PluginIdentity.h"
#include "shell/ProgramRecord.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <atomic>
#include <memory>
#include <vector>

class ProcessorParameter;

/** The object the host talks to: eight parameters, twelve programs with A/B
    channels, five circuit models and the chain around them (input gain with
    meter and clip light, circuit crossfade, dry/wet mix with master switch).

    Threads: processBlock runs on the audio thread; the switch timer, state,
    presets and the editor on the message thread. Everything either side
    writes and the other reads is an atomic. */
class OndrelQX2718AudioProcessor : public juce::AudioProcessor,
                                   public juce::VSTCallbackHandler,
                                   private juce::Timer
{
public:
    OndrelQX2718AudioProcessor();
    ~OndrelQX2718AudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool silenceInProducesSilenceOut() const override { return false; }
    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override;

    //==============================================================================
    // Index-based parameter access (the contract between host, editor, state and presets).
    static constexpr int numParameters = Parameters::count;

    /** The value of the current program's active channel; 0 outside 0 ... 7. */
    float getParameter (int index) override;

    /** Stores a value (clamped to 0 ... 1) in the active channel and the live
        set; a change of fuzzType or oversampling arms the 50 ms switch timer.
        Any thread. */
    void setParameter (int index, float value) override;

    /** setParameter, then tells the host (through the parameter object). */
    void setParameterNotifyingHost (int index, float value);

    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;
    const juce::String getParameterName (int index) override;
    const juce::String getParameterText (int index) override;
    float getParameterDefaultValue (int index) override;

    /** The live value that the audio path uses. */
    float getLiveValue (int index) const;

    //==============================================================================
    int getNumPrograms() override { return PluginIdentity::numPrograms; }
    int getCurrentProgram() override { return currentProgram.load (std::memory_order_relaxed); }
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int, const juce::String&) override {}

    //==============================================================================
    // Host state and the A/B channels.
    enum class DocumentForm
    {
        fullState,
        currentProgram,
        preset
    };

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;

    juce::String getPresetPath() const;
    juce::String getChannelPresetPath (int channel) const;
    void setPresetPath (const juce::String& path);
    void selectChannel (int channel);
    void copyChannel (int destination, int source);
    int getActiveChannel() const;
    std::unique_ptr<juce::XmlElement> createDocument (DocumentForm form) const;

    /** Applies a preset document to the live parameters: 0 not a preset,
        1 applied, 2 another product's, 4 applied but from a newer version. */
    int applyPresetDocument (std::unique_ptr<juce::XmlElement> document);
    bool presetDiffersFromCurrent (std::unique_ptr<juce::XmlElement> document);

    /** The user's preset folder (documents folder + Tevari/Presets/OndrelQX2718). */
    static juce::File getPresetFolder();

    //==============================================================================
    // Read by the editor.
    std::atomic<float> inputLevel { 0.0f };     // audio thread writes, editor reads
    std::atomic<float> clipIndicator { 0.0f };  // audio thread writes, editor reads
    std::atomic<bool> presetChanged { false };   // processor sets, editor clears
    std::atomic<bool> parametersChanged { false };
    std::atomic<bool> channelChanged { false };

    //==============================================================================
    // Inspection for tests and tools.
    bool isPrepared() const { return prepared; }
    int getRampLength() const { return rampLength; }
    int getActiveModelIndex() const { return activeModel.load (std::memory_order_acquire); }
    int getTargetModelIndex() const { return targetModel.load (std::memory_order_acquire); }
    bool isCrossfading() const { return modelCrossfade.load (std::memory_order_acquire); }
    int getOversamplingIndex() const { return oversamplingIndex.load (std::memory_order_relaxed); }
    ModuleModel& getModel (int circuitIndex);
    bool isSwitchPending() const { return switchPending.load (std::memory_order_acquire); }

    /** Runs the circuit and oversampling switch now, as the timer would. Message thread. */
    void applySwitch();

    /** How long after the last fuzzType / oversampling change the switch runs. */
    static constexpr int switchDelayMs = 50;

    //==============================================================================
    juce::pointer_sized_int handleVstPluginCanDo (juce::int32 index, juce::pointer_sized_int value, void* ptr, float opt) override;
    juce::pointer_sized_int handleVstManufacturerSpecific (juce::int32, juce::pointer_sized_int, void*, float) override { return 0; }

    /** Input samples beyond this level (+36 dB over full scale) are held at
        it; no real signal comes near it, and the filters recover from it
        within a block. */
    static constexpr float inputLimit = 64.0f;

private:
    void timerCallback() override;
    void runResetRoutine();
    void processChunk (float* left, float* right, int numSamples, bool stereoInput);
    void runInputGainAndMeter (float* left, float* right, int numSamples, bool stereoInput);
    void forwardKnobs();
    void takeCrossfadeRequest();
    void runCircuits (float* left, float* right, int numSamples, bool stereoInput);
    void runMix (float* left, float* right, int numSamples, bool stereoInput);
    void sanitiseInput (juce::AudioBuffer<float>& buffer, int numChannels, int numSamples) noexcept;
    void decayMeter (int numSamples);
    ProgramRecord& currentRecord();
    const ProgramRecord& currentRecord() const;

    //==============================================================================
    std::array<ProcessorParameter*, Parameters::count> hostParameters {};

    std::array<ProgramRecord, PluginIdentity::numPrograms> programs;
    std::atomic<int> currentProgram { 0 };
    std::array<std::atomic<float>, Parameters::count> parameterValues {};  // any thread writes, audio thread reads

    // Circuit models in circuit order, and the dry-path alignment filter.
    BigMuffFuzz bigFuzz;
    PF sustainerFuzz;
    BigMuff227Fuzz transFuzz;
    IFZ5 vintageFuzz;
    ToneBender zeppFuzz;
    std::array<ModuleModel*, Parameters::numCircuits> models;
    OversamplingAlignment dryAlignment;

    // Work buffers, sized in prepareToPlay.
    int bufferCapacity = 0;
    std::vector<float> dryInputLeft, dryInputRight, newModelLeft, newModelRight;

    bool prepared = false;
    int rampLength = 2048;

    // Audio-thread state.
    bool effectOn = true;
    float inputGain = 1.0f, inputGainTarget = 1.0f, inputGainStep = 0.0f;
    int inputGainCounter = 0;
    float meterLevel = 0.0f;
    float meterDecay = 1.0f;
    float clipHold = 1.0f, clipHoldStep = 0.0f;
    float oldModelGain = 1.0f, oldModelGainStep = 0.0f, crossfadeStep = 0.0f;
    float sentFuzz = 0.5f, sentTone = 0.5f, sentLevel = 0.5f;
    float wetAmount = 1.0f, wetTarget = 1.0f, wetStep = 0.0f;
    juce::int16 wetCounter = 0, wetRampLength = 2048;

    // Circuit switching. The timer (message thread) prepares the incoming
    // circuit completely, then publishes its index in crossfadeRequest with
    // release; the audio thread takes it with acquire once per block.
    static constexpr int noRequest = -1;
    std::atomic<int> activeModel { 0 };          // audio thread writes, timer reads
    std::atomic<int> targetModel { 0 };          // timer writes (and reset routine), audio reads
    std::atomic<bool> modelCrossfade { false };  // audio thread writes, timer reads
    std::atomic<int> incomingModel { 0 };        // audio thread writes, timer reads: the circuit fading in
    std::atomic<int> crossfadeRequest { noRequest };
    std::atomic<int> oversamplingIndex { 0 };    // timer writes, audio reads
    std::atomic<bool> alignmentPending { false }; // timer raises, audio thread clears

    // fuzzType / oversampling changes arm the switch without touching the
    // timer (whose lock must stay off the audio thread): they stamp a
    // deadline that a message-thread timer polls.
    std::atomic<bool> switchPending { false };
    std::atomic<juce::uint32> switchDeadline { 0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OndrelQX2718AudioProcessor)
};
