#include "platform/headless/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace folivan {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// x * num / den rounded to the nearest integer, halves up (den > 0, x >= 0 in practice).
int32_t ScaleRound(int64_t x, int64_t num, int64_t den) {
  const int64_t v = x * num;
  const int64_t q = v >= 0 ? (2 * v + den) / (2 * den) : -((-2 * v + den) / (2 * den));
  return static_cast<int32_t>(q);
}

// Windows-1252 characters 0x80 to 0x9F (0 where the code page has none).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromCp1252(unsigned char b) {
  if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0) return kCp1252High[b - 0x80];
  return b;
}

FT_Library Lib(void* p) { return static_cast<FT_Library>(p); }

}  // namespace

int32_t PointsToPixelHeight(double points) {
  const double px = std::round(std::abs(points) * 96.0 / 72.0);  // MulDiv rounds halves away from zero
  return std::max<int32_t>(1, static_cast<int32_t>(std::min(px, 10000.0)));
}

char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) extra = 1, cp = b0 & 0x1F;
  else if ((b0 & 0xF0) == 0xE0) extra = 2, cp = b0 & 0x0F;
  else if ((b0 & 0xF8) == 0xF0) extra = 3, cp = b0 & 0x07;
  bool ok = extra > 0 && i + static_cast<size_t>(extra) < text.size();
  for (int k = 1; ok && k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
    if ((b & 0xC0) != 0x80) ok = false;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Reject overlong forms, surrogates and values beyond Unicode.
  if (ok && ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
             (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)) {
    ok = false;
  }
  if (!ok) {
    ++i;
    return FromCp1252(b0);
  }
  i += static_cast<size_t>(extra) + 1;
  return cp;
}

std::u32string DecodeText(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) out.push_back(NextCodePoint(text, i));
  return out;
}

// ---------------------------------------------------------------------------
struct SizedFont::FaceHolder {
  FT_Face face = nullptr;
  ~FaceHolder() {
    if (face) FT_Done_Face(face);
  }
};

SizedFont::SizedFont(void* library, const std::string& path, int32_t ppem, bool embolden, bool oblique)
    : face_(std::make_unique<FaceHolder>()), path_(path), embolden_(embolden), oblique_(oblique) {
  if (FT_New_Face(Lib(library), path.c_str(), 0, &face_->face) != 0) {
    throw std::runtime_error("cannot open font file '" + path + "'");
  }
  FT_Face face = face_->face;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) {
    // A bitmap-only font offers fixed sizes only: take the nearest strike.
    if (face->num_fixed_sizes > 0) {
      int best = 0;
      for (int i = 1; i < face->num_fixed_sizes; ++i) {
        if (std::abs(face->available_sizes[i].height - ppem) < std::abs(face->available_sizes[best].height - ppem)) best = i;
      }
      FT_Select_Size(face, best);
    }
  }
  if (oblique) {
    FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees, as simulated italics lean
    FT_Set_Transform(face, &shear, nullptr);
  }

  metrics_.ppem = ppem;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
  const int64_t upem = face->units_per_EM > 0 ? face->units_per_EM : 0;
  if (os2 && os2->version != 0xFFFF && upem > 0) {
    metrics_.ascent = ScaleRound(os2->usWinAscent, ppem, upem);
    metrics_.descent = ScaleRound(os2->usWinDescent, ppem, upem);
    metrics_.strikeout_offset = -ScaleRound(os2->yStrikeoutPosition, ppem, upem);
    metrics_.strikeout_thickness = std::max(1, ScaleRound(os2->yStrikeoutSize, ppem, upem));
  } else {
    metrics_.ascent = static_cast<int32_t>((face->size->metrics.ascender + 32) >> 6);
    metrics_.descent = static_cast<int32_t>((-face->size->metrics.descender + 32) >> 6);
    metrics_.strikeout_offset = -(metrics_.ascent / 3);
  }
  if (post && upem > 0 && post->underlinePosition < 0 && -post->underlinePosition < upem) {
    metrics_.underline_offset = std::max(1, ScaleRound(-post->underlinePosition, ppem, upem));
    metrics_.underline_thickness =
        std::clamp(ScaleRound(post->underlineThickness, ppem, upem), 1, std::max(1, metrics_.descent));
  }
  metrics_.height = metrics_.ascent + metrics_.descent;
}

SizedFont::~SizedFont() = default;

