// A control on a headless host for the painting tests: the surface draws into
// its persistent image, as a full repaint does.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan::testing {

class PaintTest : public ::testing::Test {
 protected:
  explicit PaintTest(int32_t width = 120, int32_t height = 90)
      : surface(system, width, height), host(surface, system), control(host, system) {
    // The palette and the version flags are per thread: start every test from a fresh thread's values.
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    control.InitProperties();
    surface.SetAutoRedraw(true);
  }

  ControlState& S() { return control.State(); }
  ColorSet& Colors() { return control.State().paint.colors; }
  RgbColor Px(int32_t x, int32_t y) const { return surface.PersistentImage().At(x, y); }
  // Clears the surface to a colour that no primitive under test uses.
  void Clear(RgbColor color = Rgb(1, 2, 3)) {
    surface.SetBackColor(static_cast<OleColor>(color));
    surface.Cls();
  }

  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

}  // namespace folivan::testing
