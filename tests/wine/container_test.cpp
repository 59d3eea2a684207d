// A container of the project's own, for what script hosts do not reach:
// the events through IConnectionPointContainer with by-reference arguments
// whose changes flow back, error info on a failing member, persistence into a
// property bag and a stream, in-place activation in a window with ambient
// properties, and the module's unload count. Loads FolivanTabs.ocx from its
// own directory without registration.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;
using wine_check::EqualText;
using wine_check::Succeeded;

namespace {

// --- plumbing ----------------------------------------------------------------------------

template <typename T>
void SafeRelease(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

// Property get through IDispatch with optional arguments (given in order).
HRESULT Get(IDispatch* object, const wchar_t* name, VARIANT* result, std::vector<VARIANT> args = {}) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  VariantInit(result);
  return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, result,
                        nullptr, nullptr);
}

HRESULT Put(IDispatch* object, const wchar_t* name, VARIANT value, EXCEPINFO* excep = nullptr) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &put, 1, 1};
  return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                        excep, nullptr);
}

VARIANT I2(short v) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_I2;
  V_I2(&r) = v;
  return r;
}

VARIANT I4(LONG v) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_I4;
  V_I4(&r) = v;
  return r;
}

VARIANT Text(const wchar_t* v) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_BSTR;
  V_BSTR(&r) = SysAllocString(v);
  return r;
}

short GetShort(IDispatch* object, const wchar_t* name) {
  VARIANT v;
  if (FAILED(Get(object, name, &v)) || FAILED(VariantChangeType(&v, &v, 0, VT_I2))) return -999;
  return V_I2(&v);
}

std::wstring GetText(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
  VARIANT v;
  if (FAILED(Get(object, name, &v, std::move(args))) || V_VT(&v) != VT_BSTR) return L"<failed>";
  std::wstring text(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
  VariantClear(&v);
  return text;
}

// A simple COM object base: reference count and QueryInterface over a list.
template <typename... Interfaces>
class ComObject : public Interfaces... {
 public:
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG r = --refs_;
    if (r == 0) delete this;
    return r;
  }
  virtual ~ComObject() = default;

 protected:
  ULONG refs_ = 1;
};

// --- an event sink ---------------------------------------------------------------------------

struct Fired {
  DISPID id;
  std::vector<VARTYPE> types;
  std::vector<double> values;  // numbers read through the references
};

class EventSink : public ComObject<IDispatch> {
 public:
  std::vector<Fired> fired;
  bool veto = false;        // BeforeTabChange: set Cancel
  short redirect_to = -1;   // BeforeTabChange: replace NewTab

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID___FolivanTab) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    Fired f{id, {}, {}};
    // Arguments arrive last first.
    for (UINT i = params->cArgs; i-- > 0;) {
      VARIANT& a = params->rgvarg[i];
      f.types.push_back(V_VT(&a));
      VARIANT value;
      VariantInit(&value);
      VariantCopyInd(&value, &a);
      VariantChangeType(&value, &value, 0, VT_R8);
      f.values.push_back(V_VT(&value) == VT_R8 ? V_R8(&value) : -12345.0);
    }
    if (id == 3 && params->cArgs == 2) {
      VARIANT& new_tab = params->rgvarg[1];
      VARIANT& cancel = params->rgvarg[0];
      if (veto && V_VT(&cancel) == (VT_BYREF | VT_BOOL)) *V_BOOLREF(&cancel) = VARIANT_TRUE;
      if (redirect_to >= 0 && V_VT(&new_tab) == (VT_BYREF | VT_I2)) *V_I2REF(&new_tab) = redirect_to;
    }
    fired.push_back(f);
    return S_OK;
  }

  const Fired* Find(DISPID id) const {
    for (const Fired& f : fired)
      if (f.id == id) return &f;
    return nullptr;
  }
};

// --- a property bag --------------------------------------------------------------------------

