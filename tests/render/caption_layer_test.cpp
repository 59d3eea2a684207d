// The caption layer where the golden images do not reach: a disabled selected
// caption, a font that is already bold, and the focus rectangle's conditions
// and extent.
#include <gtest/gtest.h>

#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kBlack = Rgb(0, 0, 0);
constexpr RgbColor kGrayText = Rgb(172, 168, 153);  // COLOR_GRAYTEXT of the blue scheme

class CaptionLayerTest : public RenderTest {
 protected:
  // The ink of a tab's caption in a colour, searched around the caption's
  // rectangle, clear of the tab's outline (black in some styles).
  Rect CaptionInk(int tab, RgbColor color) {
    const TabRecord& t = Tab(tab);
    return InkBox(Image(), Rect{t.TAL - 4, t.TAT - 3, t.TAR + 3, t.TAT + t.TAB + 2}, color);
  }
};
// Named for the test runner's filters (ctest -R render).
using render_captions = CaptionLayerTest;

TEST_F(render_captions, DisabledTabsAreGreyUnlessSelected) {
  Tab(1).Enabled = false;
  Tab(0).Enabled = false;
  Paint();
  EXPECT_TRUE(IsEmpty(CaptionInk(1, kBlack)));
  EXPECT_FALSE(IsEmpty(CaptionInk(1, kGrayText)));
  EXPECT_FALSE(IsEmpty(CaptionInk(0, kBlack)));
}

TEST_F(render_captions, SsTabMovesABoldSelectedCaptionTwoPixelsRight) {
  S().Appearance = 9;
  Paint();
  const Rect bold = CaptionInk(0, kBlack);
  surface.SetFontBold(true);  // already bold: drawn as it is, without the shift
  Paint();
  const Rect as_is = CaptionInk(0, kBlack);
  EXPECT_EQ(bold.left - Tab(0).TAL, as_is.left - Tab(0).TAL + 2);
}

// --- focus rectangle ----------------------------------------------------------------------------

class FocusRectTest : public CaptionLayerTest {
 protected:
  PixelImage PaintWith(bool user_mode, bool has_focus, bool focus_rect) {
    host.SetUserMode(user_mode);
    S().paint.HasFocus = has_focus;
    S().FocusRect = focus_rect;
    Paint();
    return Image();
  }
  // The pixels that differ from the picture without a focus rectangle.
  Rect Changed(const PixelImage& with, const PixelImage& without) {
    Rect box{with.width(), with.height(), 0, 0};
    for (int32_t y = 0; y < with.height(); ++y) {
      for (int32_t x = 0; x < with.width(); ++x) {
        if (with.At(x, y) == without.At(x, y)) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
      }
    }
    return box.right > box.left ? box : Rect{};
  }
};
// Named for the test runner's filters (ctest -R render).
using render_focus_rect = FocusRectTest;

TEST_F(render_focus_rect, DrawnOnlyAtRunTimeWithTheFocusAndFocusRect) {
  const PixelImage without = PaintWith(true, true, false);
  EXPECT_TRUE(IsEmpty(Changed(PaintWith(true, false, true), without)));
  // In a designer (which also draws the common-area box) FocusRect changes nothing.
  const PixelImage designer = PaintWith(false, true, false);
  EXPECT_TRUE(IsEmpty(Changed(PaintWith(false, true, true), designer)));
  // Around the caption (9, 6, 40, height 13): left 3, top 2, right 2 beyond; bottom at the height + 4.
  EXPECT_EQ(Changed(PaintWith(true, true, true), without), (Rect{6, 4, 42, 17}));
}

TEST_F(render_focus_rect, ExtentFollowsTheStyle) {
  S().Appearance = 8;
  const PixelImage without = PaintWith(true, true, false);
  const TabRecord& t = Tab(0);
  EXPECT_EQ(Changed(PaintWith(true, true, true), without), (Rect{t.TAL - 1, t.TAT - 1, t.TAR + 1, t.TAB + 6}));
}

}  // namespace
}  // namespace folivan::testing
