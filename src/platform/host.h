// What the control calls on its ActiveX host and the language runtime's control
// services: ambient properties, PropertyChanged, events, dialogs, the extender,
// the contained controls and the property bag. One Host serves one control.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"
#include "platform/variant.h"

namespace folivan {

// A control placed on the tab control, reached late-bound by property name.
// Each access may fail (the control lacks the member or refuses the value);
// the caller then skips that one step.
// The same interface serves any object the host hands to the control (a form
// given to InsertWindow, the control given to InsertControl).
class ContainedControl : public virtual Object {
 public:
  enum class Kind { kControl, kForm, kLabel, kLine, kShape };
  virtual Kind GetKind() const = 0;
  // Property read by name; nullopt when the control has no such property.
  virtual std::optional<Variant> Get(std::string_view name) const = 0;
  // Property write by name; false when the control lacks it or refuses the value.
  virtual bool Set(std::string_view name, const Variant& value) = 0;
  // Method call by name ("SetFocus", "Move" with Left, Top, Width, Height in
  // the container's units); false when it fails.
  virtual bool Call(std::string_view method, std::span<const Variant> args) = 0;
  bool Call(std::string_view method) { return Call(method, {}); }
};
using ContainedControlPtr = std::shared_ptr<ContainedControl>;

// A collection of the host's controls (a form's Controls, the control's
// IControls): its members in the host's order.
class ControlCollection : public virtual Object {
 public:
  virtual std::vector<ContainedControlPtr> Items() = 0;
};

// A collection over a list taken once.
class ControlList : public ControlCollection {
 public:
  explicit ControlList(std::vector<ContainedControlPtr> items) : items_(std::move(items)) {}
  std::vector<ContainedControlPtr> Items() override { return items_; }

 private:
  std::vector<ContainedControlPtr> items_;
};

// "Move"(Left[, Top[, Width[, Height]]]) as a control without a Move of its
// own does it: the properties one by one; false when one of them is refused.
inline bool MoveByProperties(ContainedControl& control, std::span<const Variant> args) {
  static constexpr std::string_view kNames[] = {"Left", "Top", "Width", "Height"};
  if (args.empty() || args.size() > 4) return false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (!control.Set(kNames[i], args[i])) return false;
  }
  return true;
}

// The host's property bag (PropertyBag of the control protocol).
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The stored value, or the default when the name is absent. May throw VbError.
  virtual Variant Read(std::string_view name, const Variant& default_value) = 0;
  // Stores the value; a value equal to the default is not stored.
  virtual void Write(std::string_view name, const Variant& value, const std::optional<Variant>& default_value) = 0;
};

// Message box styles used by the control.
namespace mb {
constexpr int kOkOnly = 0;
constexpr int kCritical = 16;
}  // namespace mb

class Host {
 public:
  virtual ~Host() = default;

  virtual Surface& GetSurface() = 0;

  // Ambient properties.
  virtual bool AmbientUserMode() const = 0;
  virtual OleColor AmbientBackColor() const = 0;

  // Marks a persisted property as changed (PropertyChanged).
  virtual void PropertyChanged(std::string_view name) = 0;

  // Raises an event of the event interface by dispatch identifier. Every
  // argument is by reference: the values a handler leaves are written back.
  virtual void RaiseEvent(int32_t dispid, std::span<Variant> args) = 0;

  // Modal dialogs. The input box returns empty text when cancelled.
  virtual std::string InputBox(std::string_view prompt, std::string_view title) = 0;
  virtual int32_t MsgBox(std::string_view text, int32_t style, std::string_view title) = 0;

  // Extender ("Name", "Left", "Top", "Width", "Height", "Align", "Visible") and
  // parent ("Controls", "ScaleWidth", "Name"), late-bound.
  virtual std::optional<Variant> ExtenderGet(std::string_view name) const = 0;
  virtual bool ExtenderSet(std::string_view name, const Variant& value) = 0;
  virtual std::optional<Variant> ParentGet(std::string_view name) const = 0;

  // Contained controls, in the host's stable order.
  virtual std::vector<ContainedControlPtr> ContainedControls() = 0;
};

}  // namespace folivan
