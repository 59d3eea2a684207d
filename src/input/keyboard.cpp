#include "input/keyboard.h"

#include "core/folivan_tab.h"
#include "input/scroll_buttons.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

double UsableStripWidth(FolivanTab& control) {
  return control.GetSurface().ScaleWidth() - 3.0 * control.State().paint.ScrollButtonWidth;
}

// The last of the laid-out tabs that spans the left edge of the area three
// button widths from the right; 0 when none does.
int16_t FindEdgeTab(FolivanTab& control) {
  const ControlState& s = control.State();
  const double edge = UsableStripWidth(control);
  int16_t found = 0;
  for (int32_t i = s.Hidd; i <= s.HiddR; ++i) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    if (tab.AL <= edge && edge <= tab.AR) found = static_cast<int16_t>(i);
  }
  return found;
}

// Right: the next tab, scrolling the strip when the selection runs into the
// buttons. False when the key ends the handling (last tab, refused password).
bool SelectNextTab(FolivanTab& control, int16_t edge_tab) {
  ControlState& s = control.State();
  if (s.CurrentTab == s.Tabs - 1) return false;
  const int16_t next = static_cast<int16_t>(s.CurrentTab + 1);
  if (s.mShowScrollBar && s.CurrentTab > edge_tab - 2 && s.CurrentTab >= s.Hidd) {
    if (UsableStripWidth(control) < control.Record(static_cast<int16_t>(s.Tabs - 1)).AR) {
      s.Hidd = static_cast<int16_t>(s.Hidd + 1);
    }
    // A refusal leaves the strip scrolled, unpainted.
    if (!control.CheckTabPassword(next)) return false;
    control.SetCurrentTab(next);
    if (s.IsValidTab(s.CurrentTab) && control.GetSurface().ScaleWidth() < s.tabs[static_cast<size_t>(s.CurrentTab)].AR) {
      s.Hidd = static_cast<int16_t>(s.Hidd + 1);
      control.Notify("Hidd");
    }
    Repaint(control);
    return true;
  }
  if (!control.CheckTabPassword(next)) return false;
  control.SetCurrentTab(next);
  return true;
}

// Left: the previous tab; from the first tab shown the strip scrolls back one
// tab first (before the password is asked).
bool SelectPreviousTab(FolivanTab& control) {
  ControlState& s = control.State();
  if (s.CurrentTab == 0) return false;
  const int16_t previous = static_cast<int16_t>(s.CurrentTab - 1);
  if (s.CurrentTab == s.Hidd) {
    s.Hidd = static_cast<int16_t>(s.Hidd - 1);
    if (!control.CheckTabPassword(previous)) return false;
    control.SetCurrentTab(previous);
    Repaint(control);
    return true;
  }
  if (!control.CheckTabPassword(previous)) return false;
  control.SetCurrentTab(previous);
  return true;
}

}  // namespace

void HandleKeyDown(FolivanTab& control, int16_t key_code, int16_t shift) {
  ControlState& s = control.State();
  if (s.Tabs == 0) return;

  Variant args[] = {Variant(key_code), Variant(shift)};
  control.Raise(EventId::KeyDown, args);
  try {
    key_code = ToInteger(args[0]);
  } catch (const VbError&) {
    // A key code that does not convert stays as it was.
  }

  const int16_t edge_tab = FindEdgeTab(control);
  if (s.paint.HasFocus) {
    // The Visio bars are stacked: Down and Up move along them.
    if (s.Appearance == static_cast<int32_t>(Appearances::kVisio)) {
      if (key_code == vk::kDown) key_code = vk::kRight;
      if (key_code == vk::kUp) key_code = vk::kLeft;
    }
    if (key_code == vk::kRight) {
      if (!SelectNextTab(control, edge_tab)) return;
    } else if (key_code == vk::kLeft) {
      if (!SelectPreviousTab(control)) return;
    }
  }

  if (s.mShowScrollBar) UpdateScrollButtonStates(control);
}

}  // namespace folivan
