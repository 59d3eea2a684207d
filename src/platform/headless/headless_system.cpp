#include "platform/headless/headless_system.h"

#include <algorithm>

#include "platform/headless/surface_headless.h"

namespace folivan {

HeadlessSystem::HeadlessSystem() {
  // Windows XP, Luna blue scheme ("NormalColor"): the values GetSysColor gives there.
  for (int i = 0; i < kSystemColorCount; ++i) colors_[static_cast<size_t>(i)] = XpBlueSystemColor(i);
}

RgbColor HeadlessSystem::GetSysColor(int index) const {
  if (index < 0 || index >= static_cast<int>(colors_.size())) return 0;
  return colors_[static_cast<size_t>(index)];
}

std::optional<RgbColor> HeadlessSystem::OleTranslateColor(OleColor color, intptr_t) const {
  switch (color >> 24) {
    case 0x80: {
      uint32_t index = color & 0x00FFFFFF;
      if (index >= colors_.size() || colors_[index] == -1) return std::nullopt;
      return colors_[index];
    }
    case 0x00:  // RGB
      return static_cast<RgbColor>(color);
    case 0x02:  // palette-relative RGB: the RGB part
      return static_cast<RgbColor>(color & 0x00FFFFFFu);
    default:
      return std::nullopt;
  }
}

// Only the classes the rendition has open, and only while a style is active.
ThemeHandle HeadlessSystem::OpenThemeData(WindowHandle, const std::string& class_list) {
  if (!theme_) return 0;
  const auto theme_class = theme_parts::ClassOf(class_list);
  if (!theme_class) return 0;
  const ThemeHandle handle = next_theme_++;
  open_themes_[handle] = *theme_class;
  return handle;
}

void HeadlessSystem::CloseThemeData(ThemeHandle theme) { open_themes_.erase(theme); }

bool HeadlessSystem::DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) {
  const auto open = open_themes_.find(theme);
  const auto device = devices_.find(hdc);
  if (open == open_themes_.end() || device == devices_.end()) return false;
  return theme_parts::DrawPart(*device->second, open->second, part, state, rect);
}

void HeadlessSystem::AttachDevice(DeviceHandle hdc, Surface* surface) { devices_[hdc] = surface; }

void HeadlessSystem::DetachDevice(DeviceHandle hdc) { devices_.erase(hdc); }

WindowHandle HeadlessSystem::CreateWindow(const std::string& class_name, WindowHandle parent, const Rect& rect,
                                          bool visible, uint32_t style) {
  WindowHandle h = next_window_;
  next_window_ += 0x10;
  // Handles only grow: the new window goes at the end.
  windows_.emplace_hint(windows_.end(), h, Window{parent, rect, visible, class_name, {}, style & ~ws::kVisible});
  return h;
}

void HeadlessSystem::DestroyWindow(WindowHandle hwnd) {
  windows_.erase(hwnd);
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

const HeadlessSystem::Window* HeadlessSystem::FindWindow(WindowHandle hwnd) const {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : &it->second;
}

std::optional<Rect> HeadlessSystem::ScreenRect(WindowHandle hwnd) const {
  const Window* w = FindWindow(hwnd);
  if (w == nullptr) return std::nullopt;
  Rect r = w->rect;
  if (w->parent != 0) {
    auto origin = ScreenRect(w->parent);
    if (!origin) return std::nullopt;
    r.left += origin->left;
    r.right += origin->left;
    r.top += origin->top;
    r.bottom += origin->top;
  }
  return r;
}

WindowHandle HeadlessSystem::SetParent(WindowHandle child, WindowHandle parent) {
  auto it = windows_.find(child);
  if (it == windows_.end()) return 0;
  WindowHandle old = it->second.parent;
  it->second.parent = parent;
  return old;
}

bool HeadlessSystem::MoveWindow(WindowHandle hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return false;
  it->second.rect = Rect{x, y, x + width, y + height};
  return true;
}

bool HeadlessSystem::ShowWindow(WindowHandle hwnd, int command) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return false;
  bool was_visible = it->second.visible;
  it->second.visible = command != sw::kHide;
  return was_visible;
}

