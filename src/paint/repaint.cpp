#include "paint/repaint.h"

#include "core/folivan_tab.h"
#include "input/scroll_buttons.h"
#include "paint/bodies.h"
#include "paint/colors.h"
#include "platform/vb_runtime.h"
#include "render/tabs.h"

namespace folivan {

namespace {

// While the strip overflows, the last tab to lay out is the one after the tab
// that straddles the right edge in the previous layout (or the last tab).
void FindLastTabInView(FolivanTab& control) {
  ControlState& s = control.State();
  const double width = control.GetSurface().ScaleWidth();
  for (int32_t i = s.Hidd; i <= s.Tabs - 1; ++i) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    if (tab.AL <= width && width <= tab.AR) {
      s.HiddR = static_cast<int16_t>(i < s.Tabs - 1 ? i + 1 : s.Tabs - 1);
      return;
    }
    s.HiddR = static_cast<int16_t>(s.Tabs - 1);
  }
}

// Which scroll button can act, then the buttons themselves.
void UpdateScrollButtons(FolivanTab& control) {
  ControlState& s = control.State();
  PaintState& p = s.paint;
  if (s.Hidd > 0) {
    p.CanScrollLeft = true;
    const double right_limit = control.GetSurface().ScaleWidth() - p.ScrollButtonWidth * 2.5;
    p.CanScrollRight = right_limit <= static_cast<double>(control.Record(s.HiddR).AR);
  } else {
    p.CanScrollLeft = false;
    p.CanScrollRight = true;
  }
  DrawScrollButtons(control);
}

// Without a client area the control keeps only its strip (two pixels more).
// The host's resize repaints again; with the size unchanged that pass stops here.
void ShrinkToStrip(FolivanTab& control) {
  Surface& surface = control.GetSurface();
  int16_t width = CInt(surface.ScaleX(surface.ScaleWidth(), ScaleMode::kPixels, ScaleMode::kTwips));
  int16_t height =
      CInt(surface.ScaleY(static_cast<double>(control.State().StripH) + 2.0, ScaleMode::kPixels, ScaleMode::kTwips));
  control.SetTabDimensions(width, height);
}

bool IsVisio(const ControlState& s) { return s.Appearance == static_cast<int32_t>(Appearances::kVisio); }

}  // namespace

void Repaint(FolivanTab& control) {
  ControlState& s = control.State();
  Surface& surface = control.GetSurface();

  // No tabs, or no records yet (a control that has not had its properties
  // initialised or read): a cleared surface and nothing else.
  if (s.Tabs == 0 || s.tabs.empty()) {
    surface.Cls();
    return;
  }

  if (s.mShowScrollBar) FindLastTabInView(control);

  DetectWindowsVersion(control);
  s.ThemeCode = DetectThemeColors(control, surface.Hwnd());
  BuildColorSet(control);

  int16_t i = 0;
  if (IsVisio(s)) {
    LayoutVisioTabs(control, i);
  } else {
    LayoutTabs(control, i);
  }

  DrawBody(control);
  DrawTabs(control);

  if (s.mShowScrollBar) UpdateScrollButtons(control);

  if (!s.ClientArea && !IsVisio(s)) ShrinkToStrip(control);

  if (!control.UserMode()) DrawCommonAreaNotice(control);
}

void DrawCommonAreaNotice(FolivanTab&) {}

}  // namespace folivan
