// The System style with a visual style, which the golden images (golden_test)
// do not show: the parts and states the visual style is asked to draw.
#include <gtest/gtest.h>

#include <vector>

#include "render/hot_tabs.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

// A new control: StripH 20, every tab down to Bottom 20.
constexpr int32_t kH = 20;

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
