#include "platform/headless/classic_controls.h"

#include <algorithm>

#include "platform/headless/font_engine.h"
#include "platform/headless/text_layout.h"

namespace folivan {

namespace {

constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int32_t kItemHeight = 13;   // a list entry in Tahoma 8
constexpr int32_t kBoxSize = 13;      // check box and option button glyphs
constexpr int32_t kComboButton = 17;  // the drop-down button's width, as Wine's user32 draws it

SizedFont& ControlFont(bool bold) { return FontEngine::Shared()->Get(FontDesc{"Tahoma", 8.25, bold}); }

void Text(PixelImage& image, const ClassicControl& c, const std::string& text, Rect rect, uint32_t flags, RgbColor color) {
  DrawTextOnImage(&image, ControlFont(c.bold), {}, DecodeText(text), rect, flags, color);
}

// A caption in its enabled colour, or embossed grey when disabled (highlight
// one pixel down and right under the shadow), as user32 draws disabled text.
void Caption(PixelImage& image, const ClassicControl& c, const std::string& text, const Rect& rect, uint32_t flags,
             const ClassicColors& k) {
  if (c.enabled) {
    Text(image, c, text, rect, flags, k.button_text);
    return;
  }
  Text(image, c, text, Rect{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1}, flags, k.highlight);
  Text(image, c, text, rect, flags, k.shadow);
}

// One ring of a 3-D edge: the top and left sides in `top_left`, the bottom and
// right sides in `bottom_right` (which owns both corners it touches).
void Ring(PixelImage& image, const Rect& r, RgbColor top_left, RgbColor bottom_right) {
  if (r.Width() < 2 || r.Height() < 2) return;
  FillRect(image, Rect{r.left, r.top, r.right - 1, r.top + 1}, top_left);       // Top
  FillRect(image, Rect{r.left, r.top, r.left + 1, r.bottom - 1}, top_left);     // Left
  FillRect(image, Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);  // Bottom
  FillRect(image, Rect{r.right - 1, r.top, r.right, r.bottom}, bottom_right);    // Right
}

Rect Deflate(const Rect& r, int32_t by) { return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// EDGE_SUNKEN: shadow over dark shadow at the top left, highlight over light at the bottom right.
void SunkenEdge(PixelImage& image, const Rect& r, const ClassicColors& k) {
  Ring(image, r, k.shadow, k.highlight);
  Ring(image, Deflate(r, 1), k.dark_shadow, k.light);
}

// EDGE_RAISED as a push button has it: highlight over light, dark shadow over shadow.
void RaisedEdge(PixelImage& image, const Rect& r, const ClassicColors& k) {
  Ring(image, r, k.highlight, k.dark_shadow);
  Ring(image, Deflate(r, 1), k.light, k.shadow);
}

// A small picture from rows of letters: s shadow, d dark shadow, h highlight,
// l light, w window, x the glyph colour; anything else is left alone.
void Glyph(PixelImage& image, int32_t x, int32_t y, std::initializer_list<const char*> rows, const ClassicColors& k,
           RgbColor ink) {
  int32_t row = 0;
  for (const char* line : rows) {
    for (int32_t col = 0; line[col] != '\0'; ++col) {
      RgbColor c = -1;
      switch (line[col]) {
        case 's': c = k.shadow; break;
        case 'd': c = k.dark_shadow; break;
        case 'h': c = k.highlight; break;
        case 'l': c = k.light; break;
        case 'w': c = k.window; break;
        case 'x': c = ink; break;
        default: break;
      }
      if (c != -1) image.Set(x + col, y + row, c);
    }
    ++row;
  }
}

void DrawLabel(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  if (c.opaque) FillRect(image, c.rect, k.face);
  static constexpr uint32_t kAlign[] = {dt::kLeft, dt::kRight, dt::kCenter};
  Caption(image, c, c.text, c.rect, dt::kWordBreak | kAlign[std::clamp(c.alignment, 0, 2)], k);
}

void DrawTextBox(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, c.enabled ? k.window : k.face);
  const int32_t border = c.border ? 2 : 0;
  if (c.border) SunkenEdge(image, c.rect, k);
  // Text: one pixel inside the border, a pixel of margin on the left.
  Rect area{c.rect.left + border + 2, c.rect.top + border + 1, c.rect.right - border - 1, c.rect.bottom - border};
  static constexpr uint32_t kAlign[] = {dt::kLeft, dt::kRight, dt::kCenter};
  Text(image, c, c.text, area, dt::kSingleLine | dt::kNoPrefix | kAlign[std::clamp(c.alignment, 0, 2)],
       c.enabled ? k.window_text : k.gray_text);
}

void DrawButton(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, k.face);
  RaisedEdge(image, c.rect, k);
  Caption(image, c, c.text, Deflate(c.rect, 2), dt::kCenter | dt::kVCenter | dt::kSingleLine, k);
}

// The 13 x 13 box of a check box at the control's left edge, a pixel above its
// middle; the 12 x 12 circle of an option button a pixel in, at its middle;
// the caption 4 pixels after the box.
void DrawCheckOrOption(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, k.face);
  int32_t x = c.rect.left;
  int32_t y = c.rect.top + (c.rect.Height() - kBoxSize - 1) / 2;
  const RgbColor ink = c.enabled ? k.window_text : k.shadow;
  if (c.kind == ClassicKind::kCheckBox) {
    const Rect box{x, y, x + kBoxSize, y + kBoxSize};
    FillRect(image, Deflate(box, 2), c.enabled ? k.window : k.face);
    SunkenEdge(image, box, k);
    if (c.checked) {
      Glyph(image, x + 3, y + 3,
            {"......x", ".....xx", "....xxx", "x..xxx.", "xxxxx..", "xxxx...", ".xx...."}, k, ink);
    }
  } else {
    x = c.rect.left + 1;
    y = c.rect.top + (c.rect.Height() - 12) / 2;
    Glyph(image, x, y,
          {"....ssss....", "..ssddddss..", ".ssdwwwwd.h.", ".sdwwwwwwlh.", "sdwwwwwwwwlh", "sdwwwwwwwwlh",
           "sdwwwwwwwwlh", "sdwwwwwwwwlh", ".sdwwwwwwlh.", ".hhlwwwwlhh.", "..hhllllhh..", "....hhhh...."},
          k, ink);
    if (c.checked) Glyph(image, x + 4, y + 4, {".xx.", "xxxx", "xxxx", ".xx."}, k, ink);
  }
  Rect area{c.rect.left + kBoxSize + 4, c.rect.top, c.rect.right, c.rect.bottom};
  Caption(image, c, c.text, area, dt::kLeft | dt::kVCenter | dt::kSingleLine, k);
}

