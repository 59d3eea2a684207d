// Version and theme detection, the shared palette and the colour set. (The
// NoteOne colours are the play scenario note_one_colours; that the colour set
// leaves the detected Luna column alone is in bodies_test's Metallic body.)
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>

#include "paint/colors.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

using ColorsTest = ControlTest;

WindowsVersion Version(uint32_t major, uint32_t minor, uint32_t platform = 2) {
  return WindowsVersion{major, minor, 0, platform};
}

// The version decides whether themes are available; NT is the platform id's second bit.
TEST_F(ColorsTest, VersionDecidesThemesAndThePlatformIdNt) {
  struct Case {
    uint32_t major, minor, platform;
    bool was;
    bool themes, nt;
  };
  const Case cases[] = {
      {6, 0, 2, false, true, true},  {10, 0, 2, false, true, true}, {5, 1, 2, false, true, true},
      {5, 2, 2, false, true, true},  {4, 10, 2, true, false, true}, {4, 90, 2, true, false, true},
      {3, 51, 2, true, false, true}, {0, 0, 2, true, false, true},
      // 4.0 to 4.9 and 5.0 leave the flag alone.
      {4, 0, 2, false, false, true}, {4, 0, 2, true, true, true},   {4, 9, 2, true, true, true},
      {5, 0, 2, false, false, true}, {5, 0, 2, true, true, true},
      {5, 1, 1, false, true, false}, {5, 1, 0, false, true, false}, {5, 1, 3, false, true, true},
  };
  for (const Case& c : cases) {
    SharedPlatformFlags().ThemesAvailable = c.was;
    system.SetVersion(Version(c.major, c.minor, c.platform));
    DetectWindowsVersion(control);
    EXPECT_EQ(SharedPlatformFlags().ThemesAvailable, c.themes) << c.major << "." << c.minor << " was " << c.was;
    EXPECT_EQ(SharedPlatformFlags().IsNtPlatform, c.nt) << c.platform;
  }
}

class ThemeTest : public ControlTest {
 protected:
  ThemeTest() {
    system.SetVersion(Version(5, 1));
    DetectWindowsVersion(control);
  }
  int16_t Detect(std::optional<ThemeName> theme) {
    system.SetTheme(std::move(theme));
    return DetectThemeColors(control, surface.Hwnd());
  }
  // The palette's Luna entries against a column.
  static auto Luna(const auto& p) {
    return std::tie(p.LunaLight, p.LunaLightest, p.LunaGradientTop, p.LunaGradientBottom, p.LunaBorder, p.LunaDark,
                    p.LunaMid);
  }
  static void ExpectColumn(const LunaColumn& want) { EXPECT_EQ(Luna(SharedThemePalette()), Luna(want)); }
  static ThemeName Scheme(std::string color) { return ThemeName{"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", color}; }
};

TEST_F(ThemeTest, SchemeNameGivesTheCodeAndTheLunaColumn) {
  // Names are compared exactly and cut at their first NUL unless it comes first;
  // unknown names give code 0 with the blue column.
  const std::pair<std::string, int16_t> cases[] = {
      {"NormalColor", 1}, {"Metallic", 2}, {"HomeStead", 3}, {std::string("Metallic\0junk", 13), 2},
      {"normalcolor", 0}, {"NormalColor2", 0}, {"Homestead", 0}, {"Royale", 0}, {"", 0},
      {std::string("\0Metallic", 9), 0}};
  for (const auto& [name, code] : cases) {
    Detect(Scheme(code == 2 ? "HomeStead" : "Metallic"));  // every Luna entry must be rewritten
    EXPECT_EQ(Detect(Scheme(name)), code) << name;
    ExpectColumn(LunaColumnFor(code == 0 ? 1 : code));
  }
}

TEST_F(ThemeTest, WithoutAVisualStyleTheBluePaletteAndCodeZeroApply) {
  Detect(Scheme("HomeStead"));
  EXPECT_EQ(Detect(std::nullopt), 0);  // OpenThemeData fails
  ExpectColumn(LunaColumnFor(1));

  // Windows 2000: no themes even though a name would be there.
  SharedPlatformFlags() = PlatformFlags{};
  Detect(Scheme("HomeStead"));
  system.SetVersion(Version(5, 0));
  DetectWindowsVersion(control);
  SharedThemePalette() = ThemePalette{};
  EXPECT_EQ(Detect(Scheme("HomeStead")), 0);
  ExpectColumn(LunaColumnFor(1));
}

