#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <cstdio>
#include <cstring>

namespace
{
/** Loads the built VST3 bundle through JUCE's own VST3 client. */
std::unique_ptr<juce::AudioPluginInstance> loadBuiltVst3 (juce::PluginDescription& description)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    const auto bundle = juce::File (ONDREL_VST3_BUNDLE);
    format.findAllTypesForFile (found, bundle.getFullPathName());

    if (found.isEmpty())
        return nullptr;

    description = *found[0];
    juce::String error;
    return format.createInstanceFromDescription (description, 44100.0, 512, error);
}

/** The VST2-compatible class-ID text: "VS" + T or E, the unique ID, then the
    first nine name bytes lower-cased, all in hex. */
juce::String classIdText (char lastLetter)
{
    char text[33] = {};
    std::snprintf (text, sizeof (text), "%06X%08X", ('V' << 16) | ('S' << 8) | lastLetter,
                   (unsigned) (('T' << 24) | ('q' << 16) | ('x' << 8) | '2'));
    const char* name = "Ondrel QX2718";

    for (int i = 0; i < 9; ++i)
    {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = (char) (c - 'A' + 'a');
        std::snprintf (text + 14 + 2 * i, 3, "%02X", (unsigned char) c);
    }

    return text;
}

TEST (HostedVst3, ReportsItsIdentityParametersAndPrograms)
{
    juce::PluginDescription description;
    auto plugin = loadBuiltVst3 (description);
    ASSERT_NE (plugin, nullptr);

    EXPECT_EQ (description.name, juce::String ("Ondrel QX2718"));
    EXPECT_EQ (description.manufacturerName, juce::String ("Tevari"));
    EXPECT_EQ (description.version, juce::String ("1.0.6"));
    EXPECT_TRUE (description.category.contains ("Distortion"));
    EXPECT_EQ (plugin->getNumPrograms(), 12);

    const char* ids[] = { "onBypass", "inputVol", "fuzzType", "fuzz", "tone", "level", "dryWet", "oversampling" };
    const float defaults[] = { 1.0f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 1.0f, 0.0f };
    const char* texts[] = { "On", "5.00", "Big Fuzz", "5.00", "5.00", "5.00", "0.00% Dry / 100.00% Wet", "1x Oversampling" };
    const auto& parameters = plugin->getParameters();
    // The VST3 wrapper appends its own bypass and program-change parameters after ours.
    ASSERT_GE (parameters.size(), 8);

    for (int k = 0; k < 8; ++k)
    {
        EXPECT_EQ (parameters[k]->getName (64), juce::String (ids[k]));
        EXPECT_NEAR (parameters[k]->getDefaultValue(), defaults[k], 1e-6f) << ids[k];
        EXPECT_EQ (parameters[k]->getCurrentValueAsText(), juce::String (texts[k])) << ids[k];
    }
}

TEST (HostedVst3, AcceptsMonoAndStereoLayouts)
{
    juce::PluginDescription description;
    auto plugin = loadBuiltVst3 (description);
    ASSERT_NE (plugin, nullptr);

    for (auto set : { juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo() })
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        EXPECT_TRUE (plugin->checkBusesLayoutSupported (layout)) << set.size();
    }
}

TEST (HostedVst3, ClassIdsAreDerivedFromTheVst2Identity)
{
    // The component ID is what JUCE's client reports as the plug-in's unique ID source.
    EXPECT_EQ (classIdText ('T'), juce::String ("56535454717832") + "6F6E6472656C207178");
    EXPECT_EQ (classIdText ('E'), juce::String ("56534554717832") + "6F6E6472656C207178");

    juce::PluginDescription description;
    auto plugin = loadBuiltVst3 (description);
    ASSERT_NE (plugin, nullptr);
    EXPECT_TRUE (description.fileOrIdentifier.isNotEmpty());
}
}
