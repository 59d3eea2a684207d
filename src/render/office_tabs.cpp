#include "render/office_tabs.h"

#include "core/folivan_tab.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

constexpr RgbColor kWhite = Rgb(255, 255, 255);

bool SelectedAlone(const ControlState& s) {
  return s.Appearance == static_cast<int32_t>(Appearances::kPropertyPageSelected);
}

// With NoteOneColors the client area takes the selected tab's colour: the
// inside of the body's frame.
void FillClientWithSelectedColour(FolivanTab& control, const VisibleTabs& shown) {
  const ControlState& s = control.State();
  const RgbColor* colour = NoteOneSelectedColor(s, shown);
  if (colour == nullptr) return;
  const StripCanvas canvas(control);
  const int32_t H = s.StripH;
  canvas.Fill(1, H + 2, canvas.W() - 2, canvas.SH() - H - 3, *colour);
}

// The strip again in the scheme's colours, at the start of the Luna pass.
void DrawLunaStrip(const StripCanvas& canvas, int32_t H) {
  const ThemePalette& luna = SharedThemePalette();
  canvas.VerticalGradient(Rect{0, 0, canvas.W(), H + 1}, luna.LunaLight, luna.LunaLightest);
}

// --- Visual Studio ---------------------------------------------------------------------------

void DrawVisualStudioPass(const StripCanvas& canvas, const ControlState& s, const VisibleTabs& shown, bool luna) {
  const ColorSet& c = s.paint.colors;
  const ThemePalette& palette = SharedThemePalette();
  const int32_t H = s.StripH;
  if (luna) DrawLunaStrip(canvas, H);

  // Thin separators right of the tabs; none beside the selected tab.
  if (!SelectedAlone(s)) {
    const RgbColor separator = luna ? palette.LunaMid : c.Shadow;
    for (int32_t i = shown.first; i <= shown.last; ++i) {
      if (i == s.CurrentTab || i == s.CurrentTab - 1) continue;
      const auto [L, T, R, B] = TabBox::Of(s.tabs[static_cast<size_t>(i)]);
      canvas.Line({R, T + 3}, {R, H - 1}, separator);
    }
  }

  const TabRecord* selected = ShownSelectedTab(s, shown);
  if (selected == nullptr) return;
  const auto [L, T, R, B] = TabBox::Of(*selected);

  // Raised edge: white left and top, frame colour on the right.
  canvas.Line({L, T + 1}, {L, H + 1}, kWhite);
  canvas.Line({R, T}, {R, H + 2}, c.WindowFrame);
  canvas.Line({L, T}, {R, T}, kWhite);

  // Face: Face first, then the face of its Color over it.
  canvas.Fill(L + 1, T + 1, R - L - 1, B - T + 1, c.Face);
  Face face = TabFace(s, *selected);
  if (luna) {
    face = {palette.HotLight, palette.HotDark};
  } else if (s.NoteOneColors && HasColor(s, Colors::kDefault)) {
    face = {selected->ColStart, selected->ColEnd};
  }
  canvas.FaceFill(Rect{L + 1, T + 1, R, B + 2}, face);
  if (s.NoteOneColors) canvas.Line({L, H + 1}, {R, H + 1}, selected->ColEnd);
}

// --- Office 2003 -----------------------------------------------------------------------------

struct OfficeFrame {
  const StripCanvas& canvas;
  const ControlState& s;
  int32_t H;
  bool luna;
  RgbColor outline;  // Shadow, or the scheme's dark colour in the Luna pass
};

void DrawOfficeTab(const OfficeFrame& f, int32_t i) {
  const ControlState& s = f.s;
  const ColorSet& c = s.paint.colors;
  const StripCanvas& canvas = f.canvas;
  const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
  const auto [L, T, R, B] = TabBox::Of(tab);
  const int32_t H = f.H;
  const bool selected = i == s.CurrentTab;
  // The slanted left side runs from (L, T + 3) one pixel to the left per row
  // down and ends at the baseline at x = foot.
  const int32_t foot = L - (B - T) + 2;
  const int32_t slant_top = T + 3;
  const int32_t left = L;
  const auto slant_x = [&](int32_t y) { return left - (y - slant_top); };

  // Right side, left out where the selected tab's slanted side lies over it.
  if (i != s.CurrentTab - 1) canvas.Line({R, T + 2}, {R, H + 1}, f.outline);

  // Top, with a rounded top-left corner.
  canvas.Line({L + 5, T}, {R - 1, T}, f.outline);
  canvas.Pixels({{L, T + 3}, {L + 1, T + 2}, {L + 2, T + 2}, {L + 3, T + 1}, {L + 4, T + 1}, {R - 1, T + 1}}, f.outline);

  // Face: the gradient right of x = L + 5, then the slanted part row by row in
  // the colour the gradient has on that row.
  const ThemePalette& palette = SharedThemePalette();
  Face face = TabFace(s, tab);
  if (f.luna) {
    face = selected ? Face{palette.HotLight, palette.HotDark} : Face{palette.LunaGradientTop, palette.LunaGradientBottom};
  }
  canvas.VerticalGradient(Rect{L + 5, T + 1, R, H + 1}, face.top, face.bottom);
  const int32_t face_left = L + 5;
  const auto fill_row = [&](int32_t from, int32_t y) { canvas.Line({from, y}, {face_left, y}, canvas.ColorAt({face_left + 2, y})); };
  fill_row(L + 3, T + 2);
  fill_row(L + 1, T + 3);
  for (int32_t y = T + 4; y <= H; ++y) fill_row(slant_x(y), y);

  // Slanted left side, over the right end of the tab before.
  canvas.Line({L, T + 3}, {foot, H + 1}, f.outline);
  canvas.Pixel({foot, H}, f.outline);
  if (i == s.CurrentTab + 1) canvas.Pixels({{L - 1, T + 2}, {L - 1, T + 3}}, f.outline);

  if (!selected) return;
  // The selected tab opens into the body and has a highlight inside its edge.
  canvas.Line({foot, H + 1}, {R + 1, H + 1}, c.Face);
  canvas.Line({R - 1, T + 2}, {R - 1, H + 1}, c.HighLight);
  canvas.Line({L + 5, T + 1}, {R - 1, T + 1}, c.HighLight);
  canvas.Line({L + 1, T + 3}, {foot + 1, H + 1}, c.HighLight);
  canvas.Pixels({{L + 2, T + 3}, {L + 3, T + 2}, {L + 4, T + 2}}, c.HighLight);
}

