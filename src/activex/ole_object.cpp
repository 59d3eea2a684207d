// IOleObject, in-place activation (IOleInPlaceObject, IOleInPlaceActiveObject),
// IOleControl and the control's window.
#include <cctype>
#include <cmath>
#include <vector>

#include "activex/accessible_object.h"
#include "activex/control_object.h"

namespace folivan::activex {

namespace {
constexpr wchar_t kWindowClass[] = L"FolivanTabWindow";
constexpr double kHimetricPerInch = 2540.0;

int ScreenDpi(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
LONG HimetricToPixels(LONG himetric, int dpi) { return MulDiv(himetric, dpi, static_cast<int>(kHimetricPerInch)); }
LONG PixelsToHimetric(LONG pixels, int dpi) { return MulDiv(pixels, static_cast<int>(kHimetricPerInch), dpi); }

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  // A private DC (the surface's hDC with AutoRedraw off) and double clicks.
  wc.style = CS_OWNDC | CS_DBLCLKS;
  wc.lpfnWndProc = ControlObject::WindowProc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kWindowClass;
  registered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int16_t ShiftState() {
  int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int16_t ButtonState(WPARAM wparam) {
  int16_t button = 0;
  if (wparam & MK_LBUTTON) button |= 1;
  if (wparam & MK_RBUTTON) button |= 2;
  if (wparam & MK_MBUTTON) button |= 4;
  return button;
}

// Runs a notification of the control; errors inside a window message have no caller.
template <typename Fn>
void Notify(Fn&& fn) {
  try {
    fn();
  } catch (...) {
  }
}
}  // namespace

// --- IOleObject ----------------------------------------------------------------------

STDMETHODIMP ControlObject::SetClientSite(IOleClientSite* site) {
  if (site) site->AddRef();
  if (site_) site_->Release();
  site_ = site;
  SetSimpleFrameSite(site_);
  if (site_) Notify([&] { core_->AmbientChanged("UserMode"); });
  return S_OK;
}

STDMETHODIMP ControlObject::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = site_;
  if (site_) site_->AddRef();
  return S_OK;
}

STDMETHODIMP ControlObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP ControlObject::Close(DWORD) {
  if (hwnd_ || inplace_site_) InPlaceDeactivate();
  if (ole_advise_) ole_advise_->SendOnClose();
  return S_OK;
}

STDMETHODIMP ControlObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }
STDMETHODIMP ControlObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP ControlObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }
STDMETHODIMP ControlObject::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ControlObject::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
      return InPlaceActivate(verb);
    case OLEIVERB_HIDE:
      if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
      return S_OK;
    default:
      return OLEOBJ_S_INVALIDVERB;
  }
}

STDMETHODIMP ControlObject::EnumVerbs(IEnumOLEVERB** verbs) { return OleRegEnumVerbs(CLSID_FolivanTab, verbs); }
STDMETHODIMP ControlObject::Update() { return S_OK; }
STDMETHODIMP ControlObject::IsUpToDate() { return S_OK; }

STDMETHODIMP ControlObject::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_FolivanTab;
  return S_OK;
}

STDMETHODIMP ControlObject::GetUserType(DWORD form, LPOLESTR* type) { return OleRegGetUserType(CLSID_FolivanTab, form, type); }

STDMETHODIMP ControlObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  // With a window, the size comes from SetObjectRects.
  if (!hwnd_) {
    ApplySize(HimetricToPixels(size->cx, ScreenDpi(LOGPIXELSX)), HimetricToPixels(size->cy, ScreenDpi(LOGPIXELSY)));
  }
  return S_OK;
}

STDMETHODIMP ControlObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

STDMETHODIMP ControlObject::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!ole_advise_) {
    HRESULT hr = CreateOleAdviseHolder(&ole_advise_);
    if (FAILED(hr)) return hr;
  }
  return ole_advise_->Advise(sink, cookie);
}

STDMETHODIMP ControlObject::Unadvise(DWORD cookie) {
  return ole_advise_ ? ole_advise_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ControlObject::EnumAdvise(IEnumSTATDATA** advise) {
  if (!advise) return E_POINTER;
  *advise = nullptr;
  return ole_advise_ ? ole_advise_->EnumAdvise(advise) : S_OK;
}

STDMETHODIMP ControlObject::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

STDMETHODIMP ControlObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// --- size ------------------------------------------------------------------------------

void ControlObject::ApplySize(int width_px, int height_px) {
  win32::Win32Surface& surface = host_.Win32();
  if (width_px == surface.PixelWidth() && height_px == surface.PixelHeight()) return;
  surface.Resize(width_px, height_px);
  extent_.cx = PixelsToHimetric(surface.PixelWidth(), ScreenDpi(LOGPIXELSX));
  extent_.cy = PixelsToHimetric(surface.PixelHeight(), ScreenDpi(LOGPIXELSY));
  Notify([&] { core_->Resize(); });
}

void ControlObject::RequestSize(double width_twips, double height_twips) {
  int width_px = static_cast<int>(std::lround(width_twips * ScreenDpi(LOGPIXELSX) / 1440.0));
  int height_px = static_cast<int>(std::lround(height_twips * ScreenDpi(LOGPIXELSY) / 1440.0));
  if (hwnd_ && inplace_site_) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    rect.right = rect.left + width_px;
    rect.bottom = rect.top + height_px;
    // The container answers with SetObjectRects; move ourselves if it does not.
    if (FAILED(inplace_site_->OnPosRectChange(&rect))) {
      MoveWindow(hwnd_, rect.left, rect.top, width_px, height_px, TRUE);
    }
    return;
  }
  ApplySize(width_px, height_px);
}

