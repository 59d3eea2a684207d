#include "input/scroll_buttons.h"

#include <optional>

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "paint/colors.h"
#include "paint/primitives.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"
#include "render/hot_tabs.h"

namespace folivan {

namespace {

// The Button and Shift of the last press, for the auto-repeat; shared by the
// thread's controls like the other mouse flags.
thread_local int16_t RepeatButton = 0;
thread_local int16_t RepeatShift = 0;

// SBP_ARROWBTN and its left and right states.
constexpr int kArrowButtonPart = 1;
namespace arrow_state {
constexpr int kLeftNormal = 9;
constexpr int kLeftHot = 10;
constexpr int kLeftPressed = 11;
constexpr int kLeftDisabled = 12;
constexpr int kRightNormal = 13;
constexpr int kRightHot = 14;
constexpr int kRightPressed = 15;
constexpr int kRightDisabled = 16;
}  // namespace arrow_state

enum class Side { kLeft, kRight };

bool Is(const ControlState& s, Appearances a) { return s.Appearance == static_cast<int32_t>(a); }

// Neither style has a strip that scrolls.
bool HasNoButtons(const ControlState& s) { return Is(s, Appearances::kVisio) || Is(s, Appearances::kWizard); }

// Only Windows Xp and System take the scroll-bar theme, and only where the
// system has visual styles at all.
bool WantsThemedLook(const ControlState& s) {
  return (Is(s, Appearances::kWindowsXp) || Is(s, Appearances::kSystem)) && SharedPlatformFlags().ThemesAvailable;
}

bool IsLunaLook(const ControlState& s) {
  return s.Color == static_cast<int32_t>(Colors::kOffice2003) && s.LunaColors;
}

// Draws the buttons whose states are given (0 leaves that button alone) with
// the "SCROLLBAR" theme of the control's window; false when the theme cannot
// be opened or does not draw a button, so that the classic look is drawn instead.
bool DrawThemedButtons(FolivanTab& control, const Rect& left, int left_state, const Rect& right, int right_state) {
  System& system = control.GetSystem();
  const ThemeHandle theme = system.OpenThemeData(control.hwnd(), "SCROLLBAR");
  if (theme == 0) return false;
  bool drawn = true;
  if (left_state != 0) drawn = system.DrawThemeBackground(theme, control.hdc(), kArrowButtonPart, left_state, left);
  if (right_state != 0 && drawn) {
    drawn = system.DrawThemeBackground(theme, control.hdc(), kArrowButtonPart, right_state, right);
  }
  system.CloseThemeData(theme);
  return drawn;
}

// Five one-pixel vertical lines in black, the longest at x0, each further one
// a pixel shorter at both ends, the tip pointing away from x0. Each coordinate
// is worked out in floating point and rounded half to even.
void DrawScrollArrow(FolivanTab& control, Side direction, Rect r) {
  const InputState& in = control.State().input;
  if (direction == Side::kLeft) r.left -= 6;
  if ((direction == Side::kLeft && in.LeftPressed) || (direction == Side::kRight && in.RightPressed)) r.top += 1;
  const double w = r.right - r.left;
  const double h = r.bottom - r.top;
  const double x0 = direction == Side::kLeft ? r.left + 2.0 * w / 3.0 : r.left + w / 3.0;
  for (int k = 0; k <= 4; ++k) {
    const int32_t x = CLng(direction == Side::kLeft ? x0 - k : x0 + k);
    DrawLine(control, x, CLng(r.top + h / 4.0 + k), x, CLng(r.top + 3.0 * h / 4.0 - k), 0);
  }
}

// The classic face of one active button: the Luna frame and fill, or a
// raised (sunken while pressed) 3-D box.
void DrawClassicButton(FolivanTab& control, const Rect& r, bool pressed, RgbColor luna_fill) {
  const ControlState& s = control.State();
  if (IsLunaLook(s)) {
    const ThemePalette& palette = SharedThemePalette();
    DrawRect(control, r.left, r.top, r.Width(), r.Height(), palette.LunaBorder, true);
    DrawRect(control, r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2, luna_fill, false);
  } else {
    Draw3DBox(control, r.left, r.top, r.right, r.bottom, pressed);
  }
}

// The tab under the mouse loses its hot look when the mouse moves onto a button.
void DrawTabNormal(FolivanTab& control, int16_t index) {
  if (HasHotLook(control.State().Appearance)) DrawNormalTab(control, index);
}

// One step of a press on a button: the strip moved by one tab, the control
// re-laid with the button's pressed look, then the events.
void ScrollBy(FolivanTab& control, Side side) {
  ControlState& s = control.State();
  InputState& in = s.input;
  s.Hidd = static_cast<int16_t>(side == Side::kRight ? s.Hidd + 1 : s.Hidd - 1);
  control.Notify("Hidd");
  Repaint(control);
  (side == Side::kRight ? in.RightPressed : in.LeftPressed) = true;
  in.Scrolling = true;
  control.Resize();
  in.Scrolling = false;
  // The right button moves the tabs to the left, and the other way round.
  control.Raise(side == Side::kRight ? EventId::AfterScrollLeft : EventId::AfterScrollRight);
  control.Raise(EventId::AfterScroll);
}

}  // namespace

Rect LeftScrollButtonRect(double scale_width, int16_t w) {
  const int32_t left = CLng(scale_width - 2.0 * w);
  return Rect{left, 2, left + w, w + 2};
}

Rect RightScrollButtonRect(double scale_width, int16_t w) {
  const int32_t left = CLng(scale_width - static_cast<double>(w));
  return Rect{left, 2, left + w, w + 2};
}

void DrawScrollButtons(FolivanTab& control) {
  ControlState& s = control.State();
  if (HasNoButtons(s) || !s.mShowScrollBar) return;
  PaintState& p = s.paint;
  const InputState& in = s.input;
  p.ScrollButtonWidth = static_cast<int16_t>(s.StripH - 3);
  const double width = control.GetSurface().ScaleWidth();
  const Rect left = LeftScrollButtonRect(width, p.ScrollButtonWidth);
  const Rect right = RightScrollButtonRect(width, p.ScrollButtonWidth);

  if (WantsThemedLook(s)) {
    using namespace arrow_state;
    const int left_state = !p.CanScrollLeft ? kLeftDisabled : in.LeftPressed ? kLeftPressed : kLeftNormal;
    const int right_state = !p.CanScrollRight ? kRightDisabled : in.RightPressed ? kRightPressed : kRightNormal;
    // The theme draws the arrows too.
    if (DrawThemedButtons(control, left, left_state, right, right_state)) return;
  }

  const RgbColor luna_fill = SharedThemePalette().HotLighter;
  if (p.CanScrollLeft) DrawClassicButton(control, left, in.LeftPressed, luna_fill);
  if (p.CanScrollRight) DrawClassicButton(control, right, in.RightPressed, luna_fill);
  if (p.CanScrollRight) DrawScrollArrow(control, Side::kRight, right);
  if (p.CanScrollLeft) DrawScrollArrow(control, Side::kLeft, left);
}

void UpdateScrollButtonStates(FolivanTab& control) {
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

void ScrollButtonsMove(FolivanTab& control, int16_t, int16_t, float x, float y) {
  ControlState& s = control.State();
  if (HasNoButtons(s) || s.Tabs == 0) return;
  InputState& in = s.input;
  const PaintState& p = s.paint;
  const int16_t w = p.ScrollButtonWidth;
  const double width = control.GetSurface().ScaleWidth();
  if (y > s.StripH - 4 || x < width - 2.0 * w) {
    DrawScrollButtons(control);
    return;
  }

  // Over the buttons: no tab is hot any more.
  DrawTabNormal(control, s.sHowerTab);
  s.sHowerTab = -1;
  in.PreviousHotTab = -1;
  OverTab = true;
  OverCurrentTab = false;
  DrawScrollButtons(control);

  std::optional<Side> side;
  if (x <= width - w) {
    side = Side::kLeft;
  } else if (x <= width) {
    side = Side::kRight;
  }
  if (!side || !(*side == Side::kLeft ? p.CanScrollLeft : p.CanScrollRight)) return;

  const bool is_left = *side == Side::kLeft;
  const bool pressed = is_left ? in.LeftPressed : in.RightPressed;
  const Rect r = is_left ? LeftScrollButtonRect(width, w) : RightScrollButtonRect(width, w);
  if (WantsThemedLook(s)) {
    using namespace arrow_state;
    const int state = is_left ? (pressed ? kLeftPressed : kLeftHot) : (pressed ? kRightPressed : kRightHot);
    if (DrawThemedButtons(control, r, is_left ? state : 0, r, is_left ? 0 : state)) return;
  }
  DrawClassicButton(control, r, pressed, SharedThemePalette().HotDark);
  DrawScrollArrow(control, *side, r);
}

void ScrollButtonsPress(FolivanTab& control, int16_t button, int16_t shift, float x, float y) {
  ControlState& s = control.State();
  if (control.UserMode()) {
    RepeatButton = button;
    RepeatShift = shift;
    StartControlTimer(control, kRepeatTimerId, kRepeatFirstMs);
  }
  if (Is(s, Appearances::kWizard) || y > s.StripH - 4) return;
  const int16_t w = s.paint.ScrollButtonWidth;
  const double width = control.GetSurface().ScaleWidth();
  if (x < width - 2.0 * w) {
    ReleaseScrollButtons(control);
    return;
  }

  if (width - w < x && x <= width) {
    PressScrollButton(control, true);
  } else if (width - 2.0 * w <= x && x <= width - w) {
    PressScrollButton(control, false);
  }
  // The pressed look stays on the screen until the buttons are drawn again.
  ReleaseScrollButtons(control);
}

void PressScrollButton(FolivanTab& control, bool right) {
  ControlState& s = control.State();
  const double width = control.GetSurface().ScaleWidth();
  if (right) {
    // Nothing more to scroll when the last laid-out tab ends left of the buttons.
    if (width - 3.0 * s.paint.ScrollButtonWidth < static_cast<double>(control.Record(s.HiddR).AR)) {
      ScrollBy(control, Side::kRight);
    }
  } else if (s.Hidd > 0) {
    ScrollBy(control, Side::kLeft);
  }
  // The pressed look stays on the screen until the buttons are drawn again.
  ReleaseScrollButtons(control);
}

void RepeatScrollButtonPress(FolivanTab& control, uint32_t timer_id) {
  System& system = control.GetSystem();
  system.KillTimer(control.hwnd(), timer_id);
  if (!ButtonHeld) return;
  const InputState& in = control.State().input;
  ScrollButtonsPress(control, RepeatButton, RepeatShift, in.LastMouseX, in.LastMouseY);
  StartControlTimer(control, kRepeatTimerId, kRepeatNextMs);
}

void ReleaseScrollButtons(FolivanTab& control) {
  InputState& in = control.State().input;
  in.LeftPressed = false;
  in.RightPressed = false;
}

}  // namespace folivan
