#include "platform/headless/image_io.h"

#include <png.h>

#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include <unistd.h>

namespace folivan {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, const std::string& why) {
  // Appended rather than concatenated: GCC 12 at -O3 warns (-Wrestrict) about "literal" + string.
  std::string message = "cannot ";
  message.append(what).append(" '").append(path).append("': ").append(why);
  throw ImageFileError(message);
}

struct FileCloser {
  void operator()(FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("read image", path, std::strerror(errno));
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// libpng reports errors through a callback that must not return; it records the
// message and jumps back to the setjmp of the caller, whose C++ objects all
// exist before the setjmp so that the jump skips no destructor.
struct PngErrorState {
  char message[256] = "libpng error";
  jmp_buf jump;
};
[[noreturn]] void PngErrorFn(png_structp png, png_const_charp msg) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  std::snprintf(state->message, sizeof state->message, "%s", msg ? msg : "libpng error");
  std::longjmp(state->jump, 1);
}
void PngWarningFn(png_structp, png_const_charp) {}

uint32_t ReadLe(const std::vector<unsigned char>& d, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + static_cast<size_t>(i)];
  return v;
}

// Scales a masked channel to 8 bits.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const uint32_t m = mask >> shift;
  const uint32_t v = (pixel >> shift) & m;
  return m == 255 ? v : (v * 255 + m / 2) / m;
}

}  // namespace

PixelImage ReadPng(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) Fail("read image", path, std::strerror(errno));
  PngErrorState state;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, PngErrorFn, PngWarningFn);
  if (!png) Fail("read image", path, "out of memory");
  png_infop info = png_create_info_struct(png);
  std::vector<unsigned char> rgba;
  std::vector<png_bytep> rows;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  bool too_large = false;
  if (setjmp(state.jump) != 0 || !info) {
    png_destroy_read_struct(&png, &info, nullptr);
    Fail("read PNG", path, info ? state.message : "out of memory");
  }
  png_init_io(png, file.get());
  png_read_info(png, info);
  png_set_expand(png);  // palette, low-bit grey and tRNS to 8-bit RGB(A)
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  // At most 16 million pixels (4096 x 4096): the size comes from the file.
  too_large = width == 0 || height == 0 || static_cast<uint64_t>(width) * height > (uint64_t{1} << 24);
  if (!too_large) {
    rgba.resize(static_cast<size_t>(width) * height * 4);
    rows.resize(height);
    for (size_t y = 0; y < height; ++y) rows[y] = rgba.data() + y * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (too_large) Fail("read PNG", path, "image too large");

  PixelImage image(static_cast<int32_t>(width), static_cast<int32_t>(height), 0);
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) {
      const unsigned char* p = rgba.data() + (static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 4;
      image.Ref(x, y) = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
  }
  return image;
}

