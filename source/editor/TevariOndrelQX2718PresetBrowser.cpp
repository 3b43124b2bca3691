#include "editor/TevariOndrelQX2718PresetBrowser.h"

#include "editor/SkinImages.h"
#include "editor/TevariOndrelQX2718OverwriteComponent2.h"
#include "editor/TevariOndrelQX2718PresetMenu.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PresetFolder.h"

TevariOndrelQX2718PresetBrowser::TevariOndrelQX2718PresetBrowser (const juce::String& name, const juce::String& titleText,
                                                                  const juce::File& root, const juce::String& pattern,
                                                                  OndrelQX2718AudioProcessor& p, TevariOndrelQX2718PresetMenu& menu)
    : TevariFileBrowser (name, titleText, root, pattern, saveMode, SkinImages::saveAsTitle,
                         SkinImages::savePicture, SkinImages::cancelPicture, SkinImages::newFolderPicture),
      presetMenu (menu),
      processor (p),
      overwriteComponent_ (std::make_unique<TevariOndrelQX2718OverwriteComponent2> ("overwriteComponent_", p, menu))
{
    overwriteComponent_->setParentModal (true);
    addChildComponent (*overwriteComponent_);
}

TevariOndrelQX2718PresetBrowser::~TevariOndrelQX2718PresetBrowser() = default;

bool TevariOndrelQX2718PresetBrowser::isInPresetTree (const juce::File& folder)
{
    return folder == PresetFolder::getRoot() || PresetFolder::contains (folder);
}

bool TevariOndrelQX2718PresetBrowser::isAcceptableFolder (const juce::File& folder) const
{
    return folder.isDirectory() && isInPresetTree (folder);
}

juce::File TevariOndrelQX2718PresetBrowser::getFileToSave() const
{
    auto* browser = getFileBrowser();

    if (browser == nullptr)
        return {};

    auto file = browser->getSelectedFile (0);

    if (! PresetFolder::contains (file) || file == browser->getRoot())
        return {};

    if (! file.getFileName().endsWithIgnoreCase (PresetFolder::fileExtension))
        file = file.getSiblingFile (file.getFileName() + PresetFolder::fileExtension);

    return file;
}

void TevariOndrelQX2718PresetBrowser::updateButtons()
{
    auto* browser = getFileBrowser();

    if (browser == nullptr)
        return;

    // Judged by the folder shown, not by the typed name: a name can point
    // back into the preset folder from outside it.
    const bool inside = isInPresetTree (browser->getRoot());
    allow (getExtraButton(), inside);
    allow (getConfirmButton(), inside && browser->currentFileIsValid() && PresetFolder::contains (browser->getSelectedFile (0)));
}

void TevariOndrelQX2718PresetBrowser::okPressed()
{
    const auto file = getFileToSave();

    if (file != juce::File() && ! file.isDirectory())
    {
        if (file.existsAsFile())
        {
            overwriteComponent_->setBounds (0, 0, 325, 500);
            overwriteComponent_->setFile (file);
            overwriteComponent_->setMessage (TevariOndrelQX2718OverwriteComponent::questionFor (file));
            overwriteComponent_->show (TevariAlertComponent::okAndCancel, SkinImages::warningIcon);
        }
        else
        {
            presetMenu.savePreset (&processor, file);
            processor.setPresetPath (presetMenu.getCurrentPreset());
            getFileBrowser()->refresh();
            hide();
        }
    }

    processor.updateHostDisplay();
}

void TevariOndrelQX2718PresetBrowser::cancelPressed()
{
    hide();
}
