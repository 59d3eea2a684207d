// One list of drawings made twice: by the Win32 GDI surface under Wine
// (tests/wine/pixels_dump.cpp writes the images) and by the headless surface
// (tests/raster/gdi_reference_test.cpp compares them pixel for pixel).
//
// A case is either a primitive drawing (lines, rectangles, gradients, 3-D
// boxes, focus rectangles) on a cleared surface of the case's size, or a new
// control with one Appearance, repainted. Each platform makes a fresh control
// on a surface of width x height pixels for every case (the control is needed
// for Draw3DBox and for the Appearance cases) and calls DrawCase.
//
// Header only: it is compiled into a Windows program and a Linux test, which
// share no library beyond the control itself.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/folivan_tab.h"
#include "paint/paint_state.h"
#include "paint/primitives.h"
#include "platform/surface.h"
#include "platform/types.h"

namespace folivan::drawing_list {

enum class CaseKind { kPrimitive, kControl };

struct DrawingCase {
  std::string name;
  int32_t width = 0;
  int32_t height = 0;
  void (*draw)(Surface&, FolivanTab&) = nullptr;  // kPrimitive only: draws on the cleared surface
  CaseKind kind = CaseKind::kPrimitive;
  int32_t appearance = 0;  // kControl only
};

// Background of the primitive cases: a colour none of them draws with.
inline constexpr RgbColor kBackground = Rgb(40, 60, 80);

// Cells of the line grids: each line starts at its cell's centre.
inline constexpr int32_t kCell = 26;

// Direction vectors of the short lines: every octant, both axes, diagonals,
// and slopes whose ideal minor coordinate falls exactly on a half (2:1, 4:2,
// 6:3, 10:5, 6:1 halves at the middle...).
inline std::vector<Point> LineDirections() {
  const Point base[] = {{10, 0}, {10, 1}, {10, 3}, {10, 5}, {4, 2}, {2, 1}, {6, 3}, {6, 1},
                        {8, 3}, {10, 10}, {3, 3}, {1, 1}, {1, 0}, {2, 0}, {3, 1}, {9, 7}};
  std::vector<Point> out;
  for (const Point& b : base) {
    // x-major as given, and the y-major mirror (swap the axes); four sign combinations each.
    for (bool swap : {false, true}) {
      if (swap && b.x == b.y) continue;
      for (int sx : {1, -1}) {
        for (int sy : {1, -1}) {
          Point p = swap ? Point{b.y, b.x} : b;
          p.x *= sx;
          p.y *= sy;
          bool seen = false;
          for (const Point& q : out) seen = seen || q == p;
          if (!seen) out.push_back(p);
        }
      }
    }
  }
  return out;
}

inline constexpr int32_t kGridColumns = 12;

// Colours per line so that a line drawn over another shows.
inline RgbColor LineColor(size_t i) {
  static constexpr RgbColor kColors[] = {Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 0),
                                         Rgb(0, 255, 255), Rgb(255, 0, 255)};
  return kColors[i % std::size(kColors)];
}

