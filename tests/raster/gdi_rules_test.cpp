// Rules of GDI that the comparison with Wine brought to light, pinned on the
// headless surface: how FillRect treats an inverted rectangle, and what a
// COLORREF that is not plain RGB paints.
#include <gtest/gtest.h>

#include "platform/headless/raster.h"
#include "platform/headless/surface_headless.h"

namespace folivan {
namespace {

constexpr RgbColor kBack = Rgb(40, 60, 80);
constexpr RgbColor kInk = Rgb(255, 0, 0);

// The box of the pixels that differ from kBack, and how many there are.
struct Painted {
  Rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  int count = 0;
};
Painted PaintedPixels(const PixelImage& image) {
  Painted p;
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) {
      if (image.At(x, y) == kBack) continue;
      ++p.count;
      p.box = Rect{std::min(p.box.left, x), std::min(p.box.top, y), std::max(p.box.right, x + 1),
                   std::max(p.box.bottom, y + 1)};
    }
  }
  return p;
}

HeadlessSurface Cleared() {
  HeadlessSurface s(120, 60);
  s.SetBackColor(static_cast<OleColor>(kBack));
  s.SetAutoRedraw(true);
  s.Cls();
  return s;
}

TEST(GdiFillRect, AnInvertedRectangleFillsOnePixelBeyondItsNormalisedSelf) {
  // FillRect is PatBlt(left, top, right - left, bottom - top); a negative
  // extent covers right + 1 .. left (Wine: rects_inverted).
  struct Case {
    Rect given;
    Rect filled;
  };
  const Case cases[] = {
      {{30, 20, 2, 2}, {3, 3, 31, 21}},    // both inverted
      {{60, 2, 40, 20}, {41, 2, 61, 20}},  // right before left
      {{70, 20, 90, 2}, {70, 3, 90, 21}},  // bottom above top
      {{101, 3, 100, 2}, {101, 3, 102, 4}},
  };
  for (const Case& c : cases) {
    HeadlessSurface s = Cleared();
    s.FillRect(c.given, kInk);
    const Painted p = PaintedPixels(s.PersistentImage());
    EXPECT_EQ(p.box, c.filled) << c.given.left << "," << c.given.top << "," << c.given.right << "," << c.given.bottom;
    EXPECT_EQ(p.count, c.filled.Width() * c.filled.Height());
  }
  HeadlessSurface s = Cleared();
  s.FillRect(Rect{10, 5, 10, 40}, kInk);  // zero width
  s.FillRect(Rect{10, 5, 2, 5}, kInk);    // zero height
  s.FrameRect(Rect{30, 20, 2, 2}, kInk);  // FrameRect leaves inverted rectangles alone
  EXPECT_EQ(PaintedPixels(s.PersistentImage()).count, 0);
  EXPECT_EQ(FillRectArea(Rect{INT32_MAX, 0, INT32_MIN, 1}), (Rect{INT32_MIN + 1, 0, INT32_MAX, 1}));
}

TEST(GdiColor, PaletteIndicesAndInvalidColours) {
  // Bit 24 selects an entry of the default palette; one beyond it, and so
  // CLR_INVALID, gives entry 0, black (Wine: pixels_and_invalid_colour).
  EXPECT_EQ(GdiColor(-1), Rgb(0, 0, 0));
  EXPECT_EQ(GdiColor(0x01000003), Rgb(0x80, 0x80, 0x00));
  EXPECT_EQ(GdiColor(0x0100000D), Rgb(0xFF, 0x00, 0x00));
  EXPECT_EQ(GdiColor(0x01000013), Rgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(GdiColor(0x01000014), Rgb(0, 0, 0));
  EXPECT_EQ(GdiColor(0x0100FF07), Rgb(0, 0, 0));
  // Without bit 24 the low 24 bits: RGB, PALETTERGB and other high bytes.
  EXPECT_EQ(GdiColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
  EXPECT_EQ(GdiColor(0x02123456), 0x123456);
  EXPECT_EQ(GdiColor(static_cast<RgbColor>(0xFE00FF00u)), Rgb(0, 255, 0));
}

TEST(GdiColor, EveryPrimitiveDrawsCLR_INVALIDInBlack) {
  HeadlessSurface s = Cleared();
  s.Line(2, 5, 30, 5, -1);
  s.SetPixelV(40, 5, -1);
  s.FillRect(Rect{50, 2, 60, 12}, -1);
  s.FrameRect(Rect{70, 2, 80, 12}, -1);
  const PixelImage& image = s.PersistentImage();
  EXPECT_EQ(image.At(2, 5), Rgb(0, 0, 0));
  EXPECT_EQ(image.At(29, 5), Rgb(0, 0, 0));
  EXPECT_EQ(image.At(40, 5), Rgb(0, 0, 0));
  EXPECT_EQ(image.At(55, 7), Rgb(0, 0, 0));
  EXPECT_EQ(image.At(70, 7), Rgb(0, 0, 0));
  EXPECT_EQ(image.At(75, 7), kBack);
  // A back colour that does not translate clears to black as well, never to a
  // pixel value with the high byte set.
  s.SetBackColor(0x05000000u);
  s.Cls();
  EXPECT_EQ(s.PersistentImage().At(0, 0), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace folivan
