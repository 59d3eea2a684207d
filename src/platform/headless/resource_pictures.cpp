#include "platform/headless/resource_pictures.h"

#include <array>
#include <memory>
#include <mutex>
#include <optional>

#include "input/wizard_buttons.h"
#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"

#ifndef FOLIVAN_RESOURCE_DIR
#error "FOLIVAN_RESOURCE_DIR names the resources folder of the source tree"
#endif

namespace folivan {

namespace {

constexpr int16_t kFirst = 1;
constexpr int16_t kLast = 6;

}  // namespace

std::string WizardPictureDirectory() { return std::string(FOLIVAN_RESOURCE_DIR) + "/wizard"; }

PicturePtr LoadHeadlessResourcePicture(int16_t n) {
  if (n < kFirst || n > kLast) return nullptr;
  // Decoded once; a missing or unreadable file stays missing.
  static std::mutex mutex;
  static std::array<std::optional<std::shared_ptr<const PixelImage>>, kLast> images;
  std::shared_ptr<const PixelImage> image;
  {
    std::lock_guard lock(mutex);
    auto& slot = images[static_cast<size_t>(n - kFirst)];
    if (!slot) {
      const std::string path = WizardPictureDirectory() + "/" + std::to_string(n) + ".png";
      try {
        slot = std::make_shared<const PixelImage>(ReadPng(path));
      } catch (const ImageFileError&) {
        slot = std::shared_ptr<const PixelImage>();
      }
    }
    image = *slot;
  }
  if (!image) return nullptr;
  return std::make_shared<ImagePicture>(*image);
}

void InstallHeadlessResourcePictures() {
  SetResourcePictureLoader([](FolivanTab&, int16_t n) { return LoadHeadlessResourcePicture(n); });
}

}  // namespace folivan