namespace detail {

inline void LineGrid(Surface& s, bool outwards) {
  const std::vector<Point> dirs = LineDirections();
  for (size_t i = 0; i < dirs.size(); ++i) {
    const int32_t cx = static_cast<int32_t>(i % static_cast<size_t>(kGridColumns)) * kCell + kCell / 2;
    const int32_t cy = static_cast<int32_t>(i / static_cast<size_t>(kGridColumns)) * kCell + kCell / 2;
    const int32_t ex = cx + dirs[i].x;
    const int32_t ey = cy + dirs[i].y;
    if (outwards) {
      s.Line(cx, cy, ex, ey, LineColor(i));
    } else {
      s.Line(ex, ey, cx, cy, LineColor(i));
    }
  }
}

inline void LongLines(Surface& s) {
  // Long lines of many slopes, each in both directions on separate rows of the image.
  const Point ends[] = {{230, 97}, {97, 190}, {230, 7}, {11, 190}, {199, 198}, {201, 100}, {150, 151}, {229, 115}};
  for (size_t i = 0; i < std::size(ends); ++i) {
    const int32_t dx = ends[i].x;
    const int32_t dy = ends[i].y;
    if (i % 2 == 0) {
      s.Line(4, 4, 4 + dx / 2, 4 + dy / 2, LineColor(i));
      s.Line(4 + dx, 4 + dy / 2, 4 + dx / 2, 4, LineColor(i + 1));
    } else {
      s.Line(4 + dx / 2, 196, 4, 196 - dy / 2, LineColor(i));
      s.Line(236 - dx / 3, 196 - dy / 3, 236, 196, LineColor(i + 2));
    }
  }
}

inline void ClippedLines(Surface& s) {
  // Lines that start or end outside the image: the clipped part must light the
  // same pixels as the whole line would.
  s.Line(-50, -20, 100, 60, Rgb(255, 255, 255));
  s.Line(130, 10, -30, 70, Rgb(255, 0, 0));
  s.Line(60, -40, 20, 130, Rgb(0, 255, 0));
  s.Line(-7, 88, 127, -3, Rgb(255, 255, 0));
  s.Line(-100, 45, 300, 45, Rgb(0, 255, 255));
  s.Line(115, -100, 115, 300, Rgb(255, 0, 255));
  s.Line(2000, 30, -2000, 31, Rgb(255, 128, 0));
  s.Line(-100000, -99950, 100000, 100050, Rgb(128, 255, 128));
}

inline void Fan(Surface& s) {
  // Every end point on the border of a square around the centre, to and from the centre.
  const int32_t c = 50;
  size_t i = 0;
  for (int32_t t = -40; t <= 40; t += 1) {
    const Point ends[] = {{c + t, c - 40}, {c + 40, c + t}, {c - t, c + 40}, {c - 40, c - t}};
    for (const Point& e : ends) {
      s.Line(c, c, e.x, e.y, LineColor(i++));
      // The reverse, in the second quadrant of the image.
      s.Line(e.x + 100, e.y + 100, c + 100, c + 100, LineColor(i));
    }
  }
}

inline void BoxEdges(FolivanTab& control) {
  // The line primitive (through the control) as the renderers use it: edges, one-pixel and zero-length lines.
  const int32_t w = Rgb(255, 255, 255), k = Rgb(0, 0, 0), r = Rgb(255, 0, 0), g = Rgb(0, 255, 0), c = Rgb(0, 255, 255),
                y = Rgb(255, 255, 0);
  const int32_t lines[][5] = {{2, 2, 50, 2, w},     {2, 2, 2, 40, w},    {50, 40, 2, 40, k},  {50, 40, 50, 2, k},
                              {60, 10, 61, 10, r},  {60, 12, 60, 13, r}, {64, 10, 64, 10, r}, {70, 10, 69, 11, g},
                              {75, 10, 77, 11, g},  {80, 10, 81, 12, g}, {90, 30, 88, 29, c}, {95, 30, 94, 28, c},
                              {100, 50, 115, 45, y}, {115, 55, 100, 50, y}};
  for (const auto& l : lines) DrawLine(control, l[0], l[1], l[2], l[3], l[4]);
}

// Filled or framed; the framed ones add two small frames.
inline void Rects(Surface& s, bool frame) {
  const std::pair<Rect, RgbColor> rects[] = {
      {{2, 2, 30, 20}, Rgb(255, 255, 255)}, {{35, 2, 36, 3}, Rgb(255, 0, 0)},  {{40, 2, 41, 30}, Rgb(0, 255, 0)},
      {{45, 2, 80, 3}, Rgb(0, 0, 255)},     {{85, 2, 85, 30}, Rgb(255, 255, 0)},  // empty
      {{-10, 40, 20, 90}, Rgb(0, 255, 255)},  // over the edges
      {{100, 60, 200, 200}, Rgb(255, 0, 255)}, {{30, 40, 60, 70}, Rgb(0, 0, 0)}};
  for (const auto& [rect, color] : rects) frame ? s.FrameRect(rect, color) : s.FillRect(rect, color);
  if (!frame) return;
  s.FrameRect(Rect{45, 6, 47, 8}, Rgb(0, 0, 255));
  s.FrameRect(Rect{50, 6, 53, 9}, Rgb(0, 0, 255));
}

inline void InvertedRects(Surface& s) {
  // Right before left, bottom above top: what FillRect and FrameRect make of them.
  s.FillRect(Rect{30, 20, 2, 2}, Rgb(255, 255, 255));
  s.FillRect(Rect{60, 2, 40, 20}, Rgb(255, 0, 0));
  s.FillRect(Rect{70, 20, 90, 2}, Rgb(0, 255, 0));
  s.FillRect(Rect{101, 3, 100, 2}, Rgb(255, 255, 0));
  s.FrameRect(Rect{30, 60, 2, 40}, Rgb(255, 255, 255));
  s.FrameRect(Rect{60, 40, 40, 60}, Rgb(255, 0, 0));
  s.FrameRect(Rect{70, 60, 90, 40}, Rgb(0, 255, 0));
}

struct GradientPair {
  OleColor from;
  OleColor to;
};

inline constexpr GradientPair kGradientPairs[] = {
    {0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x0000FF, 0xFF0000}, {0xD8E9EC, 0xFFFFFF},
    {0xFFFFFF, 0xD8E9EC}, {0xF5E5DC, 0xC47C4E}, {0x123456, 0x654321}, {0x808080, 0x7F7F7F},
};

// A gradient from `along0` to `along1` in the direction of `mode`, `across0` to `across1` across it.
inline void Gradient(Surface& s, const System& system, GradientMode mode, int32_t along0, int32_t across0,
                     int32_t along1, int32_t across1, const GradientPair& p) {
  if (mode == GradientMode::kHorizontal) {
    GradientFillRect(s, system, along0, across0, along1, across1, p.from, p.to, mode);
  } else {
    GradientFillRect(s, system, across0, along0, across1, along1, p.from, p.to, mode);
  }
}

inline void GradientSizes(Surface& s, const System& system, GradientMode mode) {
  // Sizes 1 to 9 and a few more; both black to white and a slight pair.
  const int32_t sizes[] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 31};
  int32_t pos = 2;
  for (int32_t size : sizes) {
    for (int32_t k = 0; k < 2; ++k) {
      Gradient(s, system, mode, pos, 2 + k * 58, pos + size, 2 + k * 58 + 50, kGradientPairs[k == 0 ? 0 : 3]);
    }
    pos += size + 2;
  }
}