class MemoryBag : public ComObject<IPropertyBag> {
 public:
  std::map<std::wstring, VARIANT> values;
  ~MemoryBag() override {
    for (auto& [k, v] : values) VariantClear(&v);
  }
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IPropertyBag) {
      *object = static_cast<IPropertyBag*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    auto it = values.find(name);
    if (it == values.end()) return E_INVALIDARG;
    VARTYPE wanted = V_VT(value);
    VariantInit(value);
    if (wanted != VT_EMPTY) return VariantChangeType(value, &it->second, 0, wanted);
    return VariantCopy(value, &it->second);
  }
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, value);
    auto it = values.find(name);
    if (it != values.end()) VariantClear(&it->second);
    values[name] = copy;
    return S_OK;
  }
};

// --- a control site ---------------------------------------------------------------------------

class Site : public ComObject<IOleClientSite, IOleInPlaceSite, IDispatch> {
 public:
  explicit Site(HWND window) : window_(window) {}
  bool user_mode = true;
  bool activated = false;
  bool deactivated = false;

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (riid == IID_IDispatch) {
      *object = static_cast<IDispatch*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  // IOleClientSite
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
  // IOleInPlaceSite
  STDMETHODIMP GetWindow(HWND* hwnd) override {
    *hwnd = window_;
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
    SetRect(pos, 10, 20, 310, 220);
    SetRect(clip, 0, 0, 400, 300);
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
  // IDispatch: the ambient properties.
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id == DISPID_AMBIENT_USERMODE && result) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = user_mode ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  HWND window_;
};

// --- the module ---------------------------------------------------------------------------------

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadFn = HRESULT(STDAPICALLTYPE*)();

HMODULE g_module = nullptr;
IClassFactory* g_factory = nullptr;

IDispatch* NewControl() {
  IDispatch* control = nullptr;
  if (!g_factory || FAILED(g_factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control))))
    return nullptr;
  return control;
}

// --- the tests ------------------------------------------------------------------------------------

void TestInterfaces() {
  IDispatch* control = NewControl();
  Check(control != nullptr, "class factory creates the control");
  if (!control) return;
  const std::pair<IID, const char*> interfaces[] = {
      {IID__FolivanTab, "_FolivanTab"},
      {IID_IOleObject, "IOleObject"},
      {IID_IOleInPlaceObject, "IOleInPlaceObject"},
      {IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject"},
      {IID_IOleControl, "IOleControl"},
      {IID_IViewObject2, "IViewObject2"},
      {IID_IPersistStreamInit, "IPersistStreamInit"},
      {IID_IPersistPropertyBag, "IPersistPropertyBag"},
      {IID_IConnectionPointContainer, "IConnectionPointContainer"},
      {IID_IProvideClassInfo2, "IProvideClassInfo2"},
  };
  std::string missing;
  for (const auto& [iid, name] : interfaces) {
    IUnknown* unknown = nullptr;
    if (FAILED(control->QueryInterface(iid, reinterpret_cast<void**>(&unknown)))) missing += std::string(" ") + name;
    SafeRelease(unknown);
  }
  Check(missing.empty(), "control exposes its COM interfaces", "missing" + missing);

  IProvideClassInfo2* info = nullptr;
  if (SUCCEEDED(control->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)))) {
    GUID source{};
    info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
    Check(source == DIID___FolivanTab, "IProvideClassInfo2 names __FolivanTab as the source");
    ITypeInfo* coclass = nullptr;
    Succeeded(info->GetClassInfo(&coclass), "IProvideClassInfo2 gives the coclass type info");
    SafeRelease(coclass);
    SafeRelease(info);
  }
  IOleObject* ole = nullptr;
  if (SUCCEEDED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)))) {
    DWORD status = 0;
    ole->GetMiscStatus(DVASPECT_CONTENT, &status);
    Equal(static_cast<unsigned long>(status),
          static_cast<unsigned long>(OLEMISC_SIMPLEFRAME | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST |
                                     OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE),
          "GetMiscStatus");
    SafeRelease(ole);
  }
  control->Release();
}

