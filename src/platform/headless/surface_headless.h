// The drawing surface of the headless platform: a software device context that
// follows Windows GDI pixel for pixel, with the host surface (UserControl)
// properties around it.
//
// Images. The surface keeps two images of its size:
//  * the persistent image (VB's AutoRedraw bitmap), where drawing goes while
//    AutoRedraw is on;
//  * the window image, what the screen shows, where drawing goes while
//    AutoRedraw is off.
// Refresh and a Paint from the host copy the persistent image to the window
// image, so whatever was drawn straight to the window is lost on the next
// repaint, as on Windows. GetPixel and Cls work on the image being drawn to.
//
// Units. The stand-in screen has 15 twips per pixel (96 dpi). Width and Height
// are in twips; ScaleWidth, ScaleHeight, TextWidth and TextHeight are in the
// present scale mode (twips by default, as a new UserControl has it).
//
// Colours. OLE colours (ForeColor, BackColor) are translated to RGB by a
// translator given at construction; by default the system colours of Windows
// XP's blue scheme (see DefaultTranslateColor). The GDI calls take COLORREF
// values as a true-colour bitmap does (GdiColor): RGB values as they are, and
// CLR_INVALID (-1), read as a palette index, black.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/headless/font_engine.h"
#include "platform/headless/raster.h"
#include "platform/surface.h"

namespace folivan {

// OleTranslateColor over Windows XP's default (blue, Luna) system colours:
// 0x00BBGGRR values come back unchanged, 0x80000000 | index gives the system
// colour (COLOR_BTNFACE 15 = RGB(236,233,216), ...), 0x02BBGGRR (palette RGB)
// gives BBGGRR, and anything else (an unknown system index, other high bytes)
// gives -1.
RgbColor DefaultTranslateColor(OleColor color);
// GetSysColor of Windows XP's blue scheme; -1 for an index it does not have.
RgbColor XpBlueSystemColor(int index);
inline constexpr int kSystemColorCount = 31;

enum class SurfaceImage { kPersistent, kWindow };

class HeadlessSurface : public Surface {
 public:
  using ColorTranslator = std::function<RgbColor(OleColor)>;

  static constexpr int32_t kDefaultWidth = 400;
  static constexpr int32_t kDefaultHeight = 300;
  static constexpr int32_t kTwipsPerPixel = 15;
  // The largest side of a surface: larger sizes are cut to it.
  static constexpr int32_t kMaxPixels = 4096;

  // A surface of width x height pixels. A null translator means
  // DefaultTranslateColor, a null font engine the shared one.
  explicit HeadlessSurface(int32_t width = kDefaultWidth, int32_t height = kDefaultHeight,
                           ColorTranslator translator = nullptr, std::shared_ptr<FontEngine> fonts = nullptr);

  // --- the host's surface -----------------------------------------------------------
  WindowHandle Hwnd() const override { return hwnd_; }
  DeviceHandle Hdc() const override { return hdc_; }
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

  // VB's TextWidth and TextHeight: no prefix processing ("&" is measured as a
  // character); with line breaks (CR LF, CR or LF) the widest line and the sum
  // of the line heights. TextHeight("") is one line.
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;

  FontDesc Font() const override { return font_; }
  void SetFont(const FontDesc& font) override {
    font_ = font;
    sized_fonts_ = {};
  }
  void SetFontBold(bool bold) override { font_.bold = bold; }

  OleColor ForeColor() const override { return fore_color_; }
  // Also makes the colour the device context's text colour, as the host does.
  void SetForeColor(OleColor color) override;
  OleColor BackColor() const override { return back_color_; }
  // The new back colour shows at the next Cls (and in pixels added by a
  // resize); the images are not erased when it is set, so a renderer may set
  // the colour between drawing the body and drawing the tabs.
  void SetBackColor(OleColor color) override { back_color_ = color; }

