// The hot and normal looks of the styles other than Windows XP, as rules that
// the golden images of the hot looks do not express: nothing changes without
// HotTracking, the caption-only styles and colours change nothing but the
// caption, the normal look gives back what the repaint drew (with the known
// exceptions), the slanted Office sides and the Visio bars stay in front, and
// the mouse handling draws on the window only.
#include <gtest/gtest.h>

#include "hot_fixture.h"
#include "input/mouse.h"

namespace folivan::testing {
namespace {

class HotStripTest : public HotTest {
 protected:
  void Style(int32_t appearance, int32_t color, bool luna = false) {
    S().Appearance = appearance;
    S().Color = color;
    S().LunaColors = luna;
  }
  RgbColor HotTop() const { return SharedThemePalette().HotLightest; }
};
using render_hot_strip = HotStripTest;

TEST_F(render_hot_strip, WithoutHotTrackingTheFaceStylesChangeNothing) {
  for (const int32_t appearance : {2, 6}) {
    Style(appearance, 2);
    S().HotTracking = false;
    Show();
    for (int16_t i : {0, 1, 2}) {
      Hot(i);
      EXPECT_EQ(ChangedOnScreen(), 0) << appearance << "/" << i;
      Normal(i);
    }
    EXPECT_EQ(ChangedOnScreen(), 0) << appearance;
  }
}

TEST_F(render_hot_strip, OtherColoursTheSelectedTabAndCaptionStylesChangeOnlyTheCaption) {
  struct Case {
    int32_t appearance;
    int32_t color;
    int16_t tab;
    bool round_trip;  // the normal look gives back the repaint
  };
  // Visual Studio and State Buttons have no face of their own to show, nor System without a visual style.
  for (const Case& c : {Case{2, 1, 1, false}, Case{2, 3, 2, false}, Case{2, 2, 0, false}, Case{4, 1, 1, false},
                        Case{4, 2, 0, false}, Case{8, 3, 1, false}, Case{8, 2, 0, false}, Case{11, 1, 2, false},
                        Case{11, 2, 0, false}, Case{3, 2, 1, false}, Case{7, 2, 1, false}, Case{7, 1, 0, true},
                        Case{7, 1, 1, true}, Case{6, 1, 1, true}, Case{13, 1, 2, true}}) {
    Style(c.appearance, c.color);
    Show();
    Hot(c.tab);
    EXPECT_GT(CountPixels(Screen(), CaptionArea(c.tab), kNavy), 0) << c.appearance << "/" << c.color << "/" << c.tab;
    EXPECT_EQ(ChangedOtherThanNavy(), 0) << c.appearance << "/" << c.color << "/" << c.tab;
    if (!c.round_trip) continue;
    Normal(c.tab);
    EXPECT_EQ(ChangedOnScreen(), 0) << c.appearance << "/" << c.color << "/" << c.tab;
  }
}

// The hot face with Color 2, in either colour scheme, and the normal look that
// gives the repaint back; the flat captions sit elsewhere in the caption layer
// than the hot caption's rectangle puts them, so only the rest of the tab round-trips.
TEST_F(render_hot_strip, OfficeColoursShowTheHotFaceAndRoundTrip) {
  struct Case {
    int32_t appearance;
    int16_t tab;
    int32_t dx, dy;  // a pixel of the hot face's top row, from the tab's left and top
    bool skip_caption;
  };
  for (const Case& c : {Case{2, 1, 4, 1, false}, Case{11, 2, 4, 2, false}, Case{8, 1, 1, 1, true}}) {
    for (const bool luna : {false, true}) {
      Style(c.appearance, 2, luna);
      Show();
      Hot(c.tab);
      const TabRecord& t = Tab(c.tab);
      EXPECT_EQ(Sx(t.AL + c.dx, t.AT + c.dy), HotTop()) << c.appearance << "/" << luna;
      Normal(c.tab);
      EXPECT_EQ(ChangedOnScreen(c.skip_caption ? CaptionArea(c.tab) : Rect{}), 0) << c.appearance << "/" << luna;
    }
  }
}

// --- Office 2003 ---------------------------------------------------------------------------------

class HotOfficeTest : public HotStripTest {
 protected:
  // The pixels right of tab k that its neighbour's slanted side covers, from
  // the side to k's right edge, over the rows where the face reaches them.
  int64_t NeighbourSlantChanged(int k) {
    const TabRecord& t = Tab(k);
    const TabRecord& n = Tab(k + 1);
    int64_t changed = 0;
    for (int32_t y = n.AT + 4; y <= S().StripH; ++y) {
      for (int32_t x = n.AL - (y - (n.AT + 3)); x <= t.AR; ++x) changed += Sx(x, y) != Px(x, y) ? 1 : 0;
    }
    return changed;
  }
};
using render_hot_office = HotOfficeTest;

// The corner pixel (R - 1, T + 1) goes on after the face in both looks, where
// the strip's own face covers it: the one pixel besides the caption in which
// a tab that was hot differs from the repaint.
TEST_F(render_hot_office, HotFaceKeepsTheSlantedSidesOfBothNeighbours) {
  for (const bool luna : {false, true}) {
    Style(4, 2, luna);
    control.SetCurrentTab(1);
    Show();
    const RgbColor outline = luna ? SharedThemePalette().LunaDark : Colors().Shadow;
    // Left of the selected tab: the selected tab's slanted side and highlight stay in front.
    Hot(0);
    const TabRecord& t = Tab(0);
    EXPECT_EQ(Sx(t.AL + 8, t.AT + 1), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AR - 1, t.AT + 1), outline) << luna;
    EXPECT_EQ(Sx(t.AL - 4, t.AT + 7), Px(t.AL - 4, t.AT + 7)) << luna;  // its own slanted side
    EXPECT_EQ(NeighbourSlantChanged(0), 0) << luna;
    Normal(0);
    EXPECT_EQ(ChangedOnScreen(CaptionArea(0)), 1) << luna;
    EXPECT_EQ(Sx(t.AR - 1, t.AT + 1), outline) << luna;

    // Right of the selected tab, with an unselected tab to its right.
    control.SetCurrentTab(0);
    Show();
    Hot(1);
    EXPECT_EQ(NeighbourSlantChanged(1), 0) << luna;
    EXPECT_EQ(Sx(Tab(1).AL - 1, Tab(1).AT + 2), Px(Tab(1).AL - 1, Tab(1).AT + 2)) << luna;
    Normal(1);
    EXPECT_EQ(ChangedOnScreen(CaptionArea(1)), 1) << luna;
  }
}

// --- Visio ---------------------------------------------------------------------------------------

class HotVisioTest : public HotTest {
 protected:
  HotVisioTest() {
    S().Appearance = 6;
    S().Color = 2;
  }
};
using render_hot_visio = HotVisioTest;

TEST_F(render_hot_visio, OfficeColoursRoundTripButForAMiddleBarsSecondShadowRow) {
  Show();
  const TabRecord& bar = Tab(2);  // the bottom bar of the lower stack
  Hot(2);
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLightest);
  EXPECT_EQ(Sx(399, bar.AT + 1), Px(399, bar.AT + 1));  // the frame
  EXPECT_EQ(Sx(5, bar.AB - 1), Colors().Shadow);
  Normal(2);
  EXPECT_EQ(ChangedOnScreen(), 0);

