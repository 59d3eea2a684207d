// The Visio bars' pair, the System pair through the visual style, and the
// pair as the mouse handling reaches it: the window changes, the persistent
// image does not.
#include <gtest/gtest.h>

#include <vector>

#include "hot_fixture.h"
#include "input/mouse.h"
#include "platform/vb_runtime.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kGrip = Rgb(191, 187, 177);

class HotVisioTest : public HotTest {
 protected:
  HotVisioTest() { S().Appearance = 6; }
};
using render_hot_visio = HotVisioTest;

TEST_F(render_hot_visio, OfficeColoursGiveTheBarTheHotFaceWithItsBottomLineAndGrip) {
  S().Color = 2;
  Show();
  const TabRecord& bar = Tab(2);  // the bottom bar of the lower stack
  Hot(2);
  const int32_t W = 400;
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLightest);
  EXPECT_EQ(Sx(W - 2, bar.AT + 1), SharedThemePalette().HotLightest);
  EXPECT_EQ(Sx(W - 1, bar.AT + 1), Px(W - 1, bar.AT + 1));  // the frame
  EXPECT_EQ(Sx(5, bar.AB - 1), Colors().Shadow);
  const int32_t mid = CLng((bar.AT + bar.AB) / 2.0);
  for (int k : {-6, -4, -2, 0, 2, 4}) {
    EXPECT_EQ(Sx(W - 7, mid + k), kGrip) << k;
    EXPECT_EQ(Sx(W - 5, mid + k), kGrip) << k;
    EXPECT_NE(Sx(W - 4, mid + k), kGrip) << k;
  }
  EXPECT_GT(CountPixels(Screen(), CaptionArea(2), kNavy), 0);
  Normal(2);
  EXPECT_EQ(ChangedOnScreen(), 0);

  // A bar that is not the bottom one keeps a second shadow row above its edge.
  Hot(1);
  Normal(1);
  const TabRecord& middle = Tab(1);
  EXPECT_EQ(Sx(5, middle.AB - 1), Colors().Shadow);
  EXPECT_EQ(ChangedOnScreen(Rect{1, middle.AB - 1, W - 1, middle.AB}), 0);
}

TEST_F(render_hot_visio, LunaColoursGiveTheCurrentBarItsGlowBack) {
  S().Color = 2;
  S().LunaColors = true;
  Show();
  const TabRecord& bar = Tab(0);
  Hot(0);
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLightest);
  Normal(0);
  EXPECT_EQ(Sx(5, bar.AT + 1), SharedThemePalette().HotLight);
  Hot(2);
  Normal(2);
  EXPECT_EQ(ChangedOnScreen(Rect{1, Tab(0).AB - 1, 399, Tab(0).AB}), 0);
}

TEST_F(render_hot_visio, OtherColoursShowOnlyTheCaptionAndNothingWithoutHotTracking) {
  Show();
  Hot(1);
  EXPECT_GT(NavyOnScreen(), 0);
  EXPECT_EQ(ChangedOtherThanNavy(), 0);
  Normal(1);
  EXPECT_EQ(ChangedOnScreen(), 0);

  S().Color = 2;
  S().HotTracking = false;
  Show();
  Hot(1);
  EXPECT_EQ(ChangedOnScreen(), 0);
}

// --- System ---------------------------------------------------------------------------------------

class ThemeRecordingSystem : public HeadlessSystem {
 public:
  struct Call {
    int part;
    int state;
    Rect rect;
    friend bool operator==(const Call&, const Call&) = default;
  };
  void DrawThemeBackground(ThemeHandle, DeviceHandle, int part, int state, const Rect& rect) override {
    calls.push_back({part, state, rect});
  }
  std::vector<Call> calls;
};

TEST(render_hot_system, TheVisualStyleDrawsTheTabHotOrNormalThenTheSelectedTabOverIt) {
  ThemeRecordingSystem system;
  system.SetTheme(ThemeName{"luna.msstyles", "NormalColor"});
  HostedSurface surface(system, 400, 300);
  HeadlessHost host(surface, system);
  FolivanTab control(host, system);
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  control.InitProperties();
  control.SetCurrentTab(1);
  control.SetAppearance(13);
  control.State().HotTracking = false;  // the theme's state shows all the same
  const auto box = [&](int i) { return control.State().tabs.at(static_cast<size_t>(i)); };
  const TabRecord t2 = box(2), t1 = box(1);
  const ThemeRecordingSystem::Call selected{1, 3, {t1.AL - 2, t1.AT - 2, t1.AR + 3, t1.AB + 2}};

  system.calls.clear();
  DrawHotTab(control, 2);
  EXPECT_EQ(system.calls, (std::vector<ThemeRecordingSystem::Call>{{1, 2, {t2.AL, t2.AT, t2.AR + 1, t2.AB + 1}}, selected}));
  system.calls.clear();
  DrawNormalTab(control, 2);
  EXPECT_EQ(system.calls, (std::vector<ThemeRecordingSystem::Call>{{1, 1, {t2.AL, t2.AT, t2.AR + 1, t2.AB + 1}}, selected}));
  system.calls.clear();
  DrawHotTab(control, -1);
  EXPECT_TRUE(system.calls.empty());
}

using render_hot_system_plain = HotTest;

TEST_F(render_hot_system_plain, WithoutAVisualStyleOnlyTheCaptionChanges) {
  S().Appearance = 13;
  Show();
  Hot(2);
  EXPECT_GT(CountPixels(Screen(), CaptionArea(2), kNavy), 0);
  EXPECT_EQ(ChangedOtherThanNavy(), 0);
  Normal(2);
  EXPECT_EQ(ChangedOnScreen(), 0);
}

// --- through the mouse ----------------------------------------------------------------------------

using render_hot_mouse = HotTest;

TEST_F(render_hot_mouse, AMoveDrawsTheHotTabOnTheWindowAndTheNextMoveRestoresIt) {
  host.SetUserMode(true);
  S().HotTracking = false;  // the bands alone
  Show();
  const PixelImage repaint = Image();
  const auto move_to = [&](int32_t x, int32_t y) {
    system.SetCursorPos(Point{x, y});
    HandleMouseMove(control, 0, 0, static_cast<float>(x), static_cast<float>(y));
  };
  const TabRecord& t1 = Tab(1);
  const TabRecord& t2 = Tab(2);
  move_to(t1.AL + 5, 10);
  EXPECT_EQ(Sx(t1.AL + 5, t1.AT), Rgb(230, 139, 44));
  EXPECT_TRUE(surface.AutoRedraw());
  move_to(t2.AL + 5, 10);
  EXPECT_EQ(Sx(t2.AL + 5, t2.AT), Rgb(230, 139, 44));
  EXPECT_EQ(Sx(t1.AL + 5, t1.AT), Rgb(145, 167, 180));
  EXPECT_EQ(ChangedOnScreen(Rect{t1.AL, t1.AT, t2.AR, t1.AT + 3}), 0);
  EXPECT_TRUE(Image() == repaint);
}

}  // namespace
}  // namespace folivan::testing
