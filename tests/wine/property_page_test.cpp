// The control's property page under Wine: the control names its page
// (ISpecifyPropertyPages), OleCreatePropertyFrame opens it on the control
// hosted in Wine's ATL window, and
// a frame of the test's own drives it with window messages as a person would
// (choose " [6]  Visio", turn Hot Tracking off, click the Extended tab of the
// page's strip, type a caption) and applies: the control's properties change.
// Needs the registered FolivanTabs.ocx.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "com_objects.h"
#include "wine_check.h"

using com::Query;
using com::Ref;
using wine_check::Check;
using wine_check::EqualText;
using wine_check::Succeeded;

namespace {

// {6B1B5D9E-2C47-4E8F-9A51-0F3C7D2E8B14}
const CLSID kPageClsid = {0x6b1b5d9e, 0x2c47, 0x4e8f, {0x9a, 0x51, 0x0f, 0x3c, 0x7d, 0x2e, 0x8b, 0x14}};
constexpr wchar_t kPageClass[] = L"FolivanTabPropertyPage";

Ref<IDispatch> NewControl() {
  Ref<IDispatch> control;
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(L"FolivanTabs.FolivanTab", &clsid))) return control;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&control.p));
  if (auto persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit)) persist->InitNew();
  return control;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// The page's child windows, in creation order.
std::vector<HWND> Children(HWND page) {
  std::vector<HWND> all;
  for (HWND w = GetWindow(page, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) all.push_back(w);
  return all;
}

// The first visible edit box of the page.
HWND VisibleEdit(HWND page) {
  for (HWND w : Children(page))
    if (ClassOf(w) == L"Edit" && IsWindowVisible(w)) return w;
  return nullptr;
}

// The drop-down or list (class cls) that holds the entry, visible ones only when asked.
HWND FindList(HWND page, const wchar_t* cls, const wchar_t* entry, bool visible_only) {
  const UINT find = std::wstring(cls) == L"ComboBox" ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT;
  for (HWND w : Children(page)) {
    if (ClassOf(w) != cls || (visible_only && !IsWindowVisible(w))) continue;
    if (SendMessageW(w, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry)) >= 0) return w;
  }
  return nullptr;
}

