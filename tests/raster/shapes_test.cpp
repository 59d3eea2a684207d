// Rectangles, gradients, focus rectangles and stretched pictures on a pixel
// image. Wine's pixels for the same primitives are in gdi_reference_test.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/raster.h"

namespace folivan {
namespace {

constexpr RgbColor kWhite = Rgb(255, 255, 255);
constexpr RgbColor kInk = Rgb(200, 10, 60);

// The rectangle of pixels that hold `color`, as left, top, right, bottom
// (exclusive); all zero when none do. Fails when the pixels do not fill it.
Rect FilledBox(const PixelImage& image, RgbColor color) {
  Rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.At(x, y) != color) continue;
      ++count;
      box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  if (count == 0) return Rect{};
  EXPECT_EQ(count, box.Width() * box.Height()) << "the pixels do not form a solid rectangle";
  return box;
}

int CountColor(const PixelImage& image, RgbColor color) {
  int n = 0;
  for (uint32_t p : image.pixels()) n += static_cast<RgbColor>(p) == color ? 1 : 0;
  return n;
}

TEST(Rectangles, FillLeavesOutRightAndBottomEdges) {
  PixelImage image(20, 20, kWhite);
  FillRect(image, Rect{2, 3, 7, 9}, kInk);
  EXPECT_EQ(FilledBox(image, kInk), (Rect{2, 3, 7, 9}));

  PixelImage untouched(20, 20, kWhite);
  FillRect(untouched, Rect{7, 3, 2, 9}, kInk);   // inverted
  FillRect(untouched, Rect{2, 9, 7, 3}, kInk);   // inverted
  FillRect(untouched, Rect{5, 5, 5, 10}, kInk);  // empty
  EXPECT_EQ(CountColor(untouched, kInk), 0);
}

TEST(Rectangles, FrameIsTheOnePixelOutline) {
  PixelImage image(20, 20, kWhite);
  FrameRect(image, Rect{2, 3, 2 + 6, 3 + 4}, kInk);  // x, y, w, h = 2, 3, 6, 4
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 2 && x <= 7 && y >= 3 && y <= 6;
      const bool border = inside && (x == 2 || x == 7 || y == 3 || y == 6);
      EXPECT_EQ(image.At(x, y) == kInk, border) << x << "," << y;
    }
  }
  PixelImage thin(20, 20, kWhite);
  FrameRect(thin, Rect{4, 2, 5, 8}, kInk);  // one pixel wide: a vertical bar
  EXPECT_EQ(FilledBox(thin, kInk), (Rect{4, 2, 5, 8}));
  PixelImage none(20, 20, kWhite);
  FrameRect(none, Rect{4, 2, 4, 8}, kInk);
  FrameRect(none, Rect{9, 9, 3, 3}, kInk);
  FrameRect(none, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kInk);  // the whole border off-image
  EXPECT_EQ(CountColor(none, kInk), 0);
}


TriVertex Vertex(int x, int y, RgbColor c) {
  return TriVertex{x, y, static_cast<uint16_t>(RedOf(c) << 8), static_cast<uint16_t>(GreenOf(c) << 8),
                   static_cast<uint16_t>(BlueOf(c) << 8), 0};
}

TEST(Gradients, EndValuesAndSteps) {
  // Red from 0 to 255 over four columns: 0xFF00 * p / 4 >> 8 = 0, 63, 127, 191.
  PixelImage image(6, 2, kWhite);
  GradientFill(image, Vertex(1, 0, Rgb(0, 0, 0)), Vertex(5, 2, Rgb(255, 0, 0)), GradientMode::kHorizontal);
  const int expected[] = {0, 63, 127, 191};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(image.At(1 + i, 0), Rgb(expected[i], 0, 0)) << i;
    EXPECT_EQ(image.At(1 + i, 1), Rgb(expected[i], 0, 0)) << i;
  }
  EXPECT_EQ(image.At(0, 0), kWhite);
  EXPECT_EQ(image.At(5, 0), kWhite) << "right edge exclusive";

  // Vertical, falling: the top row is the first colour exactly.
  PixelImage v(1, 3, kWhite);
  GradientFill(v, Vertex(0, 0, Rgb(10, 250, 100)), Vertex(1, 3, Rgb(40, 10, 100)), GradientMode::kVertical);
  EXPECT_EQ(v.At(0, 0), Rgb(10, 250, 100));
  EXPECT_EQ(v.At(0, 1), Rgb(20, 170, 100));  // (0x0A00*2 + 0x2800) / 3 >> 8 = 20; (0xFA00*2 + 0x0A00) / 3 >> 8 = 170
  EXPECT_EQ(v.At(0, 2), Rgb(30, 90, 100));

  PixelImage flat(30, 30, kWhite);
  GradientFill(flat, Vertex(3, 4, Rgb(236, 233, 216)), Vertex(20, 27, Rgb(236, 233, 216)), GradientMode::kVertical);
  EXPECT_EQ(FilledBox(flat, Rgb(236, 233, 216)), (Rect{3, 4, 20, 27}));
}

TEST(Gradients, ClippingKeepsTheInterpolationOfTheWholeRectangle) {
  // Clipping drops pixels but keeps the interpolation of the whole rectangle.
  PixelImage full(12, 4, kWhite);
  GradientFill(full, Vertex(0, 0, Rgb(0, 0, 0)), Vertex(12, 4, Rgb(240, 240, 240)), GradientMode::kHorizontal);
  PixelImage clipped(8, 4, kWhite);
  GradientFill(clipped, Vertex(-4, 0, Rgb(0, 0, 0)), Vertex(8, 4, Rgb(240, 240, 240)), GradientMode::kHorizontal);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(clipped.At(x, 2), full.At(x + 4, 2)) << x;
}

