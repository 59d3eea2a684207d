// The picture layer, shared by every style: the control's background picture
// in the client area and each shown tab's picture left of its caption.
#pragma once

namespace folivan {
class FolivanTab;

// Paints BackgroundPicture stretched over the client area, then the picture of
// every tab Hidd..HiddR that has one, as a square as high as the caption's
// text. A picture that cannot be painted is skipped.
void DrawTabPictures(FolivanTab& control);

}  // namespace folivan
