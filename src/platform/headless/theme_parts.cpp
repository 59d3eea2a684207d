#include "platform/headless/theme_parts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <sstream>

namespace folivan::theme_parts {

namespace {

// Colours as the style's bitmaps write them, 0xRRGGBB.
constexpr RgbColor Hex(uint32_t rrggbb) {
  return Rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

constexpr RgbColor kWhite = Hex(0xFFFFFF);

// --- tab items (TABP_TABITEM) -------------------------------------------------------------
//
// A tab item is a box with two rounded top corners over a flat face; its
// bottom edge is open (sides only), the selected item's last row is the
// face colour, so that it opens into the pane. In the item's box L, T, R, B
// (right and bottom exclusive):
//
//   row T      outer  shade  top edge .......... shade  outer
//   row T + 1  shade  inner  highlight ......... inner  shade
//   row T + 2  end    soft   face .............. soft   end
//   rows below side   face ..................... face   side

struct TabItemLook {
  RgbColor outer_left, outer_right;    // (L, T) and (R - 1, T)
  RgbColor shade_left, shade_right;    // beside each outer corner, on the top row and on the side
  RgbColor top_edge;                   // row T between the shades
  RgbColor inner_left, inner_right;    // (L + 1, T + 1) and (R - 2, T + 1)
  RgbColor highlight;                  // row T + 1 between the inner corners
  RgbColor end_left, end_right;        // (L, T + 2) and (R - 1, T + 2): where the sides begin
  RgbColor soft_left, soft_right;      // (L + 1, T + 2) and (R - 2, T + 2)
  RgbColor face;
  RgbColor side;                       // columns L and R - 1 from T + 3 down
  bool open_bottom;                    // the last row is the face colour from side to side
};

// TIS_NORMAL, TIS_HOT, TIS_SELECTED, TIS_DISABLED, TIS_FOCUSED.
constexpr std::array<TabItemLook, 5> kTabItemLooks{{
    // Normal: grey outline, light grey face.
    {Hex(0xF5F5F5), Hex(0xF5F5F5), Hex(0xC2C2C2), Hex(0xC3C3C3), Hex(0xB1B1B1), Hex(0xD4D4D4), Hex(0xD3D3D3),
     Hex(0xF2F2F2), Hex(0xB0B0B0), Hex(0xB0B0B0), Hex(0xF3F3F3), Hex(0xF3F3F3), Hex(0xF5F5F5), Hex(0xAEAEAE), false},
    // Hot: blue outline, white face.
    {Hex(0xE5F2FE), Hex(0xE6F2FE), Hex(0x66B2FB), Hex(0x67B2FB), Hex(0x399BFA), Hex(0x9ECEFD), Hex(0x9CCDFD),
     Hex(0xF6FAFF), Hex(0x3598FA), Hex(0x3598FA), Hex(0xFAFDFF), Hex(0xF9FCFF), kWhite, Hex(0x3096FA), false},
    // Selected: grey outline, white face open at the bottom.
    {Hex(0xF5F5F5), Hex(0xF5F5F5), Hex(0xC3C3C3), Hex(0xC4C4C4), Hex(0xB1B1B1), Hex(0xD9D9D9), Hex(0xD8D8D8),
     Hex(0xFCFCFC), Hex(0xB0B0B0), Hex(0xB0B0B0), Hex(0xFDFDFD), Hex(0xFDFDFD), kWhite, Hex(0xAEAEAE), true},
    // Disabled: as normal, a shade lighter on top.
    {Hex(0xF5F5F5), Hex(0xF5F5F5), Hex(0xC3C3C3), Hex(0xC3C3C3), Hex(0xB2B2B2), Hex(0xD4D4D4), Hex(0xD3D3D3),
     Hex(0xF1F1F1), Hex(0xB0B0B0), Hex(0xB0B0B0), Hex(0xF3F3F3), Hex(0xF3F3F3), Hex(0xF5F5F5), Hex(0xAEAEAE), false},
    // Focused: a deeper blue outline, white face.
    {Hex(0xE5EFFF), Hex(0xE6EFFF), Hex(0x629DFF), Hex(0x639DFF), Hex(0x337FFF), Hex(0x99BFFF), Hex(0x98BEFF),
     Hex(0xF5F9FF), Hex(0x2E7CFF), Hex(0x2F7DFF), Hex(0xFAFCFF), Hex(0xF9FBFF), kWhite, Hex(0x2979FF), false},
}};

// The item's top rows keep their height; below them the item stretches.
constexpr int32_t kTabItemMinWidth = 4;
constexpr int32_t kTabItemMinHeight = 12;

void DrawTabItem(Surface& s, const TabItemLook& look, const Rect& r) {
  const int32_t L = r.left, T = r.top, R = r.right, B = r.bottom;
  // Face, then the sides over it.
  s.FillRect(Rect{L + 1, T + 2, R - 1, B}, look.face);
  s.FillRect(Rect{L, T + 3, L + 1, B}, look.side);
  s.FillRect(Rect{R - 1, T + 3, R, B}, look.side);
  // Top row: outer corners, shades, the top edge.
  s.FillRect(Rect{L + 2, T, R - 2, T + 1}, look.top_edge);
  s.SetPixelV(L, T, look.outer_left);
  s.SetPixelV(R - 1, T, look.outer_right);
  s.SetPixelV(L + 1, T, look.shade_left);
  s.SetPixelV(R - 2, T, look.shade_right);
  // Second row: shades on the sides, inner corners, the highlight.
  s.FillRect(Rect{L + 2, T + 1, R - 2, T + 2}, look.highlight);
  s.SetPixelV(L, T + 1, look.shade_left);
  s.SetPixelV(R - 1, T + 1, look.shade_right);
  s.SetPixelV(L + 1, T + 1, look.inner_left);
  s.SetPixelV(R - 2, T + 1, look.inner_right);
  // Third row: where the sides begin, softened inside.
  s.SetPixelV(L, T + 2, look.end_left);
  s.SetPixelV(R - 1, T + 2, look.end_right);
  s.SetPixelV(L + 1, T + 2, look.soft_left);
  s.SetPixelV(R - 2, T + 2, look.soft_right);
  // Open bottom of the selected item.
  if (look.open_bottom) s.FillRect(Rect{L, B - 1, R, B}, look.face);
}

// --- rounded frames: the tab pane and the arrow buttons ---------------------------------------
//
// A frame of one-pixel edges with four rounded corners, each corner three
// pixels deep. Seen from its own corner (x and y counted inwards):
//
//   (0, 0) outer;  (1, 0) and (0, 1) shade;  (1, 1) inner;
//   (2, 0) and (0, 2) end of the edges;  (2, 1) and (1, 2) soft.

struct Corner {
  RgbColor outer, shade, inner, end, soft;
};

struct RoundedFrame {
  Corner top_left, top_right, bottom_left, bottom_right;
  RgbColor edge;
  RgbColor face;
};

// TABP_PANE: white inside a grey frame.
constexpr RoundedFrame kPane{
    {Hex(0xE4E4E4), Hex(0xC3C3C3), Hex(0xD8D8D8), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xE6E6E6), Hex(0xC3C3C3), Hex(0xD8D8D8), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xE6E6E6), Hex(0xC3C3C3), Hex(0xD7D7D7), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xE6E6E6), Hex(0xC3C3C3), Hex(0xD7D7D7), Hex(0xB0B0B0), Hex(0xFCFCFC)},
    Hex(0xAEAEAE),
    kWhite,
};
constexpr int32_t kPaneMinSize = 6;

