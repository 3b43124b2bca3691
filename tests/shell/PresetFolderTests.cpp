// Where presets live, which stored paths may be opened, and the factory set.
#include "shell/FactoryPresets.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"
#include "shell/StateDocument.h"

#include <gtest/gtest.h>

namespace
{
    /** Points the documents folder at a fresh temporary folder. */
    struct TemporaryDocuments : ::testing::Test
    {
        void SetUp() override
        {
            documents.getFile().createDirectory();
            PresetFolder::setDocumentsFolderForTesting (documents.getFile());
        }

        void TearDown() override { PresetFolder::setDocumentsFolderForTesting ({}); }

        juce::TemporaryFile documents;
    };

    using PresetFolderPaths = TemporaryDocuments;
    using FactoryPresetSet = TemporaryDocuments;
}

TEST_F (PresetFolderPaths, RootKeepsTheThreeLevelPathUnderTheDocumentsFolder)
{
    EXPECT_EQ (documents.getFile().getChildFile ("Tevari/Presets/OndrelQX2718"), PresetFolder::getRoot());
    EXPECT_EQ (PresetFolder::getRoot(), OndrelQX2718AudioProcessor::getPresetFolder());
}

TEST_F (PresetFolderPaths, StoredPathsResolveOnlyInsideTheFolder)
{
    const auto root = PresetFolder::getRoot();
    const std::vector<std::pair<juce::String, juce::File>> cases {
        { "Init.tqxp", root.getChildFile ("Init.tqxp") },
        { "Factory/Lead.tqxp", root.getChildFile ("Factory").getChildFile ("Lead.tqxp") },
        { "Factory\\Lead.tqxp", root.getChildFile ("Factory").getChildFile ("Lead.tqxp") },
        { "a/./b/../Lead.tqxp", root.getChildFile ("a").getChildFile ("Lead.tqxp") },
        { "", {} },
        { "/etc/passwd", {} },
        { "~/secret.tqxp", {} },
        { "C:\\Users\\x.tqxp", {} },
        { "../escape.tqxp", {} },
        { "a/../../escape.tqxp", {} },
        { "..\\..\\escape.tqxp", {} },
        { "a/..", {} },
    };

    for (const auto& [path, expected] : cases)
        EXPECT_EQ (expected, PresetFolder::resolve (path)) << path;
}

TEST_F (PresetFolderPaths, ContainsIsARealInsideTest)
{
    const auto root = PresetFolder::getRoot();

    EXPECT_TRUE (PresetFolder::contains (root.getChildFile ("x.tqxp")));
    EXPECT_TRUE (PresetFolder::contains (root.getChildFile ("Sub/x.tqxp")));
    EXPECT_FALSE (PresetFolder::contains (root));
    EXPECT_FALSE (PresetFolder::contains (root.getSiblingFile ("OndrelQX2718 old").getChildFile ("x.tqxp")));
    EXPECT_FALSE (PresetFolder::contains (juce::File (root.getFullPathName() + "/../OndrelQX2718 old/x.tqxp")));
    EXPECT_FALSE (PresetFolder::contains (juce::File ("/tmp/Tevari/Presets/OndrelQX2718/x.tqxp")));

    EXPECT_EQ (juce::String ("Sub/x.tqxp"), PresetFolder::relativePathOf (root.getChildFile ("Sub/x.tqxp")));
    EXPECT_EQ (juce::String (""), PresetFolder::relativePathOf (juce::File ("/tmp/x.tqxp")));
}

TEST (PresetNames, ProgramNamesAreBareFileNames)
{
    const std::vector<std::pair<const char*, const char*>> cases {
        { "Init.tqxp", "Init" }, { "Sub/Deep/My Lead.tqxp", "My Lead" }, { "Win\\Path.tqxp", "Path" },
        { "No Extension", "No Extension" }, { "dots.in.name.tqxp", "dots.in.name" }, { "", "" }
    };

    for (const auto& [path, name] : cases)
        EXPECT_EQ (juce::String (name), PresetFolder::displayNameOf (path)) << path;

    OndrelQX2718AudioProcessor processor;
    EXPECT_EQ (juce::String ("Init"), processor.getProgramName (0));
    EXPECT_EQ (juce::String (""), processor.getProgramName (12));
}

