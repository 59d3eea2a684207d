// Tooltip windows of the common controls ("tooltips_class32"): create one,
// keep it above other windows, send it the tooltip messages, destroy it.
// On Windows each member is the Win32 call of the same name; message numbers,
// styles and the tool record are the ANSI ones, and each platform converts the
// texts as it sends them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace folivan {

constexpr const char* kTooltipClass = "tooltips_class32";

// Window styles of the tooltip class.
namespace tts {
constexpr uint32_t kAlwaysTip = 0x01;
constexpr uint32_t kNoPrefix = 0x02;
constexpr uint32_t kBalloon = 0x40;
}  // namespace tts

// Tooltip messages (the ANSI variants).
namespace ttm {
constexpr uint32_t kAddTool = 1028;        // TTM_ADDTOOLA, lParam = tool record
constexpr uint32_t kUpdateTipText = 1036;  // TTM_UPDATETIPTEXTA, lParam = tool record
constexpr uint32_t kSetTitle = 1056;       // TTM_SETTITLEA, wParam = icon, lParam = title
}  // namespace ttm

// Tool flags.
namespace ttf {
constexpr uint32_t kSubclass = 0x10;  // the tooltip watches the tool window's mouse messages
}  // namespace ttf

// Title icons of TTM_SETTITLE.
namespace tti {
constexpr int32_t kNone = 0;
constexpr int32_t kInfo = 1;
constexpr int32_t kWarning = 2;
constexpr int32_t kError = 3;
}  // namespace tti

// SetWindowPos: the place in the z-order and the flags.
constexpr WindowHandle kHwndTopmost = -1;
constexpr WindowHandle kHwndNoTopmost = -2;
namespace swp {
constexpr uint32_t kNoSize = 0x01;
constexpr uint32_t kNoMove = 0x02;
constexpr uint32_t kNoActivate = 0x10;
}  // namespace swp

// CreateWindowEx: let the system choose the position or size.
constexpr int32_t kCwUseDefault = INT32_MIN;

// TOOLINFOA: the record of one tool (44 bytes in its ANSI form).
struct ToolInfo {
  uint32_t size = 44;
  uint32_t flags = 0;
  WindowHandle hwnd = 0;  // the window that holds the tool
  uintptr_t id = 0;
  Rect rect;               // client coordinates of hwnd
  intptr_t instance = 0;   // module whose resources hold the text, if it is a resource
  std::string text;
  intptr_t param = 0;      // application value
  friend bool operator==(const ToolInfo&, const ToolInfo&) = default;
};

class TooltipWindows {
 public:
  virtual ~TooltipWindows() = default;

  // An empty window name stands for none. Returns 0 on failure.
  virtual WindowHandle CreateWindowEx(uint32_t ex_style, const std::string& class_name,
                                      const std::string& window_name, uint32_t style, int32_t x, int32_t y,
                                      int32_t width, int32_t height, WindowHandle parent, intptr_t menu,
                                      intptr_t instance, intptr_t param) = 0;
  virtual bool SetWindowPos(WindowHandle hwnd, WindowHandle insert_after, int32_t x, int32_t y, int32_t cx,
                            int32_t cy, uint32_t flags) = 0;
  // SendMessage with a tool record as lParam (TTM_ADDTOOL, TTM_UPDATETIPTEXT, ...).
  virtual intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const ToolInfo& tool) = 0;
  // SendMessage with a text as lParam (TTM_SETTITLE).
  virtual intptr_t SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const std::string& text) = 0;
  virtual bool DestroyWindow(WindowHandle hwnd) = 0;

  // The instance handle of the running module (what App.hInstance gives the control).
  virtual intptr_t ModuleInstance() const = 0;
};

}  // namespace folivan
