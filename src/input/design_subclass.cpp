#include "input/design_subclass.h"

#include "core/folivan_tab.h"
#include "input/mouse.h"

namespace folivan {

// Replacing the window procedure is the platform's part: it calls
// HandleDesignMessage from its own procedure. Here the control remembers
// which window is subclassed.
void InstallDesignSubclass(FolivanTab& control) {
  control.State().input.SubclassWindow = control.hwnd();
  control.State().Subclassed = true;
}

void RemoveDesignSubclass(FolivanTab& control) {
  control.State().input.SubclassWindow = 0;
  control.State().input.PreviousWindowProc = 0;
  control.State().Subclassed = false;
}

bool HandleDesignMessage(FolivanTab& control, uint32_t msg, uintptr_t, intptr_t lparam) {
  // A left press over a tab that is not the current one belongs to the tab,
  // not to the designer (which would start selecting or dragging the control).
  if (OverTab && !OverCurrentTab && (msg == wm::kLButtonDown || msg == wm::kLButtonDblClk)) return true;

  const auto low = static_cast<float>(static_cast<uint32_t>(lparam) & 0xFFFFu);
  const auto high = static_cast<float>((static_cast<uint32_t>(lparam) >> 16) & 0xFFFFu);
  switch (msg) {
    case wm::kMouseActivate:
      HandleMouseDown(control, 1, 0, low, high);
      break;
    case wm::kMouseMove:
      HandleMouseMove(control, 0, 0, low, high);
      break;
    case wm::kMove:
    case wm::kSize:
      if (control.SpreadToContainer()) control.Resize();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace folivan
