// A container that behaves as a Visual Basic 6 form does towards the controls
// on it, written from that form's documented behaviour: every control it holds
// gets an extender object ("Name", "Index", "Left", "Top", "Width", "Height",
// "Visible", "Enabled", "TabStop", "Container", "Parent", "hWnd"; "X1", "X2",
// "Y1", "Y2" for lines) whose writes move the control's window or the place
// of a windowless one; the tab control is sited with IOleControlSite (its own
// extender), ISimpleFrameSite and the ambient properties of the site's
// IDispatch; IOleClientSite::GetContainer enumerates the form's controls. The
// form saves itself as .frm text (extenders and the control's property bag)
// and loads such text again. Positions are twips, 15 to the pixel.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "com_objects.h"

namespace vb {

constexpr double kTwipsPerPixel = 15;
// The runtime's "Object not an array" (343) as an OLE control's error.
constexpr HRESULT kNotAnArray = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 343);

enum class Kind { kTabControl, kTextBox, kCommandButton, kLabel, kLine };

inline const wchar_t* TypeName(Kind kind) {
  switch (kind) {
    case Kind::kTabControl: return L"FolivanTabs.FolivanTab";
    case Kind::kTextBox: return L"VB.TextBox";
    case Kind::kCommandButton: return L"VB.CommandButton";
    case Kind::kLabel: return L"VB.Label";
    case Kind::kLine: return L"VB.Line";
  }
  return L"";
}

class Form;

// The members of the extenders, and which kinds have them.
enum Member : DISPID { kName = 1, kIndex, kLeft, kTop, kWidth, kHeight, kVisible, kEnabled, kTabStop, kContainer,
                       kParent, kHwnd, kX1, kX2, kY1, kY2 };
struct MemberInfo {
  const wchar_t* name;
  DISPID id;
  bool line, boxed, windowed_only, not_tab_control;
};
inline const MemberInfo kMembers[] = {
    {L"Name", kName, true, true, false, false},        {L"Index", kIndex, true, true, false, false},
    {L"Left", kLeft, false, true, false, false},       {L"Top", kTop, false, true, false, false},
    {L"Width", kWidth, false, true, false, false},     {L"Height", kHeight, false, true, false, false},
    {L"Visible", kVisible, true, true, false, false},  {L"Enabled", kEnabled, false, true, false, true},
    {L"TabStop", kTabStop, false, true, true, true},   {L"Container", kContainer, true, true, false, false},
    {L"Parent", kParent, true, true, false, false},    {L"hWnd", kHwnd, false, true, true, false},
    {L"X1", kX1, true, false, false, false},           {L"X2", kX2, true, false, false, false},
    {L"Y1", kY1, true, false, false, false},           {L"Y2", kY2, true, false, false, false},
};

inline bool Windowed(Kind k) { return k == Kind::kTextBox || k == Kind::kCommandButton || k == Kind::kTabControl; }

// The extender of one control of the form.
class Extender : public com::Dispatch<> {
 public:
  Extender(Form& form, Kind of, std::wstring called, int at_index)
      : kind(of), name(std::move(called)), index(at_index), form_(form) {}
  Kind kind;
  std::wstring name;
  int index;  // -1: not a member of a control array
  // Left, Top, Width, Height, or X1, X2, Y1, Y2 (twips).
  std::map<DISPID, double> at;
  bool visible = true, enabled = true, tab_stop = true;
  Extender* container = nullptr;  // nullptr: the form
  HWND window = nullptr;

