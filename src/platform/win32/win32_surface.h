// The control's drawing surface on Windows: a persistent image in a GDI memory
// bitmap (what AutoRedraw draws into) and, while the control is in-place
// active, its own window with a private device context (CS_OWNDC). Every
// drawing call creates its pen or brush, draws and deletes it.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <string>

#include "platform/surface.h"

namespace folivan::win32 {

class Win32Surface : public Surface {
 public:
  Win32Surface();
  ~Win32Surface() override;
  Win32Surface(const Win32Surface&) = delete;
  Win32Surface& operator=(const Win32Surface&) = delete;

  // --- wiring to the ActiveX object -------------------------------------------------
  // The window of the in-place active control, or nullptr when it has none.
  void AttachWindow(HWND hwnd);
  HWND Window() const { return hwnd_; }
  // New size of the drawing area in pixels; the image is cleared with the back colour.
  void Resize(int width_px, int height_px);
  int PixelWidth() const { return width_px_; }
  int PixelHeight() const { return height_px_; }
  // Copies the persistent image into dc, stretched over the rectangle.
  void Blit(HDC dc, const RECT& bounds) const;
  // Called when the control asks its container for a new size (twips).
  std::function<void(double width_twips, double height_twips)> on_size_request;
  // Called when the image changed and views must be redrawn (Refresh).
  std::function<void()> on_refresh;
  // Called when the access-key string changed.
  std::function<void()> on_access_keys;
  // Called when the control asks for the focus; returns false when refused.
  std::function<bool()> on_focus_request;

  // --- Surface ---------------------------------------------------------------------
  WindowHandle Hwnd() const override;
  DeviceHandle Hdc() const override;
  bool HasDC() const override { return true; }
  ScaleMode GetScaleMode() const override { return scale_mode_; }
  void SetScaleMode(ScaleMode mode) override { scale_mode_ = mode; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  double ScaleX(double value, ScaleMode from, ScaleMode to) const override;
  double ScaleY(double value, ScaleMode from, ScaleMode to) const override;
  double Width() const override;
  double Height() const override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  FontDesc Font() const override { return font_; }
  void SetFont(const FontDesc& font) override;
  void SetFontBold(bool bold) override;
  OleColor ForeColor() const override { return fore_color_; }
  void SetForeColor(OleColor color) override;
  OleColor BackColor() const override { return back_color_; }
  void SetBackColor(OleColor color) override;
  bool AutoRedraw() const override { return auto_redraw_; }
  void SetAutoRedraw(bool on) override { auto_redraw_ = on; }
  void Cls() override;
  void Refresh() override;
  void SetEnabled(bool enabled) override;
  bool SetFocus() override;
  std::string AccessKeys() const override { return access_keys_; }
  void SetAccessKeys(std::string_view keys) override;

  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) override;
  void SetPixelV(int32_t x, int32_t y, RgbColor color) override;
  RgbColor GetPixel(int32_t x, int32_t y) const override;
  void FillRect(const Rect& rect, RgbColor color) override;
  void FrameRect(const Rect& rect, RgbColor color) override;
  void GradientFill(const TriVertex& upper_left, const TriVertex& lower_right, GradientMode mode) override;
  void SetTextColor(RgbColor color) override;
  int32_t DrawText(std::string_view text, const Rect& rect, uint32_t flags) override;
  void DrawFocusRect(const Rect& rect) override;
  void PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) override;

 private:
  // The device context drawing goes to: the image with AutoRedraw on (or
  // without a window), else the window's own DC.
  HDC DrawingDc() const;
  void ClearImage(HDC dc);
  SIZE TextExtent(std::string_view text) const;
  void ApplyFont();
  double TwipsPerUnit(ScaleMode mode, bool horizontal) const;

  HWND hwnd_ = nullptr;
  HDC memory_dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ initial_bitmap_ = nullptr;
  HFONT font_handle_ = nullptr;
  int width_px_ = 0;
  int height_px_ = 0;
  int dpi_x_ = 96;
  int dpi_y_ = 96;
  // The control's surface is designed in pixels: a control loaded from a bag
  // (no InitProperties) measures its text in pixels too.
  ScaleMode scale_mode_ = ScaleMode::kPixels;
  FontDesc font_;
  OleColor fore_color_ = 0x80000012;  // button text
  OleColor back_color_ = 0x8000000F;  // button face
  COLORREF text_color_ = 0;
  bool auto_redraw_ = true;
  std::string access_keys_;
};

// UTF-8 <-> UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// OleTranslateColor to a COLORREF; black when it fails.
COLORREF ToColorRef(OleColor color);

}  // namespace folivan::win32
