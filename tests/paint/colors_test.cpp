// Version and theme detection, the shared palette and the colour set. (The
// NoteOne colours are the play scenario note_one_colours.)
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>

#include "paint/colors.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

using ColorsTest = PaintTest;

WindowsVersion Version(uint32_t major, uint32_t minor, uint32_t platform = 2) {
  return WindowsVersion{major, minor, 0, platform};
}

TEST_F(ColorsTest, VersionDecidesWhetherThemesAreAvailable) {
  struct Case {
    uint32_t major, minor;
    bool was;
    bool expected;
  };
  const Case cases[] = {
      {6, 0, false, true},  {10, 0, false, true}, {5, 1, false, true},  {5, 2, false, true},
      {4, 10, true, false}, {4, 90, true, false}, {3, 51, true, false}, {0, 0, true, false},
      // 4.0 to 4.9 and 5.0 leave the flag alone.
      {4, 0, false, false}, {4, 0, true, true},   {4, 9, true, true},   {5, 0, false, false},
      {5, 0, true, true},
  };
  for (const Case& c : cases) {
    SharedPlatformFlags().ThemesAvailable = c.was;
    system.SetVersion(Version(c.major, c.minor));
    DetectWindowsVersion(control);
    EXPECT_EQ(SharedPlatformFlags().ThemesAvailable, c.expected) << c.major << "." << c.minor << " was " << c.was;
  }
}

TEST_F(ColorsTest, NtPlatformIsTheSecondBitOfThePlatformId) {
  for (auto [id, nt] : {std::pair{2u, true}, {1u, false}, {0u, false}, {3u, true}}) {
    system.SetVersion(Version(5, 1, id));
    DetectWindowsVersion(control);
    EXPECT_EQ(SharedPlatformFlags().IsNtPlatform, nt) << id;
  }
}

class ThemeTest : public PaintTest {
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
  BuildColorSet(control);
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

TEST_F(ColorsTest, TheColourSetWritesTheHotColoursButNoLunaColours) {
  SharedThemePalette() = ThemePalette{};
  BuildColorSet(control);
  EXPECT_NE(SharedThemePalette().HotDark, 0);
  EXPECT_EQ(SharedThemePalette().LunaBorder, 0);
}

}  // namespace
}  // namespace folivan::testing
