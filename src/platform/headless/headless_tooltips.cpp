#include "platform/headless/headless_tooltips.h"

#include <algorithm>
#include <cctype>

#include "platform/headless/headless_system.h"

namespace folivan {

namespace {
// Window class names compare without regard to case.
bool SameClass(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}
}  // namespace

WindowHandle HeadlessTooltips::CreateWindowEx(uint32_t ex_style, const std::string& class_name,
                                              const std::string&, uint32_t style, int32_t, int32_t, int32_t,
                                              int32_t, WindowHandle parent, intptr_t, intptr_t instance,
                                              intptr_t) {
  if (create_fails_ || !SameClass(class_name, kTooltipClass)) return 0;
  // An owner must be a window; the tooltip itself is a hidden top-level
  // window until it has something to show.
  if (parent != 0 && system_.FindWindow(parent) == nullptr) return 0;
  WindowHandle hwnd = system_.CreateWindow(kTooltipClass, 0, Rect{}, false);
  Tooltip& t = tooltips_[hwnd];
  t.ex_style = ex_style;
  t.style = style;
  t.owner = parent;
  t.instance = instance;
  ++created_;
  return hwnd;
}

bool HeadlessTooltips::SetWindowPos(WindowHandle hwnd, WindowHandle insert_after, int32_t x, int32_t y, int32_t cx,
                                    int32_t cy, uint32_t flags) {
  const HeadlessSystem::Window* w = system_.FindWindow(hwnd);
  if (w == nullptr) return false;
  constexpr uint32_t kNoZOrder = 0x04;
  auto it = tooltips_.find(hwnd);
  if (it != tooltips_.end() && (flags & kNoZOrder) == 0) {
    if (insert_after == kHwndTopmost) it->second.topmost = true;
    if (insert_after == kHwndNoTopmost) it->second.topmost = false;
  }
  if ((flags & (swp::kNoMove | swp::kNoSize)) != (swp::kNoMove | swp::kNoSize)) {
    Rect r = w->rect;
    if ((flags & swp::kNoMove) == 0) r = Rect{x, y, x + r.Width(), y + r.Height()};
    if ((flags & swp::kNoSize) == 0) r.right = r.left + cx, r.bottom = r.top + cy;
    system_.MoveWindow(hwnd, r.left, r.top, r.Width(), r.Height(), false);
  }
  return true;
}

intptr_t HeadlessTooltips::SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const ToolInfo& tool) {
  auto it = tooltips_.find(hwnd);
  if (it == tooltips_.end()) return 0;
  Tooltip& t = it->second;
  t.received.push_back(Message{msg, wparam, tool.text});
  switch (msg) {
    case ttm::kAddTool:
      t.tools.push_back(tool);
      return 1;
    case ttm::kUpdateTipText:
      // The tool is named by its window and identifier; only its text changes.
      for (ToolInfo& registered : t.tools) {
        if (registered.hwnd == tool.hwnd && registered.id == tool.id) registered.text = tool.text;
      }
      return 0;
    default:
      return 0;
  }
}

intptr_t HeadlessTooltips::SendMessage(WindowHandle hwnd, uint32_t msg, uintptr_t wparam, const std::string& text) {
  auto it = tooltips_.find(hwnd);
  if (it == tooltips_.end()) return 0;
  Tooltip& t = it->second;
  t.received.push_back(Message{msg, wparam, text});
  if (msg == ttm::kSetTitle) {
    t.title = text;
    t.icon = static_cast<int32_t>(wparam);
    return 1;
  }
  return 0;
}

bool HeadlessTooltips::DestroyWindow(WindowHandle hwnd) {
  if (system_.FindWindow(hwnd) == nullptr) return false;
  system_.DestroyWindow(hwnd);
  tooltips_.erase(hwnd);
  return true;
}

const HeadlessTooltips::Tooltip* HeadlessTooltips::Find(WindowHandle hwnd) const {
  auto it = tooltips_.find(hwnd);
  return it == tooltips_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle> HeadlessTooltips::Windows() const {
  std::vector<WindowHandle> out;
  for (const auto& [hwnd, t] : tooltips_) out.push_back(hwnd);
  return out;
}

std::optional<ToolInfo> HeadlessTooltips::ToolAt(WindowHandle tooltip, Point client) const {
  const Tooltip* t = Find(tooltip);
  if (t == nullptr) return std::nullopt;
  for (const ToolInfo& tool : t->tools) {
    if (tool.rect.Contains(client)) return tool;
  }
  return std::nullopt;
}

}  // namespace folivan