TEST_F(ThemeTest, ThePaletteIsSharedByTheControlsOfAThreadOnly) {
  HeadlessSystem other_system;
  HostedSurface other_surface(other_system, 50, 50);
  HeadlessHost other_host(other_surface, other_system);
  FolivanTab other(other_host, other_system);
  other_system.SetTheme(Scheme("Metallic"));

  Detect(Scheme("HomeStead"));
  EXPECT_EQ(DetectThemeColors(other, other_surface.Hwnd()), 2);
  // The last detection wins, for every control on the thread.
  ExpectColumn(LunaColumnFor(2));

  RgbColor seen_elsewhere = -2;
  std::thread([&] { seen_elsewhere = SharedThemePalette().LunaBorder; }).join();
  EXPECT_EQ(seen_elsewhere, 0);
}

TEST_F(ThemeTest, AmbientChangeDetectsTheThemeAgain) {
  Detect(std::nullopt);
  S().ThemeCode = 0;
  system.SetTheme(Scheme("Metallic"));
  control.AmbientChanged("BackColor");
  EXPECT_EQ(S().ThemeCode, 2);
  ExpectColumn(LunaColumnFor(2));

  // Version detection runs first: on Windows 98 the theme is no longer looked at.
  system.SetVersion(Version(4, 10));
  HandleAmbientChanged(control, "UserMode");
  EXPECT_EQ(S().ThemeCode, 0);
  ExpectColumn(LunaColumnFor(1));
}

// The default colours themselves are in every golden image.
TEST_F(ColorsTest, DefaultColoursComeFromTheSystemAndIgnoreTheTabColourProperties) {
  control.SetTabColorForeGround(static_cast<OleColor>(Rgb(1, 1, 1)));
  control.SetTabColorShadow(static_cast<OleColor>(Rgb(2, 2, 2)));
  system.SetSysColor(22, Rgb(30, 31, 32));
  SharedThemePalette() = ThemePalette{};
  BuildColorSet(control);
  EXPECT_NE(SharedThemePalette().HotDark, 0) << "the set writes the hot colours";
  EXPECT_EQ(Colors().Face, Rgb(236, 233, 216));
  EXPECT_EQ(Colors().Shadow, Rgb(172, 168, 153));
  EXPECT_EQ(Colors().Light, Rgb(30, 31, 32));
}

TEST_F(ColorsTest, CustomisedColoursAreTranslatedFromTheProperties) {
  control.SetColorSystem(2);
  control.SetTabColorForeGround(SystemColor(13));  // a system-colour code: its RGB now
  control.SetTabColorShadow(static_cast<OleColor>(Rgb(2, 3, 4)));
  control.SetTabColorLight(static_cast<OleColor>(Rgb(5, 6, 7)));
  control.SetTabColorDarkShadow(0x05000000u);  // untranslatable
  control.SetTabColorHighLight(static_cast<OleColor>(Rgb(8, 9, 10)));
  BuildColorSet(control);
  const ColorSet& c = Colors();
  EXPECT_EQ(c.Face, Rgb(49, 106, 197));
  EXPECT_EQ(c.Shadow, Rgb(2, 3, 4));
  EXPECT_EQ(c.Light, Rgb(5, 6, 7));
  EXPECT_EQ(c.DarkShadow, -1);
  EXPECT_EQ(control.TranslateColor(SystemColor(200)), -1);  // no such system colour
  EXPECT_EQ(c.HighLight, Rgb(8, 9, 10));
  // 255 - (255 - 49) / 3 = 186.33, 255 - 149 / 3 = 205.33, 255 - 58 / 3 = 235.67
  EXPECT_EQ(c.FaceTint, Rgb(186, 205, 236));

  system.SetSysColor(13, Rgb(100, 0, 0));
  BuildColorSet(control);
  EXPECT_EQ(Colors().Face, Rgb(100, 0, 0));
}

TEST_F(ColorsTest, AnyColorSystemOtherThanOneIsCustomised) {
  S().ColorSystem = 7;
  S().TabColorForeGround = static_cast<OleColor>(Rgb(0, 0, 0));
  BuildColorSet(control);
  EXPECT_EQ(Colors().Face, Rgb(0, 0, 0));
  EXPECT_EQ(Colors().FaceTint, Rgb(170, 170, 170));

  // A face that failed to translate tints like black.
  S().TabColorForeGround = 0x05000000u;
  BuildColorSet(control);
  EXPECT_EQ(Colors().Face, -1);
  EXPECT_EQ(Colors().FaceTint, Rgb(170, 170, 170));
}

}  // namespace
}  // namespace folivan::testing