inline void GradientLong(Surface& s, const System& system, GradientMode mode) {
  // Lengths where the interpolation's rounding shows: 255, 256, 300, 401.
  const int32_t lengths[] = {255, 256, 300, 401};
  const GradientPair pairs[] = {{0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0xD8E9EC, 0xFFFFFF},
                                {0x0000FF, 0xFF0000}};
  for (size_t i = 0; i < std::size(lengths); ++i) {
    const int32_t across = 2 + static_cast<int32_t>(i) * 23;
    Gradient(s, system, mode, 2, across, 2 + lengths[i], across + 21, pairs[i]);
  }
}

inline void GradientColours(Surface& s, const System& system, GradientMode mode) {
  int32_t pos = 2;
  for (const GradientPair& p : kGradientPairs) {
    const int32_t length = 67 + (pos % 5) * 41;
    Gradient(s, system, mode, 2, pos, 2 + length, pos + 15, p);
    pos += 17;
  }
}

inline void GradientReversed(Surface& s, const System& system) {
  // Vertices given from the lower right to the upper left, and mixed.
  GradientFillRect(s, system, 60, 30, 2, 2, 0x0000FF, 0xFF0000, GradientMode::kHorizontal);
  GradientFillRect(s, system, 120, 30, 64, 2, 0x0000FF, 0xFF0000, GradientMode::kVertical);
  GradientFillRect(s, system, 60, 40, 2, 78, 0x00FF00, 0xFF00FF, GradientMode::kHorizontal);
  GradientFillRect(s, system, 64, 78, 120, 40, 0x00FF00, 0xFF00FF, GradientMode::kVertical);
  GradientFillRect(s, system, 124, 2, 150, 2, 0x00FF00, 0xFF00FF, GradientMode::kVertical);  // empty
  GradientFillRect(s, system, 150, 78, 124, 2, 0x000000, 0xFFFFFF, GradientMode::kHorizontal);
}

