#include "platform/headless/text_layout.h"

#include <algorithm>

#include "platform/surface.h"

namespace folivan {
namespace {

// One line: the characters text[from, to) of the prefix-stripped text.
struct Line {
  size_t from = 0;
  size_t to = 0;
  int32_t width = 0;
};

// Appends text[from, to) as a new line.
void AddLine(std::vector<Line>& lines, size_t from, size_t to) { lines.push_back(Line{from, to, 0}); }

// Breaks one paragraph text[from, to) into lines no wider than `width`, between words.
void WrapParagraph(std::vector<Line>& lines, const PrefixedText& src, size_t from, size_t to, SizedFont& font,
                   int64_t width) {
  const std::u32string& t = src.text;
  size_t line_start = from;
  while (true) {
    // The line takes words while the right end of the last one fits.
    size_t line_end = line_start;  // end of the last word taken
    size_t pos = line_start;
    int64_t pen = 0;      // advance from line_start to pos
    bool any_word = false;
    bool broke = false;
    while (pos < to) {
      // Spaces before the next word.
      size_t word = pos;
      int64_t spaces = 0;
      while (word < to && t[word] == U' ') spaces += font.GetGlyph(t[word++]).advance;
      if (word >= to) break;
      size_t word_end = word;
      int64_t word_width = 0;
      while (word_end < to && t[word_end] != U' ') word_width += font.GetGlyph(t[word_end++]).advance;
      const int64_t right = pen + spaces + word_width;
      if (any_word && right > width) {
        broke = true;
        break;
      }
      pen = right;
      line_end = word_end;
      pos = word_end;
      any_word = true;
    }
    if (!any_word) {
      // Nothing but spaces left: keep them as the (possibly empty) last line.
      AddLine(lines, line_start, to);
      return;
    }
    if (!broke) {
      AddLine(lines, line_start, to);  // trailing spaces stay on the last line
      return;
    }
    AddLine(lines, line_start, line_end);
    line_start = line_end;
    while (line_start < to && t[line_start] == U' ') ++line_start;  // spaces at a break are dropped
  }
}

int32_t Clamp32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// The first line's top row, and what DrawText returns, for text of `total` rows.
struct Placement {
  int64_t y = 0;
  int32_t result = 0;
};
Placement Place(const Rect& rect, uint32_t flags, const FontMetrics& m, int64_t total) {
  const bool single = (flags & dt::kSingleLine) != 0;
  if (single && (flags & dt::kVCenter)) {
    const int64_t y = rect.top + (static_cast<int64_t>(rect.bottom) - rect.top - m.height) / 2;
    return {y, Clamp32(y + m.height - rect.top)};
  }
  if (single && (flags & dt::kBottom)) {
    const int64_t y = static_cast<int64_t>(rect.bottom) - m.height;
    return {y, Clamp32(y + m.height - rect.top)};
  }
  return {rect.top, Clamp32(total)};
}

// The pixels text may ink: the image, within the rectangle unless kNoClip.
Rect ClipOf(const PixelImage& image, const Rect& rect, uint32_t flags) {
  Rect clip{0, 0, image.width(), image.height()};
  if (!(flags & dt::kNoClip)) clip = Intersect(clip, rect);
  return clip;
}

}  // namespace

PrefixedText StripPrefixes(std::u32string_view text) {
  PrefixedText out;
  out.text.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'&') {
      out.text.push_back(text[i]);
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone "&" at the end shows nothing
    if (text[i + 1] == U'&') {
      out.text.push_back(U'&');
    } else {
      out.underlined.push_back(out.text.size());
      out.text.push_back(text[i + 1]);
    }
    ++i;
  }
  return out;
}

