// Host state: the exact document text, round trips, the positional reading
// rules, and chunks that must change nothing.
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/StateDocument.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    juce::MemoryBlock fullState (OndrelQX2718AudioProcessor& processor)
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block;
    }

    juce::MemoryBlock programState (OndrelQX2718AudioProcessor& processor)
    {
        juce::MemoryBlock block;
        processor.getCurrentProgramStateInformation (block);
        return block;
    }

    /** A chunk wrapped the way hosts store it, around any text. */
    juce::MemoryBlock chunkOf (const juce::String& text)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        out.writeInt (0x21324356);
        out.writeInt ((int) text.getNumBytesAsUTF8());
        out.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
        out.writeByte (0);
        return block;
    }

    /** A wrapped chunk around raw bytes that need not be valid UTF-8. */
    juce::MemoryBlock rawChunkOf (const char* bytes)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        const auto numBytes = std::strlen (bytes);
        out.writeInt (0x21324356);
        out.writeInt ((int) numBytes + 40);  // a length that claims more than is there
        out.write (bytes, numBytes);
        return block;
    }

    juce::String textOf (const juce::MemoryBlock& chunk)
    {
        return juce::String::fromUTF8 (static_cast<const char*> (chunk.getData()) + 8, (int) chunk.getSize() - 9);
    }

    /** Gives every program and channel its own values and path. */
    void changeEverything (OndrelQX2718AudioProcessor& processor)
    {
        for (int p = 0; p < 12; ++p)
        {
            processor.setCurrentProgram (p);

            for (int c = 0; c < 2; ++c)
            {
                processor.selectChannel (c);
                processor.setPresetPath ("Bank " + juce::String (p) + "/Patch " + juce::String (c) + ".tqxp");

                for (int k = 0; k < Parameters::count; ++k)
                {
                    float value = (float) ((p * 2 + c + k) % 10) / 10.0f;

                    if (k == Parameters::fuzzType)
                        value = (float) ((p + c) % 5) * 0.25f;
                    else if (k == Parameters::oversampling)
                        value = (float) ((double) ((p + c) % 4) / 3.0);
                    else if (k == Parameters::onBypass)
                        value = (p + c) % 2 == 0 ? 1.0f : 0.0f;

                    processor.setParameter (k, value);
                }
            }
        }

        processor.setCurrentProgram (7);
        processor.selectChannel (1);
    }

    struct Snapshot
    {
        explicit Snapshot (OndrelQX2718AudioProcessor& processor)
        {
            program = processor.getCurrentProgram();
            const juce::MemoryBlock block = fullState (processor);
            text = textOf (block);
        }

        int program;
        juce::String text;
    };
}

TEST (StateDocument, DefaultInstanceWritesTheExpectedDocument)
{
    OndrelQX2718AudioProcessor processor;
    const auto chunk = fullState (processor);
    const auto expected = juce::File (ONDREL_TEST_DATA_DIR "/state/default-full-state.xml").loadFileAsString();

    ASSERT_GT (chunk.getSize(), 9u);
    const auto* bytes = static_cast<const juce::uint8*> (chunk.getData());
    EXPECT_EQ (juce::String ("VC2!"), juce::String::fromUTF8 ((const char*) bytes, 4));
    EXPECT_EQ (chunk.getSize() - 9, (size_t) juce::ByteOrder::littleEndianInt (bytes + 4));
    EXPECT_EQ (0, bytes[chunk.getSize() - 1]);
    EXPECT_EQ (expected, textOf (chunk));
}

TEST (StateDocument, FullStateRoundTripsEveryProgramChannelAndPath)
{
    OndrelQX2718AudioProcessor source;
    changeEverything (source);
    const auto chunk = fullState (source);

    OndrelQX2718AudioProcessor restored;
    restored.setStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (7, restored.getCurrentProgram());
    EXPECT_EQ (1, restored.getActiveChannel());
    EXPECT_EQ (Snapshot (source).text, Snapshot (restored).text);

    for (int k = 0; k < Parameters::count; ++k)
        EXPECT_EQ (source.getParameter (k), restored.getLiveValue (k)) << Parameters::idOf (k);
}

