// DrawText on a pixel image: prefix characters, line breaking, alignment and
// clipping as user32's DrawText does them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/font_engine.h"
#include "platform/headless/raster.h"
#include "platform/types.h"

namespace folivan {

// Text with the "&" prefixes taken out: "&x" becomes an underlined x, "&&" a
// single "&", and a lone "&" at the very end disappears.
struct PrefixedText {
  std::u32string text;
  std::vector<size_t> underlined;  // indices into `text`, ascending
};
PrefixedText StripPrefixes(std::u32string_view text);

// Underline and strike-out of the font itself (FontDesc), drawn under or
// through every line as ExtTextOut does.
struct TextDecorations {
  bool underline = false;
  bool strikeout = false;
};

// DrawText with the flags of the dt namespace (surface.h). `image` may be null
// for measurement only.
//
// * Without DT_NOPREFIX, prefixes are processed as StripPrefixes describes
//   (for measuring as well). Each prefixed character gets a one-pixel line
//   from its pen position over its advance width less one pixel (MoveToEx /
//   LineTo leaves out the end), on the row tmAscent + 1 below the line's top,
//   i.e. one row below the first row under the baseline.
// * DT_SINGLELINE: one line; CR and LF are drawn as characters. DT_VCENTER puts
//   the line's top at top + (height - tmHeight) / 2 and DT_BOTTOM at
//   bottom - tmHeight. Otherwise the text breaks at CR, LF and CR LF, and with
//   DT_WORDBREAK also between words: a line takes words while their right end
//   fits in the rectangle's width; the spaces at a break are dropped; a word
//   wider than the rectangle stands alone on its line and is not split.
//   Lines follow each other at tmHeight intervals from the top.
// * Each line goes to x = left (DT_LEFT), right - width (DT_RIGHT) or
//   (left + right - width) / 2 (DT_CENTER); the divisions truncate towards
//   zero like C's.
// * Without DT_NOCLIP the glyphs are clipped to the rectangle as well as to
//   the image. The background is not painted (transparent mode).
// * DT_CALCRECT draws nothing and sets rect.right to left + the widest line and
//   rect.bottom to top + the height of all lines.
// * Returns the height of the text; with DT_VCENTER or DT_BOTTOM on a single
//   line, the offset from rect.top to the bottom of the drawn line. Empty text
//   draws nothing and returns 0 (DT_CALCRECT then collapses the rectangle to
//   its top-left corner).
int32_t DrawTextOnImage(PixelImage* image, SizedFont& font, TextDecorations decorations, std::u32string_view text,
                        Rect& rect, uint32_t flags, RgbColor color);

// What DrawTextOnImage returns for non-empty text when it would lay out a
// single line that inks nothing (the line lies outside the clip, or there is
// no image), found without reading the text; nullopt otherwise.
std::optional<int32_t> SingleLineInkingNothing(const PixelImage* image, const FontMetrics& m,
                                               const Rect& rect, uint32_t flags);

}  // namespace folivan
