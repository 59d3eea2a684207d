#include "paint/primitives.h"

#include <limits>

#include "core/folivan_tab.h"
#include "platform/system.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// a - b in 32 bits, with the runtime's overflow error instead of wrapping.
int32_t CheckedSub(int32_t a, int32_t b) {
  int64_t diff = static_cast<int64_t>(a) - b;
  if (diff < std::numeric_limits<int32_t>::min() || diff > std::numeric_limits<int32_t>::max()) {
    throw vberr::Overflow();
  }
  return static_cast<int32_t>(diff);
}

constexpr uint32_t kTextFlagsCentred = dt::kSingleLine | dt::kVCenter | dt::kCenter;  // 37
constexpr uint32_t kTextFlagsLeft = dt::kSingleLine | dt::kVCenter;                   // 36

}  // namespace

void DrawLine(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) {
  control.GetSurface().Line(x1, y1, x2, y2, color);
}

void SetPixelColor(FolivanTab& control, int32_t x, int32_t y, RgbColor color) {
  control.GetSurface().SetPixelV(x, y, color);
}

RgbColor GetPixelColor(FolivanTab& control, int32_t x, int32_t y) { return control.GetSurface().GetPixel(x, y); }

void DrawRect(FolivanTab& control, int32_t x, int32_t y, int32_t w, int32_t h, RgbColor color, bool frameOnly) {
  const Rect rect{x, y, CheckedAdd(x, w), CheckedAdd(y, h)};
  Surface& surface = control.GetSurface();
  if (frameOnly) {
    surface.FrameRect(rect, color);
  } else {
    surface.FillRect(rect, color);
  }
}

void Draw3DBox(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool sunken) {
  const ColorSet& c = control.State().paint.colors;
  // Each line's offsets are worked out just before it is drawn, so an overflow
  // stops the box after the lines that came before it.
  DrawLine(control, x1, y1, x2, y1, sunken ? c.DarkShadow : c.Light);
  DrawLine(control, CheckedAdd(x1, 1), CheckedAdd(y1, 1), CheckedSub(x2, 2), CheckedAdd(y1, 1),
           sunken ? c.Shadow : c.HighLight);
  DrawLine(control, x1, y1, x1, y2, sunken ? c.DarkShadow : c.Light);
  DrawLine(control, CheckedAdd(x1, 1), CheckedAdd(y1, 1), CheckedAdd(x1, 1), CheckedSub(y2, 2),
           sunken ? c.Shadow : c.HighLight);
  DrawLine(control, x1, CheckedSub(y2, 1), x2, CheckedSub(y2, 1), sunken ? c.Light : c.DarkShadow);
  DrawLine(control, CheckedAdd(x1, 1), CheckedSub(y2, 2), CheckedSub(x2, 1), CheckedSub(y2, 2),
           sunken ? c.HighLight : c.Shadow);
  DrawLine(control, CheckedSub(x2, 1), y1, CheckedSub(x2, 1), y2, sunken ? c.Light : c.DarkShadow);
  DrawLine(control, CheckedSub(x2, 2), CheckedAdd(y1, 1), CheckedSub(x2, 2), CheckedSub(y2, 2),
           sunken ? c.HighLight : c.Shadow);
  DrawRect(control, CheckedAdd(x1, 2), CheckedAdd(y1, 2), CheckedSub(CheckedSub(x2, x1), 4),
           CheckedSub(CheckedSub(y2, y1), 4), c.Face, false);
}

TriVertex MakeTriVertex(int32_t x, int32_t y, RgbColor color) {
  TriVertex v;
  v.x = x;
  v.y = y;
  // The blue channel divides with truncation towards zero, so -1 (a colour
  // that did not translate) gives red and green 0xFF00 but blue 0.
  v.red = static_cast<uint16_t>((color & 0xFF) * 256);
  v.green = static_cast<uint16_t>(color & 0xFF00);
  v.blue = static_cast<uint16_t>(((color / 65536) & 0xFF) * 256);
  v.alpha = 0;
  return v;
}

void GradientFillRect(Surface& hdc, const System& system, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      OleColor color1, OleColor color2, GradientMode mode) {
  const RgbColor c1 = system.OleTranslateColor(color1, 0).value_or(-1);
  const RgbColor c2 = system.OleTranslateColor(color2, 0).value_or(-1);
  hdc.GradientFill(MakeTriVertex(x1, y1, c1), MakeTriVertex(x2, y2, c2), mode);
}

void GradientFillRect(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor color1,
                      OleColor color2, GradientMode mode) {
  GradientFillRect(control.GetSurface(), control.GetSystem(), x1, y1, x2, y2, color1, color2, mode);
}

void DrawTextInRect(Surface& hdc, std::string_view text, int32_t x, int32_t y, int32_t w, int32_t h, RgbColor color,
                    bool centred) {
  const Rect rect{x, y, CheckedAdd(x, w), CheckedAdd(y, h)};
  hdc.SetTextColor(color);
  hdc.DrawText(text, rect, centred ? kTextFlagsCentred : kTextFlagsLeft);
}

}  // namespace folivan
