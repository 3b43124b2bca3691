#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The modal bookkeeping every overlay dialog shares. Overlays use the
    framework's modal state without a modal loop: showing returns at once and
    the dialog's buttons finish the job.

    A dialog opened from another modal dialog (parentModal) suspends its
    parent's modal state while it is up and hands it back when it closes, so
    the parent takes input again. Message thread. */
namespace ModalOverlay
{
    void show (juce::Component& dialog, bool parentModal);
    void hide (juce::Component& dialog, bool parentModal);
}