inline void Boxes3D(FolivanTab& control) {
  ColorSet& c = control.State().paint.colors;
  c.Light = Rgb(250, 250, 250);
  c.HighLight = Rgb(200, 200, 255);
  c.Shadow = Rgb(120, 120, 100);
  c.DarkShadow = Rgb(10, 10, 10);
  c.Face = Rgb(180, 90, 60);
  const int32_t sizes[][2] = {{40, 24}, {17, 13}, {6, 6}, {5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {4, 9}};
  int32_t x = 2;
  for (const auto& size : sizes) {
    Draw3DBox(control, x, 2, x + size[0], 2 + size[1], false);
    Draw3DBox(control, x, 40, x + size[0], 40 + size[1], true);
    x += size[0] + 3;
  }
}

inline void FocusRects(Surface& s) {
  s.FillRect(Rect{0, 40, 120, 80}, Rgb(255, 255, 255));
  const Rect rects[] = {{2, 2, 30, 20},  {33, 3, 60, 20}, {63, 2, 64, 20}, {66, 3, 67, 20},
                        {70, 2, 90, 3},  {70, 6, 90, 7},  {93, 2, 95, 4},  {97, 3, 100, 6},
                        {2, 42, 31, 61}, {35, 43, 70, 78}, {75, 45, 76, 46}, {80, 45, 82, 47}};
  for (const Rect& r : rects) s.DrawFocusRect(r);
  // Twice: restores the image.
  s.DrawFocusRect(Rect{100, 50, 118, 70});
  s.DrawFocusRect(Rect{100, 50, 118, 70});
  s.DrawFocusRect(Rect{40, 50, 60, 70});  // over the earlier one
}

inline void FocusRectsOdd(Surface& s) {
  s.FillRect(Rect{0, 40, 120, 80}, Rgb(255, 255, 255));
  const Rect rects[] = {{30, 20, 2, 2},   {33, 3, 60, 21},  {70, 2, 70, 20},  {72, 2, 73, 5},  {75, 2, 78, 3},
                        {80, 2, 82, 9},   {84, 2, 85, 4},   {87, 2, 93, 4},   {-5, 42, 10, 60}, {110, 70, 130, 90},
                        {40, 79, 60, 95}, {20, 50, 19, 60}, {24, 50, 25, 59}};
  for (const Rect& r : rects) s.DrawFocusRect(r);
}

inline void PixelsAndInvalid(Surface& s) {
  s.SetPixelV(1, 1, Rgb(255, 255, 255));
  s.SetPixelV(3, 1, Rgb(0, 0, 0));
  s.SetPixelV(-1, 1, Rgb(0, 0, 0));
  // A colour that did not translate (-1) reaches GDI unchanged.
  s.Line(2, 5, 30, 5, -1);
  s.Line(2, 7, 30, 17, -1);
  s.FillRect(Rect{34, 2, 50, 12}, -1);
  s.FrameRect(Rect{34, 16, 50, 30}, -1);
  s.SetPixelV(55, 5, -1);
  // Palette indices (bit 24), palette-relative RGB and other high bytes.
  const RgbColor colours[] = {0x01000003, 0x0100000D, 0x01000013, 0x01000014, 0x0100FF07,
                              0x02123456, static_cast<RgbColor>(0xFE00FF00u)};
  int32_t x = 2;
  for (RgbColor c : colours) {
    s.FillRect(Rect{x, 32, x + 6, 38}, c);
    x += 8;
  }
}

// Each part and state that the control draws, in a grid over the background.
inline void ThemeParts(Surface& s, FolivanTab& control) {
  System& system = control.GetSystem();
  const auto draw = [&](const char* class_name, int part, int state, const Rect& r) {
    const ThemeHandle theme = system.OpenThemeData(control.hwnd(), class_name);
    if (theme == 0) return;
    system.DrawThemeBackground(theme, s.Hdc(), part, state, r);
    system.CloseThemeData(theme);
  };
  // Tab items, normal, hot, selected, disabled and focused; the selected one a size larger.
  for (int state = 1; state <= 5; ++state) draw("TAB", 1, state, Rect{4 + (state - 1) * 46, 4, 44 + (state - 1) * 46, 23});
  draw("TAB", 1, 3, Rect{4, 28, 48, 51});
  // The pane.
  draw("TAB", 9, 1, Rect{100, 28, 160, 68});
  // Arrow buttons, left and right in every state, at the sizes of the scroll buttons.
  for (int state = 9; state <= 16; ++state) {
    draw("SCROLLBAR", 1, state, Rect{4 + (state - 9) * 22, 72, 21 + (state - 9) * 22, 89});
    draw("SCROLLBAR", 1, state, Rect{4 + (state - 9) * 25, 94, 24 + (state - 9) * 25, 114});
  }
  draw("SCROLLBAR", 1, 13, Rect{4, 120, 22, 138});
  draw("SCROLLBAR", 1, 14, Rect{26, 120, 44, 138});
}

}  // namespace detail

