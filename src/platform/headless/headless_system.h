// The system services of the headless platform: Windows XP's default blue
// colour scheme, a visual style that is off unless told otherwise (when on, its
// parts are drawn by the built-in rendition of theme_parts.h), a stand-in
// window system, and timers that fire only when the virtual clock is advanced.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_tooltips.h"
#include "platform/headless/theme_parts.h"
#include "platform/system.h"

namespace folivan {

class HeadlessSystem : public System {
 public:
  HeadlessSystem();

  // --- System ---
  RgbColor GetSysColor(int index) const override;
  std::optional<RgbColor> OleTranslateColor(OleColor color, intptr_t palette) const override;
  WindowsVersion GetVersionEx() const override { return version_; }
  std::optional<ThemeName> GetCurrentThemeName() const override { return theme_; }
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
  Point GetCursorPos() const override { return cursor_; }
  WindowHandle WindowFromPoint(Point screen) const override;
  intptr_t LoadLibrary(const std::string& name) override;
  void FreeLibrary(intptr_t module) override;
  HeadlessTooltips& Tooltips() override { return tooltips_; }
  void NotifyWinEvent(uint32_t event, WindowHandle hwnd, int32_t child) override {
    if (on_win_event) on_win_event(event, hwnd, child);
  }

  bool IsWinEventHookInstalled(uint32_t) const override { return static_cast<bool>(on_win_event); }

  // What listens to the accessibility events (the console while they are on).
  std::function<void(uint32_t event, WindowHandle hwnd, int32_t child)> on_win_event;

  // --- the stand-in window system ---
  struct Window {
    WindowHandle parent = 0;
    Rect rect;  // client coordinates of the parent, or screen coordinates for a top-level window
    bool visible = false;
    std::string class_name;
    std::map<std::string, intptr_t> props;
    uint32_t style = 0;  // without WS_VISIBLE, which `visible` holds
  };
  WindowHandle CreateWindow(const std::string& class_name, WindowHandle parent, const Rect& rect, bool visible,
                            uint32_t style = 0);
  void DestroyWindow(WindowHandle hwnd);
  const Window* FindWindow(WindowHandle hwnd) const;
  // The window's rectangle in screen coordinates.
  std::optional<Rect> ScreenRect(WindowHandle hwnd) const;

  // --- what tests and the console steer ---
  void SetSysColor(int index, RgbColor color) { colors_.at(static_cast<size_t>(index)) = color; }
  void SetTheme(std::optional<ThemeName> theme) { theme_ = std::move(theme); }
  // The surfaces whose device contexts the visual style can draw on.
  void AttachDevice(DeviceHandle hdc, Surface* surface);
  void DetachDevice(DeviceHandle hdc);
  void SetVersion(WindowsVersion version) { version_ = version; }
  void SetCursorPos(Point screen) { cursor_ = screen; }
  uint64_t Now() const { return now_ms_; }
  // Advances the virtual clock, firing every timer that falls due on the way, in time order.
  void AdvanceClock(uint64_t ms);
  int32_t LoadedLibraries() const { return loaded_libraries_; }
  size_t ActiveTimers() const { return timers_.size(); }

 private:
  struct Timer {
    WindowHandle hwnd;
    uint32_t id;
    uint32_t period;
    TimerProc proc;
    uint64_t due;
  };

  std::array<RgbColor, 31> colors_{};  // COLOR_xxx by index
  WindowsVersion version_;
  std::optional<ThemeName> theme_;
  std::map<WindowHandle, Window> windows_;
  WindowHandle next_window_ = 0x10010;
  std::vector<Timer> timers_;
  uint64_t now_ms_ = 0;
  Point cursor_{-1, -1};
  int32_t loaded_libraries_ = 0;
  ThemeHandle next_theme_ = 0x7000;
  std::map<ThemeHandle, theme_parts::ThemeClass> open_themes_;
  std::map<DeviceHandle, Surface*> devices_;
  HeadlessTooltips tooltips_{*this};
};

}  // namespace folivan