TEST (StateDocument, RestoringTheDefaultsResetsAChangedInstance)
{
    OndrelQX2718AudioProcessor defaults;
    const auto chunk = fullState (defaults);

    OndrelQX2718AudioProcessor changed;
    changeEverything (changed);
    changed.setStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (0, changed.getCurrentProgram());
    EXPECT_EQ (0, changed.getActiveChannel());
    EXPECT_EQ (Snapshot (defaults).text, Snapshot (changed).text);
}

TEST (StateDocument, CurrentProgramRoundTripsBothChannelsIntoTheCurrentProgram)
{
    OndrelQX2718AudioProcessor source;
    changeEverything (source);
    const auto chunk = programState (source);

    OndrelQX2718AudioProcessor restored;
    restored.setCurrentProgram (3);
    restored.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (3, restored.getCurrentProgram());
    EXPECT_EQ (1, restored.getActiveChannel());

    for (int c = 0; c < 2; ++c)
    {
        source.selectChannel (c);
        restored.selectChannel (c);
        EXPECT_EQ (source.getPresetPath(), restored.getPresetPath());

        for (int k = 0; k < Parameters::count; ++k)
            EXPECT_EQ (source.getParameter (k), restored.getParameter (k)) << "channel " << c << " " << Parameters::idOf (k);
    }

    restored.setCurrentProgram (0);
    EXPECT_EQ (juce::String ("Init.tqxp"), restored.getPresetPath());
}

struct StoredIndexCase
{
    int index;
    float value;
    const char* storedText;
    float readBack;
};

class StoredIndexTest : public ::testing::TestWithParam<StoredIndexCase> {};

TEST_P (StoredIndexTest, SteppedParametersAreStoredAsIndicesAndReadBackOnTheirSteps)
{
    const auto& c = GetParam();
    OndrelQX2718AudioProcessor processor;
    processor.setParameter (c.index, c.value);

    auto document = processor.createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset);
    const auto* value = document->getChildByName ("Properties")->getChildElement (c.index);
    EXPECT_EQ (juce::String (c.storedText), value->getAllSubText());

    const auto chunk = fullState (processor);
    OndrelQX2718AudioProcessor restored;
    restored.setStateInformation (chunk.getData(), (int) chunk.getSize());
    EXPECT_EQ (c.readBack, restored.getParameter (c.index));
}

INSTANTIATE_TEST_SUITE_P (FuzzTypeAndOversampling, StoredIndexTest, ::testing::Values (
    StoredIndexCase { Parameters::fuzzType, 0.6f, "3", 0.75f },
    StoredIndexCase { Parameters::fuzzType, 1.0f, "4", 1.0f },
    StoredIndexCase { Parameters::oversampling, 0.6666667f, "2", 0.6666667f },
    StoredIndexCase { Parameters::oversampling, 0.33333334f, "1", 0.33333334f },
    StoredIndexCase { Parameters::onBypass, 0.7f, "true", 1.0f },
    StoredIndexCase { Parameters::onBypass, 0.0f, "false", 0.0f },
    StoredIndexCase { Parameters::tone, 0.123456f, "0.12346", 0.12346f }));

namespace
{
    /** A one-program state document around the given Properties content. */
    juce::String stateWith (const juce::String& propertiesAttributes, const juce::String& content)
    {
        return "<tevariPatch version=\"1.0\"><Properties " + propertiesAttributes + ">" + content + "</Properties></tevariPatch>";
    }

    juce::String valueElement (const juce::String& id, const juce::String& text)
    {
        return "<Value property=\"" + id + "\" type=\"number\">" + text + "</Value>";
    }

    const juce::String fourAttributes = "a=\"x\" b=\"1.0.6\" c=\"1.0\" activePreset=\"0\"";

