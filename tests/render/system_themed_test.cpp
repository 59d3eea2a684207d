// The tab strips where no golden image reaches (the golden tests draw each
// style with its colour variants): Windows XP with the Office colours, a
// selected tab scrolled out of view, no tabs, no client area, the client
// area's colour, a lone flat tab, and the System style with a visual style.
// The neighbours of a selected tab that is not the first are in the strip_*_note_one
// images, and the System style without a visual style draws captions_appearance_13,
// the same image as the Property Page's captions_appearance_2.
#include <gtest/gtest.h>

#include <vector>

#include "render/hot_tabs.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kOrange = Rgb(230, 139, 44);
constexpr RgbColor kOutline = Rgb(145, 167, 180);
constexpr RgbColor kWhite = Rgb(255, 255, 255);

// A new control: StripH 20, every tab down to Bottom 20.
constexpr int32_t kH = 20;

using render_strip_rules = RenderTest;

TEST_F(render_strip_rules, XpOfficeColourHasABluerFaceAndNoShade) {
  S().Color = 2;
  Paint();
  const int32_t x = 52, R = 90;
  EXPECT_EQ(Px(x, 3), kWhite);
  // No bottom line and no shade columns: those rows and columns are plain gradient.
  EXPECT_NE(Px(x, kH), Rgb(228, 226, 218));
  EXPECT_GT(BlueOf(Px(x, kH)), RedOf(Px(x, kH)));
  EXPECT_EQ(Px(R - 2, 12), Px(x, 12));
  // The band keeps the Windows XP orange.
  EXPECT_EQ(Px(20, 0), kOrange);
}

TEST_F(render_strip_rules, SelectedTabScrolledOutAtTheLeftIsNotDrawn) {
  control.SetTabs(5);
  control.SetCurrentTab(0);
  S().Hidd = 1;
  Paint();
  for (int32_t x = 0; x < 400; ++x) ASSERT_NE(Px(x, 0), kOrange) << x;
  EXPECT_EQ(Px(Tab(1).AL, Tab(1).AT + 2), kOutline);
}

TEST_F(render_strip_rules, NoTabsOnlyClearsTheSurface) {
  Paint();
  S().Tabs = 0;
  Paint();
  const RgbColor back = surface.TranslateColor(surface.BackColor());
  for (uint32_t p : Image().pixels()) ASSERT_EQ(static_cast<RgbColor>(p), back);
}

TEST_F(render_strip_rules, WithoutClientAreaTheControlShrinksToItsStrip) {
  S().ClientArea = false;
  Paint();
  EXPECT_EQ(surface.Height(), (kH + 2) * 15.0);
  EXPECT_EQ(surface.Width(), 400 * 15.0);
  EXPECT_EQ(surface.PixelHeight(), kH + 2);

  // The Visio style keeps its size.
  surface.ResizePixels(400, 300);
  S().Appearance = 6;
  Paint();
  EXPECT_EQ(surface.PixelHeight(), 300);
}

TEST_F(render_strip_rules, ClientAreaColourFollowsNoteOneAndSsTabLuna) {
  // Property Page with NoteOne colours: the selected tab's colour.
  S().Appearance = 2;
  S().NoteOneColors = true;
  control.SetCurrentTab(1);
  Paint();
  const RgbColor col_end = Tab(1).ColEnd;
  EXPECT_EQ(Colors().Light, col_end);
  EXPECT_EQ(static_cast<RgbColor>(control.GetClientAreaColor()), col_end);

  // ssTab with Luna colours: the hot colour.
  S().Appearance = 9;
  S().NoteOneColors = false;
  S().Color = 2;
  S().LunaColors = true;
  Paint();
  EXPECT_EQ(static_cast<RgbColor>(control.GetClientAreaColor()), SharedThemePalette().HotDark);
}

