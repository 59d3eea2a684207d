// What the tab renderers work with: the tab and caption rectangles under the
// names the drawing rules use, the range of tabs the strip shows, and a canvas
// that takes points and rectangles and hands them to the drawing primitives.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "core/control_state.h"
#include "platform/types.h"

namespace folivan {
class FolivanTab;

// A tab's rectangle: left, top, right, bottom (AL, AT, AR, AB).
struct TabBox {
  int32_t L = 0;
  int32_t T = 0;
  int32_t R = 0;
  int32_t B = 0;
  static TabBox Of(const TabRecord& tab) { return {tab.AL, tab.AT, tab.AR, tab.AB}; }
};

// A caption's rectangle (TAL, TAT, TAR, TAB). In the horizontal styles CB is
// the caption's height, not a coordinate.
struct CaptionBox {
  int32_t CL = 0;
  int32_t CT = 0;
  int32_t CR = 0;
  int32_t CB = 0;
  static CaptionBox Of(const TabRecord& tab) { return {tab.TAL, tab.TAT, tab.TAR, tab.TAB}; }
};

// The width and height of a text as the host surface measures it.
struct TextSize {
  int32_t width = 0;
  int32_t height = 0;
};

// The tabs the strip shows, Hidd to HiddR (every bar from 0 in the Visio
// style). Indices without a record are left
// out, so a renderer never reaches past the tab array.
struct VisibleTabs {
  int16_t first = 0;
  int16_t last = -1;
  static VisibleTabs Of(const ControlState& s);
  bool Contains(int32_t i) const { return i >= first && i <= last; }
};

// Points and rectangles onto the drawing primitives. Lines leave out their end
// point; rectangles and gradients leave out their right and bottom edges.
class Canvas {
 public:
  explicit Canvas(FolivanTab& control) : control_(control) {}

  void Line(Point from, Point to, RgbColor color) const;
  // The same colour on each of a group of single pixels.
  void Pixels(std::initializer_list<Point> at, RgbColor color) const;
  // A filled rectangle given as x, y, width, height.
  void Fill(int32_t x, int32_t y, int32_t width, int32_t height, RgbColor color) const;
  // A top-to-bottom gradient over left, top, right, bottom.
  void VerticalGradient(const Rect& area, RgbColor top, RgbColor bottom) const;

 private:
  FolivanTab& control_;
};

}  // namespace folivan