    void restore (OndrelQX2718AudioProcessor& processor, const juce::String& text)
    {
        const auto chunk = chunkOf (text);
        processor.setStateInformation (chunk.getData(), (int) chunk.getSize());
    }
}

TEST (StateDocument, ReadsAttributesByPositionAndSkipsWrongCaseIds)
{
    OndrelQX2718AudioProcessor processor;
    restore (processor, stateWith (fourAttributes,
                                   "<P index=\"0\" second=\"0\"><C x=\"0\" path=\"Sub/Mine.tqxp\">"
                                   + valueElement ("fuzz", " 0.25 ") + valueElement ("Tone", "0.9")
                                   + valueElement ("level", "abc") + "<Other/></C></P>"));

    EXPECT_EQ (juce::String ("Sub/Mine.tqxp"), processor.getPresetPath());
    EXPECT_EQ (juce::String ("Mine"), processor.getProgramName (0));
    EXPECT_FLOAT_EQ (0.25f, processor.getParameter (Parameters::fuzz));
    EXPECT_FLOAT_EQ (0.5f, processor.getParameter (Parameters::tone));
    EXPECT_FLOAT_EQ (0.0f, processor.getParameter (Parameters::level));
}

TEST (StateDocument, SurplusProgramsAndChannelsAreIgnored)
{
    juce::String programsText;

    for (int p = 0; p < 14; ++p)
        programsText << "<Preset preset=\"" << p << "\" activeChannel=\"0\">"
                     << "<Channel channel=\"0\" presetPath=\"a.tqxp\">" << valueElement ("fuzz", "0.1") << "</Channel>"
                     << "<Channel channel=\"1\" presetPath=\"b.tqxp\">" << valueElement ("fuzz", "0.2") << "</Channel>"
                     << "<Channel channel=\"2\" presetPath=\"c.tqxp\">" << valueElement ("fuzz", "0.3") << "</Channel>"
                     << "</Preset>";

    OndrelQX2718AudioProcessor processor;
    restore (processor, stateWith (fourAttributes, programsText));

    for (int p = 0; p < 12; ++p)
    {
        processor.setCurrentProgram (p);
        processor.selectChannel (1);
        EXPECT_EQ (juce::String ("b.tqxp"), processor.getPresetPath());
        EXPECT_FLOAT_EQ (0.2f, processor.getParameter (Parameters::fuzz));
    }
}

TEST (StateDocument, OutOfRangeNumbersAreClampedBeforeTheyReachAParameter)
{
    OndrelQX2718AudioProcessor processor;
    restore (processor, stateWith ("a=\"\" b=\"\" c=\"\" activePreset=\"2\"",
                                   "<P/><P/><P i=\"2\" activeChannel=\"5\"><C/><C x=\"1\" p=\"x.tqxp\">"
                                   + valueElement ("fuzzType", "7") + valueElement ("oversampling", "-3")
                                   + valueElement ("fuzz", "1e9") + valueElement ("tone", "nan") + "</C></P>"));

    EXPECT_EQ (2, processor.getCurrentProgram());
    EXPECT_EQ (1, processor.getActiveChannel());
    EXPECT_EQ (1.0f, processor.getParameter (Parameters::fuzzType));
    EXPECT_EQ (0.0f, processor.getParameter (Parameters::oversampling));
    EXPECT_EQ (1.0f, processor.getParameter (Parameters::fuzz));
    EXPECT_EQ (0.0f, processor.getParameter (Parameters::tone));

    for (int k = 0; k < Parameters::count; ++k)
        EXPECT_EQ (processor.getParameter (k), processor.getLiveValue (k));
}