TEST_F (FactoryPresetSet, IsInstalledOnceIntoAMissingFolderOnly)
{
    ASSERT_TRUE (PresetFolder::installFactoryPresetsIfMissing());

    const auto factory = PresetFolder::getRoot().getChildFile ("Factory");
    const auto files = factory.findChildFiles (juce::File::findFiles, false, PresetFolder::filePattern);
    EXPECT_EQ (FactoryPresets::all().size(), (size_t) files.size());
    EXPECT_FALSE (PresetFolder::getRoot().getChildFile ("Init.tqxp").exists());
    EXPECT_FALSE (factory.getChildFile ("Init.tqxp").exists());

    const auto mine = factory.getChildFile (juce::String (FactoryPresets::all().front().name) + ".tqxp");
    ASSERT_TRUE (mine.replaceWithText ("the user's own edit"));
    factory.getChildFile ("Extra.tqxp").deleteFile();

    EXPECT_FALSE (PresetFolder::installFactoryPresetsIfMissing());
    EXPECT_EQ (juce::String ("the user's own edit"), mine.loadFileAsString());
}

TEST_F (FactoryPresetSet, EveryPresetLoadsAsWrittenAndEveryCircuitHasTwo)
{
    PresetFolder::installFactoryPresetsIfMissing();
    std::array<int, Parameters::numCircuits> perCircuit {};

    for (const auto& preset : FactoryPresets::all())
    {
        const auto file = PresetFolder::getRoot().getChildFile ("Factory").getChildFile (juce::String (preset.name) + ".tqxp");
        const auto text = file.loadFileAsString();
        EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << preset.name;

        OndrelQX2718AudioProcessor processor;
        ASSERT_EQ (1, processor.applyPresetDocument (juce::parseXML (file))) << preset.name;
        const auto expected = FactoryPresets::valuesOf (preset);

        for (int k = 0; k < Parameters::count; ++k)
            EXPECT_EQ (expected[(size_t) k], processor.getParameter (k)) << preset.name << " " << Parameters::idOf (k);

        EXPECT_FALSE (processor.presetDiffersFromCurrent (juce::parseXML (file))) << preset.name;
        ++perCircuit[(size_t) preset.circuit];
    }

    for (int count : perCircuit)
        EXPECT_GE (count, 2);
}

namespace
{
    juce::MemoryBlock withByteOrderMark (const juce::String& text)
    {
        juce::MemoryBlock bytes ("\xef\xbb\xbf", 3);
        bytes.append (text.toRawUTF8(), text.getNumBytesAsUTF8());
        return bytes;
    }
}

TEST_F (PresetFolderPaths, PresetFilesAreReadStrictly)
{
    const auto file = documents.getFile().getChildFile ("p.tqxp");
    const juce::String valid = "<tevariPatch><Properties a=\"com.tevari.OndrelQX2718\"/></tevariPatch>";

    const std::vector<std::pair<const char*, juce::MemoryBlock>> cases {
        { "plain", juce::MemoryBlock (valid.toRawUTF8(), valid.getNumBytesAsUTF8()) },
        { "byte-order mark", withByteOrderMark (valid) },
        { "cut short", juce::MemoryBlock (valid.toRawUTF8(), valid.getNumBytesAsUTF8() - 4) },
        { "malformed UTF-8", juce::MemoryBlock ("<tevariPatch>\xc3", 14) },
        { "empty", juce::MemoryBlock() },
    };

    for (const auto& [name, bytes] : cases)
    {
        ASSERT_TRUE (file.replaceWithData (bytes.getData(), bytes.getSize()));
        const bool shouldParse = juce::String (name) == "plain" || juce::String (name) == "byte-order mark";
        EXPECT_EQ (shouldParse, StateDocument::readPresetFile (file) != nullptr) << name;
    }

    EXPECT_EQ (nullptr, StateDocument::readPresetFile (documents.getFile()));
    EXPECT_EQ (nullptr, StateDocument::readPresetFile (documents.getFile().getChildFile ("missing.tqxp")));
}
