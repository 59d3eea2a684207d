// The pairs of the strip styles whose hot look is a face: Property Page,
// Office 2003, Flat and Rounded. With Color Office-2003 an unselected tab under
// the mouse takes the hot face (HotLightest at the top to HotLighter at the
// bottom) inside the outline its renderer gives it, and gets its own face back
// when the mouse leaves; with the other Colors, and on the selected tab, only
// the caption changes. Nothing changes while HotTracking is off.
#include <algorithm>
#include <vector>

#include "core/folivan_tab.h"
#include "render/geometry.h"
#include "render/hot_look.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

// Whether the look draws a face over tab `index`.
bool DrawsFace(const ControlState& s, int16_t index) {
  return HasColor(s, Colors::kOffice2003) && index != s.CurrentTab;
}

Face HotFace() {
  const ThemePalette& luna = SharedThemePalette();
  return {luna.HotLightest, luna.HotLighter};
}

// An unselected tab's face as the style's renderer leaves it with Color
// Office-2003: the scheme's gradient after the Luna pass, else by the face table.
Face NormalFace(const ControlState& s, const TabRecord& tab) {
  const ThemePalette& luna = SharedThemePalette();
  return LunaMode(s) ? Face{luna.LunaGradientTop, luna.LunaGradientBottom} : TabFace(s, tab);
}

Face LookFace(const ControlState& s, const TabRecord& tab, Look look) {
  return look == Look::kHot ? HotFace() : NormalFace(s, tab);
}

const TabRecord& Record(const ControlState& s, int32_t index) { return s.tabs[static_cast<size_t>(index)]; }

// --- Office 2003 ---------------------------------------------------------------------------------

// A slanted tab: its left side runs from (L, T + 3) one pixel to the left per
// row down and meets the baseline at Foot().
struct SlantedTab {
  TabBox box;
  int32_t Foot() const { return box.L - (box.B - box.T) + 2; }
  int32_t SideX(int32_t y) const { return box.L - (y - (box.T + 3)); }
};

// Fills the rows left of x = L + 5 along the slanted side, each in the colour
// the face has at (L + 7, y), from row T + 2 down to the strip's last row H.
void FillSlantedRows(const StripCanvas& canvas, const SlantedTab& tab, int32_t H) {
  const auto [L, T, R, B] = tab.box;
  for (int32_t y = T + 2; y <= H; ++y) {
    const int32_t left = y == T + 2 ? L + 3 : (y == T + 3 ? L + 1 : tab.SideX(y));
    canvas.Line({left, y}, {L + 5, y}, canvas.ColorAt({L + 7, y}));
  }
}

void DrawSlantedSide(const StripCanvas& canvas, const SlantedTab& tab, int32_t H, RgbColor outline) {
  canvas.Line({tab.box.L, tab.box.T + 3}, {tab.Foot(), H + 1}, outline);
  canvas.Pixel({tab.Foot(), H}, outline);
}

// The right-hand neighbour's slanted part reaches over the right end of a tab,
// in front of it. What the screen shows there is kept before the tab's face
// goes on and put back afterwards, so the neighbour stays in front whatever
// its face, caption and pictures.
class NeighbourSlant {
 public:
  NeighbourSlant(const StripCanvas& canvas, const ControlState& s, int16_t index) : canvas_(canvas) {
    const int32_t n = index + 1;
    if (!VisibleTabs::Of(s).Contains(n)) return;
    const SlantedTab neighbour{TabBox::Of(s.tabs[static_cast<size_t>(n)])};
    const int32_t right = s.tabs[static_cast<size_t>(index)].AR - 1;  // the face's last column
    const int32_t H = s.StripH;
    for (int32_t y = neighbour.box.T + 4; y <= H; ++y) {
      // The side's last row also has the pixel at its foot.
      const int32_t left = y == H ? std::min(neighbour.SideX(y), neighbour.Foot()) : neighbour.SideX(y);
      for (int32_t x = left; x <= right; ++x) kept_.push_back({{x, y}, canvas.ColorAt({x, y})});
    }
  }
  void PutBack() const {
    for (const auto& [at, color] : kept_) canvas_.Pixel(at, color);
  }

 private:
  struct Kept {
    Point at;
    RgbColor color;
  };
  const StripCanvas& canvas_;
  std::vector<Kept> kept_;
};

// --- Rounded ---------------------------------------------------------------------------------------

// The two-pixel outline with cut corners of an unselected rounded tab.
void DrawRoundedOutline(const StripCanvas& canvas, const ColorSet& c, const TabBox& tab) {
  const auto [L, T, R, B] = tab;
  for (const int32_t x : {L, L + 1, R - 1, R}) canvas.Line({x, T}, {x, B + 1}, c.Shadow);
  for (const int32_t y : {T, T + 1}) canvas.Line({L, y}, {R - 1, y}, c.Shadow);
  canvas.Pixels({{L, T}, {L, T + 1}, {L, T + 2}, {L + 1, T}, {L + 1, T + 1}, {L + 2, T}}, c.Face);
  canvas.Pixels({{R, T}, {R, T + 1}, {R, T + 2}, {R - 1, T}, {R - 1, T + 1}, {R - 2, T}}, c.Face);
  canvas.Pixels({{L + 2, T + 2}, {L + 2, T + 3}, {L + 3, T + 2}}, c.Shadow);
  canvas.Pixels({{R - 2, T + 2}, {R - 2, T + 3}, {R - 3, T + 2}}, c.Shadow);
}

}  // namespace

void DrawPropertyPageLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  if (!s.HotTracking) return;
  if (DrawsFace(s, index)) {
    const ColorSet& c = s.paint.colors;
    const ThemePalette& luna = SharedThemePalette();
    const StripCanvas canvas(control);
    const TabRecord& tab = Record(s, index);
    const auto [L, T, R, B] = TabBox::Of(tab);
    const int32_t H = s.StripH;
    // The raised outline in the colours the strip's last pass left on it.
    const RgbColor outer_dark = LunaMode(s) ? luna.LunaBorder : c.DarkShadow;
    const RgbColor inner_dark = LunaMode(s) ? luna.LunaMid : c.Shadow;
    const RgbColor inner_top = LunaMode(s) ? luna.LunaMid : c.Light;

    canvas.Line({L, T + 2}, {L, H + 1}, c.HighLight);
    canvas.Line({R, T + 2}, {R, H + 1}, outer_dark);
    canvas.Line({L + 2, T}, {R - 1, T}, c.HighLight);
    canvas.Line({L + 1, T + 2}, {L + 1, H + 1}, c.Light);
    canvas.Line({R - 1, T + 2}, {R - 1, H + 1}, inner_dark);
    canvas.Line({L + 2, T + 1}, {R - 1, T + 1}, inner_top);
    canvas.FaceFill(Rect{L + 1, T + 1, R - 1, B + 1}, LookFace(s, tab, look));
    canvas.Pixel({L + 1, T + 1}, c.HighLight);
    canvas.Pixel({R - 1, T + 1}, outer_dark);

    // The selected tab is two pixels wider on each side than its rectangle:
    // its sides lie over the neighbours' outer columns and go again on top.
    if (const TabRecord* selected = ShownSelectedTab(s, VisibleTabs::Of(s))) {
      const auto [SL, ST, SR, SB] = TabBox::Of(*selected);
      if (index == s.CurrentTab - 1) {
        canvas.Line({SL - 2, ST}, {SL - 2, H + 1}, c.HighLight);
        canvas.Line({SL - 1, ST}, {SL - 1, H + 1}, c.Light);
      } else if (index == s.CurrentTab + 1) {
        canvas.Line({SR + 2, ST}, {SR + 2, H + 1}, outer_dark);
        canvas.Line({SR + 1, ST}, {SR + 1, H + 1}, inner_dark);
      }
    }
  }
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

void DrawOfficeLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  if (!s.HotTracking) return;
  if (DrawsFace(s, index)) {
    const StripCanvas canvas(control);
    const TabRecord& record = Record(s, index);
    const SlantedTab tab{TabBox::Of(record)};
    const auto [L, T, R, B] = tab.box;
    const int32_t H = s.StripH;
    const RgbColor outline = LunaMode(s) ? SharedThemePalette().LunaDark : s.paint.colors.Shadow;

    const NeighbourSlant neighbour(canvas, s, index);
    const Face face = LookFace(s, record, look);
    canvas.VerticalGradient(Rect{L + 5, T + 1, R, H + 1}, face.top, face.bottom);
    FillSlantedRows(canvas, tab, H);
    canvas.Pixel({R - 1, T + 1}, outline);
    DrawSlantedSide(canvas, tab, H, outline);
    if (index == s.CurrentTab + 1) canvas.Pixels({{L - 1, T + 2}, {L - 1, T + 3}}, outline);
    neighbour.PutBack();

    // Just left of the selected tab: that tab's slanted side, in front.
    if (index == s.CurrentTab - 1 && ShownSelectedTab(s, VisibleTabs::Of(s)) != nullptr) {
      const SlantedTab selected{TabBox::Of(Record(s, s.CurrentTab))};
      DrawSlantedSide(canvas, selected, H, outline);
      canvas.Line({selected.box.L + 1, selected.box.T + 3}, {selected.Foot() + 1, H + 1}, s.paint.colors.HighLight);
    }
  }
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

void DrawFlatLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  if (!s.HotTracking) return;
  if (DrawsFace(s, index)) {
    const TabRecord& tab = Record(s, index);
    const auto [L, T, R, B] = TabBox::Of(tab);
    StripCanvas(control).FaceFill(Rect{L + 1, T + 1, R + 1, B + 1}, LookFace(s, tab, look));
  }
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

void DrawRoundedLook(FolivanTab& control, int16_t index, Look look) {
  const ControlState& s = control.State();
  if (!s.HotTracking) return;
  if (DrawsFace(s, index)) {
    const StripCanvas canvas(control);
    const TabRecord& tab = Record(s, index);
    const auto [L, T, R, B] = TabBox::Of(tab);
    // Outline first: the face covers its inner corner pixels, as in the strip.
    DrawRoundedOutline(canvas, s.paint.colors, TabBox::Of(tab));
    canvas.FaceFill(Rect{L + 2, T + 2, R - 1, B + 1}, LookFace(s, tab, look));
  }
  DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox);
}

}  // namespace folivan
