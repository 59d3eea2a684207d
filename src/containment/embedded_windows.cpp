#include "containment/embedded_windows.h"

#include "core/folivan_tab.h"
#include "paint/layout.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {
constexpr int32_t kVisio = 6;
}

Rect EmbeddedWindowRect(FolivanTab& control) {
  const ControlState& s = control.State();
  const Surface& surface = control.GetSurface();
  const double W = surface.ScaleWidth();
  const double H = surface.ScaleHeight();
  int32_t x = 2, y = 0, width = 0, height = 0;
  if (s.Appearance != kVisio) {
    y = s.StripH + 3;
    width = CLng(W - 6);
    height = CLng(H - s.StripH - 6);
  } else {
    const TabRecord& tab = s.tabs[static_cast<size_t>(s.CurrentTab)];
    y = tab.AB + 2;
    width = CLng(W - 4);
    if (s.CurrentTab < s.Tabs - 1) {
      height = CLng(s.tabs[static_cast<size_t>(s.CurrentTab) + 1].AT - tab.AB - 4);
    } else {
      height = CLng(H - tab.AB - 4);
    }
  }
  return Rect{x, y, x + width, y + height};
}

VisioPage VisioPageOf(FolivanTab& control, int16_t tab) {
  const ControlState& s = control.State();
  // The bars follow each other at one pitch (one line of caption): tab 0's AB
  // when it stands at the top, its AT..AB span when it is stacked at the bottom.
  const TabRecord& first = s.tabs.front();
  const int32_t pitch = first.AT == 1 ? first.AB : first.AB - first.AT + 1;
  VisioPage page;
  page.top = pitch * (tab + 1) + 2;
  page.height = CLng(control.GetSurface().ScaleHeight() - static_cast<double>(pitch) * s.Tabs - 4);
  return page;
}

void PlaceEmbeddedWindows(FolivanTab& control) {
  ControlState& s = control.State();
  System& system = control.GetSystem();
  const TabRecord* current = s.Current();
  const WindowHandle shown = current != nullptr ? current->Window : 0;
  // Every other tab's window goes out of sight, hidden tabs' windows included,
  // so that no tab change (to the common area, by a swap or a removal) leaves
  // a window of another tab in view.
  auto hide = [&](const TabRecord& tab) {
    if (tab.Window != 0 && tab.Window != shown) system.ShowWindow(tab.Window, sw::kHide);
  };
  for (const TabRecord& tab : s.tabs) hide(tab);
  for (const HiddenTab& hidden : s.HiddenTabs) hide(hidden.record);
  if (shown == 0) return;
  // The Visio bars move with the size: lay them out for the size as it is now.
  if (s.Appearance == kVisio) LayoutVisioTabs(control);
  Rect r = EmbeddedWindowRect(control);
  system.ShowWindow(shown, sw::kShowNA);
  system.MoveWindow(shown, r.left, r.top, r.Width(), r.Height(), true);
}

}  // namespace folivan
