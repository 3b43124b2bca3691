#include "PresetFolderFixture.h"

#include "editor/TevariOndrelQX2718PresetMenu.h"

namespace
{
    struct Item
    {
        juce::String text;
        int id;          // 0 for a submenu
        bool ticked;
        int depth;
    };

    void flatten (const juce::PopupMenu& menu, int depth, std::vector<Item>& out)
    {
        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        {
            const auto& item = it.getItem();
            out.push_back ({ item.text, item.subMenu != nullptr ? 0 : item.itemID, item.isTicked, depth });

            if (item.subMenu != nullptr)
                flatten (*item.subMenu, depth + 1, out);
        }
    }

    // Root with files a and b and a subfolder s holding c.
    struct PresetMenuFixture : PresetFolderFixture
    {
        PresetMenuFixture()
        {
            writePreset ("b.tqxp");
            writePreset ("a.tqxp");
            writePreset ("s/c.tqxp");
            root.getChildFile ("notes.txt").replaceWithText ("not a preset");
            menu.setRootFolder (root);
            menu.setFilePattern (PresetFolder::filePattern);
        }

        std::vector<Item> items()
        {
            std::vector<Item> out;
            flatten (menu.getRootMenu(), 0, out);
            return out;
        }

        TevariOndrelQX2718PresetMenu menu { "presetMenu_" };
    };

    void expectItems (const std::vector<Item>& actual, const std::vector<Item>& expected)
    {
        ASSERT_EQ (actual.size(), expected.size());

        for (size_t i = 0; i < expected.size(); ++i)
        {
            EXPECT_EQ (actual[i].text, expected[i].text) << "item " << i;
            EXPECT_EQ (actual[i].id, expected[i].id) << expected[i].text;
            EXPECT_EQ (actual[i].ticked, expected[i].ticked) << expected[i].text;
            EXPECT_EQ (actual[i].depth, expected[i].depth) << expected[i].text;
        }
    }

    struct LoadCounter : juce::Label::Listener
    {
        void labelTextChanged (juce::Label*) override { ++loads; }
        int loads = 0;
    };
}

TEST_F (PresetMenuFixture, ListsSubfoldersFirstAndNumbersTheirFilesFirst)
{
    menu.setCurrentPreset ("a.tqxp");

    expectItems (items(), { { "s", 0, false, 0 }, { "c.tqxp", 1, false, 1 }, { "a.tqxp", 2, true, 0 }, { "b.tqxp", 3, false, 0 } });
    EXPECT_EQ (menu.getListedName (0), "c");
    EXPECT_EQ (menu.getListedPath (1), root.getChildFile ("a.tqxp").getFullPathName());
    EXPECT_EQ (menu.getListedPath (3), "");
    EXPECT_EQ (menu.getNextItemId(), 4);
}

TEST_F (PresetMenuFixture, ShowsNamesAndMarksWhatIsNotAListedFile)
{
    struct Case
    {
        const char* path;
        const char* text;
        int itemId;
    };

    // Backslash paths come from projects saved on Windows.
    const Case cases[] = { { "s/c.tqxp", "c", 1 },          { "s\\c.tqxp", "c", 1 },       { "b.tqxp", "b", 3 },
                           { "Init.tqxp", "Init*", 0 },      { "s/missing.tqxp", "missing*", 0 },
                           { "../outside.tqxp", "outside*", 0 }, { "/etc/passwd", "passwd*", 0 } };

    for (const auto& c : cases)
    {
        menu.setCurrentPreset (c.path);
        EXPECT_EQ (menu.getText(), c.text) << c.path;
        EXPECT_EQ (menu.getCurrentItemId(), c.itemId) << c.path;
        EXPECT_EQ (menu.isModified(), c.itemId == 0) << c.path;
    }
}

TEST_F (PresetMenuFixture, NextAndPreviousWrapAround)
{
    menu.setCurrentPreset ("b.tqxp");
    menu.selectNext();
    EXPECT_EQ (menu.getCurrentItemId(), 1);
    EXPECT_EQ (menu.getCurrentPreset(), "s/c.tqxp");
    EXPECT_EQ (menu.getText(), "c");

    menu.selectPrevious();
    EXPECT_EQ (menu.getCurrentItemId(), 3);
    EXPECT_EQ (menu.getText(), "b");

    menu.selectPrevious();
    EXPECT_EQ (menu.getCurrentItemId(), 2);
}

