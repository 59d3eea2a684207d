#include "platform/headless/raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <utility>

namespace folivan {
namespace {

constexpr uint32_t kColorMask = 0x00FFFFFFu;

// Line arithmetic on 32-bit end points needs up to 66 bits.
__extension__ typedef __int128 Wide;

Wide FloorDiv(Wide a, Wide b) {  // b > 0
  Wide q = a / b;
  if ((a % b) != 0 && (a < 0)) --q;
  return q;
}

int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Writes n copies of a pixel value at memory speed: with a 32-bit wchar_t
// the C library's wmemset (vectorised like memset), else eight pixels (two
// 16-byte stores) at a time.
void FillPixels(uint32_t* p, size_t n, uint32_t value) {
  if constexpr (sizeof(wchar_t) == sizeof(uint32_t)) {
    std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(value), n);
  } else {
    const uint32_t eight[8] = {value, value, value, value, value, value, value, value};
    size_t i = 0;
    for (; i + 8 <= n; i += 8) std::memcpy(p + i, eight, sizeof eight);
    for (; i < n; ++i) p[i] = value;
  }
}

// Fills the rows top..bottom-1 of the columns left..right-1 (already clipped)
// from one row: the first row is filled, the others are copies of it.
void FillRows(PixelImage& image, const Rect& r, const uint32_t* row) {
  const size_t width = static_cast<size_t>(r.right - r.left);
  for (int32_t y = r.top; y < r.bottom; ++y) std::memcpy(&image.Ref(r.left, y), row, width * sizeof(uint32_t));
}

void InvertPixel(PixelImage& image, int64_t x, int64_t y) {
  if (image.InBounds(x, y)) image.Ref(static_cast<int32_t>(x), static_cast<int32_t>(y)) ^= kColorMask;
}

// Inverts every other pixel of a row or column of the focus ring: those at an
// even distance from (corner_x, corner_y), the ring's top-right corner.
void InvertRingSide(PixelImage& image, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t corner_x,
                    int64_t corner_y) {
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, image.width() - 1);
  y1 = std::min<int64_t>(y1, image.height() - 1);
  for (int64_t y = y0; y <= y1; ++y) {
    for (int64_t x = x0; x <= x1; ++x) {
      if (((corner_x - x) + (y - corner_y)) % 2 == 0) InvertPixel(image, x, y);
    }
  }
}

// The default palette of a device context (DEFAULT_PALETTE), entry by entry.
constexpr RgbColor kDefaultPalette[20] = {
    Rgb(0x00, 0x00, 0x00), Rgb(0x80, 0x00, 0x00), Rgb(0x00, 0x80, 0x00), Rgb(0x80, 0x80, 0x00),
    Rgb(0x00, 0x00, 0x80), Rgb(0x80, 0x00, 0x80), Rgb(0x00, 0x80, 0x80), Rgb(0xC0, 0xC0, 0xC0),
    Rgb(0xC0, 0xDC, 0xC0), Rgb(0xA6, 0xCA, 0xF0), Rgb(0xFF, 0xFB, 0xF0), Rgb(0xA0, 0xA0, 0xA4),
    Rgb(0x80, 0x80, 0x80), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF),
};

}  // namespace

PixelImage::PixelImage(int32_t width, int32_t height, RgbColor fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), static_cast<uint32_t>(fill)) {}

RgbColor PixelImage::At(int64_t x, int64_t y) const {
  if (!InBounds(x, y)) return -1;
  return static_cast<RgbColor>(Get(static_cast<int32_t>(x), static_cast<int32_t>(y)));
}

void PixelImage::Set(int64_t x, int64_t y, RgbColor color) {
  if (!InBounds(x, y)) return;
  Ref(static_cast<int32_t>(x), static_cast<int32_t>(y)) = static_cast<uint32_t>(color);
}

void PixelImage::Fill(RgbColor color) {
  if (!pixels_.empty()) FillPixels(pixels_.data(), pixels_.size(), static_cast<uint32_t>(color));
}

