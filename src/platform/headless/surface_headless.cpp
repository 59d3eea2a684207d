#include "platform/headless/surface_headless.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"
#include "platform/headless/text_layout.h"

namespace folivan {
namespace {

// Windows XP, "Windows XP style", blue colour scheme; indices are COLOR_xxx.
constexpr RgbColor kXpSystemColors[] = {
    Rgb(212, 208, 200),  // 0 COLOR_SCROLLBAR
    Rgb(0, 78, 152),     // 1 COLOR_BACKGROUND
    Rgb(0, 84, 227),     // 2 COLOR_ACTIVECAPTION
    Rgb(122, 150, 223),  // 3 COLOR_INACTIVECAPTION
    Rgb(255, 255, 255),  // 4 COLOR_MENU
    Rgb(255, 255, 255),  // 5 COLOR_WINDOW
    Rgb(0, 0, 0),        // 6 COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        // 7 COLOR_MENUTEXT
    Rgb(0, 0, 0),        // 8 COLOR_WINDOWTEXT
    Rgb(255, 255, 255),  // 9 COLOR_CAPTIONTEXT
    Rgb(212, 208, 200),  // 10 COLOR_ACTIVEBORDER
    Rgb(212, 208, 200),  // 11 COLOR_INACTIVEBORDER
    Rgb(128, 128, 128),  // 12 COLOR_APPWORKSPACE
    Rgb(49, 106, 197),   // 13 COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // 14 COLOR_HIGHLIGHTTEXT
    Rgb(236, 233, 216),  // 15 COLOR_BTNFACE
    Rgb(172, 168, 153),  // 16 COLOR_BTNSHADOW
    Rgb(172, 168, 153),  // 17 COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // 18 COLOR_BTNTEXT
    Rgb(216, 228, 248),  // 19 COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // 20 COLOR_BTNHIGHLIGHT
    Rgb(113, 111, 100),  // 21 COLOR_3DDKSHADOW
    Rgb(241, 239, 226),  // 22 COLOR_3DLIGHT
    Rgb(0, 0, 0),        // 23 COLOR_INFOTEXT
    Rgb(255, 255, 225),  // 24 COLOR_INFOBK
    -1,                  // 25 (unused)
    Rgb(0, 0, 128),      // 26 COLOR_HOTLIGHT
    Rgb(61, 149, 255),   // 27 COLOR_GRADIENTACTIVECAPTION
    Rgb(157, 185, 235),  // 28 COLOR_GRADIENTINACTIVECAPTION
    Rgb(49, 106, 197),   // 29 COLOR_MENUHILIGHT
    Rgb(236, 233, 216),  // 30 COLOR_MENUBAR
};

// Fake handles: non-zero, distinct per surface, shaped like Windows handles.
intptr_t NextHandle() {
  static std::atomic<intptr_t> next{0x10010};
  return next += 4;
}

int32_t RoundPixels(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int32_t>(std::clamp(std::nearbyint(v), 0.0, double{HeadlessSurface::kMaxPixels}));
}

}  // namespace

RgbColor XpBlueSystemColor(int index) {
  if (index < 0 || static_cast<size_t>(index) >= std::size(kXpSystemColors)) return -1;
  return kXpSystemColors[index];
}

static_assert(std::size(kXpSystemColors) == kSystemColorCount);

RgbColor DefaultTranslateColor(OleColor color) {
  const uint32_t kind = color >> 24;
  if (kind == 0x00 || kind == 0x02) return static_cast<RgbColor>(color & 0x00FFFFFFu);
  if (kind == 0x80) {
    const uint32_t index = color & 0x00FFFFFFu;
    if (index < std::size(kXpSystemColors)) return kXpSystemColors[index];
  }
  return -1;
}

HeadlessSurface::HeadlessSurface(int32_t width, int32_t height, ColorTranslator translator,
                                 std::shared_ptr<FontEngine> fonts)
    : translate_(translator ? std::move(translator) : ColorTranslator(DefaultTranslateColor)),
      fonts_(fonts ? std::move(fonts) : FontEngine::Shared()),
      hwnd_(NextHandle()),
      hdc_(NextHandle()) {
  font_.name = kFallbackFontFamily;
  font_.size = 8.25;
  text_color_ = translate_(fore_color_);
  const RgbColor back = GdiColor(translate_(back_color_));
  persistent_ = PixelImage(std::clamp(width, 0, kMaxPixels), std::clamp(height, 0, kMaxPixels), back);
  window_ = persistent_;
}

// --- scale ------------------------------------------------------------------------
double HeadlessSurface::UnitsPerPixel(ScaleMode mode, bool vertical) const {
  switch (static_cast<int>(mode)) {
    case 3: return 1.0;                              // pixels
    case 2: return kTwipsPerPixel / 20.0;            // points
    case 4: return kTwipsPerPixel / (vertical ? 240.0 : 120.0);  // characters
    case 5: return kTwipsPerPixel / 1440.0;          // inches
    case 6: return kTwipsPerPixel / 1440.0 * 25.4;   // millimetres
    case 7: return kTwipsPerPixel / 1440.0 * 2.54;   // centimetres
    case 8: return kTwipsPerPixel / 1440.0 * 2540.0; // himetric
    default: return kTwipsPerPixel;                  // twips, and the default user scale
  }
}

double HeadlessSurface::ScaleWidth() const { return PixelWidth() * UnitsPerPixel(scale_mode_, false); }
double HeadlessSurface::ScaleHeight() const { return PixelHeight() * UnitsPerPixel(scale_mode_, true); }

double HeadlessSurface::ScaleX(double value, ScaleMode from, ScaleMode to) const {
  return value / UnitsPerPixel(from, false) * UnitsPerPixel(to, false);
}
double HeadlessSurface::ScaleY(double value, ScaleMode from, ScaleMode to) const {
  return value / UnitsPerPixel(from, true) * UnitsPerPixel(to, true);
}

double HeadlessSurface::Width() const { return static_cast<double>(PixelWidth()) * kTwipsPerPixel; }
double HeadlessSurface::Height() const { return static_cast<double>(PixelHeight()) * kTwipsPerPixel; }
void HeadlessSurface::SetWidth(double twips) { ResizePixels(RoundPixels(twips / kTwipsPerPixel), PixelHeight()); }
void HeadlessSurface::SetHeight(double twips) { ResizePixels(PixelWidth(), RoundPixels(twips / kTwipsPerPixel)); }

void HeadlessSurface::ResizePixels(int32_t width, int32_t height) {
  const RgbColor back = GdiColor(translate_(back_color_));
  persistent_.Resize(width, height, back);
  window_.Resize(width, height, back);
}

// --- text measurement ----------------------------------------------------------------
SizedFont& HeadlessSurface::CurrentFont() const {
  SizedFont*& sized = sized_fonts_[font_.bold ? 1 : 0];
  if (!sized) sized = &fonts_->Get(font_);
  return *sized;
}

double HeadlessSurface::TextExtent(std::string_view text, bool height) const {
  SizedFont& font = CurrentFont();
  // Read in place, without a decoded copy: captions are measured on every
  // repaint. Line breaks are single bytes in every encoding read here.
  if (height) {
    int64_t lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r' && text[i] != '\n') continue;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++lines;
    }
    return static_cast<double>(lines * font.metrics().height) * UnitsPerPixel(scale_mode_, true);
  }
  int64_t widest = 0;
  int64_t width = 0;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const char32_t c = byte < 0x80 ? (++i, byte) : NextCodePoint(text, i);
    if (c != U'\r' && c != U'\n') {
      width += font.GetGlyph(c).advance;
      continue;
    }
    if (c == U'\r' && i < text.size() && text[i] == '\n') ++i;
    widest = std::max(widest, width);
    width = 0;
  }
  widest = std::max(widest, width);
  return static_cast<double>(widest) * UnitsPerPixel(scale_mode_, false);
}

