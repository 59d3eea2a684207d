// Windows embedded on a tab, in a real container (Wine's ATL host window): a
// top-level dialog with an edit box goes on tab 1 through EmbedWindow, and
// another, handed over as a form object with an "hwnd", through InsertWindow.
// Each is hidden while tab 0 is current, a visible child over the client
// area of tab 1 when that tab is selected, hidden again on tab 0, re-placed
// after a resize, and keys typed into its edit box reach it; the same in the
// Visio style. InsertControl moves a control of the host onto a tab; IControls
// is a collection with Count, Item and _NewEnum.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

constexpr int kEditId = 100;

void Pump(DWORD ms) {
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

// A top-level dialog window (class #32770) with an edit box.
HWND MakeDialog(const wchar_t* title) {
  HWND dialog = CreateWindowExW(0, L"#32770", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 10, 200, 24, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleW(nullptr), nullptr);
  return dialog;
}

// A form of the host as InsertWindow sees it: an object whose "hwnd" is the
// form's top-level window.
class FormObject : public com::Dispatch<> {
 public:
  explicit FormObject(HWND window) : window_(window) {}
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (count != 1 || _wcsicmp(names[0], L"hwnd") != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = 1;
    return S_OK;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (id != 1 || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_I4;
    V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(window_));
    return S_OK;
  }

 protected:
  void* Cast(REFIID riid) override { return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr; }

 private:
  HWND window_;
};

// A windowed control of the host as its extender shows it: Name, hwnd, and a
// place in twips (15 a pixel) that moves its window.
class HostControl : public com::Dispatch<> {
 public:
  explicit HostControl(HWND window) : window_(window) {}
  double place[4] = {150, 150, 1500, 300};  // Left, Top, Width, Height
  bool enabled = true;

  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    static const wchar_t* const known[] = {L"Left", L"Top", L"Width", L"Height", L"Name", L"hwnd", L"Enabled"};
    for (DISPID id = 0; id < 7; ++id) {
      if (count == 1 && _wcsicmp(names[0], known[id]) == 0) {
        ids[0] = id + 1;
        return S_OK;
      }
    }
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (flags & DISPATCH_PROPERTYPUT) {
      VARIANT value;
      VariantInit(&value);
      if (params->cArgs != 1 || FAILED(VariantChangeType(&value, &params->rgvarg[0], 0, VT_R8))) return DISP_E_TYPEMISMATCH;
      if (id >= 1 && id <= 4) place[id - 1] = V_R8(&value);
      else if (id == 7) enabled = V_R8(&value) != 0;
      else return DISP_E_MEMBERNOTFOUND;
      MoveWindow(window_, static_cast<int>(place[0] / 15), static_cast<int>(place[1] / 15),
                 static_cast<int>(place[2] / 15), static_cast<int>(place[3] / 15), TRUE);
      return S_OK;
    }
    if (!result) return E_POINTER;
    VariantInit(result);
    if (id >= 1 && id <= 4) {
      V_VT(result) = VT_R8;
      V_R8(result) = place[id - 1];
    } else if (id == 5) {
      V_VT(result) = VT_BSTR;
      V_BSTR(result) = SysAllocString(L"Text1");
    } else if (id == 6) {
      V_VT(result) = VT_I4;
      V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(window_));
    } else if (id == 7) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = enabled ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
      return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
  }

 protected:
  void* Cast(REFIID riid) override { return riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr; }

 private:
  HWND window_;
};

// The window's rectangle in the client coordinates of its parent.
RECT PlaceIn(HWND window, HWND parent) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

// Where the window of the current tab must stand in a control of this client size.
bool PlacedOverClientArea(const RECT& r, const RECT& client, bool visio) {
  const LONG width = r.right - r.left, height = r.bottom - r.top;
  if (r.left != 2) return false;
  if (!visio) {
    // Below the strip (y = strip height + 3), 3 pixels from the right and bottom edges.
    return r.top > 3 && width == client.right - 6 && r.top + height == client.bottom - 3;
  }
  // Tab 1 of 3 in the Visio style: two bars of one pitch above (y = 2 pitch + 2),
  // the bar of tab 2 below (height = client height - 3 pitch - 4).
  const LONG pitch = (r.top - 2) / 2;
  return (r.top - 2) % 2 == 0 && pitch > 5 && width == client.right - 4 && height == client.bottom - 3 * pitch - 4;
}

AtlAxGetControlFn get_control = nullptr;

