// Host state through the built VST3 as a host sees it: values set through
// the host's parameter objects survive a save into a fresh instance.
#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

namespace
{
    std::unique_ptr<juce::AudioPluginInstance> loadVst3()
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, juce::File (ONDREL_VST3_BUNDLE).getFullPathName());

        if (found.isEmpty())
            return nullptr;

        juce::String error;
        return format.createInstanceFromDescription (*found[0], 48000.0, 256, error);
    }

    // A value on a step for fuzzType (0.75) and oversampling (2/3), since the
    // document stores those two as indices.
    const std::array<float, 8> changedValues { 0.0f, 0.3125f, 0.75f, 0.8125f, 0.125f, 0.4375f, 0.625f, 0.6666667f };
}

TEST (HostedVst3State, ValuesSetThroughTheHostComeBackInAFreshInstance)
{
    auto source = loadVst3();
    ASSERT_NE (nullptr, source);
    source->prepareToPlay (48000.0, 256);

    const auto& parameters = source->getParameters();
    ASSERT_GE (parameters.size(), 8);

    for (int k = 0; k < 8; ++k)
        parameters[k]->setValueNotifyingHost (changedValues[(size_t) k]);

    juce::MemoryBlock state;
    source->getStateInformation (state);
    ASSERT_GT (state.getSize(), 8u);

    auto restored = loadVst3();
    ASSERT_NE (nullptr, restored);
    restored->setStateInformation (state.getData(), (int) state.getSize());

    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR (changedValues[(size_t) k], restored->getParameters()[k]->getValue(), 1.0e-5f) << parameters[k]->getName (64);

    source->releaseResources();
}
