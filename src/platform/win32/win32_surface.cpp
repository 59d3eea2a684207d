#include "platform/win32/win32_surface.h"

#include <cmath>

#include "platform/win32/com_picture.h"

namespace folivan::win32 {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kDefaultWidthPx = 320;
constexpr int kDefaultHeightPx = 200;

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
}  // namespace

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

COLORREF ToColorRef(OleColor color) {
  COLORREF rgb = 0;
  if (FAILED(::OleTranslateColor(color, nullptr, &rgb))) return 0;
  return rgb;
}

Win32Surface::Win32Surface() {
  HDC screen = GetDC(nullptr);
  dpi_x_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpi_y_ = GetDeviceCaps(screen, LOGPIXELSY);
  if (dpi_x_ <= 0) dpi_x_ = 96;
  if (dpi_y_ <= 0) dpi_y_ = 96;
  memory_dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  SetBkMode(memory_dc_, TRANSPARENT);
  text_color_ = ToColorRef(fore_color_);
  ::SetTextColor(memory_dc_, text_color_);
  ApplyFont();
  Resize(kDefaultWidthPx, kDefaultHeightPx);
}

Win32Surface::~Win32Surface() {
  if (initial_bitmap_) SelectObject(memory_dc_, initial_bitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (font_handle_) {
    SelectObject(memory_dc_, GetStockObject(SYSTEM_FONT));
    DeleteObject(font_handle_);
  }
  DeleteDC(memory_dc_);
}

void Win32Surface::AttachWindow(HWND hwnd) {
  hwnd_ = hwnd;
  if (hwnd_) {
    HDC dc = GetDC(hwnd_);  // the window's own DC: keeps its state
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text_color_);
    if (font_handle_) SelectObject(dc, font_handle_);
    ReleaseDC(hwnd_, dc);
  }
}

void Win32Surface::Resize(int width_px, int height_px) {
  if (width_px < 1) width_px = 1;
  if (height_px < 1) height_px = 1;
  if (bitmap_ && width_px == width_px_ && height_px == height_px_) return;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width_px, height_px);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory_dc_, bitmap);
  if (!initial_bitmap_) initial_bitmap_ = previous;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = bitmap;
  width_px_ = width_px;
  height_px_ = height_px;
  ClearImage(memory_dc_);
}

void Win32Surface::Blit(HDC dc, const RECT& bounds) const {
  int w = bounds.right - bounds.left;
  int h = bounds.bottom - bounds.top;
  if (w == width_px_ && h == height_px_) {
    BitBlt(dc, bounds.left, bounds.top, w, h, memory_dc_, 0, 0, SRCCOPY);
  } else {
    StretchBlt(dc, bounds.left, bounds.top, w, h, memory_dc_, 0, 0, width_px_, height_px_, SRCCOPY);
  }
}

HDC Win32Surface::DrawingDc() const {
  if (auto_redraw_ || !hwnd_) return memory_dc_;
  HDC dc = GetDC(hwnd_);
  ReleaseDC(hwnd_, dc);  // CS_OWNDC: the handle stays valid
  return dc;
}

WindowHandle Win32Surface::Hwnd() const { return reinterpret_cast<WindowHandle>(hwnd_); }
DeviceHandle Win32Surface::Hdc() const { return reinterpret_cast<DeviceHandle>(DrawingDc()); }

double Win32Surface::TwipsPerUnit(ScaleMode mode, bool horizontal) const {
  switch (mode) {
    case ScaleMode::kPixels:
      return kTwipsPerInch / (horizontal ? dpi_x_ : dpi_y_);
    case ScaleMode::kPoints:
      return 20.0;
    case ScaleMode::kHimetric:
      return kTwipsPerInch / 2540.0;
    case ScaleMode::kTwips:
    case ScaleMode::kUser:
    default:
      return 1.0;
  }
}

double Win32Surface::ScaleX(double value, ScaleMode from, ScaleMode to) const {
  return value * TwipsPerUnit(from, true) / TwipsPerUnit(to, true);
}
double Win32Surface::ScaleY(double value, ScaleMode from, ScaleMode to) const {
  return value * TwipsPerUnit(from, false) / TwipsPerUnit(to, false);
}
double Win32Surface::ScaleWidth() const { return ScaleX(width_px_, ScaleMode::kPixels, scale_mode_); }
double Win32Surface::ScaleHeight() const { return ScaleY(height_px_, ScaleMode::kPixels, scale_mode_); }
double Win32Surface::Width() const { return ScaleX(width_px_, ScaleMode::kPixels, ScaleMode::kTwips); }
double Win32Surface::Height() const { return ScaleY(height_px_, ScaleMode::kPixels, ScaleMode::kTwips); }

void Win32Surface::SetWidth(double twips) {
  if (on_size_request) on_size_request(twips, Height());
  else Resize(static_cast<int>(std::lround(ScaleX(twips, ScaleMode::kTwips, ScaleMode::kPixels))), height_px_);
}

void Win32Surface::SetHeight(double twips) {
  if (on_size_request) on_size_request(Width(), twips);
  else Resize(width_px_, static_cast<int>(std::lround(ScaleY(twips, ScaleMode::kTwips, ScaleMode::kPixels))));
}

