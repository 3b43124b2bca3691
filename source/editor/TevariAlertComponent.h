#pragma once

#include "editor/Tevari2StateKickButton.h"

/** The skinned message box: a dark panel with an icon, a message and OK (and
    CANCEL) buttons. Modal while shown; both buttons close it unless a
    subclass gives OK a job. */
class TevariAlertComponent : public juce::Component,
                             public juce::Button::Listener
{
public:
    explicit TevariAlertComponent (const juce::String& name);
    ~TevariAlertComponent() override;

    static constexpr int okOnly = 1;
    static constexpr int okAndCancel = 2;

    virtual void setMessage (const juce::String& text);

    /** buttons: okOnly or okAndCancel (anything else does nothing); iconId:
        SkinImages::warningIcon or SkinImages::errorIcon. */
    virtual void show (int buttons, int iconId);
    virtual void hide();
    virtual void okPressed();
    virtual void cancelPressed();
    virtual void setParentModal (bool shouldSuspendParent) { parentModal = shouldSuspendParent; }

    juce::String getMessage() const { return titleText_.getText(); }
    int getIconId() const { return iconId; }
    juce::Button& getOkButton() { return okButton_; }
    juce::Button& getCancelButton() { return cancelButton_; }

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;

    static constexpr int iconTop = 12;

private:
    juce::Image background;
    juce::Image icon;
    bool parentModal = false;
    int iconId = 1;
    int okPictureId = 1;
    int cancelPictureId = 3;
    juce::Label titleText_ { "titleText_" };
    Tevari2StateKickButton okButton_ { "OK" };
    Tevari2StateKickButton cancelButton_ { "CANCEL" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariAlertComponent)
};
