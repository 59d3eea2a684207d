// Windows embedded on tabs (InsertWindow, EmbedWindow) and their places.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

// Hides the embedded windows of the tabs that are not current and shows the
// current tab's window, placed over its client area.
void PlaceEmbeddedWindows(FolivanTab& control);

// Where the current tab's window goes, in pixels of the control's client area.
Rect EmbeddedWindowRect(FolivanTab& control);

// The page of tab `tab` in the Visio style as it stands when that tab is
// current (pixels): the bars of tabs 0..tab above it, the later ones below.
struct VisioPage {
  int32_t top = 0;
  int32_t height = 0;
};
VisioPage VisioPageOf(FolivanTab& control, int16_t tab);
}  // namespace folivan
