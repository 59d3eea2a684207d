// Wine's ATL host windows as real containers (atl.dll AtlAxWin, atl100.dll
// AtlAxWin100, atl110.dll AtlAxWin110): each creates the registered control
// by ProgID, activates it in place in its own window, lets it paint, shows
// the tooltip of the tab under the cursor, passes a click on a tab on to it
// and tears it down when the window goes.
//
// Windows embedded on a tab in the same host: a top-level dialog with an edit
// box goes on tab 1 through EmbedWindow, and another, handed over as a form
// object with an "hwnd", through InsertWindow. Each is hidden while tab 0 is
// current, a visible child over the client area of tab 1 when that tab is
// selected, hidden again on tab 0, re-placed after a resize, and keys typed
// into its edit box reach it; the same in the Visio style. InsertControl moves
// a control of the host onto a tab. Needs the control registered (the harness does).
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <commctrl.h>

#include <cwchar>
#include <string>
#include <utility>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;
using wine_check::EqualText;

namespace {

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

void TestHost(const wchar_t* dll, const wchar_t* window_class) {
  const std::string where = " (" + wine_check::Narrow(window_class) + ")";
  HWND control_window = nullptr;
  {
    com::AtlHost h(360, 240, dll, window_class);
    Check(h.initialized, "the ATL host library loads and AtlAxWinInit registers its window" + where);
    if (!h.initialized) return;
    control_window = h.window;
    RECT rect{};
    if (control_window) GetClientRect(control_window, &rect);
    Check(h.control && rect.right == 360 && rect.bottom == 240,
          "the host window made with the ProgID holds the control, active in place in a window of its own that "
          "fills the host" + where);
    auto tabs = h.As<_FolivanTab>(IID__FolivanTab);
    if (tabs && control_window) {
      // The window paints the Windows XP look: tab 0 selected, its band orange.
      RedrawWindow(h.frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
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
        com::Pump(150);
        RedrawWindow(h.frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const auto band1 = OrangeRun(control_window, 1);
        Check(band1.first > band0.second, "the orange band moved to tab 1" + where,
              "orange from x " + std::to_string(band1.first) + " to " + std::to_string(band1.second));
      }
    }
  }
  Check(!control_window || !IsWindow(control_window),
        "destroying the host window destroys the control's window" + where);
}

constexpr int kEditId = 100;

// A top-level dialog window (class #32770) with an edit box.
HWND MakeDialog(const wchar_t* title) {
  HWND dialog = CreateWindowExW(0, L"#32770", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 10, 200, 24, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleW(nullptr), nullptr);
  return dialog;
}

// A windowed control of the host as its extender shows it: Name, hwnd, and a
// place in twips (15 a pixel) that moves its window.
class HostControl : public com::Members<> {
 public:
  double place[5] = {150, 150, 1500, 300, 1};  // Left, Top, Width, Height (twips), Enabled (0: False)

  explicit HostControl(HWND window) {
    const wchar_t* const names[] = {L"Left", L"Top", L"Width", L"Height", L"Enabled"};
    for (int i = 0; i < 5; ++i) {
      Add(names[i], [this, i, window](WORD flags, DISPPARAMS* params, VARIANT* result) -> HRESULT {
        if (!(flags & DISPATCH_PROPERTYPUT)) {
          *result = i < 4 ? com::Value(VT_R8, 0) : com::Value(VT_BOOL, place[4] != 0 ? -1 : 0);
          if (i < 4) V_R8(result) = place[i];
          return S_OK;
        }
        VARIANT v;
        VariantInit(&v);
        if (params->cArgs != 1 || FAILED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_R8))) return DISP_E_TYPEMISMATCH;
        place[i] = V_R8(&v);
        MoveWindow(window, static_cast<int>(place[0] / 15), static_cast<int>(place[1] / 15),
                   static_cast<int>(place[2] / 15), static_cast<int>(place[3] / 15), TRUE);
        return S_OK;
      });
    }
    Add(L"Name", com::ReadOnly([] { return com::Text(L"Text1"); }));
    Add(L"hwnd", com::ReadOnly([window] { return com::Handle(window); }));
  }
};

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

