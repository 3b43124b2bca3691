#include "editor/OndrelQX2718AudioProcessorEditor.h"

#include "editor/SkinImages.h"
#include "editor/TevariAlertComponent.h"
#include "editor/TevariOndrelQX2718OverwriteComponent.h"
#include "editor/TevariOndrelQX2718PresetBrowser.h"
#include "editor/TevariOndrelQX2718PresetMenu.h"
#include "editor/TevariSplashScreen.h"
#include "shell/OndrelQX2718AudioProcessor.h"
#include "shell/PluginIdentity.h"
#include "shell/PresetFolder.h"

namespace
{
    /** The build's word size, shown after the version on the about panel. */
    juce::String wordSizeSuffix()
    {
        return sizeof (void*) == 8 ? " (64bit)" : " (32bit)";
    }

    /** Meter frame: ceiling of (frames - 1) x level in single precision (the
        level's own), so 0.1 lights exactly one segment; silence and NaN show
        frame 0, anything at or above full scale the last frame. */
    int meterFrameFor (float level, int frameCount)
    {
        if (frameCount <= 1 || ! (level > 0.0f))
            return 0;

        return juce::jmin (frameCount - 1, (int) std::ceil ((float) (frameCount - 1) * level));
    }
}

OndrelQX2718AudioProcessorEditor::OndrelQX2718AudioProcessorEditor (OndrelQX2718AudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      processor (p),
      background (SkinImages::get ("background_png"))
{
    setLookAndFeel (&lookAndFeel);
    createChildren();
    setSize (EditorLayout::width, EditorLayout::height);

    readControlsFromProcessor();

    processor.presetChanged.store (true);
    processor.parametersChanged.store (true);
    processor.channelChanged.store (true);
    presetRefreshPending = true;
    presetRefreshCount = 0;
    startTimer (refreshIntervalMs);
}

OndrelQX2718AudioProcessorEditor::~OndrelQX2718AudioProcessorEditor()
{
    stopTimer();
    alert_.reset();
    overwritePresetComponent_.reset();
    savePresetBrowser_.reset();
    aboutContainer_.reset();
    setLookAndFeel (nullptr);
}

juce::Image OndrelQX2718AudioProcessorEditor::imageOf (const EditorLayout::Entry& entry)
{
    return entry.image != nullptr ? SkinImages::get (entry.image) : juce::Image();
}

void OndrelQX2718AudioProcessorEditor::place (juce::Component& component, const EditorLayout::Entry& entry)
{
    component.setBounds (entry.x, entry.y, entry.width, entry.height);
    addAndMakeVisible (component);
}

void OndrelQX2718AudioProcessorEditor::createChildren()
{
    namespace L = EditorLayout;

    const auto makeKick = [this] (const L::Entry& entry)
    {
        auto button = std::make_unique<Tevari2StateKickButton> (entry.name);
        button->setImage (imageOf (entry));
        place (*button, entry);
        button->addListener (this);
        return button;
    };

    const auto makeImage = [this] (const L::Entry& entry)
    {
        auto image = std::make_unique<TevariImage> (entry.name);
        image->setImage (imageOf (entry), entry.frameCount);
        place (*image, entry);
        return image;
    };

    const auto makeKnob = [this] (const L::Entry& entry, double doubleClickValue)
    {
        auto knob = std::make_unique<TevariKnob> (entry.name);
        knob->setImage (imageOf (entry), entry.frameCount);
        knob->setDoubleClickReturnValue (true, doubleClickValue);
        place (*knob, entry);
        knob->addListener (this);
        return knob;
    };

    fileButton_ = makeKick (L::fileButton);
    presetDecButton_ = makeKick (L::presetDecButton);
    presetIncButton_ = makeKick (L::presetIncButton);

    presetMenu_ = std::make_unique<TevariOndrelQX2718PresetMenu> (L::presetMenu.name);
    presetMenu_->setRootFolder (PresetFolder::getRoot());
    presetMenu_->setFilePattern (PresetFolder::filePattern);
    presetMenu_->setCurrentPreset (processor.getPresetPath());
    presetMenu_->setColour (juce::Label::textColourId, juce::Colours::black);
    presetMenu_->addListener (this);
    place (*presetMenu_, L::presetMenu);

    inputMeter_ = makeImage (L::inputMeter);
    inputPeak_ = makeImage (L::inputPeak);

    abButton_ = std::make_unique<Tevari2StateButton> (L::abButton.name);
    abButton_->setImage (imageOf (L::abButton));
    place (*abButton_, L::abButton);
    abButton_->addListener (this);

    abCopyButton_ = makeKick (L::abCopyButton);

    bypassButton_ = std::make_unique<Tevari4StateButton3PDT> (L::bypassButton.name);
    bypassButton_->setImage (imageOf (L::bypassButton));
    place (*bypassButton_, L::bypassButton);
    bypassButton_->addListener (this);

    inputVolKnob_ = makeKnob (L::inputVolKnob, L::centreDoubleClickValue);
    fuzzKnob_ = makeKnob (L::fuzzKnob, L::centreDoubleClickValue);
    toneKnob_ = makeKnob (L::toneKnob, L::centreDoubleClickValue);
    levelKnob_ = makeKnob (L::levelKnob, L::centreDoubleClickValue);
    dryWetKnob_ = makeKnob (L::dryWetKnob, L::dryWetDoubleClickValue);

    fuzzTypeKnob_ = std::make_unique<TevariOndrelKnob> (L::fuzzTypeKnob.name);
    fuzzTypeKnob_->setRange (0.0, 1.0, 1.0 / (Parameters::numCircuits - 1));
    const auto* area = L::selectorImageArea;
    fuzzTypeKnob_->setImage (imageOf (L::fuzzTypeKnob), L::fuzzTypeKnob.frameCount, area[0], area[1], area[2], area[3]);

    for (int i = 0; i < Parameters::numCircuits; ++i)
    {
        const auto* r = L::selectorLegends[i];
        fuzzTypeKnob_->setHitArea (i, { r[0], r[1], r[2], r[3] });
    }

    place (*fuzzTypeKnob_, L::fuzzTypeKnob);
    fuzzTypeKnob_->addListener (this);

    for (size_t k = 0; k < oversamplingButtons_.size(); ++k)
    {
        auto& button = oversamplingButtons_[k];
        button = std::make_unique<Tevari2StateButton> (L::oversamplingButtons[k].name);
        button->setImage (imageOf (L::oversamplingButtons[k]));
        button->setRadioGroupId (L::oversamplingRadioGroup);
        place (*button, L::oversamplingButtons[k]);
        button->addListener (this);
    }

    aboutShowButton_ = makeKick (L::aboutShowButton);

    aboutContainer_ = std::make_unique<TevariSplashScreen> (L::aboutContainer.name);
    aboutContainer_->setTopLeftPosition (L::aboutContainer.x, L::aboutContainer.y);
    addChildComponent (*aboutContainer_);

    savePresetBrowser_ = std::make_unique<TevariOndrelQX2718PresetBrowser> (L::savePresetBrowser.name, "Save", PresetFolder::getRoot(),
                                                                            PresetFolder::filePattern, processor, *presetMenu_);
    savePresetBrowser_->setBounds (0, 0, L::width, L::height);
    addChildComponent (*savePresetBrowser_);

    overwritePresetComponent_ = std::make_unique<TevariOndrelQX2718OverwriteComponent> (L::overwritePresetComponent.name,
                                                                                        processor, *presetMenu_);
    overwritePresetComponent_->setBounds (0, 0, L::width, L::height);
    addChildComponent (*overwritePresetComponent_);

    alert_ = std::make_unique<TevariAlertComponent> (L::alert.name);
    alert_->setBounds (0, 0, L::width, L::height);
    addChildComponent (*alert_);
}

TevariKnob* OndrelQX2718AudioProcessorEditor::knobFor (int parameterIndex) const
{
    switch (parameterIndex)
    {
        case Parameters::fuzzType: return fuzzTypeKnob_.get();
        case Parameters::inputVol: return inputVolKnob_.get();
        case Parameters::fuzz:     return fuzzKnob_.get();
        case Parameters::tone:     return toneKnob_.get();
        case Parameters::level:    return levelKnob_.get();
        case Parameters::dryWet:   return dryWetKnob_.get();
        default:                   return nullptr;
    }
}

void OndrelQX2718AudioProcessorEditor::readControlsFromProcessor()
{
    bypassButton_->setToggleState (processor.getParameter (Parameters::onBypass) > 0.0f, juce::dontSendNotification);

    for (int index : { Parameters::fuzzType, Parameters::inputVol, Parameters::fuzz, Parameters::tone, Parameters::level, Parameters::dryWet })
        knobFor (index)->setValue (processor.getParameter (index), juce::dontSendNotification);

    const int oversampling = Parameters::oversamplingIndexOf (processor.getParameter (Parameters::oversampling));

    for (size_t k = 0; k < oversamplingButtons_.size(); ++k)
        oversamplingButtons_[k]->setToggleState ((int) k == oversampling, juce::dontSendNotification);
}

void OndrelQX2718AudioProcessorEditor::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImage (background, 0, 0, EditorLayout::width, EditorLayout::height, 0, 0, EditorLayout::width, EditorLayout::height);
    else
        g.fillAll (juce::Colours::darkgrey);
}

