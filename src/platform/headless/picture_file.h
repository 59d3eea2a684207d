// Pictures of the headless host: an image loaded from a PNG or BMP file.
#pragma once

#include <string>

#include "platform/headless/raster.h"
#include "platform/types.h"

namespace folivan {

class ImagePicture : public Picture {
 public:
  // `image` keeps alpha in its high byte (0xFF opaque).
  explicit ImagePicture(PixelImage image, std::string source = {});

  // A non-zero handle, unique per picture object.
  intptr_t Handle() const override { return handle_; }
  int32_t Width() const override { return image_.width(); }
  int32_t Height() const override { return image_.height(); }
  std::string Source() const override { return source_; }

  const PixelImage& image() const { return image_; }

 private:
  PixelImage image_;
  std::string source_;
  intptr_t handle_;
};

// Loads a PNG or BMP file as a picture. Throws ImageFileError (a
// std::runtime_error) naming the file when it is missing or unreadable.
PicturePtr LoadPictureFile(const std::string& path);

}  // namespace folivan
