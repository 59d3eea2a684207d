// Cosmetic one-pixel lines: which pixels GDI lights, in every direction.
// Long, reversed and clipped lines are compared with Wine's pixels in
// gdi_reference_test (lines_fan, lines_inwards, lines_long, lines_clipped).
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/headless/raster.h"

namespace folivan {
namespace {

constexpr RgbColor kWhite = Rgb(255, 255, 255);
constexpr RgbColor kInk = Rgb(10, 20, 30);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Inked(const PixelImage& image) {
  PixelSet out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.At(x, y) == kInk) out.insert({x, y});
    }
  }
  return out;
}

PixelSet Line(int x1, int y1, int x2, int y2) {
  PixelImage image(40, 40, kWhite);
  DrawLine(image, x1, y1, x2, y2, kInk);
  return Inked(image);
}

TEST(Lines, HorizontalAndVerticalLeaveOutTheEndPoint) {
  PixelSet row;
  for (int x = 0; x <= 9; ++x) row.insert({x, 5});
  EXPECT_EQ(Line(0, 5, 10, 5), row);

  // From (7, 3) up to (7, 0): rows 3, 2, 1 but not 0.
  EXPECT_EQ(Line(7, 3, 7, 0), (PixelSet{{7, 3}, {7, 2}, {7, 1}}));
  EXPECT_TRUE(Line(4, 4, 4, 4).empty()) << "a line of zero length draws nothing";
  EXPECT_EQ(Line(4, 4, 5, 4), (PixelSet{{4, 4}}));
}

// One slanted line per octant from (10, 10), worked out by hand from the
// diamond rule: the nearest pixel in each column (x-major) or row (y-major),
// exact halves going to the smaller coordinate.
TEST(Lines, SlantedLinesInAllEightOctants) {
  struct Case {
    int dx, dy;
    std::vector<std::pair<int, int>> offsets;
  };
  const Case cases[] = {
      {4, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
      {1, 4, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}},
      {-1, 4, {{0, 0}, {0, 1}, {-1, 2}, {-1, 3}}},
      {-4, 1, {{0, 0}, {-1, 0}, {-2, 0}, {-3, 1}}},
      {-4, -1, {{0, 0}, {-1, 0}, {-2, -1}, {-3, -1}}},
      {-1, -4, {{0, 0}, {0, -1}, {-1, -2}, {-1, -3}}},
      {1, -4, {{0, 0}, {0, -1}, {0, -2}, {1, -3}}},
      {4, -1, {{0, 0}, {1, 0}, {2, -1}, {3, -1}}},
  };
  for (const Case& c : cases) {
    PixelSet expected;
    for (auto [ox, oy] : c.offsets) expected.insert({10 + ox, 10 + oy});
    EXPECT_EQ(Line(10, 10, 10 + c.dx, 10 + c.dy), expected) << "dx=" << c.dx << " dy=" << c.dy;
  }
  // Slope 3/10: ideal y 0, .3, .6, .9, 1.2, 1.5 (tie, goes up), 1.8, 2.1, 2.4, 2.7.
  EXPECT_EQ(Line(0, 0, 10, 3), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}, {9, 3}}));
  EXPECT_EQ(Line(5, 0, 2, 3), (PixelSet{{5, 0}, {4, 1}, {3, 2}}));
  // Reversed, the tie in the middle of (0,0)-(4,1) still goes up; only the ends swap.
  EXPECT_EQ(Line(4, 1, 0, 0), (PixelSet{{4, 1}, {3, 1}, {2, 0}, {1, 0}}));
}

}  // namespace
}  // namespace folivan