  bool Has(DISPID id) const {
    for (const MemberInfo& m : kMembers) {
      if (m.id != id) continue;
      if (kind == Kind::kLine ? !m.line : !m.boxed) return false;
      if (m.windowed_only && !Windowed(kind)) return false;
      return !(m.not_tab_control && kind == Kind::kTabControl);
    }
    return false;
  }
  // The rectangle in pixels of the container's window.
  RECT Pixels() const {
    auto px = [&](DISPID id) { return static_cast<LONG>(at.count(id) ? at.at(id) / kTwipsPerPixel : 0); };
    return RECT{px(kLeft), px(kTop), px(kLeft) + px(kWidth), px(kTop) + px(kHeight)};
  }
  // Gives the window the extender's place and state.
  void Apply() const {
    if (!window) return;
    RECT r = Pixels();
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, tab_stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    EnableWindow(window, enabled);
    ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
  }

  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    for (const MemberInfo& m : kMembers) {
      if (count == 1 && _wcsicmp(names[0], m.name) == 0 && Has(m.id)) {
        ids[0] = m.id;
        return S_OK;
      }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override;

 protected:
  void* Cast(REFIID riid) override { return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr; }

 private:
  Form& form_;
};

// A snapshot enumerator of COM pointers (IEnumUnknown) or of VARIANTs holding them (IEnumVARIANT).
template <typename Enum, typename Item>
class Enumerator : public com::Object<Enum> {
 public:
  Enumerator(REFIID iid, std::vector<IDispatch*> items, size_t at = 0) : iid_(iid), items_(std::move(items)), at_(at) {
    for (IDispatch* i : items_) i->AddRef();
  }
  ~Enumerator() override {
    for (IDispatch* i : items_) i->Release();
  }
  STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
    ULONG n = 0;
    for (; n < count && at_ < items_.size(); ++n, ++at_) Put(items_[at_], &out[n]);
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  STDMETHODIMP Skip(ULONG count) override {
    at_ = std::min(items_.size(), at_ + static_cast<size_t>(count));
    return at_ < items_.size() ? S_OK : S_FALSE;
  }
  STDMETHODIMP Reset() override {
    at_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(Enum** out) override {
    *out = new Enumerator(iid_, items_, at_);
    return S_OK;
  }

 protected:
  void* Cast(REFIID riid) override { return riid == iid_ ? static_cast<Enum*>(this) : nullptr; }

 private:
  static void Put(IDispatch* item, IUnknown** out) {
    item->AddRef();
    *out = item;
  }
  static void Put(IDispatch* item, VARIANT* out) {
    item->AddRef();
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = item;
  }
  IID iid_;
  std::vector<IDispatch*> items_;
  size_t at_;
};

// The tab control's site, in the form's window.
class Site : public com::ControlSite<ISimpleFrameSite> {
 public:
  explicit Site(Form& form);
  int pre_filtered = 0, post_filtered = 0;

  STDMETHODIMP GetContainer(IOleContainer** c) override;
  STDMETHODIMP GetExtendedControl(IDispatch** extender) override;
  // ISimpleFrameSite: the form lets the control handle every message.
  STDMETHODIMP PreMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD* cookie) override {
    *cookie = static_cast<DWORD>(++pre_filtered);
    return S_OK;
  }
  STDMETHODIMP PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD cookie) override {
    if (cookie != 0) ++post_filtered;
    return S_OK;
  }
  // The ambient properties.
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_ISimpleFrameSite ? static_cast<ISimpleFrameSite*>(this) : ControlSite::Cast(riid);
  }

 private:
  Form& form_;
};

// One control of a form file: its type, name and "Key = value" entries as text.
struct FrmControl {
  Kind kind;
  std::wstring name;
  std::vector<std::pair<std::string, std::string>> values;
};

// The form: its window, the tab control on it and the controls inside the tab control.
class Form : public com::Members<IOleContainer> {
 public:
  using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  static inline IClassFactory* factory = nullptr;

