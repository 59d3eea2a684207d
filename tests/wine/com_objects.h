// The container's side of COM for the Windows test programs: owned interface
// pointers, reference counting, IDispatch without type information, calls by
// name, client and in-place sites, an event recorder, a property bag in
// memory, a recorder of IPropertyNotifySink calls, the message pump and the
// control in one of Wine's ATL host windows.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
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

// An IDispatch of named members, each a function of the call's flags, its
// arguments and the result (a scratch VARIANT when the caller gives none);
// identifiers 1, 2, ... in the order added unless given.
template <typename... Rest>
class Members : public Dispatch<Rest...> {
 public:
  using Body = std::function<HRESULT(WORD flags, DISPPARAMS* params, VARIANT* result)>;
  Members& Add(const wchar_t* name, Body body, DISPID id = DISPID_UNKNOWN) {
    entries_.push_back({name, id == DISPID_UNKNOWN ? static_cast<DISPID>(entries_.size() + 1) : id, std::move(body)});
    return *this;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ids[0] = DISPID_UNKNOWN;
    for (const Entry& e : entries_)
      if (count == 1 && _wcsicmp(names[0], e.name) == 0) ids[0] = e.id;
    return ids[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    for (const Entry& e : entries_) {
      if (e.id != id) continue;
      VARIANT scratch;
      VariantInit(&scratch);
      if (result) VariantInit(result);
      HRESULT hr = e.body(flags, params, result ? result : &scratch);
      VariantClear(&scratch);
      return hr;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 protected:
  void* Cast(REFIID riid) override { return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr; }

 private:
  struct Entry {
    const wchar_t* name;
    DISPID id;
    Body body;
  };
  std::vector<Entry> entries_;
};

// A member that only reads: `value()` for a get, DISP_E_MEMBERNOTFOUND for a put.
inline std::function<HRESULT(WORD, DISPPARAMS*, VARIANT*)> ReadOnly(std::function<VARIANT()> value) {
  return [value](WORD flags, DISPPARAMS*, VARIANT* result) -> HRESULT {
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return DISP_E_MEMBERNOTFOUND;
    *result = value();
    return S_OK;
  };
}

inline VARIANT Value(VARTYPE type, LONGLONG number) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I8;
  V_I8(&v) = number;
  VariantChangeType(&v, &v, 0, type);
  return v;
}

// An object as a VARIANT that holds a reference of its own.
inline VARIANT ObjectValue(IDispatch* object) {
  VARIANT v;
  VariantInit(&v);
  object->AddRef();
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = object;
  return v;
}

// A window handle as a Basic Long.
inline VARIANT Handle(HWND window) { return Value(VT_I4, static_cast<LONG>(reinterpret_cast<INT_PTR>(window))); }

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

// A client site that activates the control in place in `window`, at `place`.
template <typename... Rest>
class InPlaceSite : public ClientSite<IOleInPlaceSite, Rest...> {
 public:
  explicit InPlaceSite(HWND in, RECT at = {0, 0, 400, 300}) : window(in), place(at) {}
  HWND window;
  RECT place;
  bool activated = false, deactivated = false;
  STDMETHODIMP GetWindow(HWND* hwnd) override {
    *hwnd = window;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override {
    activated = true;
    return S_OK;
  }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO) override {
    *frame = nullptr;
    *doc = nullptr;
    *pos = place;
    GetClientRect(window, clip);
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override {
    deactivated = true;
    return S_OK;
  }
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

 protected:
  void* Cast(REFIID riid) override {
    if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) return static_cast<IOleInPlaceSite*>(this);
    return ClientSite<IOleInPlaceSite, Rest...>::Cast(riid);
  }
};

// An in-place site that is also the control's IOleControlSite; the extender is the subclass's.
template <typename... Rest>
class ControlSite : public InPlaceSite<IOleControlSite, Rest...> {
  using Base = InPlaceSite<IOleControlSite, Rest...>;

 public:
  using Base::Base;
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_IOleControlSite ? static_cast<IOleControlSite*>(this) : Base::Cast(riid);
  }
};

// One event as a sink heard it: its identifier, the types of its arguments and
// their values as numbers (through the references; -12345 for a non-number).
struct Fired {
  DISPID id;
  std::vector<VARTYPE> types;
  std::vector<double> values;
};

// A sink of the events interface `events` that records them; `handler`, when
// set, runs after (it may write through the references).
class EventRecorder : public Dispatch<> {
 public:
  explicit EventRecorder(const IID& events) : events_(events) {}
  std::vector<Fired> fired;
  std::function<void(DISPID, DISPPARAMS*)> handler;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    Fired f{id, {}, {}};
    for (UINT i = params->cArgs; i-- > 0;) {  // arguments arrive last first
      VARIANT value;
      VariantInit(&value);
      f.types.push_back(V_VT(&params->rgvarg[i]));
      VariantCopyInd(&value, &params->rgvarg[i]);
      f.values.push_back(SUCCEEDED(VariantChangeType(&value, &value, 0, VT_R8)) ? V_R8(&value) : -12345.0);
    }
    fired.push_back(f);
    if (handler) handler(id, params);
    return S_OK;
  }
  const Fired* Find(DISPID id) const {
    for (const Fired& f : fired)
      if (f.id == id) return &f;
    return nullptr;
  }

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

// A new control sited in `site` (whose window is the form) and active in place
// there: made by `factory`, or by CoCreateInstance of the registered class.
template <typename SiteT>
struct Hosted {
  HWND frame;
  SiteT* site;
  Ref<IDispatch> control;
  Ref<IOleObject> ole;
  HRESULT activation = E_FAIL;
  HWND window = nullptr;