void TestEmbedding(bool insert_window, bool visio) {
  const std::string where = std::string(insert_window ? " (InsertWindow" : " (EmbedWindow") + (visio ? ", Visio)" : ")");
  com::AtlHost h(400, 300);
  auto tabs = h.As<_FolivanTab>(IID__FolivanTab);
  HWND frame = h.frame, host = h.host, control = h.window;
  HWND dialog = MakeDialog(insert_window ? L"Inserted" : L"Embedded");
  HWND edit = GetDlgItem(dialog, kEditId);
  if (!tabs || !control || !dialog || !edit) {
    Check(false, "a control in the ATL host and a dialog with an edit box" + where);
  } else {
    if (visio) tabs->put_Appearance(static_cast<Appearances>(6));
    HRESULT hr = S_OK;
    if (insert_window) {
      // A form of the host as InsertWindow sees it: an object whose "hwnd" is the form's window.
      auto* form = new com::Members<>();
      form->Add(L"hwnd", com::ReadOnly([dialog] { return com::Handle(dialog); }));
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
    RECT placed = com::PlaceIn(dialog, control);
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
    com::Pump(100);
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    short current = -1;
    tabs->get_CurrentTab(&current);
    Check(std::wstring(text) == L"ok" && current == 1, "keys typed into the embedded edit box reach it" + where,
          "text \"" + wine_check::Narrow(text) + "\", tab " + std::to_string(current));

    // A bigger control: the window follows the new client area.
    SetWindowPos(host, nullptr, 0, 0, 480, 360, SWP_NOMOVE | SWP_NOZORDER);
    com::Pump(50);
    GetClientRect(control, &client);
    placed = com::PlaceIn(dialog, control);
    Check(client.right == 480 && PlacedOverClientArea(placed, client, visio),
          "after a resize the window is placed over the new client area" + where,
          Describe(placed) + " in " + Describe(client));

    tabs->put_CurrentTab(0);
    Check(!IsWindowVisible(dialog), "back on tab 0 the window is hidden again" + where);

    // The embedded window is no contained control: IControls does not list it.
    com::Ref<IDispatch> controls;
    hr = tabs->get_IControls(&controls.p);
    Check(SUCCEEDED(hr) && controls && com::GetLong(controls, L"Count") == 0,
          "IControls is a collection whose Count leaves the embedded window out" + where);
  }
  tabs.Reset();
  if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
}

// InsertControl of a text box of the frame onto tab 1 while tab 0 is current:
// it becomes a child of the control, 75000 twips to the left, and comes into
// sight below the strip when tab 1 is selected.
void TestInsertControl() {
  com::AtlHost h(400, 300);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100, 20, h.frame, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  auto tabs = h.As<_FolivanTab>(IID__FolivanTab);
  HWND control = h.window;
  if (tabs && control && edit) {
    auto* text = new HostControl(edit);
    IDispatch* ctl = text;
    VARIANT missing;
    VariantInit(&missing);
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    VARIANT left = missing, top = missing, width = missing, height = missing;
    VARIANT_BOOL stretch = VARIANT_FALSE;
    wine_check::Succeeded(tabs->InsertControl(&ctl, 1, &left, &top, &width, &height, &stretch),
                          "InsertControl on tab 1");
    Check(GetAncestor(edit, GA_PARENT) == control && text->place[0] == 150 - 75000,
          "the inserted text box is a child of the control, 75000 twips to the left while tab 0 is current");
    tabs->put_CurrentTab(1);
    RECT placed = com::PlaceIn(edit, control);
    Check(placed.left == 10 && placed.top > 13 && IsWindowEnabled(edit),
          "selecting tab 1 brings it into sight below the strip, enabled", Describe(placed));
    tabs->put_CurrentTab(0);
    placed = com::PlaceIn(edit, control);
    Check(placed.left < -4000, "back on tab 0 it is out of sight again", Describe(placed));
    text->Release();
  } else {
    Check(false, "a control in the ATL host and a text box of the frame");
  }
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  TestHost(L"atl.dll", L"AtlAxWin");
  TestHost(L"atl100.dll", L"AtlAxWin100");
  TestHost(L"atl110.dll", L"AtlAxWin110");
  for (bool visio : {false, true}) {
    TestEmbedding(false, visio);
    TestEmbedding(true, visio);
  }
  TestInsertControl();
  CoUninitialize();
  return wine_check::Finish();
}