// --- in-place activation --------------------------------------------------------------

HRESULT ControlObject::InPlaceActivate(LONG verb) {
  if (!site_) return E_UNEXPECTED;
  if (!inplace_site_) {
    IOleInPlaceSite* inplace = nullptr;
    if (FAILED(site_->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inplace)))) return E_NOINTERFACE;
    if (inplace->CanInPlaceActivate() != S_OK) {
      inplace->Release();
      return E_FAIL;
    }
    inplace_site_ = inplace;
    inplace_site_->OnInPlaceActivate();
  }
  if (!hwnd_) {
    HWND parent = nullptr;
    if (FAILED(inplace_site_->GetWindow(&parent))) return E_FAIL;
    RECT pos{}, clip{};
    OLEINPLACEFRAMEINFO frame_info{};
    frame_info.cb = sizeof(frame_info);
    if (frame_) frame_->Release();
    if (ui_window_) ui_window_->Release();
    frame_ = nullptr;
    ui_window_ = nullptr;
    inplace_site_->GetWindowContext(&frame_, &ui_window_, &pos, &clip, &frame_info);
    RegisterWindowClass();
    hwnd_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                            pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top, parent, nullptr,
                            ModuleInstance(), this);
    if (!hwnd_) return E_FAIL;
    host_.Win32().AttachWindow(hwnd_);
    ApplySize(pos.right - pos.left, pos.bottom - pos.top);
    EnsureInitializedQuietly();
    Notify([&] { core_->Show(); });
    ShowWindow(hwnd_, SW_SHOWNA);
  }
  if (verb == OLEIVERB_UIACTIVATE || verb == OLEIVERB_PRIMARY) UIActivate();
  return S_OK;
}

void ControlObject::EnsureInitializedQuietly() {
  Notify([&] { EnsureInitialized(); });
}

void ControlObject::UIActivate() {
  if (ui_active_ || !inplace_site_) return;
  ui_active_ = true;
  inplace_site_->OnUIActivate();
  if (frame_) frame_->SetActiveObject(this, nullptr);
  if (ui_window_) ui_window_->SetActiveObject(this, nullptr);
  if (hwnd_ && GetFocus() != hwnd_) ::SetFocus(hwnd_);
}

STDMETHODIMP ControlObject::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = hwnd_;
  return hwnd_ ? S_OK : E_FAIL;
}

STDMETHODIMP ControlObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP ControlObject::InPlaceDeactivate() {
  UIDeactivate();
  if (hwnd_) {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    host_.Win32().AttachWindow(nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    // The control's timers found it through these; they die with the window.
    RemovePropA(hwnd, "ClassID");
    RemovePropA(hwnd, "TimerID");
    DestroyWindow(hwnd);
    win32::Win32System::ForgetTimers(hwnd);
  }
  if (frame_) frame_->Release();
  if (ui_window_) ui_window_->Release();
  frame_ = nullptr;
  ui_window_ = nullptr;
  if (inplace_site_) {
    IOleInPlaceSite* site = inplace_site_;
    inplace_site_ = nullptr;
    site->OnInPlaceDeactivate();
    site->Release();
  }
  return S_OK;
}

STDMETHODIMP ControlObject::UIDeactivate() {
  if (!ui_active_) return S_OK;
  ui_active_ = false;
  if (ui_window_) ui_window_->SetActiveObject(nullptr, nullptr);
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (inplace_site_) inplace_site_->OnUIDeactivate(FALSE);
  return S_OK;
}

STDMETHODIMP ControlObject::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  if (hwnd_) {
    MoveWindow(hwnd_, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
  } else {
    ApplySize(pos->right - pos->left, pos->bottom - pos->top);
  }
  return S_OK;
}

STDMETHODIMP ControlObject::ReactivateAndUndo() { return E_NOTIMPL; }
STDMETHODIMP ControlObject::TranslateAccelerator(LPMSG) { return S_FALSE; }
STDMETHODIMP ControlObject::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlObject::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP ControlObject::EnableModeless(BOOL) { return S_OK; }

// --- IOleControl ----------------------------------------------------------------------

void ControlObject::AccessKeysChanged() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  accelerators_ = nullptr;
  accelerator_count_ = 0;
  std::wstring keys = win32::Widen(host_.Win32().AccessKeys());
  std::vector<ACCEL> table;
  for (wchar_t key : keys) {
    SHORT scan = VkKeyScanW(key);
    if (scan == -1) continue;
    table.push_back(ACCEL{static_cast<BYTE>(FALT | FVIRTKEY), static_cast<WORD>(scan & 0xFF), 0});
  }
  if (!table.empty()) {
    accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    accelerator_count_ = static_cast<int>(table.size());
  }
  if (!site_) return;
  IOleControlSite* control_site = nullptr;
  if (SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&control_site)))) {
    control_site->OnControlInfoChanged();
    control_site->Release();
  }
}

