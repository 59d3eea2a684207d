// The Windows XP tabs of a new control, pixel by pixel where the look depends
// on one rule: the orange band of the selected tab, the outline, corners,
// gradient and shade of the others, the colour variants, and a selected tab
// scrolled out of view.
#include <gtest/gtest.h>

#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kOrange = Rgb(230, 139, 44);
constexpr RgbColor kBandInner = Rgb(255, 200, 60);
constexpr RgbColor kHalo = Rgb(225, 198, 142);
constexpr RgbColor kOutline = Rgb(145, 167, 180);
constexpr RgbColor kBorder = Rgb(145, 155, 156);
constexpr RgbColor kSelectedFace = Rgb(252, 252, 254);
constexpr RgbColor kButtonFace = Rgb(236, 233, 216);

// New control: tab 0 selected over x = 2..46, tab 1 over 48..89, tab 2 over 91..132; StripH 20.
constexpr int32_t kH = 20;

class XpTabsTest : public RenderTest {};
// Named for the test runner's filters (ctest -R render).
using render_xp_tabs = XpTabsTest;

TEST_F(render_xp_tabs, SelectedTabReachesTheTopWithTheOrangeBand) {
  Paint();
  // Band rows 0..2 over L..R (R = 47 included), corners rounded off beside it.
  for (int32_t x = 2; x <= 47; ++x) EXPECT_EQ(Px(x, 0), kOrange) << x;
  EXPECT_EQ(Px(20, 1), kBandInner);
  EXPECT_EQ(Px(20, 2), kBandInner);
  EXPECT_EQ(Px(1, 1), kOrange);
  EXPECT_EQ(Px(2, 1), Rgb(249, 185, 56));
  EXPECT_EQ(Px(0, 1), kHalo);
  EXPECT_EQ(Px(1, 0), kHalo);
  EXPECT_EQ(Px(49, 1), kHalo);
  EXPECT_EQ(Px(0, 2), kOrange);
  EXPECT_EQ(Px(49, 2), kOrange);
  // The sides, two pixels outside the tab's rectangle, run down to the baseline.
  EXPECT_EQ(Px(0, 3), kBorder);
  EXPECT_EQ(Px(49, kH), kBorder);
  EXPECT_EQ(Px(49, kH + 1), kBorder);  // the baseline itself
}

TEST_F(render_xp_tabs, UnselectedTabsHaveARoundedGreyBlueOutline) {
  Paint();
  // Tab 2: tab 1's left edge lies under the selected tab's side.
  const int32_t L = 91, T = 2, R = 133;
  EXPECT_EQ(Px(L, T + 2), kOutline);
  EXPECT_EQ(Px(L, kH), kOutline);
  EXPECT_EQ(Px(R - 1, 10), kOutline);
  EXPECT_EQ(Px(L + 2, T), kOutline);
  EXPECT_EQ(Px(R - 3, T), kOutline);
  EXPECT_EQ(Px(R - 2, T), Rgb(200, 209, 205));  // corner, where the top line stops
  EXPECT_EQ(Px(L + 1, T + 1), kOutline);
  EXPECT_EQ(Px(L + 2, T + 1), Rgb(228, 233, 236));
  EXPECT_EQ(Px(L, T + 1), Rgb(200, 209, 205));
  // Above the tab the strip shows the control's back colour.
  EXPECT_EQ(Px(60, 1), kButtonFace);
  EXPECT_EQ(Px(200, 10), kButtonFace);
}

TEST_F(render_xp_tabs, UnselectedFaceIsALightGradientWithAShadedRightEdgeAndBottom) {
  Paint();
  const int32_t x = 52, R = 90;
  EXPECT_EQ(Px(x, 3), Rgb(250, 250, 249));  // top row of the gradient
  EXPECT_EQ(Px(x, kH), Rgb(228, 226, 218));  // bottom line
  const RgbColor mid = Px(x, 12);
  EXPECT_LT(GreenOf(mid), 250);
  EXPECT_GT(GreenOf(mid), 235);
  // The two shade columns are darker than the face beside them.
  EXPECT_LT(GreenOf(Px(R - 2, 12)), GreenOf(Px(R - 3, 12)));
  EXPECT_LT(GreenOf(Px(R - 3, 12)), GreenOf(mid));
}

TEST_F(render_xp_tabs, OfficeColourHasABluerFaceAndNoShade) {
  S().Color = 2;
  Paint();
  const int32_t x = 52, R = 90;
  EXPECT_EQ(Px(x, 3), Rgb(255, 255, 255));
  // No bottom line and no shade columns: those rows and columns are plain gradient.
  EXPECT_NE(Px(x, kH), Rgb(228, 226, 218));
  EXPECT_GT(BlueOf(Px(x, kH)), RedOf(Px(x, kH)));
  EXPECT_EQ(Px(R - 2, 12), Px(x, 12));
  // The band keeps the Windows XP orange.
  EXPECT_EQ(Px(20, 0), kOrange);
}

TEST_F(render_xp_tabs, SelectedTabLaidOverItsNeighbours) {
  control.SetCurrentTab(1);
  Paint();
  // Tab 1's band covers the right edge of tab 0 and the left edge of tab 2.
  const TabRecord& t1 = Tab(1);
  EXPECT_EQ(Px(t1.AL - 2, 10), kBorder);
  EXPECT_EQ(Px(t1.AL - 1, 10), kSelectedFace);
  EXPECT_EQ(Px(t1.AR + 1, 10), kSelectedFace);
  EXPECT_EQ(Px(t1.AR + 2, 10), kBorder);
  // Tab 0 is now an unselected tab that starts at its own top.
  EXPECT_EQ(Px(10, 0), kButtonFace);
  EXPECT_EQ(Px(10, 2), kOutline);
}

TEST_F(render_xp_tabs, SelectedTabScrolledOutAtTheLeftIsNotDrawn) {
  control.SetTabs(5);
  control.SetCurrentTab(0);
  S().Hidd = 1;
  Paint();
  for (int32_t x = 0; x < 400; ++x) ASSERT_NE(Px(x, 0), kOrange) << x;
  EXPECT_EQ(Px(Tab(1).AL, Tab(1).AT + 2), kOutline);
}

TEST_F(render_xp_tabs, NoTabsOnlyClearsTheSurface) {
  Paint();
  S().Tabs = 0;
  Paint();
  const RgbColor back = surface.TranslateColor(surface.BackColor());
  for (uint32_t p : Image().pixels()) ASSERT_EQ(static_cast<RgbColor>(p), back);
}

TEST_F(render_xp_tabs, WithoutClientAreaTheControlShrinksToItsStrip) {
  S().ClientArea = false;
  Paint();
  EXPECT_EQ(surface.Height(), (kH + 2) * 15.0);
  EXPECT_EQ(surface.Width(), 400 * 15.0);
  EXPECT_EQ(surface.PixelHeight(), kH + 2);

  // The Visio style keeps its size.
  surface.ResizePixels(400, 300);
  S().Appearance = 6;
  Paint();
  EXPECT_EQ(surface.PixelHeight(), 300);
}

}  // namespace
}  // namespace folivan::testing
