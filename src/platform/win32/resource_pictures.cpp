#include "platform/win32/resource_pictures.h"

#include <memory>

#include "input/wizard_buttons.h"
#include "platform/win32/com_picture.h"

namespace folivan::win32 {

PicturePtr LoadBitmapResourcePicture(HMODULE module, int16_t n) {
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(static_cast<WORD>(n)), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  if (!bitmap) return nullptr;
  PICTDESC desc{};
  desc.cbSizeofstruct = sizeof(desc);
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = bitmap;
  IPicture* picture = nullptr;
  // The picture owns the bitmap from here on and deletes it with itself.
  if (FAILED(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  auto result = std::make_shared<ComPicture>(picture);
  picture->Release();
  return result;
}

void InstallModuleResourcePictures(HMODULE module) {
  SetResourcePictureLoader([module](FolivanTab&, int16_t n) { return LoadBitmapResourcePicture(module, n); });
}

}  // namespace folivan::win32