STDMETHODIMP ControlObject::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->hAccel = accelerators_;
  info->cAccel = static_cast<USHORT>(accelerator_count_);
  info->dwFlags = 0;
  return S_OK;
}

STDMETHODIMP ControlObject::OnMnemonic(MSG* msg) {
  if (!msg) return E_POINTER;
  UINT character = MapVirtualKeyW(static_cast<UINT>(msg->wParam), MAPVK_VK_TO_CHAR) & 0x7FFF;
  if (!character) return S_FALSE;
  auto code = static_cast<int16_t>(std::toupper(static_cast<int>(character)));
  return Call([&] {
    core_->AccessKeyPress(code);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::OnAmbientPropertyChange(DISPID id) {
  const char* name = nullptr;
  switch (id) {
    case DISPID_AMBIENT_USERMODE: name = "UserMode"; break;
    case DISPID_AMBIENT_BACKCOLOR: name = "BackColor"; break;
    case DISPID_AMBIENT_FORECOLOR: name = "ForeColor"; break;
    case DISPID_AMBIENT_FONT: name = "Font"; break;
    case DISPID_AMBIENT_DISPLAYNAME: name = "DisplayName"; break;
    default: name = ""; break;
  }
  return Call([&] {
    core_->AmbientChanged(name);
    return S_OK;
  });
}

STDMETHODIMP ControlObject::FreezeEvents(BOOL freeze) {
  if (freeze) ++freeze_count_;
  else if (freeze_count_ > 0) --freeze_count_;
  return S_OK;
}

// --- the window ------------------------------------------------------------------------

LRESULT CALLBACK ControlObject::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ControlObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || !self->hwnd_) return DefWindowProcW(hwnd, message, wparam, lparam);
  // Keep the object alive while one of its handlers runs.
  self->AddRef();
  LRESULT result = self->OnFilteredMessage(message, wparam, lparam);
  self->Release();
  return result;
}

LRESULT ControlObject::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const float x = static_cast<float>(static_cast<short>(LOWORD(lparam)));
  const float y = static_cast<float>(static_cast<short>(HIWORD(lparam)));
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT client;
      GetClientRect(hwnd_, &client);
      host_.Win32().Blit(dc, client);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      host_.Win32().Blit(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      ApplySize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_MOUSEACTIVATE:
      UIActivate();
      return MA_ACTIVATE;
    case WM_SETFOCUS:
      UIActivate();
      Notify([&] { core_->GotFocus(); });
      return 0;
    case WM_KILLFOCUS:
      Notify([&] { core_->LostFocus(); });
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      int16_t button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
      if (button == 1) left_button_down_ = true;
      SetCapture(hwnd_);
      Notify([&] { core_->MouseDown(button, ShiftState(), x, y); });
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      int16_t button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
      if (GetCapture() == hwnd_) ReleaseCapture();
      Notify([&] { core_->MouseUp(button, ShiftState(), x, y); });
      if (button == 1 && left_button_down_) {
        left_button_down_ = false;
        POINT p{static_cast<LONG>(x), static_cast<LONG>(y)};
        RECT client;
        GetClientRect(hwnd_, &client);
        if (PtInRect(&client, p)) Notify([&] { core_->Click(); });
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      left_button_down_ = false;
      SetCapture(hwnd_);
      Notify([&] { core_->DblClick(); });
      return 0;
    case WM_MOUSEMOVE:
      Notify([&] { core_->MouseMove(ButtonState(wparam), ShiftState(), x, y); });
      return 0;
    case WM_KEYDOWN:
      Notify([&] { core_->KeyDown(static_cast<int16_t>(wparam), ShiftState()); });
      return 0;
    case WM_KEYUP:
      Notify([&] { core_->KeyUp(static_cast<int16_t>(wparam), ShiftState()); });
      return 0;
    case WM_CHAR:
      Notify([&] { core_->KeyPress(static_cast<int16_t>(wparam)); });
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == OBJID_CLIENT) return AnswerAccessibleObject(*this, wparam);
      // Other objects (the window's own, OBJID_WINDOW = 0) are the system's.
      return DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_TIMER:
      // The system calls a timer's procedure itself; a WM_TIMER without one
      // (lParam 0) still names the timer that fired.
      if (lparam == 0) {
        win32::Win32System::DispatchTimer(hwnd_, wparam);
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wparam, lparam);
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

}  // namespace folivan::activex
