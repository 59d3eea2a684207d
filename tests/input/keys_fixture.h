// A control for the keyboard and scroll-button tests: the headless platform
// with a surface that remembers its lines and rectangles and a system that
// remembers its themed drawing, plus a log of events and PropertyChanged calls.
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
  void Forget() {
    lines.clear();
    rects.clear();
  }
  std::vector<DrawnLine> lines;
  std::vector<DrawnRect> rects;
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
  void DrawThemeBackground(ThemeHandle theme, DeviceHandle hdc, int part, int state, const Rect& rect) override {
    themed.push_back(ThemedDraw{part, state, rect});
    HeadlessSystem::DrawThemeBackground(theme, hdc, part, state, rect);
  }
  std::vector<std::string> opened;
  std::vector<ThemedDraw> themed;
};

class KeysFixture : public ::testing::Test {
 protected:
  explicit KeysFixture(bool user_mode = true, int32_t width = 400, int32_t height = 300)
      : surface(system, width, height), host(surface, system), control(host, system) {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    OverTab = OverCurrentTab = ButtonHeld = false;
    host.SetUserMode(user_mode);
    control.InitProperties();
    control.Paint();
    host.on_event = [this](int32_t dispid, std::span<Variant> args) {
      std::string line = std::string(GetEventInfo(static_cast<EventId>(dispid)).name);
      if (dispid == static_cast<int32_t>(EventId::TabChange) || dispid == static_cast<int32_t>(EventId::KeyDown)) {
        for (const Variant& a : args) line += " " + ToText(a);
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

  // Event names (KeyDown and TabChange with their arguments) and "changed Hidd".
  std::vector<std::string> log;
  std::function<void(EventId, std::span<Variant>)> on_event;

  SpySystem system;
  SpySurface surface;
  HeadlessHost host;
  FolivanTab control;
};

}  // namespace folivan