// What a person's choice in a drop-down or list sends the page.
void Choose(HWND page, HWND list, const wchar_t* entry) {
  const bool combo = ClassOf(list) == L"ComboBox";
  const LRESULT index = SendMessageW(list, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(entry));
  SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// The page's strip: the larger of its two instances of the control.
HWND Strip(HWND page) {
  HWND best = nullptr;
  LONG best_width = 0;
  for (HWND w : Children(page)) {
    const std::wstring cls = ClassOf(w);
    if (cls == L"Static" || cls == L"Edit" || cls == L"ComboBox" || cls == L"ListBox" || cls == L"Button") continue;
    RECT r{};
    GetWindowRect(w, &r);
    if (r.right - r.left > best_width) {
      best = w;
      best_width = r.right - r.left;
    }
  }
  return best;
}

class PageSite : public com::Object<IPropertyPageSite> {
 public:
  DWORD status = 0;
  STDMETHODIMP OnStatusChange(DWORD flags) override {
    status |= flags;
    return S_OK;
  }
  STDMETHODIMP GetLocaleID(LCID* lcid) override {
    *lcid = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  STDMETHODIMP GetPageContainer(IUnknown** container) override {
    *container = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP TranslateAccelerator(MSG*) override { return E_NOTIMPL; }

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_IPropertyPageSite ? static_cast<IPropertyPageSite*>(this) : nullptr;
  }
};

// --- OleCreatePropertyFrame -------------------------------------------------------------------

bool g_page_seen = false;

BOOL CALLBACK FindPage(HWND hwnd, LPARAM found) {
  if (ClassOf(hwnd) == kPageClass) {
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK InspectFrame(HWND top, LPARAM) {
  HWND page = nullptr;
  EnumChildWindows(top, FindPage, reinterpret_cast<LPARAM>(&page));
  if (!page) return TRUE;
  g_page_seen = true;
  PostMessageW(top, WM_COMMAND, IDCANCEL, 0);
  return FALSE;
}

void CALLBACK OnFrameTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EnumThreadWindows(GetCurrentThreadId(), InspectFrame, 0);
}

void PropertyFrameOpensThePage() {
  com::AtlHost host(300, 200);
  auto control = host.As<IDispatch>(IID_IDispatch);
  Check(control != nullptr, "the control hosted in Wine's ATL window");
  if (!control) return;
  auto specify = Query<ISpecifyPropertyPages>(control, IID_ISpecifyPropertyPages);
  Check(specify != nullptr, "the control implements ISpecifyPropertyPages");
  if (!specify) return;
  CAUUID pages{};
  Succeeded(specify->GetPages(&pages), "GetPages");
  Check(pages.cElems == 1 && pages.pElems && IsEqualCLSID(pages.pElems[0], kPageClsid), "GetPages names the page's class");
  SetTimer(nullptr, 0, 300, OnFrameTimer);
  IUnknown* objects[] = {control.p};
  const HRESULT hr = OleCreatePropertyFrame(nullptr, 0, 0, L"FolivanTab1", 1, objects, pages.cElems, pages.pElems,
                                            LOCALE_USER_DEFAULT, 0, nullptr);
  CoTaskMemFree(pages.pElems);
  Succeeded(hr, "OleCreatePropertyFrame");
  Check(g_page_seen, "the property frame holds the page's window");
}

// --- a frame of the test's own ------------------------------------------------------------------

void DrivenByWindowMessages() {
  Ref<IDispatch> control = NewControl();
  Ref<IPropertyPage2> page;
  CoCreateInstance(kPageClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage2, reinterpret_cast<void**>(&page.p));
  Check(page != nullptr, "the registered page is created as IPropertyPage2");
  if (!control || !page) return;

  PageSite* site = new PageSite();
  page->SetPageSite(site);
  PROPPAGEINFO info{};
  info.cb = sizeof(info);
  Succeeded(page->GetPageInfo(&info), "GetPageInfo");
  EqualText(info.pszTitle ? info.pszTitle : L"", L"Control Properties", "the page's caption");
  CoTaskMemFree(info.pszTitle);

  HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 460, 360, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  IUnknown* objects[] = {control.p};
  Succeeded(page->SetObjects(1, objects), "SetObjects");
  const RECT rect{0, 0, info.size.cx, info.size.cy};
  Succeeded(page->Activate(frame, &rect, TRUE), "Activate");
  page->Show(SW_SHOW);
  HWND window = FindWindowExW(frame, nullptr, kPageClass, nullptr);
  Check(window != nullptr, "the page's window is a child of the frame");
  if (window) {
    HWND appearance = FindList(window, L"ComboBox", L" [6]  Visio", true);
    Check(appearance != nullptr, "the Appearance drop-down");
    if (appearance) Choose(window, appearance, L" [6]  Visio");
    Check(page->IsPageDirty() == S_OK && (site->status & PROPPAGESTATUS_DIRTY), "choosing marks the page dirty");
    HWND booleans = FindList(window, L"ListBox", L"Hot Tracking", true);
    if (booleans) Choose(window, booleans, L"Hot Tracking");
    HWND value = FindList(window, L"ComboBox", L"FALSE", true);
    Check(booleans != nullptr && value != nullptr, "the boolean list and its Value drop-down");
    if (value) Choose(window, value, L"FALSE");

    // A person clicks the Extended tab of the page's strip (the cursor is over it).
    HWND strip = Strip(window);
    Check(strip != nullptr, "the page's strip is a window of the control");
    POINT on_tab{90, 10};
    ClientToScreen(strip, &on_tab);
    SetCursorPos(on_tab.x, on_tab.y);
    const LPARAM at = MAKELPARAM(90, 10);
    SendMessageW(strip, WM_MOUSEMOVE, 0, at);
    SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(strip, WM_LBUTTONUP, 0, at);
    HWND caption = VisibleEdit(window);
    Check(caption != nullptr, "the Extended tab shows its Tab Caption box");
    if (caption) {
      const RECT r = com::PlaceIn(caption, window);
      Check(r.top < 100, "the box is the Tab Caption box (top " + std::to_string(r.top) + ")");
      SetFocus(caption);
      SetWindowTextW(caption, L"");
      for (const wchar_t* c = L"Orders"; *c; ++c) SendMessageW(caption, WM_CHAR, *c, 0);
      wchar_t typed[64] = {};
      GetWindowTextW(caption, typed, 64);
      EqualText(typed, L"Orders", "the typed caption in its box");
    }
  }
  Succeeded(page->Apply(), "Apply");
  Check(com::GetLong(control, L"Appearance") == 6, "Apply wrote Appearance 6 (Visio)");
  Check(com::GetLong(control, L"HotTracking") == 0, "Apply wrote HotTracking false");
  Check(com::GetLong(control, L"BoldSelected") != 0, "the other booleans stay as they were read");
  EqualText(com::GetText(control, L"Caption"), L"Orders", "Apply wrote the typed caption");
  Check(page->IsPageDirty() == S_FALSE, "the page is clean after Apply");
  // The page reads the control again: the Extended tab shows the applied caption.
  wchar_t text[64] = {};
  if (HWND shown = window ? VisibleEdit(window) : nullptr) GetWindowTextW(shown, text, 64);
  EqualText(text, L"Orders", "the Tab Caption box after Apply");
  page->Deactivate();
  page->SetObjects(0, nullptr);
  page->SetPageSite(nullptr);
  site->Release();
  DestroyWindow(frame);
}

}  // namespace

int wmain() {
  OleInitialize(nullptr);
  PropertyFrameOpensThePage();
  DrivenByWindowMessages();
  OleUninitialize();
  return wine_check::Finish();
}
