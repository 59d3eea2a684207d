// Operations that change the set of tabs: the Tabs write, InsertTab, RemoveTab,
// SwapTabs, HideTab and ShowHiddenTab.
#include <algorithm>

#include "containment/switcher.h"
#include "core/folivan_tab.h"
#include "input/design_subclass.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

TabRecord FreshTab(int32_t index, bool with_list) {
  TabRecord tab;
  tab.Caption = "Tab " + std::to_string(index);
  tab.Enabled = true;
  if (with_list) tab.ControlDetails = std::make_shared<ControlDetailsList>();
  return tab;
}

bool OwnsControls(const TabRecord& tab) { return tab.ControlDetails && !tab.ControlDetails->Empty(); }

void LayOut(FolivanTab& control) {
  if (control.Appearance() == static_cast<int32_t>(Appearances::kVisio)) {
    LayoutVisioTabs(control);
  } else {
    LayoutTabs(control);
  }
}

void RefuseRemoval(FolivanTab& control) {
  control.GetHost().MsgBox("Tab Can't Be Removed Without Removing Controls On It.", mb::kCritical | mb::kOkOnly,
                           "Folivan Tabs");
}

}  // namespace

void FolivanTab::SetTabs(int16_t n) {
  if (n == 0) {
    GetSurface().Cls();
    for (TabRecord& tab : s_.tabs) {
      tab.ControlDetails.reset();
      tab.Pic.reset();
      tab.TipText.clear();
      tab.Pass.clear();
    }
    s_.Tabs = 0;
    SetCurrentTab(-1);
    Notify("Tabs");
    if (s_.Subclassed) RemoveDesignSubclass(*this);
    return;
  }
  if (n < 0 || n == s_.Tabs) return;

  if (s_.Tabs == 0) {
    s_.Tabs = n;
    s_.Hidd = 0;
    s_.HiddR = 0;
    s_.CurrentTab = 0;
    s_.tabs.clear();
    for (int16_t i = 0; i < n; ++i) s_.tabs.push_back(FreshTab(i, true));
    Notify("Tabs");
  } else {
    if (n < s_.Tabs) {
      if (s_.CurrentTab != 0) {
        SetCurrentTab(static_cast<int16_t>(s_.CurrentTab - 1));
        SetCurrentTab(static_cast<int16_t>(s_.CurrentTab + 1));
      } else {
        SetCurrentTab(1);
        SetCurrentTab(0);
      }
      for (int16_t i = static_cast<int16_t>(s_.Tabs - 1); i >= n; --i) {
        TabRecord& tab = s_.tabs[static_cast<size_t>(i)];
        if (OwnsControls(tab)) {
          RefuseRemoval(*this);
          return;
        }
        tab.ControlDetails.reset();
      }
      if (s_.CurrentTab >= n) SetCurrentTab(static_cast<int16_t>(n - 1));
      if (s_.Hidd > n) s_.Hidd = static_cast<int16_t>(std::max(n - 1, 0));
      if (s_.Hidd < 0) s_.Hidd = 0;
    } else {
      s_.tabs.resize(static_cast<size_t>(s_.Tabs));
      for (int16_t i = s_.Tabs; i < n; ++i) s_.tabs.push_back(FreshTab(i, true));
    }
    s_.Tabs = n;
    if (s_.HiddR > n - 1) s_.HiddR = static_cast<int16_t>(n - 1);
    s_.tabs.resize(static_cast<size_t>(n));
  }

  LayOut(*this);
  Repaint(*this);
  Notify("Tabs");
}

void FolivanTab::InsertTab(const Variant& at_index) {
  if (ToDouble(at_index) < 0) {
    SetTabs(static_cast<int16_t>(s_.Tabs + 1));
    return;
  }
  int16_t p = ToInteger(at_index);
  SetTabs(static_cast<int16_t>(s_.Tabs + 1));
  if (p >= static_cast<int16_t>(s_.tabs.size())) throw vberr::SubscriptOutOfRange();
  for (int32_t k = s_.Tabs - 2; k >= p; --k) {
    s_.tabs[static_cast<size_t>(k + 1)] = std::move(s_.tabs[static_cast<size_t>(k)]);
  }
  s_.tabs[static_cast<size_t>(p)] = FreshTab(p, false);
  if (p <= s_.CurrentTab) ++s_.CurrentTab;
  Repaint(*this);
}

