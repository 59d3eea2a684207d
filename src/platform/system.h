// System services outside the host: system colours and colour translation,
// the Windows version and visual styles, windows, timers and the cursor.
// On Windows each call is the API of the same name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/tooltip_window.h"
#include "platform/types.h"

namespace folivan {

// Window-message style timer procedure: it finds its control through the
// window properties of hwnd ("ClassID", "TimerID").
using TimerProc = void (*)(WindowHandle hwnd, uint32_t id);

// GetSysColor indices used by the control.
namespace syscolor {
constexpr int kWindowFrame = 6;
constexpr int kHighlight = 13;
constexpr int kHighlightText = 14;
constexpr int kBtnFace = 15;
constexpr int kBtnShadow = 16;
constexpr int kGrayText = 17;
constexpr int kBtnText = 18;
constexpr int kBtnHighlight = 20;
constexpr int k3DDkShadow = 21;
constexpr int k3DLight = 22;
}  // namespace syscolor

// ShowWindow commands used by the control.
namespace sw {
constexpr int kHide = 0;
constexpr int kShowNormal = 1;
constexpr int kShowNoActivate = 4;
constexpr int kShow = 5;
constexpr int kShowNA = 8;
}  // namespace sw

// GetWindowLongA / SetWindowLongA index and the window styles the control uses.
namespace gwl {
constexpr int kStyle = -16;
}  // namespace gwl
namespace ws {
constexpr uint32_t kChild = 0x40000000;
constexpr uint32_t kVisible = 0x10000000;
}  // namespace ws

struct WindowsVersion {
  uint32_t major = 5;
  uint32_t minor = 1;
  uint32_t build = 2600;
  uint32_t platform_id = 2;  // VER_PLATFORM_WIN32_NT
};

// GetCurrentThemeName: the theme file and its colour scheme ("NormalColor", ...).
struct ThemeName {
  std::string file;
  std::string color;
};

using ThemeHandle = intptr_t;

// The accessibility events the control raises (the WinEvent constants).
namespace winevent {
constexpr uint32_t kShow = 0x8002;
constexpr uint32_t kHide = 0x8003;
constexpr uint32_t kReorder = 0x8004;
constexpr uint32_t kFocus = 0x8005;
constexpr uint32_t kSelection = 0x8006;
constexpr uint32_t kStateChange = 0x800A;
constexpr uint32_t kNameChange = 0x800C;
}  // namespace winevent

class System {
 public:
  virtual ~System() = default;

  // Colours.
  virtual RgbColor GetSysColor(int index) const = 0;
  // OleTranslateColor: nullopt on failure.
  virtual std::optional<RgbColor> OleTranslateColor(OleColor color, intptr_t palette) const = 0;

  // Version and visual styles.
  virtual WindowsVersion GetVersionEx() const = 0;
  // nullopt when no visual style is active.
  virtual std::optional<ThemeName> GetCurrentThemeName() const = 0;
  // 0 when the class has no theme data (styles off).
  virtual ThemeHandle OpenThemeData(WindowHandle hwnd, const std::string& class_list) = 0;
  virtual void CloseThemeData(ThemeHandle theme) = 0;
  // False when the part was not drawn (the HRESULT failed).
  virtual bool DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) = 0;

  // Windows.
  virtual WindowHandle SetParent(WindowHandle child, WindowHandle parent) = 0;
  virtual bool MoveWindow(WindowHandle hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) = 0;
  virtual bool ShowWindow(WindowHandle hwnd, int command) = 0;
  virtual std::optional<Rect> GetClientRect(WindowHandle hwnd) const = 0;
  // SetWindowLongA: returns the previous value (0 on failure).
  virtual int32_t SetWindowLong(WindowHandle hwnd, int index, int32_t value) = 0;
  virtual int32_t GetWindowLong(WindowHandle hwnd, int index) const = 0;
  virtual bool SetProp(WindowHandle hwnd, const std::string& name, intptr_t value) = 0;
  virtual intptr_t GetProp(WindowHandle hwnd, const std::string& name) const = 0;
  virtual intptr_t RemoveProp(WindowHandle hwnd, const std::string& name) = 0;

  // Timers (SetTimer with a TIMERPROC; KillTimer).
  virtual bool SetTimer(WindowHandle hwnd, uint32_t id, uint32_t elapse_ms, TimerProc proc) = 0;
  virtual bool KillTimer(WindowHandle hwnd, uint32_t id) = 0;

  // Cursor, in screen pixels.
  virtual Point GetCursorPos() const = 0;
  virtual WindowHandle WindowFromPoint(Point screen) const = 0;

  // Libraries (LoadLibraryA / FreeLibrary).
  virtual intptr_t LoadLibrary(const std::string& name) = 0;
  virtual void FreeLibrary(intptr_t module) = 0;

  // Tooltip windows of the common controls.
  virtual TooltipWindows& Tooltips() = 0;

  // NotifyWinEvent for the client area of hwnd: child 0 is the window's own
  // object, 1.. its children.
  virtual void NotifyWinEvent(uint32_t event, WindowHandle hwnd, int32_t child) = 0;
  // IsWinEventHookInstalled: whether anyone may hear that event (true when
  // the system cannot tell).
  virtual bool IsWinEventHookInstalled(uint32_t event) const = 0;
};

}  // namespace folivan
