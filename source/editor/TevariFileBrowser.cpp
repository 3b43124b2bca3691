#include "editor/TevariFileBrowser.h"

#include "editor/DialogLookAndFeel.h"
#include "editor/EditorColours.h"
#include "editor/ModalOverlay.h"
#include "editor/SkinImages.h"
#include "editor/TevariNewFolderComponent.h"

namespace
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;

    /** The framework's browser flags of a mode; 0 for an unknown mode. */
    int flagsOf (int mode)
    {
        switch (mode)
        {
            case 1: return Flags::openMode | Flags::canSelectFiles;
            case 2: return Flags::openMode | Flags::canSelectFiles | Flags::canSelectMultipleItems;
            case 3: return Flags::openMode | Flags::canSelectFiles | Flags::canSelectDirectories | Flags::canSelectMultipleItems;
            case 4: return Flags::openMode | Flags::canSelectDirectories;
            case 5: return Flags::saveMode | Flags::canSelectFiles | Flags::warnAboutOverwriting;
            default: return 0;
        }
    }
}

TevariFileBrowser::TevariFileBrowser (const juce::String& name, const juce::String& titleToKeep, const juce::File& root,
                                      const juce::String& pattern, int mode, int kind,
                                      int confirmId, int cancelId, int extraId)
    : juce::Component (name),
      filePattern (pattern.isEmpty() ? "*" : pattern),
      rootFolder (root),
      titleKind (kind),
      confirmPictureId (confirmId),
      cancelPictureId (cancelId),
      extraPictureId (extraId),
      title (titleToKeep)
{
    setVisible (false);
    buildForMode (mode);
}

TevariFileBrowser::~TevariFileBrowser()
{
    stopTimer();
    exitModalState (0);

    if (fileBrowser_ != nullptr)
        fileBrowser_->setLookAndFeel (nullptr);
}

void TevariFileBrowser::buildForMode (int mode)
{
    const int flags = flagsOf (mode);

    if (flags == 0)
        return;

    browserMode = mode;
    const bool files = (flags & Flags::canSelectFiles) != 0;
    const bool folders = (flags & Flags::canSelectDirectories) != 0;
    fileFilter_ = std::make_unique<juce::WildcardFileFilter> (files ? filePattern : juce::String(),
                                                              folders ? "*" : juce::String(), "presets");

    background = SkinImages::get ("dialog_browser_panel_png");
    titleImage = SkinImages::title (titleKind);
    setSize (325, 500);

    titleText_.setJustificationType (juce::Justification::centred);
    titleText_.setColour (juce::Label::textColourId, EditorColours::lightGrey);
    addAndMakeVisible (titleText_);

    browserLookAndFeel_ = std::make_unique<DialogLookAndFeel>();
    fileBrowser_ = std::make_unique<juce::FileBrowserComponent> (flags, rootFolder, fileFilter_.get(), nullptr);
    fileBrowser_->setLookAndFeel (browserLookAndFeel_.get());
    fileBrowser_->setBounds (12, 80, 300, 275);
    fileBrowser_->addListener (this);
    fileBrowser_->setColour (juce::Label::textColourId, EditorColours::lightGrey);
    addAndMakeVisible (*fileBrowser_);

    const std::pair<Tevari2StateKickButton*, int> buttons[] = {
        { &confirmButton_, confirmPictureId }, { &cancelButton_, cancelPictureId }, { &extraButton_, extraPictureId }
    };

    for (auto [button, pictureId] : buttons)
    {
        button->setImage (SkinImages::buttonPicture (pictureId));
        button->addListener (this);
        addAndMakeVisible (*button);
    }

    confirmButton_.setBounds (179, 357, 132, 51);
    cancelButton_.setBounds (179, 407, 132, 51);
    extraButton_.setBounds (16, 357, 132, 51);

    newFolderComponent_ = std::make_unique<TevariNewFolderComponent> ("newFolderComponent_", *fileBrowser_,
                                                                      "Please enter the name of the new folder:");
    newFolderComponent_->setParentModal (true);
    addChildComponent (*newFolderComponent_);
}

bool TevariFileBrowser::isAcceptableFolder (const juce::File& folder) const
{
    return folder.isDirectory();
}

void TevariFileBrowser::show()
{
    ModalOverlay::show (*this, parentModal);
    titleText_.setBoundsRelative (0.0f, 0.01f, 1.0f, 0.1f);

    if (fileBrowser_ != nullptr)
    {
        if (! isAcceptableFolder (fileBrowser_->getRoot()))
            fileBrowser_->setRoot (rootFolder);

        fileBrowser_->refresh();
        fileBrowser_->setFileName ({});
    }

    if (browserMode == saveMode && newFolderComponent_ != nullptr)
        newFolderComponent_->setBounds (0, 0, 325, 500);

    setVisible (true);
    timerCallback();
    startTimer (checkIntervalMs);
}

void TevariFileBrowser::hide()
{
    ModalOverlay::hide (*this, parentModal);
    stopTimer();
}

void TevariFileBrowser::okPressed() { hide(); }

void TevariFileBrowser::cancelPressed() { hide(); }

void TevariFileBrowser::newFolderPressed()
{
    if (fileBrowser_ != nullptr && newFolderComponent_ != nullptr && fileBrowser_->getRoot().isDirectory())
        newFolderComponent_->show();
}

void TevariFileBrowser::timerCallback()
{
    updateButtons();
}

void TevariFileBrowser::allow (juce::Button& button, bool allowed)
{
    button.setEnabled (allowed);
    button.setAlpha (allowed ? 1.0f : disabledAlpha);
}

void TevariFileBrowser::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImage (background, getLocalBounds().toFloat());

    if (titleImage.isValid())
        g.drawImageAt (titleImage, 0, 0);
}

void TevariFileBrowser::buttonClicked (juce::Button* button)
{
    if (button == &confirmButton_)
        okPressed();
    else if (button == &cancelButton_)
        cancelPressed();
    else if (button == &extraButton_)
        newFolderPressed();
}

void TevariFileBrowser::fileDoubleClicked (const juce::File&)
{
    confirmButton_.triggerClick();
}
