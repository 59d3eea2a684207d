// The strip layout and captions where the golden images and the play scenario
// strip_measures do not reach: the measures of a new control, an already bold
// font, two pixels to spare, tabs scrolled out at the left, a failing statement,
// a failing picture, and the Visio bars.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

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

// Tahoma 8 pt: "Tab 0" is 31 pixels wide in bold, as GDI measures it.
constexpr int32_t kBoldCaptionWidth = 31;

// Named for the test runner's filters (ctest -R render).
using render_layout = ControlTest;

// Where the tabs and captions go is in the golden images (new_instance, bold_off,
// second_tab_selected_disabled_third, picture_on_tab, captions_appearance_*);
// what they do not show: the strip's measures, and the font after the layout.
TEST_F(render_layout, NewControlMeasuresAndTheFontAfterwards) {
  Paint();
  EXPECT_EQ(S().paint.StripRight, 133);
  EXPECT_FALSE(surface.Font().bold);
  // An already bold font: every tab is measured in bold, and the font is not switched back.
  const int32_t bold_tab1 = TextWidth("Tab 1", true);
  surface.SetFontBold(true);
  Paint();
  EXPECT_TRUE(surface.Font().bold);
  EXPECT_EQ(Tab(0).TAR - Tab(0).TAL, kBoldCaptionWidth);
  EXPECT_EQ(Tab(1).TAR - Tab(1).TAL, bold_tab1);
}

// The captions' ink is in the golden images; that an already bold font is drawn
// as it is is not: ssTab moves a caption it makes bold two pixels right.
TEST_F(render_layout, SsTabShiftsOnlyTheCaptionsItMakesBold) {
  S().Appearance = 9;
  const auto ink_left = [&] {
    Paint();
    const TabRecord& t = Tab(0);
    return InkBox(Image(), Rect{t.TAL - 4, t.TAT - 3, t.TAR + 3, t.TAT + t.TAB + 2}, Rgb(0, 0, 0)).left - t.TAL;
  };
  const int32_t shifted = ink_left();
  surface.SetFontBold(true);
  EXPECT_EQ(shifted, ink_left() + 2);
}

// --- overflow -----------------------------------------------------------------------------------

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

// Where the first tab shown goes is in the golden image strip_scrolled_selected_out,
// the scrolling flags in the play scenario scroll_buttons; the tabs scrolled out
// are not touched.
TEST_F(render_layout, TabsScrolledOutAtTheLeftKeepTheirRectangles) {
  control.SetTabs(5);
  Paint();
  const Box tab0 = TabOf(Tab(0));
  S().Hidd = 2;
  Paint();
  EXPECT_EQ(TabOf(Tab(0)), tab0);
}

TEST_F(render_layout, ALastTabBeyondTheRecordsIsSkippedStatementByStatement) {
  Paint();
  const int32_t strip_right = S().paint.StripRight;
  S().HiddR = 5;  // only three records
  int16_t i = 0;
  EXPECT_NO_THROW(LayoutTabs(control, i));
  // StripRight, read from a missing record, keeps its value.
  EXPECT_EQ(S().paint.StripRight, strip_right);
  // With room to spare and nothing scrolled out, the last tab laid out becomes the last tab again.
  EXPECT_EQ(S().HiddR, 2);
}

// A picture whose painting fails is skipped. (Where each style puts the selected
// tab's picture, and the background picture, are in the golden images picture_*.)
class BrokenPicture : public Picture {
 public:
  intptr_t Handle() const override { throw std::runtime_error("no image"); }
  int32_t Width() const override { return 0; }
  int32_t Height() const override { return 0; }
};

TEST_F(render_layout, APictureThatFailsIsSkipped) {
  constexpr RgbColor kRed = Rgb(255, 0, 0);
  Tab(0).Pic = std::make_shared<BrokenPicture>();
  Tab(2).Pic = std::make_shared<ImagePicture>(PixelImage(7, 7, static_cast<RgbColor>(0xFF000000u | kRed)));
  EXPECT_NO_THROW(Paint());
  EXPECT_GT(CountPixels(Image(), Rect{Tab(2).AL, 0, Tab(2).AR, S().StripH}, kRed), 0);
}

// --- Visio: the bars' measures, and captions whatever the order of the writes ----------------------

class VisioTest : public ControlTest {
 protected:
  VisioTest() {
    control.SetTabs(5);
    for (int16_t i = 0; i < 5; ++i) control.SetTabCaption(i, "Stencil " + std::to_string(i));
    S().CurrentTab = 1;
    S().Appearance = 6;
  }
};
// Named for the test runner's filters (ctest -R render).
using render_visio = VisioTest;

// Where the bars go is in the golden images visio_*; what they do not show:
// the bars measured (the current one in bold), the strip's height kept, every
// bar laid out.
TEST_F(render_visio, UpperBarsMeasuredStripHeightKept) {
  S().StripH = 77;
  S().HiddR = 3;
  Paint();
  EXPECT_EQ(Tab(0).TAR, 10 + TextWidth("Stencil 0"));
  EXPECT_EQ(Tab(1).TAR, 10 + TextWidth("Stencil 1", true));
  EXPECT_EQ(Tab(2).TAR, 399);
  EXPECT_EQ(Tab(4).TAB, 297);
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

}  // namespace
}  // namespace folivan::testing
