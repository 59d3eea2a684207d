// The hot and normal looks of every family as rules that the golden images of
// the hot looks do not express: the renderers draw on the window only and leave
// the font as it was; without HotTracking, or outside the strip, nothing changes;
// the caption-only styles and colours change nothing but the caption; and the
// normal look gives back what the repaint drew, but for the known exceptions.
#include <gtest/gtest.h>

#include <ostream>

#include "input/mouse.h"
#include "render/hot_tabs.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kNavy = Rgb(0, 0, 128);

enum class Hot { kNothing, kCaptionOnly, kDrawn };
// What the normal look may leave different from the repaint: the caption (the
// flat captions sit elsewhere than the hot caption's rectangle puts them, and
// Office 2003 paints a corner pixel after the face), or the bar's edge row (a
// Visio bar that is not the bottom one keeps a second shadow row).
enum class Skip { kNone, kCaption, kEdgeRow };

struct HotRule {
  int32_t appearance, color;
  bool luna;
  int16_t current, tab;
  Hot hot;
  int64_t left = -1;  // pixels still changed after the normal look, outside `skip`; -1: not looked at
  Skip skip = Skip::kNone;
  bool hot_tracking = true;
  friend void PrintTo(const HotRule& r, std::ostream* os) {
    *os << "Appearance " << r.appearance << " Color " << r.color << (r.luna ? " Luna" : "") << " current "
        << r.current << " tab " << r.tab << (r.hot_tracking ? "" : " without HotTracking");
  }
};

class HotRulesTest : public ControlTest, public ::testing::WithParamInterface<HotRule> {
 protected:
  // The renderers as the mouse handling calls them: AutoRedraw off around them.
  void Draw(int16_t i, bool hot) {
    surface.SetAutoRedraw(false);
    hot ? DrawHotTab(control, i) : DrawNormalTab(control, i);
    surface.SetAutoRedraw(true);
  }
  // Pixels where the window differs from the last repaint, outside `skip`; with `but_navy`, not counting navy.
  int64_t Changed(const Rect& skip = Rect{}, bool but_navy = false) const {
    int64_t n = 0;
    for (int32_t y = 0; y < Image().height(); ++y) {
      for (int32_t x = 0; x < Image().width(); ++x) {
        const RgbColor shown = surface.WindowImage().At(x, y);
        n += !skip.Contains(Point{x, y}) && shown != Image().At(x, y) && !(but_navy && shown == kNavy) ? 1 : 0;
      }
    }
    return n;
  }
};
using render_hot_rules = HotRulesTest;

TEST_P(render_hot_rules, HotThenNormal) {
  const HotRule& r = GetParam();
  S().Appearance = r.appearance;
  S().Color = r.color;
  S().LunaColors = r.luna;
  S().HotTracking = r.hot_tracking;
  control.SetCurrentTab(r.current);
  Paint();
  surface.Refresh();
  const PixelImage repaint = Image();
  Draw(r.tab, true);
  EXPECT_TRUE(Image() == repaint);
  EXPECT_FALSE(surface.Font().bold);
  Rect caption{};
  if (r.tab >= 0 && r.tab < S().Tabs) {
    const TabRecord& t = Tab(r.tab);
    caption = r.skip == Skip::kEdgeRow ? Rect{1, t.AB - 1, 399, t.AB} : Rect{t.TAL - 1, t.TAT - 3, t.TAR + 1, t.TAT + t.TAB + 1};
  }
  switch (r.hot) {
    case Hot::kNothing: EXPECT_EQ(Changed(), 0); break;
    case Hot::kCaptionOnly:
      EXPECT_GT(CountPixels(surface.WindowImage(), caption, kNavy), 0);
      EXPECT_EQ(Changed(Rect{}, true), 0);
      break;
    case Hot::kDrawn: EXPECT_GT(Changed(), 0); break;
  }
  if (r.left < 0) return;
  Draw(r.tab, false);
  EXPECT_EQ(Changed(r.skip == Skip::kNone ? Rect{} : caption), r.left);
}

