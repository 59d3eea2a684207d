// IDispatch and the members of _FolivanTab.
#include "activex/control_object.h"
#include "activex/convert.h"
#include "activex/invoke.h"
#include "activex/object_dispatch.h"
#include "platform/win32/window_controls.h"
#include "platform/win32/com_picture.h"

namespace folivan::activex {

namespace {
bool IsMissing(const VARIANT& v) { return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND; }
}  // namespace

// --- IDispatch -----------------------------------------------------------------------

STDMETHODIMP ControlObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = type_info_ ? 1 : 0;
  return S_OK;
}

STDMETHODIMP ControlObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
  type_info_->AddRef();
  *info = type_info_;
  return S_OK;
}

STDMETHODIMP ControlObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
  return DispGetIDsOfNames(type_info_, names, count, ids);
}

STDMETHODIMP ControlObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* arg_err) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
  if (!params) return E_INVALIDARG;
  SetErrorInfo(0, nullptr);
  return InvokeMember(static_cast<_FolivanTab*>(this), type_info_, id, flags, *params, result, excep, arg_err);
}

// --- methods -------------------------------------------------------------------------------

STDMETHODIMP ControlObject::SetTabDimensions(short* width, short* height) {
  if (!width || !height) return E_POINTER;
  return Call([&] {
    core_->SetTabDimensions(*width, *height);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::JumpToTab(short* tab_no, BSTR* tab_caption) {
  return Call([&] {
    int16_t number = tab_no ? *tab_no : int16_t{-1};
    std::string caption = tab_caption ? FromBstr(*tab_caption) : std::string();
    const std::string passed = caption;
    core_->JumpToTab(number, caption);
    if (tab_no) *tab_no = number;
    if (tab_caption && caption != passed) {
      std::wstring wide = win32::Widen(caption);
      if (!SysReAllocStringLen(tab_caption, wide.data(), static_cast<UINT>(wide.size()))) return E_OUTOFMEMORY;
    }
    return S_OK;
  });
}

STDMETHODIMP ControlObject::RemoveTab(short which) {
  return Call([&] {
    core_->RemoveTab(which);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::HideTab(short index) {
  return Call([&] {
    core_->HideTab(index);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::ShowHiddenTab(short index) {
  return Call([&] {
    core_->ShowHiddenTab(index);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::InsertTab(VARIANT at_index) {
  return Call([&] {
    if (IsMissing(at_index)) core_->InsertTab();
    else core_->InsertTab(FromVariant(at_index));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::SwapTabs(short* tab1, short* tab2) {
  if (!tab1 || !tab2) return E_POINTER;
  return Call([&] {
    core_->SwapTabs(*tab1, *tab2);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::Refresh() {
  return Call([&] {
    core_->Refresh();
    return S_OK;
  });
}

namespace {
// An optional argument as the control takes it: missing is Empty.
Variant OptionalArg(const VARIANT* v) { return v && !IsMissing(*v) ? FromVariant(*v) : Variant(); }

ObjectPtr HostObject(IDispatch* object) {
  if (!object) return nullptr;
  return std::make_shared<DispatchObject>(object);
}

// Writes a by-reference result back: into the caller's variable when the
// argument refers to one.
void WriteBack(VARIANT* arg, const Variant& value) {
  if (!arg) return;
  VARIANT* target = V_VT(arg) == (VT_BYREF | VT_VARIANT) ? V_VARIANTREF(arg) : arg;
  if (!target || V_ISBYREF(target)) return;
  VariantClear(target);
  ToVariant(value, target);
}
}  // namespace

STDMETHODIMP ControlObject::InsertControl(IDispatch** ctl, short at_index, VARIANT* left, VARIANT* top,
                                          VARIANT* width, VARIANT* height, VARIANT_BOOL* stretch) {
  return Call([&] {
    auto control = std::dynamic_pointer_cast<ContainedControl>(HostObject(ctl ? *ctl : nullptr));
    // On the control's window the child is known by the name its host gives it.
    if (control) win32::NameChildWindow(*control);
    core_->InsertControl(control, at_index, OptionalArg(left), OptionalArg(top), OptionalArg(width),
                         OptionalArg(height), stretch && FromVariantBool(*stretch));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::InsertWindow(IDispatch* form, short tab_no) {
  return Call([&] {
    core_->InsertWindow(HostObject(form), tab_no);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::EmbedWindow(LONG window, short tab_no) {
  return Call([&] {
    core_->EmbedWindow(static_cast<WindowHandle>(window), tab_no);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::GetControlDimensions(VARIANT* left, VARIANT* top, VARIANT* width, VARIANT* height,
                                                 VARIANT* result) {
  if (!result) return E_POINTER;
  VariantInit(result);
  return Call([&] {
    Variant l = OptionalArg(left), t = OptionalArg(top), w = OptionalArg(width), h = OptionalArg(height);
    Variant r = core_->GetControlDimensions(l, t, w, h);
    WriteBack(left, l);
    WriteBack(top, t);
    WriteBack(width, w);
    WriteBack(height, h);
    ToVariant(r, result);
    return S_OK;
  });
}

// --- properties of the whole control --------------------------------------------------------

#define FOLIVAN_VALUE_PROPERTY(Name, ComType, ToCom, FromCom)          \
  STDMETHODIMP ControlObject::get_##Name(ComType* value) {             \
    if (!value) return E_POINTER;                                      \
    return Call([&] {                                                  \
      *value = ToCom(core_->Name());                                   \
      return S_OK;                                                     \
    });                                                                \
  }                                                                    \
  STDMETHODIMP ControlObject::put_##Name(ComType value) {              \
    return Call([&] {                                                  \
      core_->Set##Name(FromCom(value));                                \
      return S_OK;                                                     \
    });                                                                \
  }

#define FOLIVAN_AS(Type) static_cast<Type>
#define FOLIVAN_BOOL_PROPERTY(Name) FOLIVAN_VALUE_PROPERTY(Name, VARIANT_BOOL, ToVariantBool, FromVariantBool)
#define FOLIVAN_COLOR_PROPERTY(Name) FOLIVAN_VALUE_PROPERTY(Name, OLE_COLOR, FOLIVAN_AS(OLE_COLOR), FOLIVAN_AS(OleColor))
#define FOLIVAN_ENUM_PROPERTY(Name, Enum) FOLIVAN_VALUE_PROPERTY(Name, ::Enum, FOLIVAN_AS(::Enum), FOLIVAN_AS(int32_t))

FOLIVAN_ENUM_PROPERTY(Appearance, Appearances)
FOLIVAN_ENUM_PROPERTY(Color, Colors)
FOLIVAN_ENUM_PROPERTY(ColorSystem, ColorSystems)
FOLIVAN_ENUM_PROPERTY(ToolTipStyle, ToolTipTypes)
FOLIVAN_COLOR_PROPERTY(BackColor)
FOLIVAN_COLOR_PROPERTY(TabColorForeGround)
FOLIVAN_COLOR_PROPERTY(TabColorShadow)
FOLIVAN_COLOR_PROPERTY(TabColorLight)
FOLIVAN_COLOR_PROPERTY(TabColorDarkShadow)
FOLIVAN_COLOR_PROPERTY(TabColorHighLight)
FOLIVAN_COLOR_PROPERTY(ForeColor)
FOLIVAN_BOOL_PROPERTY(FocusRect)
FOLIVAN_BOOL_PROPERTY(ClientArea)
FOLIVAN_BOOL_PROPERTY(WizardDetails)
FOLIVAN_BOOL_PROPERTY(WizardPictures)
FOLIVAN_BOOL_PROPERTY(Enabled)
FOLIVAN_BOOL_PROPERTY(HotTracking)
FOLIVAN_BOOL_PROPERTY(ShowToolTip)
FOLIVAN_BOOL_PROPERTY(BoldSelected)
FOLIVAN_BOOL_PROPERTY(LunaColors)
FOLIVAN_BOOL_PROPERTY(NoteOneColors)
FOLIVAN_BOOL_PROPERTY(AutoFocusControls)
FOLIVAN_BOOL_PROPERTY(AutoResizeControls)
FOLIVAN_BOOL_PROPERTY(PlainTab)
FOLIVAN_BOOL_PROPERTY(SpreadToContainer)
FOLIVAN_VALUE_PROPERTY(Tabs, short, FOLIVAN_AS(short), FOLIVAN_AS(int16_t))
FOLIVAN_VALUE_PROPERTY(CurrentTab, short, FOLIVAN_AS(short), FOLIVAN_AS(int16_t))
FOLIVAN_VALUE_PROPERTY(Caption, BSTR, ToBstr, FromBstr)
FOLIVAN_BOOL_PROPERTY(TabEnabled)

STDMETHODIMP ControlObject::get_GetClientAreaColor(OLE_COLOR* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = static_cast<OLE_COLOR>(core_->GetClientAreaColor());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_BackgroundPicture(IPictureDisp** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return Call([&] {
    *value = win32::DispatchFromPicture(core_->BackgroundPicture());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::putref_BackgroundPicture(IPictureDisp* value) {
  return Call([&] {
    core_->SetBackgroundPicture(win32::PictureFromDispatch(value));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_Font(IFontDisp** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return Call([&] {
    *value = font_->Get(core_->Font());
    return *value ? S_OK : E_OUTOFMEMORY;
  });
}

STDMETHODIMP ControlObject::putref_Font(IFontDisp* value) {
  if (!value) return E_INVALIDARG;
  return Call([&] {
    core_->SetFont(FromFont(value));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_hwnd(LONG* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = static_cast<LONG>(core_->hwnd());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_hdc(LONG* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = static_cast<LONG>(core_->hdc());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_HasDC(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = ToVariantBool(core_->HasDC());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_IControls(IDispatch** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return Call([&] {
    *value = DispatchFor(core_->IControls());
    return S_OK;
  });
}

// A collection written here is ignored.
STDMETHODIMP ControlObject::putref_IControls(IDispatch*) {
  return Call([&] {
    core_->SetIControls(nullptr);
    return S_OK;
  });
}

// --- properties of the current tab ------------------------------------------------------------

STDMETHODIMP ControlObject::get_TabPicture(IPictureDisp** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return Call([&] {
    *value = win32::DispatchFromPicture(core_->TabPicture());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::putref_TabPicture(IPictureDisp* value) {
  return Call([&] {
    core_->SetTabPicture(win32::PictureFromDispatch(value));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_cTabStartColor(OLE_COLOR* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = static_cast<OLE_COLOR>(core_->cTabStartColor());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::put_cTabStartColor(OLE_COLOR value) {
  return Call([&] {
    core_->SetcTabStartColor(value);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_cTabEndColor(OLE_COLOR* value) {
  if (!value) return E_POINTER;
  return Call([&] {
    *value = static_cast<OLE_COLOR>(core_->cTabEndColor());
    return S_OK;
  });
}

STDMETHODIMP ControlObject::put_cTabEndColor(OLE_COLOR value) {
  return Call([&] {
    core_->SetcTabEndColor(value);
    return S_OK;
  });
}

// --- properties of a tab by index ----------------------------------------------------------------

#define FOLIVAN_INDEXED_PROPERTY(Name, ComType, ToCom, FromCom)        \
  STDMETHODIMP ControlObject::get_##Name(short* index, ComType* value) { \
    if (!index || !value) return E_POINTER;                            \
    return Call([&] {                                                  \
      *value = ToCom(core_->Name(*index));                             \
      return S_OK;                                                     \
    });                                                                \
  }                                                                    \
  STDMETHODIMP ControlObject::put_##Name(short* index, ComType value) { \
    if (!index) return E_POINTER;                                      \
    return Call([&] {                                                  \
      core_->Set##Name(*index, FromCom(value));                        \
      return S_OK;                                                     \
    });                                                                \
  }

FOLIVAN_INDEXED_PROPERTY(TabCaption, BSTR, ToBstr, FromBstr)
FOLIVAN_INDEXED_PROPERTY(TabPassword, BSTR, ToBstr, FromBstr)
FOLIVAN_INDEXED_PROPERTY(TabToolTip, BSTR, ToBstr, FromBstr)
FOLIVAN_INDEXED_PROPERTY(iTabEnabled, VARIANT_BOOL, ToVariantBool, FromVariantBool)
FOLIVAN_INDEXED_PROPERTY(TabStartColor, OLE_COLOR, FOLIVAN_AS(OLE_COLOR), FOLIVAN_AS(OleColor))
FOLIVAN_INDEXED_PROPERTY(TabEndColor, OLE_COLOR, FOLIVAN_AS(OLE_COLOR), FOLIVAN_AS(OleColor))

STDMETHODIMP ControlObject::get_TagVariant(short* index, VARIANT* value) {
  if (!index || !value) return E_POINTER;
  VariantInit(value);
  return Call([&] { return ToVariant(core_->TagVariant(*index), value); });
}

STDMETHODIMP ControlObject::put_TagVariant(short* index, VARIANT value) {
  if (!index) return E_POINTER;
  return Call([&] {
    core_->SetTagVariant(*index, FromVariant(value));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::get_iTabPicture(short* index, IPictureDisp** value) {
  if (!index || !value) return E_POINTER;
  *value = nullptr;
  return Call([&] {
    *value = win32::DispatchFromPicture(core_->iTabPicture(*index));
    return S_OK;
  });
}

STDMETHODIMP ControlObject::putref_iTabPicture(short* index, IPictureDisp* value) {
  if (!index) return E_POINTER;
  return Call([&] {
    core_->SetiTabPicture(*index, win32::PictureFromDispatch(value));
    return S_OK;
  });
}

}  // namespace folivan::activex