// SBP_ARROWBTN: the button of the normal and disabled states, the hot one and the pressed one.
constexpr RoundedFrame kArrowButton{
    {Hex(0xF5F5F5), Hex(0xC3C3C3), Hex(0xD9D9D9), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xF5F5F5), Hex(0xC4C4C4), Hex(0xD8D8D8), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xF5F5F5), Hex(0xC4C4C4), Hex(0xD8D8D8), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    {Hex(0xF6F6F6), Hex(0xC4C4C4), Hex(0xD7D7D7), Hex(0xB0B0B0), Hex(0xFDFDFD)},
    Hex(0xAEAEAE),
    kWhite,
};
constexpr RoundedFrame kArrowButtonHot{
    {Hex(0xE5F2FE), Hex(0x66B2FB), Hex(0x9ECEFD), Hex(0x3598FA), Hex(0xFAFDFF)},
    {Hex(0xE6F2FE), Hex(0x67B2FB), Hex(0x9CCDFD), Hex(0x3598FA), Hex(0xF9FCFF)},
    {Hex(0xE6F2FE), Hex(0x67B2FB), Hex(0x9CCDFD), Hex(0x3598FA), Hex(0xFAFDFF)},
    {Hex(0xE7F3FE), Hex(0x68B2FB), Hex(0x9ACCFD), Hex(0x3699FA), Hex(0xF9FCFF)},
    Hex(0x3096FA),
    kWhite,
};
constexpr RoundedFrame kArrowButtonPressed{
    {Hex(0xE4EEFF), Hex(0x5595FF), Hex(0x2A7AFF), Hex(0x2B7BFF), Hex(0x2979FF)},
    {Hex(0xE5EFFF), Hex(0x5695FF), Hex(0x2A7AFF), Hex(0x2B7BFF), Hex(0x2979FF)},
    {Hex(0xE6EFFF), Hex(0x5796FF), Hex(0x2B7AFF), Hex(0x2C7BFF), Hex(0x2979FF)},
    {Hex(0xE7F0FF), Hex(0x5997FF), Hex(0x2B7AFF), Hex(0x2C7BFF), Hex(0x2979FF)},
    Hex(0x2979FF),
    Hex(0x2979FF),
};

