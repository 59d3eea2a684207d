#include "paint/visio_style.h"

#include <algorithm>
#include <vector>

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

  const double SW = bars.SW();
  const double SH = control.GetSurface().ScaleHeight();

  // Only bars with rows on the surface are drawn (the grip reaches a few rows
  // beyond a thin bar); with many tabs the stacks run far beyond its edges.
  // The upper stack is tabs 0..CurrentTab from the top; the lower stack is
  // drawn from the bottom bar upwards.
  auto off_surface = [SH](const TabBox& bar) {
    return std::max(bar.T, bar.B) + 8 < 0 || std::min(bar.T, bar.B) - 8 > SH;
  };
  std::vector<int32_t> upper;
  std::vector<int32_t> lower;
  for (int32_t i = 0; i <= s.Tabs - 1 && i <= s.CurrentTab; ++i) {
    if (!off_surface(TabBox::Of(control.Record(static_cast<int16_t>(i))))) upper.push_back(i);
  }
  for (int32_t i = s.Tabs - 1; i >= s.CurrentTab + 1; --i) {
    if (!off_surface(TabBox::Of(control.Record(static_cast<int16_t>(i))))) lower.push_back(i);
  }

  // The frame, and the page inside it in BackColor (not Face). A bar paints
  // every pixel of the page's rows it spans (edges from x = 1, face up to the
  // frame), so the page is filled only in the rows no bar will cover.
  DrawRect(control, 0, 0, CLng(SW), CLng(SH), c.Shadow, true);
  const RgbColor page = control.TranslateColor(s.BackColor);
  const int32_t page_width = CLng(SW - 2);
  const int32_t page_height = CLng(SH - 2);
  const int64_t page_right = 1 + static_cast<int64_t>(page_width);
  const bool office = s.Color == static_cast<int32_t>(Colors::kOffice2003);
  const int64_t edges_right = CLng(SW - 1);
  const int64_t face_right = office ? edges_right : 2 + static_cast<int64_t>(CLng(SW - 3));
  const bool bars_cover_rows =
      page_width > 0 && page_height > 0 && edges_right >= page_right && face_right >= page_right;
  if (!bars_cover_rows) {
    DrawRect(control, 1, 1, page_width, page_height, page, false);
  } else {
    std::vector<bool> covered(static_cast<size_t>(page_height), false);
    auto cover = [&](int32_t i, bool bottom) {
      const TabBox bar = TabBox::Of(control.Record(static_cast<int16_t>(i)));
      if (bar.B <= bar.T) return;
      const int64_t last = bottom ? static_cast<int64_t>(bar.B) - 1 : bar.B;
      for (int64_t y = std::max<int64_t>(bar.T, 1); y <= last && y <= page_height; ++y) {
        covered[static_cast<size_t>(y - 1)] = true;
      }
    };
    for (int32_t i : upper) cover(i, false);
    for (int32_t i : lower) cover(i, i == s.Tabs - 1);
    for (int32_t y = 1; y <= page_height;) {
      if (covered[static_cast<size_t>(y - 1)]) {
        ++y;
        continue;
      }
      int32_t end = y;
      while (end <= page_height && !covered[static_cast<size_t>(end - 1)]) ++end;
      DrawRect(control, 1, y, page_width, end - y, page, false);
      y = end;
    }
  }

  for (int32_t i : upper) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    const TabBox bar = TabBox::Of(tab);
    bars.TopEdge(bar);
    bars.LeftEdge(bar);
    bars.Face(tab, bar);
    if (bars.LunaMode() && !s.NoteOneColors && i == s.CurrentTab) bars.CurrentGlow(bar);
    bars.BottomEdge(bar.B);
    bars.Grip(bar);
  }

  // The bottom bar's lower edge is drawn a row higher, over its face, so that
  // it stays inside the frame.
  for (int32_t i : lower) {
    const TabRecord& tab = control.Record(static_cast<int16_t>(i));
    const TabBox bar = TabBox::Of(tab);
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
