// What the tab renderers of the styles other than Windows XP share: the strip
// behind the tabs, the face of a tab by Color and NoteOneColors, the test for
// the Luna pass, and a canvas that also frames rectangles and reads pixels back.
#pragma once

#include <cstdint>

#include "core/control_state.h"
#include "paint/colors.h"
#include "render/geometry.h"

namespace folivan {
class FolivanTab;

bool HasColor(const ControlState& s, Colors color);

// Color Office-2003 with LunaColors: these styles draw over their first pass a
// second one in the colours of the visual style's scheme.
bool LunaMode(const ControlState& s);

// A top-to-bottom face; solid when both ends are the same colour.
struct Face {
  RgbColor top = 0;
  RgbColor bottom = 0;
  static Face Solid(RgbColor color) { return {color, color}; }
};

// The face of a tab by Color and NoteOneColors:
//   Color 2:            FaceTint to Face,  or the tab's ColStart to its ColEnd;
//   Color 1, 3 (other): Face, solid,       or the tab's ColEnd, solid.
// The tab's colours go to the primitives as they are stored.
Face TabFace(const ControlState& s, const TabRecord& tab);

// The strip, (0, 0) to (W, H + 1): with Color 2 a gradient from Face to
// FaceTint (LunaLight to LunaLightest with LunaColors), with Color 3 FaceTint;
// with Color 1 the dispatcher's BackColor fill stays.
void DrawStripBackground(FolivanTab& control);

// The selected tab when the strip shows it: a valid CurrentTab not scrolled
// out at the left; nothing otherwise.
const TabRecord* ShownSelectedTab(const ControlState& s, const VisibleTabs& shown);

// The selected tab's ColEnd with NoteOneColors on; nothing otherwise.
const RgbColor* NoteOneSelectedColor(const ControlState& s, const VisibleTabs& shown);

class StripCanvas : public Canvas {
 public:
  explicit StripCanvas(FolivanTab& control) : Canvas(control), control_(control) {}

  void Pixel(Point at, RgbColor color) const;
  // The colour already drawn at a point (-1 outside the surface).
  RgbColor ColorAt(Point at) const;
  // The one-pixel outline of the rectangle x, y, width, height.
  void Frame(int32_t x, int32_t y, int32_t width, int32_t height, RgbColor color) const;
  // A face over left, top, right, bottom (exclusive): filled when solid, else a vertical gradient.
  void FaceFill(const Rect& area, Face face) const;

  // The surface's width and height as integers.
  int32_t W() const;
  int32_t SH() const;

 private:
  FolivanTab& control_;
};

}  // namespace folivan