// The primitive cases, then a control of each Appearance.
inline std::vector<DrawingCase> DrawingCases() {
  using M = GradientMode;
  using namespace detail;
  const auto lines = static_cast<int32_t>(LineDirections().size());
  const int32_t w = kGridColumns * kCell, h = (lines + kGridColumns - 1) / kGridColumns * kCell;
  std::vector<DrawingCase> cases = {
      {"lines_outwards", w, h, [](Surface& s, FolivanTab&) { LineGrid(s, true); }},
      {"lines_inwards", w, h, [](Surface& s, FolivanTab&) { LineGrid(s, false); }},
      {"lines_long", 240, 200, [](Surface& s, FolivanTab&) { LongLines(s); }},
      {"lines_clipped", 120, 90, [](Surface& s, FolivanTab&) { ClippedLines(s); }},
      {"lines_fan", 200, 200, [](Surface& s, FolivanTab&) { Fan(s); }},
      {"lines_box_edges", 120, 60, [](Surface&, FolivanTab& c) { BoxEdges(c); }},
      {"rects_fill", 120, 80, [](Surface& s, FolivanTab&) { Rects(s, false); }},
      {"rects_frame", 120, 80, [](Surface& s, FolivanTab&) { Rects(s, true); }},
      {"rects_inverted", 120, 80, [](Surface& s, FolivanTab&) { InvertedRects(s); }},
      {"gradient_h_small", 160, 120, [](Surface& s, FolivanTab& c) { GradientSizes(s, c.GetSystem(), M::kHorizontal); }},
      {"gradient_v_small", 160, 120, [](Surface& s, FolivanTab& c) { GradientSizes(s, c.GetSystem(), M::kVertical); }},
      {"gradient_h_wide", 420, 96, [](Surface& s, FolivanTab& c) { GradientLong(s, c.GetSystem(), M::kHorizontal); }},
      {"gradient_v_tall", 96, 420, [](Surface& s, FolivanTab& c) { GradientLong(s, c.GetSystem(), M::kVertical); }},
      {"gradient_h_colors", 300, 140, [](Surface& s, FolivanTab& c) { GradientColours(s, c.GetSystem(), M::kHorizontal); }},
      {"gradient_v_colors", 140, 300, [](Surface& s, FolivanTab& c) { GradientColours(s, c.GetSystem(), M::kVertical); }},
      {"gradient_reversed", 160, 80, [](Surface& s, FolivanTab& c) { GradientReversed(s, c.GetSystem()); }},
      {"box3d", 160, 80, [](Surface&, FolivanTab& c) { Boxes3D(c); }},
      {"focus_rects", 120, 80, [](Surface& s, FolivanTab&) { FocusRects(s); }},
      {"focus_rects_odd", 120, 80, [](Surface& s, FolivanTab&) { FocusRectsOdd(s); }},
      {"pixels_and_invalid_colour", 64, 40, [](Surface& s, FolivanTab&) { PixelsAndInvalid(s); }},
  };
  for (int32_t appearance = 1; appearance <= 13; ++appearance) {
    // Appended rather than concatenated: GCC 12 for i686 warns (-Wrestrict) about "literal" + string.
    std::string name = "appearance_";
    name += std::to_string(appearance);
    cases.push_back({name, 400, 300, nullptr, CaseKind::kControl, appearance});
  }
  return cases;
}

// Draws a case on `surface`, the surface of `control`'s host, which has the
// case's size. Primitive cases clear the surface first; control cases set the
// Appearance of the new control, which repaints it.
inline void DrawCase(const DrawingCase& c, Surface& surface, FolivanTab& control) {
  if (c.kind == CaseKind::kControl) {
    control.SetAppearance(c.appearance);
    return;
  }
  surface.SetBackColor(static_cast<OleColor>(kBackground));
  surface.Cls();
  c.draw(surface, control);
}

// --- with a visual style ----------------------------------------------------------------------
//
// Drawn in a second run, with the visual style on (Wine's "light" style under
// Wine, the headless rendition of it here): the themed parts one by one, and
// the two Appearances that take them, with the scroll buttons shown.

inline std::vector<DrawingCase> ThemedCases() {
  return {
      {"themed_parts", 240, 150, detail::ThemeParts},
      {"themed_appearance_1", 220, 120, nullptr, CaseKind::kControl, 1},
      {"themed_appearance_13", 220, 120, nullptr, CaseKind::kControl, 13},
  };
}

// Draws a themed case as DrawCase does; the controls have six tabs, the
// second selected and the fourth disabled, so that the strip overflows.
inline void DrawThemedCase(const DrawingCase& c, Surface& surface, FolivanTab& control) {
  if (c.kind == CaseKind::kControl) {
    control.SetTabs(6);
    control.SetiTabEnabled(3, false);
    control.SetCurrentTab(1);
  }
  DrawCase(c, surface, control);
}

}  // namespace folivan::drawing_list