void TestEmbedding(bool insert_window, bool visio) {
  const std::string where = std::string(insert_window ? " (InsertWindow" : " (EmbedWindow") + (visio ? ", Visio)" : ")");
  if (!get_control) return;
  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 500, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = CreateWindowExW(0, L"AtlAxWin", L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                              frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  IUnknown* unknown = nullptr;
  if (host) get_control(host, &unknown);
  com::Ref<_FolivanTab> tabs = com::Query<_FolivanTab>(unknown, IID__FolivanTab);
  HWND control = host ? FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr) : nullptr;
  HWND dialog = MakeDialog(insert_window ? L"Inserted" : L"Embedded");
  HWND edit = GetDlgItem(dialog, kEditId);
  if (!tabs || !control || !dialog || !edit) {
    Check(false, "a control in the ATL host and a dialog with an edit box" + where);
  } else {
    if (visio) tabs->put_Appearance(static_cast<Appearances>(6));
    HRESULT hr = S_OK;
    if (insert_window) {
      auto* form = new FormObject(dialog);
      hr = tabs->InsertWindow(form, 1);
      form->Release();
    } else {
      hr = tabs->EmbedWindow(static_cast<LONG>(reinterpret_cast<INT_PTR>(dialog)), 1);
    }
    wine_check::Succeeded(hr, "the window goes on tab 1" + where);
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    Check(GetAncestor(dialog, GA_PARENT) == control && !IsWindowVisible(dialog),
          "while tab 0 is current the window is a hidden child of the control's window" + where);
    if (!insert_window) Equal(style, static_cast<LONG>(WS_CHILD), "its style is exactly WS_CHILD" + where);

    tabs->put_CurrentTab(1);
    RECT client{};
    GetClientRect(control, &client);
    RECT placed = PlaceIn(dialog, control);
    Check(IsWindowVisible(dialog), "selecting tab 1 shows the window" + where);
    Check(PlacedOverClientArea(placed, client, visio), "it stands over the client area of tab 1" + where,
          Describe(placed) + " in " + Describe(client));
    if (!insert_window) {
      Equal(GetWindowLongW(dialog, GWL_STYLE), static_cast<LONG>(WS_CHILD | WS_VISIBLE),
            "shown, its style is WS_CHILD and WS_VISIBLE" + where);
    }

    // Keys typed into the edit box go to it, not to the tab control.
    SetForegroundWindow(frame);
    SetFocus(edit);
    for (char c : std::string("ok")) {
      const BYTE key = static_cast<BYTE>(VkKeyScanW(static_cast<WCHAR>(c)) & 0xFF);
      keybd_event(key, 0, 0, 0);
      keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    }
    Pump(100);
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    short current = -1;
    tabs->get_CurrentTab(&current);
    Check(std::wstring(text) == L"ok" && current == 1, "keys typed into the embedded edit box reach it" + where,
          "text \"" + wine_check::Narrow(text) + "\", tab " + std::to_string(current));

    // A bigger control: the window follows the new client area.
    SetWindowPos(host, nullptr, 0, 0, 480, 360, SWP_NOMOVE | SWP_NOZORDER);
    Pump(50);
    GetClientRect(control, &client);
    placed = PlaceIn(dialog, control);
    Check(client.right == 480 && PlacedOverClientArea(placed, client, visio),
          "after a resize the window is placed over the new client area" + where,
          Describe(placed) + " in " + Describe(client));

    tabs->put_CurrentTab(0);
    Check(!IsWindowVisible(dialog), "back on tab 0 the window is hidden again" + where);

    // The embedded window is no contained control: IControls does not list it.
    IDispatch* controls = nullptr;
    hr = tabs->get_IControls(&controls);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT count;
    VariantInit(&count);
    LPOLESTR count_name = const_cast<LPOLESTR>(L"Count");
    DISPID count_id = 0;
    if (controls && SUCCEEDED(controls->GetIDsOfNames(IID_NULL, &count_name, 1, 0, &count_id))) {
      controls->Invoke(count_id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &count, nullptr, nullptr);
    }
    Check(SUCCEEDED(hr) && V_VT(&count) == VT_I4 && V_I4(&count) == 0,
          "IControls is a collection whose Count leaves the embedded window out" + where);
    if (controls) controls->Release();
  }
  tabs.Reset();
  if (unknown) unknown->Release();
  DestroyWindow(host);
  if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
  DestroyWindow(frame);
  Pump(20);
}

