#include "paint/bodies.h"

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "paint/primitives.h"
#include "paint/visio_style.h"
#include "paint/wizard_page.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

constexpr bool kFrame = true;
constexpr bool kFill = false;

// What every body renderer reads: the surface's size in single precision, read
// afresh at each use, and the body's top row B = StripH + 1 (the strip's
// baseline).
struct BodyFrame {
  explicit BodyFrame(FolivanTab& control)
      : owner(control), state(control.State()), B(CInt(state.StripH + 1)), StripH(state.StripH) {}

  float SW() const { return static_cast<float>(owner.GetSurface().ScaleWidth()); }
  float SH() const { return static_cast<float>(owner.GetSurface().ScaleHeight()); }

  // The colour mode of the Office-looking styles: Color Office-2003 with LunaColors.
  bool LunaMode() const { return state.Color == static_cast<int32_t>(Colors::kOffice2003) && state.LunaColors; }
  bool ColorOffice() const { return state.Color == static_cast<int32_t>(Colors::kOffice2003); }

  // The current tab's end colour, or nothing while the common area shows.
  const RgbColor* CurrentColEnd() const {
    const TabRecord* tab = state.Current();
    return tab != nullptr ? &tab->ColEnd : nullptr;
  }

  void Line(double x1, double y1, double x2, double y2, RgbColor color) const {
    DrawLine(owner, CLng(x1), CLng(y1), CLng(x2), CLng(y2), color);
  }
  void Rect(int32_t x, int32_t y, double w, double h, RgbColor color, bool frameOnly) const {
    DrawRect(owner, x, y, CLng(w), CLng(h), color, frameOnly);
  }

  FolivanTab& owner;
  ControlState& state;
  const int16_t B;
  const int16_t StripH;
};

int16_t Plus(int16_t a, int b) { return CInt(a + b); }

}  // namespace

void DrawBody(FolivanTab& control) {
  Surface& surface = control.GetSurface();
  const ControlState& s = control.State();
  surface.SetBackColor(static_cast<OleColor>(s.paint.colors.Face));
  surface.Cls();

  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kWindowsXp:
      DrawXpBody(control);
      break;
    case Appearances::kPropertyPage:
      DrawPropertyPageBody(control);
      break;
    case Appearances::kVisualStudio:
      DrawVisualStudioBody(control);
      break;
    case Appearances::kOffice2003:
      DrawOfficeBody(control);
      break;
    case Appearances::kPropertyPageSelected:
      switch (static_cast<Colors>(s.Color)) {
        case Colors::kDefault:
          DrawPropertyPageBody(control);
          break;
        case Colors::kOffice2003:
          DrawOfficeBody(control);
          break;
        case Colors::kVisualStudio:
          DrawVisualStudioBody(control);
          break;
        default:  // a Color outside 1..3 draws no body
          break;
      }
      break;
    case Appearances::kFlat:
      DrawFlatBody(control);
      break;
    case Appearances::kSsTab:
      DrawSsTabBody(control);
      break;
    case Appearances::kMsExcel:
      DrawExcelBody(control);
      break;
    case Appearances::kRounded:
      DrawRoundedBody(control);
      break;
    case Appearances::kVisio:  // the frame, the page and every bar
      DrawVisioStyle(control);
      break;
    case Appearances::kWizard:
      DrawWizardPage(control);
      break;
    // State Buttons and System show the cleared surface as their body.
    default:
      break;
  }
}

void DrawXpBody(FolivanTab& control) {
  const BodyFrame f(control);
  const ColorSet& c = f.state.paint.colors;
  const int16_t B = f.B;

  f.Rect(0, B, f.SW() - 2, f.SH() - f.StripH - 3, c.BorderColor, kFrame);
  f.Rect(1, Plus(B, 1), f.SW() - 4, f.SH() - f.StripH - 5, Rgb(252, 252, 254), kFrame);
  if (f.state.PlainTab) {
    f.Rect(2, Plus(B, 2), f.SW() - 6, f.SH() - f.StripH - 7, Rgb(255, 255, 255), kFill);
  } else {
    GradientFillRect(control, 2, Plus(B, 2), CLng(f.SW() - 4), CLng(f.SH() - 4),
                     static_cast<OleColor>(Rgb(252, 252, 254)), static_cast<OleColor>(Rgb(244, 243, 238)),
                     GradientMode::kVertical);
  }

  // The shade at the right and bottom; the right-hand lines start at row 22
  // whatever the strip's height.
  const RgbColor outer = Rgb(227, 224, 208);
  const RgbColor inner = Rgb(208, 206, 191);
  f.Line(0, f.SH() - 1, f.SW(), f.SH() - 1, outer);
  f.Line(0, f.SH() - 2, f.SW(), f.SH() - 2, inner);
  f.Line(f.SW() - 1, 22, f.SW() - 1, f.SH() - 1, outer);
  f.Line(f.SW() - 2, 22, f.SW() - 2, f.SH() - 2, inner);
}

void DrawPropertyPageBody(FolivanTab& control) {
  const BodyFrame f(control);
  ColorSet& c = f.state.paint.colors;
  const ThemePalette& palette = SharedThemePalette();
  const int16_t B = f.B;

  if (f.LunaMode()) {
    // These stay for the rest of the repaint: the tabs are drawn with them too.
    c.Shadow = palette.LunaMid;
    c.Light = palette.HotDark;
    c.DarkShadow = palette.LunaBorder;
    f.Rect(1, B, f.SW() - 3, f.SH() - f.StripH - 1, palette.HotDark, f.state.PlainTab);
  }

  f.Line(0, B, 0, f.SH() - 1, c.HighLight);
  f.Line(0, B, f.SW() - 1, B, c.HighLight);
  f.Line(0, f.SH() - 1, f.SW() - 1, f.SH() - 1, c.DarkShadow);
  f.Line(f.SW() - 1, B, f.SW() - 1, f.SH(), c.DarkShadow);
  f.Line(1, Plus(B, 1), 1, f.SH() - 2, c.Light);
  f.Line(1, Plus(B, 1), f.SW() - 2, Plus(B, 1), c.Light);
  f.Line(1, f.SH() - 2, f.SW() - 2, f.SH() - 2, c.Shadow);
  f.Line(f.SW() - 2, Plus(B, 1), f.SW() - 2, f.SH() - 1, c.Shadow);
}

