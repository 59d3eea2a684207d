// The strip layout: the rectangles of a new control, and each rule that moves
// them (bold selected caption, pictures, the styles with other offsets,
// overflow, tabs scrolled out at the left, a failing statement).
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/picture_file.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

struct Box {
  int32_t l, t, r, b;
  friend bool operator==(const Box&, const Box&) = default;
};
std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "(" << b.l << ", " << b.t << ", " << b.r << ", " << b.b << ")";
}
Box TabOf(const TabRecord& t) { return {t.AL, t.AT, t.AR, t.AB}; }
Box CaptionOf(const TabRecord& t) { return {t.TAL, t.TAT, t.TAR, t.TAB}; }

PicturePtr SolidPicture(int32_t side = 16) {
  return std::make_shared<ImagePicture>(PixelImage(side, side, static_cast<RgbColor>(0xFF0000FFu)));
}

// Tahoma 8 pt: "Tab 0" is 29 pixels wide (31 in bold), every line 13 pixels high, as GDI measures it.
constexpr int32_t kCaptionWidth = 29;
constexpr int32_t kBoldCaptionWidth = 31;
constexpr int32_t kTextHeight = 13;

class LayoutTest : public RenderTest {};
// Named for the test runner's filters (ctest -R render).
using render_layout = LayoutTest;

TEST_F(render_layout, NewControlLaysOutThreeTabsFromTheLeft) {
  ASSERT_EQ(TextWidth("Tab 0"), kCaptionWidth);
  ASSERT_EQ(TextWidth("Tab 0", true), kBoldCaptionWidth);
  Paint();

  EXPECT_EQ(S().StripH, 20);
  // Tab 0 is selected and measured in bold; each further tab starts one pixel after the previous one.
  EXPECT_EQ(TabOf(Tab(0)), (Box{2, 2, 47, 20}));
  EXPECT_EQ(CaptionOf(Tab(0)), (Box{9, 6, 40, kTextHeight}));
  EXPECT_EQ(TabOf(Tab(1)), (Box{48, 2, 90, 20}));
  EXPECT_EQ(CaptionOf(Tab(1)), (Box{54, 6, 83, kTextHeight}));
  EXPECT_EQ(TabOf(Tab(2)), (Box{91, 2, 133, 20}));
  EXPECT_EQ(CaptionOf(Tab(2)), (Box{97, 6, 126, kTextHeight}));
  EXPECT_EQ(S().paint.StripRight, 133);
  EXPECT_FALSE(S().mShowScrollBar);
  EXPECT_EQ(S().HiddR, 2);
}

// --- bold selected caption -------------------------------------------------------------------

TEST_F(render_layout, WithoutBoldSelectedTheSelectedTabIsAsWideAsItsText) {
  S().BoldSelected = false;
  Paint();
  EXPECT_EQ(Tab(0).TAR, 9 + kCaptionWidth);
  EXPECT_EQ(Tab(0).AR, 9 + kCaptionWidth + 7);
  EXPECT_EQ(Tab(1).AL, Tab(0).AR + 1);
}

TEST_F(render_layout, BoldMeasurementFollowsTheSelection) {
  control.SetCurrentTab(1);
  Paint();
  EXPECT_EQ(Tab(0).AR - Tab(0).AL, kCaptionWidth + 14);
  EXPECT_EQ(Tab(1).AR - Tab(1).AL, TextWidth("Tab 1", true) + 13);
  EXPECT_FALSE(surface.Font().bold);
}

TEST_F(render_layout, AnAlreadyBoldFontIsLeftBold) {
  const int32_t bold_tab1 = TextWidth("Tab 1", true);
  surface.SetFontBold(true);
  Paint();
  // Every tab is measured in bold, and the font is not switched back.
  EXPECT_TRUE(surface.Font().bold);
  EXPECT_EQ(Tab(0).TAR - Tab(0).TAL, kBoldCaptionWidth);
  EXPECT_EQ(Tab(1).TAR - Tab(1).TAL, bold_tab1);
}

// --- pictures ---------------------------------------------------------------------------------

TEST_F(render_layout, APictureWidensItsTabByTheCaptionHeightAndFour) {
  Paint();
  const Box tab1 = TabOf(Tab(1));
  const Box caption1 = CaptionOf(Tab(1));
  const Box tab2 = TabOf(Tab(2));
  Tab(1).Pic = SolidPicture();
  Paint();

  const int32_t shift = kTextHeight + 4;
  EXPECT_EQ(Tab(1).AL, tab1.l);
  EXPECT_EQ(Tab(1).TAL, caption1.l + shift);
  EXPECT_EQ(Tab(1).AR, tab1.r + shift);
  EXPECT_EQ(Tab(2).AL, tab2.l + shift);
}