PixelImage ReadBmp(const std::string& path) {
  const std::vector<unsigned char> d = ReadAll(path);
  auto bad = [&](const std::string& why) { Fail("read BMP", path, why); };
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') bad("not a Windows bitmap");
  const uint32_t data_offset = ReadLe(d, 10, 4);
  const uint32_t header_size = ReadLe(d, 14, 4);
  if (header_size < 40 || 14 + static_cast<size_t>(header_size) > d.size()) bad("unsupported header");
  const int32_t width = static_cast<int32_t>(ReadLe(d, 18, 4));
  const int32_t raw_height = static_cast<int32_t>(ReadLe(d, 22, 4));
  const uint32_t bpp = ReadLe(d, 28, 2);
  const uint32_t compression = ReadLe(d, 30, 4);
  uint32_t colors_used = ReadLe(d, 46, 4);
  const bool top_down = raw_height < 0;
  const int64_t height = top_down ? -static_cast<int64_t>(raw_height) : raw_height;
  if (width <= 0 || height <= 0 || width > (1 << 15) || height > (1 << 15)) bad("bad image size");
  if (compression != 0 && compression != 3) bad("compressed bitmaps are not supported");
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) bad("unsupported bit depth");

  uint32_t rmask = 0, gmask = 0, bmask = 0;
  if (bpp == 16) rmask = 0x7C00, gmask = 0x03E0, bmask = 0x001F;
  if (bpp == 32) rmask = 0xFF0000, gmask = 0xFF00, bmask = 0xFF;
  if (compression == 3) {
    if (bpp != 16 && bpp != 32) bad("bit fields need 16 or 32 bits per pixel");
    const size_t at = header_size >= 52 ? 14 + 40 : 14 + header_size;
    if (at + 12 > d.size()) bad("truncated bit fields");
    rmask = ReadLe(d, at, 4), gmask = ReadLe(d, at + 4, 4), bmask = ReadLe(d, at + 8, 4);
  }

  std::vector<uint32_t> palette;
  if (bpp <= 8) {
    if (colors_used == 0 || colors_used > (1u << bpp)) colors_used = 1u << bpp;
    const size_t at = 14 + header_size;
    if (at + colors_used * 4 > d.size()) bad("truncated palette");
    for (uint32_t i = 0; i < colors_used; ++i) {
      const size_t p = at + i * 4;
      palette.push_back(d[p + 2] | (d[p + 1] << 8) | (d[p] << 16) | 0xFF000000u);
    }
  }

  const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  if (data_offset > d.size() || stride * static_cast<size_t>(height) > d.size() - data_offset) bad("truncated pixel data");
  PixelImage image(width, static_cast<int32_t>(height), 0);
  for (int32_t y = 0; y < image.height(); ++y) {
    const size_t row = data_offset + stride * static_cast<size_t>(top_down ? y : image.height() - 1 - y);
    for (int32_t x = 0; x < width; ++x) {
      uint32_t out = 0;
      if (bpp <= 8) {
        const size_t bit = static_cast<size_t>(x) * bpp;
        const uint32_t byte = d[row + bit / 8];
        const uint32_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        out = index < palette.size() ? palette[index] : 0xFF000000u;
      } else if (bpp == 24) {
        const size_t p = row + static_cast<size_t>(x) * 3;
        out = d[p + 2] | (d[p + 1] << 8) | (d[p] << 16) | 0xFF000000u;
      } else {
        const uint32_t px = ReadLe(d, row + static_cast<size_t>(x) * (bpp / 8), static_cast<int>(bpp / 8));
        out = Channel(px, rmask) | (Channel(px, gmask) << 8) | (Channel(px, bmask) << 16) | 0xFF000000u;
      }
      image.Ref(x, y) = out;
    }
  }
  return image;
}

PixelImage ReadImageFile(const std::string& path) {
  unsigned char sig[8] = {};
  {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) Fail("read image", path, std::strerror(errno));
    if (std::fread(sig, 1, sizeof sig, file.get()) < 2) Fail("read image", path, "file too short");
  }
  if (png_sig_cmp(sig, 0, 8) == 0) return ReadPng(path);
  if (sig[0] == 'B' && sig[1] == 'M') return ReadBmp(path);
  Fail("read image", path, "neither a PNG nor a BMP file");
}

void WritePng(const PixelImage& image, const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path target(path);
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string temp_name = ".";
  temp_name.append(target.filename().string()).append(".tmp").append(std::to_string(::getpid()));
  temp_name.append("_").append(std::to_string(counter++));
  const std::filesystem::path temp = dir / temp_name;
  if (image.empty()) Fail("write PNG", path, "the image is empty");

  std::vector<unsigned char> row(static_cast<size_t>(image.width()) * 3);
  {
    FilePtr file(std::fopen(temp.c_str(), "wb"));
    if (!file) Fail("write PNG", path, std::strerror(errno));
    PngErrorState state;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, PngErrorFn, PngWarningFn);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    // volatile: it is set after setjmp returns through longjmp.
    volatile bool failed = false;
    if (setjmp(state.jump) != 0 || !png || !info) {
      failed = true;
    } else {
      png_init_io(png, file.get());
      png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                   PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
      png_write_info(png, info);
      for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
          const uint32_t p = image.Get(x, y);
          row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(p & 0xFF);
          row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>((p >> 8) & 0xFF);
          row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>((p >> 16) & 0xFF);
        }
        png_write_row(png, row.data());
      }
      png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    const bool flush_failed = !failed && std::fflush(file.get()) != 0;
    if (failed || flush_failed) {
      const std::string why = failed ? std::string(png && info ? state.message : "out of memory") : std::strerror(errno);
      file.reset();
      std::filesystem::remove(temp);
      Fail("write PNG", path, why);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp);
    Fail("write PNG", path, ec.message());
  }
}

}  // namespace folivan
