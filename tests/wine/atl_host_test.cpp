// Wine's ATL host windows as real containers (atl.dll AtlAxWin, atl100.dll
// AtlAxWin100, atl110.dll AtlAxWin110): each creates the registered control
// by ProgID, activates it in place in its own window, lets it paint, shows
// the tooltip of the tab under the cursor, passes a click on a tab on to it
// and tears it down when the window goes. Needs the control registered (the
// harness does).
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <commctrl.h>

#include <cwchar>
#include <string>
#include <utility>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;
using wine_check::EqualText;

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

template <typename T>
T Proc(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The selected tab of the Windows XP look wears an orange band along its top;
// its inner rows are this colour.
constexpr COLORREF kBandOrange = RGB(255, 200, 60);

// The columns of row y of the window that are band orange: first and last,
// or {-1, -1}. Reads what the window shows (after WM_PAINT) from its DC.
std::pair<int, int> OrangeRun(HWND window, int y) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  std::pair<int, int> run{-1, -1};
  for (int x = 0; x < client.right; ++x) {
    if (GetPixel(dc, x, y) != kBandOrange) continue;
    if (run.first < 0) run.first = x;
    run.second = x;
  }
  ReleaseDC(window, dc);
  return run;
}

// The tooltip window (class "tooltips_class32") whose first tool lies on the
// given window, or none. (Its owner is the top-level window: a child window
// cannot own one.)
HWND TooltipOver(HWND window) {
  for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    if (SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) && tool.hwnd == window) return tip;
  }
  return nullptr;
}

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

void TestHost(const wchar_t* dll, const wchar_t* window_class) {
  const std::string where = " (" + std::string(window_class, window_class + wcslen(window_class)) + ")";
  HMODULE atl = LoadLibraryW(dll);
  auto init = atl ? Proc<AtlAxWinInitFn>(atl, "AtlAxWinInit") : nullptr;
  auto get_control = atl ? Proc<AtlAxGetControlFn>(atl, "AtlAxGetControl") : nullptr;
  Check(init && get_control && init(), "the ATL host library loads and AtlAxWinInit registers its window" + where);
  if (!get_control) return;

  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND host = CreateWindowExW(0, window_class, L"FolivanTabs.FolivanTab", WS_CHILD | WS_VISIBLE, 10, 10, 360, 240,
                              frame, nullptr, GetModuleHandleW(nullptr), nullptr);

  IUnknown* unknown = nullptr;
  if (host) get_control(host, &unknown);
  HWND control_window = host ? FindWindowExW(host, nullptr, L"FolivanTabWindow", nullptr) : nullptr;
  RECT rect{};
  if (control_window) GetClientRect(control_window, &rect);
  Check(unknown && rect.right == 360 && rect.bottom == 240,
        "the host window made with the ProgID holds the control, active in place in a window of its own that "
        "fills the host" + where);

  _FolivanTab* tabs = nullptr;
  if (unknown) unknown->QueryInterface(IID__FolivanTab, reinterpret_cast<void**>(&tabs));
  if (tabs && control_window) {
    // The window paints the Windows XP look: tab 0 selected, its band orange.
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto band0 = OrangeRun(control_window, 1);
    Check(band0.first >= 0 && band0.first < 8 && band0.second - band0.first > 20,
          "the window shows the orange band of the selected tab 0 at its top left" + where,
          "orange from x " + std::to_string(band0.first) + " to " + std::to_string(band0.second));

    // A click on tab 1, as the mouse makes it: the cursor over the tab (the
    // control checks where it is), a move, a press and a release. The press
    // takes the tab the last move found.
    if (band0.first >= 0) {
      POINT point{band0.second + 25, 12};
      const LPARAM at = MAKELPARAM(point.x, point.y);
      ClientToScreen(control_window, &point);
      SetCursorPos(point.x, point.y);
      SendMessageW(control_window, WM_MOUSEMOVE, 0, at);
      // With ShowToolTip (on by default) the tab gets its tooltip window.
      HWND tip = TooltipOver(control_window);
      wchar_t text[80] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = control_window;
      tool.lpszText = text;
      if (tip) SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
      EqualText(text, L"Tab 1", "hovering over tab 1 makes a tooltip window with its caption" + where);
      SendMessageW(control_window, WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageW(control_window, WM_LBUTTONUP, 0, at);
      short current = -1;
      tabs->get_CurrentTab(&current);
      Equal(static_cast<int>(current), 1, "a click on tab 1 selects it" + where);
      // The hover timer runs in the host's message loop and finds the cursor gone.
      SetCursorPos(1000, 700);
      Pump(150);
      RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const auto band1 = OrangeRun(control_window, 1);
      Check(band1.first > band0.second, "the orange band moved to tab 1" + where,
            "orange from x " + std::to_string(band1.first) + " to " + std::to_string(band1.second));
    }
  }
  if (tabs) tabs->Release();
  if (unknown) unknown->Release();
  DestroyWindow(host);
  Check(!control_window || !IsWindow(control_window),
        "destroying the host window destroys the control's window" + where);
  DestroyWindow(frame);
  Pump(20);
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  TestHost(L"atl.dll", L"AtlAxWin");
  TestHost(L"atl100.dll", L"AtlAxWin100");
  TestHost(L"atl110.dll", L"AtlAxWin110");
  CoUninitialize();
  return wine_check::Finish();
}
