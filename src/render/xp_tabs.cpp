#include "render/xp_tabs.h"

#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"

namespace folivan {

namespace {

// --- colours of the unselected tabs ------------------------------------------------------
constexpr RgbColor kOutline = Rgb(145, 167, 180);
constexpr RgbColor kCornerInner = Rgb(228, 233, 236);
constexpr RgbColor kCornerOuter = Rgb(200, 209, 205);
constexpr RgbColor kShadeOuterTop = Rgb(240, 238, 234);
constexpr RgbColor kShadeOuterBottom = Rgb(224, 221, 212);
constexpr RgbColor kShadeInnerTop = Rgb(245, 244, 242);
constexpr RgbColor kShadeInnerBottom = Rgb(234, 232, 225);
constexpr RgbColor kBottomShade = Rgb(228, 226, 218);

struct FaceGradient {
  RgbColor top;
  RgbColor bottom;
};

FaceGradient UnselectedFace(int32_t color) {
  switch (static_cast<Colors>(color)) {
    case Colors::kOffice2003: return {Rgb(255, 255, 255), Rgb(190, 190, 216)};
    case Colors::kVisualStudio: return {Rgb(255, 255, 246), Rgb(245, 242, 224)};
    default: return {Rgb(250, 250, 249), Rgb(236, 235, 230)};
  }
}

// --- colours of the selected tab --------------------------------------------------------------
struct BandColors {
  RgbColor edge;    // the top row and the band's outer pixels
  RgbColor inner;   // rows 1 and 2
  RgbColor corner;  // the pixels that round the band's corners off
};
constexpr RgbColor kBandHalo = Rgb(225, 198, 142);  // the soft pixels beside the band's ends
constexpr RgbColor kSelectedFace = Rgb(252, 252, 254);

// The band of Color VisualStudio is a darker orange and has no corner pixels of
// its own; every other Color takes the Windows XP orange.
bool VisualStudioBand(int32_t color) { return color == static_cast<int32_t>(Colors::kVisualStudio); }

void DrawUnselectedTab(const Canvas& canvas, const TabBox& tab, int32_t H, int32_t color) {
  const int32_t L = tab.L, T = tab.T, R = tab.R;

  // Outline: both sides down to the baseline, and the top between the corners.
  canvas.Line({L, T + 2}, {L, H + 1}, kOutline);
  canvas.Line({R - 1, T + 2}, {R - 1, H + 1}, kOutline);
  canvas.Line({L + 2, T}, {R - 2, T}, kOutline);

  // Face.
  const FaceGradient face = UnselectedFace(color);
  canvas.VerticalGradient(Rect{L + 1, T + 1, R - 1, H + 1}, face.top, face.bottom);

  // Rounded top corners.
  canvas.Pixels({{L + 1, T + 1}, {R - 2, T + 1}}, kOutline);
  canvas.Pixels({{L + 2, T + 1}, {L + 1, T + 2}, {R - 3, T + 1}, {R - 2, T + 2}}, kCornerInner);
  canvas.Pixels({{L, T + 1}, {L + 1, T}, {R - 1, T + 1}, {R - 2, T}}, kCornerOuter);

  // Shade: two columns darkening towards the right edge, and a bottom line.
  if (color != static_cast<int32_t>(Colors::kOffice2003)) {
    canvas.VerticalGradient(Rect{R - 2, T + 4, R - 1, H + 1}, kShadeOuterTop, kShadeOuterBottom);
    canvas.VerticalGradient(Rect{R - 3, T + 4, R - 2, H + 1}, kShadeInnerTop, kShadeInnerBottom);
    canvas.Line({L + 1, H}, {R - 2, H}, kBottomShade);
  }
}

void DrawSelectedTab(const Canvas& canvas, const TabBox& tab, int32_t H, int32_t color, RgbColor border) {
  const int32_t L = tab.L, R = tab.R;

  // Orange band across the top of the control, two pixels wider on each side.
  if (VisualStudioBand(color)) {
    const BandColors band{Rgb(207, 114, 37), Rgb(227, 145, 79), Rgb(207, 114, 37)};
    canvas.Line({L, 0}, {R + 1, 0}, band.edge);
    canvas.Line({L, 1}, {R + 1, 1}, band.inner);
    canvas.Line({L - 1, 2}, {R + 2, 2}, band.inner);
    canvas.Pixels({{L - 1, 1}, {R + 1, 1}}, band.edge);
    canvas.Pixels({{L - 2, 1}, {L - 1, 0}, {R + 2, 1}, {R + 1, 0}}, kBandHalo);
    canvas.Pixels({{L - 2, 2}, {R + 2, 2}}, band.edge);
  } else {
    const BandColors band{Rgb(230, 139, 44), Rgb(255, 200, 60), Rgb(249, 185, 56)};
    canvas.Line({L, 0}, {R + 1, 0}, band.edge);
    canvas.Line({L, 1}, {R + 1, 1}, band.inner);
    canvas.Line({L, 2}, {R + 1, 2}, band.inner);
    canvas.Pixels({{L - 1, 1}, {R + 1, 1}}, band.edge);
    canvas.Pixels({{L, 1}, {L - 1, 2}, {R, 1}, {R + 1, 2}}, band.corner);
    canvas.Pixels({{L - 2, 1}, {L - 1, 0}, {R + 2, 1}, {R + 1, 0}}, kBandHalo);
    canvas.Pixels({{L - 2, 2}, {R + 2, 2}}, band.edge);
  }

  // Sides from under the band down to the baseline.
  canvas.Line({L - 2, 3}, {L - 2, H + 1}, border);
  canvas.Line({R + 2, 3}, {R + 2, H + 1}, border);

  // Face, covering the baseline under the tab so that it opens into the body.
  canvas.Fill(L - 1, 3, R - L + 3, H - 1, kSelectedFace);
}

}  // namespace

void DrawXpTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const Canvas canvas(control);
  const int32_t H = s.StripH;
  const RgbColor border = s.paint.colors.BorderColor;

  // Baseline of the strip, where the body's top edge lies.
  canvas.Line({0, H + 1}, {CLng(control.GetSurface().ScaleWidth() - 2), H + 1}, border);

  const VisibleTabs shown = VisibleTabs::Of(s);
  for (int32_t i = shown.first; i <= shown.last; ++i) {
    if (i == s.CurrentTab) continue;
    DrawUnselectedTab(canvas, TabBox::Of(s.tabs[static_cast<size_t>(i)]), H, s.Color);
  }

  // The selected tab last, over its neighbours, unless it is scrolled out at the left.
  if (s.CurrentTab >= shown.first && s.IsValidTab(s.CurrentTab)) {
    DrawSelectedTab(canvas, TabBox::Of(s.tabs[static_cast<size_t>(s.CurrentTab)]), H, s.Color, border);
  }
}

}  // namespace folivan
