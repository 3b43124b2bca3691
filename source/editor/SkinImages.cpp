#include "editor/SkinImages.h"

#if __has_include("OndrelSkinData.h")
 #include "OndrelSkinData.h"
 #define ONDREL_HAS_SKIN 1
#else
 #define ONDREL_HAS_SKIN 0
#endif

juce::Image SkinImages::get (const char* resourceName)
{
#if ONDREL_HAS_SKIN
    int size = 0;

    if (const auto* data = OndrelSkinData::getNamedResource (resourceName, size))
        return juce::ImageCache::getFromMemory (data, size);
#else
    juce::ignoreUnused (resourceName);
#endif
    return {};
}

juce::Image SkinImages::icon (int iconId)
{
    switch (iconId)
    {
        case warningIcon: return get ("icon_warning_png");
        case errorIcon:   return get ("icon_error_png");
        default:          return {};
    }
}

juce::Image SkinImages::buttonPicture (int pictureId)
{
    switch (pictureId)
    {
        case okPicture:        return get ("button_ok_png");
        case cancelPicture:    return get ("button_cancel_png");
        case savePicture:      return get ("button_save_png");
        case newFolderPicture: return get ("button_new_folder_png");
        default:               return {};
    }
}

juce::Image SkinImages::title (int titleKind)
{
    switch (titleKind)
    {
        case saveAsTitle: return get ("title_save_as_png");
        case loadTitle:   return get ("title_load_png");
        default:          return {};
    }
}
