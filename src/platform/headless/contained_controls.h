// Stand-ins for the controls a form designer places on the tab control: each
// kind has only the properties its real counterpart has (a label has no
// TabStop, a line no Left), so late-bound accesses fail where they would fail
// in a real host. Windowed kinds get a window in the stand-in window system.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/key_index.h"
#include "platform/host.h"

namespace folivan {

class HeadlessSystem;

struct ControlKindInfo {
  ControlKindInfo(std::string type, ContainedControl::Kind kind, bool windowed, bool can_focus,
                  std::vector<std::pair<std::string, Variant>> defaults);

  std::string type;  // "VB.TextBox"
  ContainedControl::Kind kind;
  bool windowed;
  bool can_focus;
  // What the control has besides Name and Index, with the values a new one
  // takes; a windowed kind has "hwnd" as well, after these.
  std::vector<std::pair<std::string, Variant>> defaults;
  // Every property of the kind: the defaults' names in their order, then
  // "hwnd". A control keeps its values in this order, the names only here.
  std::vector<std::string> properties;

  // The place of a property in `properties`, without regard to case; -1 when the kind lacks it.
  int Slot(std::string_view name) const;

 private:
  auto NameAt() const {
    return [this](uint32_t slot) { return std::string_view(properties[slot]); };
  }
  KeyIndex slots_;  // place in `properties` by name
};

// The kinds the headless host knows; nullptr for any other type name.
const ControlKindInfo* FindControlKind(std::string_view type);
// Any other control a form holds (a foreign ActiveX control): a windowed
// control with the extender's position, TabStop and Enabled.
const ControlKindInfo& GenericControlKind();

class StandInControl : public ContainedControl {
 public:
  StandInControl(const ControlKindInfo& info, std::string name, std::optional<int16_t> index);

  Kind GetKind() const override { return info_.kind; }
  std::optional<Variant> Get(std::string_view name) const override;
  bool Set(std::string_view name, const Variant& value) override;
  using ContainedControl::Call;
  bool Call(std::string_view method, std::span<const Variant> args) override;

  const ControlKindInfo& Info() const { return info_; }
  const std::string& Name() const { return name_; }
  std::optional<int16_t> Index() const { return index_; }
  bool Has(std::string_view property) const;
  // Sets a value the control cannot change itself (its window handle).
  void ForceValue(std::string_view name, const Variant& value);
  // The control's values by name, in the kind's order.
  std::vector<std::pair<std::string, Variant>> Values() const;

  // Focus is the host's business: it hands SetFocus on to this callback.
  std::function<bool(StandInControl&)> on_set_focus;
  // Told when the control is disabled or hidden (a focused control loses the focus then).
  std::function<void(StandInControl&)> on_disabled;

 private:
  const ControlKindInfo& info_;
  std::string name_;
  std::optional<int16_t> index_;
  std::vector<Variant> values_;  // in the order of the kind's properties
};
using StandInControlPtr = std::shared_ptr<StandInControl>;

}  // namespace folivan
