// Host state, A/B channels and presets. Placeholder bodies until the state
// document is written: nothing is saved and nothing is read.
#include "shell/OndrelQX2718AudioProcessor.h"

void OndrelQX2718AudioProcessor::getStateInformation (juce::MemoryBlock&) {}
void OndrelQX2718AudioProcessor::setStateInformation (const void*, int) {}
void OndrelQX2718AudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock&) {}
void OndrelQX2718AudioProcessor::setCurrentProgramStateInformation (const void*, int) {}

juce::String OndrelQX2718AudioProcessor::getPresetPath() const { return currentRecord().presetPath[currentRecord().channel()]; }

juce::String OndrelQX2718AudioProcessor::getChannelPresetPath (int channel) const
{
    return currentRecord().presetPath[juce::jlimit (0, 1, channel)];
}

void OndrelQX2718AudioProcessor::setPresetPath (const juce::String& path) { currentRecord().presetPath[currentRecord().channel()] = path; }

int OndrelQX2718AudioProcessor::getActiveChannel() const { return currentRecord().channel(); }

void OndrelQX2718AudioProcessor::selectChannel (int) {}
void OndrelQX2718AudioProcessor::copyChannel (int, int) {}

std::unique_ptr<juce::XmlElement> OndrelQX2718AudioProcessor::createDocument (DocumentForm) const { return {}; }
int OndrelQX2718AudioProcessor::applyPresetDocument (std::unique_ptr<juce::XmlElement>) { return 0; }
bool OndrelQX2718AudioProcessor::presetDiffersFromCurrent (std::unique_ptr<juce::XmlElement>) { return false; }
void OndrelQX2718AudioProcessor::readValueElements (const juce::XmlElement&, ProgramRecord&, int) {}

juce::File OndrelQX2718AudioProcessor::getPresetFolder()
{
    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory).getChildFile ("Tevari/Presets/OndrelQX2718");
}

const juce::String OndrelQX2718AudioProcessor::getProgramName (int index)
{
    if (index < 0 || index >= PluginIdentity::numPrograms)
        return {};

    const auto& record = programs[(size_t) index];
    return getPresetFolder().getChildFile (record.presetPath[record.channel()]).getFileNameWithoutExtension();
}
