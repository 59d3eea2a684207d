// A control for the input tests over the headless platform, with a surface
// that remembers where pictures were painted, and the mouse moved the way a
// user moves it: the cursor first, then the host's move.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "paint/colors.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {

class SpySurface : public HostedSurface {
 public:
  using HostedSurface::HostedSurface;
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
  std::vector<Painted> painted;
};

class InputFixture : public ::testing::Test {
 protected:
  explicit InputFixture(bool user_mode = true)
      : surface(system, 400, 300), host(surface, system), control(host, system) {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    OverTab = OverCurrentTab = ButtonHeld = false;
    host.SetUserMode(user_mode);
    control.InitProperties();
    control.Paint();
  }

  ControlState& S() { return control.State(); }
  TabRecord& Tab(int i) { return S().tabs.at(static_cast<size_t>(i)); }
  double Width() const { return surface.ScaleWidth(); }

  // A strip of `tabs` tabs at the surface's width, repainted.
  void MakeTabs(int16_t tabs) {
    control.SetTabs(tabs);
    control.Paint();
  }
  // The cursor at (x, y) of the control, then the host's MouseMove there.
  void MoveTo(float x, float y) {
    system.SetCursorPos(Point{static_cast<int32_t>(x), static_cast<int32_t>(y)});
    control.MouseMove(0, 0, x, y);
  }
  void MoveOver(int16_t tab) {
    MoveTo(static_cast<float>((Tab(tab).AL + Tab(tab).AR) / 2), static_cast<float>((Tab(tab).AT + Tab(tab).AB) / 2));
  }

  HeadlessSystem system;
  SpySurface surface;
  HeadlessHost host;
  FolivanTab control;
};

}  // namespace folivan
