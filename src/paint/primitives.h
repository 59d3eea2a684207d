// The drawing primitives: every pixel the control draws goes through these.
// Each call fetches the surface afresh and stands for "create the pen or brush,
// draw, delete it", so nothing is selected into the device context between
// calls. Colours given to the line, pixel, rectangle and text primitives are
// RGB values (0x00BBGGRR) and reach GDI unchanged, -1 included; an OLE system
// colour must go through FolivanTab::TranslateColor first. Only the gradient
// translates its colours itself.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/surface.h"
#include "platform/types.h"

namespace folivan {
class FolivanTab;
class System;

// --- on the control's own surface -------------------------------------------------------

// A solid one-pixel line from (x1, y1) towards (x2, y2); the end point is left
// out, as LineTo leaves it.
void DrawLine(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color);

// SetPixelV.
void SetPixelColor(FolivanTab& control, int32_t x, int32_t y, RgbColor color);

// GetPixel: the colour of the image being drawn to; -1 outside the surface.
RgbColor GetPixelColor(FolivanTab& control, int32_t x, int32_t y);

// The rectangle (x, y)-(x + w, y + h), right and bottom exclusive: filled, or
// with frameOnly its one-pixel outline (FrameRect). x + w and y + h raise the
// runtime's overflow error (6) when they leave 32 bits.
void DrawRect(FolivanTab& control, int32_t x, int32_t y, int32_t w, int32_t h, RgbColor color, bool frameOnly);

// A raised (sunken false) or sunken three-dimensional box over (x1, y1)-(x2, y2),
// right and bottom exclusive: two edge lines on each side in the ColorSet's
// Light, HighLight, Shadow and DarkShadow, then the inside filled with Face.
// The coordinate offsets raise the overflow error when they leave 32 bits.
void Draw3DBox(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool sunken);

// --- module-level, on a given device context ----------------------------------------------
// The surface stands for the device context: whichever image the surface draws
// to at the moment (the persistent image, or the window while AutoRedraw is off).

// A two-colour gradient over (x1, y1)-(x2, y2), right and bottom exclusive:
// kHorizontal runs from color1 at the left to color2 at the right, kVertical
// from color1 at the top to color2 at the bottom. Both colours are OLE colours,
// translated with OleTranslateColor (palette 0; -1 when it fails) and given to
// GradientFill as 16-bit channels whose low byte is 0.
void GradientFillRect(Surface& hdc, const System& system, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      OleColor color1, OleColor color2, GradientMode mode);
// The same on the control's surface, translating with the control's system.
void GradientFillRect(FolivanTab& control, int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor color1,
                      OleColor color2, GradientMode mode);

// One line of text, vertically centred in (x, y)-(x + w, y + h): centred
// horizontally when centred is true (DT_SINGLELINE | DT_VCENTER | DT_CENTER),
// left-aligned otherwise (DT_SINGLELINE | DT_VCENTER). Sets the text colour;
// leaves the background mode alone. x + w and y + h are guarded against overflow.
void DrawTextInRect(Surface& hdc, std::string_view text, int32_t x, int32_t y, int32_t w, int32_t h, RgbColor color,
                    bool centred);

// The channels of a gradient vertex for an RGB value: red and blue shifted
// into the high byte, green kept where it is (c AND 0xFF00), alpha 0.
TriVertex MakeTriVertex(int32_t x, int32_t y, RgbColor color);

}  // namespace folivan