//==============================================================================
void OndrelQX2718AudioProcessorEditor::refreshMeter()
{
    const auto show = [] (TevariImage& image, int frame)
    {
        if (frame != image.getFrame())
        {
            image.setFrame (frame);
            image.repaint();
        }
    };

    show (*inputMeter_, meterFrameFor (processor.inputLevel.load(), EditorLayout::inputMeter.frameCount));
    show (*inputPeak_, processor.clipIndicator.load() > 0.0f ? 1 : 0);
}

void OndrelQX2718AudioProcessorEditor::showCopyPictureForChannel (int channel)
{
    abCopyButton_->setImage (SkinImages::get (channel != 0 ? EditorLayout::copyBToAImage : EditorLayout::abCopyButton.image));
}

void OndrelQX2718AudioProcessorEditor::refreshChannel()
{
    const int channel = processor.getActiveChannel();
    abButton_->setToggleState (channel != 0, juce::dontSendNotification);
    showCopyPictureForChannel (channel);
}

void OndrelQX2718AudioProcessorEditor::timerCallback()
{
    refreshMeter();

    if (processor.parametersChanged.load())
    {
        readControlsFromProcessor();

        if (processor.channelChanged.exchange (false))
            refreshChannel();

        if (processor.presetChanged.exchange (false))
        {
            presetRefreshPending = true;
            presetRefreshCount = 0;
        }
        else
        {
            presetMenu_->markModified();
        }

        processor.parametersChanged.store (false);
    }

    // The preset label is re-read on three ticks after a preset change, so a
    // load that lands a little later still shows its name and its "*".
    if (presetRefreshPending && presetRefreshCount < presetRefreshTicks)
    {
        presetMenu_->setCurrentPreset (processor.getPresetPath());
        presetMenu_->checkModified (&processor);
        ++presetRefreshCount;
    }
}

