#include "render/flat_tabs.h"

#include "core/folivan_tab.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

constexpr RgbColor kBlack = Rgb(0, 0, 0);

// --- Flat -----------------------------------------------------------------------------------

// The face of a flat tab: the Color's face, with Color 2 and LunaColors the
// scheme's gradient (the hot colours for the selected tab).
Face FlatFace(const ControlState& s, const TabRecord& tab, bool selected) {
  const ThemePalette& luna = SharedThemePalette();
  if (LunaMode(s)) return selected ? Face{luna.HotLight, luna.HotDark} : Face{luna.LunaGradientTop, luna.LunaGradientBottom};
  return TabFace(s, tab);
}

// --- ssTab ----------------------------------------------------------------------------------

// The colour that the selected tab's opening and the client area take:
// the tab's ColEnd with NoteOneColors, HotDark with Color 2 and LunaColors.
const RgbColor* SsTabClientColour(const ControlState& s, const TabRecord& selected) {
  if (s.NoteOneColors) return &selected.ColEnd;
  if (LunaMode(s)) return &SharedThemePalette().HotDark;
  return nullptr;
}

void DrawSsTab(const StripCanvas& canvas, const ControlState& s, const TabRecord& tab, int32_t H) {
  const ColorSet& c = s.paint.colors;
  const auto [L, T, R, B] = TabBox::Of(tab);
  const bool selected = &tab == s.Current();

  // Every tab reaches from the top of the control to the body, whatever its Top.
  canvas.Line({L, 4}, {L, H + 1}, kBlack);
  canvas.Line({R, 4}, {R, H + 1}, c.Shadow);
  canvas.Line({L + 4, 0}, {R - 2, 0}, kBlack);
  canvas.Line({L + 4, 1}, {R - 3, 1}, c.HighLight);
  canvas.Line({L + 1, 4}, {L + 1, H + 1}, c.HighLight);

  // Face.
  canvas.FaceFill(Rect{L + 2, 2, R, H + 1}, TabFace(s, tab));
  if (!selected) canvas.Line({R + 1, 4}, {R + 1, H + 1}, kBlack);

  // Bevelled top corners.
  canvas.Pixels({{L + 1, 3}, {L + 2, 2}, {L + 3, 1}, {R, 3}, {R - 1, 2}, {R - 2, 1}}, kBlack);
  canvas.Pixels({{L + 2, 3}, {L + 3, 2}}, c.HighLight);
  canvas.Pixels({{R - 1, 3}, {R - 2, 2}, {R - 3, 1}}, c.Shadow);
  if (!selected) return;

  // The selected tab: an inner bevel, and an opening three rows deep into the body.
  canvas.Line({L + 3, 2}, {R - 2, 2}, c.HighLight);
  canvas.Line({L + 2, 4}, {L + 2, H + 2}, c.HighLight);
  canvas.Pixels({{L + 3, 4}, {L + 3, 3}, {L + 4, 3}}, c.HighLight);
  canvas.Line({R - 1, 4}, {R - 1, H + 2}, c.Shadow);
  canvas.Pixels({{R - 2, 4}, {R - 2, 3}, {R - 3, 3}, {R - 3, 2}}, c.Shadow);
  canvas.Pixel({R - 3, 1}, c.HighLight);
  canvas.Pixel({L + 1, H + 1}, c.HighLight);
  canvas.Pixels({{R, H + 1}, {R - 1, H + 2}}, c.Shadow);

  const RgbColor* client = SsTabClientColour(s, tab);
  const RgbColor opening = client != nullptr ? *client : c.Face;
  canvas.Line({L + 3, H + 1}, {R - 1, H + 1}, opening);
  canvas.Line({L + 3, H + 2}, {R - 1, H + 2}, opening);
  canvas.Line({L + 3, H + 3}, {R - 1, H + 3}, c.Face);
}

}  // namespace

void DrawFlatTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);
  const RgbColor line = LunaMode(s) ? SharedThemePalette().LunaBorder : c.Shadow;

  DrawStripBackground(control);

  for (int32_t i = shown.first; i <= shown.last; ++i) {
    const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
    const auto [L, T, R, B] = TabBox::Of(tab);
    const bool selected = i == s.CurrentTab;

    // Left and top; neighbours share the line between them, so only the
    // control's last tab closes its right side.
    canvas.Line({L, T}, {L, B + 1}, line);
    canvas.Line({L, T}, {R + 1, T}, line);
    if (i == s.Tabs - 1) canvas.Line({R + 1, T}, {R + 1, B + 1}, line);

    canvas.FaceFill(Rect{L + 1, T + 1, R + 1, B + 1}, FlatFace(s, tab, selected));
    if (selected) canvas.Line({L + 1, B + 1}, {R + 1, B + 1}, c.Face);
  }
}

void DrawStateButtonTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);
  const int32_t H = s.StripH;

  // Etched separators between the buttons; none beside the pressed one.
  for (int32_t i = shown.first; i <= shown.last; ++i) {
    if (i == s.CurrentTab || i == s.CurrentTab - 1) continue;
    const auto [L, T, R, B] = TabBox::Of(s.tabs[static_cast<size_t>(i)]);
    canvas.Line({R + 1, T + 3}, {R + 1, H - 1}, c.HighLight);
    canvas.Line({R, T + 3}, {R, H - 1}, c.Shadow);
    canvas.Pixel({R, H - 2}, c.HighLight);
  }

  // The selected tab is a button pressed in around its caption.
  const TabRecord* selected = ShownSelectedTab(s, shown);
  if (selected == nullptr) return;
  const auto [L, T, R, B] = TabBox::Of(*selected);
  const auto [CL, CT, CR, CB] = CaptionBox::Of(*selected);

  if (HasColor(s, Colors::kOffice2003) || HasColor(s, Colors::kVisualStudio)) {
    // The scheme's darkest blue with the Luna colours, else its border colour.
    const ThemePalette& luna = SharedThemePalette();
    const RgbColor outer = LunaMode(s) && !s.NoteOneColors ? luna.LunaDark : luna.LunaBorder;
    canvas.Frame(L, CT - 4, R - L, CB + 6, outer);
    canvas.Frame(L + 1, CT - 3, R - L - 2, CB + 4, c.HighLight);
    return;
  }
  canvas.Line({L, CT - 4}, {R, CT - 4}, c.Shadow);
  canvas.Line({L, CT - 4}, {L, CB + 6}, c.Shadow);
  canvas.Line({L, CB + 6}, {R + 1, CB + 6}, c.HighLight);
  canvas.Line({R, CT - 4}, {R, CB + 6}, c.HighLight);
}

void DrawSsTabTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);
  const int32_t H = s.StripH;
  const int32_t W = canvas.W();

  DrawStripBackground(control);

  // The body's top edge.
  canvas.Line({0, H + 1}, {W - 1, H + 1}, kBlack);
  canvas.Line({1, H + 2}, {W - 2, H + 2}, c.HighLight);
  canvas.Line({2, H + 3}, {W - 3, H + 3}, c.HighLight);

  // With Visual Studio colours the selected tab stands alone.
  const bool selected_alone = HasColor(s, Colors::kVisualStudio);
  for (int32_t i = shown.first; i <= shown.last; ++i) {
    if (selected_alone && i != s.CurrentTab) continue;
    DrawSsTab(canvas, s, s.tabs[static_cast<size_t>(i)], H);
  }

  // The strip's last tab closes its right side, selected or not.
  if (shown.last >= shown.first) {
    const int32_t R = s.tabs[static_cast<size_t>(shown.last)].AR;
    canvas.Line({R + 1, 4}, {R + 1, H + 1}, kBlack);
  }

  const TabRecord* selected = ShownSelectedTab(s, shown);
  if (selected == nullptr) return;
  if (const RgbColor* client = SsTabClientColour(s, *selected)) {
    canvas.Fill(3, H + 4, W - 6, canvas.SH() - H - 7, *client);
  }
}

}  // namespace folivan