// --- styles with their own offsets --------------------------------------------------------------

struct FirstTab {
  int32_t appearance;
  int32_t color;
  int32_t caption_left;  // TAL of the first tab shown
  int32_t tab_left;      // its AL
  int32_t slant;         // extra caption width for the Office 2003 slant (StripH / 3 = 6.67 -> 7)
};

class FirstTabTest : public LayoutTest, public ::testing::WithParamInterface<FirstTab> {};
// Named for the test runner's filters (ctest -R render).
using render_layout_styles = FirstTabTest;

TEST_P(render_layout_styles, FirstCaptionAndSlantFollowTheStyle) {
  const FirstTab p = GetParam();
  S().Appearance = p.appearance;
  S().Color = p.color;
  Paint();
  EXPECT_EQ(Tab(0).TAL, p.caption_left);
  EXPECT_EQ(Tab(0).AL, p.tab_left);
  EXPECT_EQ(Tab(0).TAR - Tab(0).TAL, kBoldCaptionWidth + p.slant);
  EXPECT_EQ(Tab(1).TAR - Tab(1).TAL, kCaptionWidth + p.slant);
  EXPECT_EQ(Tab(1).AL, Tab(0).AR + 1);
}

INSTANTIATE_TEST_SUITE_P(Appearances, render_layout_styles,
                         ::testing::Values(FirstTab{1, 1, 9, 2, 0}, FirstTab{4, 1, 32, 25, 7},
                                           FirstTab{5, 2, 32, 25, 7}, FirstTab{5, 3, 9, 2, 0},
                                           FirstTab{10, 1, 22, 15, 0}, FirstTab{9, 1, 9, 0, 0}));

// --- overflow -----------------------------------------------------------------------------------

TEST_F(render_layout, NarrowingTurnsScrollingOnAndWideningTurnsItOff) {
  control.SetTabs(5);
  Paint();
  ASSERT_FALSE(S().mShowScrollBar);
  ASSERT_EQ(S().HiddR, 4);

  surface.ResizePixels(120, 300);
  Paint();
  EXPECT_TRUE(S().mShowScrollBar);
  // The next repaint lays out only up to the tab after the one that straddles the right edge.
  Paint();
  EXPECT_EQ(S().HiddR, 3);
  EXPECT_TRUE(S().paint.CanScrollRight);
  EXPECT_FALSE(S().paint.CanScrollLeft);

  surface.ResizePixels(400, 300);
  Paint();
  EXPECT_FALSE(S().mShowScrollBar);
  EXPECT_EQ(S().HiddR, 4);
}

TEST_F(render_layout, ExactlyTwoPixelsToSpareChangesNothing) {
  Paint();
  surface.ResizePixels(S().paint.StripRight + 2, 300);
  S().mShowScrollBar = true;
  S().HiddR = 2;
  int16_t i = 0;
  LayoutTabs(control, i);
  EXPECT_TRUE(S().mShowScrollBar);

  S().mShowScrollBar = false;
  LayoutTabs(control, i);
  EXPECT_FALSE(S().mShowScrollBar);
}

TEST_F(render_layout, TabsScrolledOutAtTheLeftKeepTheirRectanglesAndScrollingStays) {
  control.SetTabs(5);
  Paint();
  const Box tab0 = TabOf(Tab(0));
  S().Hidd = 2;
  Paint();
  // The first tab shown starts where tab 0 would, the hidden ones are not touched.
  EXPECT_EQ(Tab(2).TAL, 9);
  EXPECT_EQ(Tab(2).AL, 2);
  EXPECT_EQ(TabOf(Tab(0)), tab0);
  EXPECT_TRUE(S().mShowScrollBar);
  EXPECT_TRUE(S().paint.CanScrollLeft);
}

TEST_F(render_layout, ALastTabBeyondTheRecordsIsSkippedStatementByStatement) {
  Paint();
  const int32_t strip_right = S().paint.StripRight;
  S().HiddR = 5;  // only three records
  int16_t i = 0;
  EXPECT_NO_THROW(LayoutTabs(control, i));
  // The tabs that exist are laid out; StripRight, read from a missing record, keeps its value.
  EXPECT_EQ(TabOf(Tab(2)), (Box{91, 2, 133, 20}));
  EXPECT_EQ(S().paint.StripRight, strip_right);
  // With room to spare and nothing scrolled out, the last tab laid out becomes the last tab again.
  EXPECT_EQ(S().HiddR, 2);
}

}  // namespace
}  // namespace folivan::testing