  bool AutoRedraw() const override { return auto_redraw_; }
  void SetAutoRedraw(bool on) override { auto_redraw_ = on; }
  // Fills the image being drawn to with the translated back colour.
  void Cls() override;
  // Copies the persistent image to the window image.
  void Refresh() override;
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool SetFocus() override;
  std::string AccessKeys() const override { return access_keys_; }
  void SetAccessKeys(std::string_view keys) override { access_keys_ = std::string(keys); }

  // --- GDI ------------------------------------------------------------------------
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) override;
  void SetPixelV(int32_t x, int32_t y, RgbColor color) override;
  RgbColor GetPixel(int32_t x, int32_t y) const override;
  void FillRect(const Rect& rect, RgbColor color) override;
  void FrameRect(const Rect& rect, RgbColor color) override;
  void GradientFill(const TriVertex& upper_left, const TriVertex& lower_right, GradientMode mode) override;
  void SetTextColor(RgbColor color) override { text_color_ = color; }
  int32_t DrawText(std::string_view text, const Rect& rect, uint32_t flags) override;
  void DrawFocusRect(const Rect& rect) override;
  void PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) override;

  // --- beyond the interface -----------------------------------------------------------
  // DrawText that gives back the rectangle computed by DT_CALCRECT.
  int32_t DrawTextCalc(std::string_view text, Rect& rect, uint32_t flags);
  // The host's Paint notification: the window shows the persistent image again.
  void Paint() { Refresh(); }
  // The host's message loop once idle: a window whose persistent image was
  // drawn on since it last showed it gets its Paint (what was drawn straight
  // to the window after that drawing stays until then).
  void PaintIfInvalid() {
    if (window_invalid_) Refresh();
  }
  // Resizes both images (new pixels take the back colour).
  void ResizePixels(int32_t width, int32_t height);
  int32_t PixelWidth() const { return persistent_.width(); }
  int32_t PixelHeight() const { return persistent_.height(); }

  const PixelImage& PersistentImage() const { return persistent_; }
  const PixelImage& WindowImage() const { return window_; }
  const PixelImage& Image(SurfaceImage which) const { return which == SurfaceImage::kPersistent ? persistent_ : window_; }
  // The image that drawing goes to now (persistent while AutoRedraw is on).
  const PixelImage& TargetImage() const { return auto_redraw_ ? persistent_ : window_; }
  // Writes an image as PNG, atomically (temporary file, then rename).
  void SavePng(const std::string& path, SurfaceImage which = SurfaceImage::kWindow) const;

  RgbColor TranslateColor(OleColor color) const { return translate_(color); }
  RgbColor TextColor() const { return text_color_; }
  bool Enabled() const { return enabled_; }
  bool HasFocus() const { return has_focus_; }
  // The host takes the focus away (another control got it).
  void KillFocus() { has_focus_ = false; }
  // The sized font for the present font description.
  SizedFont& CurrentFont() const;

 private:
  PixelImage& Target() {
    window_invalid_ = window_invalid_ || auto_redraw_;
    return auto_redraw_ ? persistent_ : window_;
  }
  double UnitsPerPixel(ScaleMode mode, bool vertical) const;
  double TextExtent(std::string_view text, bool height) const;

  ColorTranslator translate_;
  std::shared_ptr<FontEngine> fonts_;
  PixelImage persistent_;
  PixelImage window_;
  bool window_invalid_ = false;  // the persistent image changed since the window last showed it
  WindowHandle hwnd_;
  DeviceHandle hdc_;
  ScaleMode scale_mode_ = ScaleMode::kTwips;
  FontDesc font_;
  OleColor fore_color_ = SystemColor(18);  // COLOR_BTNTEXT
  OleColor back_color_ = SystemColor(15);  // COLOR_BTNFACE
  RgbColor text_color_ = 0;
  bool auto_redraw_ = false;
  bool enabled_ = true;
  bool has_focus_ = false;
  std::string access_keys_;
  // The sized fonts of the present description, regular and bold (captions
  // switch to bold and back on every repaint); fonts live as long as the engine.
  mutable std::array<SizedFont*, 2> sized_fonts_{};
};

}  // namespace folivan
