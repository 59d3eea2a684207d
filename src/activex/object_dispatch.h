// Objects crossing the COM boundary: the host's automation objects (a control
// given to InsertControl, a form given to InsertWindow, a form's Controls) as
// the control reaches them, and the control's own objects (IControls and its
// members) as IDispatch for the host.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/host.h"

namespace folivan::activex {

// An automation object of the host, late-bound by name. Its hwnd is its
// "hwnd" property, or IOleWindow's window; it counts as a form when that
// window is top-level. As a collection its items come from _NewEnum, or from
// Count and Item.
class DispatchObject final : public ContainedControl, public ControlCollection {
 public:
  explicit DispatchObject(IDispatch* dispatch);
  ~DispatchObject() override;
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  IDispatch* Dispatch() const { return dispatch_; }

  Kind GetKind() const override;
  std::optional<Variant> Get(std::string_view name) const override;
  bool Set(std::string_view name, const Variant& value) override;
  using ContainedControl::Call;
  bool Call(std::string_view method, std::span<const Variant> args) override;
  std::vector<ContainedControlPtr> Items() override;

 private:
  // DISPATCH_PROPERTYGET and friends by name; false when the object refuses.
  bool Invoke(std::string_view name, WORD flags, std::span<const Variant> args, VARIANT* result) const;

  IDispatch* dispatch_;
};

// The object as IDispatch, with one reference for the caller; nullptr for null.
IDispatch* DispatchFor(const ObjectPtr& object);

}  // namespace folivan::activex
