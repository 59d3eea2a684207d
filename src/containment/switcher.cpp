#include "containment/switcher.h"

#include <charconv>
#include <optional>

#include "containment/embedded_windows.h"
#include "core/folivan_tab.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

void Move(ContainedControl& ctl, std::string_view name, double position, double by) {
  ctl.Set(name, Variant(position + by));
}

// The record of an in-sight control: its TabStop and Enabled as they stand
// (false where the control has no such property).
ControlDetails RecordOf(const ContainedControl& ctl, const std::string& id, bool read_state) {
  ControlDetails d;
  d.ControlID = id;
  if (read_state) {
    d.TabStop = ReadFlag(ctl, "TabStop").value_or(false);
    d.CtlEnabled = ReadFlag(ctl, "Enabled").value_or(false);
  }
  return d;
}

}  // namespace

std::optional<double> ReadNumber(const ContainedControl& ctl, std::string_view name) {
  auto v = ctl.Get(name);
  if (!v) return std::nullopt;
  try {
    return ToDouble(*v);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

std::optional<bool> ReadFlag(const ContainedControl& ctl, std::string_view name) {
  auto v = ctl.Get(name);
  if (!v) return std::nullopt;
  try {
    return ToBoolean(*v);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

std::string GetControlID(const ContainedControl& control) {
  std::string id;
  if (auto name = control.Get("Name")) {
    id = name->Is<std::string>() ? std::move(std::get<std::string>(name->v)) : ToText(*name);
  }
  int32_t index = 0;
  if (auto v = control.Get("Index"); v && !v->IsEmpty()) {
    try {
      index = ToLong(*v);
    } catch (const VbError&) {
    }
  }
  // "[n]" appended at once: a short id stays in the string's own buffer.
  char suffix[16] = "[";
  char* end = std::to_chars(suffix + 1, suffix + sizeof suffix - 1, index).ptr;
  *end++ = ']';
  id.append(suffix, end);
  return id;
}

namespace {
// The entry of a control in a tab's list; null for an invalid tab, a tab
// without entries, or a control that is not among them.
const ControlDetails* EntryOnTab(const ControlState& s, int16_t tab, const std::string& control_id) {
  if (!s.IsValidTab(tab)) return nullptr;
  const auto& list = s.tabs[static_cast<size_t>(tab)].ControlDetails;
  return list && !list->Empty() ? list->Find(control_id) : nullptr;
}

// A tab's list replaced by a new empty one (with room for what it held).
void EmptyList(ControlDetailsListPtr& list) {
  if (!list || list->Empty()) return;
  const size_t held = static_cast<size_t>(list->Count());
  list = std::make_shared<ControlDetailsList>();
  list->Reserve(held);
}
}  // namespace

bool IsControlOnTab(const FolivanTab& control, int16_t tab, const std::string& control_id) {
  return EntryOnTab(control.State(), tab, control_id) != nullptr;
}

void SwitchTabControls(FolivanTab& control) {
  ControlState& s = control.State();
  const bool run_time = control.UserMode();

  if (s.PreviousTab == -1) {
    s.CommonControls = {};
  } else if (s.IsValidTab(s.PreviousTab)) {
    EmptyList(s.tabs[static_cast<size_t>(s.PreviousTab)].ControlDetails);
  }
  s.CommonControls.Counter = 1;

  std::vector<ContainedControlPtr> controls = control.GetHost().ContainedControls();
  for (const ContainedControlPtr& ptr : controls) {
    ContainedControl& ctl = *ptr;
    if (ctl.GetKind() == ContainedControl::Kind::kForm) continue;
    std::string id = GetControlID(ctl);

    std::optional<double> left = ReadNumber(ctl, "Left");
    std::optional<double> x1;
    std::optional<double> x2;
    const bool is_line = !left.has_value();
    if (is_line) {
      x1 = ReadNumber(ctl, "x1");
      x2 = ReadNumber(ctl, "x2");
      // A line that was pushed out from at or left of the container's border
      // lands at -75000 or beyond and stays where it is from then on.
      if (!x1 || !x2 || *x1 <= -HideOffset) continue;
    }
    const double position = is_line ? *x1 : *left;

    if (position > HiddenThreshold) {
      if (s.PreviousTab != -1) {
        if (s.CommonControls.Contains(id)) continue;
        if (s.IsValidTab(s.PreviousTab)) {
          auto& list = s.tabs[static_cast<size_t>(s.PreviousTab)].ControlDetails;
          if (!list) list = std::make_shared<ControlDetailsList>();
          list->Add(RecordOf(ctl, id, !is_line));
        }
        if (is_line) {
          Move(ctl, "x1", *x1, -HideOffset);
          Move(ctl, "x2", *x2, -HideOffset);
        } else {
          Move(ctl, "Left", *left, -HideOffset);
          if (run_time) {
            ctl.Set("TabStop", Variant::Bool(false));
            ctl.Set("Enabled", Variant::Bool(false));
          }
        }
      } else if (!s.CommonControls.Contains(id)) {
        s.CommonControls.Append(id);
      }
    } else if (const ControlDetails* d = EntryOnTab(s, s.CurrentTab, id)) {
      if (is_line) {
        Move(ctl, "x1", *x1, HideOffset);
        Move(ctl, "x2", *x2, HideOffset);
      } else {
        if (run_time) {
          ctl.Set("Enabled", Variant::Bool(d->CtlEnabled));
          ctl.Set("TabStop", Variant::Bool(d->TabStop));
        }
        Move(ctl, "Left", *left, HideOffset);
      }
    }
  }

  if (!run_time || !s.AutoFocusControls) return;
  std::optional<double> best_top;
  for (const ContainedControlPtr& ptr : controls) {
    std::optional<double> left = ReadNumber(*ptr, "Left");
    if (!left || *left <= HiddenThreshold) continue;
    std::optional<double> top = ReadNumber(*ptr, "Top");
    if (!top) continue;
    if (!best_top || *top < *best_top) {
      best_top = top;
      ptr->Call("SetFocus");
    }
  }
}

void RecordCurrentTabControls(FolivanTab& control) {
  ControlState& s = control.State();
  if (!s.IsValidTab(s.CurrentTab)) return;
  auto& list = s.tabs[static_cast<size_t>(s.CurrentTab)].ControlDetails;
  EmptyList(list);
  for (const ContainedControlPtr& ptr : control.GetHost().ContainedControls()) {
    std::optional<double> left = ReadNumber(*ptr, "Left");
    if (!left || *left <= HiddenThreshold) continue;
    if (!list) list = std::make_shared<ControlDetailsList>();
    list->Add(RecordOf(*ptr, GetControlID(*ptr), true));
  }
}

void FolivanTab::Show() {
  if (UserMode()) {
    for (const ContainedControlPtr& ptr : host_.ContainedControls()) {
      std::optional<double> left = ReadNumber(*ptr, "Left");
      if (left && *left < HiddenThreshold) ptr->Set("TabStop", Variant::Bool(false));
    }
    if (const TabRecord* tab = s_.Current(); tab != nullptr && tab->Window != 0) {
      system_.ShowWindow(tab->Window, sw::kShowNA);
      PlaceEmbeddedWindows(*this);
    }
  }
  Repaint(*this);
  if (UserMode()) Raise(EventId::ControlLoaded);
}

}  // namespace folivan
