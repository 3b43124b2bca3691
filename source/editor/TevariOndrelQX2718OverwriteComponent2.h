#pragma once

#include "editor/TevariOndrelQX2718OverwriteComponent.h"

/** The overwrite question of the save browser: OK also closes the browser. */
class TevariOndrelQX2718OverwriteComponent2 : public TevariOndrelQX2718OverwriteComponent
{
public:
    using TevariOndrelQX2718OverwriteComponent::TevariOndrelQX2718OverwriteComponent;

    void okPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TevariOndrelQX2718OverwriteComponent2)
};