void TestEvents() {
  IDispatch* control = NewControl();
  if (!control) return;
  IConnectionPointContainer* container = nullptr;
  IConnectionPoint* point = nullptr;
  control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  Succeeded(container ? container->FindConnectionPoint(DIID___FolivanTab, &point) : E_FAIL,
            "FindConnectionPoint(__FolivanTab)");
  IConnectionPoint* none = nullptr;
  Check(container && container->FindConnectionPoint(IID_IPropertyBag, &none) == CONNECT_E_NOCONNECTION,
        "no connection point for other interfaces");
  SafeRelease(none);
  if (!point) {
    SafeRelease(container);
    control->Release();
    return;
  }
  auto* sink = new EventSink();
  DWORD cookie = 0;
  Succeeded(point->Advise(static_cast<IDispatch*>(sink), &cookie), "Advise the event sink");

  IEnumConnectionPoints* points = nullptr;
  IConnectionPoint* listed[3] = {};
  ULONG listed_count = 0;
  if (SUCCEEDED(container->EnumConnectionPoints(&points)) && points) points->Next(3, listed, &listed_count);
  IID second{};
  if (listed_count == 2) listed[1]->GetConnectionInterface(&second);
  Check(listed_count == 2 && listed[0] == point && second == IID_IPropertyNotifySink,
        "EnumConnectionPoints lists the event and the property-notification connection points");
  for (ULONG i = 0; i < listed_count; ++i) listed[i]->Release();
  SafeRelease(points);
  IEnumConnections* connections = nullptr;
  CONNECTDATA data[2] = {};
  ULONG data_count = 0;
  if (SUCCEEDED(point->EnumConnections(&connections)) && connections) connections->Next(2, data, &data_count);
  Check(data_count == 1 && data[0].dwCookie == cookie, "EnumConnections lists the advised sink");
  for (ULONG i = 0; i < data_count; ++i) data[i].pUnk->Release();
  SafeRelease(connections);

  Put(control, L"CurrentTab", I2(1));
  const Fired* before = sink->Find(3);
  const Fired* change = sink->Find(4);
  Check(before && before->types.size() == 2 && before->types[0] == (VT_BYREF | VT_I2) &&
            before->types[1] == (VT_BYREF | VT_BOOL),
        "BeforeTabChange(NewTab, Cancel) arrives with arguments by reference");
  Check(before && before->values.size() == 2 && before->values[0] == 1 && before->values[1] == 0,
        "BeforeTabChange carries the new tab and Cancel false");
  Check(change && change->values.size() == 2 && change->values[0] == 0 && change->values[1] == 1,
        "TabChange(LastTab 0, NewTab 1)");

  // The values a handler leaves in by-reference arguments reach the control.
  sink->fired.clear();
  sink->veto = true;
  Put(control, L"CurrentTab", I2(2));
  Equal(static_cast<int>(GetShort(control, L"CurrentTab")), 1, "Cancel set by the handler vetoes the change");
  Check(sink->Find(4) == nullptr, "no TabChange after a veto");
  sink->veto = false;
  sink->redirect_to = 0;
  Put(control, L"CurrentTab", I2(2));
  Equal(static_cast<int>(GetShort(control, L"CurrentTab")), 0, "NewTab changed by the handler is taken");
  sink->redirect_to = -1;

  Succeeded(point->Unadvise(cookie), "Unadvise");
  sink->fired.clear();
  Put(control, L"CurrentTab", I2(2));
  Check(sink->fired.empty(), "no events after Unadvise");
  Check(point->Unadvise(cookie) == CONNECT_E_NOCONNECTION, "a second Unadvise is refused");

  sink->Release();
  SafeRelease(point);
  SafeRelease(container);
  control->Release();
}