void DrawVisualStudioBody(FolivanTab& control) {
  const BodyFrame f(control);
  const ColorSet& c = f.state.paint.colors;
  const int16_t B = f.B;

  f.Line(0, B, 0, f.SH() - 1, c.HighLight);
  f.Line(0, B, f.SW() - 1, B, c.HighLight);
  f.Line(0, f.SH() - 1, f.SW() - 1, f.SH() - 1, c.WindowFrame);
  f.Line(f.SW() - 1, B, f.SW() - 1, f.SH(), c.WindowFrame);
  if (f.LunaMode()) {
    f.Rect(1, Plus(B, 1), f.SW() - 2, f.SH() - f.StripH - 3, SharedThemePalette().HotDark, f.state.PlainTab);
  }
}

void DrawOfficeBody(FolivanTab& control) {
  const BodyFrame f(control);
  const int16_t B = f.B;

  if (f.LunaMode()) {
    f.Rect(1, Plus(B, 1), f.SW() - 2, f.SH() - f.StripH - 3, SharedThemePalette().HotDark, f.state.PlainTab);
  }
  f.Rect(0, B, f.SW(), f.SH() - f.StripH - 1, f.state.paint.colors.Shadow, kFrame);
}

void DrawFlatBody(FolivanTab& control) {
  const BodyFrame f(control);
  f.Rect(0, f.B, f.SW(), f.SH() - f.StripH - 1, f.state.paint.colors.Shadow, kFrame);
}

void DrawSsTabBody(FolivanTab& control) {
  const BodyFrame f(control);
  const ColorSet& c = f.state.paint.colors;
  const int16_t B = f.B;

  f.Rect(0, B, f.SW(), f.SH() - f.StripH - 1, Rgb(0, 0, 0), kFrame);

  f.Line(1, Plus(B, 1), 1, f.SH() - 1, c.HighLight);
  f.Line(2, Plus(B, 2), 2, f.SH() - 2, c.HighLight);
  f.Line(1, Plus(B, 1), f.SW() - 2, Plus(B, 1), c.HighLight);
  f.Line(2, Plus(B, 2), f.SW() - 3, Plus(B, 2), c.HighLight);

  f.Line(2, f.SH() - 2, f.SW() - 1, f.SH() - 2, c.Shadow);
  f.Line(3, f.SH() - 3, f.SW() - 1, f.SH() - 3, c.Shadow);
  f.Line(f.SW() - 2, Plus(B, 1), f.SW() - 2, f.SH() - 1, c.Shadow);
  f.Line(f.SW() - 3, Plus(B, 2), f.SW() - 3, f.SH() - 1, c.Shadow);
}

void DrawExcelBody(FolivanTab& control) {
  const BodyFrame f(control);
  const ThemePalette& palette = SharedThemePalette();
  const int16_t B = f.B;
  const bool note_one = f.state.NoteOneColors;

  const RgbColor outer = f.ColorOffice() ? palette.LunaBorder : f.state.paint.colors.Shadow;
  f.Rect(0, B, f.SW(), f.SH() - f.StripH - 1, outer, kFrame);

  RgbColor inner = Rgb(255, 255, 255);
  if (note_one) {
    const RgbColor* col_end = f.CurrentColEnd();
    if (col_end == nullptr) return;  // the common area keeps the plain background
    inner = *col_end;
  } else if (f.ColorOffice() && f.state.LunaColors) {
    inner = palette.HotDark;
  }
  f.Rect(1, Plus(B, 1), f.SW() - 2, f.SH() - f.StripH - 3, inner, f.state.PlainTab);
}

void DrawRoundedBody(FolivanTab& control) {
  const BodyFrame f(control);
  const ColorSet& c = f.state.paint.colors;
  const int16_t B = f.B;

  const RgbColor white = Rgb(255, 255, 255);
  f.Line(0, B, f.SW(), B, white);
  f.Line(0, Plus(B, 1), f.SW() - 1, Plus(B, 1), white);
  f.Line(0, B, 0, f.SH() - 1, white);
  f.Line(1, B, 1, f.SH() - 2, white);

  f.Line(f.SW() - 1, B, f.SW() - 1, f.SH() - 1, c.DarkShadow);
  f.Line(f.SW() - 2, Plus(B, 1), f.SW() - 2, f.SH() - 1, c.DarkShadow);
  f.Line(0, f.SH() - 1, f.SW(), f.SH() - 1, c.DarkShadow);
  f.Line(1, f.SH() - 2, f.SW() - 1, f.SH() - 2, c.DarkShadow);

  // With PlainTab the cleared face shows through.
  if (f.state.PlainTab) return;
  RgbColor fill = c.Face;
  if (f.state.NoteOneColors) {
    const RgbColor* col_end = f.CurrentColEnd();
    if (col_end == nullptr) return;
    fill = *col_end;
  } else if (f.LunaMode()) {
    fill = SharedThemePalette().HotDark;
  }
  f.Rect(2, Plus(B, 2), f.SW() - 4, f.SH() - f.StripH - 5, fill, kFill);
}

}  // namespace folivan
