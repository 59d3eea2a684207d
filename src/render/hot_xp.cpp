// The Windows XP pair: an orange band over the top rows of an unselected tab
// under the mouse, and the tab's own top rows when the mouse leaves it. The
// band shows whether or not HotTracking is on; the navy caption only with it.
#include "core/folivan_tab.h"
#include "render/caption_layer.h"
#include "render/geometry.h"
#include "render/hot_look.h"
#include "render/picture_layer.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

// The colours of an unselected tab's top as DrawXpTabs draws it.
constexpr RgbColor kOutline = Rgb(145, 167, 180);
constexpr RgbColor kCornerInner = Rgb(228, 233, 236);
constexpr RgbColor kCornerOuter = Rgb(200, 209, 205);
constexpr RgbColor kFaceTop = Rgb(250, 250, 249);
constexpr RgbColor kOfficeFaceTop = Rgb(255, 255, 255);
constexpr RgbColor kOfficeFaceBottom = Rgb(190, 190, 216);

// The band's colours, and the selected tab's that its neighbours repair.
constexpr RgbColor kBandEdge = Rgb(230, 139, 44);
constexpr RgbColor kBandInner = Rgb(255, 200, 60);
constexpr RgbColor kBandCorner = Rgb(249, 185, 56);
constexpr RgbColor kVsBandEdge = Rgb(207, 114, 37);
constexpr RgbColor kVsBandInner = Rgb(227, 145, 79);
constexpr RgbColor kBandHalo = Rgb(225, 198, 142);
constexpr RgbColor kSelectedFace = Rgb(252, 252, 254);

void DrawBand(const Canvas& canvas, const TabBox& tab, int32_t color) {
  const auto [L, T, R, B] = tab;
  if (color == static_cast<int32_t>(Colors::kVisualStudio)) {
    canvas.Line({L + 2, T}, {R - 2, T}, kVsBandEdge);
    canvas.Line({L + 2, T + 1}, {R - 2, T + 1}, kVsBandInner);
    canvas.Line({L + 1, T + 2}, {R - 1, T + 2}, kVsBandInner);
    canvas.Pixels({{L + 1, T + 1}, {R - 2, T + 1}, {L, T + 2}, {R - 1, T + 2}}, kVsBandEdge);
    canvas.Pixels({{L, T + 1}, {L + 1, T}, {R - 2, T}, {R - 1, T + 1}}, kBandHalo);
    return;
  }
  canvas.Line({L + 2, T}, {R - 2, T}, kBandEdge);
  canvas.Line({L + 2, T + 1}, {R - 2, T + 1}, kBandInner);
  canvas.Line({L + 2, T + 2}, {R - 2, T + 2}, kBandInner);
  canvas.Pixels({{L + 1, T + 1}, {R - 2, T + 1}, {L, T + 2}, {R - 1, T + 2}}, kBandEdge);
  canvas.Pixels({{L + 2, T + 1}, {L + 1, T + 2}, {R - 3, T + 1}, {R - 2, T + 2}}, kBandCorner);
  canvas.Pixels({{L, T + 1}, {L + 1, T}, {R - 1, T + 1}, {R - 2, T}}, kBandHalo);
}

// The tab's top rows back as the strip has them. With Color Office-2003 the
// whole face gradient goes again, so its caption and picture go with it.
void RestoreTop(FolivanTab& control, const Canvas& canvas, const TabBox& tab, int32_t H, int32_t color) {
  const auto [L, T, R, B] = tab;
  canvas.Line({L + 2, T}, {R - 2, T}, kOutline);
  if (color == static_cast<int32_t>(Colors::kOffice2003)) {
    canvas.VerticalGradient(Rect{L + 1, T + 1, R - 1, H + 1}, kOfficeFaceTop, kOfficeFaceBottom);
  } else {
    canvas.Line({L + 2, T + 1}, {R - 2, T + 1}, kFaceTop);
    canvas.Line({L + 2, T + 2}, {R - 2, T + 2}, kFaceTop);
  }
  canvas.Pixels({{L + 1, T + 1}, {R - 2, T + 1}}, kOutline);
  canvas.Pixels({{L + 2, T + 1}, {L + 1, T + 2}, {R - 3, T + 1}, {R - 2, T + 2}}, kCornerInner);
  canvas.Pixels({{L, T + 1}, {L + 1, T}, {R - 1, T + 1}, {R - 2, T}}, kCornerOuter);
  canvas.Pixels({{L, T + 2}, {R - 1, T + 2}}, kOutline);
  DrawTabPictures(control);
}

}  // namespace

void DrawXpLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  // The selected tab keeps its band; only its caption changes.
  if (index != s.CurrentTab) {
    const Canvas canvas(control);
    const TabBox tab = TabBox::Of(s.tabs[static_cast<size_t>(index)]);
    const auto [L, T, R, B] = tab;
    const RgbColor border = s.paint.colors.BorderColor;
    const bool selected_shown = ShownSelectedTab(s, VisibleTabs::Of(s)) != nullptr;

    if (look == Look::kHot) {
      DrawBand(canvas, tab, s.Color);
    } else {
      RestoreTop(control, canvas, tab, s.StripH, s.Color);
    }

    // The selected tab's sides lie over its neighbours' top rows.
    if (selected_shown && index == s.CurrentTab - 1) canvas.Pixels({{R - 1, T + 1}, {R - 1, T + 2}}, border);
    if (selected_shown && index == s.CurrentTab + 1 && look == Look::kNormal) {
      canvas.Pixels({{L + 1, T}}, kBandEdge);
      // The selected tab's right side, down to the baseline: with Color
      // Office-2003 the face gradient just drawn went over all of it.
      canvas.Line({L + 1, T + 1}, {L + 1, s.StripH + 1}, border);
      canvas.Pixels({{L, T + 1}, {L, T + 2}}, kSelectedFace);
    }

    if (look == Look::kNormal && s.Color == static_cast<int32_t>(Colors::kOffice2003)) DrawTabCaptions(control);
  }
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

}  // namespace folivan
