// A 32-bit pixel image and the GDI raster operations of the headless surface.
// Every operation clips at the image's edges; coordinates may lie anywhere in
// the 32-bit range.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

namespace folivan {

// Pixels are stored as GDI colour values (0x00BBGGRR), row by row from the top.
// The images of pictures use the high byte for alpha (0xFF opaque); the images
// of a surface keep it 0.
class PixelImage {
 public:
  PixelImage() = default;
  PixelImage(int32_t width, int32_t height, RgbColor fill = Rgb(255, 255, 255));

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  bool InBounds(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // The pixel at (x, y); CLR_INVALID (-1) outside the image.
  RgbColor At(int64_t x, int64_t y) const;
  // Sets one pixel; does nothing outside the image.
  void Set(int64_t x, int64_t y, RgbColor color);
  // Unchecked access for loops that clip themselves.
  uint32_t& Ref(int32_t x, int32_t y) { return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)]; }
  uint32_t Get(int32_t x, int32_t y) const { return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)]; }

  void Fill(RgbColor color);
  // New size; the old pixels keep their place at the top-left and new ones take `fill`.
  void Resize(int32_t width, int32_t height, RgbColor fill);

  const std::vector<uint32_t>& pixels() const { return pixels_; }

  friend bool operator==(const PixelImage&, const PixelImage&) = default;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
};

// The part of `rect` inside the image (empty when the rectangle is empty or inverted).
Rect ClipToImage(const PixelImage& image, const Rect& rect);
Rect Intersect(const Rect& a, const Rect& b);
inline bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// MoveToEx(x1, y1) + LineTo(x2, y2) with a cosmetic solid pen, R2_COPYPEN.
//
// Pixels follow the grid-intersection (diamond) convention of GDI's cosmetic
// lines, which for integer end points comes down to:
//  * x-major lines (|dx| >= |dy|) light one pixel per column, for x from x1
//    towards x2 with x2 itself left out; the pixel's y is the ideal
//    y = y1 + (x - x1) * dy / dx rounded to the nearest integer, and an exact
//    half goes to the smaller y (the diamond's top vertex);
//  * y-major lines (|dy| > |dx|) light one pixel per row, for y from y1 towards
//    y2 with y2 left out; x is the ideal x rounded to the nearest integer, an
//    exact half going to the smaller x (the diamond's left vertex);
//  * diagonals (|dx| == |dy|) pass through pixel centres and have no ties.
// The rule looks at the geometric line only, so a line drawn in reverse lights
// the same pixels as the forward one except at its ends: the forward line's
// end pixel is lit and its start pixel is not. A line of zero length draws
// nothing.
void DrawLine(PixelImage& image, int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color);

// Fills the rectangle with one colour: right and bottom edges exclusive, empty
// or inverted rectangles draw nothing. (GDI's FillRect is this over
// FillRectArea's rectangle.)
void FillRect(PixelImage& image, const Rect& rect, RgbColor color);

// The pixels that GDI's FillRect paints for a rectangle. FillRect is
// PatBlt(left, top, right - left, bottom - top), and a blit with a negative
// width covers the columns right + 1 .. left (a negative height the rows
// bottom + 1 .. top): an inverted rectangle is filled one pixel to the right
// of (and below) its normalised self. A zero width or height fills nothing.
Rect FillRectArea(const Rect& rect);

// The colour a COLORREF paints in a true-colour bitmap. A value with bit 24
// set (PALETTEINDEX, and so CLR_INVALID, -1) selects entry LOWORD of the
// device context's palette, the 20-colour default palette, and entry 0 (black)
// when the index lies beyond it; anything else paints its low 24 bits
// (PALETTERGB 0x02BBGGRR and other high bytes included).
RgbColor GdiColor(RgbColor colorref);

// FrameRect: the one-pixel border of the rectangle, i.e. the outline of
// (left, top)-(right - 1, bottom - 1). Empty or inverted rectangles draw nothing.
void FrameRect(PixelImage& image, const Rect& rect, RgbColor color);

// GradientFill of one GRADIENT_RECT between two vertices.
//
// The rectangle spans the two vertices' x and y with the larger ones
// exclusive. The vertex with the smaller x (horizontal mode) or the smaller y
// (vertical mode) gives the start colour c0, the other one the end colour c1.
// Over n = the rectangle's width (horizontal) or height (vertical), the
// column or row at offset p = 0 .. n-1 takes, per 16-bit channel,
//     value = (c0 * (n - p) + c1 * p) / n        (integer division)
// and the 8-bit colour is value >> 8. So the first column or row is exactly c0,
// the last one stops one step short of c1, and equal colours fill in one colour.
// The interpolation runs over the whole rectangle; clipping only drops pixels.
void GradientFill(PixelImage& image, const TriVertex& v0, const TriVertex& v1, GradientMode mode);

// DrawFocusRect: a dotted border that inverts the pixels it covers, so that
// drawing it twice restores the image. It is Rectangle() with a cosmetic
// PS_ALTERNATE pen (one pixel on, one off) in R2_NOT and a null brush. The
// rectangle is normalised, and the outline runs through the corner pixels
// (left, top)-(right - 1, bottom - 1) as a closed polyline that starts at the
// top-right corner and goes anticlockwise (left along the top, down the left
// side, right along the bottom, up the right side), each side leaving out its
// last pixel, the on/off pattern carrying on from side to side and starting
// "on". For a rectangle at least two pixels wide and high the outline is a
// ring, and a border pixel is inverted when its distance from the top-right
// corner, (right - 1 - x) + (y - top), is even. In a one-pixel-wide or -high
// rectangle the path runs over its own pixels a second time and the
// inversions cancel: one pixel high leaves the right end inverted, and the left
// end too when the width is odd (nothing when one pixel wide as well); one
// pixel wide leaves the top pixel, and the bottom one too when the height is
// odd. An empty rectangle draws nothing.
void DrawFocusRect(PixelImage& image, const Rect& rect);

// StretchBlt in COLORONCOLOR mode: nearest-neighbour sampling. Destination
// pixel d (0 .. |w|-1) takes source pixel floor((2d + 1) * sw / (2|w|)), the
// source pixel under the destination pixel's centre. A negative width or
// height mirrors the image (the destination then runs from x + w to x).
// `source` is a picture's image, whose high byte holds alpha (0xFF opaque);
// pixels with alpha below 128 are transparent and leave the destination as it is.
void StretchBlit(PixelImage& dest, int32_t x, int32_t y, int32_t w, int32_t h, const PixelImage& source);

}  // namespace folivan
