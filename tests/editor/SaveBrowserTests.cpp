#include "EditorTestSupport.h"
#include "PresetFolderFixture.h"

#include "editor/TevariNewFolderComponent.h"
#include "editor/TevariOndrelQX2718OverwriteComponent2.h"
#include "editor/TevariOndrelQX2718PresetBrowser.h"
#include "editor/TevariOndrelQX2718PresetMenu.h"

using namespace EditorTest;

namespace
{
    struct SaveBrowserFixture : PresetFolderFixture
    {
        SaveBrowserFixture()
        {
            menu.setRootFolder (root);
            menu.setFilePattern (PresetFolder::filePattern);
            browser.setVisible (false);
            browser.show();
        }

        ~SaveBrowserFixture() override
        {
            browser.getOverwriteComponent().hide();
            browser.getNewFolderComponent()->hide();
            browser.hide();
        }

        juce::FileBrowserComponent& list() { return *browser.getFileBrowser(); }

        void typeName (const juce::String& name)
        {
            list().setFileName (name);
            browser.timerCallback();
        }

        TevariOndrelQX2718PresetMenu menu { "presetMenu_" };
        TevariOndrelQX2718PresetBrowser browser { "savePresetBrowser_", "Save", root, PresetFolder::filePattern, processor, menu };
    };
}

TEST_F (SaveBrowserFixture, AppendsTheExtensionOnlyWhenItIsMissing)
{
    struct Case
    {
        const char* typed;
        const char* saved;
    };

    const Case cases[] = { { "clean", "clean.tqxp" }, { "crunch.tqxp", "crunch.tqxp" }, { "LOUD.TQXP", "LOUD.TQXP" },
                           { "mixed.TqXp", "mixed.TqXp" }, { "v1.2", "v1.2.tqxp" } };

    for (const auto& c : cases)
    {
        browser.show();
        typeName (c.typed);
        browser.okPressed();
        EXPECT_TRUE (root.getChildFile (c.saved).existsAsFile()) << c.typed;
        EXPECT_EQ (processor.getPresetPath(), c.saved) << c.typed;
        EXPECT_FALSE (browser.isVisible()) << c.typed;
    }
}

TEST_F (SaveBrowserFixture, AsksBeforeOverwritingAndShowsThePathBelowThePresetFolder)
{
    writePreset ("live/solo.tqxp");
    const auto before = root.getChildFile ("live/solo.tqxp").loadFileAsString();
    list().setRoot (root.getChildFile ("live"));
    typeName ("solo");
    processor.setParameter (Parameters::fuzz, 0.95f);

    browser.okPressed();
    auto& question = browser.getOverwriteComponent();
    ASSERT_TRUE (question.isVisible());
    EXPECT_EQ (question.getMessage(), "Are you sure you want to overwrite this preset?\n\n\"live/solo.tqxp\"");
    EXPECT_EQ (root.getChildFile ("live/solo.tqxp").loadFileAsString(), before) << "nothing written before OK";

    question.cancelPressed();
    EXPECT_TRUE (browser.isVisible()) << "CANCEL returns to the browser";
    EXPECT_TRUE (browser.isCurrentlyModal());

    browser.okPressed();
    question.okPressed();
    EXPECT_FALSE (question.isVisible());
    EXPECT_FALSE (browser.isVisible()) << "OK closes the question and the browser";
    EXPECT_EQ (processor.getPresetPath(), "live/solo.tqxp");
    EXPECT_FALSE (processor.presetDiffersFromCurrent (juce::parseXML (root.getChildFile ("live/solo.tqxp"))));
}

TEST_F (SaveBrowserFixture, OutsideThePresetFolderSaveAndNewFolderAreDisabledAndRefused)
{
    const auto sibling = root.getSiblingFile (root.getFileName() + " old");
    sibling.createDirectory();

    struct Case
    {
        juce::File folder;
        const char* typed;
        bool saveAllowed, newFolderAllowed;
    };

    constexpr float alphaStep = 1.0f / 255.0f;  // components keep their alpha as a byte
    const Case cases[] = { { root, "", false, true },           { root, "name", true, true },
                           { root.getParentDirectory(), "x", false, false },
                           { sibling, "x", false, false },       { documents, "Tevari/Presets/OndrelQX2718/x", false, false } };

    for (const auto& c : cases)
    {
        list().setRoot (c.folder);
        typeName (c.typed);
        EXPECT_EQ (browser.getConfirmButton().isEnabled(), c.saveAllowed) << c.folder.getFullPathName() << " + " << c.typed;
        EXPECT_EQ (browser.getExtraButton().isEnabled(), c.newFolderAllowed) << c.folder.getFullPathName();
        EXPECT_NEAR (browser.getConfirmButton().getAlpha(), c.saveAllowed ? 1.0f : 0.5f, alphaStep);
    }

    list().setRoot (sibling);
    typeName ("x");
    browser.okPressed();
    EXPECT_FALSE (sibling.getChildFile ("x.tqxp").exists()) << "refused again when SAVE is pressed anyway";
    EXPECT_TRUE (browser.isVisible());
}

TEST_F (SaveBrowserFixture, NewFolderBoxValidatesTheName)
{
    auto& box = *browser.getNewFolderComponent();
    root.getChildFile ("taken").createDirectory();
    list().setRoot (root);

    browser.newFolderPressed();
    ASSERT_TRUE (box.isVisible());
    EXPECT_FALSE (browser.isCurrentlyModal()) << "the browser waits behind the box";

    struct Case
    {
        const char* typed;
        bool okEnabled;
        const char* alert;      // nullptr: no message
        const char* created;    // nullptr: nothing created
    };

    const Case cases[] = { { "", false, nullptr, nullptr },
                           { "\"*?<>|:", true, nullptr, nullptr },
                           { "taken", true, "The folder name already exist! Try different name.", nullptr },
                           { "Fresh", true, nullptr, "Fresh" },
                           { "a/b", true, nullptr, "ab" } };

    for (const auto& c : cases)
    {
        box.show();
        box.getTextEditor().setText (c.typed);
        box.timerCallback();
        EXPECT_EQ (box.getOkButton().isEnabled(), c.okEnabled) << c.typed;

        click (box.getOkButton());
        EXPECT_EQ (box.getAlert().isVisible(), c.alert != nullptr) << c.typed;

        if (c.alert != nullptr)
        {
            EXPECT_EQ (box.getAlert().getMessage(), c.alert);
            box.getAlert().okPressed();
            EXPECT_TRUE (box.isVisible()) << "the box stays open after the message";
        }

        if (c.created != nullptr)
        {
            EXPECT_TRUE (root.getChildFile (c.created).isDirectory()) << c.typed;
            EXPECT_FALSE (box.isVisible());
        }
    }

    box.show();
    box.getCancelButton().triggerClick();
    deliverPostedMessages();
    EXPECT_FALSE (box.isVisible());
    EXPECT_TRUE (browser.isCurrentlyModal()) << "closing the box hands input back to the browser";
}

TEST_F (SaveBrowserFixture, ReturnInAnEmptyNameBoxDoesNothing)
{
    auto& box = *browser.getNewFolderComponent();
    list().setRoot (root);
    box.show();
    box.getTextEditor().setText ("");
    box.timerCallback();

    box.textEditorReturnKeyPressed (box.getTextEditor());
    deliverPostedMessages();
    EXPECT_TRUE (box.isVisible());
    EXPECT_EQ (root.findChildFiles (juce::File::findDirectories, false).size(), 0);
}
