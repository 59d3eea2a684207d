// Tooltip windows on Windows: the common controls' tooltip class, reached
// with the wide calls. The ANSI messages of the interface go out as their
// wide twins, with the texts in UTF-16, so that no caption loses characters
// to the ANSI code page.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/tooltip_window.h"

namespace folivan::win32 {

class Win32Tooltips : public TooltipWindows {
 public:
  // Registers the tooltip class (InitCommonControlsEx) before the first window of it.
  WindowHandle CreateWindowEx(uint32_t ex_style, const std::string& class_name, const std::string& window_name,
                              uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                              WindowHandle parent, intptr_t menu, intptr_t instance, intptr_t param) override;
  bool SetWindowPos(WindowHandle hwnd, WindowHandle insert_after, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const ToolInfo& tool) override;
  intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const std::string& text) override;
  bool DestroyWindow(WindowHandle hwnd) override;
  // The module that holds the control (the .ocx, or the program it is linked into).
  intptr_t ModuleInstance() const override;
};

}  // namespace folivan::win32