void TestErrors() {
  IDispatch* control = NewControl();
  if (!control) return;
  Put(control, L"CurrentTab", I2(-1));
  EXCEPINFO excep{};
  HRESULT hr = Put(control, L"cTabStartColor", I4(255), &excep);
  Check(hr == DISP_E_EXCEPTION, "a run-time error of the control is DISP_E_EXCEPTION");
  Equal(static_cast<unsigned long>(excep.scode), 0x800A0009ul, "EXCEPINFO scode carries error 9");
  Check(excep.bstrDescription && SysStringLen(excep.bstrDescription) > 0, "EXCEPINFO has a description");
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);

  VARIANT result;
  hr = Get(control, L"GetControlDimensions", &result);
  Check(FAILED(hr), "members the control does not offer yet fail");
  control->Release();
}

void TestPropertyBag() {
  IDispatch* control = NewControl();
  if (!control) return;
  IPersistPropertyBag* persist = nullptr;
  control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
  if (!persist) {
    Check(false, "IPersistPropertyBag");
    control->Release();
    return;
  }
  persist->InitNew();
  Put(control, L"Tabs", I2(4));
  VARIANT caption_args[1] = {I2(1)};
  {
    VARIANT args[2] = {Text(L"Saved caption"), caption_args[0]};  // reversed: value last
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{args, &put, 2, 1};
    control->Invoke(IdOf(control, L"TabCaption"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                    nullptr, nullptr, nullptr);
    VariantClear(&args[0]);
  }
  auto* bag = new MemoryBag();
  Succeeded(persist->Save(bag, TRUE, FALSE), "IPersistPropertyBag::Save");
  Check(bag->values.count(L"Tabs") == 1, "the bag holds the changed Tabs");
  persist->Release();
  control->Release();

  IDispatch* loaded = NewControl();
  IPersistPropertyBag* persist2 = nullptr;
  if (loaded) loaded->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist2));
  if (persist2) {
    Succeeded(persist2->Load(bag, nullptr), "IPersistPropertyBag::Load");
    Equal(static_cast<int>(GetShort(loaded, L"Tabs")), 4, "Tabs restored from the bag");
    EqualText(GetText(loaded, L"TabCaption", {I2(1)}), L"Saved caption", "TabCaption(1) restored from the bag");
    persist2->Release();
  }
  if (loaded) loaded->Release();
  bag->Release();
}

void TestStream() {
  IDispatch* control = NewControl();
  if (!control) return;
  IPersistStreamInit* persist = nullptr;
  control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  if (!persist) {
    Check(false, "IPersistStreamInit");
    control->Release();
    return;
  }
  persist->InitNew();
  Check(persist->IsDirty() == S_FALSE, "a new control is not dirty");
  Put(control, L"Tabs", I2(6));
  Check(persist->IsDirty() == S_OK, "a property write makes it dirty");
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  Succeeded(persist->Save(stream, TRUE), "IPersistStreamInit::Save");
  Check(persist->IsDirty() == S_FALSE, "saving with fClearDirty clears it");
  persist->Release();
  control->Release();

  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  IDispatch* loaded = NewControl();
  IPersistStreamInit* persist2 = nullptr;
  if (loaded) loaded->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist2));
  if (persist2) {
    Succeeded(persist2->Load(stream), "IPersistStreamInit::Load");
    Equal(static_cast<int>(GetShort(loaded, L"Tabs")), 6, "Tabs restored from the stream");
    persist2->Release();
  }
  if (loaded) loaded->Release();
  stream->Release();
}

