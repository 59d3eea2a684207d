#include "platform/win32/win32_tooltips.h"

#include <commctrl.h>

#include "platform/win32/win32_surface.h"

namespace folivan::win32 {

namespace {
HWND H(WindowHandle h) { return reinterpret_cast<HWND>(h); }

// The wide twin of an ANSI tooltip message; other messages are sent as they are.
UINT WideMessage(uint32_t msg) {
  switch (msg) {
    case ttm::kAddTool: return TTM_ADDTOOLW;
    case ttm::kUpdateTipText: return TTM_UPDATETIPTEXTW;
    case ttm::kSetTitle: return TTM_SETTITLEW;
    default: return msg;
  }
}

void RegisterTooltipClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
}
}  // namespace

WindowHandle Win32Tooltips::CreateWindowEx(uint32_t ex_style, const std::string& class_name,
                                           const std::string& window_name, uint32_t style, int32_t x, int32_t y,
                                           int32_t width, int32_t height, WindowHandle parent, intptr_t menu,
                                           intptr_t instance, intptr_t param) {
  RegisterTooltipClass();
  const std::wstring cls = Widen(class_name);
  const std::wstring name = Widen(window_name);
  HWND hwnd = ::CreateWindowExW(ex_style, cls.c_str(), window_name.empty() ? nullptr : name.c_str(), style, x, y,
                                width, height, H(parent), reinterpret_cast<HMENU>(menu),
                                reinterpret_cast<HINSTANCE>(instance), reinterpret_cast<LPVOID>(param));
  return reinterpret_cast<WindowHandle>(hwnd);
}

bool Win32Tooltips::SetWindowPos(WindowHandle hwnd, WindowHandle insert_after, int32_t x, int32_t y, int32_t cx,
                                 int32_t cy, uint32_t flags) {
  return ::SetWindowPos(H(hwnd), H(insert_after), x, y, cx, cy, flags) != FALSE;
}

intptr_t Win32Tooltips::SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const ToolInfo& tool) {
  std::wstring text = Widen(tool.text);
  TTTOOLINFOW info{};
  // The size without lpReserved: every version of the common controls takes it.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = tool.flags;
  info.hwnd = H(tool.hwnd);
  info.uId = tool.id;
  info.rect = RECT{tool.rect.left, tool.rect.top, tool.rect.right, tool.rect.bottom};
  info.hinst = reinterpret_cast<HINSTANCE>(tool.instance);
  info.lpszText = text.data();
  info.lParam = tool.param;
  return ::SendMessageW(H(hwnd), WideMessage(msg), wparam, reinterpret_cast<LPARAM>(&info));
}

intptr_t Win32Tooltips::SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const std::string& text) {
  const std::wstring wide = Widen(text);
  return ::SendMessageW(H(hwnd), WideMessage(msg), wparam, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool Win32Tooltips::DestroyWindow(WindowHandle hwnd) { return ::DestroyWindow(H(hwnd)) != FALSE; }

intptr_t Win32Tooltips::ModuleInstance() const {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&RegisterTooltipClass), &module);
  return reinterpret_cast<intptr_t>(module);
}

}  // namespace folivan::win32