TEST_F (PresetMenuFixture, SelectItemIgnoresIdsOutsideTheList)
{
    menu.setCurrentPreset ("a.tqxp");

    for (int id : { 0, -1, 4 })
    {
        menu.selectItem (id);
        EXPECT_EQ (menu.getCurrentItemId(), 2) << id;
        EXPECT_EQ (menu.getText(), "a") << id;
    }
}

TEST_F (PresetMenuFixture, ModifiedMarkIsAppendedOnce)
{
    menu.setCurrentPreset ("a.tqxp");
    menu.markModified();
    menu.markModified();
    EXPECT_EQ (menu.getText(), "a*");

    menu.selectItem (3);
    EXPECT_EQ (menu.getText(), "b");
    EXPECT_FALSE (menu.isModified());
}

TEST_F (PresetMenuFixture, ChoosingAFileLoadsItOnlyWhenSomethingChanges)
{
    LoadCounter counter;
    menu.addListener (&counter);
    menu.setCurrentPreset ("a.tqxp");

    menu.chooseItem (3);
    EXPECT_EQ (counter.loads, 1) << "a new file loads";
    EXPECT_EQ (menu.getText(), "b");

    menu.rebuild();
    expectItems (items(), { { "s", 0, false, 0 }, { "c.tqxp", 1, false, 1 }, { "a.tqxp", 2, false, 0 }, { "b.tqxp", 3, true, 0 } });

    menu.chooseItem (3);
    EXPECT_EQ (counter.loads, 1) << "the unchanged current preset again does nothing";

    menu.markModified();
    menu.chooseItem (3);
    EXPECT_EQ (counter.loads, 2) << "the same file reloads when it was marked modified";
    EXPECT_EQ (menu.getText(), "b");
    EXPECT_FALSE (menu.isModified());

    menu.chooseItem (0);
    EXPECT_EQ (counter.loads, 2) << "a dismissed menu does nothing";
    menu.removeListener (&counter);
}

TEST_F (PresetMenuFixture, LoadsThroughTheProcessorAndRefusesPathsOutsideTheFolder)
{
    processor.setParameter (Parameters::fuzz, 0.9f);
    writePreset ("loud.tqxp");
    processor.setParameter (Parameters::fuzz, 0.1f);

    const auto outside = documents.getChildFile ("outside.tqxp");
    processor.createDocument (OndrelQX2718AudioProcessor::DocumentForm::preset)->writeTo (outside);

    EXPECT_EQ (menu.loadPreset (&processor, "../../../outside.tqxp"), 0);
    EXPECT_EQ (menu.loadPreset (&processor, outside.getFullPathName()), 0);
    EXPECT_EQ (menu.loadPreset (&processor, "gone.tqxp"), 0);
    EXPECT_EQ (menu.loadPreset (nullptr, "loud.tqxp"), 0);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::fuzz), 0.1f);

    EXPECT_EQ (menu.loadPreset (&processor, "loud.tqxp"), 1);
    EXPECT_FLOAT_EQ (processor.getParameter (Parameters::fuzz), 0.9f);
}

TEST_F (PresetMenuFixture, CheckModifiedMarksADifferenceFromTheStoredFile)
{
    menu.setCurrentPreset ("a.tqxp");
    menu.checkModified (&processor);
    EXPECT_EQ (menu.getText(), "a");

    processor.setParameter (Parameters::tone, 0.8f);
    menu.checkModified (&processor);
    EXPECT_EQ (menu.getText(), "a*");
}

TEST_F (PresetMenuFixture, SavesOnlyInsideThePresetFolder)
{
    const auto sibling = root.getSiblingFile (root.getFileName() + " old").getChildFile ("x.tqxp");
    EXPECT_FALSE (menu.savePreset (&processor, sibling));
    EXPECT_FALSE (sibling.exists());

    const auto file = root.getChildFile ("new/y.tqxp");
    EXPECT_TRUE (menu.savePreset (&processor, file));
    EXPECT_TRUE (file.existsAsFile());
    EXPECT_EQ (menu.getCurrentPreset(), "new/y.tqxp");
    EXPECT_EQ (menu.getText(), "y");

    const auto saved = juce::parseXML (file);
    ASSERT_NE (saved, nullptr);
    EXPECT_TRUE (saved->hasTagName ("tevariPatch"));
    EXPECT_TRUE (file.loadFileAsString().startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}
