#include "editor/TevariAlertComponent.h"

#include "editor/EditorColours.h"
#include "editor/ModalOverlay.h"
#include "editor/SkinImages.h"

TevariAlertComponent::TevariAlertComponent (const juce::String& name)
    : juce::Component (name),
      background (SkinImages::get ("dialog_message_panel_png")),
      icon (SkinImages::icon (iconId))
{
    setSize (background.isValid() ? background.getWidth() : 325, background.isValid() ? background.getHeight() : 500);

    titleText_.setJustificationType (juce::Justification::centred);
    titleText_.setColour (juce::Label::textColourId, EditorColours::lightGrey);
    addAndMakeVisible (titleText_);

    okButton_.setImage (SkinImages::buttonPicture (okPictureId));
    cancelButton_.setImage (SkinImages::buttonPicture (cancelPictureId));
    addAndMakeVisible (okButton_);
    addAndMakeVisible (cancelButton_);
    okButton_.addListener (this);
    cancelButton_.addListener (this);

    setVisible (false);
}

TevariAlertComponent::~TevariAlertComponent()
{
    exitModalState (0);
}

void TevariAlertComponent::setMessage (const juce::String& text)
{
    titleText_.setText (text, juce::dontSendNotification);
}

void TevariAlertComponent::show (int buttons, int newIconId)
{
    if (buttons != okOnly && buttons != okAndCancel)
        return;

    ModalOverlay::show (*this, parentModal);

    if (newIconId != iconId)
    {
        iconId = newIconId;
        icon = SkinImages::icon (iconId);
    }

    titleText_.setBoundsRelative (0.1f, 0.3f, 0.8f, 0.4f);

    if (buttons == okAndCancel)
    {
        okButton_.setBounds (16, 328, 132, 51);
        cancelButton_.setBounds (179, 328, 132, 51);
        cancelButton_.setVisible (true);
    }
    else
    {
        okButton_.setBounds (97, 328, 132, 51);
        cancelButton_.setVisible (false);
    }

    setVisible (true);
    repaint();
}

void TevariAlertComponent::hide()
{
    ModalOverlay::hide (*this, parentModal);
}

void TevariAlertComponent::okPressed() { hide(); }

void TevariAlertComponent::cancelPressed() { hide(); }

void TevariAlertComponent::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImage (background, getLocalBounds().toFloat());

    if (icon.isValid())
    {
        const int left = juce::roundToInt (getWidth() * 0.5f) - icon.getWidth() / 2;
        g.drawImageAt (icon, left, iconTop);
    }
}

void TevariAlertComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton_)
        okPressed();
    else if (button == &cancelButton_)
        cancelPressed();
}
