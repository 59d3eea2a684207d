// System services on Windows: each member is the Win32 call of the same name.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/system.h"
#include "platform/win32/win32_tooltips.h"

namespace folivan::win32 {

class Win32System : public System {
 public:
  RgbColor GetSysColor(int index) const override;
  std::optional<RgbColor> OleTranslateColor(OleColor color, intptr_t palette) const override;
  WindowsVersion GetVersionEx() const override;
  std::optional<ThemeName> GetCurrentThemeName() const override;
  ThemeHandle OpenThemeData(WindowHandle hwnd, const std::string& class_list) override;
  void CloseThemeData(ThemeHandle theme) override;
  bool DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  bool MoveWindow(WindowHandle hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) override;
  bool ShowWindow(WindowHandle hwnd, int command) override;
  std::optional<Rect> GetClientRect(WindowHandle hwnd) const override;
  int32_t SetWindowLong(WindowHandle hwnd, int index, int32_t value) override;
  int32_t GetWindowLong(WindowHandle hwnd, int index) const override;
  bool SetProp(WindowHandle hwnd, const std::string& name, intptr_t value) override;
  intptr_t GetProp(WindowHandle hwnd, const std::string& name) const override;
  intptr_t RemoveProp(WindowHandle hwnd, const std::string& name) override;
  bool SetTimer(WindowHandle hwnd, uint32_t id, uint32_t elapse_ms, TimerProc proc) override;
  bool KillTimer(WindowHandle hwnd, uint32_t id) override;
  Point GetCursorPos() const override;
  WindowHandle WindowFromPoint(Point screen) const override;
  intptr_t LoadLibrary(const std::string& name) override;
  void FreeLibrary(intptr_t module) override;
  TooltipWindows& Tooltips() override { return tooltips_; }
  void NotifyWinEvent(uint32_t event, WindowHandle hwnd, int32_t child) override;
  bool IsWinEventHookInstalled(uint32_t event) const override;

  // Drops the timer procedures of a window that goes away (its timers die with it).
  static void ForgetTimers(HWND hwnd);
  // A WM_TIMER that reached the window itself (one posted without a timer
  // procedure): runs the procedure of that window's timer `id`, with `id`.
  static void DispatchTimer(HWND hwnd, UINT_PTR id);

 private:
  Win32Tooltips tooltips_;
};

}  // namespace folivan::win32
