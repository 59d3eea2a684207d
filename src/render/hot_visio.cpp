// The Visio pair: with Color Office-2003 the bar under the mouse takes the hot
// face, with its bottom line and grip drawn again over it, and gets its own
// face back when the mouse leaves; with the other Colors only the caption
// changes. Nothing changes while HotTracking is off.
#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"
#include "render/hot_look.h"
#include "render/picture_layer.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

constexpr RgbColor kGrip = Rgb(191, 187, 177);

// The bar's face as the Visio body draws it with Color Office-2003: the tab's
// own colours with NoteOneColors, the scheme's gradient with LunaColors (the
// current bar of the upper stack glowing in the hot colours), else FaceTint to
// Face.
Face NormalBarFace(const ControlState& s, int16_t index) {
  const TabRecord& tab = s.tabs[static_cast<size_t>(index)];
  const ThemePalette& luna = SharedThemePalette();
  if (s.NoteOneColors) return {tab.ColStart, tab.ColEnd};
  if (s.LunaColors) {
    return index == s.CurrentTab ? Face{luna.HotLight, luna.HotDark} : Face{luna.LunaGradientTop, luna.LunaGradientBottom};
  }
  return {s.paint.colors.FaceTint, s.paint.colors.Face};
}

}  // namespace

void DrawVisioLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  if (!s.HotTracking) return;
  const bool face = HasColor(s, Colors::kOffice2003);
  if (face) {
    const Canvas canvas(control);
    const double SW = control.GetSurface().ScaleWidth();
    const auto [L, T, R, B] = TabBox::Of(s.tabs[static_cast<size_t>(index)]);
    const ThemePalette& luna = SharedThemePalette();
    const Face bar = look == Look::kHot ? Face{luna.HotLightest, luna.HotLighter} : NormalBarFace(s, index);
    canvas.VerticalGradient(Rect{2, T + 1, CLng(SW - 1), B}, bar.top, bar.bottom);
    canvas.Line({1, B - 1}, {CLng(SW - 1), B - 1}, s.paint.colors.Shadow);
    // The grip: three-pixel dashes every second row around the bar's middle.
    const double mid = (static_cast<double>(T) + B) / 2;
    for (const int k : {-6, -4, -2, 0, 2, 4}) {
      const int32_t y = CLng(mid + k);
      canvas.Line({CLng(SW - 7), y}, {CLng(SW - 4), y}, kGrip);
    }
  }
  DrawLookCaption(control, index, look, CaptionPlace::kTextAtTop);
  if (face) DrawTabPictures(control);
}

}  // namespace folivan
