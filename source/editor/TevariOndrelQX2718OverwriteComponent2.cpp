#include "editor/TevariOndrelQX2718OverwriteComponent2.h"

#include "editor/TevariFileBrowser.h"

void TevariOndrelQX2718OverwriteComponent2::okPressed()
{
    TevariOndrelQX2718OverwriteComponent::okPressed();

    if (auto* browser = dynamic_cast<TevariFileBrowser*> (getParentComponent()))
        browser->hide();
}