TEST(FocusRect, EveryOtherBorderPixelCountedFromTheTopRightCorner) {
  // GDI draws it as Rectangle() with an alternate pen in R2_NOT, starting at the
  // top-right corner: a border pixel is inverted at an even distance from it.
  PixelImage image(10, 10, kWhite);
  DrawFocusRect(image, Rect{0, 0, 4, 4});
  const char* expected[] = {
      ".#.#",
      "#...",
      "...#",
      "#.#.",
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(image.At(x, y) == Rgb(0, 0, 0), expected[y][x] == '#') << x << "," << y;
    }
  }
  EXPECT_EQ(CountColor(image, Rgb(0, 0, 0)), 6);

  // The phase follows the right edge, not the device origin: an odd width
  // inverts the top-left corner, an even one does not (Wine: focus_rects).
  PixelImage odd(40, 30, kWhite);
  DrawFocusRect(odd, Rect{3, 3, 30, 20});  // 27 wide
  EXPECT_EQ(odd.At(3, 3), Rgb(0, 0, 0));
  EXPECT_EQ(odd.At(29, 3), Rgb(0, 0, 0));
  EXPECT_EQ(odd.At(29, 4), kWhite);
  PixelImage even(40, 30, kWhite);
  DrawFocusRect(even, Rect{2, 2, 30, 20});  // 28 wide
  EXPECT_EQ(even.At(2, 2), kWhite);
  EXPECT_EQ(even.At(3, 2), Rgb(0, 0, 0));
  EXPECT_EQ(even.At(2, 3), Rgb(0, 0, 0));
}

TEST(FocusRect, OnePixelWideOrHighKeepsOnlyItsEnds) {
  // The path runs along the line and back; the inner pixels cancel.
  auto inverted = [](const Rect& r) {
    PixelImage image(12, 12, kWhite);
    DrawFocusRect(image, r);
    std::string out;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 12; ++x) {
        if (image.At(x, y) != kWhite) out += std::to_string(x) + "," + std::to_string(y) + " ";
      }
    }
    return out;
  };
  EXPECT_EQ(inverted(Rect{2, 2, 8, 3}), "7,2 ");       // 6 x 1: the right end
  EXPECT_EQ(inverted(Rect{2, 2, 9, 3}), "2,2 8,2 ");   // 7 x 1: both ends
  EXPECT_EQ(inverted(Rect{3, 1, 4, 9}), "3,1 ");       // 1 x 8: the top
  EXPECT_EQ(inverted(Rect{3, 1, 4, 10}), "3,1 3,9 ");  // 1 x 9: top and bottom
  EXPECT_EQ(inverted(Rect{5, 5, 6, 6}), "");           // 1 x 1: nothing
  EXPECT_EQ(inverted(Rect{5, 5, 5, 9}), "");           // empty
  EXPECT_EQ(inverted(Rect{4, 4, 6, 6}), "5,4 4,5 ");   // 2 x 2: a ring of four
  EXPECT_EQ(inverted(Rect{9, 9, 1, 1}), inverted(Rect{1, 1, 9, 9})) << "inverted rectangles are normalised";
}

TEST(Stretch, NearestNeighbourScaling) {
  PixelImage source(2, 2, 0);
  source.Set(0, 0, static_cast<RgbColor>(0xFF000001u));
  source.Set(1, 0, static_cast<RgbColor>(0xFF000002u));
  source.Set(0, 1, static_cast<RgbColor>(0xFF000003u));
  source.Set(1, 1, static_cast<RgbColor>(0xFF000004u));

  PixelImage up(6, 6, kWhite);
  StretchBlit(up, 1, 1, 4, 4, source);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(up.At(1 + x, 1 + y), 1 + (x / 2) + 2 * (y / 2)) << x << "," << y;
  }
  EXPECT_EQ(up.At(0, 0), kWhite);
  EXPECT_EQ(up.At(5, 5), kWhite);

  PixelImage mirrored(2, 2, kWhite);
  StretchBlit(mirrored, 2, 0, -2, 2, source);  // negative width flips left to right
  EXPECT_EQ(mirrored.At(0, 0), 2);
  EXPECT_EQ(mirrored.At(1, 1), 3);

  // Shrinking samples under each destination pixel's centre: columns 1 and 3 of 4.
  PixelImage wide(4, 1, 0);
  for (int x = 0; x < 4; ++x) wide.Set(x, 0, static_cast<RgbColor>(0xFF000000u | static_cast<uint32_t>(x + 10)));
  PixelImage small(2, 1, kWhite);
  StretchBlit(small, 0, 0, 2, 1, wide);
  EXPECT_EQ(small.At(0, 0), 11);
  EXPECT_EQ(small.At(1, 0), 13);

  // Clipped at the left; a pixel of alpha 0 leaves the target as it was.
  wide.Set(1, 0, static_cast<RgbColor>(0x000000FFu));
  PixelImage dest(3, 1, kWhite);
  StretchBlit(dest, -1, 0, 4, 1, wide);
  EXPECT_EQ(dest.At(0, 0), kWhite);
  EXPECT_EQ(dest.At(1, 0), 12);
}

}  // namespace
}  // namespace folivan
