#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <cstdlib>
#include <memory>

/** The LV2 client reads every bundle in ~/.lv2, /usr/lib/lv2 and
    /usr/local/lib/lv2 when it is made. A copy of the plug-in installed in the
    user's folder has the same URI as the one just built and would be taken
    instead (the first bundle with a URI wins), so the client is made with
    HOME pointing at an empty folder, then the folder of `bundle` is added.
    One client per program; made on first use. */
inline juce::LV2PluginFormat& isolatedLv2Format (const char* bundle)
{
    static juce::TemporaryFile emptyHome;
    static std::unique_ptr<juce::LV2PluginFormat> format = [bundle]
    {
        emptyHome.getFile().createDirectory();
        const juce::String realHome = juce::SystemStats::getEnvironmentVariable ("HOME", {});
        setenv ("HOME", emptyHome.getFile().getFullPathName().toRawUTF8(), 1);
        auto made = std::make_unique<juce::LV2PluginFormat>();
        made->searchPathsForPlugins (juce::FileSearchPath (juce::File (bundle).getParentDirectory().getFullPathName()), false, false);
        setenv ("HOME", realHome.toRawUTF8(), 1);
        return made;
    }();
    return *format;
}
