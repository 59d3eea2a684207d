#include "render/property_page_tabs.h"

#include <exception>

#include "core/folivan_tab.h"
#include "paint/bodies.h"
#include "platform/system.h"
#include "platform/vb_runtime.h"
#include "render/strip_faces.h"

namespace folivan {

namespace {

// --- Property Page ------------------------------------------------------------------------

// The colours of one pass of the raised tabs. The first pass takes the
// ColorSet; with Color 2 and LunaColors a second pass goes over it in the
// scheme's colours.
struct RaisedPass {
  RgbColor outer_light;      // HighLight: outer left and top lines
  RgbColor outer_dark;       // DarkShadow: outer right line
  RgbColor inner_light;      // Light: inner left and top lines
  RgbColor inner_dark;       // Shadow: inner right line
  RgbColor unselected_inner_top;
  bool luna = false;
  // The baseline: its first row from x = baseline_left to W, its second row
  // from baseline_left to W - baseline_cut in baseline_second.
  int32_t baseline_left = 2;
  int32_t baseline_cut = 1;
  RgbColor baseline_second;
};

RaisedPass PlainPass(const ColorSet& c) {
  return {.outer_light = c.HighLight,
          .outer_dark = c.DarkShadow,
          .inner_light = c.Light,
          .inner_dark = c.Shadow,
          .unselected_inner_top = c.Light,
          .luna = false,
          .baseline_left = 2,
          .baseline_cut = 1,
          .baseline_second = c.Light};
}

RaisedPass LunaPass(const ColorSet& c, const ThemePalette& luna) {
  return {.outer_light = c.HighLight,
          .outer_dark = luna.LunaBorder,
          .inner_light = c.Light,
          .inner_dark = luna.LunaMid,
          .unselected_inner_top = luna.LunaMid,
          .luna = true,
          .baseline_left = 1,
          .baseline_cut = 2,
          .baseline_second = luna.HotDark};
}

struct PropertyPageFrame {
  const ControlState& s;
  const StripCanvas& canvas;
  VisibleTabs shown;
  int32_t H;
  int32_t W;
};

void DrawRaisedUnselectedTab(const PropertyPageFrame& f, const RaisedPass& p, const TabRecord& tab) {
  const auto [L, T, R, B] = TabBox::Of(tab);
  const int32_t H = f.H;
  const StripCanvas& canvas = f.canvas;

  // Outline: outer lines, then the inner ones.
  canvas.Line({L, T + 2}, {L, H + 1}, p.outer_light);
  canvas.Line({R, T + 2}, {R, H + 1}, p.outer_dark);
  canvas.Line({L + 2, T}, {R - 1, T}, p.outer_light);
  canvas.Line({L + 1, T + 2}, {L + 1, H + 1}, p.inner_light);
  canvas.Line({R - 1, T + 2}, {R - 1, H + 1}, p.inner_dark);
  canvas.Line({L + 2, T + 1}, {R - 1, T + 1}, p.unselected_inner_top);

  // Face.
  const ThemePalette& luna = SharedThemePalette();
  const Face face = p.luna ? Face{luna.LunaGradientTop, luna.LunaGradientBottom} : TabFace(f.s, tab);
  canvas.FaceFill(Rect{L + 1, T + 1, R - 1, B + 1}, face);

  // Top corners.
  canvas.Pixel({L + 1, T + 1}, p.outer_light);
  canvas.Pixel({R - 1, T + 1}, p.outer_dark);
}

void DrawRaisedSelectedTab(const PropertyPageFrame& f, const RaisedPass& p, const TabRecord& tab) {
  const auto [L, T, R, B] = TabBox::Of(tab);
  const int32_t H = f.H;
  const ControlState& s = f.s;
  const ColorSet& c = s.paint.colors;
  const StripCanvas& canvas = f.canvas;

  // Outline, two pixels larger on each side and two pixels higher.
  canvas.Line({L - 2, T}, {L - 2, H + 1}, p.outer_light);
  canvas.Line({R + 2, T}, {R + 2, H + 1}, p.outer_dark);
  canvas.Line({L, T - 2}, {R + 1, T - 2}, p.outer_light);
  canvas.Line({L - 1, T}, {L - 1, H + 1}, p.inner_light);
  canvas.Line({R + 1, T}, {R + 1, H + 1}, p.inner_dark);
  canvas.Line({L, T - 1}, {R + 1, T - 1}, p.inner_light);
  canvas.Pixel({L - 1, T - 1}, p.outer_light);
  canvas.Pixel({R + 1, T - 1}, p.outer_dark);

  // Opening into the body. The first tab of the strip keeps the body's left
  // edge: its opening starts at L, and the baseline's corner pixel is lit.
  const bool leftmost = s.CurrentTab == 0 || s.CurrentTab == f.shown.first;
  const int32_t open_left = leftmost ? L : L - 2;
  const int32_t open_right = R + 3;
  const auto open = [&](RgbColor color) {
    canvas.Line({open_left, H + 1}, {open_right, H + 1}, color);
    canvas.Line({open_left, H + 2}, {open_right, H + 2}, color);
  };
  open(c.Face);
  if (leftmost) canvas.Pixel({1, H + 1}, p.inner_light);

  // Face.
  const ThemePalette& luna = SharedThemePalette();
  if (p.luna) {
    canvas.FaceFill(Rect{L - 1, T - 1, R + 1, B + 2}, {luna.HotLight, luna.HotDark});
  } else {
    canvas.FaceFill(Rect{L - 1, T - 1, R + 1, B + 1}, TabFace(s, tab));
  }
  if (s.NoteOneColors) {
    canvas.Pixel({L - 1, T - 1}, p.outer_light);
    open(tab.ColEnd);
  }
}

void DrawRaisedPass(const PropertyPageFrame& f, const RaisedPass& p) {
  const ControlState& s = f.s;
  const int32_t H = f.H;
  const StripCanvas& canvas = f.canvas;

  // Baseline, where the body's top edge lies.
  canvas.Line({p.baseline_left, H + 1}, {f.W, H + 1}, p.outer_light);
  canvas.Line({p.baseline_left, H + 2}, {f.W - p.baseline_cut, H + 2}, p.baseline_second);
  if (p.luna) {
    const ThemePalette& luna = SharedThemePalette();
    canvas.VerticalGradient(Rect{0, 0, f.W, H + 1}, luna.LunaLight, luna.LunaLightest);
  }

  // Property Page Selected shows the selected tab alone.
  if (s.Appearance != static_cast<int32_t>(Appearances::kPropertyPageSelected)) {
    for (int32_t i = f.shown.first; i <= f.shown.last; ++i) {
      if (i == s.CurrentTab) continue;
      DrawRaisedUnselectedTab(f, p, s.tabs[static_cast<size_t>(i)]);
    }
  }
  if (const TabRecord* selected = ShownSelectedTab(s, f.shown)) DrawRaisedSelectedTab(f, p, *selected);
}

// --- Rounded --------------------------------------------------------------------------------

void DrawRoundedOutline(const StripCanvas& canvas, const ColorSet& c, const TabBox& tab, int32_t Y0) {
  const auto [L, T, R, B] = tab;

  // Two-pixel outline.
  for (const int32_t x : {L, L + 1, R - 1, R}) canvas.Line({x, Y0}, {x, B + 1}, c.Shadow);
  for (const int32_t y : {Y0, Y0 + 1}) canvas.Line({L, y}, {R - 1, y}, c.Shadow);

  // Corners cut back to the face, then rounded on the inside.
  canvas.Pixels({{L, Y0}, {L, Y0 + 1}, {L, Y0 + 2}, {L + 1, Y0}, {L + 1, Y0 + 1}, {L + 2, Y0}}, c.Face);
  canvas.Pixels({{R, Y0}, {R, Y0 + 1}, {R, Y0 + 2}, {R - 1, Y0}, {R - 1, Y0 + 1}, {R - 2, Y0}}, c.Face);
  canvas.Pixels({{L + 2, Y0 + 2}, {L + 2, Y0 + 3}, {L + 3, Y0 + 2}}, c.Shadow);
  canvas.Pixels({{R - 2, Y0 + 2}, {R - 2, Y0 + 3}, {R - 3, Y0 + 2}}, c.Shadow);
}

// The face of a rounded tab: Color 2 by LunaColors (the hot colours for the
// selected tab), then NoteOneColors, then FaceTint to Face; otherwise solid,
// in the tab's ColEnd with NoteOneColors, else in Face.
Face RoundedFace(const ControlState& s, const TabRecord& tab, bool selected) {
  const ThemePalette& luna = SharedThemePalette();
  if (LunaMode(s)) return selected ? Face{luna.HotLight, luna.HotDark} : Face{luna.LunaGradientTop, luna.LunaGradientBottom};
  return TabFace(s, tab);
}

}  // namespace

void DrawPropertyPageTabs(FolivanTab& control) {
  ControlState& s = control.State();
  ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const PropertyPageFrame f{s, canvas, VisibleTabs::Of(s), s.StripH, canvas.W()};

  DrawStripBackground(control);
  DrawRaisedPass(f, PlainPass(c));
  if (LunaMode(s)) DrawRaisedPass(f, LunaPass(c, SharedThemePalette()));

  // NoteOneColors: the client area takes the colour of the selected tab, and
  // so does Light for the rest of the repaint.
  const TabRecord* selected = ShownSelectedTab(s, f.shown);
  if (s.NoteOneColors && selected != nullptr) {
    const int32_t H = f.H;
    const auto [L, T, R, B] = TabBox::Of(*selected);
    c.Light = selected->ColEnd;
    canvas.Line({L - 2, H + 1}, {R + 3, H + 1}, c.Light);
    canvas.Fill(1, H + 2, f.W - 3, canvas.SH() - H - 4, c.Light);
    if (s.CurrentTab == f.shown.first) canvas.Pixel({0, H + 1}, c.HighLight);
  }
}

void DrawRoundedTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);
  const bool visual_studio = HasColor(s, Colors::kVisualStudio);
  const RgbColor separator = control.GetSystem().GetSysColor(syscolor::kGrayText);

  DrawStripBackground(control);

  for (int32_t i = shown.first; i <= shown.last; ++i) {
    const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
    const auto [L, T, R, B] = TabBox::Of(tab);

    if (i != s.CurrentTab) {
      // Visual Studio colours: no outline and no face, only a grey separator.
      if (visual_studio) {
        canvas.Line({R + 1, T + 3}, {R + 1, B - 2}, separator);
        continue;
      }
      DrawRoundedOutline(canvas, c, TabBox::Of(tab), T);
      canvas.FaceFill(Rect{L + 2, T + 2, R - 1, B + 1}, RoundedFace(s, tab, false));
      continue;
    }

    // The selected tab, two pixels higher, opening into the body.
    DrawRoundedOutline(canvas, c, TabBox::Of(tab), T - 2);
    RgbColor opening = c.Face;
    if (s.NoteOneColors) {
      opening = tab.ColEnd;
    } else if (LunaMode(s)) {
      opening = SharedThemePalette().HotDark;
    }
    canvas.Line({L, B + 2}, {R, B + 2}, opening);
    canvas.Line({L, B + 1}, {R, B + 1}, c.Face);
    if (visual_studio && !s.NoteOneColors) {
      // Its caption is drawn over this in SelectionText by the caption layer.
      canvas.Fill(L + 2, T, R - L - 3, B - T + 1, c.SelectionBack);
    } else {
      canvas.FaceFill(Rect{L + 2, T, R - 1, B + 1}, RoundedFace(s, tab, true));
    }
  }
}

