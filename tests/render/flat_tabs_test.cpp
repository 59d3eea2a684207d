// The flat tabs, the state buttons and the ssTab tabs where a rule decides the
// look: shared lines between flat tabs and the last tab's right side, the
// pressed button by Color, and the ssTab tabs that all start at the top of the
// control, the selected one opening three rows deep.
#include <gtest/gtest.h>

#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr int32_t kH = 20;
constexpr int32_t kT = 2;
constexpr RgbColor kBlack = Rgb(0, 0, 0);

using render_flat_tabs = RenderTest;

TEST_F(render_flat_tabs, NeighboursShareALineAndOnlyTheLastTabClosesItsRightSide) {
  S().Appearance = 8;
  Paint();
  const ColorSet& c = Colors();
  EXPECT_EQ(Px(Tab(1).AL, 10), c.Shadow);
  EXPECT_EQ(Px(Tab(1).AL + 3, kT), c.Shadow);
  EXPECT_EQ(Px(Tab(1).AR, 10), c.Face);  // the face reaches R; the next tab's left side follows
  EXPECT_EQ(Px(Tab(2).AR + 1, 10), c.Shadow);
  EXPECT_EQ(Px(Tab(2).AR + 2, 10), c.Face);
  EXPECT_EQ(Px(Tab(0).AL + 3, Tab(0).AB + 1), c.Face);      // the selected tab is open
  EXPECT_EQ(Px(Tab(1).AL + 3, Tab(1).AB + 1), c.Shadow);    // the others stand on the body's edge

  control.SetTabs(1);
  Paint();
  const TabRecord& only = Tab(0);
  EXPECT_EQ(Px(only.AL, 10), c.Shadow);
  EXPECT_EQ(Px(only.AR + 1, 10), c.Shadow);
  EXPECT_EQ(Px(only.AL + 3, only.AT), c.Shadow);
}

class StateButtonTabsTest : public RenderTest {
 protected:
  StateButtonTabsTest() { S().Appearance = 7; }
};
// Named for the test runner's filters (ctest -R render).
using render_state_button_tabs = StateButtonTabsTest;

TEST_F(render_state_button_tabs, SelectedTabIsAPressedButtonAroundItsCaption) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& t = Tab(0);
  const int32_t top = t.TAT - 4, bottom = t.TAB + 6;
  EXPECT_EQ(Px(t.AL + 3, top), c.Shadow);
  EXPECT_EQ(Px(t.AL, 10), c.Shadow);
  EXPECT_EQ(Px(t.AL + 3, bottom), c.HighLight);
  EXPECT_EQ(Px(t.AR, 10), c.HighLight);
  // Etched separators, none beside the pressed button.
  EXPECT_EQ(Px(Tab(1).AR + 1, kT + 3), c.HighLight);
  EXPECT_EQ(Px(Tab(1).AR, kT + 3), c.Shadow);
  EXPECT_EQ(Px(Tab(1).AR, kH - 2), c.HighLight);
  control.SetCurrentTab(1);
  Paint();
  EXPECT_NE(Px(Tab(0).AR, kT + 3), c.Shadow);
}

TEST_F(render_state_button_tabs, OfficeAndVisualStudioColoursFrameTheButtonTwice) {
  S().Color = 2;
  Paint();
  const ThemePalette& luna = SharedThemePalette();
  const TabRecord& t = Tab(0);
  EXPECT_EQ(Px(t.AL, 10), luna.LunaBorder);
  EXPECT_EQ(Px(t.AL + 1, 10), Colors().HighLight);
  EXPECT_EQ(Px(t.AL + 3, t.TAT - 4 + t.TAB + 5), luna.LunaBorder);  // the outer frame's bottom row
  S().LunaColors = true;
  Paint();
  EXPECT_EQ(Px(t.AL, 10), luna.LunaDark);
}

class SsTabTabsTest : public RenderTest {
 protected:
  SsTabTabsTest() { S().Appearance = 9; }
};
// Named for the test runner's filters (ctest -R render).
using render_sstab_tabs = SsTabTabsTest;

TEST_F(render_sstab_tabs, EveryTabReachesTheTopOfTheControl) {
  Paint();
  const ColorSet& c = Colors();
  for (int i : {0, 1, 2}) {
    const TabRecord& t = Tab(i);
    EXPECT_EQ(Px(t.AL + 5, 0), kBlack) << i;
    EXPECT_EQ(Px(t.AL + 5, 1), c.HighLight) << i;
    EXPECT_EQ(Px(t.AL, 10), kBlack) << i;
    EXPECT_EQ(Px(t.AL + 1, 3), kBlack) << i;  // the bevel
  }
  EXPECT_EQ(Px(Tab(2).AR + 1, 10), kBlack);  // the last tab closes its right side
  // Only the selected tab opens into the body, three rows deep.
  const TabRecord& s = Tab(0);
  for (int32_t y = kH + 1; y <= kH + 3; ++y) EXPECT_EQ(Px(s.AL + 5, y), c.Face) << y;
  EXPECT_EQ(Px(Tab(1).AL + 5, kH + 1), kBlack);
  EXPECT_EQ(Px(s.AL + 2, 10), c.HighLight);
}

TEST_F(render_sstab_tabs, VisualStudioColoursShowTheSelectedTabAlone) {
  S().Color = 3;
  Paint();
  EXPECT_EQ(Px(Tab(0).AL + 5, 0), kBlack);
  EXPECT_NE(Px(Tab(1).AL + 5, 0), kBlack);
}

TEST_F(render_sstab_tabs, LunaColoursFillTheClientAreaWithTheHotColour) {
  S().Color = 2;
  S().LunaColors = true;
  Paint();
  const RgbColor hot_dark = SharedThemePalette().HotDark;
  EXPECT_EQ(static_cast<RgbColor>(control.GetClientAreaColor()), hot_dark);
  EXPECT_EQ(Px(Tab(0).AL + 5, kH + 2), hot_dark);
  EXPECT_EQ(Px(Tab(0).AL + 5, kH + 3), Colors().Face);
}

}  // namespace
}  // namespace folivan::testing