// Text extent in pixels: the widest line, and the height of all lines (an
// empty text is one line high).
SIZE Win32Surface::TextExtent(std::string_view text) const {
  std::wstring w = Widen(text);
  TEXTMETRICW metrics{};
  GetTextMetricsW(memory_dc_, &metrics);
  LONG widest = 0;
  LONG lines = 1;
  size_t start = 0;
  for (size_t i = 0; i <= w.size(); ++i) {
    if (i < w.size() && w[i] != L'\r' && w[i] != L'\n') continue;
    SIZE size{};
    GetTextExtentPoint32W(memory_dc_, w.c_str() + start, static_cast<int>(i - start), &size);
    if (size.cx > widest) widest = size.cx;
    if (i == w.size()) break;
    if (w[i] == L'\r' && i + 1 < w.size() && w[i + 1] == L'\n') ++i;
    start = i + 1;
    ++lines;
  }
  return SIZE{widest, lines * metrics.tmHeight};
}

double Win32Surface::TextWidth(std::string_view text) const {
  return ScaleX(TextExtent(text).cx, ScaleMode::kPixels, scale_mode_);
}

double Win32Surface::TextHeight(std::string_view text) const {
  return ScaleY(TextExtent(text).cy, ScaleMode::kPixels, scale_mode_);
}

void Win32Surface::ApplyFont() {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(font_.size * dpi_y_ / 72.0));
  lf.lfWeight = font_.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font_.italic;
  lf.lfUnderline = font_.underline;
  lf.lfStrikeOut = font_.strikethrough;
  lf.lfCharSet = static_cast<BYTE>(font_.charset);
  std::wstring face = Widen(font_.name);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  SelectObject(memory_dc_, font);
  if (hwnd_) {
    HDC dc = GetDC(hwnd_);
    SelectObject(dc, font);
    ReleaseDC(hwnd_, dc);
  }
  if (font_handle_) DeleteObject(font_handle_);
  font_handle_ = font;
}

void Win32Surface::SetFont(const FontDesc& font) {
  font_ = font;
  ApplyFont();
}

void Win32Surface::SetFontBold(bool bold) {
  font_.bold = bold;
  ApplyFont();
}

void Win32Surface::SetForeColor(OleColor color) {
  fore_color_ = color;
  SetTextColor(static_cast<RgbColor>(ToColorRef(color)));
}

// The back colour takes effect at the next Cls.
void Win32Surface::SetBackColor(OleColor color) { back_color_ = color; }

void Win32Surface::Cls() { ClearImage(DrawingDc()); }

void Win32Surface::ClearImage(HDC dc) {
  RECT all{0, 0, width_px_, height_px_};
  HBRUSH brush = CreateSolidBrush(ToColorRef(back_color_));
  ::FillRect(dc, &all, brush);
  DeleteObject(brush);
}

void Win32Surface::Refresh() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
  if (on_refresh) on_refresh();
}

void Win32Surface::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Win32Surface::SetFocus() {
  if (on_focus_request) return on_focus_request();
  if (!hwnd_) return false;
  ::SetFocus(hwnd_);
  return true;
}

void Win32Surface::SetAccessKeys(std::string_view keys) {
  access_keys_ = std::string(keys);
  if (on_access_keys) on_access_keys();
}

void Win32Surface::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RgbColor color) {
  HDC dc = DrawingDc();
  HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(color));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Win32Surface::SetPixelV(int32_t x, int32_t y, RgbColor color) {
  ::SetPixelV(DrawingDc(), x, y, static_cast<COLORREF>(color));
}

RgbColor Win32Surface::GetPixel(int32_t x, int32_t y) const {
  return static_cast<RgbColor>(::GetPixel(DrawingDc(), x, y));
}

void Win32Surface::FillRect(const Rect& rect, RgbColor color) {
  RECT r = ToRect(rect);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color));
  ::FillRect(DrawingDc(), &r, brush);
  DeleteObject(brush);
}

void Win32Surface::FrameRect(const Rect& rect, RgbColor color) {
  RECT r = ToRect(rect);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color));
  ::FrameRect(DrawingDc(), &r, brush);
  DeleteObject(brush);
}

void Win32Surface::GradientFill(const TriVertex& upper_left, const TriVertex& lower_right, GradientMode mode) {
  TRIVERTEX v[2] = {
      {upper_left.x, upper_left.y, upper_left.red, upper_left.green, upper_left.blue, upper_left.alpha},
      {lower_right.x, lower_right.y, lower_right.red, lower_right.green, lower_right.blue, lower_right.alpha}};
  GRADIENT_RECT gr{0, 1};
  ::GdiGradientFill(DrawingDc(), v, 2, &gr, 1,
                    mode == GradientMode::kVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void Win32Surface::SetTextColor(RgbColor color) {
  text_color_ = static_cast<COLORREF>(color);
  ::SetTextColor(memory_dc_, text_color_);
  if (hwnd_) {
    HDC dc = GetDC(hwnd_);
    ::SetTextColor(dc, text_color_);
    ReleaseDC(hwnd_, dc);
  }
}

int32_t Win32Surface::DrawText(std::string_view text, const Rect& rect, uint32_t flags) {
  std::wstring w = Widen(text);
  RECT r = ToRect(rect);
  return ::DrawTextW(DrawingDc(), w.c_str(), static_cast<int>(w.size()), &r, flags);
}

void Win32Surface::DrawFocusRect(const Rect& rect) {
  RECT r = ToRect(rect);
  ::DrawFocusRect(DrawingDc(), &r);
}

void Win32Surface::PaintPicture(const Picture& picture, int32_t x, int32_t y, int32_t width, int32_t height) {
  if (auto* com = dynamic_cast<const ComPicture*>(&picture)) com->Render(DrawingDc(), x, y, width, height);
}

}  // namespace folivan::win32
