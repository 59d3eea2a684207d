// Run-time mouse handling beyond what the play scenarios mouse_*.play walk
// through (tooltips are pinned by tooltips.play and tests/tooltip): the exit
// check while a password is asked, hit testing at its edges, the shared hover
// flags, and presses.
#include <gtest/gtest.h>

#include "input/mouse.h"
#include "input_fixture.h"

namespace folivan {
namespace {

class MouseTest : public InputFixture {};

TEST_F(MouseTest, AnExitWhileAPasswordIsAskedKeepsTheHotTab) {
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

// --- hit testing ---------------------------------------------------------------------------

struct HitCase {
  float x;
  float y;
  int16_t tab;
};

class HitTest : public InputFixture, public ::testing::WithParamInterface<HitCase> {};

// Tab 0 from 3 to 40, tab 1 from 41 to 80, the strip 20 high. Coordinates
// round to the nearest integer, halves to even.
TEST_P(HitTest, FindsTheTabUnderTheMove) {
  S().StripH = 20;
  SetTabRect(0, 3, 40);
  SetTabRect(1, 41, 80);
  SetTabRect(2, 81, 120);
  MoveTo(GetParam().x, GetParam().y);
  EXPECT_EQ(S().sHowerTab, GetParam().tab);
}

INSTANTIATE_TEST_SUITE_P(Strip, HitTest,
                         ::testing::Values(HitCase{2.5f, 10, -1},  // inside the strip, but 2.5 rounds to 2
                                           HitCase{40.5f, 10, 0},  // halves go to the even neighbour
                                           HitCase{40.6f, 10, 1},  // rounded, not truncated
                                           HitCase{41.5f, 10, 1},
                                           HitCase{30, 2, -1},     // Y = 2 is outside
                                           HitCase{30, 20, 0},     // Y = StripH is inside
                                           HitCase{30, 20.5f, -1}));

TEST_F(MouseTest, TabsScrolledOutAtTheLeftAreNotTested) {
  S().StripH = 20;
  SetTabRect(0, 3, 40);
  SetTabRect(1, 41, 80);
  S().Hidd = 1;
  MoveTo(10, 10);
  EXPECT_EQ(S().sHowerTab, -1);
}

TEST_F(MouseTest, AMoveNotOverTheControlsWindowKeepsTheHotTab) {
  MoveOver(1);
  // The host reports a move while the window under the cursor is another one.
  system.SetCursorPos(Point{-5, -5});
  control.MouseMove(0, 0, 200, 150);
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_EQ(S().input.PreviousHotTab, 1);
}

TEST_F(MouseTest, OverCurrentTabHoldsOnlyFromTheSecondMoveOnTheCurrentTab) {
  MoveOver(0);
  // The first move onto a tab scans on to the end, which clears the flag.
  EXPECT_TRUE(OverTab);
  EXPECT_FALSE(OverCurrentTab);
  MoveOver(0);
  EXPECT_TRUE(OverCurrentTab);
  MoveTo(30, 100);
  EXPECT_FALSE(OverTab);
  EXPECT_FALSE(OverCurrentTab);
}

TEST_F(MouseTest, VisioTestsRowsAndHasNoStripBounds) {
  control.SetAppearance(6);
  S().StripH = 20;
  for (int16_t i = 0; i < 3; ++i) {
    Tab(i).AT = 100 + 20 * i;
    Tab(i).AB = Tab(i).AT + 19;
  }
  MoveTo(1, 125);  // X = 1 would be outside a horizontal strip
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_FALSE(OverTab);  // a full scan clears both flags in this style
}

// --- presses -------------------------------------------------------------------------------

TEST_F(MouseTest, AHandlerThatChangesTheButtonStopsTheSelection) {
  MoveOver(1);
  host.on_event = [](int32_t dispid, std::span<Variant> args) {
    if (dispid == static_cast<int32_t>(EventId::MouseDown)) args[0] = Variant(int16_t{2});
  };
  control.MouseDown(1, 0, 0, 0);
  EXPECT_EQ(control.CurrentTab(), 0);
}

TEST_F(MouseTest, MouseUpStopsTheRepeatTimer) {
  StartControlTimer(control, kRepeatTimerId, 500);
  ButtonHeld = true;
  control.MouseUp(1, 0, 0, 0);
  EXPECT_EQ(system.ActiveTimers(), 0u);
  EXPECT_FALSE(ButtonHeld);
}

}  // namespace
}  // namespace folivan