const Glyph& SizedFont::LoadGlyph(char32_t c) {
  auto it = glyphs_.find(c);
  if (it != glyphs_.end()) return it->second;

  Glyph g;
  FT_Face face = face_->face;
  const FT_UInt index = FT_Get_Char_Index(face, c);
  // Embedded bitmaps cannot lean, so a simulated italic renders the outline.
  const FT_Int32 load = FT_LOAD_TARGET_MONO | FT_LOAD_RENDER | (oblique_ ? FT_LOAD_NO_BITMAP : 0);
  if (FT_Load_Glyph(face, index, load) == 0) {
    const FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) FT_Render_Glyph(slot, FT_RENDER_MODE_MONO);
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int32_t>(bm.width);
    g.rows = static_cast<int32_t>(bm.rows);
    g.bits.assign(static_cast<size_t>(g.width) * static_cast<size_t>(g.rows), 0);
    for (int32_t y = 0; y < g.rows; ++y) {
      const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
      for (int32_t x = 0; x < g.width; ++x) {
        bool on = false;
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) on = (row[x >> 3] >> (7 - (x & 7))) & 1;
        else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) on = row[x] >= 128;
        g.bits[static_cast<size_t>(y) * static_cast<size_t>(g.width) + static_cast<size_t>(x)] = on ? 1 : 0;
      }
    }
    // The advance is GDI's: the hinted outline's, as GetTextExtentPoint32 and
    // DrawText measure it (Wine's GDI over this same font gives 29 pixels for
    // "Tab 1" at 8.25 points). The embedded bitmaps advance some letters one
    // pixel less (27), so they are drawn but never measured.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) == 0) {
      g.advance = static_cast<int32_t>((face->glyph->advance.x + 32) >> 6);
    }
    if (embolden_) {
      Glyph b = g;
      b.width = g.width + 1;
      b.advance = g.advance + 1;
      b.bits.assign(static_cast<size_t>(b.width) * static_cast<size_t>(b.rows), 0);
      for (int32_t y = 0; y < g.rows; ++y) {
        for (int32_t x = 0; x < g.width; ++x) {
          if (!g.bits[static_cast<size_t>(y) * static_cast<size_t>(g.width) + static_cast<size_t>(x)]) continue;
          b.bits[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)] = 1;
          b.bits[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x) + 1] = 1;
        }
      }
      g = std::move(b);
    }
  }
  if (g.width <= 64) {
    g.row_ink.assign(static_cast<size_t>(g.rows), 0);
    for (int32_t y = 0; y < g.rows; ++y) {
      for (int32_t x = 0; x < g.width; ++x) {
        if (g.bits[static_cast<size_t>(y) * static_cast<size_t>(g.width) + static_cast<size_t>(x)]) {
          g.row_ink[static_cast<size_t>(y)] |= uint64_t{1} << x;
        }
      }
    }
  }
  const Glyph& loaded = glyphs_.emplace(c, std::move(g)).first->second;
  if (c < latin_.size()) latin_[c] = &loaded;
  return loaded;
}

int32_t SizedFont::Measure(std::u32string_view text) {
  int32_t width = 0;
  for (char32_t c : text) width += GetGlyph(c).advance;
  return width;
}