  explicit Form(bool run_time) : user_mode(run_time) {
    window = CreateWindowExW(0, L"STATIC", L"Form1", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 640, 480, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    site = new Site(*this);
    // The form's Controls collection: Count, Item(i) from 0, and For Each.
    collection = new com::Members<>();
    collection->Add(L"Count", com::ReadOnly([this] { return com::Value(VT_I4, static_cast<LONG>(controls.size())); }));
    collection->Add(L"Item", [this](WORD, DISPPARAMS* params, VARIANT* result) -> HRESULT {
      VARIANT i;
      VariantInit(&i);
      if (!params || params->cArgs != 1 || FAILED(VariantChangeType(&i, &params->rgvarg[0], 0, VT_I4)) ||
          V_I4(&i) < 0 || static_cast<size_t>(V_I4(&i)) >= controls.size())
        return DISP_E_BADINDEX;
      *result = com::ObjectValue(controls[static_cast<size_t>(V_I4(&i))]);
      return S_OK;
    }, DISPID_VALUE);
    collection->Add(L"_NewEnum", com::ReadOnly([this] {
      VARIANT v;
      V_VT(&v) = VT_UNKNOWN;
      V_UNKNOWN(&v) = new Enumerator<IEnumVARIANT, VARIANT>(IID_IEnumVARIANT, {controls.begin(), controls.end()});
      return v;
    }), DISPID_NEWENUM);
    // The form as a control's Parent.
    Members::Add(L"Controls", com::ReadOnly([this] { return com::ObjectValue(collection); }));
    Members::Add(L"ScaleWidth", com::ReadOnly([] { return com::Value(VT_R4, 9600); }));
    Members::Add(L"Name", com::ReadOnly([] { return com::Text(L"Form1"); }));
  }
  ~Form() override {
    if (ole) {
      ole->Close(OLECLOSE_NOSAVE);
      ole->SetClientSite(nullptr);
    }
    ole.Reset();
    control.Reset();
    for (Extender* e : controls) e->Release();
    site->Release();
    collection->Release();
    DestroyWindow(window);
  }

  bool user_mode;
  HWND window;
  Site* site;
  com::Members<>* collection;
  std::vector<Extender*> controls;  // the tab control's extender first
  com::Ref<IDispatch> control;       // the tab control
  com::Ref<IOleObject> ole;
  HWND control_window = nullptr;

  Extender* TabExtender() const { return controls.empty() ? nullptr : controls.front(); }
  Extender* Find(const std::wstring& name, int index = -1) const {
    for (Extender* e : controls)
      if (e->name == name && e->index == index) return e;
    return nullptr;
  }

  // Creates the tab control at (left, top) twips, loaded from bag or new,
  // sited before it loads; `before_show` runs between loading and showing
  // (an event sink is advised there).
  template <typename BeforeShow>
  bool CreateTabControl(const std::wstring& name, double left, double top, double width, double height,
                        IPropertyBag* bag, BeforeShow before_show) {
    auto* tab = Add(Kind::kTabControl, name, -1, false);
    tab->at = {{kLeft, left}, {kTop, top}, {kWidth, width}, {kHeight, height}};
    if (!factory || FAILED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control.p))))
      return false;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole.p));
    ole->SetClientSite(site);
    if (bag) {
      if (FAILED(com::Query<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->Load(bag, nullptr))) return false;
    } else {
      com::Query<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->InitNew();
    }
    before_show();
    site->place = tab->Pixels();
    if (FAILED(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, window, nullptr))) return false;
    com::Query<IOleInPlaceObject>(control, IID_IOleInPlaceObject)->GetWindow(&control_window);
    tab->window = control_window;
    for (Extender* e : controls) Realize(e);
    return control_window != nullptr;
  }

  // A control of the form inside the tab control (a designer drops it there);
  // windowed kinds get their window once the tab control has one.
  Extender* Add(Kind kind, const std::wstring& name, int index, bool inside = true) {
    auto* e = new Extender(*this, kind, name, index);
    e->container = inside ? TabExtender() : nullptr;
    controls.push_back(e);
    Realize(e);
    return e;
  }
  Extender* Drop(Kind kind, const std::wstring& name, int index, double left, double top) {
    Extender* e = Add(kind, name, index);
    if (kind == Kind::kLine) e->at = {{kX1, left}, {kX2, left + 900}, {kY1, top}, {kY2, top}};
    else e->at = {{kLeft, left}, {kTop, top}, {kWidth, 1200}, {kHeight, 300}};
    e->Apply();
    return e;
  }

  // The .frm text of the form: the tab control's extender and property bag,
  // then each control inside it, as the designer saves them.
  std::string SaveText();
  // Loads .frm text into this (empty) form; false when the tab control fails.
  template <typename BeforeShow>
  bool LoadText(const std::string& text, BeforeShow before_show);

  // IOleContainer: every control of the form, the tab control first.
  STDMETHODIMP ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP EnumObjects(DWORD, IEnumUnknown** objects) override {
    *objects = new Enumerator<IEnumUnknown, IUnknown*>(IID_IEnumUnknown, {controls.begin(), controls.end()});
    return S_OK;
  }
  STDMETHODIMP LockContainer(BOOL) override { return S_OK; }

 protected:
  void* Cast(REFIID riid) override {
    if (riid == IID_IOleContainer || riid == IID_IParseDisplayName) return static_cast<IOleContainer*>(this);
    return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  void Realize(Extender* e) {
    if (e->window || !control_window || !Windowed(e->kind) || e->kind == Kind::kTabControl) return;
    const bool edit = e->kind == Kind::kTextBox;
    e->window = CreateWindowExW(0, edit ? L"EDIT" : L"BUTTON", e->name.c_str(), WS_CHILD | (edit ? WS_BORDER : 0),
                                0, 0, 10, 10, e->container ? control_window : window, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    e->Apply();
  }
};

// --- the extender's members ------------------------------------------------------------------

inline HRESULT Extender::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                UINT*) {
  if (!Has(id)) return DISP_E_MEMBERNOTFOUND;
  if (flags & DISPATCH_PROPERTYPUT) {
    if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    VARIANT v;
    VariantInit(&v);
    if (id == kVisible || id == kEnabled || id == kTabStop) {
      if (FAILED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_BOOL))) return DISP_E_TYPEMISMATCH;
      (id == kVisible ? visible : id == kEnabled ? enabled : tab_stop) = V_BOOL(&v) != VARIANT_FALSE;
    } else if ((id >= kLeft && id <= kHeight) || id >= kX1) {
      if (FAILED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_R8))) return DISP_E_TYPEMISMATCH;
      at[id] = V_R8(&v);
    } else {
      return DISP_E_MEMBERNOTFOUND;  // read only
    }
    Apply();
    return S_OK;
  }
  if (!result) return E_INVALIDARG;
  VariantInit(result);
  switch (id) {
    case kName: *result = com::Text(name.c_str()); return S_OK;
    case kIndex:
      if (index < 0) return kNotAnArray;
      *result = com::Value(VT_I2, index);
      return S_OK;
    case kVisible: *result = com::Value(VT_BOOL, visible ? -1 : 0); return S_OK;
    case kEnabled: *result = com::Value(VT_BOOL, enabled ? -1 : 0); return S_OK;
    case kTabStop: *result = com::Value(VT_BOOL, tab_stop ? -1 : 0); return S_OK;
    case kContainer: *result = com::ObjectValue(container ? static_cast<IDispatch*>(container) : &form_); return S_OK;
    case kParent: *result = com::ObjectValue(&form_); return S_OK;
    case kHwnd: *result = com::Handle(window); return S_OK;
    default:
      V_VT(result) = VT_R4;  // single, as the runtime's positions are
      V_R4(result) = static_cast<float>(at[id]);
      return S_OK;
  }
}

