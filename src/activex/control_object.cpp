#include "activex/control_object.h"

#include <algorithm>
#include <cmath>

#include "activex/convert.h"
#include "activex/enumerator.h"
#include "activex/extender_controls.h"
#include "core/text.h"
#include "activex/property_page.h"
#include "platform/win32/resource_pictures.h"

namespace folivan::activex {

namespace {
constexpr double kHimetricPerTwip = 2540.0 / 1440.0;
}  // namespace

ControlObject::ControlObject() : host_(*this), events_(this), notify_(this) {
  ObjectCreated();
  type_info_ = TypeInfoOf(IID__FolivanTab);
  win32::Win32Surface& surface = host_.Win32();
  surface.on_size_request = [this](double w, double h) { RequestSize(w, h); };
  surface.on_refresh = [this] { ViewChanged(); };
  surface.on_access_keys = [this] { AccessKeysChanged(); };
  surface.on_focus_request = [this] {
    if (!hwnd_) return false;
    ::SetFocus(hwnd_);
    return true;
  };
  extent_.cx = std::lround(surface.Width() * kHimetricPerTwip);
  extent_.cy = std::lround(surface.Height() * kHimetricPerTwip);
  // The wizard page's button pictures are bitmap resources of this module.
  win32::InstallModuleResourcePictures(ModuleInstance());
  core_ = std::make_unique<FolivanTab>(host_, system_);
  // A change made through the font object is a write of Font.
  font_ = std::make_unique<LiveFont>([this](const FontDesc& font) {
    Call([&] {
      core_->SetFont(font);
      return S_OK;
    });
  });
  // Windows embedded in tabs sit on the control's window but are no contained controls.
  host_.is_own_window = [this](HWND hwnd) {
    if (!core_) return false;
    for (const TabRecord& tab : core_->State().tabs) {
      if (tab.Window != 0 && reinterpret_cast<HWND>(tab.Window) == hwnd) return true;
    }
    return false;
  };
}

ControlObject::~ControlObject() {
  if (hwnd_) InPlaceDeactivate();
  font_.reset();
  try {
    core_.reset();
  } catch (...) {
  }
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (view_sink_) view_sink_->Release();
  if (ole_advise_) ole_advise_->Release();
  SetSimpleFrameSite(nullptr);
  if (site_) site_->Release();
  if (type_info_) type_info_->Release();
  ObjectDestroyed();
}

STDMETHODIMP ControlObject::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID__FolivanTab) {
    *object = static_cast<_FolivanTab*>(this);
  } else if (riid == IID_IOleObject) {
    *object = static_cast<IOleObject*>(this);
  } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject) {
    *object = static_cast<IOleInPlaceObject*>(this);
  } else if (riid == IID_IOleInPlaceActiveObject) {
    *object = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (riid == IID_IOleControl) {
    *object = static_cast<IOleControl*>(this);
  } else if (riid == IID_IViewObject || riid == IID_IViewObject2) {
    *object = static_cast<IViewObject2*>(this);
  } else if (riid == IID_IPersist || riid == IID_IPersistStreamInit) {
    *object = static_cast<IPersistStreamInit*>(this);
  } else if (riid == IID_IPersistPropertyBag) {
    *object = static_cast<IPersistPropertyBag*>(this);
  } else if (riid == IID_IConnectionPointContainer) {
    *object = static_cast<IConnectionPointContainer*>(this);
  } else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2) {
    *object = static_cast<IProvideClassInfo2*>(this);
  } else if (riid == IID_ISupportErrorInfo) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else if (riid == IID_ISpecifyPropertyPages) {
    *object = static_cast<ISpecifyPropertyPages*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) ControlObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) ControlObject::Release() {
  LONG refs = InterlockedDecrement(&refs_);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

void ControlObject::EnsureInitialized() {
  if (initialized_) return;
  initialized_ = true;
  core_->InitProperties();
}

// --- the container as the control's host ------------------------------------------

std::optional<Variant> ControlObject::Ambient(DISPID id) {
  if (!site_) return std::nullopt;
  IDispatch* ambient = nullptr;
  if (FAILED(site_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)))) return std::nullopt;
  std::optional<Variant> result = DispatchGet(ambient, id);
  ambient->Release();
  return result;
}

