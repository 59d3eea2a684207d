// A control on a headless host for the painting and rendering tests: a new
// instance whose surface keeps what a repaint draws in its persistent image.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "paint/repaint.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan::testing {

// The size of a new instance unless a test gives another.
class ControlTest : public ::testing::Test {
 protected:
  explicit ControlTest(int32_t width = 400, int32_t height = 300)
      : surface(system, width, height), host(surface, system), control(host, system) {
    // The palette and the version flags are per thread: every test starts from a fresh thread's values.
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    control.InitProperties();
  }

  ControlState& S() { return control.State(); }
  ColorSet& Colors() { return control.State().paint.colors; }
  TabRecord& Tab(int i) { return control.State().tabs.at(static_cast<size_t>(i)); }
  RgbColor Px(int32_t x, int32_t y) const { return surface.PersistentImage().At(x, y); }
  const PixelImage& Image() const { return surface.PersistentImage(); }
  void Paint() { Repaint(control); }
  // Width of a text in the control's font, bold or not.
  int32_t TextWidth(const std::string& text, bool bold = false) {
    surface.SetFontBold(bold);
    const auto w = static_cast<int32_t>(surface.TextWidth(text));
    surface.SetFontBold(false);
    return w;
  }

  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

// The smallest rectangle (right and bottom exclusive) around the pixels of one
// colour inside an area of an image; empty when there are none.
inline Rect InkBox(const PixelImage& image, const Rect& area, RgbColor color) {
  Rect box{area.right, area.bottom, area.left, area.top};
  for (int32_t y = area.top; y < area.bottom; ++y) {
    for (int32_t x = area.left; x < area.right; ++x) {
      if (image.At(x, y) != color) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box.right > box.left ? box : Rect{};
}

inline int64_t CountPixels(const PixelImage& image, const Rect& area, RgbColor color) {
  int64_t n = 0;
  for (int32_t y = area.top; y < area.bottom; ++y) {
    for (int32_t x = area.left; x < area.right; ++x) n += image.At(x, y) == color ? 1 : 0;
  }
  return n;
}

}  // namespace folivan::testing