void TestInPlace() {
  HWND frame = CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ShowWindow(frame, SW_SHOWNOACTIVATE);
  IDispatch* control = NewControl();
  if (!control || !frame) return;
  IOleObject* ole = nullptr;
  control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
  auto* site = new Site(frame);
  ole->SetClientSite(site);
  IPersistStreamInit* persist = nullptr;
  control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  persist->InitNew();
  persist->Release();

  Succeeded(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, frame, nullptr), "DoVerb(INPLACEACTIVATE)");
  Check(site->activated, "the control tells the site OnInPlaceActivate");
  IOleInPlaceObject* inplace = nullptr;
  control->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inplace));
  HWND window = nullptr;
  if (inplace) inplace->GetWindow(&window);
  Check(window && GetParent(window) == frame, "the control's window is a child of the site's window");
  RECT rect{};
  if (window) {
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
  }
  Check(rect.left == 10 && rect.top == 20 && rect.right == 310 && rect.bottom == 220,
        "the window takes the position rectangle of the site");
  VARIANT hwnd_value;
  Get(control, L"hwnd", &hwnd_value);
  Check(V_VT(&hwnd_value) == VT_I4 && V_I4(&hwnd_value) == static_cast<LONG>(reinterpret_cast<LONG_PTR>(window)),
        "hwnd property is the control's window");

  RECT moved{0, 0, 200, 150};
  if (inplace) inplace->SetObjectRects(&moved, &moved);
  RECT client{};
  if (window) GetClientRect(window, &client);
  Check(client.right == 200 && client.bottom == 150, "SetObjectRects resizes the window");

  // The mouse reaches the control and comes back as a MouseDown event with
  // singles by reference.
  IConnectionPointContainer* container = nullptr;
  IConnectionPoint* point = nullptr;
  control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (container) container->FindConnectionPoint(DIID___FolivanTab, &point);
  auto* sink = new EventSink();
  DWORD cookie = 0;
  if (point) point->Advise(static_cast<IDispatch*>(sink), &cookie);
  if (window) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 12));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
  }
  const Fired* down = sink->Find(13);
  Check(down && down->types.size() == 4 && down->types[2] == (VT_BYREF | VT_R4) && down->values[0] == 1 &&
            down->values[2] == 40 && down->values[3] == 12,
        "a press in the window raises MouseDown(1, shift, 40, 12)");
  Check(sink->Find(15) != nullptr, "a release raises MouseUp");
  Check(sink->Find(1) != nullptr, "press and release inside raise Click");
  if (point) point->Unadvise(cookie);
  sink->Release();
  SafeRelease(point);
  SafeRelease(container);

  // The window shows the same image that IViewObject::Draw gives a container.
  IViewObject2* view = nullptr;
  control->QueryInterface(IID_IViewObject2, reinterpret_cast<void**>(&view));
  if (window && view) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC window_dc = GetDC(window);
    HDC memory_dc = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateCompatibleBitmap(window_dc, 200, 150);
    HGDIOBJ old_bitmap = SelectObject(memory_dc, bitmap);
    RECTL bounds{0, 0, 200, 150};
    Succeeded(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory_dc, &bounds, nullptr, nullptr, 0),
              "IViewObject::Draw");
    int differing = 0;
    std::string first;
    for (int y = 5; y < 150; y += 29) {
      for (int x = 3; x < 200; x += 31) {
        COLORREF shown = GetPixel(window_dc, x, y);
        COLORREF drawn = GetPixel(memory_dc, x, y);
        if (shown == drawn) continue;
        if (differing++ == 0) {
          char text[96];
          snprintf(text, sizeof(text), "at %d,%d the window shows %06lx, the view %06lx", x, y, shown, drawn);
          first = text;
        }
      }
    }
    Check(differing == 0, "the window shows the image IViewObject::Draw paints", first);
    SelectObject(memory_dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory_dc);
    ReleaseDC(window, window_dc);
  }
  SafeRelease(view);

  Succeeded(ole->Close(OLECLOSE_NOSAVE), "IOleObject::Close");
  Check(site->deactivated, "Close deactivates in place");
  Check(!window || !IsWindow(window), "Close destroys the control's window");
  ole->SetClientSite(nullptr);
  SafeRelease(inplace);
  ole->Release();
  site->Release();
  control->Release();
  DestroyWindow(frame);
}

