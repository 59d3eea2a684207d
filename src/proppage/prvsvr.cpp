#include "proppage/prvsvr.h"

#include <cmath>

#include "core/text.h"
#include "platform/vb_runtime.h"

namespace folivan {

const std::array<std::string_view, Prvsvr::kBooleans> Prvsvr::kBooleanEntries = {
    "Bold Selected", "Client Area",          "Enabled",  "Focus Rectangle", "Hot Tracking",   "Luna Colors",
    "NoteOne Colors", "Plain Tab Foreground", "Tool Tip", "Wizard Details",  "Wizard Pictures"};

const std::array<std::string_view, Prvsvr::kBooleans> Prvsvr::kBooleanMembers = {
    "BoldSelected", "ClientArea", "Enabled",     "FocusRect",     "HotTracking",   "LunaColors",
    "NoteOneColors", "PlainTab",  "ShowToolTip", "WizardDetails", "WizardPictures"};

const std::array<std::string_view, Prvsvr::kBooleans> Prvsvr::kBooleanDescriptions = {
    "Returns/Sets whether Current Tab's Fort is 'Bold' or not.",
    "Returns/Sets whether Control is with 'Client Area'-'Work ForeGround' or not.",
    "Determines whether an object can respond to user-generated events.",
    "Returns/Sets Whether to draw 'Focus Rectangle' Around current tab caption.",
    "Determines Whether Tabs Can respond to Mouse-Hower Effect.",
    "Returns/Sets Latest 'Luna-Colors' for the control.",
    "Returns/Sets Latest 'NoteOne' for the control.",
    "Returns/Sets Plain Foreground For the control Client Area.",
    "Returns/Sets whether Tabs Are having tooltip.",
    "Determines Whether Text Details are on/off for Wizard Style",
    "Determines Whether Pictures[Arrows] are on/off for Wizard Style",
};

namespace {

using K = PageControlKind;

// A write or read the control refuses is skipped; the page goes on.
template <typename Fn>
void Quietly(Fn&& fn) {
  try {
    fn();
  } catch (const VbError&) {
  }
}

// The drop-downs of the General tab and the members they edit (value = entry + 1).
struct EnumField {
  std::string_view field;
  std::string_view member;
};
constexpr EnumField kEnumFields[] = {
    {"Appearance", "Appearance"}, {"Color", "Color"}, {"Color System", "ColorSystem"}, {"Tooltip Style", "ToolTipStyle"}};

// What the preview copies from the selected control: the whole control's
// members, then each tab's.
constexpr std::string_view kPreviewMembers[] = {
    "Tabs",          "CurrentTab",         "BoldSelected",     "Appearance",    "Color",        "ColorSystem",
    "BackColor",     "ForeColor",          "TabColorDarkShadow", "TabColorForeGround", "TabColorHighLight",
    "TabColorLight", "TabColorShadow",     "BackgroundPicture", "ClientArea",   "Enabled",      "FocusRect",
    "Font",          "HotTracking",        "LunaColors",       "NoteOneColors", "PlainTab",     "ShowToolTip",
    "ToolTipStyle",  "WizardDetails",      "WizardPictures"};
constexpr std::string_view kPreviewTabMembers[] = {"TabCaption",  "iTabEnabled", "iTabPicture", "TabPassword",
                                                   "TabToolTip",  "TabStartColor", "TabEndColor"};

// The Extended tab's text boxes and the indexed members they edit.
constexpr EnumField kTabTextFields[] = {{"Tab Password", "TabPassword"}, {"Tab ToolTip", "TabToolTip"}};

// The text boxes of the General and Extended tabs: a click marks the page changed.
bool MarksChangedOnClick(const PageControl& c) {
  if (c.page != page_text::kGeneral && c.page != page_text::kExtended) return false;
  if (c.kind == K::kTextBox) return true;
  return c.kind == K::kDropDown && c.field != "Value";
}

// Val: the leading number of a text, 0 when there is none.
double Val(const std::string& text) {
  try {
    size_t used = 0;
    double v = std::stod(text, &used);
    return std::isfinite(v) ? v : 0.0;
  } catch (const std::exception&) {
    return 0.0;
  }
}

}  // namespace

Prvsvr::Prvsvr(PageTarget& strip, PageTarget& preview, PageSite& site)
    : strip_(strip), preview_(preview), site_(site), controls_(MakePageControls()) {
  using namespace page_text;
  Quietly([&] { strip_.Put("Tabs", Variant(static_cast<int16_t>(std::size(kTabs)))); });
  for (size_t i = 0; i < std::size(kTabs); ++i) {
    std::vector<Variant> index{Variant(static_cast<int16_t>(i))};
    Quietly([&] { strip_.Put("TabCaption", index, Variant(std::string(kTabs[i]))); });
    if (i < std::size(kTabToolTips)) Quietly([&] { strip_.Put("TabToolTip", index, Variant(std::string(kTabToolTips[i]))); });
  }
  Quietly([&] { strip_.Put("CurrentTab", Variant(int16_t{0})); });
}

PageControl* Prvsvr::Find(std::string_view field) {
  for (PageControl& c : controls_) {
    if (!c.field.empty() && EqualsIgnoreCase(c.field, field)) return &c;
  }
  return nullptr;
}

PageControl& Prvsvr::Field(std::string_view field) { return *Find(field); }

void Prvsvr::MarkChanged() { site_.SetChanged(true); }

int Prvsvr::ShownTab() {
  int tab = 0;
  Quietly([&] { tab = ToInteger(strip_.Get("CurrentTab")); });
  return tab;
}

void Prvsvr::ShowTab(int tab) {
  Quietly([&] { strip_.Put("CurrentTab", Variant(static_cast<int16_t>(tab))); });
}

// --- SelectionChanged -------------------------------------------------------------------

void Prvsvr::SelectionChanged(std::span<PageTarget* const> selected) {
  selected_ = selected.empty() ? nullptr : selected.front();
  if (selected_ == nullptr) return;
  CopyToPreview();
  FillGeneral();
  FillExtended();
  FillContainedControls();
}

void Prvsvr::CopyToPreview() {
  for (std::string_view member : kPreviewMembers) {
    Quietly([&] { preview_.Put(member, selected_->Get(member)); });
  }
  int16_t tabs = 0;
  Quietly([&] { tabs = ToInteger(selected_->Get("Tabs")); });
  for (int16_t i = 0; i < tabs; ++i) {
    std::vector<Variant> index{Variant(i)};
    for (std::string_view member : kPreviewTabMembers) {
      Quietly([&] { preview_.Put(member, index, selected_->Get(member, index)); });
    }
  }
}

void Prvsvr::FillGeneral() {
  for (const EnumField& f : kEnumFields) {
    PageControl& box = Field(f.field);
    box.list_index = -1;
    Quietly([&] {
      const int32_t value = ToLong(selected_->Get(f.member));
      if (value >= 1 && value <= static_cast<int32_t>(box.items.size())) box.list_index = value - 1;
    });
  }
  PageControl& tabs = Field("Tabs");
  tabs.text.clear();
  Quietly([&] { tabs.text = ToText(selected_->Get("Tabs")); });
  for (size_t i = 0; i < kBooleans; ++i) {
    Quietly([&] { booleans_[i] = ToBoolean(selected_->Get(kBooleanMembers[i])); });
  }
  ShowBoolean();
}

void Prvsvr::FillExtended() {
  int16_t tab = -1;
  PageControl& current = Field("Current Tab");
  current.text.clear();
  Quietly([&] {
    Variant v = selected_->Get("CurrentTab");
    current.text = ToText(v);
    tab = ToInteger(v);
  });
  std::vector<Variant> index{Variant(tab)};
  PageControl& caption = Field("Tab Caption");
  caption.text.clear();
  Quietly([&] { caption.text = ToText(selected_->Get("Caption")); });
  for (const EnumField& f : kTabTextFields) {
    PageControl& box = Field(f.field);
    box.text.clear();
    Quietly([&] { box.text = ToText(selected_->Get(f.member, index)); });
  }
  PageControl& tag = Field("Tag Varient");
  tag_read_ = Variant();
  tag.text.clear();
  Quietly([&] {
    tag_read_ = selected_->Get("TagVariant", index);
    tag.text = ToText(tag_read_);
  });
  PageControl& enabled = Field("Tab Enabled");
  enabled.list_index = -1;
  Quietly([&] { enabled.list_index = ToBoolean(selected_->Get("iTabEnabled", index)) ? 0 : 1; });
}

void Prvsvr::FillContainedControls() {
  PageControl& list = Field("Contained Controls in Tab");
  const std::string chosen = list.Shown();
  list.items.clear();
  list.list_index = -1;
  std::vector<ContainedControlPtr> all;
  Quietly([&] { all = selected_->IControls(); });
  for (const ContainedControlPtr& ctl : all) {
    if (ctl->GetKind() == ContainedControl::Kind::kLine) continue;
    Quietly([&] {
      auto left = ctl->Get("Left");
      auto name = ctl->Get("Name");
      if (!left || !name || ToDouble(*left) <= -10000) return;
      std::string entry = ToText(*name);
      if (auto index = ctl->Get("Index")) {
        entry += '(';
        entry += ToText(*index);
        entry += ')';
      }
      list.items.push_back(std::move(entry));
    });
  }
  // The entry chosen before stays chosen while it is still there.
  for (size_t i = 0; i < list.items.size() && !chosen.empty(); ++i) {
    if (list.items[i] == chosen) list.list_index = static_cast<int>(i);
  }
  ShowContainedControl();
}

void Prvsvr::ReadBack() {
  PageControl& tabs = Field("Tabs");
  Quietly([&] { tabs.text = ToText(selected_->Get("Tabs")); });
  FillExtended();
  FillContainedControls();
  CopyToPreview();
}

// --- ApplyChanges -------------------------------------------------------------------------

void Prvsvr::ApplyChanges() {
  if (selected_ == nullptr) return;
  // The host converts the box's text as it converts any text given for a number.
  Quietly([&] { selected_->Put("Tabs", Variant(Field("Tabs").text)); });
  for (const EnumField& f : kEnumFields) {
    const int chosen = Field(f.field).list_index;
    if (chosen >= 0) Quietly([&] { selected_->Put(f.member, Variant(static_cast<int32_t>(chosen + 1))); });
  }
  for (size_t i = 0; i < kBooleans; ++i) {
    Quietly([&] { selected_->Put(kBooleanMembers[i], Variant::Bool(booleans_[i])); });
  }
  Quietly([&] { selected_->Put("Caption", Variant(Field("Tab Caption").text)); });
  int16_t tab = -1;
  Quietly([&] { tab = ToInteger(selected_->Get("CurrentTab")); });
  std::vector<Variant> index{Variant(tab)};
  for (const EnumField& f : kTabTextFields) {
    Quietly([&] { selected_->Put(f.member, index, Variant(Field(f.field).text)); });
  }
  // A box left as it was read keeps the tag as it is (an Empty tag stays Empty).
  const std::string& tag = Field("Tag Varient").text;
  if (tag != ToText(tag_read_)) Quietly([&] { selected_->Put("TagVariant", index, Variant(tag)); });
  const bool enabled = Field("Tab Enabled").list_index == 0;
  Quietly([&] { selected_->Put("iTabEnabled", index, Variant::Bool(enabled)); });
  site_.SetChanged(false);
  // The page shows what the control took.
  FillGeneral();
  ReadBack();
}

// --- the page's controls ---------------------------------------------------------------------

void Prvsvr::Choose(PageControl& control, std::string_view entry) {
  for (size_t i = 0; i < control.items.size(); ++i) {
    if (control.items[i] == entry) {
      if (!control.enabled) return;
      control.list_index = static_cast<int>(i);
      OnClick(control);
      return;
    }
  }
  throw VbError(380, "Invalid property value");
}

void Prvsvr::Type(PageControl& control, std::string_view text) {
  if (!control.enabled) return;
  control.text.clear();
  for (char ch : text) {
    const int key = OnKeyPress(control, static_cast<unsigned char>(ch));
    if (key == 8) {
      if (!control.text.empty()) control.text.pop_back();
    } else if (key != 0) {
      control.text += static_cast<char>(key);
    }
  }
}

void Prvsvr::Click(PageControl& control) {
  if (!control.enabled) return;
  if (control.kind == K::kCheckBox) control.checked = !control.checked;
  OnClick(control);
}

int Prvsvr::OnKeyPress(PageControl& control, int key) {
  // The step and value boxes of the Controls tab take digits and backspace only.
  if (control.digits_only && !(key >= '0' && key <= '9') && key != 8) return 0;
  return key;
}

void Prvsvr::OnClick(PageControl& c) {
  if (MarksChangedOnClick(c)) MarkChanged();
  const std::string& f = c.field;
  if (f == "Boolean Properties") {
    boolean_index_ = c.list_index;
    ShowBoolean();
  } else if (f == "Value") {
    if (boolean_index_ >= 0) booleans_[static_cast<size_t>(boolean_index_)] = c.list_index == 0;
    MarkChanged();
  } else if (f == "Contained Controls in Tab") {
    ShowContainedControl();
  } else if (f == "Lock") {
    c.text = c.checked ? "Un-Lock" : "Lock";
    for (PageControl& box : controls_) {
      if (box.digits_only) box.enabled = !c.checked;
    }
  } else if (c.kind == K::kButton && selected_ != nullptr) {
    if (f == "Previous" || f == "Next") {
      Quietly([&] {
        const int16_t tab = ToInteger(selected_->Get("CurrentTab"));
        selected_->Put("CurrentTab", Variant(static_cast<int16_t>(tab + (f == "Next" ? 1 : -1))));
      });
      ReadBack();
    } else if (f == "Jump" || f == "Remove") {
      std::vector<Variant> args{Variant(Field(f == "Jump" ? "Jump to Tab" : "Remove Tab").text)};
      Quietly([&] {
        args[0] = Variant(ToInteger(args[0]));
        selected_->Call(f == "Jump" ? "JumpToTab" : "RemoveTab", args);
      });
      ReadBack();
    } else if (f == "Left" || f == "Right") {
      MoveChosen("Left", Field("Left Value"), f == "Left" ? -1 : 1);
    } else if (f == "Up" || f == "Down") {
      MoveChosen("Top", Field("Top Value"), f == "Up" ? -1 : 1);
    } else if (f.starts_with("Apply ")) {
      const std::string property = f.substr(6);
      ContainedControlPtr ctl = ChosenContainedControl();
      if (ctl) ctl->Set(property, Variant(Val(Field(property + " Value").text)));
    }
  }
}

void Prvsvr::ShowBoolean() {
  PageControl& value = Field("Value");
  PageControl& description = Field("Description");
  if (boolean_index_ < 0 || boolean_index_ >= kBooleans) {
    value.list_index = -1;
    description.text.clear();
    return;
  }
  const auto i = static_cast<size_t>(boolean_index_);
  value.list_index = booleans_[i] ? 0 : 1;
  description.text = std::string(kBooleanDescriptions[i]);
}

ContainedControlPtr Prvsvr::ChosenContainedControl() {
  if (selected_ == nullptr) return nullptr;
  const std::string entry = Field("Contained Controls in Tab").Shown();
  if (entry.empty()) return nullptr;
  // "Name" or "Name(index)" for a member of a control array.
  std::string name = entry;
  std::string index;
  const size_t open = entry.find('(');
  if (open != std::string::npos && entry.back() == ')') {
    name = entry.substr(0, open);
    index = entry.substr(open + 1, entry.size() - open - 2);
  }
  std::vector<ContainedControlPtr> all;
  Quietly([&] { all = selected_->IControls(); });
  for (const ContainedControlPtr& ctl : all) {
    auto n = ctl->Get("Name");
    if (!n || ToText(*n) != name) continue;
    auto i = ctl->Get("Index");
    if (!i || ToText(*i) == index) return ctl;
  }
  return nullptr;
}

void Prvsvr::ShowContainedControl() {
  static constexpr std::string_view kProperties[] = {"Left", "Top", "Height", "Width"};
  ContainedControlPtr ctl = ChosenContainedControl();
  for (std::string_view property : kProperties) {
    PageControl& box = Field(std::string(property) + " Value");
    box.text.clear();
    if (!ctl) continue;
    if (auto v = ctl->Get(property)) Quietly([&] { box.text = ToText(*v); });
  }
}

void Prvsvr::MoveChosen(std::string_view property, PageControl& box, int direction) {
  ContainedControlPtr ctl = ChosenContainedControl();
  if (!ctl) return;
  auto now = ctl->Get(property);
  if (!now) return;
  Quietly([&] {
    const double step = Val(Field("Move controls by value").text);
    ctl->Set(property, Variant(ToDouble(*now) + direction * step));
    if (auto v = ctl->Get(property)) box.text = ToText(*v);
  });
}

}  // namespace folivan