  Hosted(SiteT* in, IClassFactory* factory, REFCLSID clsid) : frame(in->window), site(in) {
    ShowWindow(frame, SW_SHOWNOACTIVATE);
    if (factory) factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control.p));
    else CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&control.p));
    if (!control || FAILED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole.p)))) return;
    ole->SetClientSite(site);
    if (auto persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit)) persist->InitNew();
    activation = ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, frame, nullptr);
    if (auto inplace = Query<IOleInPlaceObject>(control, IID_IOleInPlaceObject)) inplace->GetWindow(&window);
  }
  ~Hosted() {
    if (ole) {
      ole->Close(OLECLOSE_NOSAVE);
      ole->SetClientSite(nullptr);
    }
    ole.Reset();
    control.Reset();
    site->Release();
    DestroyWindow(frame);
  }
  Hosted(const Hosted&) = delete;
  Hosted& operator=(const Hosted&) = delete;
};

// A top-level window for a form, width x height.
inline HWND FormWindow(int width, int height) {
  return CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, width, height, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// --- calls by name ---------------------------------------------------------------------------

inline VARIANT I2(short v) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_I2;
  V_I2(&r) = v;
  return r;
}

inline VARIANT Text(const wchar_t* v) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_BSTR;
  V_BSTR(&r) = SysAllocString(v);
  return r;
}

// Invokes the member `name` with its arguments in order (a put's value last,
// named as the put value); clears them. The result, when asked for, is the caller's.
// The dispatch identifier of a member, or DISPID_UNKNOWN.
inline DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) ? id : DISPID_UNKNOWN;
}

inline HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args = {},
                    VARIANT* result = nullptr) {
  const DISPID id = IdOf(object, name);
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPID put = DISPID_PROPERTYPUT;
  const bool is_put = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), is_put ? &put : nullptr,
                    static_cast<UINT>(reversed.size()), is_put ? 1u : 0u};
  VARIANT ignored;
  VariantInit(&ignored);
  if (!result) result = &ignored;
  VariantInit(result);
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
  VariantClear(&ignored);
  for (VARIANT& a : args) VariantClear(&a);
  return hr;
}

inline HRESULT Put(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args) {
  return Call(object, name, DISPATCH_PROPERTYPUT, std::move(args));
}

// A property read as a Long (-999 on failure) or as text.
inline long GetLong(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
  VARIANT v;
  if (FAILED(Call(object, name, DISPATCH_PROPERTYGET, std::move(args), &v)) ||
      FAILED(VariantChangeType(&v, &v, 0, VT_I4)))
    return -999;
  return V_I4(&v);
}

inline std::wstring GetText(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
  VARIANT v;
  if (FAILED(Call(object, name, DISPATCH_PROPERTYGET, std::move(args), &v)) || V_VT(&v) != VT_BSTR) {
    VariantClear(&v);
    return L"<failed>";
  }
  std::wstring text(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
  VariantClear(&v);
  return text;
}

// What a font object (IFont) holds, or nothing for another object.
struct FontFields {
  std::wstring name;
  double points = 0;
  SHORT weight = 0, charset = 0;
  BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
};
inline std::optional<FontFields> ReadFont(IUnknown* object) {
  auto font = Query<IFont>(object, IID_IFont);
  if (!font) return std::nullopt;
  FontFields f;
  BSTR name = nullptr;
  CY size{};
  font->get_Name(&name);
  font->get_Size(&size);
  font->get_Weight(&f.weight);
  font->get_Charset(&f.charset);
  font->get_Bold(&f.bold);
  font->get_Italic(&f.italic);
  font->get_Underline(&f.underline);
  font->get_Strikethrough(&f.strike);
  f.name = name ? name : L"";
  SysFreeString(name);
  f.points = static_cast<double>(size.int64) / 10000;
  return f;
}

// --- windows ----------------------------------------------------------------------------------

// Dispatches the thread's messages for `ms` milliseconds.
inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

// The window's rectangle in the client coordinates of `parent`.
inline RECT PlaceIn(HWND window, HWND parent) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

template <typename T>
T Proc(HMODULE module, const char* name) {
  return module ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The registered control made by its ProgID in a window of Wine's ATL host
// (atl.dll AtlAxWin unless told), width x height at (10, 10) of a visible frame.
struct AtlHost {
  HWND frame = nullptr, host = nullptr;
  HWND window = nullptr;  // the control's own, in the host window
  Ref<IUnknown> control;
  bool initialized = false;  // the library loaded and AtlAxWinInit registered its window class

  AtlHost(int width, int height, const wchar_t* dll = L"atl.dll", const wchar_t* window_class = L"AtlAxWin") {
    HMODULE atl = LoadLibraryW(dll);
    auto init = Proc<BOOL(WINAPI*)()>(atl, "AtlAxWinInit");
    auto get_control = Proc<HRESULT(WINAPI*)(HWND, IUnknown**)>(atl, "AtlAxGetControl");
    // AtlAxWinInit registers the window class once a process.
    static std::vector<HMODULE> ready;
    initialized = init && get_control && (std::find(ready.begin(), ready.end(), atl) != ready.end() || init());
    if (initialized && std::find(ready.begin(), ready.end(), atl) == ready.end()) ready.push_back(atl);
    if (!initialized) return;
    frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width + 200, height + 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    host = CreateWindowExW(0, window_class, L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, width, height,
                           frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (host) get_control(host, &control.p);
    window = host ? FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr) : nullptr;
  }
  ~AtlHost() {
    control.Reset();
    if (host) DestroyWindow(host);
    if (frame) DestroyWindow(frame);
    Pump(20);
  }
  AtlHost(const AtlHost&) = delete;
  AtlHost& operator=(const AtlHost&) = delete;
  template <typename T>
  Ref<T> As(REFIID iid) const {
    return Query<T>(control, iid);
  }
};

}  // namespace com