// --- the site ------------------------------------------------------------------------------------

inline Site::Site(Form& form) : ControlSite(form.window), form_(form) {}
inline HRESULT Site::GetContainer(IOleContainer** c) {
  form_.AddRef();
  *c = &form_;
  return S_OK;
}
inline HRESULT Site::GetExtendedControl(IDispatch** extender) {
  *extender = form_.TabExtender();
  if (!*extender) return E_NOTIMPL;
  (*extender)->AddRef();
  return S_OK;
}
inline HRESULT Site::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if (!result) return E_INVALIDARG;
  VariantInit(result);
  switch (id) {
    case DISPID_AMBIENT_USERMODE: *result = com::Value(VT_BOOL, form_.user_mode ? -1 : 0); return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME: *result = com::Text(form_.TabExtender()->name.c_str()); return S_OK;
    case DISPID_AMBIENT_BACKCOLOR: *result = com::Value(VT_I4, static_cast<LONG>(0x8000000F)); return S_OK;
    case DISPID_AMBIENT_FONT: {
      FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"MS Sans Serif"), {}, FW_NORMAL, ANSI_CHARSET,
                    FALSE, FALSE, FALSE};
      desc.cySize.int64 = 82500;
      V_VT(result) = VT_DISPATCH;
      return OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&V_DISPATCH(result)));
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

// --- .frm text ---------------------------------------------------------------------------------------

inline std::string Utf8(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += static_cast<char>(c < 128 ? c : '?');
  return s;
}

// "Key            =   value" as the designer lays it out.
inline std::string FrmLine(int depth, const std::string& key, const std::string& value) {
  std::string line(static_cast<size_t>(depth) * 3, ' ');
  line += key;
  if (key.size() < 16) line += std::string(16 - key.size(), ' ');
  return line + "=   " + value + "\r\n";
}
inline std::string FrmBool(bool b) { return b ? "-1  'True" : "0   'False"; }
inline std::string FrmNumber(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", v);
  return text;
}