void FolivanTab::RemoveTab(int16_t w) {
  if (w < 0 || w > s_.Tabs - 1) return;
  if (!s_.HidingTab && OwnsControls(s_.tabs[static_cast<size_t>(w)])) {
    RefuseRemoval(*this);
    return;
  }
  s_.tabs[static_cast<size_t>(w)].ControlDetails.reset();
  s_.tabs[static_cast<size_t>(w)].Pic.reset();
  for (int32_t k = w + 1; k < s_.Tabs; ++k) {
    s_.tabs[static_cast<size_t>(k - 1)] = std::move(s_.tabs[static_cast<size_t>(k)]);
  }
  s_.tabs[static_cast<size_t>(s_.Tabs - 1)] = TabRecord{};
  if (s_.Tabs < 2) {
    s_.Tabs = 0;
    Repaint(*this);
    return;
  }
  --s_.Tabs;
  s_.tabs.resize(static_cast<size_t>(s_.Tabs));
  if (w < s_.CurrentTab) {
    --s_.CurrentTab;
  } else if (w == s_.CurrentTab) {
    if (s_.CurrentTab == s_.Tabs) --s_.CurrentTab;
    s_.PreviousTab = -1;
    try {
      SwitchTabControls(*this);
    } catch (const VbError&) {
    }
  }
  --s_.HiddR;
  Repaint(*this);
}

void FolivanTab::SwapTabs(int16_t& tab1, int16_t& tab2) {
  if (!s_.IsValidTab(tab1) || !s_.IsValidTab(tab2) || tab1 == tab2) return;
  int16_t hidd = s_.Hidd;
  int16_t current = s_.CurrentTab;
  SetCurrentTab(-1);
  std::swap(s_.tabs[static_cast<size_t>(tab1)], s_.tabs[static_cast<size_t>(tab2)]);
  JumpToTab(tab2);
  JumpToTab(tab1);
  JumpToTab(current);
  s_.Hidd = hidd;
  Repaint(*this);
}

void FolivanTab::HideTab(int16_t index) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  // The store keeps what a hidden tab needs to come back; gradient colours and
  // the access key start afresh when it is shown again.
  HiddenTab entry;
  entry.index = index;
  entry.record.Caption = tab.Caption;
  entry.record.AL = tab.AL;
  entry.record.AT = tab.AT;
  entry.record.AR = tab.AR;
  entry.record.AB = tab.AB;
  entry.record.TAL = tab.TAL;
  entry.record.TAT = tab.TAT;
  entry.record.TAR = tab.TAR;
  entry.record.TAB = tab.TAB;
  entry.record.ControlDetails = tab.ControlDetails;
  entry.record.Enabled = tab.Enabled;
  entry.record.Pass = tab.Pass;
  entry.record.Pic = tab.Pic;
  entry.record.TagVar = tab.TagVar;
  entry.record.TipText = tab.TipText;
  entry.record.Window = tab.Window;
  s_.HiddenTabs.push_back(std::move(entry));
  ++s_.HiddenCount;

  tab.ControlDetails.reset();
  try {
    for (const ContainedControlPtr& ctl : host_.ContainedControls()) {
      auto left = ctl->Get("Left");
      if (!left) continue;
      try {
        double l = ToDouble(*left);
        if (l > 10000) ctl->Set("Left", Variant(l - HideOffset));
      } catch (const VbError&) {
      }
    }
  } catch (const VbError&) {
  }

  s_.HidingTab = true;
  bool went_back = false;
  if (index == s_.CurrentTab) {
    if (index != 0) {
      SetCurrentTab(static_cast<int16_t>(s_.CurrentTab - 1));
      went_back = true;
    } else if (s_.Tabs > 1) {
      SetCurrentTab(1);
    } else {
      SetCurrentTab(-1);
    }
  }
  RemoveTab(index);
  if (went_back) SetCurrentTab(static_cast<int16_t>(s_.CurrentTab + 1));
  s_.HidingTab = false;
}

void FolivanTab::ShowHiddenTab(int16_t index) {
  if (index < 0 || index > s_.Tabs || s_.HiddenCount < 1) return;
  auto slot = std::find_if(s_.HiddenTabs.begin(), s_.HiddenTabs.end(),
                           [&](const HiddenTab& h) { return h.index == index; });
  if (slot == s_.HiddenTabs.end()) return;
  try {
    InsertTab(Variant(index));
  } catch (const VbError&) {
    return;
  }
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  const TabRecord& saved = slot->record;
  tab.Caption = saved.Caption;
  tab.AL = saved.AL;
  tab.AT = saved.AT;
  tab.AR = saved.AR;
  tab.AB = saved.AB;
  tab.TAL = saved.TAL;
  tab.TAT = saved.TAT;
  tab.TAR = saved.TAR;
  tab.TAB = saved.TAB;
  tab.ControlDetails = saved.ControlDetails;
  tab.Enabled = saved.Enabled;
  tab.Pass = saved.Pass;
  tab.Pic = saved.Pic;
  tab.TagVar = saved.TagVar;
  tab.TipText = saved.TipText;
  tab.Window = saved.Window;
  s_.HiddenTabs.erase(slot);
  Repaint(*this);
  --s_.HiddenCount;
}

}  // namespace folivan
