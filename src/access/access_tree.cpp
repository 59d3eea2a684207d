#include "access/access_tree.h"

#include "access/access_events.h"
#include "core/folivan_tab.h"
#include "core/text.h"
#include "input/scroll_buttons.h"
#include "input/wizard_buttons.h"
#include "paint/repaint.h"
#include "paint/wizard_page.h"
#include "platform/vb_runtime.h"

namespace folivan::access {

namespace {

bool Is(const ControlState& s, Appearances a) { return s.Appearance == static_cast<int32_t>(a); }

VbError InvalidArgument() { return VbError(vberr::kInvalidProcedureCall, "Invalid procedure call or argument"); }

Rect Sized(int32_t x, int32_t y, int32_t w, int32_t h) { return Rect{x, y, x + w, y + h}; }

// The scroll buttons own the strip's end while they show: a tab is in view
// while some of it lies left of them (or of the right edge).
double ViewRight(FolivanTab& control) {
  const ControlState& s = control.State();
  const double width = control.GetSurface().ScaleWidth();
  return s.mShowScrollBar ? width - 2.0 * s.paint.ScrollButtonWidth : width;
}

// Laid out by the last layout and not wholly beyond the strip's visible part.
bool TabInView(FolivanTab& control, int16_t i) {
  const ControlState& s = control.State();
  if (Is(s, Appearances::kVisio)) return true;
  if (i < s.Hidd || i > s.HiddR) return false;
  return s.tabs[static_cast<size_t>(i)].AL < ViewRight(control);
}

Element TabElement(FolivanTab& control, int16_t i) {
  const ControlState& s = control.State();
  const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
  Element e;
  e.part = Part::kTab;
  e.tab = i;
  e.key = tab.Identity.Value();
  e.role = Role::kPageTab;
  e.name = NameOfCaption(tab.Caption);
  e.description = tab.TipText;
  if (!tab.Access.empty()) {
    e.shortcut = "Alt+";
    e.shortcut += UpperCase(tab.Access);
  }
  e.action = "Switch";
  e.states = state::kFocusable | state::kSelectable;
  if (!tab.Enabled) e.states |= state::kUnavailable;
  if (i == s.CurrentTab) {
    e.states |= state::kSelected;
    if (s.paint.HasFocus) e.states |= state::kFocused;
  }
  if (TabInView(control, i)) {
    e.location = Rect{tab.AL, tab.AT, tab.AR, tab.AB};
  } else {
    e.states |= state::kInvisible | state::kOffscreen;
  }
  return e;
}

Element PartElement(Part part, Role role, std::string name, Rect location, bool available) {
  Element e;
  e.part = part;
  e.key = kRootKey | static_cast<uint64_t>(part);
  e.role = role;
  e.name = std::move(name);
  if (role == Role::kPushButton) e.action = "Press";
  if (!available) e.states |= state::kUnavailable;
  e.location = location;
  return e;
}

// The wizard page: the "previous" and "next" buttons where they are drawn,
// then the page counter.
void AddWizardParts(FolivanTab& control, std::vector<Element>& out) {
  const ControlState& s = control.State();
  Surface& surface = control.GetSurface();
  if (s.WizardPictures && s.CurrentTab != -1) {
    if (s.CurrentTab > 0) {
      out.push_back(PartElement(Part::kPreviousPage, Role::kPushButton, "Previous page", Sized(2, 2, 20, 20), true));
    }
    if (s.CurrentTab < s.Tabs - 1) {
      out.push_back(PartElement(Part::kNextPage, Role::kPushButton, "Next page",
                                Sized(CLng(surface.ScaleWidth() - 22), 2, 20, 20), true));
    }
  }
  if (s.WizardDetails) {
    const std::string text = WizardPageText(s.CurrentTab, s.Tabs);
    const double tw = surface.TextWidth(text);
    const double th = surface.TextHeight(text);
    out.push_back(PartElement(Part::kPageCounter, Role::kStaticText, text,
                              Sized(5, CLng(surface.ScaleHeight() - th - 3), CLng(tw), CLng(th)), true));
  }
}

// The tab that is current after a change, wholly in view if the strip can
// show it so: the strip starts at it when it lay left of the strip, and
// scrolls on by one tab at a time while it ends under the scroll buttons.
void ScrollIntoView(FolivanTab& control) {
  ControlState& s = control.State();
  if (!s.IsValidTab(s.CurrentTab) || Is(s, Appearances::kVisio) || Is(s, Appearances::kWizard)) return;
  if (!s.mShowScrollBar && s.Hidd == 0) return;
  const int16_t current = s.CurrentTab;
  const int16_t before = s.Hidd;
  {
    // The steps in between are nobody's business: one report at the end.
    PausedReports paused(control);
    if (current < s.Hidd) {
      s.Hidd = current;
      Repaint(control);
    }
    for (int32_t step = 0; step < s.Tabs && s.mShowScrollBar && s.Hidd < current; ++step) {
      const bool laid_out = current <= s.HiddR;
      if (laid_out && s.tabs[static_cast<size_t>(current)].AR <= ViewRight(control)) break;
      s.Hidd = static_cast<int16_t>(s.Hidd + 1);
      Repaint(control);
    }
  }
  if (s.Hidd == before) return;
  control.Notify("Hidd");
  Repaint(control);
}

void SwitchToTab(FolivanTab& control, int16_t i) {
  ControlState& s = control.State();
  if (control.UserMode() && !s.tabs[static_cast<size_t>(i)].Enabled) return;
  if (!control.CheckTabPassword(i)) return;
  if (!s.IsValidTab(i)) return;
  const int16_t before = s.CurrentTab;
  control.SetCurrentTab(i);
  // A veto leaves the strip alone too.
  if (s.CurrentTab != before || s.CurrentTab == i) ScrollIntoView(control);
}

}  // namespace

Element Root(FolivanTab& control) {
  Element e;
  e.key = kRootKey;
  if (auto name = control.GetHost().ExtenderGet("Name"); name && name->Is<std::string>()) {
    e.name = name->As<std::string>();
  }
  e.states = state::kFocusable;
  if (control.State().paint.HasFocus) e.states |= state::kFocused;
  const Surface& surface = control.GetSurface();
  e.location = Sized(0, 0, CLng(surface.ScaleWidth()), CLng(surface.ScaleHeight()));
  return e;
}

std::vector<Element> Children(FolivanTab& control) {
  const ControlState& s = control.State();
  std::vector<Element> out;
  if (s.Tabs == 0) return out;
  if (Is(s, Appearances::kWizard)) {
    AddWizardParts(control, out);
    return out;
  }
  for (int16_t i = 0; i < s.Tabs && s.IsValidTab(i); ++i) out.push_back(TabElement(control, i));
  if (s.mShowScrollBar && !Is(s, Appearances::kVisio)) {
    const double width = control.GetSurface().ScaleWidth();
    const int16_t w = s.paint.ScrollButtonWidth;
    out.push_back(PartElement(Part::kScrollLeft, Role::kPushButton, "Scroll left", LeftScrollButtonRect(width, w),
                              s.paint.CanScrollLeft));
    out.push_back(PartElement(Part::kScrollRight, Role::kPushButton, "Scroll right",
                              RightScrollButtonRect(width, w), s.paint.CanScrollRight));
  }
  return out;
}

int32_t ChildAt(FolivanTab& control, int32_t x, int32_t y) {
  if (!Root(control).location.Contains(Point{x, y})) return -1;
  const std::vector<Element> children = Children(control);
  for (size_t n = children.size(); n-- > 0;) {
    const Element& e = children[n];
    if (!(e.states & state::kInvisible) && e.location.Contains(Point{x, y})) return static_cast<int32_t>(n + 1);
  }
  return 0;
}

int32_t FocusedChild(FolivanTab& control) {
  const ControlState& s = control.State();
  if (!s.paint.HasFocus) return -1;
  const int32_t selected = SelectedChild(control);
  return selected;  // the control itself when no tab is selected
}

int32_t SelectedChild(FolivanTab& control) {
  const ControlState& s = control.State();
  if (Is(s, Appearances::kWizard) || !s.IsValidTab(s.CurrentTab)) return 0;
  return s.CurrentTab + 1;
}

int32_t Navigate(FolivanTab& control, int32_t from, Direction direction) {
  const auto count = static_cast<int32_t>(Children(control).size());
  int32_t to = 0;
  switch (direction) {
    case Direction::kFirstChild: to = from == 0 ? 1 : 0; break;
    case Direction::kLastChild: to = from == 0 ? count : 0; break;
    case Direction::kNext: to = from == 0 ? 0 : from + 1; break;
    case Direction::kPrevious: to = from == 0 ? 0 : from - 1; break;
  }
  return to >= 1 && to <= count ? to : 0;
}

void DoDefaultAction(FolivanTab& control, int32_t child) {
  const std::vector<Element> children = Children(control);
  if (child < 1 || child > static_cast<int32_t>(children.size())) throw InvalidArgument();
  const Element& e = children[static_cast<size_t>(child - 1)];
  switch (e.part) {
    case Part::kTab: SwitchToTab(control, e.tab); break;
    case Part::kScrollLeft: PressScrollButton(control, false); break;
    case Part::kScrollRight: PressScrollButton(control, true); break;
    case Part::kPreviousPage: TurnWizardPage(control, false); break;
    case Part::kNextPage: TurnWizardPage(control, true); break;
    case Part::kList:
    case Part::kPageCounter: throw InvalidArgument();
  }
}

std::string NameOfCaption(std::string_view caption) {
  std::string name;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      name += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      name += '&';
      ++i;
    }
  }
  return name;
}

}  // namespace folivan::access
