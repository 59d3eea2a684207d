// Small value types shared by the control and every platform.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace folivan {

// A 32-bit OLE colour. A value with the high bit set names a system colour
// (0x80000000 | COLOR_xxx); anything else is 0x00BBGGRR.
using OleColor = uint32_t;

// A resolved RGB value as GDI takes it (0x00BBGGRR), or -1 for "untranslatable".
using RgbColor = int32_t;

constexpr RgbColor Rgb(int r, int g, int b) {
  return static_cast<RgbColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(RgbColor c) { return c & 0xFF; }
constexpr int GreenOf(RgbColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(RgbColor c) { return (c >> 16) & 0xFF; }

constexpr OleColor kSystemColorFlag = 0x80000000u;
constexpr OleColor SystemColor(int index) { return kSystemColorFlag | static_cast<OleColor>(index); }

// Window handles and other host handles are opaque integers, as HWND and HDC are on Windows.
using WindowHandle = intptr_t;
using DeviceHandle = intptr_t;

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A GDI rectangle: right and bottom are exclusive.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A font as the host's font object describes it (StdFont): size in points.
struct FontDesc {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int16_t charset = 0;
  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// A picture object of the host (StdPicture). Handle() 0 means "holds no image".
class Picture {
 public:
  virtual ~Picture() = default;
  virtual intptr_t Handle() const = 0;
  // Size of the image in pixels.
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // Where the host loaded it from, if anywhere (kept so a form can be saved back).
  virtual std::string Source() const { return {}; }
};
using PicturePtr = std::shared_ptr<Picture>;

}  // namespace folivan
