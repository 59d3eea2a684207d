#include "platform/headless/picture_file.h"

#include <atomic>
#include <memory>
#include <utility>

#include "platform/headless/image_io.h"

namespace folivan {
namespace {

intptr_t NextPictureHandle() {
  // Picture handles look like GDI bitmap handles: non-zero and distinct.
  static std::atomic<intptr_t> next{0x2A0000};
  return next += 4;
}

}  // namespace

ImagePicture::ImagePicture(PixelImage image, std::string source)
    : image_(std::move(image)), source_(std::move(source)), handle_(NextPictureHandle()) {}

PicturePtr LoadPictureFile(const std::string& path) {
  return std::make_shared<ImagePicture>(ReadImageFile(path), path);
}

}  // namespace folivan