void DrawOfficePass(const OfficeFrame& f, const VisibleTabs& shown) {
  if (f.luna) DrawLunaStrip(f.canvas, f.H);
  if (SelectedAlone(f.s)) {
    if (ShownSelectedTab(f.s, shown) != nullptr) DrawOfficeTab(f, f.s.CurrentTab);
    return;
  }
  // Left to right: each slanted side lies over the tab before it.
  for (int32_t i = shown.first; i <= shown.last; ++i) DrawOfficeTab(f, i);
}

// --- Ms Excel ----------------------------------------------------------------------------------

// A sheet tab: a trapezoid from its top row T + 1 down to the strip's last row
// H, whose sides move one pixel outwards every two rows. The left side starts
// at the tab's top-left corner, the right side ends at the tab's right edge on
// the last row.
struct SheetTab {
  int32_t L;
  int32_t R;
  int32_t top;
  int32_t H;
  static SheetTab Of(const TabRecord& tab, int32_t H) { return {tab.AL, tab.AR, tab.AT + 1, H}; }
  int32_t Left(int32_t y) const { return L - (y - top) / 2; }
  int32_t Right(int32_t y) const { return R - (H - y) / 2; }
};

void DrawSheetTab(const StripCanvas& canvas, const SheetTab& tab, RgbColor face, RgbColor outline) {
  for (int32_t y = tab.top + 1; y <= tab.H; ++y) {
    if (tab.Left(y) + 1 < tab.Right(y)) canvas.Line({tab.Left(y) + 1, y}, {tab.Right(y), y}, face);
  }
  canvas.Line({tab.Left(tab.top), tab.top}, {tab.Right(tab.top) + 1, tab.top}, outline);
  for (int32_t y = tab.top + 1; y <= tab.H; ++y) {
    canvas.Pixel({tab.Left(y), y}, outline);
    canvas.Pixel({tab.Right(y), y}, outline);
  }
}

void DrawExcelPass(const StripCanvas& canvas, const ControlState& s, const VisibleTabs& shown, bool luna) {
  const ColorSet& c = s.paint.colors;
  const int32_t H = s.StripH;
  const RgbColor outline = luna ? SharedThemePalette().LunaBorder : c.Shadow;
  if (luna) DrawLunaStrip(canvas, H);

  for (int32_t i = shown.first; i <= shown.last; ++i) {
    if (i == s.CurrentTab) continue;
    const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
    DrawSheetTab(canvas, SheetTab::Of(tab, H), s.NoteOneColors ? tab.ColEnd : c.Face, outline);
  }

  // The selected sheet in front of its neighbours, white, open into the body.
  const TabRecord* selected = ShownSelectedTab(s, shown);
  if (selected == nullptr) return;
  const SheetTab sheet = SheetTab::Of(*selected, H);
  DrawSheetTab(canvas, sheet, kWhite, outline);
  RgbColor opening = kWhite;
  if (s.NoteOneColors) {
    opening = selected->ColEnd;
  } else if (LunaMode(s)) {
    opening = SharedThemePalette().HotDark;
  }
  canvas.Line({sheet.Left(H) + 1, H + 1}, {sheet.Right(H), H + 1}, opening);
}

}  // namespace

void DrawVisualStudioTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);

  DrawStripBackground(control);
  DrawVisualStudioPass(canvas, s, shown, false);
  if (LunaMode(s)) DrawVisualStudioPass(canvas, s, shown, true);
  FillClientWithSelectedColour(control, shown);
}

void DrawOfficeTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);

  DrawStripBackground(control);
  DrawOfficePass({canvas, s, s.StripH, false, s.paint.colors.Shadow}, shown);
  if (LunaMode(s)) DrawOfficePass({canvas, s, s.StripH, true, SharedThemePalette().LunaDark}, shown);
  FillClientWithSelectedColour(control, shown);
}

void DrawExcelTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);

  DrawStripBackground(control);
  DrawExcelPass(canvas, s, shown, false);
  if (LunaMode(s)) DrawExcelPass(canvas, s, shown, true);
  FillClientWithSelectedColour(control, shown);
}

}  // namespace folivan
