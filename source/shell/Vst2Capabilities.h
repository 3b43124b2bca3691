#pragma once

/** Answer to a VST2 host's "canDo" query: 1 yes, -1 no, 0 don't know. */
int vst2CanDo (const char* query) noexcept;
