// The strip layout: the rectangles of a new control, and each rule that moves
// them (bold selected caption, pictures, the styles with other offsets,
// overflow, tabs scrolled out at the left, a failing statement).
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/picture_file.h"
#include "render_fixture.h"

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

// Tahoma 8 pt: "Tab 0" is 27 pixels wide (31 in bold), every line 13 pixels high.
constexpr int32_t kCaptionWidth = 27;
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
  EXPECT_EQ(TabOf(Tab(1)), (Box{48, 2, 88, 20}));
  EXPECT_EQ(CaptionOf(Tab(1)), (Box{54, 6, 81, kTextHeight}));
  EXPECT_EQ(TabOf(Tab(2)), (Box{89, 2, 129, 20}));
  EXPECT_EQ(CaptionOf(Tab(2)), (Box{95, 6, 122, kTextHeight}));
  EXPECT_EQ(S().paint.StripRight, 129);
  EXPECT_FALSE(S().mShowScrollBar);
  EXPECT_EQ(S().HiddR, 2);
}

TEST_F(render_layout, StripHeightFollowsTheCurrentCaption) {
  FontDesc big = surface.Font();
  big.size = 14;
  surface.SetFont(big);
  Paint();
  EXPECT_EQ(S().StripH, static_cast<int16_t>(surface.TextHeight("Tab 0")) + 7);
  EXPECT_EQ(Tab(1).AB, static_cast<int32_t>(surface.TextHeight("Tab 1")) + 7);
  EXPECT_GT(S().StripH, 20);
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

TEST_F(render_layout, APictureOnTheFirstTabKeepsItsLeftEdge) {
  Tab(0).Pic = SolidPicture();
  Paint();
  EXPECT_EQ(Tab(0).AL, 2);
  EXPECT_EQ(Tab(0).TAL, 9 + kTextHeight + 4);
}

// --- styles with their own offsets --------------------------------------------------------------

TEST_F(render_layout, OfficeTabsStartLaterAndLeaveRoomForTheSlant) {
  S().Appearance = 4;
  Paint();
  // First caption at StripH + 12; every caption rectangle a third of StripH wider (20 / 3 rounds to 7).
  EXPECT_EQ(Tab(0).TAL, 32);
  EXPECT_EQ(Tab(0).AL, 25);
  EXPECT_EQ(Tab(0).TAR, 32 + kBoldCaptionWidth + 7);
  EXPECT_EQ(Tab(1).TAR - Tab(1).TAL, kCaptionWidth + 7);
}

TEST_F(render_layout, PropertyPageSelectedTakesTheOfficeOffsetsOnlyWithOfficeColours) {
  S().Appearance = 5;
  S().Color = 2;
  Paint();
  EXPECT_EQ(Tab(0).TAL, 32);
  S().Color = 3;
  Paint();
  EXPECT_EQ(Tab(0).TAL, 9);
  EXPECT_EQ(Tab(0).TAR, 9 + kBoldCaptionWidth);
}

TEST_F(render_layout, ExcelTabsStartAfterTheStripHeight) {
  S().Appearance = 10;
  Paint();
  EXPECT_EQ(Tab(0).TAL, 22);
  EXPECT_EQ(Tab(0).AL, 15);
  EXPECT_EQ(Tab(0).TAR - Tab(0).TAL, kBoldCaptionWidth);  // no slant room
}

TEST_F(render_layout, SsTabWidensOnlyTheFirstTabToTheLeft) {
  S().Appearance = 9;
  Paint();
  EXPECT_EQ(Tab(0).AL, 0);
  EXPECT_EQ(Tab(1).AL, Tab(0).AR + 1);
}

TEST_F(render_layout, VisioAndWizardLeaveTheStripAlone) {
  Paint();
  const int16_t strip = S().StripH;
  for (int32_t appearance : {6, 12}) {
    S().Appearance = appearance;
    Tab(1).AL = 1000;
    S().StripH = 99;
    int16_t i = 0;
    LayoutTabs(control, i);
    EXPECT_EQ(Tab(1).AL, 1000) << appearance;
    EXPECT_EQ(S().StripH, 99) << appearance;
  }
  (void)strip;
}

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
  EXPECT_EQ(TabOf(Tab(2)), (Box{89, 2, 129, 20}));
  EXPECT_EQ(S().paint.StripRight, strip_right);
  // With room to spare and nothing scrolled out, the last tab laid out becomes the last tab again.
  EXPECT_EQ(S().HiddR, 2);
}

}  // namespace
}  // namespace folivan::testing
