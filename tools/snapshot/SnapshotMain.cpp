// ondrel-snapshot --out DIR
//
// Renders the editor to PNG files without a display: editor.png in its
// default state and editor-save-browser.png with "Save Preset As..." open.
// The presets come from a scratch documents folder holding the factory set,
// so the pictures never depend on (or touch) the user's own presets.
#include "editor/OndrelQX2718AudioProcessorEditor.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
    constexpr int settleMs = 400;  // timer ticks for the labels, the file list's scan

    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream out (file);
        return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    }

    bool render (juce::Component& editor, const juce::File& file)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (settleMs);
        const bool ok = writePng (editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f), file);
        std::cout << (ok ? "wrote " : "could not write ") << file.getFullPathName() << "\n";
        return ok;
    }

    int run (const juce::File& outDir)
    {
        if (! outDir.createDirectory())
        {
            std::cerr << "ondrel-snapshot: cannot create " << outDir.getFullPathName() << "\n";
            return 1;
        }

        // A fixed scratch path, so the browser's folder box reads the same in every picture.
        const auto scratch = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("ondrel-snapshot");
        const auto documents = scratch.getChildFile ("Documents");
        scratch.deleteRecursively();
        documents.createDirectory();
        PresetFolder::setDocumentsFolderForTesting (documents);

        bool ok = true;
        {
            OndrelQX2718AudioProcessor processor;
            std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditor());
            editor->setVisible (true);

            ok = render (*editor, outDir.getChildFile ("editor.png")) && ok;

            if (auto* ours = dynamic_cast<OndrelQX2718AudioProcessorEditor*> (editor.get()))
                ours->performFileMenuItem (OndrelQX2718AudioProcessorEditor::savePresetAsItem);

            ok = render (*editor, outDir.getChildFile ("editor-save-browser.png")) && ok;

            for (int i = juce::ModalComponentManager::getInstance()->getNumModalComponents(); --i >= 0;)
                if (auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (i))
                    modal->exitModalState (0);
        }

        PresetFolder::setDocumentsFolderForTesting ({});
        scratch.deleteRecursively();
        return ok ? 0 : 1;
    }
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (argv[i]);

    const int outIndex = args.indexOf ("--out");

    if (outIndex < 0 || outIndex + 1 >= args.size())
    {
        std::cerr << "usage: ondrel-snapshot --out DIR\n";
        return 2;
    }

    return run (juce::File::getCurrentWorkingDirectory().getChildFile (args[outIndex + 1]));
}
