// Host state, the A/B channels of a program, and presets applied to the live
// parameters.
#include "shell/OndrelQX2718AudioProcessor.h"

#include "shell/PresetFolder.h"
#include "shell/StateDocument.h"

namespace
{
    StateDocument::Values valuesOf (const ProgramRecord& record, int channel)
    {
        StateDocument::Values values {};

        for (int k = 0; k < Parameters::count; ++k)
            values[(size_t) k] = record.value (channel, k);

        return values;
    }

    int channelFrom (int integer) { return juce::jlimit (0, ProgramRecord::numChannels - 1, integer); }

    void addChannelElement (juce::XmlElement& parent, const ProgramRecord& record, int channel)
    {
        auto* element = parent.createNewChildElement ("Channel");
        element->setAttribute ("channel", channel);
        element->setAttribute ("presetPath", record.presetPath[channel]);
        StateDocument::addValueElements (*element, valuesOf (record, channel));
    }

    /** Reads one "Channel" element (attributes and children by position) into
        a channel of a record. */
    void readChannelElement (const juce::XmlElement& element, ProgramRecord& record, int channel)
    {
        record.presetPath[channel] = StateDocument::attributeAt (element, 1);
        StateDocument::forEachValue (element, [&] (int index, float value) { record.setValue (channel, index, value); });
    }
}

//==============================================================================
std::unique_ptr<juce::XmlElement> OndrelQX2718AudioProcessor::createDocument (DocumentForm form) const
{
    juce::XmlElement* properties = nullptr;
    auto document = StateDocument::createRoot (properties);
    const auto& current = currentRecord();

    switch (form)
    {
        case DocumentForm::fullState:
            properties->setAttribute ("activePreset", currentProgram.load (std::memory_order_relaxed));

            for (int p = 0; p < PluginIdentity::numPrograms; ++p)
            {
                const auto& record = programs[(size_t) p];
                auto* preset = properties->createNewChildElement ("Preset");
                preset->setAttribute ("preset", p);
                preset->setAttribute ("activeChannel", record.channel());

                for (int c = 0; c < ProgramRecord::numChannels; ++c)
                    addChannelElement (*preset, record, c);
            }
            break;

        case DocumentForm::currentProgram:
            properties->setAttribute ("activeChannel", current.channel());

            for (int c = 0; c < ProgramRecord::numChannels; ++c)
                addChannelElement (*properties, current, c);
            break;

        case DocumentForm::preset:
            StateDocument::addValueElements (*properties, valuesOf (current, current.channel()));
            break;
    }

    return document;
}

void OndrelQX2718AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    StateDocument::toChunk (*createDocument (DocumentForm::fullState), destData);
}

void OndrelQX2718AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    StateDocument::toChunk (*createDocument (DocumentForm::currentProgram), destData);
}

void OndrelQX2718AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    const auto document = StateDocument::fromChunk (data, sizeInBytes);

    if (! StateDocument::isDocument (document.get()))
        return;

    for (const auto* properties : document->getChildIterator())
    {
        if (! StateDocument::isProperties (*properties))
            continue;

        const int activePreset = StateDocument::integerAt (*properties, 3);
        int selectedProgram = 0, selectedChannel = 0;
        int p = 0;

        for (const auto* presetElement : properties->getChildIterator())
        {
            if (p >= PluginIdentity::numPrograms)
                break;

            auto& record = programs[(size_t) p];
            const int activeChannel = channelFrom (StateDocument::integerAt (*presetElement, 1));
            record.activeChannel.store (activeChannel, std::memory_order_relaxed);
            int c = 0;

            for (const auto* channelElement : presetElement->getChildIterator())
            {
                if (c >= ProgramRecord::numChannels)
                    break;

                if (activePreset == p && activeChannel == c)
                {
                    selectedProgram = p;
                    selectedChannel = c;
                }

                readChannelElement (*channelElement, record, c++);
            }

            ++p;
        }

        currentProgram.store (selectedProgram, std::memory_order_relaxed);
        programs[(size_t) selectedProgram].activeChannel.store (selectedChannel, std::memory_order_relaxed);
        setCurrentProgram (selectedProgram);
    }
}

