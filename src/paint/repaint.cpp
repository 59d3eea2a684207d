#include "paint/repaint.h"

#include <string_view>

#include "access/access_events.h"
#include "core/folivan_tab.h"
#include "input/scroll_buttons.h"
#include "paint/bodies.h"
#include "paint/colors.h"
#include "paint/primitives.h"
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

// Two carriage returns, without line feeds, between the sentences.
constexpr std::string_view kCommonAreaNotice =
    "This is 'Common' Tab Area.\r\rAll Controls Placed in here are Shared in all tabs.";

}  // namespace

void Repaint(FolivanTab& control) {
  ControlState& s = control.State();
  Surface& surface = control.GetSurface();

  // No tabs, or no records yet (a control that has not had its properties
  // initialised or read): a cleared surface and nothing else.
  if (s.Tabs == 0 || s.tabs.empty()) {
    surface.Cls();
    access::ReportAccessChanges(control);
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

  if (s.mShowScrollBar) UpdateScrollButtonStates(control);

  if (!s.ClientArea && !IsVisio(s)) ShrinkToStrip(control);

  if (!control.UserMode()) DrawCommonAreaNotice(control);

  // What changed on the screen, screen readers hear of.
  access::ReportAccessChanges(control);
}

void DrawCommonAreaNotice(FolivanTab& control) {
  const ControlState& s = control.State();
  if (!s.ClientArea || IsVisio(s)) return;
  Surface& surface = control.GetSurface();
  const ThemePalette& palette = SharedThemePalette();
  const double SW = surface.ScaleWidth();
  const double SH = surface.ScaleHeight();

  // The notice's text runs between a seventh and six sevenths of the width,
  // from twice the strip's height down to ten pixels above the bottom.
  const int32_t left = CLng(SW) / 7;
  const Rect text_area{left, CInt(2.0 * s.StripH), CLng(SW - left), CLng(SH - 10)};

  // The 15 x 15 toggle box in the bottom-right corner: a minus while the
  // common area shows, a plus otherwise.
  const bool common_area = s.CurrentTab == -1;
  DrawRect(control, CLng(SW - 19), CLng(SH - 19), 15, 15, palette.LunaBorder, true);
  GradientFillRect(control, CLng(SW - 18), CLng(SH - 18), CLng(SW - 5), CLng(SH - 5),
                   static_cast<OleColor>(common_area ? palette.HotLight : palette.LunaGradientTop),
                   static_cast<OleColor>(common_area ? palette.HotDark : palette.LunaGradientBottom),
                   GradientMode::kVertical);
  DrawLine(control, CLng(SW - 15), CLng(SH - 12), CLng(SW - 8), CLng(SH - 12), palette.LunaDark);
  if (common_area) {
    // No text colour of its own: the text takes whatever colour was set last.
    surface.DrawText(kCommonAreaNotice, text_area, dt::kWordBreak);
  } else {
    DrawLine(control, CLng(SW - 12), CLng(SH - 15), CLng(SW - 12), CLng(SH - 8), palette.LunaDark);
  }
}

}  // namespace folivan
