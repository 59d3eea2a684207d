#include "paint/colors.h"

#include <string>

#include "core/folivan_tab.h"
#include "paint/repaint.h"
#include "platform/system.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

constexpr LunaColumn kBlueColumn{Rgb(196, 218, 250), Rgb(247, 250, 254), Rgb(227, 236, 252), Rgb(166, 195, 246),
                                 Rgb(59, 97, 156),   Rgb(0, 53, 154),    Rgb(117, 166, 241)};
constexpr LunaColumn kSilverColumn{Rgb(230, 230, 230), Rgb(251, 252, 253), Rgb(244, 244, 248), Rgb(218, 218, 231),
                                   Rgb(124, 124, 148), Rgb(118, 116, 146), Rgb(186, 185, 206)};
constexpr LunaColumn kOliveColumn{Rgb(217, 228, 186), Rgb(251, 253, 252), Rgb(241, 245, 230), Rgb(210, 224, 178),
                                  Rgb(96, 128, 88),   Rgb(96, 119, 107),  Rgb(176, 194, 140)};

// GetCurrentThemeName fills buffers of this many wide characters.
constexpr size_t kThemeNameBuffer = 260;

// A returned name is cut at its first NUL, unless that NUL is its first
// character: then the text is kept whole.
std::string CutAtNul(std::string text) {
  const size_t nul = text.find('\0');
  if (nul != std::string::npos && nul != 0) text.resize(nul);
  return text;
}

// Runs one step of the detection; a failure inside it is passed over and the
// detection goes on with the next step.
template <typename Fn>
void ResumeNext(Fn&& fn) {
  try {
    fn();
  } catch (const std::exception&) {
  }
}

}  // namespace

ThemePalette& SharedThemePalette() {
  thread_local ThemePalette palette;
  return palette;
}

PlatformFlags& SharedPlatformFlags() {
  thread_local PlatformFlags flags;
  return flags;
}

const std::array<RgbColor, 8> kNoteOneBase{Rgb(138, 168, 228), Rgb(255, 219, 117), Rgb(189, 205, 159),
                                           Rgb(240, 158, 159), Rgb(186, 166, 225), Rgb(154, 191, 180),
                                           Rgb(247, 182, 131), Rgb(216, 171, 192)};
const std::array<RgbColor, 8> kNoteOneLight{Rgb(220, 229, 247), Rgb(255, 244, 214), Rgb(235, 240, 226),
                                            Rgb(251, 226, 226), Rgb(234, 228, 246), Rgb(225, 236, 233),
                                            Rgb(253, 233, 218), Rgb(243, 230, 236)};

LunaColumn LunaColumnFor(int16_t code) {
  switch (code) {
    case theme_code::kSilver:
      return kSilverColumn;
    case theme_code::kOlive:
      return kOliveColumn;
    default:
      return kBlueColumn;
  }
}

void WriteLunaColumn(ThemePalette& palette, const LunaColumn& column) {
  palette.LunaLight = column.LunaLight;
  palette.LunaLightest = column.LunaLightest;
  palette.LunaGradientTop = column.LunaGradientTop;
  palette.LunaGradientBottom = column.LunaGradientBottom;
  palette.LunaBorder = column.LunaBorder;
  palette.LunaDark = column.LunaDark;
  palette.LunaMid = column.LunaMid;
}

void WriteHotColors(ThemePalette& palette) {
  palette.HotLight = Rgb(255, 237, 213);
  palette.HotDark = Rgb(255, 194, 115);
  palette.HotLightest = Rgb(255, 251, 239);
  palette.HotLighter = Rgb(255, 240, 200);
}

void DetectWindowsVersion(FolivanTab& control) {
  const WindowsVersion v = control.GetSystem().GetVersionEx();
  PlatformFlags& flags = SharedPlatformFlags();
  flags.IsNtPlatform = (v.platform_id & 2) == 2;
  if (v.major >= 6 || (v.major == 5 && v.minor >= 1)) {
    flags.ThemesAvailable = true;
  } else if ((v.major == 4 && v.minor >= 10) || v.major < 4) {
    flags.ThemesAvailable = false;
  }
  // 4.0 to 4.9 and 5.0 leave the flag as it was.
}

