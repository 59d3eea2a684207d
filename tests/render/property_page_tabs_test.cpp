// The raised property-page tabs, the rounded tabs and the tabs of the visual
// style, at the pixels where a rule decides the look: the selected tab's
// opening into the body, the Property Page Selected variant, the Luna pass,
// NoteOne colours taking over the client area, the rounded tabs' raised
// selected tab and Visual Studio colours, and the system style with and without
// a visual style.
#include <gtest/gtest.h>

#include <vector>

#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

// A new control: StripH 20, every tab from Top 2 to Bottom 20.
constexpr int32_t kH = 20;
constexpr int32_t kT = 2;

class PropertyPageTabsTest : public RenderTest {
 protected:
  PropertyPageTabsTest() { S().Appearance = 2; }
};
// Named for the test runner's filters (ctest -R render).
using render_property_page_tabs = PropertyPageTabsTest;

TEST_F(render_property_page_tabs, UnselectedTabsAreRaisedAndTheSelectedOneStandsTwoPixelsOut) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& t = Tab(2);
  EXPECT_EQ(Px(t.AL, 10), c.HighLight);
  EXPECT_EQ(Px(t.AR, 10), c.DarkShadow);
  EXPECT_EQ(Px(t.AR - 1, 10), c.Shadow);
  EXPECT_EQ(Px(t.AL + 2, kT), c.HighLight);
  EXPECT_EQ(Px(t.AL + 1, kT + 1), c.HighLight);
  EXPECT_EQ(Px(t.AR - 1, kT + 1), c.DarkShadow);
  EXPECT_EQ(Px(t.AL, kT), c.Face);  // the cut corner keeps the strip
  // The selected tab's outline lies two pixels outside its rectangle and reaches y = 0.
  const TabRecord& s = Tab(0);
  EXPECT_EQ(Px(s.AL + 5, 0), c.HighLight);
  EXPECT_EQ(Px(s.AR + 2, 10), c.DarkShadow);
  EXPECT_EQ(Px(s.AR + 1, 10), c.Shadow);
}

TEST_F(render_property_page_tabs, OpeningOfTheFirstTabKeepsTheBodysLeftEdge) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& first = Tab(0);
  EXPECT_EQ(Px(0, kH + 1), c.HighLight);
  EXPECT_EQ(Px(1, kH + 1), c.Light);
  for (int32_t x = first.AL; x <= first.AR + 2; ++x) {
    EXPECT_EQ(Px(x, kH + 1), c.Face) << x;
    EXPECT_EQ(Px(x, kH + 2), c.Face) << x;
  }
  EXPECT_EQ(Px(first.AR + 3, kH + 1), c.HighLight);  // the baseline goes on

  // Any other tab opens from two pixels left of its rectangle.
  control.SetCurrentTab(1);
  Paint();
  const TabRecord& second = Tab(1);
  EXPECT_EQ(Px(second.AL - 2, kH + 1), c.Face);
  EXPECT_EQ(Px(second.AL - 3, kH + 1), c.HighLight);
  EXPECT_EQ(Px(1, kH + 2), c.Light);
}

TEST_F(render_property_page_tabs, PropertyPageSelectedShowsTheSelectedTabAlone) {
  S().Appearance = 5;
  Paint();
  const ColorSet& c = Colors();
  for (int i : {1, 2}) {
    const TabRecord& t = Tab(i);
    EXPECT_NE(Px(t.AR, 10), c.DarkShadow) << i;
    EXPECT_EQ(Px(t.AL + 4, kH + 1), c.HighLight) << i;  // a continuous baseline
  }
  EXPECT_EQ(Px(Tab(0).AR + 2, 10), c.DarkShadow);
}

TEST_F(render_property_page_tabs, LunaPassDrawsTheStripOutlinesAndFacesInTheScheme) {
  S().Color = 2;
  S().LunaColors = true;
  Paint();
  const ThemePalette& luna = SharedThemePalette();
  EXPECT_EQ(Px(300, 0), luna.LunaLight);
  EXPECT_EQ(Px(Tab(1).AR, 10), luna.LunaBorder);
  EXPECT_EQ(Px(Tab(1).AR - 1, 10), luna.LunaMid);
  EXPECT_EQ(Px(Tab(1).AL + 5, kT + 1), luna.LunaGradientTop);
  EXPECT_EQ(Px(Tab(0).AL + 1, kT - 1), luna.HotLight);  // the selected face's top row
  EXPECT_NE(Px(Tab(0).AL + 1, kH + 1), Colors().Face);  // reaches down into the opening
  EXPECT_EQ(Px(Tab(0).AL + 1, kH + 2), Colors().Face);
}

