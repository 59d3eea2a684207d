// Text rendering through FreeType, as Windows XP draws text at 96 dpi without
// ClearType: bi-level glyphs in exactly the text colour, no anti-aliasing.
//
// Font choice
//   A font name is looked up among the TrueType files of the font directory
//   (by default /usr/share/wine/fonts) by family name, case-insensitively.
//   "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2" and every name that is not
//   installed fall back to Tahoma, the dialog font of Windows XP. Bold uses the
//   family's bold file (tahomabd.ttf for Tahoma); a family without one is
//   emboldened as GDI simulates bold: each glyph is ORed with itself shifted one
//   pixel to the right and its advance grows by one pixel. Italic without an
//   italic file is simulated with an oblique shear of the outline.
//
// Size
//   A size in points becomes GDI's lfHeight = -MulDiv(points, 96, 72), i.e. a
//   character height (em height, without internal leading) of
//   round(points * 96 / 72) pixels, halves away from zero: 8.25 pt -> 11 px.
//   The font is set to that many pixels per em.
//
// Glyphs
//   Glyphs are loaded hinted for a monochrome target (FT_LOAD_TARGET_MONO),
//   which takes the embedded bi-level bitmaps where the font has a strike for
//   the size (Tahoma has them from 8 to 16 px, as Windows uses them), and
//   otherwise renders the hinted outline in mono mode. Advance widths are
//   the whole-pixel hinted advances; no kerning is applied (TextOut and
//   DrawText do not kern).
//
// Metrics (GDI's TEXTMETRIC for a TrueType font)
//   tmAscent  = round(OS/2 usWinAscent  * ppem / unitsPerEm)
//   tmDescent = round(OS/2 usWinDescent * ppem / unitsPerEm)
//   tmHeight  = tmAscent + tmDescent
//   with halves rounded up. Tahoma at 11 px: 2049*11/2048 = 11.005 -> 11 and
//   423*11/2048 = 2.27 -> 2, so tmHeight = 13 as Windows reports. The baseline
//   lies tmAscent pixels below the top of the text cell: a glyph whose bitmap
//   rises t pixels above the baseline starts on row top + tmAscent - t.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/headless/raster.h"
#include "platform/types.h"

namespace folivan {

constexpr const char* kDefaultFontDirectory = "/usr/share/wine/fonts";
constexpr const char* kFallbackFontFamily = "Tahoma";

// GDI's conversion of a point size to the em height in pixels at 96 dpi.
int32_t PointsToPixelHeight(double points);

// Decodes text as UTF-8; a byte that does not start a valid UTF-8 sequence is
// taken as a Windows-1252 character, so ANSI strings come out as DrawTextA shows them.
std::u32string DecodeText(std::string_view text);
// The character that starts at text[i], as DecodeText reads it; i moves past it.
char32_t NextCodePoint(std::string_view text, size_t& i);

struct FontMetrics {
  int32_t ppem = 0;
  int32_t ascent = 0;
  int32_t descent = 0;
  int32_t height = 0;
  // Underline and strike-out lines of the font (rows relative to the baseline,
  // positive downwards) and their thickness in pixels.
  int32_t underline_offset = 1;
  int32_t underline_thickness = 1;
  int32_t strikeout_offset = -3;
  int32_t strikeout_thickness = 1;
};

struct Glyph {
  int32_t advance = 0;
  int32_t left = 0;  // bitmap offset from the pen position
  int32_t top = 0;   // rows of the bitmap above the baseline
  int32_t width = 0;
  int32_t rows = 0;
  std::vector<uint8_t> bits;  // width * rows, 1 where the glyph is inked
  // For a glyph at most 64 pixels wide, each row's inked columns as bits
  // (bit x for column x); empty otherwise.
  std::vector<uint64_t> row_ink;
};

// One font file at one pixel size, with its glyph cache.
class SizedFont {
 public:
  SizedFont(void* library, const std::string& path, int32_t ppem, bool embolden, bool oblique);
  ~SizedFont();
  SizedFont(const SizedFont&) = delete;
  SizedFont& operator=(const SizedFont&) = delete;

  const FontMetrics& metrics() const { return metrics_; }
  const std::string& path() const { return path_; }
  const Glyph& GetGlyph(char32_t c) { return c < latin_.size() && latin_[c] ? *latin_[c] : LoadGlyph(c); }
  // Sum of the advance widths (GetTextExtentPoint32).
  int32_t Measure(std::u32string_view text);
  // Draws text with its cell's top-left corner at (x, top), inking only pixels
  // inside `clip` (which the caller has already limited to the image).
  // Returns the pen position after the text.
  int32_t Draw(PixelImage& image, int32_t x, int32_t top, std::u32string_view text, RgbColor color,
               const Rect& clip);

 private:
  struct FaceHolder;
  // The glyph from the cache, or rendered and cached.
  const Glyph& LoadGlyph(char32_t c);

  std::unique_ptr<FaceHolder> face_;
  std::string path_;
  bool embolden_;
  bool oblique_;
  FontMetrics metrics_;
  std::unordered_map<char32_t, Glyph> glyphs_;
  // The glyphs of the first 256 code points once loaded, found without hashing
  // (the map's entries stay where they are as it grows).
  std::array<const Glyph*, 256> latin_{};
};

// The font files of one directory and the sized fonts made from them. Not
// thread-safe: like a device context, it belongs to the one UI thread.
class FontEngine {
 public:
  explicit FontEngine(std::string directory = kDefaultFontDirectory);
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  // The engine over the default directory, shared by every surface.
  static std::shared_ptr<FontEngine> Shared();

  // The sized font for a font description (name, size, bold, italic); fonts
  // are created once and kept. Throws std::runtime_error when not even the
  // fallback font can be opened.
  SizedFont& Get(const FontDesc& desc);

  // The file that a family name and weight resolve to (after fallback).
  std::string ResolveFile(std::string_view family, bool bold, bool* simulate_bold = nullptr) const;

 private:
  struct Family {
    std::string regular;
    std::string bold;
  };
  void Scan();

  std::string directory_;
  void* library_ = nullptr;  // FT_Library
  std::map<std::string, Family> families_;  // lower-case family name -> files
  std::map<std::string, std::unique_ptr<SizedFont>> sized_;
};

}  // namespace folivan
