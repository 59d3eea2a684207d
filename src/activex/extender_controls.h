// The container's controls on the tab control as a form designer holds them:
// the objects of the site's container (IOleClientSite::GetContainer, then
// IOleContainer::EnumObjects) whose extender's "Container" is this control.
// Every late-bound read, write and call goes to the extender's IDispatch, so
// the designer sees and saves what the control set, and windowless controls
// (labels, lines) are moved like windowed ones.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/host.h"

namespace folivan::activex {

// Property get, property put and method call by name on an automation object;
// nullopt or false when the object lacks the member, refuses it, or answers
// with a value the control cannot hold.
std::optional<Variant> DispatchGet(IDispatch* object, std::string_view name);
std::optional<Variant> DispatchGet(IDispatch* object, DISPID id);
bool DispatchPut(IDispatch* object, std::string_view name, const Variant& value);
bool DispatchCall(IDispatch* object, std::string_view name, std::span<const Variant> args);

class ExtenderControl : public ContainedControl {
 public:
  explicit ExtenderControl(IDispatch* extender);  // AddRef'ed
  ~ExtenderControl() override;
  ExtenderControl(const ExtenderControl&) = delete;
  ExtenderControl& operator=(const ExtenderControl&) = delete;

  // A line has "X1" and no "Left"; any other control is an ordinary one (the
  // form itself is never contained).
  Kind GetKind() const override;
  std::optional<Variant> Get(std::string_view name) const override;
  bool Set(std::string_view name, const Variant& value) override;
  using ContainedControl::Call;
  // The extender's own "Move" when it has one; otherwise the properties one by one.
  bool Call(std::string_view method, std::span<const Variant> args) override;

 private:
  IDispatch* extender_;
};

// The controls that the site's container holds inside `self` (the control's
// own extender, or the control's IUnknown), in the container's order; nullopt
// when the site offers no extender of its own, no enumerable container, or
// objects none of which tells its "Container", so that the caller falls back
// to the child windows.
std::optional<std::vector<ContainedControlPtr>> ExtenderControls(IOleClientSite* site, IUnknown* self);

}  // namespace folivan::activex
