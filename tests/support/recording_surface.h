// A surface that passes every call on to another one and keeps the rectangle
// of each DrawText call: the comparison with GDI leaves text out, and the
// text rectangles are where it is.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace folivan::testing {

class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(Surface& inner) : inner_(inner) {}

  std::vector<Rect> text_rects;

  WindowHandle Hwnd() const override { return inner_.Hwnd(); }
  DeviceHandle Hdc() const override { return inner_.Hdc(); }
  bool HasDC() const override { return inner_.HasDC(); }
  ScaleMode GetScaleMode() const override { return inner_.GetScaleMode(); }
  void SetScaleMode(ScaleMode mode) override { inner_.SetScaleMode(mode); }
  double ScaleWidth() const override { return inner_.ScaleWidth(); }
  double ScaleHeight() const override { return inner_.ScaleHeight(); }
  double ScaleX(double v, ScaleMode from, ScaleMode to) const override { return inner_.ScaleX(v, from, to); }
  double ScaleY(double v, ScaleMode from, ScaleMode to) const override { return inner_.ScaleY(v, from, to); }
  double Width() const override { return inner_.Width(); }
  double Height() const override { return inner_.Height(); }
  void SetWidth(double twips) override { inner_.SetWidth(twips); }
  void SetHeight(double twips) override { inner_.SetHeight(twips); }
  double TextWidth(std::string_view text) const override { return inner_.TextWidth(text); }
  double TextHeight(std::string_view text) const override { return inner_.TextHeight(text); }
  FontDesc Font() const override { return inner_.Font(); }
  void SetFont(const FontDesc& font) override { inner_.SetFont(font); }
  void SetFontBold(bool bold) override { inner_.SetFontBold(bold); }
  OleColor ForeColor() const override { return inner_.ForeColor(); }
  void SetForeColor(OleColor color) override { inner_.SetForeColor(color); }
  OleColor BackColor() const override { return inner_.BackColor(); }
  void SetBackColor(OleColor color) override { inner_.SetBackColor(color); }
  bool AutoRedraw() const override { return inner_.AutoRedraw(); }
  void SetAutoRedraw(bool on) override { inner_.SetAutoRedraw(on); }
  void Cls() override { inner_.Cls(); }
  void Refresh() override { inner_.Refresh(); }
  void SetEnabled(bool enabled) override { inner_.SetEnabled(enabled); }
  bool SetFocus() override { return inner_.SetFocus(); }
  std::string AccessKeys() const override { return inner_.AccessKeys(); }
  void SetAccessKeys(std::string_view keys) override { inner_.SetAccessKeys(keys); }
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) override {
    inner_.Line(x1, y1, x2, y2, color);
  }
  void SetPixelV(int32_t x, int32_t y, RgbColor color) override { inner_.SetPixelV(x, y, color); }
  RgbColor GetPixel(int32_t x, int32_t y) const override { return inner_.GetPixel(x, y); }
  void FillRect(const Rect& rect, RgbColor color) override { inner_.FillRect(rect, color); }
  void FrameRect(const Rect& rect, RgbColor color) override { inner_.FrameRect(rect, color); }
  void GradientFill(const TriVertex& a, const TriVertex& b, GradientMode mode) override {
    inner_.GradientFill(a, b, mode);
  }
  void SetTextColor(RgbColor color) override { inner_.SetTextColor(color); }
  int32_t DrawText(std::string_view text, const Rect& rect, uint32_t flags) override {
    text_rects.push_back(rect);
    return inner_.DrawText(text, rect, flags);
  }
  void DrawFocusRect(const Rect& rect) override { inner_.DrawFocusRect(rect); }
  void PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) override {
    inner_.PaintPicture(picture, x, y, width, height);
  }

 private:
  Surface& inner_;
};

}  // namespace folivan::testing