double HeadlessSurface::TextWidth(std::string_view text) const { return TextExtent(text, false); }
double HeadlessSurface::TextHeight(std::string_view text) const { return TextExtent(text, true); }

// --- colours and state -------------------------------------------------------------
void HeadlessSurface::SetForeColor(OleColor color) {
  fore_color_ = color;
  text_color_ = translate_(color);
}

void HeadlessSurface::Cls() { Target().Fill(GdiColor(translate_(back_color_))); }

void HeadlessSurface::Refresh() {
  window_ = persistent_;
  window_invalid_ = false;
}

bool HeadlessSurface::SetFocus() {
  has_focus_ = true;
  return true;
}

// --- GDI ------------------------------------------------------------------------------
void HeadlessSurface::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) {
  folivan::DrawLine(Target(), x1, y1, x2, y2, GdiColor(color));
}

void HeadlessSurface::SetPixelV(int32_t x, int32_t y, RgbColor color) { Target().Set(x, y, GdiColor(color)); }

RgbColor HeadlessSurface::GetPixel(int32_t x, int32_t y) const { return TargetImage().At(x, y); }

void HeadlessSurface::FillRect(const Rect& rect, RgbColor color) {
  folivan::FillRect(Target(), FillRectArea(rect), GdiColor(color));
}

void HeadlessSurface::FrameRect(const Rect& rect, RgbColor color) {
  folivan::FrameRect(Target(), rect, GdiColor(color));
}

void HeadlessSurface::GradientFill(const TriVertex& upper_left, const TriVertex& lower_right, GradientMode mode) {
  folivan::GradientFill(Target(), upper_left, lower_right, mode);
}

int32_t HeadlessSurface::DrawText(std::string_view text, const Rect& rect, uint32_t flags) {
  Rect r = rect;
  return DrawTextCalc(text, r, flags);
}

int32_t HeadlessSurface::DrawTextCalc(std::string_view text, Rect& rect, uint32_t flags) {
  const TextDecorations deco{font_.underline, font_.strikethrough};
  SizedFont& font = CurrentFont();
  PixelImage& target = Target();
  // A caption beyond the surface's edges is not even decoded.
  if (!text.empty()) {
    if (const auto nothing = SingleLineInkingNothing(&target, font.metrics(), rect, flags)) return *nothing;
  }
  return DrawTextOnImage(&target, font, deco, DecodeText(text), rect, flags, GdiColor(text_color_));
}

void HeadlessSurface::DrawFocusRect(const Rect& rect) { folivan::DrawFocusRect(Target(), rect); }

void HeadlessSurface::PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) {
  if (picture.Handle() == 0) return;
  const auto* image_picture = dynamic_cast<const ImagePicture*>(&picture);
  if (!image_picture) return;  // a picture of another platform has no pixels here
  StretchBlit(Target(), x, y, width, height, image_picture->image());
}

void HeadlessSurface::SavePng(const std::string& path, SurfaceImage which) const { WritePng(Image(which), path); }

}  // namespace folivan
