// The Visio style: the two stacks of bars as LayoutVisioTabs places them, the
// page in a BackColor of its own, and one golden image per colour variant.
#include <gtest/gtest.h>

#include <string>

#include "paint/colors.h"
#include "platform/headless/picture_file.h"
#include "support/control_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

class VisioTest : public RenderTest {
 protected:
  VisioTest() {
    control.SetTabs(5);
    for (int16_t i = 0; i < 5; ++i) control.SetTabCaption(i, "Stencil " + std::to_string(i));
    S().CurrentTab = 1;
    S().Appearance = 6;
  }
  int32_t TH() const { return static_cast<int32_t>(surface.TextHeight("Stencil 0")); }
};
// Named for the test runner's filters (ctest -R render).
using render_visio = VisioTest;

TEST_F(render_visio, UpperStackFromTheTopLowerStackFromTheBottom) {
  S().StripH = 77;
  S().HiddR = 3;
  Paint();
  const int32_t th = TH();
  // Tab 0 at the very top, tab 1 (current, measured bold) right under it.
  EXPECT_EQ(Tab(0).AT, 1);
  EXPECT_EQ(Tab(0).TAT, 3);
  EXPECT_EQ(Tab(0).TAB, 3 + th);
  EXPECT_EQ(Tab(0).AB, 5 + th);
  EXPECT_EQ(Tab(1).TAT, Tab(0).AB + 3);
  EXPECT_EQ(Tab(1).AT, Tab(0).AB + 1);
  EXPECT_EQ(Tab(1).AB, Tab(1).TAT + th + 2);
  EXPECT_EQ(Tab(0).TAR, 10 + TextWidth("Stencil 0"));
  EXPECT_EQ(Tab(1).TAR, 10 + TextWidth("Stencil 1", true));
  // Tab 4 ends at the bottom edge, tab 3 sits right on top of it; their captions
  // span the whole width and are not measured.
  EXPECT_EQ(Tab(4).TAB, 297);
  EXPECT_EQ(Tab(4).TAT, 297 - th);
  EXPECT_EQ(Tab(4).AT, 295 - th);
  EXPECT_EQ(Tab(4).AB, 300);
  EXPECT_EQ(Tab(3).TAB, Tab(4).TAT - 5);
  EXPECT_EQ(Tab(3).AB, Tab(4).AT - 1);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Tab(i).AL, 1) << i;
    EXPECT_EQ(Tab(i).AR, 399) << i;
    EXPECT_EQ(Tab(i).TAL, 10) << i;
  }
  EXPECT_EQ(Tab(2).TAR, 399);
  // The strip's height stays as it was; every bar is laid out.
  EXPECT_EQ(S().StripH, 77);
  EXPECT_EQ(S().HiddR, 4);
}

// Bars added after the switch to Visio get their captions as the bars of a
// control that had its tabs first, and bars scrolled out of another style's
// strip come back with theirs.
TEST_F(render_visio, EveryBarIsCaptionedWhateverTheOrderOfTheWrites) {
  control.SetAppearance(1);
  control.SetTabs(2);
  control.SetTabs(4);
  control.SetAppearance(6);
  const PixelImage tabs_first = Image();

  control.SetTabs(2);
  control.SetAppearance(1);
  S().Hidd = 1;
  control.SetAppearance(6);
  control.SetTabs(4);
  EXPECT_EQ(S().HiddR, 3);
  EXPECT_TRUE(Image() == tabs_first);
}

TEST_F(render_visio, APictureMovesTheCaptionByItsHeightWithoutAGap) {
  const PicturePtr picture = std::make_shared<ImagePicture>(PixelImage(8, 8));
  Tab(0).Pic = picture;
  Tab(3).Pic = picture;
  Paint();
  EXPECT_EQ(Tab(0).TAL, 10 + TH());
  EXPECT_EQ(Tab(3).TAL, 10 + TH());
}

TEST_F(render_visio, ThePageBetweenTheStacksShowsBackColor) {
  control.SetBackColor(Rgb(10, 200, 30));
  Paint();
  EXPECT_EQ(Px(200, 150), Rgb(10, 200, 30));
  EXPECT_EQ(Px(399, 150), Colors().Shadow);  // inside the frame
}

// --- golden images ----------------------------------------------------------------------------

struct VisioCase {
  const char* name;
  int32_t color;
  bool luna;
  bool note_one;
  int16_t current;
};

class VisioGoldenTest : public ControlTest, public ::testing::WithParamInterface<VisioCase> {
 protected:
  VisioGoldenTest() : ControlTest(200, 150) {}
};
using render_visio_golden = VisioGoldenTest;

TEST_P(render_visio_golden, MatchesGolden) {
  const VisioCase& c = GetParam();
  control.SetTabs(4);
  S().Color = c.color;
  S().LunaColors = c.luna;
  S().NoteOneColors = c.note_one;
  S().CurrentTab = c.current;
  control.SetAppearance(6);
  EXPECT_TRUE(MatchesGolden(Image(), std::string("render/visio_") + c.name));
}

INSTANTIATE_TEST_SUITE_P(golden, render_visio_golden,
                         ::testing::Values(VisioCase{"default", 1, false, false, 1},
                                           VisioCase{"office", 2, false, false, 1},
                                           VisioCase{"luna", 2, true, false, 1},
                                           VisioCase{"note_one", 1, false, true, 2},
                                           VisioCase{"note_one_gradient", 2, false, true, 2},
                                           VisioCase{"last_tab", 1, false, false, 3},
                                           VisioCase{"common_area", 2, true, false, -1}),
                         [](const ::testing::TestParamInfo<VisioCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
