// The control's drawing surface: the host's UserControl surface (scale,
// measurement, font, colours, AutoRedraw, Cls, Refresh) and the GDI calls made
// on its device context. On Windows every call maps to one GDI or UserControl
// call; each drawing call stands for "fetch hDC, create the pen or brush, draw,
// delete it", so no drawing object outlives a call.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/types.h"

namespace folivan {

// ScaleMode values of the host (vbTwips, vbPixels, ...).
enum class ScaleMode : int16_t { kUser = 0, kTwips = 1, kPoints = 2, kPixels = 3, kHimetric = 8 };

// DrawText flags, with GDI's values.
namespace dt {
constexpr uint32_t kLeft = 0x0;
constexpr uint32_t kCenter = 0x1;
constexpr uint32_t kRight = 0x2;
constexpr uint32_t kVCenter = 0x4;
constexpr uint32_t kBottom = 0x8;
constexpr uint32_t kWordBreak = 0x10;
constexpr uint32_t kSingleLine = 0x20;
constexpr uint32_t kNoClip = 0x100;
constexpr uint32_t kCalcRect = 0x400;
constexpr uint32_t kNoPrefix = 0x800;
}  // namespace dt

// GradientFill modes.
enum class GradientMode : uint32_t { kHorizontal = 0, kVertical = 1 };

// One vertex of a gradient, with GDI's 16-bit channels.
struct TriVertex {
  int32_t x = 0;
  int32_t y = 0;
  uint16_t red = 0;
  uint16_t green = 0;
  uint16_t blue = 0;
  uint16_t alpha = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // --- the host's surface (UserControl) -------------------------------------------
  virtual WindowHandle Hwnd() const = 0;
  virtual DeviceHandle Hdc() const = 0;
  virtual bool HasDC() const = 0;

  virtual ScaleMode GetScaleMode() const = 0;
  virtual void SetScaleMode(ScaleMode mode) = 0;
  // Size of the drawing area in the present scale mode.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // Converts between scale modes (the host's ScaleX/ScaleY).
  virtual double ScaleX(double value, ScaleMode from, ScaleMode to) const = 0;
  virtual double ScaleY(double value, ScaleMode from, ScaleMode to) const = 0;
  // Outer size of the control as the extender has it, in twips.
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void SetWidth(double twips) = 0;
  virtual void SetHeight(double twips) = 0;

  // Text measurement in the present scale mode, with the present font.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;

  virtual FontDesc Font() const = 0;
  virtual void SetFont(const FontDesc& font) = 0;
  virtual void SetFontBold(bool bold) = 0;

  virtual OleColor ForeColor() const = 0;
  virtual void SetForeColor(OleColor color) = 0;
  virtual OleColor BackColor() const = 0;
  virtual void SetBackColor(OleColor color) = 0;

  virtual bool AutoRedraw() const = 0;
  virtual void SetAutoRedraw(bool on) = 0;
  // Clears the persistent image with the back colour.
  virtual void Cls() = 0;
  // Shows the persistent image in the window.
  virtual void Refresh() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // Gives the keyboard focus to the control; returns false when the host refuses.
  virtual bool SetFocus() = 0;
  virtual std::string AccessKeys() const = 0;
  virtual void SetAccessKeys(std::string_view keys) = 0;

  // --- GDI on the surface's device context -----------------------------------------
  // CreatePen(PS_SOLID, 1, color); MoveToEx(x1, y1); LineTo(x2, y2): the end point is not drawn.
  virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) = 0;
  virtual void SetPixelV(int32_t x, int32_t y, RgbColor color) = 0;
  // CLR_INVALID (0xFFFFFFFF, read as -1) outside the surface.
  virtual RgbColor GetPixel(int32_t x, int32_t y) const = 0;
  virtual void FillRect(const Rect& rect, RgbColor color) = 0;
  virtual void FrameRect(const Rect& rect, RgbColor color) = 0;
  // GradientFill with two vertices and one GRADIENT_RECT (0, 1).
  virtual void GradientFill(const TriVertex& upper_left, const TriVertex& lower_right, GradientMode mode) = 0;
  virtual void SetTextColor(RgbColor color) = 0;
  // DrawTextA with the surface's font; returns the height of the text as DrawText does.
  virtual int32_t DrawText(std::string_view text, const Rect& rect, uint32_t flags) = 0;
  virtual void DrawFocusRect(const Rect& rect) = 0;
  // PaintPicture: the picture stretched into the destination rectangle (pixels).
  virtual void PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
};

}  // namespace folivan
