// The face pairs of the strip styles (Property Page, Office 2003, Flat,
// Rounded) and the caption-only pairs (Visual Studio, State Buttons): the hot
// face only with Color 2 and only on unselected tabs, nothing at all without
// HotTracking, and a normal look that gives back what the repaint drew.
#include <gtest/gtest.h>

#include "hot_fixture.h"

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

TEST_F(render_hot_strip, PropertyPageWithoutHotTrackingChangesNothing) {
  Style(2, 2);
  S().HotTracking = false;
  Show();
  for (int16_t i : {0, 1, 2}) {
    Hot(i);
    EXPECT_EQ(ChangedOnScreen(), 0) << i;
    Normal(i);
  }
  EXPECT_EQ(ChangedOnScreen(), 0);
}

TEST_F(render_hot_strip, PropertyPageOfficeColoursGiveTheHotFaceInsideTheOutline) {
  for (const bool luna : {false, true}) {
    Style(2, 2, luna);
    Show();
    Hot(1);
    const TabRecord& t = Tab(1);
    EXPECT_EQ(Sx(t.AL + 4, t.AT + 1), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AR - 2, t.AT + 1), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AL, 10), Px(t.AL, 10)) << luna;        // outer left line
    EXPECT_EQ(Sx(t.AR, 10), Px(t.AR, 10)) << luna;        // outer right line
    EXPECT_EQ(Sx(t.AR - 1, t.AT + 1), Px(t.AR - 1, t.AT + 1)) << luna;
    EXPECT_GT(CountPixels(Screen(), CaptionArea(1), kNavy), 0) << luna;
    Normal(1);
    EXPECT_EQ(ChangedOnScreen(), 0) << luna;
  }
}

TEST_F(render_hot_strip, OtherColoursAndTheSelectedTabChangeOnlyTheCaption) {
  struct Case {
    int32_t appearance;
    int32_t color;
    int16_t tab;
  };
  // Visual Studio and State Buttons have no face of their own to show.
  for (const Case& c : {Case{2, 1, 1}, Case{2, 3, 2}, Case{2, 2, 0}, Case{4, 1, 1}, Case{4, 2, 0}, Case{8, 3, 1},
                        Case{8, 2, 0}, Case{11, 1, 2}, Case{11, 2, 0}, Case{3, 2, 1}, Case{7, 2, 1}}) {
    Style(c.appearance, c.color);
    Show();
    Hot(c.tab);
    EXPECT_GT(NavyOnScreen(), 0) << c.appearance << "/" << c.color << "/" << c.tab;
    EXPECT_EQ(ChangedOtherThanNavy(), 0) << c.appearance << "/" << c.color << "/" << c.tab;
  }
}

TEST_F(render_hot_strip, StateButtonsCaptionRoundTripsAtTheLayersPlace) {
  Style(7, 1);
  Show();
  for (int16_t i : {0, 1}) {
    Hot(i);
    EXPECT_GT(CountPixels(Screen(), CaptionArea(i), kNavy), 0) << i;
    Normal(i);
    EXPECT_EQ(ChangedOnScreen(), 0) << i;
  }
}

TEST_F(render_hot_strip, RoundedOfficeColoursRoundTripWithTheOutline) {
  for (const bool luna : {false, true}) {
    Style(11, 2, luna);
    Show();
    Hot(2);
    const TabRecord& t = Tab(2);
    EXPECT_EQ(Sx(t.AL + 4, t.AT + 2), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AL + 2, t.AT + 2), HotTop()) << luna;  // the face covers the inner corner
    EXPECT_EQ(Sx(t.AL + 1, 10), Colors().Shadow) << luna;
    Normal(2);
    EXPECT_EQ(ChangedOnScreen(), 0) << luna;
  }
}

// The flat and the Office captions sit elsewhere in the caption layer than
// the hot caption's rectangle puts them; the rest of the tab round-trips.
TEST_F(render_hot_strip, FlatOfficeColoursRoundTripOutsideTheCaption) {
  for (const bool luna : {false, true}) {
    Style(8, 2, luna);
    Show();
    Hot(1);
    const TabRecord& t = Tab(1);
    EXPECT_EQ(Sx(t.AL + 1, t.AT + 1), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AR, t.AT + 1), HotTop()) << luna;
    EXPECT_EQ(Sx(t.AL, t.AT + 1), Px(t.AL, t.AT + 1)) << luna;  // the shared line
    Normal(1);
    EXPECT_EQ(ChangedOnScreen(CaptionArea(1)), 0) << luna;
  }
}

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

}  // namespace
}  // namespace folivan::testing