//==============================================================================
void OndrelQX2718AudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    for (int index = 0; index < Parameters::count; ++index)
        if (knobFor (index) == slider)
            processor.setParameterNotifyingHost (index, (float) slider->getValue());
}

void OndrelQX2718AudioProcessorEditor::buttonClicked (juce::Button* button)
{
    if (button == fileButton_.get())
        showFileMenu();
    else if (button == presetDecButton_.get())
    {
        presetMenu_->selectPrevious();
        runPresetLoad();
    }
    else if (button == presetIncButton_.get())
    {
        presetMenu_->selectNext();
        runPresetLoad();
    }
    else if (button == abButton_.get())
        switchChannel();
    else if (button == abCopyButton_.get())
        copyChannel();
    else if (button == bypassButton_.get())
        processor.setParameterNotifyingHost (Parameters::onBypass, bypassButton_->getToggleState() ? 1.0f : 0.0f);
    else if (button == aboutShowButton_.get())
        showAbout();
    else
        for (size_t k = 0; k < oversamplingButtons_.size(); ++k)
            if (button == oversamplingButtons_[k].get())
                processor.setParameterNotifyingHost (Parameters::oversampling, EditorLayout::oversamplingValues[k]);
}

void OndrelQX2718AudioProcessorEditor::labelTextChanged (juce::Label* label)
{
    if (label == presetMenu_.get())
        runPresetLoad();
}

