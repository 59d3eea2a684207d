// The drawing primitives on a control's surface: exact pixels, colour
// translation, and the overflow guard. Lines through the control, 3-D boxes and
// gradients in both directions are compared with Wine's pixels in
// gdi_reference_test (lines_box_edges, box3d, gradient_*); the captions' text
// in every golden image.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <string>
#include <vector>

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

class PrimitivesTest : public PaintTest {
 protected:
  PrimitivesTest() { Clear(kBack); }

  // Compares the pixels from (x0, y0) with a map of letters, one row per
  // string; '.' is the cleared background.
  void ExpectMap(int32_t x0, int32_t y0, const std::vector<std::string>& rows, const std::map<char, RgbColor>& key) {
    for (size_t j = 0; j < rows.size(); ++j) {
      for (size_t i = 0; i < rows[j].size(); ++i) {
        const int32_t x = x0 + static_cast<int32_t>(i);
        const int32_t y = y0 + static_cast<int32_t>(j);
        const RgbColor want = rows[j][i] == '.' ? kBack : key.at(rows[j][i]);
        EXPECT_EQ(Px(x, y), want) << "at (" << x << ", " << y << "), expected '" << rows[j][i] << "'";
      }
    }
  }
};

TEST_F(PrimitivesTest, FramedRectIsTheOutlineOfTheInclusiveCorners) {
  DrawRect(control, 2, 3, 6, 4, kInk, true);
  ExpectMap(1, 2,
            {"........",
             ".######.",
             ".#....#.",
             ".#....#.",
             ".######.",
             "........"},
            {{'#', kInk}});
}

TEST_F(PrimitivesTest, FilledRectLeavesOutRightAndBottomEdges) {
  DrawRect(control, 2, 3, 3, 2, kInk, false);
  ExpectMap(1, 2,
            {".....",
             ".###.",
             ".###.",
             "....."},
            {{'#', kInk}});
}

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

TEST_F(PrimitivesTest, GradientWithEqualColoursIsOneColour) {
  const OleColor c = static_cast<OleColor>(Rgb(90, 120, 150));
  GradientFillRect(control, 3, 4, 20, 30, c, c, GradientMode::kVertical);
  EXPECT_EQ(InkBox(Image(), Rect{0, 0, 120, 90}, Rgb(90, 120, 150)), (Rect{3, 4, 20, 30}));
  EXPECT_EQ(CountPixels(Image(), Rect{0, 0, 120, 90}, kBack), 120 * 90 - 17 * 26);
}

TEST_F(PrimitivesTest, GradientTranslatesSystemColoursAtTheTimeOfDrawing) {
  system.SetSysColor(15, Rgb(11, 22, 33));
  GradientFillRect(surface, system, 0, 0, 10, 10, SystemColor(15), SystemColor(15), GradientMode::kVertical);
  EXPECT_EQ(Px(5, 5), Rgb(11, 22, 33));
}

TEST_F(PrimitivesTest, GradientVertexChannelsKeepOnlyTheHighByte) {
  const TriVertex v = MakeTriVertex(4, 5, Rgb(0x12, 0x34, 0xFF));
  EXPECT_EQ(v.x, 4);
  EXPECT_EQ(v.y, 5);
  EXPECT_EQ(v.red, 0x1200);
  EXPECT_EQ(v.green, 0x3400);
  EXPECT_EQ(v.blue, 0xFF00);
  EXPECT_EQ(v.alpha, 0);

  // An untranslatable colour (-1): the blue channel's division truncates
  // towards zero, so it comes out yellow.
  const TriVertex bad = MakeTriVertex(0, 0, -1);
  EXPECT_EQ(bad.red, 0xFF00);
  EXPECT_EQ(bad.green, 0xFF00);
  EXPECT_EQ(bad.blue, 0);
  GradientFillRect(control, 0, 0, 10, 10, 0x05000000u, 0x05000000u, GradientMode::kHorizontal);
  EXPECT_EQ(Px(5, 5), Rgb(255, 255, 0));
}

TEST_F(PrimitivesTest, TranslateColorResolvesSystemColoursAndRejectsBadCodes) {
  EXPECT_EQ(control.TranslateColor(static_cast<OleColor>(Rgb(1, 2, 250))), Rgb(1, 2, 250));
  EXPECT_EQ(control.TranslateColor(SystemColor(15)), Rgb(236, 233, 216));
  system.SetSysColor(15, Rgb(9, 8, 7));
  EXPECT_EQ(control.TranslateColor(SystemColor(15)), Rgb(9, 8, 7));
  EXPECT_EQ(control.TranslateColor(SystemColor(200)), -1);
  EXPECT_EQ(control.TranslateColor(0x05000000u), -1);
}

}  // namespace
}  // namespace folivan::testing
