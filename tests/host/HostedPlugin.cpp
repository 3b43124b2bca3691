#include "host/HostedPlugin.h"
#include "support/GuitarSignal.h"
#include "support/IsolatedLv2Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>

namespace
{
juce::LV2PluginFormat& lv2Format() { return isolatedLv2Format (ONDREL_LV2_BUNDLE); }

juce::PluginDescription findDescription (HostedFormat format)
{
    juce::OwnedArray<juce::PluginDescription> found;

    if (format == HostedFormat::vst3)
    {
        juce::VST3PluginFormat vst3;
        vst3.findAllTypesForFile (found, juce::File (ONDREL_VST3_BUNDLE).getFullPathName());
    }
    else
    {
        lv2Format().findAllTypesForFile (found, JucePlugin_LV2URI);
    }

    return found.isEmpty() ? juce::PluginDescription() : *found[0];
}
}

std::ostream& operator<< (std::ostream& stream, HostedFormat format)
{
    return stream << (format == HostedFormat::vst3 ? "VST3" : "LV2");
}

juce::PluginDescription HostedPlugin::describe (HostedFormat format)
{
    static const auto vst3 = findDescription (HostedFormat::vst3);
    static const auto lv2 = findDescription (HostedFormat::lv2);
    return format == HostedFormat::vst3 ? vst3 : lv2;
}

std::unique_ptr<juce::AudioPluginInstance> HostedPlugin::load (HostedFormat format, double rate, int blockSize, int channels)
{
    const auto description = describe (format);
    EXPECT_TRUE (description.fileOrIdentifier.isNotEmpty()) << "the built " << format << " binary was not found";

    if (description.fileOrIdentifier.isEmpty())
        return nullptr;

    juce::String error;
    std::unique_ptr<juce::AudioPluginInstance> plugin;

    if (format == HostedFormat::vst3)
    {
        juce::VST3PluginFormat vst3;
        plugin = vst3.createInstanceFromDescription (description, rate, blockSize, error);
    }
    else
    {
        plugin = lv2Format().createInstanceFromDescription (description, rate, blockSize, error);
    }

    EXPECT_NE (plugin, nullptr) << format << ": " << error;

    if (plugin == nullptr)
        return nullptr;

    const auto set = channels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (set);
    layout.outputBuses.add (set);

    if (! plugin->setBusesLayout (layout))
        return nullptr;

    plugin->setRateAndBufferSizeDetails (rate, blockSize);
    plugin->prepareToPlay (rate, blockSize);
    return plugin;
}

juce::AudioProcessorParameter* HostedPlugin::parameter (juce::AudioPluginInstance& plugin, const juce::String& id)
{
    for (auto* p : plugin.getParameters())
        if (p->getName (64) == id)
            return p;

    return nullptr;
}

namespace
{
    // Held here, for the life of the run, so the connection stays reachable.
    void* openConnection = nullptr;
}

bool HostedPlugin::prepareDisplayForEditors()
{
    static const bool prepared = []
    {
        if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
            return false;

        void* x11 = dlopen ("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
        if (x11 == nullptr)
            return false;

        using OpenDisplay = void* (*) (const char*);
        using InternAtom = unsigned long (*) (void*, const char*, int);
        auto openDisplay = reinterpret_cast<OpenDisplay> (dlsym (x11, "XOpenDisplay"));
        auto internAtom = reinterpret_cast<InternAtom> (dlsym (x11, "XInternAtom"));
        void* display = openDisplay != nullptr ? openDisplay (nullptr) : nullptr;

        if (display == nullptr || internAtom == nullptr)
            return false;

        // The connection stays open for the whole run: atoms live as long as
        // the server has a client.
        openConnection = display;

        for (const char* name : { "WM_STATE", "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_CHANGE_STATE",
                                  "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_WINDOW_TYPE", "_NET_FRAME_EXTENTS" })
            internAtom (display, name, 0);

        return true;
    }();

    return prepared;
}

void HostedPlugin::closeEditor (HostedFormat format, std::unique_ptr<juce::AudioProcessorEditor>& editor)
{
    if (format == HostedFormat::lv2)
    {
        editor->setVisible (false);
        editor->removeFromDesktop();
        pumpMessages (100);
    }

    editor.reset();
}

void HostedPlugin::pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

//==============================================================================
void OutputTally::add (const juce::AudioBuffer<float>& buffer)
{
    for (int c = 0; c < buffer.getNumChannels(); ++c)
    {
        const float* channel = buffer.getReadPointer (c);

        for (int i = 0; i < buffer.getNumSamples(); ++i)
        {
            if (! std::isfinite (channel[i]))
                ++nonFinite;
            else
                peak = std::max (peak, std::abs (channel[i]));
        }
    }

    samples += (juce::int64) buffer.getNumChannels() * buffer.getNumSamples();
}

std::ostream& operator<< (std::ostream& stream, const OutputTally& tally)
{
    return stream << tally.samples << " samples, " << tally.nonFinite << " not finite, peak " << tally.peak;
}

//==============================================================================
void PluckedSignal::fill (juce::AudioBuffer<float>& buffer, juce::int64 start, int numSamples) const
{
    for (int i = 0; i < numSamples; ++i)
    {
        const float x = GuitarSignal::at (rate, start + i);

        for (int c = 0; c < buffer.getNumChannels(); ++c)
            buffer.setSample (c, i, x);
    }
}
