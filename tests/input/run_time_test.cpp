// Run-time input where the play scenarios (mouse_*, keys_*, scroll_buttons*,
// hover_flags) cannot reach: the exit check while a password is asked, the
// edge tab measured from the buttons, scroll-button states refreshed on every
// key, pressed looks dropped by a press beside the buttons, and a repeat that
// stops once the button is up where the control did not see it.
#include <gtest/gtest.h>

#include "input/keyboard.h"
#include "input/scroll_buttons.h"
#include "input_fixture.h"

namespace folivan {
namespace {

class RunTimeTest : public InputFixture {};

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
