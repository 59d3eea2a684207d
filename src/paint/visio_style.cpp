#include "paint/visio_style.h"

#include <algorithm>

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"

namespace folivan {

namespace {

constexpr RgbColor kGrip = Rgb(191, 187, 177);

// The face of one bar, over x = 2 to the frame's inner edge and the rows
// between the bar's top edge and its bottom row.
class BarPainter {
 public:
  explicit BarPainter(FolivanTab& control)
      : s_(control.State()),
        canvas_(control),
        SW_(control.GetSurface().ScaleWidth()),
        luna_(s_.Color == static_cast<int32_t>(Colors::kOffice2003) && s_.LunaColors) {}

  bool LunaMode() const { return luna_; }
  double SW() const { return SW_; }

  // Top edge, then left edge, in HighLight.
  void TopEdge(const TabBox& bar) const { canvas_.Line({1, bar.T}, {CLng(SW_ - 1), bar.T}, colors().HighLight); }
  void LeftEdge(const TabBox& bar) const { canvas_.Line({1, bar.T + 1}, {1, bar.B}, colors().HighLight); }
  void BottomEdge(int32_t y) const { canvas_.Line({1, y}, {CLng(SW_ - 1), y}, colors().Shadow); }

  void Face(const TabRecord& tab, const TabBox& bar) const {
    const bool color_office = s_.Color == static_cast<int32_t>(Colors::kOffice2003);
    if (!color_office) {
      canvas_.Fill(2, bar.T + 1, CLng(SW_ - 3), bar.B - bar.T - 1, s_.NoteOneColors ? tab.ColEnd : colors().Face);
      return;
    }
    const ThemePalette& palette = SharedThemePalette();
    if (s_.NoteOneColors) {
      Gradient(bar, tab.ColStart, tab.ColEnd);
    } else if (s_.LunaColors) {
      Gradient(bar, palette.LunaGradientTop, palette.LunaGradientBottom);
    } else {
      Gradient(bar, colors().FaceTint, colors().Face);
    }
  }

  // The current bar of the upper stack glows orange in Luna mode.
  void CurrentGlow(const TabBox& bar) const {
    const ThemePalette& palette = SharedThemePalette();
    Gradient(bar, palette.HotLight, palette.HotDark);
  }

  // Six three-pixel dashes, every second row around the bar's middle, near its right end.
  void Grip(const TabBox& bar) const {
    const double mid = (static_cast<double>(bar.T) + bar.B) / 2;
    for (int k : {-6, -2, -4, 0, 2, 4}) {
      const int32_t y = CLng(mid + k);
      canvas_.Line({CLng(SW_ - 7), y}, {CLng(SW_ - 4), y}, kGrip);
    }
  }

 private:
  const ColorSet& colors() const { return s_.paint.colors; }

  void Gradient(const TabBox& bar, RgbColor top, RgbColor bottom) const {
    canvas_.VerticalGradient(Rect{2, bar.T + 1, CLng(SW_ - 1), bar.B}, top, bottom);
  }

  const ControlState& s_;
  const Canvas canvas_;
  const double SW_;
  const bool luna_;
};

}  // namespace

void DrawVisioStyle(FolivanTab& control) {
  ControlState& s = control.State();
  ColorSet& c = s.paint.colors;
  const BarPainter bars(control);
  if (bars.LunaMode()) c.Shadow = SharedThemePalette().LunaBorder;

  // The frame, and the page inside it in BackColor (not Face).
  const double SW = bars.SW();
  const double SH = control.GetSurface().ScaleHeight();
  DrawRect(control, 0, 0, CLng(SW), CLng(SH), c.Shadow, true);
  DrawRect(control, 1, 1, CLng(SW - 2), CLng(SH - 2), control.TranslateColor(s.BackColor), false);

  // Only bars with rows on the surface are drawn (the grip reaches a few rows
  // beyond a thin bar); with many tabs the stacks run far beyond its edges.
  auto off_surface = [SH](const TabBox& bar) {
    return std::max(bar.T, bar.B) + 8 < 0 || std::min(bar.T, bar.B) - 8 > SH;
  };

  // The upper stack: tabs 0..CurrentTab.
  for (int32_t i = 0; i <= s.Tabs - 1 && i <= s.CurrentTab; ++i) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    const TabBox bar = TabBox::Of(tab);
    if (off_surface(bar)) continue;
    bars.TopEdge(bar);
    bars.LeftEdge(bar);
    bars.Face(tab, bar);
    if (bars.LunaMode() && !s.NoteOneColors && i == s.CurrentTab) bars.CurrentGlow(bar);
    bars.BottomEdge(bar.B);
    bars.Grip(bar);
  }

  // The lower stack, from the bottom bar upwards. The bottom bar's lower edge
  // is drawn a row higher, over its face, so that it stays inside the frame.
  for (int32_t i = s.Tabs - 1; i >= s.CurrentTab + 1; --i) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    const TabBox bar = TabBox::Of(tab);
    if (off_surface(bar)) continue;
    const bool bottom = i == s.Tabs - 1;
    bars.TopEdge(bar);
    if (!bottom) bars.BottomEdge(bar.B);
    bars.LeftEdge(bar);
    bars.Face(tab, bar);
    if (bottom) bars.BottomEdge(bar.B - 1);
    bars.Grip(bar);
  }
}

}  // namespace folivan