using H = Hot;
INSTANTIATE_TEST_SUITE_P(
    rules, render_hot_rules,
    ::testing::Values(
        // Windows XP; with Color 2 the normal look repairs the selected tab's edge beside it.
        HotRule{1, 1, false, 0, 1, H::kDrawn}, HotRule{1, 1, false, 0, 0, H::kDrawn, 0},
        HotRule{1, 2, false, 1, 0, H::kDrawn, 0}, HotRule{1, 2, false, 1, 2, H::kDrawn, 0},
        HotRule{1, 1, false, 0, -1, H::kNothing, 0}, HotRule{1, 1, false, 0, -5, H::kNothing, 0},
        HotRule{1, 1, false, 0, 3, H::kNothing, 0}, HotRule{1, 1, false, 0, 100, H::kNothing, 0},
        // Without HotTracking the face styles change nothing.
        HotRule{2, 2, false, 0, 0, H::kNothing, 0, Skip::kNone, false},
        HotRule{2, 2, false, 0, 1, H::kNothing, 0, Skip::kNone, false},
        HotRule{2, 2, false, 0, 2, H::kNothing, 0, Skip::kNone, false},
        HotRule{6, 2, false, 0, 0, H::kNothing, 0, Skip::kNone, false},
        HotRule{6, 2, false, 0, 1, H::kNothing, 0, Skip::kNone, false},
        HotRule{6, 2, false, 0, 2, H::kNothing, 0, Skip::kNone, false},
        // Other colours, the selected tab, and the styles without a face of their own (Visual
        // Studio, State Buttons, System without a visual style): the caption only.
        HotRule{2, 1, false, 0, 1, H::kCaptionOnly}, HotRule{2, 3, false, 0, 2, H::kCaptionOnly},
        HotRule{2, 2, false, 0, 0, H::kCaptionOnly}, HotRule{4, 1, false, 0, 1, H::kCaptionOnly},
        HotRule{4, 2, false, 0, 0, H::kCaptionOnly}, HotRule{8, 3, false, 0, 1, H::kCaptionOnly},
        HotRule{8, 2, false, 0, 0, H::kCaptionOnly}, HotRule{11, 1, false, 0, 2, H::kCaptionOnly},
        HotRule{11, 2, false, 0, 0, H::kCaptionOnly}, HotRule{3, 2, false, 0, 1, H::kCaptionOnly},
        HotRule{7, 2, false, 0, 1, H::kCaptionOnly}, HotRule{7, 1, false, 0, 0, H::kCaptionOnly, 0},
        HotRule{7, 1, false, 0, 1, H::kCaptionOnly, 0}, HotRule{6, 1, false, 0, 1, H::kCaptionOnly, 0},
        HotRule{13, 1, false, 0, 2, H::kCaptionOnly, 0},
        // The hot faces with Color 2, in either colour scheme.
        HotRule{2, 2, false, 0, 1, H::kDrawn, 0}, HotRule{2, 2, true, 0, 1, H::kDrawn, 0},
        HotRule{11, 2, false, 0, 2, H::kDrawn, 0}, HotRule{11, 2, true, 0, 2, H::kDrawn, 0},
        HotRule{8, 2, false, 0, 1, H::kDrawn, 0, Skip::kCaption}, HotRule{8, 2, true, 0, 1, H::kDrawn, 0, Skip::kCaption},
        // Office 2003 either side of the selected tab: the corner pixel (R - 1, T + 1).
        HotRule{4, 2, false, 1, 0, H::kDrawn, 1, Skip::kCaption}, HotRule{4, 2, true, 1, 0, H::kDrawn, 1, Skip::kCaption},
        HotRule{4, 2, false, 0, 1, H::kDrawn, 1, Skip::kCaption}, HotRule{4, 2, true, 0, 1, H::kDrawn, 1, Skip::kCaption},
        // Visio: the bottom bar round-trips; the others keep a second shadow row, and the
        // current bar gets its Luna glow back.
        HotRule{6, 2, false, 0, 2, H::kDrawn, 0}, HotRule{6, 2, false, 0, 1, H::kDrawn, 0, Skip::kEdgeRow},
        HotRule{6, 2, true, 0, 0, H::kDrawn, 0, Skip::kEdgeRow}, HotRule{6, 2, true, 0, 2, H::kDrawn, 0}));

// The mouse handling draws the hot look on the window and turns AutoRedraw back on
// (what it draws is in the golden image hot_xp_bands_moved).
using render_hot_mouse = ControlTest;

TEST_F(render_hot_mouse, AMoveDrawsOnTheWindowOnly) {
  Paint();
  surface.Refresh();
  const PixelImage repaint = Image();
  system.SetCursorPos(Point{69, 10});
  HandleMouseMove(control, 0, 0, 69.0F, 10.0F);
  EXPECT_FALSE(surface.WindowImage() == repaint);
  EXPECT_TRUE(Image() == repaint);
  EXPECT_TRUE(surface.AutoRedraw());
}

}  // namespace
}  // namespace folivan::testing
