// Wine's ATL host window as a real container: it creates the registered
// control by ProgID, activates it in place in its own window and tears it
// down when the window goes. Needs the control registered (the harness does).
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

template <typename T>
T Proc(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HWND FindControlWindow(HWND host) { return FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr); }

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  const std::pair<const wchar_t*, const wchar_t*> hosts[] = {
      {L"atl110.dll", L"AtlAxWin110"}, {L"atl100.dll", L"AtlAxWin100"}, {L"atl.dll", L"AtlAxWin"}};
  HMODULE atl = nullptr;
  const wchar_t* window_class = nullptr;
  for (const auto& [dll, cls] : hosts) {
    atl = LoadLibraryW(dll);
    if (atl) {
      window_class = cls;
      break;
    }
  }
  Check(atl != nullptr, "an ATL host library loads");
  if (!atl) return wine_check::Finish();
  auto init = Proc<AtlAxWinInitFn>(atl, "AtlAxWinInit");
  auto get_control = Proc<AtlAxGetControlFn>(atl, "AtlAxGetControl");
  Check(init && get_control && init(), "AtlAxWinInit");

  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = CreateWindowExW(0, window_class, L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, 360, 240,
                              frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  Check(host != nullptr, "the ATL host window is created with the ProgID");

  IUnknown* unknown = nullptr;
  if (host && get_control) get_control(host, &unknown);
  Check(unknown != nullptr, "the host holds the control");
  HWND control_window = host ? FindControlWindow(host) : nullptr;
  Check(control_window != nullptr, "the control is active in place in a window of its own");
  RECT rect{};
  if (control_window) GetClientRect(control_window, &rect);
  Check(rect.right == 360 && rect.bottom == 240, "the control's window fills the host window");

  _FolivanTab* tabs = nullptr;
  if (unknown) unknown->QueryInterface(IID__FolivanTab, reinterpret_cast<void**>(&tabs));
  if (tabs) {
    short count = 0;
    tabs->get_Tabs(&count);
    Equal(static_cast<int>(count), 3, "Tabs through the vtable of the hosted control");
    LONG hwnd = 0;
    tabs->get_hwnd(&hwnd);
    Check(hwnd == static_cast<LONG>(reinterpret_cast<LONG_PTR>(control_window)), "hwnd is the active window");
    tabs->put_CurrentTab(2);
    short current = 0;
    tabs->get_CurrentTab(&current);
    Equal(static_cast<int>(current), 2, "CurrentTab written while hosted");
    BSTR caption = nullptr;
    tabs->get_Caption(&caption);
    Check(caption && std::wstring(caption) == L"Tab 2", "Caption follows the current tab");
    SysFreeString(caption);
    tabs->Release();
  }

  // Painting in the host does not disturb the control.
  if (control_window) {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Check(IsWindow(control_window) != FALSE, "the control survives a repaint of the form");
  }

  if (unknown) unknown->Release();
  DestroyWindow(host);
  Check(!control_window || !IsWindow(control_window), "destroying the host window destroys the control's window");
  DestroyWindow(frame);
  CoUninitialize();
  return wine_check::Finish();
}