// InsertControl of a text box of the frame onto tab 1 while tab 0 is current:
// it becomes a child of the control, 75000 twips to the left, and comes into
// sight below the strip when tab 1 is selected.
void TestInsertControl() {
  if (!get_control) return;
  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 500, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = CreateWindowExW(0, L"AtlAxWin", L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                              frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100, 20, frame, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  IUnknown* unknown = nullptr;
  if (host) get_control(host, &unknown);
  com::Ref<_FolivanTab> tabs = com::Query<_FolivanTab>(unknown, IID__FolivanTab);
  HWND control = host ? FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr) : nullptr;
  if (tabs && control && edit) {
    auto* text = new HostControl(edit);
    IDispatch* ctl = text;
    VARIANT missing;
    VariantInit(&missing);
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    VARIANT l = missing, t = missing, w = missing, h = missing;
    VARIANT_BOOL stretch = VARIANT_FALSE;
    wine_check::Succeeded(tabs->InsertControl(&ctl, 1, &l, &t, &w, &h, &stretch), "InsertControl on tab 1");
    Check(GetAncestor(edit, GA_PARENT) == control && text->place[0] == 150 - 75000,
          "the inserted text box is a child of the control, 75000 twips to the left while tab 0 is current");
    tabs->put_CurrentTab(1);
    RECT placed = PlaceIn(edit, control);
    Check(placed.left == 10 && placed.top > 13 && IsWindowEnabled(edit),
          "selecting tab 1 brings it into sight below the strip, enabled", Describe(placed));
    tabs->put_CurrentTab(0);
    placed = PlaceIn(edit, control);
    Check(placed.left < -4000, "back on tab 0 it is out of sight again", Describe(placed));
    text->Release();
  } else {
    Check(false, "a control in the ATL host and a text box of the frame");
  }
  tabs.Reset();
  if (unknown) unknown->Release();
  DestroyWindow(host);
  DestroyWindow(frame);
  Pump(20);
}

// IControls of a control with two child windows of the container: Count,
// Item by number and by name, and _NewEnum.
void TestControlsCollection() {
  if (!get_control) return;
  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 500, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = CreateWindowExW(0, L"AtlAxWin", L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                              frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  IUnknown* unknown = nullptr;
  if (host) get_control(host, &unknown);
  com::Ref<_FolivanTab> tabs = com::Query<_FolivanTab>(unknown, IID__FolivanTab);
  HWND control = host ? FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr) : nullptr;
  if (control) {
    for (int id : {1001, 1002}) {
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 40 * (id - 1000), 100, 20, control,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }
  }
  IDispatch* controls = nullptr;
  if (tabs) tabs->get_IControls(&controls);
  auto invoke = [&](DISPID id, WORD flags, VARIANT* arg, VARIANT* result) {
    DISPPARAMS params{arg, nullptr, arg ? 1u : 0u, 0};
    VariantInit(result);
    return controls ? controls->Invoke(id, IID_NULL, 0, flags, &params, result, nullptr, nullptr) : E_POINTER;
  };
  VARIANT count, item, name_arg;
  invoke(1, DISPATCH_PROPERTYGET, nullptr, &count);
  Check(V_VT(&count) == VT_I4 && V_I4(&count) == 2, "IControls counts the control's two child windows");
  VariantInit(&name_arg);
  V_VT(&name_arg) = VT_I4;
  V_I4(&name_arg) = 1;
  invoke(DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &name_arg, &item);
  bool second_is_edit = false;
  if (V_VT(&item) == VT_DISPATCH && V_DISPATCH(&item)) {
    LPOLESTR hwnd_name = const_cast<LPOLESTR>(L"hwnd");
    DISPID hwnd_id = 0;
    VARIANT window;
    VariantInit(&window);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (SUCCEEDED(V_DISPATCH(&item)->GetIDsOfNames(IID_NULL, &hwnd_name, 1, 0, &hwnd_id)) &&
        SUCCEEDED(V_DISPATCH(&item)->Invoke(hwnd_id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &window, nullptr,
                                            nullptr))) {
      second_is_edit = V_VT(&window) == VT_I4 &&
                       GetDlgCtrlID(reinterpret_cast<HWND>(static_cast<INT_PTR>(V_I4(&window)))) == 1002;
    }
  }
  Check(second_is_edit, "Item(1) is the second child window, with its hwnd");
  VariantClear(&item);
  VARIANT enumerator;
  invoke(DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, &enumerator);
  int enumerated = 0;
  IEnumVARIANT* items = nullptr;
  if (V_VT(&enumerator) == VT_UNKNOWN && V_UNKNOWN(&enumerator) &&
      SUCCEEDED(V_UNKNOWN(&enumerator)->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items)))) {
    VARIANT each;
    VariantInit(&each);
    while (items->Next(1, &each, nullptr) == S_OK) {
      enumerated += V_VT(&each) == VT_DISPATCH ? 1 : 0;
      VariantClear(&each);
    }
    items->Release();
  }
  VariantClear(&enumerator);
  Equal(enumerated, 2, "_NewEnum walks both controls");
  if (controls) controls->Release();
  tabs.Reset();
  if (unknown) unknown->Release();
  DestroyWindow(host);
  DestroyWindow(frame);
  Pump(20);
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto init = atl ? reinterpret_cast<AtlAxWinInitFn>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")))
                  : nullptr;
  if (init && init()) {
    get_control = reinterpret_cast<AtlAxGetControlFn>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
  }
  Check(get_control != nullptr, "Wine's ATL host window (atl.dll AtlAxWin) is there");
  for (bool visio : {false, true}) {
    TestEmbedding(false, visio);
    TestEmbedding(true, visio);
  }
  TestInsertControl();
  TestControlsCollection();
  CoUninitialize();
  return wine_check::Finish();
}
