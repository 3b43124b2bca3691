#include "editor/TevariNewFolderComponent.h"

#include "editor/EditorColours.h"
#include "editor/ModalOverlay.h"
#include "editor/SkinImages.h"

namespace
{
    constexpr int checkIntervalMs = 200;
    constexpr float disabledAlpha = 0.5f;
}

TevariNewFolderComponent::TevariNewFolderComponent (const juce::String& name, juce::FileBrowserComponent& fileBrowser,
                                                    const juce::String& message)
    : juce::Component (name),
      background (SkinImages::get ("dialog_message_panel_png")),
      browser (fileBrowser)
{
    setSize (background.isValid() ? background.getWidth() : 325, background.isValid() ? background.getHeight() : 500);

    titleText_.setText (message, juce::dontSendNotification);
    titleText_.setJustificationType (juce::Justification::centred);
    titleText_.setColour (juce::Label::textColourId, EditorColours::lightGrey);
    addAndMakeVisible (titleText_);
    titleText_.setBoundsRelative (0.0f, 0.3f, 1.0f, 0.3f);

    textEditor_.setMultiLine (false);
    textEditor_.setPasswordCharacter (0);
    textEditor_.setBounds (23, 250, 280, 24);
    textEditor_.addListener (this);
    addAndMakeVisible (textEditor_);

    okButton_.setImage (SkinImages::buttonPicture (SkinImages::okPicture));
    cancelButton_.setImage (SkinImages::buttonPicture (SkinImages::cancelPicture));
    okButton_.setBounds (16, 328, 132, 51);
    cancelButton_.setBounds (179, 328, 132, 51);
    okButton_.addListener (this);
    cancelButton_.addListener (this);
    addAndMakeVisible (okButton_);
    addAndMakeVisible (cancelButton_);

    alertComponent_.setBounds (0, 0, 325, 500);
    alertComponent_.setParentModal (true);
    addChildComponent (alertComponent_);

    setVisible (false);
}

TevariNewFolderComponent::~TevariNewFolderComponent()
{
    stopTimer();
    exitModalState (0);
}

void TevariNewFolderComponent::show()
{
    ModalOverlay::show (*this, parentModal);
    textEditor_.selectAll();
    textEditor_.grabKeyboardFocus();
    setVisible (true);
    timerCallback();
    startTimer (checkIntervalMs);
}

void TevariNewFolderComponent::hide()
{
    ModalOverlay::hide (*this, parentModal);
    stopTimer();
}

void TevariNewFolderComponent::timerCallback()
{
    const bool hasName = textEditor_.getText().isNotEmpty();
    okButton_.setEnabled (hasName);
    okButton_.setAlpha (hasName ? 1.0f : disabledAlpha);
}

void TevariNewFolderComponent::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImage (background, getLocalBounds().toFloat());
}

void TevariNewFolderComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton_)
        createFolder();
    else if (button == &cancelButton_)
        hide();
}

void TevariNewFolderComponent::createFolder()
{
    const auto name = juce::File::createLegalFileName (textEditor_.getText());

    if (name.isEmpty())
        return;

    const auto folder = browser.getRoot().getChildFile (name);

    if (folder.exists())
    {
        alertComponent_.setMessage ("The folder name already exist! Try different name.");
        alertComponent_.show (TevariAlertComponent::okOnly, SkinImages::warningIcon);
        return;
    }

    if (! folder.createDirectory())
    {
        alertComponent_.setMessage ("Couldn't create the folder! Try different name.");
        alertComponent_.show (TevariAlertComponent::okOnly, SkinImages::warningIcon);
        return;
    }

    browser.refresh();
    hide();
}

void TevariNewFolderComponent::textEditorReturnKeyPressed (juce::TextEditor&)
{
    okButton_.triggerClick();
}

void TevariNewFolderComponent::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    cancelButton_.triggerClick();
}
