// The drawing primitives on a control's surface: colour translation and the
// overflow guard. Their pixels are elsewhere: lines through the control, 3-D
// boxes and gradients in both directions are compared with Wine's pixels in
// gdi_reference_test (lines_box_edges, box3d, gradient_*); filled and framed
// rectangles (each renderer's faces and frames) and the captions' text are in
// every golden image.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "paint/primitives.h"
#include "support/control_fixture.h"
#include "platform/vb_runtime.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kBack = Rgb(1, 2, 3);
constexpr RgbColor kInk = Rgb(200, 10, 60);

int ErrorNumberOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const VbError& e) {
    return e.Number();
  }
  return 0;
}

class PrimitivesTest : public ControlTest {
 protected:
  PrimitivesTest() {
    surface.SetBackColor(static_cast<OleColor>(kBack));
    surface.Cls();
  }
};

TEST_F(PrimitivesTest, RectSumsOutside32BitsRaiseOverflow) {
  EXPECT_EQ(ErrorNumberOf([&] { DrawRect(control, INT32_MAX, 0, 1, 1, kInk, false); }), vberr::kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { DrawRect(control, 0, INT32_MIN, 1, -1, kInk, true); }), vberr::kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { DrawTextInRect(surface, "x", 0, 1, 10, INT32_MAX, kInk, true); }),
            vberr::kOverflow);
  // Large but representable sums are fine and clip at the surface.
  EXPECT_EQ(ErrorNumberOf([&] { DrawRect(control, -5, -5, INT32_MAX - 10, 8, kInk, false); }), 0);
  EXPECT_EQ(Px(0, 0), kInk);
}

TEST_F(PrimitivesTest, Box3DOffsetsOutside32BitsRaiseOverflowAfterTheLinesBefore) {
  // x2 - 2 overflows in the second line; the first has been drawn by then.
  EXPECT_EQ(ErrorNumberOf([&] { Draw3DBox(control, 0, 0, INT32_MIN, 5, false); }), vberr::kOverflow);
  EXPECT_EQ(Px(0, 0), Colors().Light);
  EXPECT_EQ(Px(1, 1), kBack);
  EXPECT_EQ(ErrorNumberOf([&] { Draw3DBox(control, 0, 0, 5, INT32_MIN + 1, true); }), vberr::kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { Draw3DBox(control, INT32_MAX, 0, 5, 5, true); }), vberr::kOverflow);
}

// Colours are translated when the gradient is drawn; one that does not
// translate (-1) comes out yellow, as the blue channel's division truncates
// towards zero.
TEST_F(PrimitivesTest, GradientTranslatesItsColoursWhenDrawn) {
  system.SetSysColor(15, Rgb(11, 22, 33));
  GradientFillRect(surface, system, 0, 0, 10, 10, SystemColor(15), SystemColor(15), GradientMode::kVertical);
  EXPECT_EQ(Px(5, 5), Rgb(11, 22, 33));
  GradientFillRect(control, 0, 0, 10, 10, 0x05000000u, 0x05000000u, GradientMode::kHorizontal);
  EXPECT_EQ(Px(5, 5), Rgb(255, 255, 0));
}

}  // namespace
}  // namespace folivan::testing
