#pragma once

#include "editor/EditorLayout.h"
#include "editor/Tevari2StateButton.h"
#include "editor/Tevari2StateKickButton.h"
#include "editor/Tevari4StateButton3PDT.h"
#include "editor/TevariImage.h"
#include "editor/TevariKnob.h"
#include "editor/TevariOndrelKnob.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <memory>

class OndrelQX2718AudioProcessor;
class TevariAlertComponent;
class TevariOndrelQX2718OverwriteComponent;
class TevariOndrelQX2718PresetBrowser;
class TevariOndrelQX2718PresetMenu;
class TevariSplashScreen;

/** The plug-in window: a fixed 325 x 500 skin whose controls write straight
    into the processor, and a 50 ms timer that pulls the processor's state
    (meter, parameters, A/B channel, preset label) back into the controls.
    It owns no audio state. Message thread only. */
class OndrelQX2718AudioProcessorEditor : public juce::AudioProcessorEditor,
                                         public juce::Timer,
                                         public juce::Button::Listener,
                                         public juce::Slider::Listener,
                                         public juce::Label::Listener
{
public:
    explicit OndrelQX2718AudioProcessorEditor (OndrelQX2718AudioProcessor& processor);
    ~OndrelQX2718AudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void timerCallback() override;
    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void labelTextChanged (juce::Label* label) override;

    /** File menu item ids. */
    enum FileMenuItem
    {
        savePresetItem = 1,
        savePresetAsItem = 2,
        userManualItem = 3,
        websiteItem = 4
    };

    /** Does what the file menu item id stands for (0: nothing chosen). */
    void performFileMenuItem (int itemId);

    /** The message of a preset saved by a newer version. */
    static juce::String newerVersionMessage (const juce::String& presetName);

    static juce::File getUserManual();
    static constexpr int refreshIntervalMs = 50;
    static constexpr int presetRefreshTicks = 3;
    static constexpr const char* websiteAddress = "https://tevari.example.com";
    static constexpr const char* downloadAddress = "https://tevari.example.com/downloads/OndrelQX2718";

private:
    void createChildren();
    void readControlsFromProcessor();
    void refreshMeter();
    void refreshChannel();
    void showCopyPictureForChannel (int channel);
    void switchChannel();
    void copyChannel();
    void runPresetLoad();
    void quickSave();
    void showSaveBrowser();
    void openUserManual();
    void showFileMenu();
    void showAbout();
    void place (juce::Component& component, const EditorLayout::Entry& entry);
    static juce::Image imageOf (const EditorLayout::Entry& entry);
    TevariKnob* knobFor (int parameterIndex) const;

    OndrelQX2718AudioProcessor& processor;
    juce::Image background;
    juce::LookAndFeel_V3 lookAndFeel;
    bool presetRefreshPending = true;
    int presetRefreshCount = 0;

    std::unique_ptr<Tevari2StateKickButton> fileButton_;
    std::unique_ptr<Tevari2StateKickButton> presetDecButton_;
    std::unique_ptr<Tevari2StateKickButton> presetIncButton_;
    std::unique_ptr<TevariOndrelQX2718PresetMenu> presetMenu_;
    std::unique_ptr<TevariImage> inputMeter_;
    std::unique_ptr<TevariImage> inputPeak_;
    std::unique_ptr<Tevari2StateButton> abButton_;
    std::unique_ptr<Tevari2StateKickButton> abCopyButton_;
    std::unique_ptr<Tevari4StateButton3PDT> bypassButton_;
    std::unique_ptr<TevariKnob> inputVolKnob_;
    std::unique_ptr<TevariKnob> fuzzKnob_;
    std::unique_ptr<TevariKnob> toneKnob_;
    std::unique_ptr<TevariKnob> levelKnob_;
    std::unique_ptr<TevariKnob> dryWetKnob_;
    std::unique_ptr<TevariOndrelKnob> fuzzTypeKnob_;
    std::array<std::unique_ptr<Tevari2StateButton>, Parameters::numOversamplingChoices> oversamplingButtons_;
    std::unique_ptr<Tevari2StateKickButton> aboutShowButton_;
    std::unique_ptr<TevariSplashScreen> aboutContainer_;
    std::unique_ptr<TevariOndrelQX2718PresetBrowser> savePresetBrowser_;
    std::unique_ptr<TevariOndrelQX2718OverwriteComponent> overwritePresetComponent_;
    std::unique_ptr<TevariAlertComponent> alert_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OndrelQX2718AudioProcessorEditor)
};