void DrawCorner(Surface& s, const Corner& c, int32_t x, int32_t y, int32_t dx, int32_t dy) {
  s.SetPixelV(x, y, c.outer);
  s.SetPixelV(x + dx, y, c.shade);
  s.SetPixelV(x, y + dy, c.shade);
  s.SetPixelV(x + dx, y + dy, c.inner);
  s.SetPixelV(x + 2 * dx, y, c.end);
  s.SetPixelV(x, y + 2 * dy, c.end);
  s.SetPixelV(x + 2 * dx, y + dy, c.soft);
  s.SetPixelV(x + dx, y + 2 * dy, c.soft);
}

void DrawRoundedFrame(Surface& s, const RoundedFrame& f, const Rect& r) {
  const int32_t L = r.left, T = r.top, R = r.right, B = r.bottom;
  // Face, then the four edges.
  s.FillRect(Rect{L + 1, T + 1, R - 1, B - 1}, f.face);
  s.FillRect(Rect{L, T, R, T + 1}, f.edge);
  s.FillRect(Rect{L, B - 1, R, B}, f.edge);
  s.FillRect(Rect{L, T, L + 1, B}, f.edge);
  s.FillRect(Rect{R - 1, T, R, B}, f.edge);
  // Rounded corners.
  DrawCorner(s, f.top_left, L, T, 1, 1);
  DrawCorner(s, f.top_right, R - 1, T, -1, 1);
  DrawCorner(s, f.bottom_left, L, B - 1, 1, -1);
  DrawCorner(s, f.bottom_right, R - 1, B - 1, -1, -1);
}

// --- arrow glyphs --------------------------------------------------------------------------------
//
// The chevrons of the arrow buttons, 13 x 13 cells centred on the button
// (cell origin at the button's middle less 6 pixels each way), as coverage
// from 0 to 255 of the glyph colour over the button. Rows 2 to 10 of the
// cell hold the chevron; each row lists the first column and its coverages.

struct GlyphRow {
  int32_t first_column;
  std::array<uint8_t, 3> coverage;  // 0 past the row's end
};
using Chevron = std::array<GlyphRow, 9>;

// Pointing left: the tip at column 4, the arms up to column 8.
constexpr Chevron kLeftChevron{{
    {7, {0x1B, 0x1C, 0x00}},
    {6, {0x0E, 0xC2, 0x2D}},
    {5, {0x05, 0xB3, 0x46}},
    {5, {0x96, 0x68, 0x00}},
    {4, {0x75, 0xBC, 0x00}},
    {4, {0x01, 0xA1, 0x5C}},
    {5, {0x06, 0xB6, 0x42}},
    {6, {0x11, 0xC4, 0x27}},
    {7, {0x20, 0x18, 0x00}},
}};

// Pointing right: the tip at column 8, the arms from column 4.
constexpr Chevron kRightChevron{{
    {4, {0x1C, 0x1B, 0x00}},
    {4, {0x2C, 0xC2, 0x0E}},
    {5, {0x40, 0xB8, 0x06}},
    {6, {0x5A, 0x9C, 0x00}},
    {7, {0xBC, 0x75, 0x00}},
    {6, {0x56, 0xA6, 0x01}},
    {5, {0x3D, 0xBA, 0x07}},
    {4, {0x27, 0xC4, 0x11}},
    {4, {0x18, 0x1F, 0x00}},
}};
constexpr int32_t kChevronFirstRow = 2;