std::optional<Rect> HeadlessSystem::GetClientRect(WindowHandle hwnd) const {
  const Window* w = FindWindow(hwnd);
  if (w == nullptr) return std::nullopt;
  return Rect{0, 0, w->rect.Width(), w->rect.Height()};
}

int32_t HeadlessSystem::SetWindowLong(WindowHandle hwnd, int index, int32_t value) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end() || index != gwl::kStyle) return 0;
  int32_t old = GetWindowLong(hwnd, index);
  // As on Windows, the style holds the visibility bit too.
  it->second.style = static_cast<uint32_t>(value) & ~ws::kVisible;
  it->second.visible = (static_cast<uint32_t>(value) & ws::kVisible) != 0;
  return old;
}

int32_t HeadlessSystem::GetWindowLong(WindowHandle hwnd, int index) const {
  const Window* w = FindWindow(hwnd);
  if (w == nullptr || index != gwl::kStyle) return 0;
  return static_cast<int32_t>(w->style | (w->visible ? ws::kVisible : 0));
}

bool HeadlessSystem::SetProp(WindowHandle hwnd, const std::string& name, intptr_t value) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return false;
  it->second.props[name] = value;
  return true;
}

intptr_t HeadlessSystem::GetProp(WindowHandle hwnd, const std::string& name) const {
  const Window* w = FindWindow(hwnd);
  if (w == nullptr) return 0;
  auto it = w->props.find(name);
  return it == w->props.end() ? 0 : it->second;
}

intptr_t HeadlessSystem::RemoveProp(WindowHandle hwnd, const std::string& name) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return 0;
  auto p = it->second.props.find(name);
  if (p == it->second.props.end()) return 0;
  intptr_t v = p->second;
  it->second.props.erase(p);
  return v;
}

bool HeadlessSystem::SetTimer(WindowHandle hwnd, uint32_t id, uint32_t elapse_ms, TimerProc proc) {
  // As SetTimer does, a timer with the same window and identifier is replaced.
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  uint32_t period = std::max<uint32_t>(elapse_ms, 10);  // USER_TIMER_MINIMUM
  timers_.push_back(Timer{hwnd, id, period, proc, now_ms_ + period});
  return true;
}

bool HeadlessSystem::KillTimer(WindowHandle hwnd, uint32_t id) {
  return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void HeadlessSystem::AdvanceClock(uint64_t ms) {
  const uint64_t end = now_ms_ + ms;
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(),
                                 [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (next == timers_.end() || next->due > end) break;
    now_ms_ = next->due;
    next->due += next->period;
    // The procedure may kill or set timers: copy what it needs first.
    Timer fired = *next;
    fired.proc(fired.hwnd, fired.id);
  }
  now_ms_ = end;
}

WindowHandle HeadlessSystem::WindowFromPoint(Point screen) const {
  // The deepest visible window under the point; later windows lie on top.
  WindowHandle found = 0;
  size_t found_depth = 0;
  for (const auto& [handle, w] : windows_) {
    if (!w.visible) continue;
    auto r = ScreenRect(handle);
    if (!r || !r->Contains(screen)) continue;
    size_t depth = 0;
    for (WindowHandle p = w.parent; p != 0; p = FindWindow(p) ? FindWindow(p)->parent : 0) ++depth;
    if (found == 0 || depth >= found_depth) {
      found = handle;
      found_depth = depth;
    }
  }
  return found;
}

intptr_t HeadlessSystem::LoadLibrary(const std::string&) {
  ++loaded_libraries_;
  return 0x7C9C0000;
}

void HeadlessSystem::FreeLibrary(intptr_t) { --loaded_libraries_; }

}  // namespace folivan
