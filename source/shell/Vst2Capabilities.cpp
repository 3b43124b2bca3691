#include "shell/Vst2Capabilities.h"

#include <cstring>

int vst2CanDo (const char* query) noexcept
{
    if (query == nullptr)
        return 0;

    static const char* const refused[] = { "receiveVstEvents", "receiveVstMidiEvent", "receiveVstMidiEvents",
                                           "sendVstEvents", "sendVstMidiEvent", "sendVstMidiEvents",
                                           "openCloseAnyThread" };
    static const char* const accepted[] = { "receiveVstTimeInfo", "conformsToWindowRules", "bypass" };

    for (auto* text : refused)
        if (std::strcmp (query, text) == 0)
            return -1;

    for (auto* text : accepted)
        if (std::strcmp (query, text) == 0)
            return 1;

    return 0;
}
