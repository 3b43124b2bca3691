# Formats built on every platform; VST2 and AAX join when their SDKs are given.
set (ONDREL_FORMATS VST3 LV2 Standalone)

if (ONDREL_VST2_SDK_PATH)
    juce_set_vst2_sdk_path ("${ONDREL_VST2_SDK_PATH}")
    list (APPEND ONDREL_FORMATS VST)
endif()

if (ONDREL_AAX_SDK_PATH)
    juce_set_aax_sdk_path ("${ONDREL_AAX_SDK_PATH}")
    list (APPEND ONDREL_FORMATS AAX)
endif()