  // A bar that is not the bottom one keeps a second shadow row above its edge.
  Hot(1);
  Normal(1);
  const TabRecord& middle = Tab(1);
  EXPECT_EQ(Sx(5, middle.AB - 1), Colors().Shadow);
  EXPECT_EQ(ChangedOnScreen(Rect{1, middle.AB - 1, 399, middle.AB}), 0);
}

TEST_F(render_hot_visio, LunaColoursGiveTheCurrentBarItsGlowBack) {
  S().LunaColors = true;
  Show();
  const TabRecord& bar = Tab(0);
  Hot(0);
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLightest);
  Normal(0);
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLight);
  Hot(2);
  Normal(2);
  EXPECT_EQ(ChangedOnScreen(Rect{1, Tab(0).AB - 1, 399, Tab(0).AB}), 0);
}

// --- through the mouse ----------------------------------------------------------------------------

using render_hot_mouse = HotTest;

TEST_F(render_hot_mouse, AMoveDrawsTheHotTabOnTheWindowAndTheNextMoveRestoresIt) {
  host.SetUserMode(true);
  S().HotTracking = false;  // the bands alone
  Show();
  const PixelImage repaint = Image();
  const auto move_to = [&](int32_t x, int32_t y) {
    system.SetCursorPos(Point{x, y});
    HandleMouseMove(control, 0, 0, static_cast<float>(x), static_cast<float>(y));
  };
  const TabRecord& t1 = Tab(1);
  const TabRecord& t2 = Tab(2);
  move_to(t1.AL + 5, 10);
  EXPECT_EQ(Sx(t1.AL + 5, t1.AT), Rgb(230, 139, 44));
  EXPECT_TRUE(surface.AutoRedraw());
  move_to(t2.AL + 5, 10);
  EXPECT_EQ(Sx(t2.AL + 5, t2.AT), Rgb(230, 139, 44));
  EXPECT_EQ(Sx(t1.AL + 5, t1.AT), Rgb(145, 167, 180));
  EXPECT_EQ(ChangedOnScreen(Rect{t1.AL, t1.AT, t2.AR, t1.AT + 3}), 0);
  EXPECT_TRUE(Image() == repaint);
}

}  // namespace
}  // namespace folivan::testing