// An etched rectangle whose top runs a pixel above the middle of the caption,
// the caption standing on the face 8 pixels in, with a pixel of face before it.
void DrawFrame(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, k.face);
  const int32_t top = c.rect.top + kItemHeight / 2 - 1;
  // EDGE_ETCHED: shadow over highlight at the top left, highlight over shadow at the bottom right.
  Ring(image, Rect{c.rect.left, top, c.rect.right, c.rect.bottom}, k.shadow, k.highlight);
  Ring(image, Rect{c.rect.left + 1, top + 1, c.rect.right - 1, c.rect.bottom - 1}, k.highlight, k.shadow);
  if (c.text.empty()) return;
  Rect measure{0, 0, 0, 0};
  DrawTextOnImage(nullptr, ControlFont(c.bold), {}, DecodeText(c.text), measure, dt::kCalcRect | dt::kSingleLine, 0);
  const Rect label{c.rect.left + 7, c.rect.top, std::min(c.rect.left + 8 + measure.right + 2, c.rect.right - 4),
                   c.rect.top + kItemHeight};
  FillRect(image, label, k.face);
  Caption(image, c, c.text, Rect{label.left + 1, label.top, label.right, label.bottom}, dt::kLeft | dt::kSingleLine, k);
}

void DrawList(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, k.window);
  SunkenEdge(image, c.rect, k);
  const Rect inside = Deflate(c.rect, 2);
  for (size_t i = 0; i < c.items.size(); ++i) {
    const int32_t top = inside.top + static_cast<int32_t>(i) * kItemHeight;
    if (top >= inside.bottom) break;
    const Rect item{inside.left, top, inside.right, std::min(top + kItemHeight, inside.bottom)};
    const bool chosen = static_cast<int>(i) == c.selected;
    if (chosen) FillRect(image, item, k.selection);
    Text(image, c, c.items[i], Rect{item.left + 2, item.top, item.right, item.bottom}, dt::kLeft | dt::kSingleLine | dt::kNoPrefix,
         chosen ? k.selection_text : (c.enabled ? k.window_text : k.gray_text));
  }
}