TEST_F(render_strip_rules, ALoneFlatTabClosesBothSides) {
  S().Appearance = 8;
  control.SetTabs(1);
  Paint();
  const ColorSet& c = Colors();
  const TabRecord& only = Tab(0);
  EXPECT_EQ(Px(only.AL, 10), c.Shadow);
  EXPECT_EQ(Px(only.AR + 1, 10), c.Shadow);
  EXPECT_EQ(Px(only.AL + 3, only.AT), c.Shadow);
}

TEST_F(render_strip_rules, StateButtonsWithOfficeColoursFrameTheButtonTwice) {
  S().Appearance = 7;
  S().Color = 2;
  Paint();
  const TabRecord& t = Tab(0);
  EXPECT_EQ(Px(t.AL, 10), SharedThemePalette().LunaBorder);
  EXPECT_EQ(Px(t.AL + 1, 10), Colors().HighLight);
  EXPECT_EQ(Px(t.AL + 3, t.TAT - 4 + t.TAB + 5), SharedThemePalette().LunaBorder);  // the outer frame's bottom row
}

// --- System with a visual style ------------------------------------------------------------------

// A headless system that keeps the parts the visual style is asked to draw.
class ThemeRecordingSystem : public HeadlessSystem {
 public:
  struct Call {
    int part;
    int state;
    Rect rect;
    friend bool operator==(const Call&, const Call&) = default;
  };
  bool DrawThemeBackground(ThemeHandle, DeviceHandle, int part, int state, const Rect& rect) override {
    calls.push_back({part, state, rect});
    return true;
  }
  std::vector<Call> calls;
};
using Calls = std::vector<ThemeRecordingSystem::Call>;

// The System style with the second tab selected and the third disabled, under the Luna theme.
class ThemedSystemTest : public ::testing::Test {
 protected:
  ThemedSystemTest() {
    system.SetTheme(ThemeName{"luna.msstyles", "NormalColor"});
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    control.InitProperties();
    control.SetiTabEnabled(2, false);
    control.SetCurrentTab(1);
    control.SetAppearance(13);
  }
  TabRecord Tab(int i) const { return control.State().tabs.at(static_cast<size_t>(i)); }
  // The call of a tab's part in a state, over its rectangle one pixel wider and higher.
  ThemeRecordingSystem::Call TabCall(int i, int state) const {
    const TabRecord t = Tab(i);
    return {1, state, {t.AL, t.AT, t.AR + 1, t.AB + 1}};
  }
  ThemeRecordingSystem::Call SelectedCall() const {
    const TabRecord t = Tab(1);
    return {1, 3, {t.AL - 2, t.AT - 2, t.AR + 3, t.AB + 2}};
  }

  ThemeRecordingSystem system;
  HostedSurface surface{system, 400, 300};
  HeadlessHost host{surface, system};
  FolivanTab control{host, system};
};
using render_system_tabs_themed = ThemedSystemTest;

TEST_F(render_system_tabs_themed, TheVisualStyleDrawsThePaneAndEachTabInItsState) {
  system.calls.clear();
  Repaint(control);
  EXPECT_EQ(system.calls, (Calls{{9, 1, {0, kH + 1, 400, 300}}, TabCall(0, 1), TabCall(2, 4), SelectedCall()}));
  EXPECT_EQ(surface.BackColor(), 0x8000000Fu);
  // No property-page outline under the themed tabs.
  EXPECT_NE(surface.PersistentImage().At(Tab(2).AR, 10), control.State().paint.colors.DarkShadow);
}

TEST_F(render_system_tabs_themed, HotOrNormalTabThenTheSelectedTabOverIt) {
  control.SetiTabEnabled(2, true);
  control.State().HotTracking = false;  // the theme's state shows all the same
  system.calls.clear();
  DrawHotTab(control, 2);
  EXPECT_EQ(system.calls, (Calls{TabCall(2, 2), SelectedCall()}));
  system.calls.clear();
  DrawNormalTab(control, 2);
  EXPECT_EQ(system.calls, (Calls{TabCall(2, 1), SelectedCall()}));
  system.calls.clear();
  DrawHotTab(control, -1);
  EXPECT_TRUE(system.calls.empty());
}

}  // namespace
}  // namespace folivan::testing