TEST (StateDocument, MalformedChunksChangeNothing)
{
    OndrelQX2718AudioProcessor processor;
    changeEverything (processor);
    const auto before = Snapshot (processor).text;
    const auto good = fullState (processor);

    juce::MemoryBlock wrongMagic (good);
    static_cast<char*> (wrongMagic.getData())[0] = 'X';

    juce::MemoryBlock zeroLength (good);
    static_cast<juce::uint32*> (zeroLength.getData())[1] = 0;

    const std::vector<std::pair<const char*, juce::MemoryBlock>> chunks {
        { "empty", juce::MemoryBlock() },
        { "header only", juce::MemoryBlock (good.getData(), 8) },
        { "truncated", juce::MemoryBlock (good.getData(), good.getSize() / 2) },
        { "wrong magic", wrongMagic },
        { "zero length", zeroLength },
        { "not XML", chunkOf ("this is not a document") },
        { "malformed UTF-8", rawChunkOf ("<tevariPatch><DeviceName>\xf0\x9f") },
        { "wrong root", chunkOf ("<otherPatch><Properties a=\"\" b=\"\" c=\"\" d=\"0\"/></otherPatch>") },
    };

    for (const auto& [name, chunk] : chunks)
    {
        OndrelQX2718AudioProcessor target;
        changeEverything (target);
        target.setStateInformation (chunk.getData(), (int) chunk.getSize());
        EXPECT_EQ (before, Snapshot (target).text) << name;
        target.setCurrentProgramStateInformation (chunk.getData(), (int) chunk.getSize());
        EXPECT_EQ (before, Snapshot (target).text) << name;
    }

    processor.setStateInformation (nullptr, 100);
    EXPECT_EQ (before, Snapshot (processor).text);

    // A chunk cut short anywhere, with its length field still claiming the
    // whole text, is rejected as a whole.
    for (size_t cut = 9; cut < good.getSize() - 1; cut += 37)
    {
        processor.setStateInformation (good.getData(), (int) cut);
        processor.setCurrentProgramStateInformation (good.getData(), (int) cut);
        ASSERT_EQ (before, Snapshot (processor).text) << "cut at " << cut;
    }
}

TEST (StateDocument, IntegersAreReadAsLeadingDigits)
{
    juce::XmlElement element ("E");
    const std::vector<std::pair<const char*, int>> cases {
        { "12", 12 }, { "3abc", 3 }, { "", 0 }, { "-1", 0 }, { "x1", 0 }, { "99999999999999", 2147483647 }
    };

    for (const auto& [text, expected] : cases)
    {
        element.setAttribute ("a", text);
        EXPECT_EQ (expected, StateDocument::integerAt (element, 0)) << text;
    }

    EXPECT_EQ (0, StateDocument::integerAt (element, 5));
}

TEST (StateDocumentParse, RefusesDocumentTypesAndEntityDeclarations)
{
    // Entity declarations let a small document expand without bound.
    for (const char* text : { "<!DOCTYPE tevariPatch [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><tevariPatch v=\"&b;\"/>",
                              "<!doctype tevariPatch><tevariPatch/>" })
        EXPECT_EQ (StateDocument::parse (text, std::strlen (text)), nullptr) << text;

    const char* plain = "<tevariPatch version=\"1.0\"/>";
    EXPECT_NE (StateDocument::parse (plain, std::strlen (plain)), nullptr);
}

TEST (StateDocumentParse, RefusesProcessingInstructionsBeyondALeadingDeclaration)
{
    // Text after a processing instruction inside an element sends the
    // framework's parser round in a loop that never ends.
    for (const char* text : { "<tevariPatch><DeviceName>On<?x?>z</DeviceName></tevariPatch>",
                              "<tevariPatch version=\"1.0\"/><?x?>",
                              " x <?xml version=\"1.0\"?><tevariPatch/>",
                              "<?xml version=\"1.0\"?><?xml version=\"1.0\"?><tevariPatch/>",
                              "<?xml version=\"1.0\" <tevariPatch/>" })
        EXPECT_EQ (StateDocument::parse (text, std::strlen (text)), nullptr) << text;

    for (const char* text : { "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<tevariPatch version=\"1.0\"/>",
                              "\n <?xml version=\"1.0\"?><tevariPatch version=\"1.0\"/>" })
        EXPECT_NE (StateDocument::parse (text, std::strlen (text)), nullptr) << text;
}
