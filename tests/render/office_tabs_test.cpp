// The Visual Studio, Office 2003 and Excel tabs where a rule decides the look:
// no separator beside the selected Visual Studio tab, the Office tabs' slanted
// side and its row-by-row fill, the variants of Property Page Selected, and the
// Excel sheets with the white selected one in front.
#include <gtest/gtest.h>

#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr int32_t kH = 20;
constexpr int32_t kT = 2;
constexpr RgbColor kWhite = Rgb(255, 255, 255);

using render_visual_studio_tabs = RenderTest;

TEST_F(render_visual_studio_tabs, NoSeparatorBesideTheSelectedTab) {
  S().Appearance = 3;
  control.SetCurrentTab(1);
  Paint();
  const ColorSet& c = Colors();
  EXPECT_NE(Px(Tab(0).AR, 10), c.Shadow);  // just left of the selected tab
  EXPECT_EQ(Px(Tab(1).AR, 10), c.WindowFrame);
  EXPECT_EQ(Px(Tab(1).AL, 10), kWhite);
  EXPECT_EQ(Px(Tab(2).AR, kT + 3), c.Shadow);
  EXPECT_EQ(Px(Tab(2).AR, kH - 2), c.Shadow);
  EXPECT_NE(Px(Tab(2).AR, kH - 1), c.Shadow);
  // Property Page Selected with Visual Studio colours: the selected tab alone.
  S().Appearance = 5;
  S().Color = 3;
  Paint();
  EXPECT_NE(Px(Tab(2).AR, 10), c.Shadow);
  EXPECT_EQ(Px(Tab(1).AR, 10), c.WindowFrame);
}

class OfficeTabsTest : public RenderTest {
 protected:
  OfficeTabsTest() { S().Appearance = 4; }
};
// Named for the test runner's filters (ctest -R render).
using render_office_tabs = OfficeTabsTest;

TEST_F(render_office_tabs, SlantedSideRunsOnePixelLeftPerRowDownToTheBaseline) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& t = Tab(0);
  const int32_t foot = t.AL - (t.AB - t.AT) + 2;
  for (int32_t y = kT + 4; y <= kH; ++y) EXPECT_EQ(Px(t.AL - (y - kT - 3), y), c.Shadow) << y;
  EXPECT_EQ(Px(foot, kH), c.Shadow);
  // The selected tab opens into the body from the foot of its side, with a highlight inside.
  EXPECT_EQ(Px(foot, kH + 1), c.Face);
  EXPECT_EQ(Px(t.AR, kH + 1), c.Face);
  EXPECT_EQ(Px(t.AL + 1, kT + 3), c.HighLight);
  EXPECT_EQ(Px(t.AR - 1, kT + 4), c.HighLight);
  // Lower down the next tab's slanted part lies over the selected tab's right end.
  EXPECT_NE(Px(t.AR - 1, kT + 6), c.HighLight);
}

TEST_F(render_office_tabs, SlantedPartIsFilledRowByRowInTheFacesColour) {
  S().Color = 2;  // a gradient, so that each row has its own colour
  control.SetCurrentTab(2);
  Paint();
  const TabRecord& t = Tab(1);
  for (int32_t y = kT + 4; y <= kH; ++y) {
    const RgbColor row = Px(t.AL + 5, y);  // the gradient's colour on this row (the caption starts further in)
    EXPECT_EQ(Px(t.AL - (y - kT - 3) + 1, y), row) << y;
    EXPECT_EQ(Px(t.AL + 4, y), row) << y;
  }
  // The tab left of the selected one has no right side: the selected slant covers it.
  EXPECT_NE(Px(t.AR, kT + 3), Colors().Shadow);
  EXPECT_EQ(Px(Tab(0).AR, kT + 3), Colors().Shadow);
}

TEST_F(render_office_tabs, LunaPassOutlinesInTheSchemesDarkColour) {
  S().Color = 2;
  S().LunaColors = true;
  Paint();
  const ThemePalette& luna = SharedThemePalette();
  EXPECT_EQ(Px(Tab(1).AL + 6, kT), luna.LunaDark);
  EXPECT_EQ(Px(Tab(1).AL + 6, kT + 1), luna.LunaGradientTop);
  EXPECT_EQ(Px(Tab(0).AL + 6, kT + 1), Colors().HighLight);
  // Property Page Selected with Office colours: the selected tab alone.
  S().Appearance = 5;
  Paint();
  EXPECT_NE(Px(Tab(1).AL + 6, kT), luna.LunaDark);
}

class ExcelTabsTest : public RenderTest {
 protected:
  ExcelTabsTest() { S().Appearance = 10; }
};
// Named for the test runner's filters (ctest -R render).
using render_excel_tabs = ExcelTabsTest;

TEST_F(render_excel_tabs, SheetSidesSlopeOnePixelEveryTwoRows) {
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& t = Tab(2);
  const int32_t top = t.AT + 1;
  for (int32_t y = top; y <= kH; ++y) {
    EXPECT_EQ(Px(t.AL - (y - top) / 2, y), c.Shadow) << y;
    EXPECT_EQ(Px(t.AR - (kH - y) / 2, y), c.Shadow) << y;
  }
  EXPECT_EQ(Px(t.AL + 2, top + 3), c.Face);
  // Halfway down the left side lies a quarter of the strip's height to the left.
  EXPECT_EQ(Px(t.AL - kH / 4, kH / 2 + 4), c.Shadow);
}

TEST_F(render_excel_tabs, SelectedSheetIsWhiteAndInFrontOfItsNeighbours) {
  control.SetCurrentTab(1);
  Paint();
  const TabRecord& t = Tab(1);
  // Low in the strip the selected sheet covers the right end of the tab before.
  EXPECT_EQ(Px(t.AL - 2, kH - 2), kWhite);
  EXPECT_EQ(Px(Tab(0).AR - 1, kH - 2), kWhite);
  EXPECT_EQ(Px(t.AL + 3, kH + 1), kWhite);  // open into the white body
  EXPECT_EQ(Px(Tab(0).AL + 3, kH + 1), Colors().Shadow);
}

}  // namespace
}  // namespace folivan::testing