int32_t DrawTextOnImage(PixelImage* image, SizedFont& font, TextDecorations decorations, std::u32string_view text,
                        Rect& rect, uint32_t flags, RgbColor color) {
  const FontMetrics& m = font.metrics();
  const bool calc = (flags & dt::kCalcRect) != 0;
  if (text.empty()) {
    if (calc) rect = Rect{rect.left, rect.top, rect.left, rect.top};
    return 0;
  }

  // A single line that would ink nothing is neither laid out nor measured
  // (the captions of tabs beyond the surface's edges are drawn on every repaint).
  if (const auto nothing = SingleLineInkingNothing(image, m, rect, flags)) return *nothing;
  const bool single = (flags & dt::kSingleLine) != 0;

  PrefixedText src;
  if (flags & dt::kNoPrefix) {
    src.text = std::u32string(text);
  } else {
    src = StripPrefixes(text);
  }

  std::vector<Line> lines;
  if (single) {
    AddLine(lines, 0, src.text.size());
  } else {
    const int64_t width = static_cast<int64_t>(rect.right) - rect.left;
    size_t start = 0;
    const size_t n = src.text.size();
    for (size_t i = 0; i <= n; ++i) {
      const bool end = i == n;
      if (!end && src.text[i] != U'\r' && src.text[i] != U'\n') continue;
      if (flags & dt::kWordBreak) {
        WrapParagraph(lines, src, start, i, font, width);
      } else {
        AddLine(lines, start, i);
      }
      if (end) break;
      if (src.text[i] == U'\r' && i + 1 < n && src.text[i + 1] == U'\n') ++i;
      start = i + 1;
      if (start == n) break;  // a break at the very end adds no empty line
    }
  }
  const std::u32string_view all(src.text);
  auto text_of = [all](const Line& line) { return all.substr(line.from, line.to - line.from); };
  int32_t widest = 0;
  for (Line& line : lines) {
    line.width = font.Measure(text_of(line));
    widest = std::max(widest, line.width);
  }
  const int64_t total = static_cast<int64_t>(lines.size()) * m.height;

  if (calc) {
    rect.right = Clamp32(static_cast<int64_t>(rect.left) + widest);
    rect.bottom = Clamp32(static_cast<int64_t>(rect.top) + total);
    return Clamp32(total);
  }

  const Placement place = Place(rect, flags, m, total);
  int64_t y = place.y;
  const int32_t result = place.result;
  if (!image) return result;

  const Rect clip = ClipOf(*image, rect, flags);
  if (IsEmpty(clip)) return result;

  auto hline = [&](int64_t x0, int64_t x1, int64_t row, int32_t thickness) {
    const Rect r{Clamp32(x0), Clamp32(row), Clamp32(x1), Clamp32(row + thickness)};
    FillRect(*image, Intersect(r, clip), color);
  };

  for (const Line& line : lines) {
    int64_t x = rect.left;
    if (flags & dt::kCenter) {
      x = (static_cast<int64_t>(rect.left) + rect.right - line.width) / 2;
    } else if (flags & dt::kRight) {
      x = static_cast<int64_t>(rect.right) - line.width;
    }
    if (y < clip.bottom && y + m.height > clip.top) {
      const std::u32string_view text_line = text_of(line);
      font.Draw(*image, Clamp32(x), Clamp32(y), text_line, color, clip);
      const int64_t baseline = y + m.ascent;
      if (decorations.underline) hline(x, x + line.width, baseline + m.underline_offset, m.underline_thickness);
      if (decorations.strikeout) hline(x, x + line.width, baseline + m.strikeout_offset, m.strikeout_thickness);
      for (size_t u : src.underlined) {
        if (u < line.from || u >= line.to) continue;
        const int64_t ux = x + font.Measure(text_line.substr(0, u - line.from));
        const int32_t advance = font.GetGlyph(all[u]).advance;
        hline(ux, ux + advance - 1, baseline + 1, 1);
      }
    }
    y += m.height;
  }
  return result;
}

std::optional<int32_t> SingleLineInkingNothing(const PixelImage* image, const FontMetrics& m,
                                               const Rect& rect, uint32_t flags) {
  if (!(flags & dt::kSingleLine) || (flags & dt::kCalcRect)) return std::nullopt;
  const Placement place = Place(rect, flags, m, m.height);
  if (!image) return place.result;
  const Rect clip = ClipOf(*image, rect, flags);
  if (IsEmpty(clip) || place.y >= clip.bottom || place.y + m.height <= clip.top) return place.result;
  return std::nullopt;
}

}  // namespace folivan
