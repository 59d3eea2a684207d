#include "platform/win32/com_picture.h"

namespace folivan::win32 {

namespace {
constexpr double kHimetricPerInch = 2540.0;

int HimetricToPixels(OLE_XSIZE_HIMETRIC himetric, int dpi) {
  return MulDiv(static_cast<int>(himetric), dpi, static_cast<int>(kHimetricPerInch));
}

int ScreenDpi(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
}  // namespace

ComPicture::ComPicture(IPicture* picture) : picture_(picture) {
  if (picture_) picture_->AddRef();
}

ComPicture::~ComPicture() {
  if (picture_) picture_->Release();
}

intptr_t ComPicture::Handle() const {
  OLE_HANDLE handle = 0;
  if (!picture_ || FAILED(picture_->get_Handle(&handle))) return 0;
  return static_cast<intptr_t>(handle);
}

int32_t ComPicture::Width() const {
  OLE_XSIZE_HIMETRIC width = 0;
  if (!picture_ || FAILED(picture_->get_Width(&width))) return 0;
  return HimetricToPixels(width, ScreenDpi(LOGPIXELSX));
}

int32_t ComPicture::Height() const {
  OLE_YSIZE_HIMETRIC height = 0;
  if (!picture_ || FAILED(picture_->get_Height(&height))) return 0;
  return HimetricToPixels(height, ScreenDpi(LOGPIXELSY));
}

void ComPicture::Render(HDC dc, int x, int y, int width, int height) const {
  OLE_XSIZE_HIMETRIC hm_width = 0;
  OLE_YSIZE_HIMETRIC hm_height = 0;
  if (!picture_ || FAILED(picture_->get_Width(&hm_width)) || FAILED(picture_->get_Height(&hm_height))) return;
  // Source rectangle in HIMETRIC, origin bottom-left: start at the top and go down.
  picture_->Render(dc, x, y, width, height, 0, hm_height, hm_width, -hm_height, nullptr);
}

PicturePtr PictureFromDispatch(IDispatch* dispatch) {
  if (!dispatch) return nullptr;
  IPicture* picture = nullptr;
  if (FAILED(dispatch->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return nullptr;
  auto result = std::make_shared<ComPicture>(picture);
  picture->Release();
  return result;
}

IPictureDisp* DispatchFromPicture(const PicturePtr& picture) {
  auto* com = dynamic_cast<const ComPicture*>(picture.get());
  if (!com || !com->Get()) return nullptr;
  IPictureDisp* dispatch = nullptr;
  if (FAILED(com->Get()->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&dispatch)))) return nullptr;
  return dispatch;
}

}  // namespace folivan::win32
