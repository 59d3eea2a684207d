#include "render/picture_layer.h"

#include <exception>

#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"

namespace folivan {

namespace {

// A step of the layer that fails is skipped and the layer goes on.
template <typename Fn>
void Skipping(Fn&& fn) {
  try {
    fn();
  } catch (const std::exception&) {
  }
}

// Top-left corner of a tab's picture, a square of side th left of the caption.
Point PictureAt(const ControlState& s, const CaptionBox& box, int32_t th, bool selected, bool leftmost) {
  const int32_t beside = box.CL - th - 5;
  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kWindowsXp:
    case Appearances::kPropertyPage:
    case Appearances::kSystem: return {beside, selected ? box.CT - 2 : box.CT};
    case Appearances::kPropertyPageSelected:
      return {beside, selected && s.Color == static_cast<int32_t>(Colors::kDefault) ? box.CT - 2 : box.CT};
    case Appearances::kStateButtons: return {beside, box.CT - 1};
    case Appearances::kSsTab: return {leftmost ? beside : beside + 1, box.CT - 1};
    default: return {beside, box.CT};
  }
}

}  // namespace

void DrawTabPictures(FolivanTab& control) {
  const ControlState& s = control.State();
  if (s.Tabs == 0) return;
  Surface& surface = control.GetSurface();
  const int32_t H = s.StripH;

  // The background picture, stretched into the client area.
  Skipping([&] {
    if (s.BackgroundPicture && s.BackgroundPicture->Handle() != 0) {
      surface.PaintPicture(*s.BackgroundPicture, 4, H + 4, CLng(surface.ScaleWidth() - 9),
                           CLng(surface.ScaleHeight() - H - 9));
    }
  });

  if (s.Appearance == static_cast<int32_t>(Appearances::kVisio) ||
      s.Appearance == static_cast<int32_t>(Appearances::kWizard)) {
    return;
  }

  const VisibleTabs shown = VisibleTabs::Of(s);
  for (int32_t i = shown.first; i <= shown.last; ++i) {
    const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
    if (!tab.Pic) continue;
    Skipping([&] {
      const int32_t th = CLng(surface.TextHeight(tab.Caption));
      const Point at = PictureAt(s, CaptionBox::Of(tab), th, i == s.CurrentTab, i == shown.first);
      surface.PaintPicture(*tab.Pic, at.x, at.y, th, th);
    });
  }
}

}  // namespace folivan
