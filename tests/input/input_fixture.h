// A control for the input tests: the headless platform with a surface that
// remembers its lines, rectangles and pictures and a system that remembers its
// themed drawing, a log of events and of PropertyChanged for Hidd, and the
// mouse moved the way a user moves it: the cursor first, then the host's move.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "paint/colors.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {

struct DrawnLine {
  int32_t x1, y1, x2, y2;
  RgbColor color;
  friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

struct DrawnRect {
  Rect rect;
  RgbColor color;
  bool frame;
  friend bool operator==(const DrawnRect&, const DrawnRect&) = default;
};

inline void PrintTo(const DrawnLine& l, std::ostream* os) {
  *os << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ") #" << std::hex << l.color << std::dec;
}

class SpySurface : public HostedSurface {
 public:
  using HostedSurface::HostedSurface;
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) override {
    lines.push_back(DrawnLine{x1, y1, x2, y2, color});
    HostedSurface::Line(x1, y1, x2, y2, color);
  }
  void FillRect(const Rect& rect, RgbColor color) override {
    rects.push_back(DrawnRect{rect, color, false});
    HostedSurface::FillRect(rect, color);
  }
  void FrameRect(const Rect& rect, RgbColor color) override {
    rects.push_back(DrawnRect{rect, color, true});
    HostedSurface::FrameRect(rect, color);
  }
  // Where pictures were painted: picture handle, x, y.
  struct Painted {
    intptr_t handle;
    int32_t x;
    int32_t y;
    friend bool operator==(const Painted&, const Painted&) = default;
  };
  void PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) override {
    painted.push_back(Painted{picture.Handle(), x, y});
    HostedSurface::PaintPicture(picture, x, y, width, height);
  }
  void Forget() {
    lines.clear();
    rects.clear();
  }
  std::vector<DrawnLine> lines;
  std::vector<DrawnRect> rects;
  std::vector<Painted> painted;
};

struct ThemedDraw {
  int part;
  int state;
  Rect rect;
  friend bool operator==(const ThemedDraw&, const ThemedDraw&) = default;
};

class SpySystem : public HeadlessSystem {
 public:
  ThemeHandle OpenThemeData(WindowHandle hwnd, const std::string& class_list) override {
    opened.push_back(class_list);
    return HeadlessSystem::OpenThemeData(hwnd, class_list);
  }
  bool DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) override {
    themed.push_back(ThemedDraw{part, state, rect});
    return HeadlessSystem::DrawThemeBackground(theme, hdc, part, state, rect);
  }
  std::vector<std::string> opened;
  std::vector<ThemedDraw> themed;
};

class InputFixture : public ::testing::Test {
 protected:
  explicit InputFixture(bool user_mode = true, int32_t width = 400, int32_t height = 300)
      : surface(system, width, height), host(surface, system), control(host, system) {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    OverTab = OverCurrentTab = ButtonHeld = false;
    host.SetUserMode(user_mode);
    control.InitProperties();
    control.Paint();
    host.on_event = [this](int32_t dispid, std::span<Variant> args) {
      std::string line = std::string(GetEventInfo(static_cast<EventId>(dispid)).name);
      if (dispid == static_cast<int32_t>(EventId::TabChange) || dispid == static_cast<int32_t>(EventId::KeyDown) ||
          dispid == static_cast<int32_t>(EventId::TabClick)) {
        for (const Variant& a : args) line.append(" ").append(ToText(a));
      }
      log.push_back(line);
      if (on_event) on_event(static_cast<EventId>(dispid), args);
    };
    host.on_property_changed = [this](std::string_view name) {
      if (name == "Hidd") log.push_back("changed Hidd");
    };
  }

  ControlState& S() { return control.State(); }
  TabRecord& Tab(int i) { return S().tabs.at(static_cast<size_t>(i)); }
  double Width() const { return surface.ScaleWidth(); }

  // A strip of `tabs` tabs at the surface's width, repainted.
  void MakeTabs(int16_t tabs) {
    control.SetTabs(tabs);
    control.Paint();
    log.clear();
  }

  // The cursor at (x, y) of the control, then the host's MouseMove there.
  void MoveTo(float x, float y) {
    system.SetCursorPos(Point{static_cast<int32_t>(x), static_cast<int32_t>(y)});
    control.MouseMove(0, 0, x, y);
  }
  void MoveOver(int16_t tab) {
    MoveTo(static_cast<float>((Tab(tab).AL + Tab(tab).AR) / 2), static_cast<float>((Tab(tab).AT + Tab(tab).AB) / 2));
  }
  // Tab rectangles as the tests want them, in place of the last layout's.
  void SetTabRect(int16_t tab, int32_t left, int32_t right) {
    Tab(tab).AL = left;
    Tab(tab).AR = right;
    Tab(tab).AT = 2;
    Tab(tab).AB = 22;
  }

  // Event names (KeyDown, TabChange and TabClick with their arguments) and "changed Hidd".
  std::vector<std::string> log;
  std::function<void(EventId, std::span<Variant>)> on_event;

  SpySystem system;
  SpySurface surface;
  HeadlessHost host;
  FolivanTab control;
};

}  // namespace folivan
