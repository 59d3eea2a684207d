#include "platform/headless/headless_host.h"

#include "core/text.h"
#include "platform/headless/resource_pictures.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// WS_OVERLAPPEDWINDOW: caption, system menu, thick frame, minimize and maximize boxes.
constexpr uint32_t kOverlappedWindow = 0x00CF0000;

// The control as its form lists it among its Controls: the extender.
class ExtenderControl : public ContainedControl {
 public:
  explicit ExtenderControl(HeadlessHost& host) : host_(host) {}
  Kind GetKind() const override { return Kind::kControl; }
  std::optional<Variant> Get(std::string_view name) const override { return host_.ExtenderGet(name); }
  bool Set(std::string_view name, const Variant& value) override { return host_.ExtenderSet(name, value); }
  using ContainedControl::Call;
  bool Call(std::string_view method, std::span<const Variant> args) override {
    return EqualsIgnoreCase(method, "Move") && MoveByProperties(*this, args);
  }

 private:
  HeadlessHost& host_;
};

// The form's Controls: the control itself, then the controls placed on it,
// as they stand when the collection is walked.
class FormControls : public ControlCollection {
 public:
  explicit FormControls(HeadlessHost& host) : host_(host) {}
  std::vector<ContainedControlPtr> Items() override {
    std::vector<ContainedControlPtr> items{std::make_shared<ExtenderControl>(host_)};
    for (const StandInControlPtr& c : host_.Controls()) items.push_back(c);
    return items;
  }

 private:
  HeadlessHost& host_;
};

}  // namespace

HeadlessHost::HeadlessHost(Surface& surface, HeadlessSystem& system) : surface_(surface), system_(system) {
  extender_["Name"] = Variant("FolivanTab1");
  extender_["Left"] = Variant(0.0);
  extender_["Top"] = Variant(0.0);
  extender_["Visible"] = Variant::Bool(true);
  extender_["Align"] = Variant(int16_t{0});
  parent_["Name"] = Variant("Form1");
  parent_["ScaleWidth"] = Variant(6600.0);  // twips, as a new form has it
  InstallHeadlessResourcePictures();
}

void HeadlessHost::PropertyChanged(std::string_view name) {
  if (on_property_changed) on_property_changed(name);
}

void HeadlessHost::RaiseEvent(int32_t dispid, std::span<Variant> args) {
  if (on_event) on_event(dispid, args);
}

std::string HeadlessHost::InputBox(std::string_view prompt, std::string_view title) {
  std::string answer;
  if (!answers_.empty()) {
    answer = std::move(answers_.front());
    answers_.pop_front();
  }
  if (on_input_box) on_input_box(prompt, title, answer);
  return answer;
}

int32_t HeadlessHost::MsgBox(std::string_view text, int32_t style, std::string_view title) {
  message_boxes_.push_back(MessageBoxRecord{std::string(text), std::string(title), style});
  if (on_message_box) on_message_box(message_boxes_.back());
  return 1;  // vbOK
}

std::optional<Variant> HeadlessHost::ExtenderGet(std::string_view name) const {
  if (EqualsIgnoreCase(name, "Width")) return Variant(surface_.Width());
  if (EqualsIgnoreCase(name, "Height")) return Variant(surface_.Height());
  for (const auto& [key, value] : extender_) {
    if (EqualsIgnoreCase(key, name)) return value;
  }
  return std::nullopt;
}

bool HeadlessHost::ExtenderSet(std::string_view name, const Variant& value) {
  try {
    if (EqualsIgnoreCase(name, "Width")) {
      surface_.SetWidth(ToDouble(value));
      return true;
    }
    if (EqualsIgnoreCase(name, "Height")) {
      surface_.SetHeight(ToDouble(value));
      return true;
    }
  } catch (const VbError&) {
    return false;
  }
  for (auto& [key, stored] : extender_) {
    if (EqualsIgnoreCase(key, name)) {
      stored = value;
      return true;
    }
  }
  return false;
}

std::optional<Variant> HeadlessHost::ParentGet(std::string_view name) const {
  if (EqualsIgnoreCase(name, "Controls")) {
    return Variant(ObjectPtr(std::make_shared<FormControls>(const_cast<HeadlessHost&>(*this))));
  }
  for (const auto& [key, value] : parent_) {
    if (EqualsIgnoreCase(key, name)) return value;
  }
  return std::nullopt;
}

std::vector<ContainedControlPtr> HeadlessHost::ContainedControls() {
  return std::vector<ContainedControlPtr>(controls_.begin(), controls_.end());
}

StandInControl& HeadlessHost::AddControl(const ControlKindInfo& kind, std::string name,
                                         std::optional<int16_t> index) {
  auto control = std::make_shared<StandInControl>(kind, std::move(name), index);
  if (kind.windowed) {
    WindowHandle hwnd = system_.CreateWindow(kind.type, surface_.Hwnd(), Rect{}, true);
    control->ForceValue("hwnd", Variant(static_cast<int32_t>(hwnd)));
  }
  control->on_set_focus = [this](StandInControl& c) {
    focus_ = Focus{&c, false};
    return true;
  };
  control->on_disabled = [this](StandInControl& c) {
    if (focus_.control == &c) focus_ = Focus{};
  };
  controls_.push_back(control);
  return *controls_.back();
}

StandInControl* HeadlessHost::FindControl(const std::string& name, std::optional<int16_t> index) {
  for (const StandInControlPtr& c : controls_) {
    if (EqualsIgnoreCase(c->Name(), name) && c->Index() == index) return c.get();
  }
  return nullptr;
}

WindowHandle HeadlessHost::AddWindow(const std::string& name, int32_t width, int32_t height) {
  WindowHandle hwnd = system_.CreateWindow("Window", 0, Rect{0, 0, width, height}, false, kOverlappedWindow);
  windows_.push_back(StandInWindow{name, hwnd, nullptr});
  return hwnd;
}

StandInControl& HeadlessHost::AddForm(const std::string& name, int32_t width, int32_t height) {
  const ControlKindInfo& kind = *FindControlKind("VB.Form");
  auto form = std::make_shared<StandInControl>(kind, name, std::nullopt);
  WindowHandle hwnd = system_.CreateWindow(kind.type, 0, Rect{0, 0, width, height}, true, kOverlappedWindow);
  form->ForceValue("hwnd", Variant(static_cast<int32_t>(hwnd)));
  form->Set("Width", Variant(surface_.ScaleX(width, ScaleMode::kPixels, ScaleMode::kTwips)));
  form->Set("Height", Variant(surface_.ScaleY(height, ScaleMode::kPixels, ScaleMode::kTwips)));
  windows_.push_back(StandInWindow{name, hwnd, form});
  return *form;
}

const HeadlessHost::StandInWindow* HeadlessHost::FindWindow(const std::string& name) const {
  for (const StandInWindow& w : windows_) {
    if (EqualsIgnoreCase(w.name, name)) return &w;
  }
  return nullptr;
}

void HeadlessHost::FocusTabControl() { focus_ = Focus{nullptr, true}; }

}  // namespace folivan
