// Rectangles, gradients, focus rectangles and stretched pictures on a pixel
// image. Wine's pixels for the same primitives are in gdi_reference_test.
#include <gtest/gtest.h>

#include "platform/headless/raster.h"

namespace folivan {
namespace {

constexpr RgbColor kWhite = Rgb(255, 255, 255);
constexpr RgbColor kInk = Rgb(200, 10, 60);

int CountColor(const PixelImage& image, RgbColor color) {
  int n = 0;
  for (uint32_t p : image.pixels()) n += static_cast<RgbColor>(p) == color ? 1 : 0;
  return n;
}

// Fills, frames, focus rectangles and gradients on the image are compared
// pixel for pixel with Wine in gdi_reference_test (rects_*, focus_rects*,
// gradient_*); what those images leave out is pinned here.
TEST(Rectangles, FrameWhollyOffTheImageAndInvertedAtTheLimits) {
  PixelImage none(20, 20, kWhite);
  FrameRect(none, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kInk);
  EXPECT_EQ(CountColor(none, kInk), 0);
  // An inverted rectangle at the limits does not overflow (inverted ones are compared with Wine in rects_inverted).
  EXPECT_EQ(FillRectArea(Rect{INT32_MAX, 0, INT32_MIN, 1}), (Rect{INT32_MIN + 1, 0, INT32_MAX, 1}));
}

TriVertex Vertex(int x, int y, RgbColor c) {
  return TriVertex{x, y, static_cast<uint16_t>(RedOf(c) << 8), static_cast<uint16_t>(GreenOf(c) << 8),
                   static_cast<uint16_t>(BlueOf(c) << 8), 0};
}

TEST(Gradients, ClippingKeepsTheInterpolationOfTheWholeRectangle) {
  // Clipping drops pixels but keeps the interpolation of the whole rectangle.
  PixelImage full(12, 4, kWhite);
  GradientFill(full, Vertex(0, 0, Rgb(0, 0, 0)), Vertex(12, 4, Rgb(240, 240, 240)), GradientMode::kHorizontal);
  PixelImage clipped(8, 4, kWhite);
  GradientFill(clipped, Vertex(-4, 0, Rgb(0, 0, 0)), Vertex(8, 4, Rgb(240, 240, 240)), GradientMode::kHorizontal);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(clipped.At(x, 2), full.At(x + 4, 2)) << x;
}

// Scaling up and down by the nearest neighbour is in the golden images with
// pictures (a 16 x 16 checkerboard shrunk into tabs, stretched as the background);
// what they do not show: mirroring, clipping, and pixels of alpha 0.
TEST(Stretch, MirroredClippedAndTransparent) {
  PixelImage source(2, 2, 0);
  source.Set(0, 0, static_cast<RgbColor>(0xFF000001u));
  source.Set(1, 0, static_cast<RgbColor>(0xFF000002u));
  source.Set(0, 1, static_cast<RgbColor>(0xFF000003u));
  source.Set(1, 1, static_cast<RgbColor>(0xFF000004u));
  PixelImage mirrored(2, 2, kWhite);
  StretchBlit(mirrored, 2, 0, -2, 2, source);  // negative width flips left to right
  EXPECT_EQ(mirrored.At(0, 0), 2);
  EXPECT_EQ(mirrored.At(1, 1), 3);

  PixelImage wide(4, 1, 0);
  for (int x = 0; x < 4; ++x) wide.Set(x, 0, static_cast<RgbColor>(0xFF000000u | static_cast<uint32_t>(x + 10)));
  // Clipped at the left; a pixel of alpha 0 leaves the target as it was.
  wide.Set(1, 0, static_cast<RgbColor>(0x000000FFu));
  PixelImage dest(3, 1, kWhite);
  StretchBlit(dest, -1, 0, 4, 1, wide);
  EXPECT_EQ(dest.At(0, 0), kWhite);
  EXPECT_EQ(dest.At(1, 0), 12);
}

}  // namespace
}  // namespace folivan