void PixelImage::Resize(int32_t width, int32_t height, RgbColor fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  PixelImage next(width, height, fill);
  const int32_t w = std::min(width, width_);
  const int32_t h = std::min(height, height_);
  for (int32_t y = 0; y < h; ++y) {
    std::copy_n(pixels_.begin() + static_cast<ptrdiff_t>(y) * width_, w,
                next.pixels_.begin() + static_cast<ptrdiff_t>(y) * width);
  }
  *this = std::move(next);
}

Rect Intersect(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

Rect ClipToImage(const PixelImage& image, const Rect& rect) {
  Rect r = Intersect(rect, Rect{0, 0, image.width(), image.height()});
  if (IsEmpty(r)) return Rect{};
  return r;
}

void DrawLine(PixelImage& image, int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  const int64_t adx = std::llabs(dx);
  const int64_t ady = std::llabs(dy);
  if (adx == 0 && ady == 0) return;
  // Every pixel lies within the end points' box: a box beside the image draws nothing.
  if (std::max(x1, x2) < 0 || std::min(x1, x2) >= image.width() || std::max(y1, y2) < 0 ||
      std::min(y1, y2) >= image.height()) {
    return;
  }
  const uint32_t value = static_cast<uint32_t>(color);

  // Steps along the major axis: major coordinate m = m1 + s * i for i in [0, n),
  // minor coordinate = nearest(minor1 + dminor * i / n), ties to the smaller one.
  const bool x_major = adx >= ady;
  const int64_t n = x_major ? adx : ady;
  const int64_t m1 = x_major ? x1 : y1;
  const int64_t s = (x_major ? dx : dy) > 0 ? 1 : -1;
  const int64_t minor1 = x_major ? y1 : x1;
  const int64_t dminor = x_major ? dy : dx;
  const int64_t limit = x_major ? image.width() : image.height();

  // Only steps whose major coordinate lies inside the image.
  int64_t first = 0;
  int64_t last = n - 1;
  if (s > 0) {
    first = std::max(first, -m1);
    last = std::min(last, limit - 1 - m1);
  } else {
    first = std::max(first, m1 - (limit - 1));
    last = std::min(last, m1);
  }
  if (first > last) return;
  if (dminor == 0) {  // horizontal or vertical: one row span, or one pixel a row
    const int64_t from = std::min(m1 + s * first, m1 + s * last);
    if (x_major) {
      FillPixels(&image.Ref(static_cast<int32_t>(from), static_cast<int32_t>(minor1)),
                 static_cast<size_t>(last - first + 1), value);
    } else {
      for (int64_t y = from; y <= from + (last - first); ++y) {
        image.Ref(static_cast<int32_t>(minor1), static_cast<int32_t>(y)) = value;
      }
    }
    return;
  }
  // The minor coordinate of step i is ceil(N / 2n) with N = 2 (minor1 n + dminor i) - n;
  // it is kept as that quotient q and the remainder e = 2n q - N in [0, 2n),
  // which each step lowers by 2 dminor (at most one carry either way).
  const int64_t two_n = 2 * n;
  const Wide start = 2 * (static_cast<Wide>(minor1) * n + static_cast<Wide>(dminor) * first) - n;
  int64_t q = static_cast<int64_t>(-FloorDiv(-start, two_n));
  int64_t e = static_cast<int64_t>(static_cast<Wide>(q) * two_n - start);
  const int64_t minor_limit = x_major ? image.height() : image.width();
  const int64_t step = 2 * dminor;
  int64_t major = m1 + s * first;
  for (int64_t i = first; i <= last; ++i, major += s) {
    if (q >= 0 && q < minor_limit) {
      if (x_major) {
        image.Ref(static_cast<int32_t>(major), static_cast<int32_t>(q)) = value;
      } else {
        image.Ref(static_cast<int32_t>(q), static_cast<int32_t>(major)) = value;
      }
    }
    e -= step;
    if (e < 0) {
      ++q;
      e += two_n;
    } else if (e >= two_n) {
      --q;
      e -= two_n;
    }
  }
}

void FillRect(PixelImage& image, const Rect& rect, RgbColor color) {
  const Rect r = ClipToImage(image, rect);
  if (IsEmpty(r)) return;
  const size_t width = static_cast<size_t>(r.right - r.left);
  if (r.left == 0 && r.right == image.width()) {  // whole rows lie next to each other
    FillPixels(&image.Ref(0, r.top), width * static_cast<size_t>(r.bottom - r.top), static_cast<uint32_t>(color));
    return;
  }
  for (int32_t y = r.top; y < r.bottom; ++y) FillPixels(&image.Ref(r.left, y), width, static_cast<uint32_t>(color));
}

Rect FillRectArea(const Rect& rect) {
  auto span = [](int64_t from, int64_t to, int32_t& lo, int32_t& hi) {
    if (to >= from) {
      lo = Clamp32(from);
      hi = Clamp32(to);
    } else {
      lo = Clamp32(to + 1);
      hi = Clamp32(from + 1);
    }
  };
  Rect area;
  span(rect.left, rect.right, area.left, area.right);
  span(rect.top, rect.bottom, area.top, area.bottom);
  return area;
}

RgbColor GdiColor(RgbColor colorref) {
  const uint32_t c = static_cast<uint32_t>(colorref);
  if (c & 0x01000000u) {
    const uint32_t index = c & 0xFFFFu;
    return index < std::size(kDefaultPalette) ? kDefaultPalette[index] : kDefaultPalette[0];
  }
  return static_cast<RgbColor>(c & kColorMask);
}

void FrameRect(PixelImage& image, const Rect& rect, RgbColor color) {
  if (IsEmpty(rect)) return;
  const int64_t l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  auto fill = [&](int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    FillRect(image, Rect{Clamp32(x0), Clamp32(y0), Clamp32(x1), Clamp32(y1)}, color);
  };
  fill(l, t, r, t + 1);          // top
  fill(l, b - 1, r, b);          // bottom
  fill(l, t, l + 1, b);          // left
  fill(r - 1, t, r, b);          // right
}

void GradientFill(PixelImage& image, const TriVertex& v0, const TriVertex& v1, GradientMode mode) {
  const Rect full{std::min(v0.x, v1.x), std::min(v0.y, v1.y), std::max(v0.x, v1.x), std::max(v0.y, v1.y)};
  if (IsEmpty(full)) return;
  const bool horizontal = mode == GradientMode::kHorizontal;
  const bool v0_first = horizontal ? v0.x <= v1.x : v0.y <= v1.y;
  const TriVertex& a = v0_first ? v0 : v1;
  const TriVertex& b = v0_first ? v1 : v0;
  const int64_t n = horizontal ? full.Width() : full.Height();
  const Rect clip = ClipToImage(image, full);
  if (IsEmpty(clip)) return;

  auto channel = [n](uint16_t c0, uint16_t c1, int64_t p) {
    return static_cast<uint32_t>(((static_cast<int64_t>(c0) * (n - p) + static_cast<int64_t>(c1) * p) / n) >> 8);
  };
  auto color_at = [&](int64_t p) {
    return channel(a.red, b.red, p) | (channel(a.green, b.green, p) << 8) | (channel(a.blue, b.blue, p) << 16);
  };

  const size_t width = static_cast<size_t>(clip.right - clip.left);
  if (horizontal) {
    // One row of colours, copied to every row. Along the row each channel's
    // quotient (c0 (n - p) + c1 p) / n moves by (c1 - c0) / n a pixel, its
    // remainder carried: the same values as a division at every pixel.
    struct Channel {
      int64_t q, r, dq, dr;
      void Step(int64_t n) {
        q += dq;
        r += dr;
        if (r >= n) {
          r -= n;
          ++q;
        }
      }
    };
    auto start = [n](uint16_t c0, uint16_t c1, int64_t p) {
      const int64_t sum = static_cast<int64_t>(c0) * (n - p) + static_cast<int64_t>(c1) * p;  // >= 0
      const int64_t d = static_cast<int64_t>(c1) - c0;
      int64_t dq = d / n;
      int64_t dr = d % n;
      if (dr < 0) {
        dr += n;
        --dq;
      }
      return Channel{sum / n, sum % n, dq, dr};
    };
    const int64_t p0 = static_cast<int64_t>(clip.left) - full.left;
    Channel red = start(a.red, b.red, p0), green = start(a.green, b.green, p0),
            blue = start(a.blue, b.blue, p0);
    uint32_t* first = &image.Ref(clip.left, clip.top);
    for (size_t x = 0; x < width; ++x) {
      first[x] = static_cast<uint32_t>(red.q >> 8) | (static_cast<uint32_t>(green.q >> 8) << 8) |
                 (static_cast<uint32_t>(blue.q >> 8) << 16);
      red.Step(n);
      green.Step(n);
      blue.Step(n);
    }
    FillRows(image, Rect{clip.left, clip.top + 1, clip.right, clip.bottom}, first);
  } else {
    for (int32_t y = clip.top; y < clip.bottom; ++y) {
      FillPixels(&image.Ref(clip.left, y), width, color_at(static_cast<int64_t>(y) - full.top));
    }
  }
}

void DrawFocusRect(PixelImage& image, const Rect& rect) {
  const int64_t l = std::min(rect.left, rect.right);
  const int64_t r = std::max(rect.left, rect.right);
  const int64_t t = std::min(rect.top, rect.bottom);
  const int64_t b = std::max(rect.top, rect.bottom);
  const int64_t w = r - l;
  const int64_t h = b - t;
  if (w == 0 || h == 0) return;
  // A line: the path goes along it and back, and the inner pixels, met twice
  // at the same phase, cancel. The first end is met once at the start ("on"),
  // the other once, after w - 1 (h - 1) pixels.
  if (h == 1) {
    if (w >= 2) InvertPixel(image, r - 1, t);
    if (w >= 2 && (w - 1) % 2 == 0) InvertPixel(image, l, t);
    return;
  }
  if (w == 1) {
    InvertPixel(image, l, t);
    if ((h - 1) % 2 == 0) InvertPixel(image, l, b - 1);
    return;
  }
  InvertRingSide(image, l, t, r - 1, t, r - 1, t);                  // top
  InvertRingSide(image, l, b - 1, r - 1, b - 1, r - 1, t);          // bottom
  InvertRingSide(image, l, t + 1, l, b - 2, r - 1, t);              // left
  InvertRingSide(image, r - 1, t + 1, r - 1, b - 2, r - 1, t);      // right
}

void StretchBlit(PixelImage& dest, int32_t x, int32_t y, int32_t w, int32_t h, const PixelImage& source) {
  if (w == 0 || h == 0 || source.empty()) return;
  const bool mirror_x = w < 0;
  const bool mirror_y = h < 0;
  const int64_t aw = std::llabs(static_cast<int64_t>(w));
  const int64_t ah = std::llabs(static_cast<int64_t>(h));
  const int64_t left = mirror_x ? static_cast<int64_t>(x) + w : x;
  const int64_t top = mirror_y ? static_cast<int64_t>(y) + h : y;
  const int64_t sw = source.width();
  const int64_t sh = source.height();

  const int64_t j0 = std::max<int64_t>(0, -left);
  const int64_t j1 = std::min<int64_t>(aw, dest.width() - left);
  const int64_t k0 = std::max<int64_t>(0, -top);
  const int64_t k1 = std::min<int64_t>(ah, dest.height() - top);
  for (int64_t k = k0; k < k1; ++k) {
    int64_t sy = ((2 * k + 1) * sh) / (2 * ah);
    if (mirror_y) sy = sh - 1 - sy;
    for (int64_t j = j0; j < j1; ++j) {
      int64_t sx = ((2 * j + 1) * sw) / (2 * aw);
      if (mirror_x) sx = sw - 1 - sx;
      const uint32_t p = source.Get(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
      if ((p >> 24) < 128) continue;
      dest.Ref(static_cast<int32_t>(left + j), static_cast<int32_t>(top + k)) = p & kColorMask;
    }
  }
}

}  // namespace folivan
