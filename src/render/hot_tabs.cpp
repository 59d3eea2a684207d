#include "render/hot_tabs.h"

#include "core/folivan_tab.h"

namespace folivan {

bool HasHotLook(int32_t appearance) {
  switch (static_cast<Appearances>(appearance)) {
    case Appearances::kWindowsXp:
    case Appearances::kPropertyPage:
    case Appearances::kVisualStudio:
    case Appearances::kOffice2003:
    case Appearances::kVisio:
    case Appearances::kStateButtons:
    case Appearances::kFlat:
    case Appearances::kRounded:
    case Appearances::kSystem:
      return true;
    default:
      return false;
  }
}

// The drawing of the two looks comes with the hot-state renderers of each
// style; until then a change of the hot tab draws nothing.
void DrawHotTab(FolivanTab&, int16_t) {}

void DrawNormalTab(FolivanTab&, int16_t) {}

}  // namespace folivan
