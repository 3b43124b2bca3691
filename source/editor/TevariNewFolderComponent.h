#pragma once

#include "editor/TevariAlertComponent.h"

/** Asks for the name of a new folder inside the file browser's current
    folder and creates it. OK stays disabled while the name box is empty;
    Return presses OK and Escape presses CANCEL. */
class TevariNewFolderComponent : public juce::Component,
                                 public juce::Button::Listener,
                                 public juce::TextEditor::Listener,
                                 public juce::Timer
{
public:
    TevariNewFolderComponent (const juce::String& name, juce::FileBrowserComponent& browser, const juce::String& message);
    ~TevariNewFolderComponent() override;

    virtual void setParentModal (bool shouldSuspendParent) { parentModal = shouldSuspendParent; }
    virtual void show();
    virtual void hide();

    juce::TextEditor& getTextEditor() { return textEditor_; }
    juce::Button& getOkButton() { return okButton_; }
    juce::Button& getCancelButton() { return cancelButton_; }
    TevariAlertComponent& getAlert() { return alertComponent_; }

    /** The periodic check of the OK button (every 200 ms while shown). */
    void timerCallback() override;

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;

private:
    void createFolder();

    juce::Image background;
    bool parentModal = false;
    juce::Label titleText_ { "titleText_" };
    juce::TextEditor textEditor_ { "textEditor_" };
    Tevari2StateKickButton okButton_ { "OK" };
    Tevari2StateKickButton cancelButton_ { "CANCEL" };
    TevariAlertComponent alertComponent_ { "alertComponent_" };
    juce::FileBrowserComponent& browser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariNewFolderComponent)
};