// The container's UserMode ambient reaches the control: a disabled tab can be
// selected in a form designer but not at run time.
void TestUserMode() {
  for (bool user_mode : {false, true}) {
    IDispatch* control = NewControl();
    if (!control) return;
    IOleObject* ole = nullptr;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
    auto* site = new Site(nullptr);
    site->user_mode = user_mode;
    ole->SetClientSite(site);
    VARIANT args[2] = {I2(0), I2(1)};  // value False, then the index (reversed)
    V_VT(&args[0]) = VT_BOOL;
    V_BOOL(&args[0]) = VARIANT_FALSE;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{args, &put, 2, 1};
    control->Invoke(IdOf(control, L"iTabEnabled"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                    nullptr, nullptr, nullptr);
    Put(control, L"CurrentTab", I2(1));
    Equal(static_cast<int>(GetShort(control, L"CurrentTab")), user_mode ? 0 : 1,
          user_mode ? "a disabled tab is refused at run time (UserMode true)"
                    : "a disabled tab is selected in a designer (UserMode false)");
    ole->SetClientSite(nullptr);
    ole->Release();
    site->Release();
    control->Release();
  }
}

// An access key in a caption becomes an accelerator of the container, and the
// container's OnMnemonic selects the tab.
void TestMnemonics() {
  IDispatch* control = NewControl();
  if (!control) return;
  IOleControl* ole_control = nullptr;
  control->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&ole_control));
  if (!ole_control) {
    Check(false, "IOleControl");
    control->Release();
    return;
  }
  CONTROLINFO info{};
  info.cb = sizeof(info);
  ole_control->GetControlInfo(&info);
  Equal(static_cast<int>(info.cAccel), 0, "no accelerators without access keys");
  VARIANT args[2] = {Text(L"&Open"), I2(2)};
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, &put, 2, 1};
  control->Invoke(IdOf(control, L"TabCaption"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                  nullptr, nullptr);
  VariantClear(&args[0]);
  info = CONTROLINFO{};
  info.cb = sizeof(info);
  ole_control->GetControlInfo(&info);
  ACCEL accel{};
  bool alt_o = info.cAccel == 1 && info.hAccel && CopyAcceleratorTableW(info.hAccel, &accel, 1) == 1 &&
               accel.key == 'O' && (accel.fVirt & FALT);
  Check(alt_o, "caption \"&Open\" registers Alt+O with the container");
  MSG msg{};
  msg.message = WM_SYSKEYDOWN;
  msg.wParam = 'O';
  ole_control->OnMnemonic(&msg);
  Equal(static_cast<int>(GetShort(control, L"CurrentTab")), 2, "OnMnemonic(Alt+O) selects tab 2");
  ole_control->Release();
  control->Release();
}

void TestFont() {
  IDispatch* control = NewControl();
  if (!control) return;
  _FolivanTab* tabs = nullptr;
  control->QueryInterface(IID__FolivanTab, reinterpret_cast<void**>(&tabs));
  FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"Tahoma"), {{120000, 0}}, FW_BOLD, ANSI_CHARSET, FALSE, FALSE,
                FALSE};
  desc.cySize.int64 = 120000;  // 12 points
  IFontDisp* font = nullptr;
  OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font));
  if (tabs && font) {
    Succeeded(tabs->putref_Font(font), "Font set by reference");
    IFontDisp* read = nullptr;
    tabs->get_Font(&read);
    IFont* f = nullptr;
    if (read) read->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
    BSTR name = nullptr;
    CY size{};
    BOOL bold = FALSE;
    if (f) {
      f->get_Name(&name);
      f->get_Size(&size);
      f->get_Bold(&bold);
    }
    Check(name && std::wstring(name) == L"Tahoma" && size.int64 == 120000 && bold,
          "Font reads back name, size and weight");
    SysFreeString(name);
    if (f) f->Release();
    if (read) read->Release();
  }
  if (font) font->Release();
  if (tabs) tabs->Release();
  control->Release();
}

// --- the container's controls on the tab control ---------------------------------------------

