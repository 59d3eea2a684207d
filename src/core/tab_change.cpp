// The change of the selected tab: the CurrentTab write, the password check of
// the callers that act for a user, JumpToTab and the access keys.
#include "containment/embedded_windows.h"
#include "containment/switcher.h"
#include "core/folivan_tab.h"
#include "core/text.h"
#include "input/scroll_buttons.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

template <typename Fn>
void FolivanTab::SkipOnFailure(Fn&& fn) {
  try {
    fn();
  } catch (const VbError&) {
    // A failing host call skips its step; the change goes on.
  }
}

void FolivanTab::SetCurrentTab(int16_t new_tab) {
  if (new_tab != -1 && (new_tab < 0 || new_tab >= s_.Tabs)) return;
  if (new_tab == s_.CurrentTab) {
    if (s_.CurrentTab != -1) return;
    // From the common area, -1 again first goes back to the last tab, so that
    // its controls are switched away from below.
    s_.CurrentTab = s_.LastActTab;
  }

  if (new_tab != -1) {
    if (UserMode() && !s_.tabs[static_cast<size_t>(new_tab)].Enabled) return;
    Variant args[] = {Variant(new_tab), Variant::Bool(false)};
    Raise(EventId::BeforeTabChange, args);
    try {
      new_tab = ToInteger(args[0]);
      // Only a true (-1) Cancel vetoes; any other value lets the change go on.
      if (args[1].Is<VbBool>() ? args[1].As<VbBool>().value : ToLong(args[1]) == -1) return;
    } catch (const VbError&) {
      return;
    }
    s_.PreviousTab = s_.CurrentTab;
    s_.CurrentTab = new_tab;
    if (s_.CurrentTab > -1) s_.LastActTab = s_.CurrentTab;
  } else {
    s_.PreviousTab = s_.CurrentTab;
    s_.CurrentTab = -1;
  }

  Notify("Caption");
  Notify("TabEnabled");
  Notify("CurrentTab");

  SkipOnFailure([&] {
    if (s_.Appearance == static_cast<int32_t>(Appearances::kVisio)) {
      LayoutVisioTabs(*this);
    } else {
      LayoutTabs(*this);
    }
  });
  SkipOnFailure([&] { Repaint(*this); });
  if (s_.mShowScrollBar) SkipOnFailure([&] { DrawScrollButtons(*this); });
  SkipOnFailure([&] { PlaceEmbeddedWindows(*this); });
  SkipOnFailure([&] { SwitchTabControls(*this); });

  if (!s_.AutoFocusControls && UserMode()) {
    SkipOnFailure([&] {
      auto parent = host_.ParentGet("Name");
      bool on_property_page = parent && parent->Is<std::string>() && parent->As<std::string>() == "Prvsvr";
      if (!on_property_page) GetSurface().SetFocus();
    });
  }

  if (s_.CurrentTab == -1) return;

  // The handler gets the fields themselves: what it leaves in them stays. A
  // nested change made by the handler also lands in the fields, so only an
  // argument the handler changed is written back.
  const Variant passed[] = {Variant(s_.PreviousTab), Variant(s_.CurrentTab)};
  Variant args[] = {passed[0], passed[1]};
  Raise(EventId::TabChange, args);
  SkipOnFailure([&] {
    if (!(args[0] == passed[0])) s_.PreviousTab = ToInteger(args[0]);
    if (!(args[1] == passed[1])) s_.CurrentTab = ToInteger(args[1]);
  });

  if (!s_.IsValidTab(s_.CurrentTab)) return;
  SkipOnFailure([&] { SetcTabStartColor(static_cast<OleColor>(s_.Current()->ColStart)); });
  if (!s_.IsValidTab(s_.CurrentTab)) return;
  SkipOnFailure([&] { SetcTabEndColor(static_cast<OleColor>(s_.Current()->ColEnd)); });
}

bool FolivanTab::CheckTabPassword(int16_t index) {
  if (!s_.IsValidTab(index)) return true;
  const std::string& pass = s_.tabs[static_cast<size_t>(index)].Pass;
  if (pass.empty()) return true;
  if (!UserMode()) return true;
  std::string answer = host_.InputBox("Please Apply Tab Password to Continue", "Password");
  if (answer.empty()) return false;
  // The record may have changed while the box was open; compare with what it holds now.
  if (!s_.IsValidTab(index)) return false;
  return answer == s_.tabs[static_cast<size_t>(index)].Pass;
}

void FolivanTab::JumpToTab(int16_t tab_no, const std::string& tab_caption) {
  if (tab_caption.empty() && tab_no == -1) return;
  int16_t target = -1;
  if (tab_no != -1) {
    if (!s_.IsValidTab(tab_no)) return;
    target = tab_no;
  } else {
    for (int16_t i = 0; i < s_.Tabs; ++i) {
      if (s_.tabs[static_cast<size_t>(i)].Caption == tab_caption) {
        target = i;
        break;
      }
    }
    if (target == -1) return;
  }
  if (!CheckTabPassword(target)) return;
  if (!s_.IsValidTab(target) || !s_.tabs[static_cast<size_t>(target)].Enabled) return;
  s_.Hidd = target;
  SetCurrentTab(target);
  Repaint(*this);
}

void FolivanTab::AccessKeyPress(int16_t key_ascii) {
  std::string key = UpperCase(CharacterFromCode(key_ascii));
  for (int16_t i = 0; i < s_.Tabs; ++i) {
    const TabRecord& tab = s_.tabs[static_cast<size_t>(i)];
    if (!tab.Enabled || UpperCase(tab.Access) != key) continue;
    if (!CheckTabPassword(i)) return;
    SetCurrentTab(i);
    return;
  }
}

void FolivanTab::RefreshAccessKeys(int16_t index, const std::string& caption) {
  size_t amp = caption.rfind('&');
  if (amp == std::string::npos) return;
  if (s_.IsValidTab(index)) s_.tabs[static_cast<size_t>(index)].Access = CharacterAt(caption, amp + 1);
  RebuildAccessKeyString();
}

void FolivanTab::RebuildAccessKeyString() {
  std::string keys;
  for (int16_t i = 0; i < s_.Tabs && static_cast<size_t>(i) < s_.tabs.size(); ++i) {
    keys += UpperCase(s_.tabs[static_cast<size_t>(i)].Access);
  }
  GetSurface().SetAccessKeys(keys);
}

}  // namespace folivan
