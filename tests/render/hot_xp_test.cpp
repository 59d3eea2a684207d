// The Windows XP pair where the golden images of the hot looks do not reach:
// the window image only, the top rows the normal look leaves behind, the
// repairs of the selected tab's edge, and tabs outside the strip.
#include <gtest/gtest.h>

#include "hot_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kInner = Rgb(255, 200, 60);
constexpr RgbColor kOutline = Rgb(145, 167, 180);

using render_hot_xp = HotTest;

TEST_F(render_hot_xp, HotDrawingGoesToTheWindowImageOnly) {
  Show();
  const PixelImage repaint = Image();
  Hot(1);
  EXPECT_GT(ChangedOnScreen(), 0);
  EXPECT_TRUE(Image() == repaint);
  EXPECT_TRUE(surface.AutoRedraw());
}

TEST_F(render_hot_xp, SelectedTabRoundTripsAndLeavesTheFontAsItWas) {
  Show();
  Hot(0);
  EXPECT_GT(NavyOnScreen(), 0);
  EXPECT_FALSE(surface.Font().bold);
  Normal(0);
  EXPECT_EQ(ChangedOnScreen(), 0);
}

TEST_F(render_hot_xp, WithoutHotTrackingTheBandShowsButCaptionsKeepTheirColour) {
  S().HotTracking = false;
  Show();
  Hot(1);
  EXPECT_EQ(Sx(Tab(1).AL + 5, Tab(1).AT + 1), kInner);
  EXPECT_EQ(NavyOnScreen(), 0);
  Hot(0);
  Normal(0);
  EXPECT_EQ(NavyOnScreen(), 0);
}

TEST_F(render_hot_xp, NormalLookRedrawsTheTopRowsInTheFacesTopColour) {
  Show();
  Hot(2);
  Normal(2);
  const TabRecord& t = Tab(2);
  const int32_t L = t.AL, T = t.AT, R = t.AR;
  EXPECT_EQ(Sx(L + 5, T), kOutline);
  EXPECT_EQ(Sx(L + 5, T + 1), Rgb(250, 250, 249));
  EXPECT_EQ(Sx(L + 5, T + 2), Rgb(250, 250, 249));
  EXPECT_EQ(Sx(L, T + 2), kOutline);
  EXPECT_EQ(Sx(R - 1, T + 2), kOutline);
  EXPECT_EQ(Sx(L, T + 1), Rgb(200, 209, 205));
  EXPECT_EQ(Sx(L + 2, T + 1), Rgb(228, 233, 236));
  // Below the three rows, and in the caption, the screen is the repaint's.
  EXPECT_EQ(ChangedOnScreen(Rect{L, T, R, T + 3}), 0);
  EXPECT_EQ(NavyOnScreen(), 0);
}

// With Color 2 the normal look draws the whole face again, and with it the
// repairs of the selected tab's edge: hovering over either neighbour of the
// selected tab and leaving it gives back the repaint pixel for pixel.
TEST_F(render_hot_xp, OfficeColoursRoundTripToTheRepaintBesideTheSelectedTab) {
  S().Color = 2;
  control.SetCurrentTab(1);
  Show();
  for (int16_t i : {0, 2}) {
    Hot(i);
    EXPECT_GT(ChangedOnScreen(), 0) << i;
    Normal(i);
    EXPECT_EQ(ChangedOnScreen(), 0) << i;
  }
  // The band of the left neighbour leaves the selected tab's left side alone.
  Hot(0);
  const TabRecord& left = Tab(0);
  EXPECT_EQ(Sx(left.AR - 1, left.AT + 1), Colors().BorderColor);
  EXPECT_EQ(Sx(left.AR - 1, left.AT + 2), Colors().BorderColor);
}

TEST_F(render_hot_xp, IndicesOutsideTheStripDrawNothing) {
  Show();
  for (int16_t i : {-1, -5, 3, 100}) {
    Hot(i);
    Normal(i);
  }
  EXPECT_EQ(ChangedOnScreen(), 0);
}

}  // namespace
}  // namespace folivan::testing
