// Input where the play scenarios (mouse_*, keys_*, scroll_buttons*,
// hover_flags, wizard_pages) and the golden images of scroll_golden_test
// cannot reach: the form designer's window messages and the common-area box,
// the flags shared by all controls of the thread, the exit check while a
// password is asked, the edge tab measured from the buttons, scroll-button
// states refreshed on every key, pressed looks dropped by a press beside the
// buttons, and a repeat that stops once the button is up where the control
// did not see it.
#include <gtest/gtest.h>

#include "core/folivan_tab.h"
#include "input/design_subclass.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/scroll_buttons.h"
#include "paint/colors.h"
#include "platform/headless/contained_controls.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {
namespace {

// A control over the headless platform, the mouse moved the way a user moves
// it: the cursor first, then the host's move.
class InputTest : public ::testing::Test {
 protected:
  explicit InputTest(bool user_mode = true) : surface(system, 400, 300), host(surface, system), control(host, system) {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    OverTab = OverCurrentTab = ButtonHeld = false;
    host.SetUserMode(user_mode);
    control.InitProperties();
    control.Paint();
  }

  ControlState& S() { return control.State(); }
  TabRecord& Tab(int i) { return S().tabs.at(static_cast<size_t>(i)); }
  double Width() const { return surface.ScaleWidth(); }
  void MakeTabs(int16_t tabs) {
    control.SetTabs(tabs);
    control.Paint();
  }
  void MoveOver(int16_t tab) {
    const int32_t x = (Tab(tab).AL + Tab(tab).AR) / 2, y = (Tab(tab).AT + Tab(tab).AB) / 2;
    system.SetCursorPos(Point{x, y});
    control.MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
  }

  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

intptr_t Coordinates(int x, int y) { return static_cast<intptr_t>((y << 16) | x); }

class DesignMouseTest : public InputTest {
 protected:
  DesignMouseTest() : InputTest(false) {}
  // The designer's mouse: the raw move of the subclassed window.
  void RawMoveTo(int x, int y) {
    system.SetCursorPos(Point{x, y});
    EXPECT_FALSE(HandleDesignMessage(control, wm::kMouseMove, 0, Coordinates(x, y)));
  }
  // A press: the activation message first, then the button message that the
  // designer would get; true when that one was swallowed.
  bool RawPress() {
    HandleDesignMessage(control, wm::kMouseActivate, 0, Coordinates(1, wm::kLButtonDown));
    return HandleDesignMessage(control, wm::kLButtonDown, 0, 0);
  }
};

TEST_F(DesignMouseTest, ThePropertiesSubclassTheWindow) {
  EXPECT_TRUE(S().Subclassed);
  EXPECT_EQ(S().input.SubclassWindow, control.hwnd());
  control.SetTabs(0);
  EXPECT_FALSE(S().Subclassed);
}

TEST_F(DesignMouseTest, ADesignerPressOnAnotherTabSelectsItAndIsKeptFromTheDesigner) {
  const TabRecord& one = S().tabs[1];
  RawMoveTo((one.AL + one.AR) / 2, 10);
  EXPECT_EQ(S().input.LastMouseX, static_cast<float>((one.AL + one.AR) / 2));
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_TRUE(RawPress());
  EXPECT_EQ(control.CurrentTab(), 1);
  // On the current tab (from the second move on) the designer gets the press.
  RawMoveTo((one.AL + one.AR) / 2, 10);
  RawMoveTo((one.AL + one.AR) / 2 + 1, 10);
  EXPECT_FALSE(RawPress());
  // Away from the tabs, too.
  RawMoveTo(100, 150);
  EXPECT_FALSE(RawPress());
}

TEST_F(DesignMouseTest, TheCommonAreaBoxIsInertWithoutClientAreaAndALabelIsNotInTheWay) {
  host.AddControl(*FindControlKind("VB.Label"), "Label1", std::nullopt);
  S().ClientArea = false;
  RawMoveTo(390, 290);
  RawPress();
  EXPECT_EQ(control.CurrentTab(), 0);
  S().ClientArea = true;
  RawPress();
  EXPECT_EQ(control.CurrentTab(), -1);
}

// --- flags shared by the controls of a thread ---------------------------------------------

TEST_F(DesignMouseTest, TheHotStateOfOneControlDecidesForAnotherControl) {
  HostedSurface other_surface(system, 200, 100);
  HeadlessHost other_host(other_surface, system);
  other_host.SetUserMode(false);
  FolivanTab other(other_host, system);
  other.InitProperties();
  system.MoveWindow(other_surface.Hwnd(), 500, 0, 200, 100, false);
  RawMoveTo((S().tabs[2].AL + S().tabs[2].AR) / 2, 10);
  // The other control's designer press is swallowed on this one's say-so.
  EXPECT_TRUE(HandleDesignMessage(other, wm::kLButtonDblClk, 0, 0));
  // A move below the other control's strip clears the flags for both.
  system.SetCursorPos(Point{650, 90});
  EXPECT_FALSE(HandleDesignMessage(other, wm::kMouseMove, 0, Coordinates(150, 90)));
  EXPECT_FALSE(HandleDesignMessage(control, wm::kLButtonDown, 0, 0));
}

// --- run time ---------------------------------------------------------------------------

using RunTimeTest = InputTest;

TEST_F(RunTimeTest, AnExitWhileAPasswordIsAskedKeepsTheHotTab) {
  control.SetTabPassword(2, "pw");
  MoveOver(2);
  host.QueueAnswer("pw");
  // The modal question lets the timer run; the cursor has gone meanwhile.
  host.on_input_box = [this](std::string_view, std::string_view, std::string_view) {
    system.SetCursorPos(Point{-5, -5});
    system.AdvanceClock(60);
    EXPECT_EQ(S().input.MouseInside, 0);
    EXPECT_EQ(S().sHowerTab, 2);
    EXPECT_TRUE(S().input.PasswordPrompting);
  };
  control.MouseDown(1, 0, 0, 0);
  EXPECT_EQ(control.CurrentTab(), 2);
  EXPECT_FALSE(S().input.PasswordPrompting);
}

TEST_F(RunTimeTest, TheEdgeTabIsMeasuredThreeButtonWidthsFromTheRight) {
  MakeTabs(12);
  S().paint.HasFocus = true;
  control.SetCurrentTab(7);
  ASSERT_EQ(S().Hidd, 0);
  // Tab 8 ends just past W - 3w (and well before W - 2.5w), tab 9 starts right after it.
  const auto edge = static_cast<int32_t>(Width() - 3.0 * S().paint.ScrollButtonWidth);
  Tab(8).AL = edge - 10;
  Tab(8).AR = edge + 2;
  Tab(9).AL = edge + 3;
  Tab(9).AR = edge + 40;
  control.KeyDown(vk::kRight, 0);  // tab 7 is past the tab before the edge tab: the strip moves
  EXPECT_EQ(control.CurrentTab(), 8);
  EXPECT_EQ(S().Hidd, 1);
  // A refused password: the strip has moved on all the same, the selection has not.
  control.SetTabPassword(9, "pw");
  host.QueueAnswer("wrong");
  control.KeyDown(vk::kRight, 0);
  EXPECT_EQ(S().Hidd, 2);
  EXPECT_EQ(control.CurrentTab(), 8);
}

TEST_F(RunTimeTest, EveryKeyRefreshesTheScrollButtonStates) {
  MakeTabs(12);
  control.LostFocus();
  S().Hidd = 1;
  S().paint.CanScrollLeft = false;
  S().paint.CanScrollRight = false;
  control.KeyDown(65, 0);
  EXPECT_TRUE(S().paint.CanScrollLeft);

  S().Hidd = 0;
  S().paint.CanScrollRight = false;
  control.KeyDown(65, 0);
  EXPECT_FALSE(S().paint.CanScrollLeft);
  EXPECT_TRUE(S().paint.CanScrollRight);
}

TEST_F(RunTimeTest, APressLeftOfTheScrollButtonsDropsTheirPressedLooks) {
  MakeTabs(12);
  const auto x = static_cast<float>(Width() - 2.0 * S().paint.ScrollButtonWidth - 1);
  control.MouseMove(2, 0, x, 8);
  S().input.LeftPressed = S().input.RightPressed = true;
  control.MouseDown(1, 0, x, 8);
  EXPECT_EQ(S().Hidd, 0);
  EXPECT_FALSE(S().input.LeftPressed || S().input.RightPressed);
}

TEST_F(RunTimeTest, TheRepeatStopsAtTheNextTickOnceTheButtonIsUp) {
  MakeTabs(12);
  const auto x = static_cast<float>(Width() - S().paint.ScrollButtonWidth / 2.0);
  control.MouseMove(2, 0, x, 8);
  control.MouseDown(1, 0, x, 8);
  ButtonHeld = false;  // released where the control did not see it
  system.AdvanceClock(500);
  EXPECT_EQ(S().Hidd, 1);
  EXPECT_EQ(system.ActiveTimers(), 0u);
}

}  // namespace
}  // namespace folivan
