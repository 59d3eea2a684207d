#include "activex/object_dispatch.h"

#include <string>
#include <vector>

#include "activex/convert.h"
#include "activex/enumerator.h"
#include "core/text.h"
#include "platform/vb_runtime.h"
#include "platform/win32/win32_surface.h"

namespace folivan::activex {

// --- the host's objects ----------------------------------------------------------------

DispatchObject::DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) { dispatch_->AddRef(); }

DispatchObject::~DispatchObject() { dispatch_->Release(); }

bool DispatchObject::Invoke(std::string_view name, WORD flags, std::span<const Variant> args, VARIANT* result) const {
  std::wstring wide = win32::Widen(name);
  LPOLESTR names[1] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  // Arguments go last to first.
  std::vector<VARIANT> values(args.size());
  for (size_t i = 0; i < args.size(); ++i) ToVariant(args[i], &values[args.size() - 1 - i]);
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{values.empty() ? nullptr : values.data(), nullptr, static_cast<UINT>(values.size()), 0};
  if (flags & DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
  for (VARIANT& v : values) VariantClear(&v);
  return SUCCEEDED(hr);
}

std::optional<Variant> DispatchObject::Get(std::string_view name) const {
  VARIANT value;
  VariantInit(&value);
  std::optional<Variant> result;
  if (Invoke(name, DISPATCH_PROPERTYGET, {}, &value)) {
    try {
      result = FromVariant(value);
    } catch (const VbError&) {
    }
  }
  VariantClear(&value);
  if (!result && EqualsIgnoreCase(name, "hwnd")) {
    // An object without the property may still show its window.
    IOleWindow* window = nullptr;
    HWND hwnd = nullptr;
    if (SUCCEEDED(dispatch_->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
      if (FAILED(window->GetWindow(&hwnd))) hwnd = nullptr;
      window->Release();
    }
    if (hwnd) result = Variant(static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd)));
  }
  return result;
}

bool DispatchObject::Set(std::string_view name, const Variant& value) {
  return Invoke(name, DISPATCH_PROPERTYPUT, std::span<const Variant>(&value, 1), nullptr);
}

bool DispatchObject::Call(std::string_view method, std::span<const Variant> args) {
  VARIANT result;
  VariantInit(&result);
  bool ok = Invoke(method, DISPATCH_METHOD, args, &result);
  VariantClear(&result);
  return ok;
}

ContainedControl::Kind DispatchObject::GetKind() const {
  auto window = Get("hwnd");
  if (!window) return Kind::kControl;
  HWND hwnd = nullptr;
  try {
    hwnd = reinterpret_cast<HWND>(static_cast<intptr_t>(ToLong(*window)));
  } catch (const VbError&) {
    return Kind::kControl;
  }
  const bool top_level = hwnd && IsWindow(hwnd) && GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow() &&
                         !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD);
  return top_level ? Kind::kForm : Kind::kControl;
}

std::vector<ContainedControlPtr> DispatchObject::Items() {
  std::vector<ContainedControlPtr> items;
  auto add = [&](const VARIANT& v) {
    if ((V_VT(&v) == VT_DISPATCH || V_VT(&v) == VT_UNKNOWN) && V_UNKNOWN(&v)) {
      IDispatch* item = nullptr;
      if (SUCCEEDED(V_UNKNOWN(&v)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&item)))) {
        items.push_back(std::make_shared<DispatchObject>(item));
        item->Release();
      }
    }
  };
  VARIANT enum_value;
  VariantInit(&enum_value);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  IEnumVARIANT* enumerator = nullptr;
  if (SUCCEEDED(dispatch_->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                  DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, &enum_value, nullptr, nullptr)) &&
      (V_VT(&enum_value) == VT_UNKNOWN || V_VT(&enum_value) == VT_DISPATCH) && V_UNKNOWN(&enum_value) &&
      SUCCEEDED(V_UNKNOWN(&enum_value)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&enumerator)))) {
    VARIANT item;
    VariantInit(&item);
    ULONG fetched = 0;
    while (enumerator->Next(1, &item, &fetched) == S_OK && fetched == 1) {
      add(item);
      VariantClear(&item);
    }
    enumerator->Release();
    VariantClear(&enum_value);
    return items;
  }
  VariantClear(&enum_value);
  // Without an enumerator: Item(0) .. Item(Count - 1).
  auto count = Get("Count");
  int32_t n = 0;
  try {
    n = count ? ToLong(*count) : 0;
  } catch (const VbError&) {
  }
  for (int32_t i = 0; i < n; ++i) {
    VARIANT item;
    VariantInit(&item);
    Variant index(i);
    if (Invoke("Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::span<const Variant>(&index, 1), &item)) add(item);
    VariantClear(&item);
  }
  return items;
}

// --- the control's objects for the host ---------------------------------------------------

namespace {

// IUnknown and IDispatch without a type library: the names are given ids as
// they are asked for.
class LateBoundDispatch : public IDispatch {
 public:
  virtual ~LateBoundDispatch() = default;
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
  }

 private:
  LONG refs_ = 1;
};

// One control: its late-bound properties and methods.
class ControlDispatch final : public LateBoundDispatch {
 public:
  explicit ControlDispatch(ContainedControlPtr control) : control_(std::move(control)) {}

  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!names || !ids) return E_POINTER;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (count == 0) return S_OK;
    std::string name = win32::Narrow(names[0]);
    for (size_t i = 0; i < names_.size(); ++i) {
      if (EqualsIgnoreCase(names_[i], name)) {
        ids[0] = static_cast<DISPID>(i + 1);
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
      }
    }
    names_.push_back(name);
    ids[0] = static_cast<DISPID>(names_.size());
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
  }

  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (!params) return E_INVALIDARG;
    if (id < 1 || static_cast<size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
    const std::string& name = names_[static_cast<size_t>(id) - 1];
    try {
      std::vector<Variant> args;
      for (UINT i = params->cArgs; i-- > 0;) args.push_back(FromVariant(params->rgvarg[i]));
      if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
        return control_->Set(name, args[0]) ? S_OK : DISP_E_MEMBERNOTFOUND;
      }
      if ((flags & DISPATCH_PROPERTYGET) && args.empty()) {
        if (auto value = control_->Get(name)) {
          if (result) return ToVariant(*value, result);
          return S_OK;
        }
      }
      if (flags & DISPATCH_METHOD) {
        if (result) VariantInit(result);
        return control_->Call(name, args) ? S_OK : DISP_E_MEMBERNOTFOUND;
      }
    } catch (const VbError&) {
      return DISP_E_TYPEMISMATCH;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  ContainedControlPtr control_;
  std::vector<std::string> names_;
};

