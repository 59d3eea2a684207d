// The System pair: the visual style draws the tab under the mouse in its hot
// state and the tab it left in its normal state, whether or not HotTracking is
// on; the selected tab is drawn again over both neighbours, then the captions
// and pictures.
#include <exception>

#include "core/folivan_tab.h"
#include "platform/system.h"
#include "render/caption_layer.h"
#include "render/geometry.h"
#include "render/hot_look.h"
#include "render/picture_layer.h"
#include "render/strip_faces.h"

namespace folivan {

void DrawSystemLook(FolivanTab& control, int16_t index, Look look) {
  // TABP_TABITEM of class "TAB", in TIS_NORMAL, TIS_HOT or TIS_SELECTED.
  constexpr int kTabItem = 1;
  constexpr int kNormal = 1;
  constexpr int kHot = 2;
  constexpr int kSelected = 3;

  // Each call on its own: a failure inside one is passed over.
  const auto step = [](auto&& fn) {
    try {
      fn();
    } catch (const std::exception&) {
    }
  };

  const ControlState& s = control.State();
  System& system = control.GetSystem();
  Surface& surface = control.GetSurface();

  // Without a visual style the strip is the Property Page's, and only the
  // layers over it are drawn again.
  ThemeHandle theme = 0;
  if (SharedPlatformFlags().ThemesAvailable) step([&] { theme = system.OpenThemeData(control.hwnd(), "TAB"); });
  if (theme != 0) {
    const StripCanvas canvas(control);
    const auto [L, T, R, B] = TabBox::Of(s.tabs[static_cast<size_t>(index)]);
    const Rect item{L, T, R + 1, B + 1};
    step([&] { system.DrawThemeBackground(theme, surface.Hdc(), kTabItem, look == Look::kHot ? kHot : kNormal, item); });
    // Neighbours overlap: the selected tab goes over the tab just drawn.
    const VisibleTabs shown = VisibleTabs::Of(s);
    if (const TabRecord* selected = ShownSelectedTab(s, shown)) {
      const auto [SL, ST, SR, SB] = TabBox::Of(*selected);
      const Rect raised{SL - 2, ST - 2, SR + 3, SB + 2};
      step([&] { system.DrawThemeBackground(theme, surface.Hdc(), kTabItem, kSelected, raised); });
      // The first tab's bottom-left corner takes the pane's colour below it.
      const Point corner{SL - 2, SB + 1};
      if (s.CurrentTab == shown.first) step([&] { canvas.Pixel(corner, canvas.ColorAt({corner.x, corner.y + 2})); });
    }
    step([&] { system.CloseThemeData(theme); });
  }

  DrawTabCaptions(control);
  DrawTabPictures(control);
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

}  // namespace folivan