void OndrelQX2718AudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    const auto document = StateDocument::fromChunk (data, sizeInBytes);

    if (! StateDocument::isDocument (document.get()))
        return;

    for (const auto* properties : document->getChildIterator())
    {
        if (! StateDocument::isProperties (*properties))
            continue;

        auto& record = currentRecord();
        record.activeChannel.store (channelFrom (StateDocument::integerAt (*properties, 3)), std::memory_order_relaxed);
        int c = 0;

        for (const auto* channelElement : properties->getChildIterator())
        {
            if (c >= ProgramRecord::numChannels)
                break;

            readChannelElement (*channelElement, record, c++);
        }

        setCurrentProgram (currentProgram.load (std::memory_order_relaxed));
    }
}

//==============================================================================
juce::String OndrelQX2718AudioProcessor::getPresetPath() const { return currentRecord().presetPath[currentRecord().channel()]; }

juce::String OndrelQX2718AudioProcessor::getChannelPresetPath (int channel) const
{
    return currentRecord().presetPath[channelFrom (channel)];
}

void OndrelQX2718AudioProcessor::setPresetPath (const juce::String& path) { currentRecord().presetPath[currentRecord().channel()] = path; }

int OndrelQX2718AudioProcessor::getActiveChannel() const { return currentRecord().channel(); }

void OndrelQX2718AudioProcessor::selectChannel (int channel)
{
    currentRecord().activeChannel.store (channelFrom (channel), std::memory_order_relaxed);

    // Re-sending every value moves the live set and the host to the channel
    // that is now active.
    for (int k = 0; k < Parameters::count; ++k)
        setParameterNotifyingHost (k, getParameter (k));
}

void OndrelQX2718AudioProcessor::copyChannel (int destination, int source)
{
    auto& record = currentRecord();
    const int to = channelFrom (destination), from = channelFrom (source);

    for (int k = 0; k < Parameters::count; ++k)
        record.setValue (to, k, record.value (from, k));
}

//==============================================================================
int OndrelQX2718AudioProcessor::applyPresetDocument (std::unique_ptr<juce::XmlElement> document)
{
    enum Status { notAPreset = 0, applied = 1, otherProduct = 2, appliedFromNewerVersion = 4 };

    if (! StateDocument::isDocument (document.get()))
        return notAPreset;

    const juce::XmlElement* properties = nullptr;

    for (const auto* child : document->getChildIterator())
    {
        if (StateDocument::isProperties (*child))
        {
            properties = child;
            break;
        }
    }

    if (properties == nullptr)
        return notAPreset;

    if (StateDocument::attributeAt (*properties, 0) != StateDocument::productId)
        return otherProduct;

    StateDocument::forEachValue (*properties, [this] (int index, float value) { setParameterNotifyingHost (index, value); });

    const double version = StateDocument::attributeAt (*properties, 2).getDoubleValue();
    return version > 1.0 ? appliedFromNewerVersion : applied;
}

bool OndrelQX2718AudioProcessor::presetDiffersFromCurrent (std::unique_ptr<juce::XmlElement> document)
{
    if (! StateDocument::isDocument (document.get()))
        return false;

    for (const auto* properties : document->getChildIterator())
    {
        if (! StateDocument::isProperties (*properties))
            continue;

        bool differs = false;

        StateDocument::forEachValue (*properties, [&] (int index, float stored) {
            float current = getParameter (index);

            if (index == Parameters::onBypass)
                current = current > 0.0f ? 1.0f : 0.0f;

            differs = differs || std::abs (current - stored) >= 1.0e-5f;
        });

        if (differs)
            return true;
    }

    return false;
}

juce::File OndrelQX2718AudioProcessor::getPresetFolder() { return PresetFolder::getRoot(); }

const juce::String OndrelQX2718AudioProcessor::getProgramName (int index)
{
    if (index < 0 || index >= PluginIdentity::numPrograms)
        return {};

    const auto& record = programs[(size_t) index];
    return PresetFolder::displayNameOf (record.presetPath[record.channel()]);
}