int16_t DetectThemeColors(FolivanTab& control, WindowHandle hwnd) {
  System& system = control.GetSystem();
  ThemePalette& palette = SharedThemePalette();
  int16_t code = theme_code::kNone;
  bool found = false;

  if (SharedPlatformFlags().ThemesAvailable) {
    ThemeHandle theme = 0;
    ResumeNext([&] { theme = system.OpenThemeData(hwnd, "ExplorerBar"); });
    if (theme != 0) {
      // Without a name the buffers keep their NULs, which match no scheme.
      std::string file(kThemeNameBuffer, '\0');
      std::string color(kThemeNameBuffer, '\0');
      ResumeNext([&] {
        if (auto name = system.GetCurrentThemeName()) {
          file = name->file.substr(0, kThemeNameBuffer - 1);
          color = name->color.substr(0, kThemeNameBuffer - 1);
        }
      });
      file = CutAtNul(std::move(file));
      color = CutAtNul(std::move(color));
      if (color == "NormalColor") {
        code = theme_code::kBlue;
      } else if (color == "Metallic") {
        code = theme_code::kSilver;
      } else if (color == "HomeStead") {
        code = theme_code::kOlive;
      }
      WriteLunaColumn(palette, LunaColumnFor(code));
      WriteHotColors(palette);
      ResumeNext([&] { system.CloseThemeData(theme); });
      found = true;
    }
  }
  if (!found) {
    WriteLunaColumn(palette, kBlueColumn);
    WriteHotColors(palette);
  }
  return code;
}

void BuildColorSet(FolivanTab& control) {
  ControlState& s = control.State();
  const System& system = control.GetSystem();
  ColorSet& c = s.paint.colors;

  c.BorderColor = control.TranslateColor(static_cast<OleColor>(Rgb(145, 155, 156)));
  if (s.ColorSystem == static_cast<int32_t>(ColorSystems::kDefaultColors)) {
    c.Face = system.GetSysColor(syscolor::kBtnFace);
    c.Shadow = system.GetSysColor(syscolor::kBtnShadow);
    c.Light = system.GetSysColor(syscolor::k3DLight);
    c.DarkShadow = system.GetSysColor(syscolor::k3DDkShadow);
    c.HighLight = system.GetSysColor(syscolor::kBtnHighlight);
  } else {
    c.Face = control.TranslateColor(s.TabColorForeGround);
    c.Shadow = control.TranslateColor(s.TabColorShadow);
    c.Light = control.TranslateColor(s.TabColorLight);
    c.DarkShadow = control.TranslateColor(s.TabColorDarkShadow);
    c.HighLight = control.TranslateColor(s.TabColorHighLight);
  }

  int r = 0, g = 0, b = 0;
  if (c.Face > 0) {
    r = c.Face & 0xFF;
    g = (c.Face / 256) & 0xFF;
    b = (c.Face / 65536) & 0xFF;
  }

  c.SelectionBack = system.GetSysColor(syscolor::kHighlight);
  c.SelectionText = system.GetSysColor(syscolor::kHighlightText);
  c.WindowFrame = system.GetSysColor(syscolor::kWindowFrame);

  WriteHotColors(SharedThemePalette());

  // Two thirds of the way from the face to white.
  c.FaceTint = Rgb(CInt(255 - (255 - r) / 3.0), CInt(255 - (255 - g) / 3.0), CInt(255 - (255 - b) / 3.0));

  if (!s.NoteOneColors) return;
  s.paint.NoteOneBase = kNoteOneBase;
  s.paint.NoteOneLight = kNoteOneLight;
  for (int32_t i = 0; i < s.Tabs; ++i) {
    TabRecord& tab = control.Record(static_cast<int16_t>(i));
    const size_t k = static_cast<size_t>(i % 8);
    // A tab whose colour is black counts as having none.
    tab.ColEnd = control.TranslateColor(static_cast<OleColor>(tab.ColEnd == 0 ? s.paint.NoteOneBase[k] : tab.ColEnd));
    tab.ColStart =
        control.TranslateColor(static_cast<OleColor>(tab.ColStart == 0 ? s.paint.NoteOneLight[k] : tab.ColStart));
  }
}

void HandleAmbientChanged(FolivanTab& control, std::string_view) {
  DetectWindowsVersion(control);
  control.State().ThemeCode = DetectThemeColors(control, control.GetSurface().Hwnd());
  Repaint(control);
}

}  // namespace folivan
