#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <ostream>

/** The two plug-in formats whose built binaries the host tests load. */
enum class HostedFormat
{
    vst3,
    lv2
};

std::ostream& operator<< (std::ostream& stream, HostedFormat format);

/** Our built VST3 bundle and LV2 bundle, loaded through JUCE's own hosting
    clients (VST3PluginFormat and LV2PluginFormat), never through our classes.
    Message thread. */
struct HostedPlugin
{
    /** A new instance with its main buses set to `channels` (1 or 2) and
        prepared at the given rate and block size; nullptr when the format
        refuses the layout. Failing to load at all fails the calling test. */
    static std::unique_ptr<juce::AudioPluginInstance> load (HostedFormat format, double rate, int blockSize, int channels = 2);

    /** The description the format client reads from the built binary. */
    static juce::PluginDescription describe (HostedFormat format);

    /** The hosted parameter whose name is one of our IDs; nullptr if absent. */
    static juce::AudioProcessorParameter* parameter (juce::AudioPluginInstance& plugin, const juce::String& id);

    /** Makes the X server look as if a window manager ran: creates the atoms
        (WM_STATE, _NET_WM_STATE ...) that a window manager would have made.
        On a bare Xvfb, JUCE's hosting side reads WM_STATE from the editor
        window as soon as it goes on the desktop, and a missing atom is a
        fatal X error. False when there is no display. */
    static bool prepareDisplayForEditors();

    /** Deletes a hosted editor the way its format's host side needs.

        A VST3 view is detached before its window goes, so the editor is
        simply deleted. JUCE 7.0.5's LV2 hosting nests two X11 embeddings,
        and the outer one posts a message holding a raw pointer to itself
        for every configure event of the inner window; while the editor is
        on screen such a message is nearly always in flight, and deleting
        the editor leaves it dangling. So the LV2 editor is first taken off
        the screen, which stops the outer embedding from resizing anything,
        and the message loop runs what was posted before the deletion. */
    static void closeEditor (HostedFormat format, std::unique_ptr<juce::AudioProcessorEditor>& editor);

    /** Runs the message loop for a while, so that the plug-in's timers fire. */
    static void pumpMessages (int milliseconds);
};

/** What a run of blocks produced: every output sample is counted, and the
    suites demand no non-finite sample and a peak below outputBound. */
struct OutputTally
{
    static constexpr float outputBound = 8.0f;

    void add (const juce::AudioBuffer<float>& buffer);
    bool isSane() const { return nonFinite == 0 && peak < outputBound; }

    juce::int64 samples = 0;
    juce::int64 nonFinite = 0;
    float peak = 0.0f;
};

std::ostream& operator<< (std::ostream& stream, const OutputTally& tally);

/** The shared guitar signal (support/GuitarSignal.h) laid into host buffers. */
struct PluckedSignal
{
    explicit PluckedSignal (double sampleRate) : rate (sampleRate) {}

    /** Fills every channel of the buffer from absolute index `start`. */
    void fill (juce::AudioBuffer<float>& buffer, juce::int64 start, int numSamples) const;

    double rate;
};