void OndrelQX2718AudioProcessorEditor::switchChannel()
{
    const int channel = abButton_->getToggleState() ? 1 : 0;

    // selectChannel writes the active channel and re-sends all eight values to the host.
    processor.selectChannel (channel);
    presetMenu_->setCurrentPreset (processor.getChannelPresetPath (channel));
    showCopyPictureForChannel (channel);
    processor.presetChanged.store (true);
    processor.parametersChanged.store (true);
    processor.updateHostDisplay();
}

void OndrelQX2718AudioProcessorEditor::copyChannel()
{
    if (abButton_->getToggleState())
        processor.copyChannel (0, 1);
    else
        processor.copyChannel (1, 0);
}

void OndrelQX2718AudioProcessorEditor::runPresetLoad()
{
    const auto name = presetMenu_->getCurrentPreset();
    processor.setPresetPath (name);

    if (presetMenu_->loadPreset (&processor, processor.getPresetPath()) == 4)
    {
        alert_->setMessage (newerVersionMessage (name));
        alert_->show (TevariAlertComponent::okOnly, SkinImages::warningIcon);
    }

    processor.presetChanged.store (true);
    processor.parametersChanged.store (true);
    processor.updateHostDisplay();
}

juce::String OndrelQX2718AudioProcessorEditor::newerVersionMessage (const juce::String& presetName)
{
    return "\"" + presetName + "\"\nwas made using a newer version of " + PluginIdentity::name
         + ".\nTo use this preset correctly, please install the newest version from: " + downloadAddress;
}

void OndrelQX2718AudioProcessorEditor::showAbout()
{
    aboutContainer_->setVersionText (juce::String (PluginIdentity::versionText) + wordSizeSuffix());
    aboutContainer_->toFront (false);
    aboutContainer_->show();
}

//==============================================================================
void OndrelQX2718AudioProcessorEditor::showFileMenu()
{
    juce::PopupMenu menu;
    menu.setLookAndFeel (&lookAndFeel);
    menu.addItem (savePresetItem, "Save Preset");
    menu.addItem (savePresetAsItem, "Save Preset As...");
    menu.addSeparator();
    menu.addItem (userManualItem, "User Manual");
    menu.addSeparator();
    menu.addItem (websiteItem, "Tevari Website");

    juce::Component::SafePointer<OndrelQX2718AudioProcessorEditor> safeThis (this);
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (fileButton_.get()),
                        [safeThis] (int itemId)
                        {
                            if (safeThis != nullptr)
                                safeThis->performFileMenuItem (itemId);
                        });
}

void OndrelQX2718AudioProcessorEditor::performFileMenuItem (int itemId)
{
    switch (itemId)
    {
        case savePresetItem:   quickSave(); break;
        case savePresetAsItem: showSaveBrowser(); break;
        case userManualItem:   openUserManual(); break;
        case websiteItem:      juce::URL (websiteAddress).launchInDefaultBrowser(); break;
        default:               break;
    }
}

void OndrelQX2718AudioProcessorEditor::showSaveBrowser()
{
    const auto root = PresetFolder::getRoot();

    if (! root.isDirectory())
        root.createDirectory();

    savePresetBrowser_->toFront (false);
    savePresetBrowser_->show();
}

void OndrelQX2718AudioProcessorEditor::quickSave()
{
    const auto file = PresetFolder::resolve (processor.getPresetPath());

    if (! file.existsAsFile())
    {
        showSaveBrowser();
        return;
    }

    overwritePresetComponent_->setFile (file);
    overwritePresetComponent_->setMessage (TevariOndrelQX2718OverwriteComponent::questionFor (file));
    overwritePresetComponent_->toFront (false);
    overwritePresetComponent_->show (TevariAlertComponent::okAndCancel, SkinImages::warningIcon);
}

juce::File OndrelQX2718AudioProcessorEditor::getUserManual()
{
    return PresetFolder::getDocumentsFolder().getChildFile ("Tevari").getChildFile ("User Manuals").getChildFile ("OndrelQX2718 Manual.pdf");
}

void OndrelQX2718AudioProcessorEditor::openUserManual()
{
    const auto manual = getUserManual();

    if (manual.existsAsFile())
    {
        manual.startAsProcess();
        return;
    }

    alert_->setMessage ("User manual on: \"" + manual.getFullPathName() + "\" is not available.");
    alert_->toFront (false);
    alert_->show (TevariAlertComponent::okOnly, SkinImages::errorIcon);
}
