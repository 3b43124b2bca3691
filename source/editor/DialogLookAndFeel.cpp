#include "editor/DialogLookAndFeel.h"

#include "editor/EditorColours.h"

DialogLookAndFeel::DialogLookAndFeel()
{
    const juce::Colour field (0xff1c1c1e);
    const juce::Colour outline (0xff4a4a4e);
    const juce::Colour selection (0xffc8902e);
    const auto text = EditorColours::lightGrey;

    setColour (juce::ListBox::backgroundColourId, field);
    setColour (juce::ListBox::outlineColourId, outline);
    setColour (juce::ListBox::textColourId, text);
    setColour (juce::DirectoryContentsDisplayComponent::highlightColourId, selection);
    setColour (juce::DirectoryContentsDisplayComponent::textColourId, text);
    setColour (juce::DirectoryContentsDisplayComponent::highlightedTextColourId, juce::Colours::black);
    setColour (juce::FileBrowserComponent::currentPathBoxBackgroundColourId, field);
    setColour (juce::FileBrowserComponent::currentPathBoxTextColourId, text);
    setColour (juce::FileBrowserComponent::currentPathBoxArrowColourId, text);
    setColour (juce::FileBrowserComponent::filenameBoxBackgroundColourId, field);
    setColour (juce::FileBrowserComponent::filenameBoxTextColourId, text);
    setColour (juce::TextEditor::backgroundColourId, field);
    setColour (juce::TextEditor::textColourId, text);
    setColour (juce::TextEditor::outlineColourId, outline);
    setColour (juce::TextEditor::focusedOutlineColourId, selection);
    setColour (juce::TextEditor::highlightColourId, selection.withAlpha (0.5f));
    setColour (juce::CaretComponent::caretColourId, text);
    setColour (juce::ComboBox::backgroundColourId, field);
    setColour (juce::ComboBox::textColourId, text);
    setColour (juce::ComboBox::outlineColourId, outline);
    setColour (juce::ComboBox::arrowColourId, text);
    setColour (juce::Label::textColourId, text);
    setColour (juce::ScrollBar::thumbColourId, outline);
    setColour (juce::PopupMenu::backgroundColourId, field);
    setColour (juce::PopupMenu::textColourId, text);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, selection);
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colours::black);
    setColour (juce::DrawableButton::textColourId, text);
}
