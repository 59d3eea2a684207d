// A control over the headless platform with its window at 0, 0 of the
// stand-in screen, a log of its events and PropertyChanged calls, and the
// mouse moved the way a user moves it: the cursor first, then the host's
// notification.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {

// Remembers where pictures were painted: picture handle, x, y.
class PictureSpySurface : public HostedSurface {
 public:
  using HostedSurface::HostedSurface;
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
  std::vector<Painted> painted;
};

class MouseFixture : public ::testing::Test {
 protected:
  explicit MouseFixture(bool user_mode = true, int32_t width = 400, int32_t height = 300)
      : surface(system, width, height), host(surface, system), control(host, system) {
    host.SetUserMode(user_mode);
    control.InitProperties();
    control.Paint();
    // Shared by every control of the thread: each test starts from a clean slate.
    OverTab = OverCurrentTab = ButtonHeld = false;
    host.on_event = [this](int32_t dispid, std::span<Variant> args) {
      std::string line = std::string(GetEventInfo(static_cast<EventId>(dispid)).name);
      // Arguments only where the tab matters.
      if (dispid == static_cast<int32_t>(EventId::TabClick) || dispid == static_cast<int32_t>(EventId::TabChange)) {
        for (const Variant& a : args) line += " " + ToText(a);
      }
      log.push_back(line);
    };
    host.on_property_changed = [this](std::string_view name) { log.push_back("changed " + std::string(name)); };
  }

  ControlState& S() { return control.State(); }

  // The cursor at (x, y) of the control, then the host's MouseMove there.
  void MoveTo(float x, float y, int16_t button = 0) {
    system.SetCursorPos(Point{static_cast<int32_t>(x), static_cast<int32_t>(y)});
    control.MouseMove(button, 0, x, y);
  }
  void MoveOver(int16_t tab) {
    const TabRecord& r = S().tabs[static_cast<size_t>(tab)];
    MoveTo(static_cast<float>((r.AL + r.AR) / 2), static_cast<float>((r.AT + r.AB) / 2));
  }
  // A left press and release where the cursor is.
  void Press() {
    const Point p = system.GetCursorPos();
    control.MouseDown(1, 0, static_cast<float>(p.x), static_cast<float>(p.y));
    control.MouseUp(1, 0, static_cast<float>(p.x), static_cast<float>(p.y));
  }
  // Tab rectangles as the tests want them, in place of the last layout's.
  void SetTabRect(int16_t tab, int32_t left, int32_t right) {
    TabRecord& r = S().tabs[static_cast<size_t>(tab)];
    r.AL = left;
    r.AR = right;
    r.AT = 2;
    r.AB = 22;
  }

  HeadlessSystem system;
  PictureSpySurface surface;
  HeadlessHost host;
  FolivanTab control;
  std::vector<std::string> log;
};

}  // namespace folivan