// A bag of the form's text: keys in their order, values as VARIANTs.
inline std::string FrmBag(com::MemoryBag& bag, int depth) {
  std::string out;
  for (const std::wstring& key : bag.order) {
    VARIANT& v = bag.values[key];
    const std::string k = Utf8(key);
    switch (V_VT(&v)) {
      case VT_BOOL: out += FrmLine(depth, k, FrmBool(V_BOOL(&v) != VARIANT_FALSE)); break;
      case VT_BSTR: {
        std::string text = "\"";
        for (char c : Utf8(V_BSTR(&v))) text += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += FrmLine(depth, k, text + "\"");
        break;
      }
      case VT_DISPATCH:
      case VT_UNKNOWN: {
        auto font = com::ReadFont(V_UNKNOWN(&v));
        if (!font) break;
        const std::string pad(static_cast<size_t>(depth) * 3, ' ');
        out += pad + "BeginProperty " + k + " {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n";
        std::string face = "\"";
        face.append(Utf8(font->name)).append("\"");
        out += FrmLine(depth + 1, "Name", face);
        out += FrmLine(depth + 1, "Size", FrmNumber(font->points));
        out += FrmLine(depth + 1, "Charset", FrmNumber(font->charset));
        out += FrmLine(depth + 1, "Weight", FrmNumber(font->weight));
        out += FrmLine(depth + 1, "Underline", FrmBool(font->underline));
        out += FrmLine(depth + 1, "Italic", FrmBool(font->italic));
        out += FrmLine(depth + 1, "Strikethrough", FrmBool(font->strike));
        out += pad + "EndProperty\r\n";
        break;
      }
      default: {
        VARIANT number;
        VariantInit(&number);
        if (SUCCEEDED(VariantChangeType(&number, &v, 0, VT_R8))) out += FrmLine(depth, k, FrmNumber(V_R8(&number)));
        break;
      }
    }
  }
  return out;
}

inline std::string Form::SaveText() {
  Extender* tab = TabExtender();
  auto* bag = new com::MemoryBag();
  com::Query<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->Save(bag, TRUE, FALSE);
  std::string out = "VERSION 5.00\r\nObject = \"{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0\"; \"FolivanTabs.ocx\"\r\n";
  out += "Begin VB.Form Form1 \r\n";
  out += FrmLine(1, "Caption", "\"Form1\"");
  out += FrmLine(1, "ScaleHeight", "7200") + FrmLine(1, "ScaleWidth", "9600");
  out += "   Begin FolivanTabs.FolivanTab " + Utf8(tab->name) + " \r\n";
  for (auto [id, key] : {std::pair{kHeight, "Height"}, {kLeft, "Left"}, {kTop, "Top"}, {kWidth, "Width"}})
    out += FrmLine(2, key, FrmNumber(tab->at[id]));
  out += FrmBag(*bag, 2);
  bag->Release();
  int tab_index = 1;
  for (Extender* e : controls) {
    if (e->container != tab) continue;
    out += "      Begin " + Utf8(TypeName(e->kind)) + " " + Utf8(e->name) + " \r\n";
    if (e->kind == Kind::kLine) {
      for (auto [id, key] : {std::pair{kX1, "X1"}, {kX2, "X2"}, {kY1, "Y1"}, {kY2, "Y2"}})
        out += FrmLine(3, key, FrmNumber(e->at[id]));
    } else {
      if (!e->enabled) out += FrmLine(3, "Enabled", FrmBool(false));
      out += FrmLine(3, "Height", FrmNumber(e->at[kHeight]));
      if (e->index >= 0) out += FrmLine(3, "Index", std::to_string(e->index));
      out += FrmLine(3, "Left", FrmNumber(e->at[kLeft]));
      out += FrmLine(3, "TabIndex", std::to_string(tab_index++));
      if (e->Has(kTabStop) && !e->tab_stop) out += FrmLine(3, "TabStop", FrmBool(false));
      out += FrmLine(3, "Top", FrmNumber(e->at[kTop]));
      out += FrmLine(3, "Width", FrmNumber(e->at[kWidth]));
    }
    out += "      End\r\n";
  }
  out += "   End\r\nEnd\r\nAttribute VB_Name = \"Form1\"\r\n";
  return out;
}

// The value of a "Key = value" line as the designer reads it back.
inline VARIANT FrmValue(const std::string& text) {
  VARIANT v;
  VariantInit(&v);
  if (!text.empty() && text.front() == '"') {
    std::wstring s;
    for (size_t i = 1; i < text.size(); ++i) {
      if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) break;
      if (text[i] == '"') ++i;
      s += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    }
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(s.c_str());
  } else if (text.find("'True") != std::string::npos || text.find("'False") != std::string::npos) {
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = text.find("'True") != std::string::npos ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (text.find('.') != std::string::npos) {
    V_VT(&v) = VT_R8;
    V_R8(&v) = std::strtod(text.c_str(), nullptr);
  } else {
    V_VT(&v) = VT_I4;
    V_I4(&v) = static_cast<LONG>(std::strtol(text.c_str(), nullptr, 10));
  }
  return v;
}

