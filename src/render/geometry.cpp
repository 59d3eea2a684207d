#include "render/geometry.h"

#include <algorithm>

#include "core/folivan_tab.h"
#include "paint/primitives.h"

namespace folivan {

VisibleTabs VisibleTabs::Of(const ControlState& s) {
  const int32_t records = static_cast<int32_t>(s.tabs.size());
  const int32_t last = std::min<int32_t>(s.HiddR, records - 1);
  // The Visio bars never scroll: all of them are in sight.
  const int16_t first = s.Appearance == static_cast<int32_t>(Appearances::kVisio) ? 0 : s.Hidd;
  return {first, static_cast<int16_t>(std::max<int32_t>(last, -1))};
}

void Canvas::Line(Point from, Point to, RgbColor color) const {
  DrawLine(control_, from.x, from.y, to.x, to.y, color);
}

void Canvas::Pixels(std::initializer_list<Point> at, RgbColor color) const {
  for (const Point& p : at) SetPixelColor(control_, p.x, p.y, color);
}

void Canvas::Fill(int32_t x, int32_t y, int32_t width, int32_t height, RgbColor color) const {
  DrawRect(control_, x, y, width, height, color, false);
}

void Canvas::VerticalGradient(const Rect& area, RgbColor top, RgbColor bottom) const {
  GradientFillRect(control_, area.left, area.top, area.right, area.bottom, static_cast<OleColor>(top),
                   static_cast<OleColor>(bottom), GradientMode::kVertical);
}

}  // namespace folivan