TEST_F(render_property_page_tabs, NoteOneColoursGiveTheClientAreaTheSelectedTabsColour) {
  S().NoteOneColors = true;
  control.SetCurrentTab(1);
  Paint();
  const RgbColor col_end = Tab(1).ColEnd;
  EXPECT_EQ(Colors().Light, col_end);
  EXPECT_EQ(static_cast<RgbColor>(control.GetClientAreaColor()), col_end);
  EXPECT_EQ(Px(Tab(1).AL - 2, kH + 1), col_end);
  EXPECT_EQ(Px(Tab(0).AL + 5, 10), Tab(0).ColEnd);  // the other tabs' solid faces
}

// --- Rounded ------------------------------------------------------------------------------------

class RoundedTabsTest : public RenderTest {
 protected:
  RoundedTabsTest() { S().Appearance = 11; }
};
// Named for the test runner's filters (ctest -R render).
using render_rounded_tabs = RoundedTabsTest;

TEST_F(render_rounded_tabs, TwoPixelOutlineWithCutCornersTheSelectedTabHigher) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& t = Tab(1);
  EXPECT_EQ(Px(t.AL + 4, kT), c.Shadow);
  EXPECT_EQ(Px(t.AL + 4, kT + 1), c.Shadow);
  EXPECT_EQ(Px(t.AL + 1, 10), c.Shadow);
  EXPECT_EQ(Px(t.AL, kT + 2), c.Face);  // cut back
  EXPECT_NE(Px(t.AL + 4, 0), c.Shadow);
  // The selected tab from y = 0, opening into the body.
  const TabRecord& s = Tab(0);
  EXPECT_EQ(Px(s.AL + 4, 0), c.Shadow);
  EXPECT_EQ(Px(s.AL + 3, kH + 1), c.Face);
}

TEST_F(render_rounded_tabs, VisualStudioColoursMarkTheSelectedTabAndSeparateTheOthers) {
  S().Color = 3;
  Paint();
  const ColorSet& c = Colors();
  const RgbColor grey = system.GetSysColor(17);
  const TabRecord& t = Tab(1);
  EXPECT_EQ(Px(t.AR + 1, kT + 3), grey);
  EXPECT_EQ(Px(t.AR + 1, Tab(1).AB - 3), grey);
  EXPECT_NE(Px(t.AL + 1, 10), c.Shadow);  // no outline
  EXPECT_EQ(Px(t.AL + 1, 10), c.FaceTint);
  EXPECT_EQ(Px(Tab(0).AL + 2, kT), c.SelectionBack);
}

// --- System ---------------------------------------------------------------------------------------

using render_system_tabs = RenderTest;

TEST_F(render_system_tabs, WithoutAVisualStyleLooksExactlyLikeThePropertyPage) {
  control.SetiTabEnabled(2, false);
  S().Appearance = 2;
  Paint();
  const PixelImage property_page = Image();
  S().Appearance = 13;
  Paint();
  EXPECT_TRUE(Image() == property_page);
}

// A headless system that keeps the parts the visual style is asked to draw.
class ThemeRecordingSystem : public HeadlessSystem {
 public:
  struct Call {
    int part;
    int state;
    Rect rect;
    friend bool operator==(const Call&, const Call&) = default;
  };
  void DrawThemeBackground(ThemeHandle, DeviceHandle, int part, int state, const Rect& rect) override {
    calls.push_back({part, state, rect});
  }
  std::vector<Call> calls;
};

TEST(render_system_tabs_themed, TheVisualStyleDrawsThePaneAndEachTabInItsState) {
  ThemeRecordingSystem system;
  system.SetTheme(ThemeName{"luna.msstyles", "NormalColor"});
  HostedSurface surface(system, 400, 300);
  HeadlessHost host(surface, system);
  FolivanTab control(host, system);
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  control.InitProperties();
  control.SetiTabEnabled(2, false);
  control.SetCurrentTab(1);
  control.SetAppearance(13);
  system.calls.clear();
  Repaint(control);

  const auto box = [&](int i) { return control.State().tabs.at(static_cast<size_t>(i)); };
  const TabRecord t0 = box(0), t1 = box(1), t2 = box(2);
  const std::vector<ThemeRecordingSystem::Call> expected = {
      {9, 1, {0, kH + 1, 400, 300}},
      {1, 1, {t0.AL, t0.AT, t0.AR + 1, t0.AB + 1}},
      {1, 4, {t2.AL, t2.AT, t2.AR + 1, t2.AB + 1}},
      {1, 3, {t1.AL - 2, t1.AT - 2, t1.AR + 3, t1.AB + 2}},
  };
  EXPECT_EQ(system.calls, expected);
  EXPECT_EQ(surface.BackColor(), 0x8000000Fu);
  // No property-page outline under the themed tabs.
  EXPECT_NE(surface.PersistentImage().At(t2.AR, 10), control.State().paint.colors.DarkShadow);
}

}  // namespace
}  // namespace folivan::testing