std::optional<bool> ControlObject::AmbientUserMode() {
  auto value = Ambient(DISPID_AMBIENT_USERMODE);
  if (!value || value->IsEmpty()) return std::nullopt;
  try {
    return ToBoolean(*value);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

std::optional<OleColor> ControlObject::AmbientBackColor() {
  auto value = Ambient(DISPID_AMBIENT_BACKCOLOR);
  if (!value || value->IsEmpty()) return std::nullopt;
  try {
    return static_cast<OleColor>(ToLong(*value));
  } catch (const VbError&) {
    return std::nullopt;
  }
}

// The container learns of the change through IPropertyNotifySink: with the
// member's dispatch identifier when the persisted key names a member
// ("Caption", "CurrentTab"), DISPID_UNKNOWN ("any property") for the others
// ("PassWord", "TabColStart(2)").
void ControlObject::PropertyChanged(std::string_view name) {
  dirty_ = true;
  if (!notify_.HasSinks()) return;
  DISPID id = DISPID_UNKNOWN;
  std::wstring wide = win32::Widen(name);
  LPOLESTR names[1] = {wide.data()};
  if (!type_info_ || FAILED(DispGetIDsOfNames(type_info_, names, 1, &id))) id = DISPID_UNKNOWN;
  notify_.Changed(id);
}

IFolivanTabDialogs* ControlObject::ContainerDialogs() {
  if (!site_) return nullptr;
  IFolivanTabDialogs* dialogs = nullptr;
  if (FAILED(site_->QueryInterface(IID_IFolivanTabDialogs, reinterpret_cast<void**>(&dialogs)))) return nullptr;
  return dialogs;
}

std::optional<std::string> ControlObject::InputBox(std::string_view prompt, std::string_view title) {
  IFolivanTabDialogs* dialogs = ContainerDialogs();
  if (!dialogs) return std::nullopt;
  BSTR wide_prompt = SysAllocString(win32::Widen(prompt).c_str());
  BSTR wide_title = SysAllocString(win32::Widen(title).c_str());
  BSTR answer = nullptr;
  HRESULT hr = dialogs->InputBox(wide_prompt, wide_title, &answer);
  dialogs->Release();
  SysFreeString(wide_prompt);
  SysFreeString(wide_title);
  std::string text = SUCCEEDED(hr) && answer ? FromBstr(answer) : std::string();
  SysFreeString(answer);
  return text;
}

std::optional<int32_t> ControlObject::MsgBox(std::string_view text, int32_t style, std::string_view title) {
  IFolivanTabDialogs* dialogs = ContainerDialogs();
  if (!dialogs) return std::nullopt;
  BSTR wide_text = SysAllocString(win32::Widen(text).c_str());
  BSTR wide_title = SysAllocString(win32::Widen(title).c_str());
  LONG result = IDOK;
  if (FAILED(dialogs->MsgBox(wide_text, style, wide_title, &result))) result = IDOK;
  dialogs->Release();
  SysFreeString(wide_text);
  SysFreeString(wide_title);
  return static_cast<int32_t>(result);
}

void ControlObject::RaiseEvent(int32_t dispid, std::span<Variant> args) {
  if (freeze_count_ > 0) return;
  events_.Fire(dispid, args);
}

IDispatch* ControlObject::Extender() {
  if (!site_) return nullptr;
  IOleControlSite* control_site = nullptr;
  if (FAILED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&control_site)))) return nullptr;
  IDispatch* extender = nullptr;
  if (FAILED(control_site->GetExtendedControl(&extender))) extender = nullptr;
  control_site->Release();
  return extender;
}

std::optional<Variant> ControlObject::ExtenderGet(std::string_view name) {
  std::optional<Variant> result;
  if (IDispatch* extender = Extender()) {
    result = DispatchGet(extender, name);
    extender->Release();
  }
  // A container without an extender of its own may still name the control.
  if (!result && EqualsIgnoreCase(name, "Name")) result = Ambient(DISPID_AMBIENT_DISPLAYNAME);
  return result;
}

bool ControlObject::ExtenderSet(std::string_view name, const Variant& value) {
  IDispatch* extender = Extender();
  if (!extender) return false;
  bool ok = DispatchPut(extender, name, value);
  extender->Release();
  return ok;
}

std::optional<Variant> ControlObject::ParentGet(std::string_view name) {
  IDispatch* extender = Extender();
  if (!extender) return std::nullopt;
  std::optional<Variant> result;
  std::wstring parent_name = L"Parent";
  LPOLESTR names[1] = {parent_name.data()};
  DISPID id = DISPID_UNKNOWN;
  if (SUCCEEDED(extender->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT parent;
    VariantInit(&parent);
    if (SUCCEEDED(extender->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &parent, nullptr,
                                   nullptr)) &&
        V_VT(&parent) == VT_DISPATCH && V_DISPATCH(&parent)) {
      result = DispatchGet(V_DISPATCH(&parent), name);
    }
    VariantClear(&parent);
  }
  extender->Release();
  return result;
}

// --- IConnectionPointContainer, IProvideClassInfo2, ISupportErrorInfo ---------------


STDMETHODIMP ControlObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (!points) return E_POINTER;
  *points = new SnapshotEnumerator<IEnumConnectionPoints, IConnectionPoint*>(
      IID_IEnumConnectionPoints, std::vector<IConnectionPoint*>{&events_, &notify_}, 0);
  return S_OK;
}

STDMETHODIMP ControlObject::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (riid == DIID___FolivanTab) {
    *point = &events_;
  } else if (riid == IID_IPropertyNotifySink) {
    *point = &notify_;
  } else {
    return CONNECT_E_NOCONNECTION;
  }
  (*point)->AddRef();
  return S_OK;
}

STDMETHODIMP ControlObject::GetClassInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = TypeInfoOf(CLSID_FolivanTab);
  return *info ? S_OK : TYPE_E_CANTLOADLIBRARY;
}

STDMETHODIMP ControlObject::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = DIID___FolivanTab;
  return S_OK;
}

STDMETHODIMP ControlObject::InterfaceSupportsErrorInfo(REFIID riid) {
  return riid == IID__FolivanTab || riid == IID_IDispatch ? S_OK : S_FALSE;
}

STDMETHODIMP ControlObject::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
  if (!pages->pElems) {
    pages->cElems = 0;
    return E_OUTOFMEMORY;
  }
  pages->cElems = 1;
  pages->pElems[0] = CLSID_FolivanTabPage;
  return S_OK;
}

}  // namespace folivan::activex