template <typename BeforeShow>
bool Form::LoadText(const std::string& text, BeforeShow before_show) {
  std::istringstream in(text);
  std::string line, tab_name;
  std::map<std::string, double> tab_at;
  auto* bag = new com::MemoryBag();
  std::vector<FrmControl> inside;
  FrmControl* current = nullptr;
  std::map<std::string, std::string> font;
  bool in_font = false, in_tab = false;
  auto trim = [](std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.pop_back();
    size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
  };
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.rfind("Begin FolivanTabs.FolivanTab ", 0) == 0) {
      in_tab = true;
      tab_name = line.substr(29);
    } else if (line.rfind("BeginProperty FONT", 0) == 0) {
      in_font = true;
    } else if (line == "EndProperty" && in_font) {
      in_font = false;
      FONTDESC desc{sizeof(FONTDESC), nullptr, {}, FW_NORMAL, ANSI_CHARSET, FALSE, FALSE, FALSE};
      std::wstring face;
      for (char c : font["Name"].substr(1, font["Name"].size() - 2)) face += static_cast<wchar_t>(c);
      desc.lpstrName = face.data();
      desc.cySize.int64 = static_cast<LONGLONG>(std::strtod(font["Size"].c_str(), nullptr) * 10000 + 0.5);
      desc.sWeight = static_cast<SHORT>(std::atoi(font["Weight"].c_str()));
      desc.sCharset = static_cast<SHORT>(std::atoi(font["Charset"].c_str()));
      VARIANT v;
      V_VT(&v) = VT_DISPATCH;
      if (SUCCEEDED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&V_DISPATCH(&v))))) {
        bag->Write(L"FONT", &v);
        VariantClear(&v);
      }
    } else if (line.rfind("Begin VB.", 0) == 0 && in_tab) {
      std::istringstream words(line.substr(6));
      std::string type, name;
      words >> type >> name;
      Kind kind = type == "VB.TextBox" ? Kind::kTextBox : type == "VB.CommandButton" ? Kind::kCommandButton
                : type == "VB.Label" ? Kind::kLabel : Kind::kLine;
      inside.push_back(FrmControl{kind, std::wstring(name.begin(), name.end()), {}});
      current = &inside.back();
    } else if (line == "End") {
      if (current) current = nullptr;
      else in_tab = false;
    } else if (line.find('=') != std::string::npos && in_tab) {
      const std::string key = trim(line.substr(0, line.find('=')));
      const std::string value = trim(line.substr(line.find('=') + 1));
      if (in_font) {
        font[key] = value;
      } else if (current) {
        current->values.emplace_back(key, value);
      } else if (key == "Left" || key == "Top" || key == "Width" || key == "Height") {
        tab_at[key] = std::strtod(value.c_str(), nullptr);
      } else {
        VARIANT v = FrmValue(value);
        std::wstring wide(key.begin(), key.end());
        bag->Write(wide.c_str(), &v);
        VariantClear(&v);
      }
    }
  }
  // The controls exist (with their extenders) before the tab control is shown.
  bool ok = CreateTabControl(std::wstring(tab_name.begin(), tab_name.end()), tab_at["Left"], tab_at["Top"],
                             tab_at["Width"], tab_at["Height"], bag, [&] {
                               for (const FrmControl& c : inside) {
                                 int index = -1;
                                 for (const auto& [k, v] : c.values)
                                   if (k == "Index") index = std::atoi(v.c_str());
                                 Extender* e = Add(c.kind, c.name, index);
                                 for (const auto& [k, v] : c.values) {
                                   if (k == "Enabled") e->enabled = v.find("True") != std::string::npos;
                                   else if (k == "TabStop") e->tab_stop = v.find("True") != std::string::npos;
                                   for (const MemberInfo& m : kMembers)
                                     if (k == Utf8(m.name) && ((m.id >= kLeft && m.id <= kHeight) || m.id >= kX1))
                                       e->at[m.id] = std::strtod(v.c_str(), nullptr);
                                 }
                               }
                               before_show();
                             });
  bag->Release();
  return ok;
}

}  // namespace vb
