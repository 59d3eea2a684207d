// Theme detection and the colours of the control: the module-wide Windows
// version flags and ThemePalette, the control's ColorSet, and the NoteOne
// colour tables for tabs that have no gradient colours of their own.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

// The eleven colours of the visual style's colour scheme (blue, silver or
// olive). One copy per thread, shared by every control on it: the last
// detection wins.
struct ThemePalette {
  RgbColor LunaLight = 0;
  RgbColor LunaLightest = 0;
  RgbColor LunaGradientTop = 0;
  RgbColor LunaGradientBottom = 0;
  RgbColor LunaBorder = 0;
  RgbColor LunaDark = 0;
  RgbColor LunaMid = 0;
  // The "hot" colours, the same in every scheme.
  RgbColor HotLight = 0;
  RgbColor HotDark = 0;
  RgbColor HotLightest = 0;
  RgbColor HotLighter = 0;
};

// This thread's palette.
ThemePalette& SharedThemePalette();

// The flags that DetectWindowsVersion sets; module-wide (one copy per thread),
// both false in a fresh thread.
struct PlatformFlags {
  bool ThemesAvailable = false;
  bool IsNtPlatform = false;
};
PlatformFlags& SharedPlatformFlags();

// ThemeCode values.
namespace theme_code {
constexpr int16_t kNone = 0;       // no visual style, or a colour scheme other than the three
constexpr int16_t kBlue = 1;       // "NormalColor"
constexpr int16_t kSilver = 2;     // "Metallic"
constexpr int16_t kOlive = 3;      // "HomeStead"
}  // namespace theme_code

// The seven Luna colours of a scheme's column: code 2 silver, 3 olive, any
// other code blue.
struct LunaColumn {
  RgbColor LunaLight;
  RgbColor LunaLightest;
  RgbColor LunaGradientTop;
  RgbColor LunaGradientBottom;
  RgbColor LunaBorder;
  RgbColor LunaDark;
  RgbColor LunaMid;
};
LunaColumn LunaColumnFor(int16_t code);

// Writes a column into the palette, and the four hot colours.
void WriteLunaColumn(ThemePalette& palette, const LunaColumn& column);
void WriteHotColors(ThemePalette& palette);

// The NoteOne pairs for tabs without colours of their own, k = (tab mod 8) + 1
// mapping to index k - 1: the end (base) colour and the start (light) colour.
extern const std::array<RgbColor, 8> kNoteOneBase;
extern const std::array<RgbColor, 8> kNoteOneLight;

// Reads the Windows version into SharedPlatformFlags(): IsNtPlatform from the
// platform id; ThemesAvailable true from 5.1 on, false for 4.10 to 4.x and
// below 4, unchanged for 4.0 to 4.9 and 5.0.
void DetectWindowsVersion(FolivanTab& control);

// The colour scheme of the active visual style for the window, written into
// SharedThemePalette(); returns the ThemeCode (0 when there is no visual
// style or the scheme is none of the three). The caller stores the result.
int16_t DetectThemeColors(FolivanTab& control, WindowHandle hwnd);

// Resolves the control's ColorSet (State().paint.colors) from the system
// colours or the TabColor… properties by ColorSystem, writes the hot colours
// into the palette, and with NoteOneColors gives every tab without colours
// (0, black) its NoteOne pair, stored in the tab records.
void BuildColorSet(FolivanTab& control);

// The host's AmbientChanged notification, whatever the property: detect the
// version and the theme again, store ThemeCode, and repaint.
void HandleAmbientChanged(FolivanTab& control, std::string_view name);

}  // namespace folivan