void DrawSystemTabs(FolivanTab& control) {
  // Themes: tab items (TABP_TABITEM) and the pane (TABP_PANE) of class "TAB".
  constexpr int kTabItem = 1;
  constexpr int kPane = 9;
  constexpr int kNormal = 1;
  constexpr int kSelected = 3;
  constexpr int kDisabled = 4;
  constexpr OleColor kButtonFace = 0x8000000Fu;  // COLOR_BTNFACE as an OLE system colour

  // Each step on its own: a failure inside one is passed over.
  const auto step = [](auto&& fn) {
    try {
      fn();
      return true;
    } catch (const std::exception&) {
      return false;
    }
  };

  const ControlState& s = control.State();
  System& system = control.GetSystem();
  Surface& surface = control.GetSurface();

  ThemeHandle theme = 0;
  if (SharedPlatformFlags().ThemesAvailable) step([&] { theme = system.OpenThemeData(control.hwnd(), "TAB"); });
  if (theme == 0) {
    // Without visual styles the style is the Property Page.
    DrawPropertyPageBody(control);
    DrawPropertyPageTabs(control);
    return;
  }

  const StripCanvas canvas(control);
  const VisibleTabs shown = VisibleTabs::Of(s);
  const int32_t H = s.StripH;
  // A part counts as drawn when the call neither threw nor failed.
  const auto draw = [&](int part, int state, const Rect& area) {
    bool drawn = false;
    step([&] { drawn = system.DrawThemeBackground(theme, surface.Hdc(), part, state, area); });
    return drawn;
  };

  step([&] { surface.SetBackColor(kButtonFace); });
  const bool pane = draw(kPane, kNormal, Rect{0, H + 1, canvas.W(), canvas.SH()});
  if (pane) {
    for (int32_t i = shown.first; i <= shown.last; ++i) {
      if (i == s.CurrentTab) continue;
      const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
      const auto [L, T, R, B] = TabBox::Of(tab);
      draw(kTabItem, tab.Enabled ? kNormal : kDisabled, Rect{L, T, R + 1, B + 1});
    }
    if (const TabRecord* selected = ShownSelectedTab(s, shown)) {
      const auto [L, T, R, B] = TabBox::Of(*selected);
      draw(kTabItem, kSelected, Rect{L - 2, T - 2, R + 3, B + 2});
      // The first tab's bottom-left corner takes the pane's colour below it.
      const Point corner{L - 2, B + 1};
      if (s.CurrentTab == shown.first) step([&] { canvas.Pixel(corner, canvas.ColorAt({corner.x, corner.y + 2})); });
    }
  }
  step([&] { system.CloseThemeData(theme); });
}

}  // namespace folivan
