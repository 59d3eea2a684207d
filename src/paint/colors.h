// Theme detection and the colours of the control.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

// Reads the Windows version into the module's version flags.
void DetectWindowsVersion(FolivanTab& control);
// The colour scheme of the active visual style for the window (0: none).
int16_t DetectThemeColors(FolivanTab& control, WindowHandle hwnd);
}  // namespace folivan