// The hot and the disabled chevrons are a little lighter where the upper arm
// meets the tip (row 5, column 6 of the cell).
constexpr Chevron Lightened(Chevron chevron, size_t k, uint8_t coverage) {
  chevron[3].coverage[k] = coverage;
  return chevron;
}
constexpr Chevron kLeftChevronLight = Lightened(kLeftChevron, 1, 0x60);
constexpr Chevron kRightChevronLight = Lightened(kRightChevron, 0, 0x61);

int BlendChannel(int glyph, int under, int coverage) {
  return (glyph * coverage + under * (255 - coverage) + 127) / 255;
}

void DrawChevron(Surface& s, const Chevron& chevron, RgbColor color, const Rect& button) {
  const int32_t x0 = button.left + button.Width() / 2 - 6;
  const int32_t y0 = button.top + button.Height() / 2 - 6;
  for (size_t row = 0; row < chevron.size(); ++row) {
    const GlyphRow& g = chevron[row];
    const int32_t y = y0 + kChevronFirstRow + static_cast<int32_t>(row);
    for (size_t k = 0; k < g.coverage.size(); ++k) {
      const int coverage = g.coverage[k];
      if (coverage == 0) continue;
      const int32_t x = x0 + g.first_column + static_cast<int32_t>(k);
      const RgbColor under = s.GetPixel(x, y);
      if (under == -1) continue;  // outside the surface
      s.SetPixelV(x, y,
                  Rgb(BlendChannel(RedOf(color), RedOf(under), coverage),
                      BlendChannel(GreenOf(color), GreenOf(under), coverage),
                      BlendChannel(BlueOf(color), BlueOf(under), coverage)));
    }
  }
}

// The 13-pixel chevrons serve buttons of 16 to 20 pixels; the frame's
// corners need 16.
constexpr int32_t kArrowButtonMinSize = 16;
constexpr int32_t kArrowButtonMaxSize = 20;

// SBP_ARROWBTN states 9 to 16: left normal, hot, pressed, disabled; right the same.
bool DrawArrowButton(Surface& s, int state, const Rect& r) {
  if (state < 9 || state > 16) return false;
  const int32_t w = r.Width(), h = r.Height();
  if (w < kArrowButtonMinSize || w > kArrowButtonMaxSize || h < kArrowButtonMinSize || h > kArrowButtonMaxSize) {
    return false;
  }
  const bool left = state <= 12;
  const int look = (state - 9) % 4;  // 0 normal, 1 hot, 2 pressed, 3 disabled
  static constexpr RgbColor kGlyphColors[] = {Hex(0x000000), Hex(0x3096FA), kWhite, Hex(0xAEAEAE)};
  DrawRoundedFrame(s, look == 1 ? kArrowButtonHot : look == 2 ? kArrowButtonPressed : kArrowButton, r);
  const bool light = look == 1 || look == 3;
  const Chevron& chevron = left ? (light ? kLeftChevronLight : kLeftChevron) : (light ? kRightChevronLight : kRightChevron);
  DrawChevron(s, chevron, kGlyphColors[look], r);
  return true;
}

constexpr int kTabItemPart = 1;
constexpr int kPanePart = 9;
constexpr int kArrowButtonPart = 1;

}  // namespace

std::optional<ThemeClass> ClassOf(const std::string& class_list) {
  std::istringstream names(class_list);
  std::string name;
  while (std::getline(names, name, ';')) {
    std::string lower;
    for (char c : name) {
      if (c != ' ') lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower == "tab") return ThemeClass::kTab;
    if (lower == "scrollbar") return ThemeClass::kScrollBar;
    if (lower == "explorerbar") return ThemeClass::kExplorerBar;
  }
  return std::nullopt;
}

bool DrawPart(Surface& surface, ThemeClass theme_class, int part, int state, const Rect& rect) {
  switch (theme_class) {
    case ThemeClass::kTab:
      if (part == kTabItemPart && state >= 1 && state <= static_cast<int>(kTabItemLooks.size()) &&
          rect.Width() >= kTabItemMinWidth && rect.Height() >= kTabItemMinHeight) {
        DrawTabItem(surface, kTabItemLooks[static_cast<size_t>(state - 1)], rect);
        return true;
      }
      if (part == kPanePart && state == 1 && rect.Width() >= kPaneMinSize && rect.Height() >= kPaneMinSize) {
        DrawRoundedFrame(surface, kPane, rect);
        return true;
      }
      return false;
    case ThemeClass::kScrollBar:
      return part == kArrowButtonPart && DrawArrowButton(surface, state, rect);
    case ThemeClass::kExplorerBar:
      return false;
  }
  return false;
}

}  // namespace folivan::theme_parts
