#include "platform/headless/contained_controls.h"


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
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Text", Variant("")}},
                       1215, 495)});
    k.push_back({"VB.Label", K::kLabel, false, false,
                 boxed({{"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}}, 1215, 255)});
    k.push_back({"VB.CommandButton", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}},
                       1215, 495)});
    k.push_back({"VB.CheckBox", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")},
                        {"Value", Variant(int16_t{0})}},
                       1215, 255)});
    k.push_back({"VB.OptionButton", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")},
                        {"Value", Variant::Bool(false)}},
                       1215, 255)});
    k.push_back({"VB.Frame", K::kControl, true, false,
                 boxed({{"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Caption", Variant("")}}, 1215, 735)});
    k.push_back({"VB.ListBox", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}, 1215, 645)});
    k.push_back({"VB.ComboBox", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}, {"Text", Variant("")}},
                       1215, 315)});
    k.push_back({"VB.PictureBox", K::kControl, true, true,
                 boxed({{"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}, 1215, 735)});
    k.push_back({"VB.Line", K::kLine, false, false,
                 {{"X1", Single(0)}, {"X2", Single(1215)}, {"Y1", Single(0)}, {"Y2", Single(0)}, {"Visible", True()}}});
    k.push_back({"VB.Shape", K::kShape, false, false,
                 boxed({}, 1215, 735)});
    k.push_back({"VB.Image", K::kControl, false, false,
                 boxed({{"Enabled", True()}}, 1215, 735)});
    k.push_back({"VB.Form", K::kForm, true, true,
                 boxed({{"Caption", Variant("")}}, 4800, 3600)});
    return k;
  }();
  return kinds;
}

// Names that are equal without regard to case hash alike: the length and the
// first and last characters with the ASCII case bit set.
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
      {{"Left", Single(0)}, {"Top", Single(0)}, {"Width", Single(1215)}, {"Height", Single(495)},
       {"Visible", True()}, {"TabStop", True()}, {"Enabled", True()}, {"TabIndex", Variant(int16_t{0})}}};
  return generic;
}

ControlKindInfo::ControlKindInfo(std::string type_name, ContainedControl::Kind kind_of, bool has_window,
                                 bool focusable, std::vector<std::pair<std::string, Variant>> values)
    : type(std::move(type_name)), kind(kind_of), windowed(has_window), can_focus(focusable), defaults(std::move(values)) {
  for (const auto& entry : defaults) properties.push_back(entry.first);
  if (windowed) properties.emplace_back("hwnd");
  for (size_t i = 0; i < properties.size(); ++i) slots_.Insert(properties[i], static_cast<uint32_t>(i), NameAt());
}

int ControlKindInfo::Slot(std::string_view name) const {
  const uint32_t slot = slots_.Find(name, NameAt());
  return slot == KeyIndex::kNone ? -1 : static_cast<int>(slot);
}

StandInControl::StandInControl(const ControlKindInfo& info, std::string name, std::optional<int16_t> index)
    : info_(info), name_(std::move(name)), index_(index) {
  values_.reserve(info.properties.size());
  for (const auto& entry : info.defaults) values_.push_back(entry.second);
  if (info.windowed) values_.emplace_back(int32_t{0});
}

bool StandInControl::Has(std::string_view property) const { return info_.Slot(property) >= 0; }

std::vector<std::pair<std::string, Variant>> StandInControl::Values() const {
  std::vector<std::pair<std::string, Variant>> values;
  values.reserve(values_.size());
  for (size_t i = 0; i < values_.size(); ++i) values.emplace_back(info_.properties[i], values_[i]);
  return values;
}

std::optional<Variant> StandInControl::Get(std::string_view name) const {
  if (EqualsIgnoreCase(name, "Name")) return Variant(name_);
  if (EqualsIgnoreCase(name, "Index")) {
    if (!index_) return std::nullopt;  // not a member of a control array
    return Variant(*index_);
  }
  const int slot = info_.Slot(name);
  if (slot < 0) return std::nullopt;
  return values_[static_cast<size_t>(slot)];
}

bool StandInControl::Set(std::string_view name, const Variant& value) {
  const int slot = info_.Slot(name);
  if (slot < 0 || EqualsIgnoreCase(name, "hwnd")) return false;
  Variant* v = &values_[static_cast<size_t>(slot)];
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
  if (const int slot = info_.Slot(name); slot >= 0) values_[static_cast<size_t>(slot)] = value;
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