// Records IPropertyNotifySink::OnChanged calls.
class NotifySink : public ComObject<IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IPropertyNotifySink) {
      *object = static_cast<IPropertyNotifySink*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

// PropertyChanged reaches a container as OnChanged: the member's identifier
// when the key names a member, DISPID_UNKNOWN for keys of no member.
void TestPropertyNotify() {
  IDispatch* control = NewControl();
  if (!control) return;
  IConnectionPointContainer* container = nullptr;
  IConnectionPoint* point = nullptr;
  control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (container) container->FindConnectionPoint(IID_IPropertyNotifySink, &point);
  Check(point != nullptr, "FindConnectionPoint(IPropertyNotifySink)");
  auto* sink = new NotifySink();
  DWORD cookie = 0;
  if (point) Succeeded(point->Advise(sink, &cookie), "Advise an IPropertyNotifySink");
  Put(control, L"CurrentTab", I2(1));
  std::vector<DISPID> expected = {IdOf(control, L"Caption"), IdOf(control, L"TabEnabled"),
                                  IdOf(control, L"CurrentTab")};
  Check(sink->changed.size() >= 3 && std::vector<DISPID>(sink->changed.begin(), sink->changed.begin() + 3) == expected,
        "a tab change notifies Caption, TabEnabled and CurrentTab by dispatch identifier");
  sink->changed.clear();
  VARIANT args[2] = {Text(L"secret"), I2(2)};
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, &put, 2, 1};
  control->Invoke(IdOf(control, L"TabPassword"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                  nullptr, nullptr, nullptr);
  VariantClear(&args[0]);
  Check(sink->changed == std::vector<DISPID>{DISPID_UNKNOWN}, "a key that names no member notifies DISPID_UNKNOWN");
  if (point) point->Unadvise(cookie);
  sink->Release();
  SafeRelease(point);
  SafeRelease(container);
  control->Release();
}

HWND Child(HWND parent, const wchar_t* cls, int id, int x, int y, DWORD style) {
  return CreateWindowExW(0, cls, L"child", WS_CHILD | WS_VISIBLE | style, x, y, 80, 20, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

POINT Position(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return POINT{r.left, r.top};
}

bool HasTabStop(HWND w) { return (GetWindowLongPtrW(w, GWL_STYLE) & WS_TABSTOP) != 0; }

// The child windows of the control's window are its contained controls: a tab
// change pushes the old tab's out of sight (5000 pixels, 75000 twips at 96
// dpi, to the left), at run time out of the tab order and disabled, and
// brings them back as they were.
void TestContainedControls() {
  for (bool user_mode : {true, false}) {
    const std::string mode = user_mode ? " (run time)" : " (design time)";
    HWND frame = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    IDispatch* control = NewControl();
    if (!control || !frame) return;
    IOleObject* ole = nullptr;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
    auto* site = new Site(frame);
    site->user_mode = user_mode;
    ole->SetClientSite(site);
    IPersistPropertyBag* persist = nullptr;
    control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    persist->InitNew();
    ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, frame, nullptr);
    HWND window = nullptr;
    IOleInPlaceObject* inplace = nullptr;
    control->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inplace));
    if (inplace) inplace->GetWindow(&window);

    // Placed while tab 0 is selected: an edit without a name of its host's, a
    // named button in a control array, and a disabled static without a tab stop.
    HWND edit = Child(window, L"EDIT", 1001, 20, 40, WS_TABSTOP | WS_BORDER);
    HWND button = Child(window, L"BUTTON", 1002, 20, 70, WS_TABSTOP);
    HWND label = Child(window, L"STATIC", 1003, 20, 100, 0);
    SetPropW(button, L"Name", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(L"cmdOk"))));
    SetPropW(button, L"Index", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x10000 | 3)));
    EnableWindow(label, FALSE);

    Put(control, L"CurrentTab", I2(1));
    bool moved = Position(edit).x == 20 - 5000 && Position(button).x == 20 - 5000 && Position(label).x == 20 - 5000 &&
                 Position(edit).y == 40 && Position(button).y == 70;
    Check(moved, "leaving tab 0 moves its controls 75000 twips to the left" + mode);
    if (user_mode) {
      Check(!HasTabStop(edit) && !HasTabStop(button) && !IsWindowEnabled(edit) && !IsWindowEnabled(button),
            "leaving tab 0 takes its controls out of the tab order and disables them" + mode);
    } else {
      Check(HasTabStop(edit) && IsWindowEnabled(edit), "a form designer keeps TabStop and Enabled" + mode);
    }

    Put(control, L"CurrentTab", I2(0));
    Check(Position(edit).x == 20 && Position(button).x == 20 && Position(label).x == 20,
          "coming back to tab 0 brings its controls back" + mode);
    Check(HasTabStop(edit) && HasTabStop(button) && IsWindowEnabled(edit) && IsWindowEnabled(button) &&
              !HasTabStop(label) && !IsWindowEnabled(label),
          "coming back restores each control's own TabStop and Enabled" + mode);

    if (user_mode) {
      auto* bag = new MemoryBag();
      Succeeded(persist->Save(bag, TRUE, TRUE), "IPersistPropertyBag::Save with contained controls");
      auto text = [&](const wchar_t* key) {
        auto it = bag->values.find(key);
        return it != bag->values.end() && V_VT(&it->second) == VT_BSTR ? std::wstring(V_BSTR(&it->second))
                                                                        : std::wstring(L"<none>");
      };
      EqualText(text(L"Tab(0)ContCtrlCap(1)"), L"Edit1001[0]", "the first child is recorded by class and identifier");
      EqualText(text(L"Tab(0)ContCtrlCap(2)"), L"cmdOk[3]", "the second child by the host's Name and Index");
      EqualText(text(L"Tab(0)ContCtrlCap(3)"), L"Static1003[0]", "the third child, in creation order");
      Check(bag->values.count(L"Tab(1)ContCtrlCap(1)") == 0, "tab 1 owns no control");
      bag->Release();
    }

    GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(button, L"Name"))));
    RemovePropW(button, L"Index");
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
    SafeRelease(inplace);
    persist->Release();
    ole->Release();
    site->Release();
    control->Release();
    DestroyWindow(frame);
  }
}

