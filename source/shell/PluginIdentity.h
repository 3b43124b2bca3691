#pragma once

/** Identity values the hosts see, in one place. */
namespace PluginIdentity
{
    inline constexpr const char* name = "Ondrel QX2718";
    inline constexpr const char* shortName = "QX2718";
    inline constexpr const char* manufacturer = "Tevari";
    inline constexpr const char* versionText = "1.0.6";
    inline constexpr int versionCode = 0x10006;
    inline constexpr int vst2VendorVersion = 106;
    inline constexpr const char* productId = "com.tevari.OndrelQX2718";
    inline constexpr int numPrograms = 12;
}
