#include "platform/headless/contained_controls.h"

#include <algorithm>

#include "core/text.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

using K = ContainedControl::Kind;

Variant True() { return Variant::Bool(true); }
Variant Single(double v) { return Variant(v); }

// Defaults of the real controls as a form designer drops them (twips).
const std::vector<ControlKindInfo>& Kinds() {
  static const std::vector<ControlKindInfo> kinds = [] {
    std::vector<ControlKindInfo> k;
    auto boxed = [](std::vector<std::pair<std::string, Variant>> extra, double w, double h) {
      std::vector<std::pair<std::string, Variant>> d = {{"Left", Single(0)},   {"Top", Single(0)},
                                                        {"Width", Single(w)},  {"Height", Single(h)},
                                                        {"Visible", True()}};
      d.insert(d.end(), extra.begin(), extra.end());
      return d;
    };
    k.push_back({"VB.TextBox", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "Text", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Text", Variant("")}},
                       1215, 495)});
    k.push_back({"VB.Label", K::kLabel, false, false,
                 {"Left", "Top", "Width", "Height", "Visible", "Enabled", "TabIndex", "Caption"},
                 boxed({{"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}}, 1215, 255)});
    k.push_back({"VB.CommandButton", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "Caption", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}},
                       1215, 495)});
    k.push_back({"VB.CheckBox", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "Caption", "Value", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")},
                        {"Value", Variant(int16_t{0})}},
                       1215, 255)});
    k.push_back({"VB.OptionButton", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "Caption", "Value", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")},
                        {"Value", Variant::Bool(false)}},
                       1215, 255)});
    k.push_back({"VB.Frame", K::kControl, true, false,
                 {"Left", "Top", "Width", "Height", "Visible", "Enabled", "TabIndex", "Caption", "hwnd"},
                 boxed({{"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}}, 1215, 735)});
    k.push_back({"VB.ListBox", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}, 1215, 645)});
    k.push_back({"VB.ComboBox", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "Text", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Text", Variant("")}},
                       1215, 315)});
    k.push_back({"VB.PictureBox", K::kControl, true, true,
                 {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "hwnd"},
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}, 1215, 735)});
    k.push_back({"VB.Line", K::kLine, false, false, {"X1", "X2", "Y1", "Y2", "Visible"},
                 {{"X1", Single(0)}, {"X2", Single(1215)}, {"Y1", Single(0)}, {"Y2", Single(0)}, {"Visible", True()}}});
    k.push_back({"VB.Shape", K::kShape, false, false, {"Left", "Top", "Width", "Height", "Visible"},
                 boxed({}, 1215, 735)});
    k.push_back({"VB.Image", K::kControl, false, false, {"Left", "Top", "Width", "Height", "Visible", "Enabled"},
                 boxed({{"Enabled", True()}}, 1215, 735)});
    k.push_back({"VB.Form", K::kForm, true, true, {"Left", "Top", "Width", "Height", "Visible", "Caption", "hwnd"},
                 boxed({{"Caption", Variant("")}}, 4800, 3600)});
    return k;
  }();
  return kinds;
}

}  // namespace

const ControlKindInfo* FindControlKind(std::string_view type) {
  for (const ControlKindInfo& k : Kinds()) {
    if (EqualsIgnoreCase(k.type, type)) return &k;
  }
  return nullptr;
}

const ControlKindInfo& GenericControlKind() {
  static const ControlKindInfo generic{
      "", K::kControl, true, true,
      {"Left", "Top", "Width", "Height", "Visible", "TabStop", "Enabled", "TabIndex", "hwnd"},
      {{"Left", Single(0)}, {"Top", Single(0)}, {"Width", Single(1215)}, {"Height", Single(495)},
       {"Visible", True()}, {"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}};
  return generic;
}

StandInControl::StandInControl(const ControlKindInfo& info, std::string name, std::optional<int16_t> index)
    : info_(info), name_(std::move(name)), index_(index), values_(info.defaults) {
  if (info.windowed) values_.emplace_back("hwnd", Variant(int32_t{0}));
}

bool StandInControl::Has(std::string_view property) const {
  return std::any_of(info_.properties.begin(), info_.properties.end(),
                     [&](const std::string& p) { return EqualsIgnoreCase(p, property); });
}

Variant* StandInControl::Find(std::string_view name) {
  // The first values are the kind's defaults in their order: their names are
  // looked up in the kind's table, which all controls of the kind share.
  const auto& defaults = info_.defaults;
  for (size_t i = 0; i < defaults.size(); ++i) {
    if (EqualsIgnoreCase(defaults[i].first, name)) return &values_[i].second;
  }
  for (size_t i = defaults.size(); i < values_.size(); ++i) {
    if (EqualsIgnoreCase(values_[i].first, name)) return &values_[i].second;
  }
  return nullptr;
}

const Variant* StandInControl::Find(std::string_view name) const {
  return const_cast<StandInControl*>(this)->Find(name);
}

std::optional<Variant> StandInControl::Get(std::string_view name) const {
  if (EqualsIgnoreCase(name, "Name")) return Variant(name_);
  if (EqualsIgnoreCase(name, "Index")) {
    if (!index_) return std::nullopt;  // not a member of a control array
    return Variant(*index_);
  }
  if (!Has(name)) return std::nullopt;
  const Variant* v = Find(name);
  return v ? std::optional<Variant>(*v) : std::nullopt;
}

bool StandInControl::Set(std::string_view name, const Variant& value) {
  if (!Has(name) || EqualsIgnoreCase(name, "hwnd")) return false;
  Variant* v = Find(name);
  if (v == nullptr) {
    values_.emplace_back(std::string(name), value);
    return true;
  }
  // The stored value keeps its type, as a typed property does.
  try {
    if (v->Is<VbBool>()) *v = Variant::Bool(ToBoolean(value));
    else if (v->Is<int16_t>()) *v = Variant(ToInteger(value));
    else if (v->Is<int32_t>()) *v = Variant(ToLong(value));
    else if (v->Is<double>()) *v = Variant(ToDouble(value));
    else if (v->Is<std::string>()) *v = Variant(ToText(value));
    else *v = value;
  } catch (const VbError&) {
    return false;
  }
  if ((EqualsIgnoreCase(name, "Enabled") || EqualsIgnoreCase(name, "Visible")) && v->Is<VbBool>() &&
      !v->As<VbBool>().value && on_disabled) {
    on_disabled(*this);
  }
  return true;
}

void StandInControl::ForceValue(std::string_view name, const Variant& value) {
  if (Variant* v = Find(name)) *v = value;
}

bool StandInControl::Call(std::string_view method, std::span<const Variant> args) {
  if (EqualsIgnoreCase(method, "Move")) return MoveByProperties(*this, args);
  if (!EqualsIgnoreCase(method, "SetFocus") || !args.empty()) return false;
  if (!info_.can_focus) return false;
  auto enabled = Get("Enabled");
  auto visible = Get("Visible");
  if ((enabled && !ToBoolean(*enabled)) || (visible && !ToBoolean(*visible))) return false;
  return on_set_focus ? on_set_focus(*this) : true;
}

}  // namespace folivan
