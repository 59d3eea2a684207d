#include "input/mouse.h"

#include <map>
#include <string>

#include "core/folivan_tab.h"
#include "input/common_area_button.h"
#include "input/scroll_buttons.h"
#include "input/wizard_buttons.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"
#include "render/hot_tabs.h"
#include "tooltip/tip.h"

namespace folivan {

thread_local bool OverTab = false;
thread_local bool OverCurrentTab = false;
thread_local bool ButtonHeld = false;

namespace {

// The systems that own the windows whose timers are running: a timer
// procedure gets only a window handle and needs the system to read the
// window's properties.
std::map<WindowHandle, System*>& TimerWindows() {
  thread_local std::map<WindowHandle, System*> windows;
  return windows;
}

bool Is(const ControlState& s, Appearances a) { return s.Appearance == static_cast<int32_t>(a); }

// The hot-state pair of the control's style; styles without a hot look draw nothing.
void DrawTabHot(FolivanTab& control, int16_t index) {
  if (HasHotLook(control.State().Appearance)) DrawHotTab(control, index);
}

void DrawTabNormal(FolivanTab& control, int16_t index) {
  if (HasHotLook(control.State().Appearance)) DrawNormalTab(control, index);
}

// Raises a mouse event; what a handler leaves in the by-reference arguments
// is what the rest of the handling works with.
void RaiseMouseEvent(FolivanTab& control, EventId id, int16_t& button, int16_t& shift, float& x, float& y) {
  Variant args[] = {Variant(button), Variant(shift), Variant(static_cast<double>(x)),
                    Variant(static_cast<double>(y))};
  control.Raise(id, args);
  try {
    button = ToInteger(args[0]);
    shift = ToInteger(args[1]);
    x = static_cast<float>(ToDouble(args[2]));
    y = static_cast<float>(ToDouble(args[3]));
  } catch (const VbError&) {
    // A value that does not convert leaves the rest as it was.
  }
}

// A new tooltip for tab i: its caption without access-key markers as the
// title, its tooltip text (or else its caption as it is) as the text.
void ShowTabTip(FolivanTab& control, int16_t i) {
  ControlState& s = control.State();
  const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
  std::string title;
  for (char c : tab.Caption) {
    if (c != '&') title += c;
  }
  auto tip = std::make_shared<Tip>();
  s.input.Tip = tip;  // the previous tooltip goes, and its window with it
  tip->SetParentControl(&control);
  tip->SetStyle(s.ToolTipStyle);
  tip->SetTitle(title);
  tip->SetIcon(1);
  tip->SetTipText(tab.TipText.empty() ? tab.Caption : tab.TipText);
  tip->Create();
}

// A left press on the hot tab: the tab found by the last move, not the one
// under the press. Enabled (at run time) and password checks, the change,
// the scroll when the new tab ends beyond the right edge, TabClick.
void PressHotTab(FolivanTab& control) {
  ControlState& s = control.State();
  InputState& in = s.input;
  if (!s.IsValidTab(s.sHowerTab)) return;
  if (control.UserMode() && !s.tabs[static_cast<size_t>(s.sHowerTab)].Enabled) return;
  if (!s.tabs[static_cast<size_t>(s.sHowerTab)].Pass.empty()) {
    in.PasswordPrompting = true;
    if (!control.CheckTabPassword(s.sHowerTab)) {
      in.PasswordPrompting = false;
      return;
    }
    if (control.UserMode()) ReleaseTip(control);
  } else {
    ReleaseTip(control);
  }
  control.SetCurrentTab(s.sHowerTab);
  in.PasswordPrompting = false;

  if (s.IsValidTab(s.CurrentTab) &&
      control.GetSurface().ScaleWidth() < s.tabs[static_cast<size_t>(s.CurrentTab)].AR) {
    s.Hidd = static_cast<int16_t>(s.Hidd + 1);
    control.Notify("Hidd");
    Repaint(control);
  }
  Variant args[] = {Variant(s.CurrentTab)};
  control.Raise(EventId::TabClick, args);
}

}  // namespace

void TimerWindowLink::Link(WindowHandle hwnd, System& system) {
  if (system_ != nullptr && (hwnd_ != hwnd || system_ != &system)) {
    auto it = TimerWindows().find(hwnd_);
    if (it != TimerWindows().end() && it->second == system_) TimerWindows().erase(it);
  }
  hwnd_ = hwnd;
  system_ = &system;
  TimerWindows()[hwnd] = &system;
}

TimerWindowLink::~TimerWindowLink() {
  if (system_ == nullptr) return;
  auto it = TimerWindows().find(hwnd_);
  if (it != TimerWindows().end() && it->second == system_) TimerWindows().erase(it);
}

void StartControlTimer(FolivanTab& control, uint32_t id, uint32_t period_ms) {
  System& system = control.GetSystem();
  const WindowHandle hwnd = control.hwnd();
  control.State().input.TimerWindow.Link(hwnd, system);
  system.SetProp(hwnd, "ClassID", reinterpret_cast<intptr_t>(&control));
  system.SetProp(hwnd, "TimerID", static_cast<intptr_t>(id));
  system.SetTimer(hwnd, id, period_ms, ControlTimerProc);
}

// Each timer's procedure call carries the identifier of the timer that fired:
// the hover timer and the repeat timer run side by side on the same window
// (the "TimerID" property only holds the one started last).
void ControlTimerProc(WindowHandle hwnd, uint32_t id) {
  auto it = TimerWindows().find(hwnd);
  if (it == TimerWindows().end()) return;
  System& system = *it->second;
  auto* control = reinterpret_cast<FolivanTab*>(system.GetProp(hwnd, "ClassID"));
  if (control == nullptr) return;
  if (id == kHoverTimerId) {
    CheckMouseExit(*control, id);
  } else if (id == kRepeatTimerId) {
    RepeatScrollButtonPress(*control, id);
  }
}

bool CursorOverControl(FolivanTab& control) {
  System& system = control.GetSystem();
  return system.WindowFromPoint(system.GetCursorPos()) == control.hwnd();
}

void ReleaseTip(FolivanTab& control) { control.State().input.Tip.reset(); }

void CheckMouseExit(FolivanTab& control, uint32_t timer_id) {
  ControlState& s = control.State();
  InputState& in = s.input;
  if (CursorOverControl(control) || in.MouseInside != 1) return;

  System& system = control.GetSystem();
  system.KillTimer(control.hwnd(), timer_id);
  system.KillTimer(control.hwnd(), kRepeatTimerId);
  if (control.UserMode()) {
    ButtonHeld = false;
    ReleaseScrollButtons(control);
  }
  Surface& surface = control.GetSurface();
  surface.SetAutoRedraw(false);
  DrawTabNormal(control, s.sHowerTab);
  DrawScrollButtons(control);
  surface.SetAutoRedraw(true);
  in.PreviousHotTab = -1;
  // A press waiting for its password still needs the tab it was made on.
  if (!in.PasswordPrompting) s.sHowerTab = -1;
  control.Raise(EventId::MouseExit);
  in.MouseInside = 0;
}

void HandleMouseMove(FolivanTab& control, int16_t button, int16_t shift, float x, float y) {
  ControlState& s = control.State();
  InputState& in = s.input;
  Surface& surface = control.GetSurface();
  // Hot looks go straight to the window, not into the persistent image.
  surface.SetAutoRedraw(false);
  in.LastMouseX = x;
  in.LastMouseY = y;
  if (button < 2 && in.MouseInside != 1) {
    StartControlTimer(control, kHoverTimerId, kHoverTimerMs);
    control.Raise(EventId::MouseEnter);
    in.MouseInside = 1;
  }
  RaiseMouseEvent(control, EventId::MouseMove, button, shift, x, y);
  TrackHotTab(control, x, y);
  if (Is(s, Appearances::kWizard)) WizardButtonsMove(control, x, y);
  if (s.mShowScrollBar && y < s.StripH) ScrollButtonsMove(control, button, shift, x, y);
  surface.SetAutoRedraw(true);
}

void TrackHotTab(FolivanTab& control, float x, float y) {
  ControlState& s = control.State();
  InputState& in = s.input;
  if (Is(s, Appearances::kWizard)) return;
  in.PreviousHotTab = s.sHowerTab;

  // The scroll buttons own the right end of the strip.
  if (s.mShowScrollBar && x >= control.GetSurface().ScaleWidth() - 2.0 * s.paint.ScrollButtonWidth) return;

  if (CursorOverControl(control)) {
    const bool visio = Is(s, Appearances::kVisio);
    bool hit = false;
    if (!visio && (x <= 2 || y <= 2 || y > s.StripH)) {
      // Outside the strip.
      OverTab = false;
      OverCurrentTab = false;
      DrawTabNormal(control, s.sHowerTab);
      s.sHowerTab = -1;
      in.PreviousHotTab = -1;
      ReleaseTip(control);
    } else {
      for (int32_t n = visio ? 0 : s.Hidd; n < s.Tabs; ++n) {
        if (!s.IsValidTab(n)) break;
        const TabRecord& tab = s.tabs[static_cast<size_t>(n)];
        const int16_t i = static_cast<int16_t>(n);
        if (visio) {
          const int32_t row = CLng(y);
          if (row < tab.AT || row > tab.AB) continue;
        } else {
          const int32_t column = CLng(x);
          if (column < tab.AL || column > tab.AR) continue;
        }
        hit = true;
        OverTab = true;
        if (i == s.CurrentTab) OverCurrentTab = true;
        s.sHowerTab = i;
        if (control.UserMode() && !tab.Enabled) {
          if (!visio) ReleaseTip(control);
          DrawTabNormal(control, in.PreviousHotTab);
          return;
        }
        if (in.PreviousHotTab == s.sHowerTab) return;
        if (s.ShowToolTip) ShowTabTip(control, i);
        DrawTabNormal(control, in.PreviousHotTab);
        DrawTabHot(control, s.sHowerTab);
      }
      // The whole scan ran: only a move that stayed on its tab keeps the flags.
      OverCurrentTab = false;
      if (visio) OverTab = false;
      if (!hit) {
        DrawTabNormal(control, in.PreviousHotTab);
        s.sHowerTab = -1;
        in.PreviousHotTab = -1;
        ReleaseTip(control);
      }
    }
  }

  if (s.mShowScrollBar) DrawScrollButtons(control);
}

void HandleMouseDown(FolivanTab& control, int16_t button, int16_t shift, float x, float y) {
  ControlState& s = control.State();
  InputState& in = s.input;
  s.paint.HasFocus = true;
  ButtonHeld = true;
  RaiseMouseEvent(control, EventId::MouseDown, button, shift, x, y);
  if (s.mShowScrollBar) ScrollButtonsPress(control, button, shift, in.LastMouseX, in.LastMouseY);
  if (!control.UserMode()) CommonAreaButtonPress(control);

  if (button == 1 && s.sHowerTab != -1) PressHotTab(control);
  if (Is(s, Appearances::kWizard) && button == 1) WizardButtonsPress(control, button);
}

void HandleMouseUp(FolivanTab& control, int16_t button, int16_t shift, float x, float y) {
  RaiseMouseEvent(control, EventId::MouseUp, button, shift, x, y);
  control.GetSystem().KillTimer(control.hwnd(), kRepeatTimerId);
  ButtonHeld = false;
  ReleaseScrollButtons(control);
}

void HandleClick(FolivanTab& control) { control.Raise(EventId::Click); }

// A double click on a tab selects it as a press does.
void HandleDblClick(FolivanTab& control) {
  control.Raise(EventId::DblClick);
  const InputState& in = control.State().input;
  HandleMouseDown(control, 1, 0, in.LastMouseX, in.LastMouseY);
}

}  // namespace folivan
