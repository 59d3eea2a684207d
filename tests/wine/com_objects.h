// The container's side of COM for the Windows test programs: owned interface
// pointers, reference counting, IDispatch without type information, a client
// site that answers the ambient UserMode, an event sink, a property bag in
// memory and a recorder of IPropertyNotifySink calls.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace com {

// An owned interface pointer, released when it goes.
template <typename T>
struct Ref {
  T* p = nullptr;
  Ref() = default;
  explicit Ref(T* owned) : p(owned) {}
  Ref(Ref&& other) noexcept : p(std::exchange(other.p, nullptr)) {}
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  ~Ref() { Reset(); }
  void Reset() {
    if (p) p->Release();
    p = nullptr;
  }
  T* operator->() const { return p; }
  operator T*() const { return p; }
};

// The interface iid of an object, or null.
template <typename T>
Ref<T> Query(IUnknown* object, REFIID iid) {
  Ref<T> r;
  if (object) object->QueryInterface(iid, reinterpret_cast<void**>(&r.p));
  return r;
}

// Reference counting; QueryInterface answers IUnknown with the first
// interface and everything else through Cast.
template <typename First, typename... Rest>
class Object : public First, public Rest... {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    *object = riid == IID_IUnknown ? static_cast<First*>(this) : Cast(riid);
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG r = --refs_;
    if (r == 0) delete this;
    return r;
  }
  virtual ~Object() = default;

 protected:
  virtual void* Cast(REFIID riid) = 0;

 private:
  ULONG refs_ = 1;
};

// IDispatch without type information, for event sinks and ambient properties.
template <typename... Rest>
class Dispatch : public Object<IDispatch, Rest...> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
};

// A client site whose IDispatch gives the ambient UserMode.
template <typename... Rest>
class ClientSite : public Dispatch<IOleClientSite, Rest...> {
 public:
  bool user_mode = true;
  STDMETHODIMP SaveObject() override { return S_OK; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override {
    *m = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** c) override {
    *c = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = user_mode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

 protected:
  void* Cast(REFIID riid) override {
    if (riid == IID_IOleClientSite) return static_cast<IOleClientSite*>(this);
    return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
  }
};

// A sink of the events interface `events`; Invoke is the subclass's.
class EventSinkBase : public Dispatch<> {
 public:
  explicit EventSinkBase(const IID& events) : events_(events) {}

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_IDispatch || riid == events_ ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  IID events_;
};

class MemoryBag : public Object<IPropertyBag> {
 public:
  std::map<std::wstring, VARIANT> values;
  std::vector<std::wstring> order;  // names in the order of their first write
  ~MemoryBag() override {
    for (auto& [key, value] : values) VariantClear(&value);
  }
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    auto it = values.find(name);
    if (it == values.end()) return E_INVALIDARG;
    VARTYPE wanted = V_VT(value);
    VariantInit(value);
    return wanted == VT_EMPTY ? VariantCopy(value, &it->second) : VariantChangeType(value, &it->second, 0, wanted);
  }
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
    if (!values.count(name)) order.emplace_back(name);
    VARIANT& slot = values[name];  // a new slot is zeroed: VT_EMPTY
    VariantClear(&slot);
    return VariantCopy(&slot, value);
  }

 protected:
  void* Cast(REFIID riid) override { return riid == IID_IPropertyBag ? static_cast<IPropertyBag*>(this) : nullptr; }
};

// Records IPropertyNotifySink::OnChanged calls.
class NotifySink : public Object<IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  STDMETHODIMP OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_IPropertyNotifySink ? static_cast<IPropertyNotifySink*>(this) : nullptr;
  }
};

// Advises sink on the connection point iid of control; the point (the
// caller's to release), or null.
inline IConnectionPoint* Advise(IUnknown* control, REFIID iid, IUnknown* sink, DWORD* cookie) {
  IConnectionPoint* point = nullptr;
  auto container = Query<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
  if (container && SUCCEEDED(container->FindConnectionPoint(iid, &point))) point->Advise(sink, cookie);
  return point;
}

}  // namespace com
