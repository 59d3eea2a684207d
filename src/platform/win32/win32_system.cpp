#include "platform/win32/win32_system.h"

#include "platform/win32/win32_api.h"
#include <uxtheme.h>

#include <map>
#include <utility>

#include "platform/win32/win32_surface.h"

namespace folivan::win32 {

namespace {
HWND H(WindowHandle h) { return reinterpret_cast<HWND>(h); }

// Win32 timer procedures carry more arguments than the control's; the
// trampoline finds the control's procedure by window and identifier.
std::map<std::pair<HWND, UINT_PTR>, TimerProc>& Timers() {
  static std::map<std::pair<HWND, UINT_PTR>, TimerProc> timers;
  return timers;
}

void CALLBACK TimerTrampoline(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find({hwnd, id});
  if (it != Timers().end()) it->second(reinterpret_cast<WindowHandle>(hwnd), static_cast<uint32_t>(id));
}
}  // namespace

RgbColor Win32System::GetSysColor(int index) const { return static_cast<RgbColor>(::GetSysColor(index)); }

std::optional<RgbColor> Win32System::OleTranslateColor(OleColor color, intptr_t palette) const {
  COLORREF rgb = 0;
  if (FAILED(::OleTranslateColor(color, reinterpret_cast<HPALETTE>(palette), &rgb))) return std::nullopt;
  return static_cast<RgbColor>(rgb);
}

WindowsVersion Win32System::GetVersionEx() const {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  WindowsVersion v;
  if (::GetVersionExA(&info)) {
    v.major = info.dwMajorVersion;
    v.minor = info.dwMinorVersion;
    v.build = info.dwBuildNumber;
    v.platform_id = info.dwPlatformId;
  }
  return v;
}

std::optional<ThemeName> Win32System::GetCurrentThemeName() const {
  wchar_t file[MAX_PATH] = {};
  wchar_t color[MAX_PATH] = {};
  if (FAILED(::GetCurrentThemeName(file, MAX_PATH, color, MAX_PATH, nullptr, 0))) return std::nullopt;
  return ThemeName{Narrow(file), Narrow(color)};
}

ThemeHandle Win32System::OpenThemeData(WindowHandle hwnd, const std::string& class_list) {
  return reinterpret_cast<ThemeHandle>(::OpenThemeData(H(hwnd), Widen(class_list).c_str()));
}

void Win32System::CloseThemeData(ThemeHandle theme) { ::CloseThemeData(reinterpret_cast<HTHEME>(theme)); }

bool Win32System::DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) {
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  return SUCCEEDED(
      ::DrawThemeBackground(reinterpret_cast<HTHEME>(theme), reinterpret_cast<HDC>(hdc), part, state, &r, nullptr));
}

WindowHandle Win32System::SetParent(WindowHandle child, WindowHandle parent) {
  return reinterpret_cast<WindowHandle>(::SetParent(H(child), H(parent)));
}

bool Win32System::MoveWindow(WindowHandle hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
  return ::MoveWindow(H(hwnd), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool Win32System::ShowWindow(WindowHandle hwnd, int command) { return ::ShowWindow(H(hwnd), command) != FALSE; }

int32_t Win32System::SetWindowLong(WindowHandle hwnd, int index, int32_t value) {
  return static_cast<int32_t>(::SetWindowLongA(H(hwnd), index, static_cast<LONG>(value)));
}

int32_t Win32System::GetWindowLong(WindowHandle hwnd, int index) const {
  return static_cast<int32_t>(::GetWindowLongA(H(hwnd), index));
}

std::optional<Rect> Win32System::GetClientRect(WindowHandle hwnd) const {
  RECT r{};
  if (!::GetClientRect(H(hwnd), &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right, r.bottom};
}

bool Win32System::SetProp(WindowHandle hwnd, const std::string& name, intptr_t value) {
  return ::SetPropA(H(hwnd), name.c_str(), reinterpret_cast<HANDLE>(value)) != FALSE;
}

intptr_t Win32System::GetProp(WindowHandle hwnd, const std::string& name) const {
  return reinterpret_cast<intptr_t>(::GetPropA(H(hwnd), name.c_str()));
}

intptr_t Win32System::RemoveProp(WindowHandle hwnd, const std::string& name) {
  return reinterpret_cast<intptr_t>(::RemovePropA(H(hwnd), name.c_str()));
}

bool Win32System::SetTimer(WindowHandle hwnd, uint32_t id, uint32_t elapse_ms, TimerProc proc) {
  UINT_PTR result = ::SetTimer(H(hwnd), id, elapse_ms, TimerTrampoline);
  if (!result) return false;
  // Without a window the system picks the identifier.
  Timers()[{H(hwnd), hwnd ? static_cast<UINT_PTR>(id) : result}] = proc;
  return true;
}

bool Win32System::KillTimer(WindowHandle hwnd, uint32_t id) {
  Timers().erase({H(hwnd), id});
  return ::KillTimer(H(hwnd), id) != FALSE;
}

void Win32System::DispatchTimer(HWND hwnd, UINT_PTR id) { TimerTrampoline(hwnd, WM_TIMER, id, 0); }

void Win32System::ForgetTimers(HWND hwnd) {
  auto& timers = Timers();
  for (auto it = timers.begin(); it != timers.end();) {
    it = it->first.first == hwnd ? timers.erase(it) : std::next(it);
  }
}

Point Win32System::GetCursorPos() const {
  POINT p{};
  ::GetCursorPos(&p);
  return Point{p.x, p.y};
}

WindowHandle Win32System::WindowFromPoint(Point screen) const {
  return reinterpret_cast<WindowHandle>(::WindowFromPoint(POINT{screen.x, screen.y}));
}

intptr_t Win32System::LoadLibrary(const std::string& name) {
  return reinterpret_cast<intptr_t>(::LoadLibraryA(name.c_str()));
}

void Win32System::FreeLibrary(intptr_t module) {
  if (module) ::FreeLibrary(reinterpret_cast<HMODULE>(module));
}

void Win32System::NotifyWinEvent(uint32_t event, WindowHandle hwnd, int32_t child) {
  if (hwnd) ::NotifyWinEvent(event, reinterpret_cast<HWND>(hwnd), OBJID_CLIENT, child);
}

bool Win32System::IsWinEventHookInstalled(uint32_t event) const { return ::IsWinEventHookInstalled(event) != FALSE; }

}  // namespace folivan::win32
