#include "activex/extender_controls.h"

#include <string>

#include "activex/convert.h"
#include "core/text.h"
#include "platform/vb_runtime.h"
#include "platform/win32/win32_surface.h"

namespace folivan::activex {

namespace {

std::optional<DISPID> IdOf(IDispatch* object, std::string_view name) {
  std::wstring wide = win32::Widen(name);
  LPOLESTR names[1] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return std::nullopt;
  return id;
}

// The object's identity (its IUnknown), AddRef'ed; nullptr for none.
IUnknown* Identity(IUnknown* object) {
  IUnknown* unknown = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)))) return nullptr;
  return unknown;
}

// Whether the extender's "Container" is the object `self` or `own_extender`;
// nullopt when the object has no "Container" (it is no extender).
std::optional<bool> IsContainedIn(IDispatch* extender, IUnknown* self, IUnknown* own_extender) {
  auto id = IdOf(extender, "Container");
  if (!id) return std::nullopt;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT container;
  VariantInit(&container);
  bool inside = false;
  if (SUCCEEDED(extender->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &container,
                                 nullptr, nullptr)) &&
      (V_VT(&container) == VT_DISPATCH || V_VT(&container) == VT_UNKNOWN)) {
    if (IUnknown* identity = Identity(V_UNKNOWN(&container))) {
      inside = identity == self || (own_extender && identity == own_extender);
      identity->Release();
    }
  }
  VariantClear(&container);
  return inside;
}

}  // namespace

std::optional<Variant> DispatchGet(IDispatch* object, std::string_view name) {
  auto id = IdOf(object, name);
  if (!id) return std::nullopt;
  return DispatchGet(object, *id);
}

std::optional<Variant> DispatchGet(IDispatch* object, DISPID id) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT value;
  VariantInit(&value);
  if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                            nullptr))) {
    return std::nullopt;
  }
  std::optional<Variant> result;
  try {
    result = FromVariant(value);
  } catch (const VbError&) {
  }
  VariantClear(&value);
  return result;
}

bool DispatchPut(IDispatch* object, std::string_view name, const Variant& value) {
  auto id = IdOf(object, name);
  if (!id) return false;
  VARIANT arg;
  if (FAILED(ToVariant(value, &arg))) return false;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &put, 1, 1};
  HRESULT hr = object->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                              nullptr);
  VariantClear(&arg);
  return SUCCEEDED(hr);
}

bool DispatchCall(IDispatch* object, std::string_view name, std::span<const Variant> args) {
  auto id = IdOf(object, name);
  if (!id) return false;
  // DISPPARAMS holds the arguments last first.
  std::vector<VARIANT> reversed(args.size());
  for (size_t i = 0; i < args.size(); ++i) ToVariant(args[i], &reversed[args.size() - 1 - i]);
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = object->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr,
                              nullptr);
  VariantClear(&result);
  for (VARIANT& v : reversed) VariantClear(&v);
  return SUCCEEDED(hr);
}

ExtenderControl::ExtenderControl(IDispatch* extender) : extender_(extender) { extender_->AddRef(); }
ExtenderControl::~ExtenderControl() { extender_->Release(); }

ContainedControl::Kind ExtenderControl::GetKind() const {
  if (!IdOf(extender_, "Left") && IdOf(extender_, "X1")) return Kind::kLine;
  return Kind::kControl;
}

std::optional<Variant> ExtenderControl::Get(std::string_view name) const { return DispatchGet(extender_, name); }

bool ExtenderControl::Set(std::string_view name, const Variant& value) { return DispatchPut(extender_, name, value); }

bool ExtenderControl::Call(std::string_view method, std::span<const Variant> args) {
  if (EqualsIgnoreCase(method, "Move") && !IdOf(extender_, "Move")) return MoveByProperties(*this, args);
  return DispatchCall(extender_, method, args);
}

std::optional<std::vector<ContainedControlPtr>> ExtenderControls(IOleClientSite* site, IUnknown* self) {
  if (!site) return std::nullopt;
  IOleControlSite* control_site = nullptr;
  if (FAILED(site->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&control_site)))) return std::nullopt;
  IDispatch* own = nullptr;
  if (FAILED(control_site->GetExtendedControl(&own))) own = nullptr;
  control_site->Release();
  if (!own) return std::nullopt;
  IUnknown* own_identity = Identity(own);
  own->Release();

  std::optional<std::vector<ContainedControlPtr>> controls;
  IOleContainer* container = nullptr;
  IEnumUnknown* objects = nullptr;
  if (SUCCEEDED(site->GetContainer(&container)) && container &&
      SUCCEEDED(container->EnumObjects(OLECONTF_EMBEDDINGS, &objects)) && objects) {
    IUnknown* self_identity = Identity(self);
    std::vector<ContainedControlPtr> inside;
    bool extenders = false;  // some object tells its container
    IUnknown* object = nullptr;
    ULONG fetched = 0;
    while (objects->Next(1, &object, &fetched) == S_OK && fetched == 1) {
      IDispatch* extender = nullptr;
      if (SUCCEEDED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&extender)))) {
        std::optional<bool> contained = IsContainedIn(extender, self_identity, own_identity);
        extenders |= contained.has_value();
        if (contained.value_or(false)) inside.push_back(std::make_shared<ExtenderControl>(extender));
        extender->Release();
      }
      object->Release();
    }
    if (extenders) controls = std::move(inside);
    if (self_identity) self_identity->Release();
    objects->Release();
  }
  if (container) container->Release();
  if (own_identity) own_identity->Release();
  return controls;
}

}  // namespace folivan::activex