int32_t SizedFont::Draw(PixelImage& image, int32_t x, int32_t top, std::u32string_view text, RgbColor color,
                        const Rect& clip) {
  const int64_t baseline = static_cast<int64_t>(top) + metrics_.ascent;
  int64_t pen = x;
  for (char32_t c : text) {
    const Glyph& g = GetGlyph(c);
    const int64_t gx = pen + g.left;
    const int64_t gy = baseline - g.top;
    if (gx < clip.right && gy < clip.bottom && gx + g.width > clip.left && gy + g.rows > clip.top) {
      // The glyph's rows and columns inside the clip.
      const auto row0 = static_cast<int32_t>(std::max<int64_t>(0, clip.top - gy));
      const auto row1 = static_cast<int32_t>(std::min<int64_t>(g.rows, clip.bottom - gy));
      const auto col0 = static_cast<int32_t>(std::max<int64_t>(0, clip.left - gx));
      const auto col1 = static_cast<int32_t>(std::min<int64_t>(g.width, clip.right - gx));
      if (!g.row_ink.empty()) {
        // Only the inked pixels are visited, a row's columns a bit each.
        const uint64_t span = col1 - col0 == 64 ? ~uint64_t{0} : (uint64_t{1} << (col1 - col0)) - 1;
        for (int32_t row = row0; row < row1; ++row) {
          uint32_t* pixels = &image.Ref(static_cast<int32_t>(gx + col0), static_cast<int32_t>(gy + row));
          for (uint64_t ink = (g.row_ink[static_cast<size_t>(row)] >> col0) & span; ink != 0;
               ink &= ink - 1) {
            pixels[std::countr_zero(ink)] = static_cast<uint32_t>(color);
          }
        }
      } else {
        for (int32_t row = row0; row < row1; ++row) {
          const uint8_t* bits =
              g.bits.data() + static_cast<size_t>(row) * static_cast<size_t>(g.width) + col0;
          uint32_t* pixels = &image.Ref(static_cast<int32_t>(gx + col0), static_cast<int32_t>(gy + row));
          for (int32_t k = 0; k < col1 - col0; ++k) {
            if (bits[k]) pixels[k] = static_cast<uint32_t>(color);
          }
        }
      }
    }
    pen += g.advance;
  }
  return static_cast<int32_t>(std::clamp<int64_t>(pen, INT32_MIN, INT32_MAX));
}

// ---------------------------------------------------------------------------
FontEngine::FontEngine(std::string directory) : directory_(std::move(directory)) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("cannot initialise FreeType");
  library_ = lib;
  // The classic TrueType interpreter hints for bi-level output as Windows XP does.
  FT_UInt version = 35;
  FT_Property_Set(lib, "truetype", "interpreter-version", &version);
  Scan();
}

FontEngine::~FontEngine() {
  sized_.clear();
  if (library_) FT_Done_FreeType(Lib(library_));
}

std::shared_ptr<FontEngine> FontEngine::Shared() {
  static std::shared_ptr<FontEngine> engine = std::make_shared<FontEngine>();
  return engine;
}

void FontEngine::Scan() {
  std::error_code ec;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory_, ec)) {
    const std::string ext = Lower(entry.path().extension().string());
    if (ext == ".ttf" || ext == ".otf") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());  // a stable choice when two files claim one family
  for (const auto& file : files) {
    FT_Face face = nullptr;
    if (FT_New_Face(Lib(library_), file.c_str(), 0, &face) != 0) continue;
    if (face->family_name) {
      Family& fam = families_[Lower(face->family_name)];
      const bool bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
      const bool italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
      if (!italic) {
        std::string& slot = bold ? fam.bold : fam.regular;
        if (slot.empty()) slot = file.string();
      }
    }
    FT_Done_Face(face);
  }
}

std::string FontEngine::ResolveFile(std::string_view family, bool bold, bool* simulate_bold) const {
  std::string key = Lower(family);
  // The dialog fonts of Windows XP map to Tahoma.
  if (key == "ms sans serif" || key == "ms shell dlg" || key == "ms shell dlg 2") key = Lower(kFallbackFontFamily);
  auto it = families_.find(key);
  if (it == families_.end() || (it->second.regular.empty() && it->second.bold.empty())) {
    it = families_.find(Lower(kFallbackFontFamily));
  }
  if (simulate_bold) *simulate_bold = false;
  if (it == families_.end()) {
    // No scan result at all: try the fallback file by its usual name.
    return (std::filesystem::path(directory_) / (bold ? "tahomabd.ttf" : "tahoma.ttf")).string();
  }
  const Family& fam = it->second;
  if (bold) {
    if (!fam.bold.empty()) return fam.bold;
    if (simulate_bold) *simulate_bold = true;
    return fam.regular;
  }
  return fam.regular.empty() ? fam.bold : fam.regular;
}

SizedFont& FontEngine::Get(const FontDesc& desc) {
  bool simulate_bold = false;
  const std::string file = ResolveFile(desc.name, desc.bold, &simulate_bold);
  const int32_t ppem = PointsToPixelHeight(desc.size);
  const std::string key = file + "|" + std::to_string(ppem) + (simulate_bold ? "|b" : "") + (desc.italic ? "|i" : "");
  auto it = sized_.find(key);
  if (it != sized_.end()) return *it->second;
  auto font = std::make_unique<SizedFont>(library_, file, ppem, simulate_bold, desc.italic);
  return *sized_.emplace(key, std::move(font)).first->second;
}

}  // namespace folivan
