#include "input/common_area_button.h"

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// Whether `hwnd` is the window of one of the contained controls. Controls
// without a window (labels, lines, shapes) fail the read and are passed over.
bool IsContainedWindow(FolivanTab& control, WindowHandle hwnd) {
  for (const ContainedControlPtr& contained : control.GetHost().ContainedControls()) {
    if (!contained) continue;
    try {
      auto value = contained->Get("hwnd");
      if (value && static_cast<WindowHandle>(ToLong(*value)) == hwnd) return true;
    } catch (const VbError&) {
    }
  }
  return false;
}

}  // namespace

void CommonAreaButtonPress(FolivanTab& control) {
  ControlState& s = control.State();
  if (!s.ClientArea) return;
  const Surface& surface = control.GetSurface();
  const double width = surface.ScaleWidth();
  const double height = surface.ScaleHeight();
  // The position of the last move, not that of the press.
  const float x = s.input.LastMouseX;
  const float y = s.input.LastMouseY;
  if (x < width - 19 || x > width - 5 || y < height - 19 || y > height - 5) return;
  System& system = control.GetSystem();
  if (IsContainedWindow(control, system.WindowFromPoint(system.GetCursorPos()))) return;
  OverTab = true;
  OverCurrentTab = false;
  control.SetCurrentTab(s.CurrentTab == -1 ? s.LastActTab : int16_t{-1});
}

}  // namespace folivan
