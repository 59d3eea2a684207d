// A picture object of the container (StdPicture, IPicture) seen as the
// control's Picture.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/types.h"

namespace folivan::win32 {

class ComPicture : public Picture {
 public:
  // Takes a reference of its own; picture may be any object exposing IPicture.
  explicit ComPicture(IPicture* picture);
  ~ComPicture() override;
  ComPicture(const ComPicture&) = delete;
  ComPicture& operator=(const ComPicture&) = delete;

  intptr_t Handle() const override;
  int32_t Width() const override;
  int32_t Height() const override;

  IPicture* Get() const { return picture_; }
  // Renders the whole picture into the rectangle of dc.
  void Render(HDC dc, int x, int y, int width, int height) const;

 private:
  IPicture* picture_;
};

// The picture behind a dispatch reference, or null when it exposes no IPicture.
PicturePtr PictureFromDispatch(IDispatch* dispatch);
// The IPictureDisp of a picture (AddRef'ed), or nullptr when it has none.
IPictureDisp* DispatchFromPicture(const PicturePtr& picture);

}  // namespace folivan::win32
