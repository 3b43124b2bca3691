#pragma once

#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"

#include <gtest/gtest.h>

/** A throw-away documents folder for every test that touches presets, so no
    test ever reads or writes the user's real preset folder. */
struct PresetFolderFixture : ::testing::Test
{
    PresetFolderFixture()
    {
        documents = juce::File::createTempFile ("ondrel-editor-docs");
        documents.createDirectory();
        PresetFolder::setDocumentsFolderForTesting (documents);
        root = PresetFolder::getRoot();
        root.createDirectory();
    }

    ~PresetFolderFixture() override
    {
        PresetFolder::setDocumentsFolderForTesting ({});
        documents.deleteRecursively();
    }

    /** Writes the processor's current preset document to a path below the root. */
    juce::File writePreset (const juce::String& relativePath)
    {
        const auto file = root.getChildFile (relativePath);
        file.getParentDirectory().createDirectory();
        processor.createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset)->writeTo (file);
        return file;
    }

    juce::File documents;
    juce::File root;
    OndrelQX2718AudioProcessor processor;
};