constexpr DISPID kDispidCount = 1;

// A collection of controls: Count, Item (the default member: a number from 0,
// or a name) and _NewEnum.
class CollectionDispatch final : public LateBoundDispatch {
 public:
  explicit CollectionDispatch(std::vector<ContainedControlPtr> items) : items_(std::move(items)) {}

  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      std::string name = win32::Narrow(names[i]);
      if (i == 0 && EqualsIgnoreCase(name, "Count")) ids[i] = kDispidCount;
      else if (i == 0 && EqualsIgnoreCase(name, "Item")) ids[i] = DISPID_VALUE;
      else if (i == 0 && EqualsIgnoreCase(name, "_NewEnum")) ids[i] = DISPID_NEWENUM;
      else {
        ids[i] = DISPID_UNKNOWN;
        hr = DISP_E_UNKNOWNNAME;
      }
    }
    return hr;
  }

  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (!params) return E_INVALIDARG;
    if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
    VARIANT ignored;
    if (!result) result = &ignored;
    VariantInit(result);
    switch (id) {
      case kDispidCount:
        V_VT(result) = VT_I4;
        V_I4(result) = static_cast<LONG>(items_.size());
        return S_OK;
      case DISPID_NEWENUM: {
        std::vector<VARIANT> all;
        for (const ContainedControlPtr& item : items_) {
          VARIANT v;
          VariantInit(&v);
          V_VT(&v) = VT_DISPATCH;
          V_DISPATCH(&v) = DispatchFor(item);
          all.push_back(v);
        }
        auto* enumerator = new SnapshotEnumerator<IEnumVARIANT, VARIANT>(IID_IEnumVARIANT, all, 0);
        for (VARIANT& v : all) VariantClear(&v);  // the enumerator holds its own references
        V_VT(result) = VT_UNKNOWN;
        V_UNKNOWN(result) = enumerator;
        return S_OK;
      }
      case DISPID_VALUE: {
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        const ContainedControlPtr* found = nullptr;
        try {
          Variant key = FromVariant(params->rgvarg[0]);
          if (key.Is<std::string>()) {
            for (const ContainedControlPtr& item : items_) {
              auto name = item->Get("Name");
              if (name && name->Is<std::string>() && EqualsIgnoreCase(name->As<std::string>(), key.As<std::string>())) {
                found = &item;
                break;
              }
            }
          } else {
            int32_t index = ToLong(key);
            if (index >= 0 && static_cast<size_t>(index) < items_.size()) found = &items_[static_cast<size_t>(index)];
          }
        } catch (const VbError&) {
          return DISP_E_TYPEMISMATCH;
        }
        if (!found) return DISP_E_BADINDEX;
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = DispatchFor(*found);
        return S_OK;
      }
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::vector<ContainedControlPtr> items_;
};

}  // namespace

IDispatch* DispatchFor(const ObjectPtr& object) {
  if (!object) return nullptr;
  if (auto* host_object = dynamic_cast<DispatchObject*>(object.get())) {
    host_object->Dispatch()->AddRef();
    return host_object->Dispatch();
  }
  if (auto collection = std::dynamic_pointer_cast<ControlCollection>(object)) {
    return new CollectionDispatch(collection->Items());
  }
  if (auto control = std::dynamic_pointer_cast<ContainedControl>(object)) return new ControlDispatch(control);
  return nullptr;
}

}  // namespace folivan::activex