void TestUnload(CanUnloadFn can_unload) {
  Check(can_unload() == S_FALSE, "DllCanUnloadNow refuses while the factory is held");
  IDispatch* control = NewControl();
  SafeRelease(g_factory);
  Check(can_unload() == S_FALSE, "DllCanUnloadNow refuses while an object lives");
  if (control) control->Release();
  Check(can_unload() == S_OK, "DllCanUnloadNow agrees when everything is released");
}

}  // namespace

int wmain() {
  OleInitialize(nullptr);
  g_module = LoadLibraryW(L"FolivanTabs.ocx");
  Check(g_module != nullptr, "LoadLibrary(FolivanTabs.ocx)");
  if (!g_module) return wine_check::Finish();
  auto get_class_object = reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(g_module, "DllGetClassObject")));
  auto can_unload = reinterpret_cast<CanUnloadFn>(reinterpret_cast<void*>(GetProcAddress(g_module, "DllCanUnloadNow")));
  Check(get_class_object && can_unload, "the module exports DllGetClassObject and DllCanUnloadNow");
  if (!get_class_object || !can_unload) return wine_check::Finish();
  IClassFactory* wrong = nullptr;
  Check(get_class_object(IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(&wrong)) ==
            CLASS_E_CLASSNOTAVAILABLE,
        "DllGetClassObject refuses other classes");
  Succeeded(get_class_object(CLSID_FolivanTab, IID_IClassFactory, reinterpret_cast<void**>(&g_factory)),
            "DllGetClassObject(CLSID_FolivanTab)");

  TestInterfaces();
  TestEvents();
  TestErrors();
  TestPropertyBag();
  TestStream();
  TestInPlace();
  TestUserMode();
  TestMnemonics();
  TestFont();
  TestPropertyNotify();
  TestContainedControls();
  TestUnload(can_unload);

  OleUninitialize();
  return wine_check::Finish();
}
