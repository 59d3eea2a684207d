// The control's own bitmap resources on Windows: the six pictures of the
// wizard page buttons, BITMAP resources 1 to 6 of the module that holds them
// (FolivanTabs.ocx; the same images as resources/wizard/N.png).
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>

#include "platform/types.h"

namespace folivan::win32 {

// BITMAP resource n of the module as a picture object (IPicture, which owns
// the bitmap); none when the module has no such resource.
PicturePtr LoadBitmapResourcePicture(HMODULE module, int16_t n);

// Makes LoadResourcePicture load from the module's BITMAP resources.
void InstallModuleResourcePictures(HMODULE module);

}  // namespace folivan::win32
