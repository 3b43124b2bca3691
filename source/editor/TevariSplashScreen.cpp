#include "editor/TevariSplashScreen.h"

#include "editor/EditorColours.h"
#include "editor/SkinImages.h"

TevariSplashScreen::TevariSplashScreen (const juce::String& name)
    : juce::Component (name),
      picture (SkinImages::get ("about_panel_png"))
{
    setSize (picture.isValid() ? picture.getWidth() : 325, picture.isValid() ? picture.getHeight() : 500);

    versionLabel_.setJustificationType (juce::Justification::bottomLeft);
    versionLabel_.setColour (juce::Label::textColourId, EditorColours::lightGrey);
    versionLabel_.setBounds (versionX, versionY, versionWidth, versionHeight);
    versionLabel_.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (versionLabel_);

    setVisible (false);
}

void TevariSplashScreen::setVersionText (const juce::String& text)
{
    versionLabel_.setText (text, juce::dontSendNotification);
}

void TevariSplashScreen::show()
{
    if (! isCurrentlyModal())
        enterModalState (true);

    setVisible (true);
}

void TevariSplashScreen::hide()
{
    exitModalState (0);
    setVisible (false);
}

void TevariSplashScreen::mouseDown (const juce::MouseEvent&)
{
    hide();
}

void TevariSplashScreen::paint (juce::Graphics& g)
{
    if (picture.isValid())
        g.drawImage (picture, getLocalBounds().toFloat());
}
