// The FolivanTab ActiveX object: the COM face of one folivan::FolivanTab.
// Its _FolivanTab members only translate (BSTR and UTF-8, VARIANT_BOOL and
// bool, VbError and error info) and forward to the control.
#pragma once

#include "activex/guids.h"

#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "activex/connection_point.h"
#include "activex/live_font.h"
#include "activex/module.h"
#include "core/folivan_tab.h"
#include "platform/win32/win32_host.h"
#include "platform/vb_runtime.h"
#include "platform/win32/win32_system.h"

namespace folivan::activex {

// OLEMISC flags of the control, as registered and as GetMiscStatus returns them.
constexpr DWORD kMiscStatus = OLEMISC_SIMPLEFRAME | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST |
                              OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;

class ControlObject final : public _FolivanTab,
                      public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IOleControl,
                      public IViewObject2,
                      public IPersistStreamInit,
                      public IPersistPropertyBag,
                      public IConnectionPointContainer,
                      public IProvideClassInfo2,
                      public ISupportErrorInfo,
                      public ISpecifyPropertyPages,
                      private win32::ContainerLink {
 public:
  ControlObject();
  ControlObject(const ControlObject&) = delete;
  ControlObject& operator=(const ControlObject&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch (over the type information of _FolivanTab)
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* excep, UINT* arg_err) override;

  // _FolivanTab
  STDMETHODIMP SetTabDimensions(short *Width, short *Height) override;
  STDMETHODIMP JumpToTab(short *TabNo, BSTR *TabCaption) override;
  STDMETHODIMP RemoveTab(short WhichToRemove) override;
  STDMETHODIMP HideTab(short Index) override;
  STDMETHODIMP ShowHiddenTab(short Index) override;
  STDMETHODIMP InsertTab(VARIANT AtIndex) override;
  STDMETHODIMP SwapTabs(short *Tab1, short *Tab2) override;
  STDMETHODIMP Refresh() override;
  STDMETHODIMP InsertControl(IDispatch **Ctl, short AtIndex, VARIANT *Left, VARIANT *Top, VARIANT *Width, VARIANT *Height, VARIANT_BOOL *Stretch) override;
  STDMETHODIMP InsertWindow(IDispatch *Form, short TabNo) override;
  STDMETHODIMP EmbedWindow(LONG cHwnd, short TabNo) override;
  STDMETHODIMP GetControlDimensions(VARIANT *Left, VARIANT *Top, VARIANT *Width, VARIANT *Height, VARIANT *Result) override;
  STDMETHODIMP get_Appearance(::Appearances *Value) override;
  STDMETHODIMP put_Appearance(::Appearances Value) override;
  STDMETHODIMP get_BackgroundPicture(IPictureDisp **Value) override;
  STDMETHODIMP putref_BackgroundPicture(IPictureDisp *Value) override;
  STDMETHODIMP get_Color(::Colors *Value) override;
  STDMETHODIMP put_Color(::Colors Value) override;
  STDMETHODIMP get_ColorSystem(::ColorSystems *Value) override;
  STDMETHODIMP put_ColorSystem(::ColorSystems Value) override;
  STDMETHODIMP get_BackColor(OLE_COLOR *Value) override;
  STDMETHODIMP put_BackColor(OLE_COLOR Value) override;
  STDMETHODIMP get_GetClientAreaColor(OLE_COLOR *Value) override;
  STDMETHODIMP get_TabColorForeGround(OLE_COLOR *Value) override;
  STDMETHODIMP put_TabColorForeGround(OLE_COLOR Value) override;
  STDMETHODIMP get_TabColorShadow(OLE_COLOR *Value) override;
  STDMETHODIMP put_TabColorShadow(OLE_COLOR Value) override;
  STDMETHODIMP get_TabColorLight(OLE_COLOR *Value) override;
  STDMETHODIMP put_TabColorLight(OLE_COLOR Value) override;
  STDMETHODIMP get_TabColorDarkShadow(OLE_COLOR *Value) override;
  STDMETHODIMP put_TabColorDarkShadow(OLE_COLOR Value) override;
  STDMETHODIMP get_TabColorHighLight(OLE_COLOR *Value) override;
  STDMETHODIMP put_TabColorHighLight(OLE_COLOR Value) override;
  STDMETHODIMP get_ForeColor(OLE_COLOR *Value) override;
  STDMETHODIMP put_ForeColor(OLE_COLOR Value) override;
  STDMETHODIMP get_ToolTipStyle(::ToolTipTypes *Value) override;
  STDMETHODIMP put_ToolTipStyle(::ToolTipTypes Value) override;
  STDMETHODIMP get_FocusRect(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_FocusRect(VARIANT_BOOL Value) override;
  STDMETHODIMP get_ClientArea(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_ClientArea(VARIANT_BOOL Value) override;
  STDMETHODIMP get_WizardDetails(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_WizardDetails(VARIANT_BOOL Value) override;
  STDMETHODIMP get_WizardPictures(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_WizardPictures(VARIANT_BOOL Value) override;
  STDMETHODIMP get_Enabled(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_Enabled(VARIANT_BOOL Value) override;
  STDMETHODIMP get_Tabs(short *Value) override;
  STDMETHODIMP put_Tabs(short Value) override;
  STDMETHODIMP get_Font(IFontDisp **Value) override;
  STDMETHODIMP putref_Font(IFontDisp *Value) override;
  STDMETHODIMP get_CurrentTab(short *Value) override;
  STDMETHODIMP put_CurrentTab(short Value) override;
  STDMETHODIMP get_HotTracking(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_HotTracking(VARIANT_BOOL Value) override;
  STDMETHODIMP get_ShowToolTip(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_ShowToolTip(VARIANT_BOOL Value) override;
  STDMETHODIMP get_BoldSelected(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_BoldSelected(VARIANT_BOOL Value) override;
  STDMETHODIMP get_LunaColors(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_LunaColors(VARIANT_BOOL Value) override;
  STDMETHODIMP get_NoteOneColors(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_NoteOneColors(VARIANT_BOOL Value) override;
  STDMETHODIMP get_AutoFocusControls(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_AutoFocusControls(VARIANT_BOOL Value) override;
  STDMETHODIMP get_AutoResizeControls(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_AutoResizeControls(VARIANT_BOOL Value) override;
  STDMETHODIMP get_PlainTab(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_PlainTab(VARIANT_BOOL Value) override;
  STDMETHODIMP get_hwnd(LONG *Value) override;
  STDMETHODIMP get_hdc(LONG *Value) override;
  STDMETHODIMP get_HasDC(VARIANT_BOOL *Value) override;
  STDMETHODIMP get_IControls(IDispatch **Value) override;
  STDMETHODIMP putref_IControls(IDispatch *Value) override;
  STDMETHODIMP get_SpreadToContainer(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_SpreadToContainer(VARIANT_BOOL Value) override;
  STDMETHODIMP get_Caption(BSTR *Value) override;
  STDMETHODIMP put_Caption(BSTR Value) override;
  STDMETHODIMP get_TabEnabled(VARIANT_BOOL *Value) override;
  STDMETHODIMP put_TabEnabled(VARIANT_BOOL Value) override;
  STDMETHODIMP get_TabPicture(IPictureDisp **Value) override;
  STDMETHODIMP putref_TabPicture(IPictureDisp *Value) override;
  STDMETHODIMP get_cTabStartColor(OLE_COLOR *Value) override;
  STDMETHODIMP put_cTabStartColor(OLE_COLOR Value) override;
  STDMETHODIMP get_cTabEndColor(OLE_COLOR *Value) override;
  STDMETHODIMP put_cTabEndColor(OLE_COLOR Value) override;
  STDMETHODIMP get_TabCaption(short *iIndex, BSTR *Value) override;
  STDMETHODIMP put_TabCaption(short *iIndex, BSTR Value) override;
  STDMETHODIMP get_TabPassword(short *iIndex, BSTR *Value) override;
  STDMETHODIMP put_TabPassword(short *iIndex, BSTR Value) override;
  STDMETHODIMP get_TagVariant(short *iIndex, VARIANT *Value) override;
  STDMETHODIMP put_TagVariant(short *iIndex, VARIANT Value) override;
  STDMETHODIMP get_TabToolTip(short *iIndex, BSTR *Value) override;
  STDMETHODIMP put_TabToolTip(short *iIndex, BSTR Value) override;
  STDMETHODIMP get_iTabEnabled(short *iTabIndex, VARIANT_BOOL *Value) override;
  STDMETHODIMP put_iTabEnabled(short *iTabIndex, VARIANT_BOOL Value) override;
  STDMETHODIMP get_iTabPicture(short *iTabIndex, IPictureDisp **Value) override;
  STDMETHODIMP putref_iTabPicture(short *iTabIndex, IPictureDisp *Value) override;
  STDMETHODIMP get_TabStartColor(short *Index, OLE_COLOR *Value) override;
  STDMETHODIMP put_TabStartColor(short *Index, OLE_COLOR Value) override;
  STDMETHODIMP get_TabEndColor(short *Index, OLE_COLOR *Value) override;
  STDMETHODIMP put_TabEndColor(short *Index, OLE_COLOR Value) override;
  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;
  STDMETHODIMP GetClientSite(IOleClientSite** site) override;
  STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
  STDMETHODIMP Close(DWORD save_option) override;
  STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
  STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
  STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent, LPCRECT pos) override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
  STDMETHODIMP Update() override;
  STDMETHODIMP IsUpToDate() override;
  STDMETHODIMP GetUserClassID(CLSID* clsid) override;
  STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
  STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
  STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

  // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
  STDMETHODIMP GetWindow(HWND* hwnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
  STDMETHODIMP InPlaceDeactivate() override;
  STDMETHODIMP UIDeactivate() override;
  STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  STDMETHODIMP ReactivateAndUndo() override;
  STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
  STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
  STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
  STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;

  // IOleControl
  STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
  STDMETHODIMP OnMnemonic(MSG* msg) override;
  STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
  STDMETHODIMP FreezeEvents(BOOL freeze) override;

  // IViewObject2
  STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspect_info, DVTARGETDEVICE* device, HDC target_dc, HDC dc,
                    LPCRECTL bounds, LPCRECTL wbounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                    ULONG_PTR cont_arg) override;
  STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspect_info, DVTARGETDEVICE* device, HDC target_dc,
                           LOGPALETTE** colors) override;
  STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspect_info, DWORD* freeze) override;
  STDMETHODIMP Unfreeze(DWORD freeze) override;
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

  // IPersist, IPersistStreamInit, IPersistPropertyBag
  STDMETHODIMP GetClassID(CLSID* clsid) override;
  STDMETHODIMP IsDirty() override;
  STDMETHODIMP Load(LPSTREAM stream) override;
  STDMETHODIMP Save(LPSTREAM stream, BOOL clear_dirty) override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
  STDMETHODIMP InitNew() override;
  STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHODIMP Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) override;

  // IConnectionPointContainer
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
  STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

  // IProvideClassInfo2
  STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
  STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

  // ISupportErrorInfo
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

  // ISpecifyPropertyPages: the control's property page
  STDMETHODIMP GetPages(CAUUID* pages) override;

  // The window procedure of the in-place active control.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  // What the accessibility object reads: the control (initialised) and its
  // window (null while the control is not active in place).
  FolivanTab& Core() {
    EnsureInitializedQuietly();
    return *core_;
  }
  HWND Window() const { return hwnd_; }

 private:
  ~ControlObject();

  // ContainerLink
  std::optional<bool> AmbientUserMode() override;
  std::optional<OleColor> AmbientBackColor() override;
  void PropertyChanged(std::string_view name) override;
  void RaiseEvent(int32_t dispid, std::span<Variant> args) override;
  std::optional<Variant> ExtenderGet(std::string_view name) override;
  bool ExtenderSet(std::string_view name, const Variant& value) override;
  std::optional<Variant> ParentGet(std::string_view name) override;
  std::optional<std::string> InputBox(std::string_view prompt, std::string_view title) override;
  std::optional<int32_t> MsgBox(std::string_view text, int32_t style, std::string_view title) override;
  std::optional<std::vector<ContainedControlPtr>> ContainedControls() override;

  // Runs a call into the control and turns its run-time errors into error
  // info and an HRESULT. A control that the container neither initialised nor
  // loaded gets its defaults first.
  template <typename Fn>
  HRESULT Call(Fn&& fn);
  void EnsureInitialized();
  void EnsureInitializedQuietly();
  std::optional<Variant> Ambient(DISPID id);
  IDispatch* Extender();  // AddRef'ed, or nullptr
  IFolivanTabDialogs* ContainerDialogs();  // AddRef'ed, or nullptr

  // Size and activation.
  void ApplySize(int width_px, int height_px);
  void RequestSize(double width_twips, double height_twips);
  HRESULT InPlaceActivate(LONG verb);
  void UIActivate();
  void ViewChanged();
  void AccessKeysChanged();
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // OnMessage between the site's ISimpleFrameSite filters, when it has them.
  LRESULT OnFilteredMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void SetSimpleFrameSite(IOleClientSite* site);

  LONG refs_ = 1;
  win32::Win32System system_;
  win32::Win32Host host_;
  std::unique_ptr<FolivanTab> core_;
  std::unique_ptr<LiveFont> font_;  // the object Font gives; created with the control
  EventConnectionPoint events_;
  PropertyNotifyConnectionPoint notify_;
  ITypeInfo* type_info_ = nullptr;
  bool initialized_ = false;
  bool dirty_ = false;
  LONG freeze_count_ = 0;

  IOleClientSite* site_ = nullptr;
  ISimpleFrameSite* simple_frame_ = nullptr;
  IOleAdviseHolder* ole_advise_ = nullptr;
  IAdviseSink* view_sink_ = nullptr;
  DWORD view_aspects_ = 0;
  DWORD view_flags_ = 0;
  SIZEL extent_{};  // HIMETRIC

  IOleInPlaceSite* inplace_site_ = nullptr;
  IOleInPlaceFrame* frame_ = nullptr;
  IOleInPlaceUIWindow* ui_window_ = nullptr;
  HWND hwnd_ = nullptr;
  bool ui_active_ = false;
  bool left_button_down_ = false;
  HACCEL accelerators_ = nullptr;
  int accelerator_count_ = 0;
};

template <typename Fn>
HRESULT ControlObject::Call(Fn&& fn) {
  try {
    EnsureInitialized();
    return fn();
  } catch (const VbError& e) {
    return ReportError(e.Number(), win32::Widen(e.Description()));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    return ReportError(51, win32::Widen(e.what()));  // the runtime's "Internal error"
  }
}

}  // namespace folivan::activex
