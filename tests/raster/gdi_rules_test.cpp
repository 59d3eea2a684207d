// Rules of GDI that the comparison with Wine brought to light, pinned on the
// headless surface where the reference images cannot show them.
#include <gtest/gtest.h>

#include "platform/headless/raster.h"
#include "platform/headless/surface_headless.h"

namespace folivan {
namespace {

// Inverted rectangles, palette indices and CLR_INVALID through every
// primitive are compared with Wine in gdi_reference_test (rects_inverted,
// pixels_and_invalid_colour); the extremes and Cls are pinned here.
TEST(GdiFillRect, AnInvertedRectangleAtTheLimitsDoesNotOverflow) {
  EXPECT_EQ(FillRectArea(Rect{INT32_MAX, 0, INT32_MIN, 1}), (Rect{INT32_MIN + 1, 0, INT32_MAX, 1}));
}

TEST(GdiColor, ABackColourThatDoesNotTranslateClearsToBlack) {
  HeadlessSurface s(8, 8);
  s.SetAutoRedraw(true);
  s.SetBackColor(0x05000000u);
  s.Cls();
  EXPECT_EQ(s.PersistentImage().At(0, 0), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace folivan
