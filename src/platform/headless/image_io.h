// Reading and writing images: PNG through libpng, uncompressed BMP by hand.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/headless/raster.h"

namespace folivan {

// Raised when a file cannot be read or written; the message names the file.
class ImageFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a PNG of any colour type into an image whose high byte is alpha
// (0xFF opaque), as pictures keep it.
PixelImage ReadPng(const std::string& path);

// Reads a Windows bitmap (BITMAPINFOHEADER or later; 1, 4, 8, 16, 24 or 32
// bits per pixel, BI_RGB or BI_BITFIELDS; bottom-up or top-down). Compressed
// (RLE) bitmaps are refused. Pixels come out opaque.
PixelImage ReadBmp(const std::string& path);

// Reads a PNG or a BMP, told apart by the file's signature.
PixelImage ReadImageFile(const std::string& path);

// Writes an opaque 8-bit RGB PNG (the high byte of each pixel is ignored).
// The file is written under a temporary name in the same directory and then
// renamed, so a reader never sees half a file.
void WritePng(const PixelImage& image, const std::string& path);

}  // namespace folivan
