#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The about panel: a full-window picture with the credits and a version
    line. It is modal while open and any click on it closes it. */
class TevariSplashScreen : public juce::Component
{
public:
    explicit TevariSplashScreen (const juce::String& name);

    void setVersionText (const juce::String& text);
    juce::String getVersionText() const { return versionLabel_.getText(); }

    virtual void show();
    virtual void hide();

    void mouseDown (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;

    /** Where the version line of the picture is, in panel coordinates. */
    static constexpr int versionX = 150, versionY = 133, versionWidth = 100, versionHeight = 16;

private:
    juce::Image picture;
    juce::Label versionLabel_ { "versionLabel_" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariSplashScreen)
};
