// A control whose strip is on the screen (the window image) for the hot-state
// renderers, which draw straight to the window while the mouse handling has
// AutoRedraw off; the persistent image keeps what the last repaint drew.
#pragma once

#include <gtest/gtest.h>

#include "render/hot_tabs.h"
#include "support/control_fixture.h"

namespace folivan::testing {

inline constexpr RgbColor kNavy = Rgb(0, 0, 128);

class HotTest : public RenderTest {
 protected:
  explicit HotTest(int32_t width = 400, int32_t height = 300) : RenderTest(width, height) {}

  // A repaint, shown on the screen.
  void Show() {
    Paint();
    surface.Refresh();
  }
  const PixelImage& Screen() const { return surface.WindowImage(); }
  RgbColor Sx(int32_t x, int32_t y) const { return Screen().At(x, y); }

  // The renderers as the mouse handling calls them: AutoRedraw off around them.
  void Hot(int16_t i) {
    surface.SetAutoRedraw(false);
    DrawHotTab(control, i);
    surface.SetAutoRedraw(true);
  }
  void Normal(int16_t i) {
    surface.SetAutoRedraw(false);
    DrawNormalTab(control, i);
    surface.SetAutoRedraw(true);
  }

  // Pixels where the screen differs from the last repaint, outside `skip`;
  // with `but_navy`, those that are not the navy of a hot caption.
  int64_t ChangedOnScreen(const Rect& skip = Rect{}, bool but_navy = false) const {
    int64_t n = 0;
    for (int32_t y = 0; y < Image().height(); ++y) {
      for (int32_t x = 0; x < Image().width(); ++x) {
        const bool skipped = x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom;
        const RgbColor on_screen = Screen().At(x, y);
        if (!skipped && on_screen != Image().At(x, y) && !(but_navy && on_screen == kNavy)) ++n;
      }
    }
    return n;
  }
  int64_t ChangedOtherThanNavy() const { return ChangedOnScreen(Rect{}, true); }
  int64_t NavyOnScreen() const { return CountPixels(Screen(), Rect{0, 0, Screen().width(), Screen().height()}, kNavy); }

  // The caption's rectangle of tab i, a row above and below included.
  Rect CaptionArea(int i) {
    const TabRecord& t = Tab(i);
    return Rect{t.TAL - 1, t.TAT - 3, t.TAR + 1, t.TAT + t.TAB + 1};
  }
};

}  // namespace folivan::testing
