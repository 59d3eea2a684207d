// Tooltip windows of the headless platform: a stand-in for the common
// controls' tooltip class that keeps, per window, its styles, owner, place in
// the z-order, registered tools, title and the messages it was sent. The
// windows are windows of the stand-in window system (class
// "tooltips_class32", top level, hidden) so that they can be found like any
// other window.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/tooltip_window.h"

namespace folivan {

class HeadlessSystem;

class HeadlessTooltips : public TooltipWindows {
 public:
  explicit HeadlessTooltips(HeadlessSystem& system) : system_(system) {}

  // --- TooltipWindows ---
  // Only the tooltip class can be created here; any other class fails (0).
  WindowHandle CreateWindowEx(uint32_t ex_style, const std::string& class_name, const std::string& window_name,
                              uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                              WindowHandle parent, intptr_t menu, intptr_t instance, intptr_t param) override;
  bool SetWindowPos(WindowHandle hwnd, WindowHandle insert_after, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const ToolInfo& tool) override;
  intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const std::string& text) override;
  bool DestroyWindow(WindowHandle hwnd) override;
  intptr_t ModuleInstance() const override { return kModuleInstance; }

  // --- what tests and the console read ---
  static constexpr intptr_t kModuleInstance = 0x11000000;

  // A message as the window received it: its number, wParam, and the text
  // that lParam carried (the title, or the tool's text).
  struct Message {
    uint32_t msg = 0;
    uintptr_t wparam = 0;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
  };
  struct Tooltip {
    uint32_t ex_style = 0;
    uint32_t style = 0;
    WindowHandle owner = 0;
    intptr_t instance = 0;
    bool topmost = false;
    std::vector<ToolInfo> tools;
    std::string title;
    int32_t icon = 0;
    std::vector<Message> received;
  };
  const Tooltip* Find(WindowHandle hwnd) const;
  // The tooltip windows that exist now, oldest first.
  std::vector<WindowHandle> Windows() const;
  // How many tooltip windows were ever created.
  int32_t Created() const { return created_; }
  // The tool of a tooltip window that would show for a point in the client
  // area of the window holding the tool, as TTF_SUBCLASS tools do.
  std::optional<ToolInfo> ToolAt(WindowHandle tooltip, Point client) const;

  // --- what tests steer ---
  // Makes every following CreateWindowEx fail.
  void SetCreateFails(bool fails) { create_fails_ = fails; }

 private:
  HeadlessSystem& system_;
  std::map<WindowHandle, Tooltip> tooltips_;
  int32_t created_ = 0;
  bool create_fails_ = false;
};

}  // namespace folivan
