#pragma once

#include "editor/Tevari2StateKickButton.h"

#include <memory>

class TevariNewFolderComponent;

/** A skinned, modal file browser panel: the framework's file list inside a
    dark panel with a title picture and three picture buttons (confirm,
    cancel and new folder). Subclasses give the buttons their jobs. */
class TevariFileBrowser : public juce::Component,
                          public juce::Button::Listener,
                          public juce::TextEditor::Listener,
                          public juce::FileBrowserListener,
                          public juce::Timer
{
public:
    /** Modes: 1 open files, 2 open several files, 3 open several files and
        folders, 4 open folders, 5 save a file (warning about overwriting).
        The title is kept for the owner; the picture shows the title. */
    TevariFileBrowser (const juce::String& name, const juce::String& title, const juce::File& rootFolder,
                       const juce::String& filePattern, int mode, int titleKind,
                       int confirmPictureId, int cancelPictureId, int extraPictureId);
    ~TevariFileBrowser() override;

    static constexpr int saveMode = 5;

    virtual void show();
    virtual void hide();
    virtual void buildForMode (int mode);
    virtual void okPressed();
    virtual void cancelPressed();
    virtual void newFolderPressed();
    virtual void setParentModal (bool shouldSuspendParent) { parentModal = shouldSuspendParent; }

    juce::FileBrowserComponent* getFileBrowser() const { return fileBrowser_.get(); }
    TevariNewFolderComponent* getNewFolderComponent() const { return newFolderComponent_.get(); }
    juce::Button& getConfirmButton() { return confirmButton_; }
    juce::Button& getCancelButton() { return cancelButton_; }
    juce::Button& getExtraButton() { return extraButton_; }
    juce::File getRootFolder() const { return rootFolder; }
    int getMode() const { return browserMode; }

    /** The periodic check of what the buttons allow (every 200 ms while shown). */
    void timerCallback() override;

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;

    void selectionChanged() override {}
    void fileClicked (const juce::File&, const juce::MouseEvent&) override {}
    void fileDoubleClicked (const juce::File&) override;
    void browserRootChanged (const juce::File&) override {}

    static constexpr int checkIntervalMs = 200;
    static constexpr float disabledAlpha = 0.5f;

protected:
    /** Enables a button and shows it at full strength, or greys it out. */
    static void allow (juce::Button& button, bool allowed);

    /** What the periodic check decides; the base browser leaves the buttons alone. */
    virtual void updateButtons() {}

    /** The folder the browser starts in and returns to when it was left. */
    virtual bool isAcceptableFolder (const juce::File& folder) const;

private:
    juce::String filePattern;
    juce::File rootFolder;
    int browserMode = 0;
    int titleKind = 0;
    int confirmPictureId = 0, cancelPictureId = 0, extraPictureId = 0;
    bool parentModal = false;
    juce::Image background;
    juce::Image titleImage;
    juce::String title;
    juce::Label titleText_ { "titleText_" };
    Tevari2StateKickButton confirmButton_ { "OK" };
    Tevari2StateKickButton cancelButton_ { "CANCEL" };
    Tevari2StateKickButton extraButton_ { "New Folder" };
    std::unique_ptr<juce::LookAndFeel> browserLookAndFeel_;  // outlives the list that uses it
    std::unique_ptr<juce::WildcardFileFilter> fileFilter_;
    std::unique_ptr<juce::FileBrowserComponent> fileBrowser_;
    std::unique_ptr<TevariNewFolderComponent> newFolderComponent_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariFileBrowser)
};