void DrawCombo(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  FillRect(image, c.rect, c.enabled ? k.window : k.face);
  SunkenEdge(image, c.rect, k);
  const Rect inside = Deflate(c.rect, 2);
  // Drop-down button: a raised edge (light over highlight, dark shadow over
  // shadow) with a black triangle, 7 x 4, in its middle.
  const Rect button{inside.right - kComboButton, inside.top, inside.right, inside.bottom};
  FillRect(image, button, k.face);
  Ring(image, button, k.light, k.dark_shadow);
  Ring(image, Deflate(button, 1), k.highlight, k.shadow);
  const int32_t ax = button.left + (button.Width() - 7) / 2;
  const int32_t ay = button.top + (button.Height() - 3) / 2;
  Glyph(image, ax, ay, {"xxxxxxx", ".xxxxx.", "..xxx..", "...x..."}, k, c.enabled ? k.button_text : k.gray_text);
  Text(image, c, c.text, Rect{inside.left + 2, inside.top, button.left - 1, inside.bottom},
       dt::kLeft | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix, c.enabled ? k.window_text : k.gray_text);
}

void DrawPicture(PixelImage& image, const ClassicControl& c, int32_t inset) {
  if (c.picture.empty()) return;
  const Rect area = Deflate(c.rect, inset);
  for (int32_t y = 0; y < c.picture.height() && area.top + y < area.bottom; ++y) {
    for (int32_t x = 0; x < c.picture.width() && area.left + x < area.right; ++x) {
      const uint32_t p = c.picture.Get(x, y);
      if ((p >> 24) >= 128) image.Set(area.left + x, area.top + y, static_cast<RgbColor>(p & 0xFFFFFF));
    }
  }
}

}  // namespace

ClassicColors ClassicColors::Of(const System& system) {
  ClassicColors k{};
  k.face = system.GetSysColor(syscolor::kBtnFace);
  k.shadow = system.GetSysColor(syscolor::kBtnShadow);
  k.highlight = system.GetSysColor(syscolor::kBtnHighlight);
  k.dark_shadow = system.GetSysColor(syscolor::k3DDkShadow);
  k.light = system.GetSysColor(syscolor::k3DLight);
  k.window = system.GetSysColor(kWindow);
  k.window_text = system.GetSysColor(kWindowText);
  k.button_text = system.GetSysColor(syscolor::kBtnText);
  k.gray_text = system.GetSysColor(syscolor::kGrayText);
  k.selection = system.GetSysColor(syscolor::kHighlight);
  k.selection_text = system.GetSysColor(syscolor::kHighlightText);
  return k;
}

void DrawClassicControl(PixelImage& image, const ClassicControl& c, const ClassicColors& k) {
  if (IsEmpty(c.rect)) return;
  switch (c.kind) {
    case ClassicKind::kLabel: DrawLabel(image, c, k); break;
    case ClassicKind::kTextBox: DrawTextBox(image, c, k); break;
    case ClassicKind::kButton: DrawButton(image, c, k); break;
    case ClassicKind::kCheckBox:
    case ClassicKind::kOption: DrawCheckOrOption(image, c, k); break;
    case ClassicKind::kFrame: DrawFrame(image, c, k); break;
    case ClassicKind::kList: DrawList(image, c, k); break;
    case ClassicKind::kCombo: DrawCombo(image, c, k); break;
    case ClassicKind::kPictureBox:
      FillRect(image, c.rect, k.face);
      if (c.border) SunkenEdge(image, c.rect, k);
      DrawPicture(image, c, c.border ? 2 : 0);
      break;
    case ClassicKind::kShape: FrameRect(image, c.rect, k.window_text); break;
    case ClassicKind::kImage: DrawPicture(image, c, 0); break;
  }
}

void DrawClassicLine(PixelImage& image, Point from, Point to, RgbColor color) {
  DrawLine(image, from.x, from.y, to.x, to.y, color);
  image.Set(to.x, to.y, color);
}

}  // namespace folivan
