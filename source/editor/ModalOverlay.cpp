#include "editor/ModalOverlay.h"

namespace
{
    juce::Component* currentModal()
    {
        return juce::ModalComponentManager::getInstance()->getModalComponent (0);
    }
}

void ModalOverlay::show (juce::Component& dialog, bool parentModal)
{
    auto* parent = dialog.getParentComponent();

    if (parentModal && parent != nullptr && parent == currentModal())
        parent->exitModalState (0);

    if (&dialog != currentModal())
        dialog.enterModalState (true);

    dialog.setVisible (true);
}

void ModalOverlay::hide (juce::Component& dialog, bool parentModal)
{
    dialog.exitModalState (0);

    // Only a parent that is still on screen gets its modal state back; one
    // that closed in the meantime must not block the editor invisibly.
    auto* parent = dialog.getParentComponent();

    if (parentModal && parent != nullptr && parent->isVisible() && parent != currentModal())
        parent->enterModalState (true);

    dialog.setVisible (false);
}
