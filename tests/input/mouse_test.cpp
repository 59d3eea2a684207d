// Run-time mouse handling: entering and leaving, hit testing, tooltips, presses.
#include <gtest/gtest.h>

#include "input/mouse.h"
#include "mouse_fixture.h"
#include "platform/headless/contained_controls.h"
#include "tooltip/tip.h"

namespace folivan {
namespace {

using Log = std::vector<std::string>;

class MouseTest : public MouseFixture {};

// --- entering and leaving ---------------------------------------------------------------

TEST_F(MouseTest, TheFirstMoveWithoutTheRightButtonEntersAndStartsTheHoverTimer) {
  MoveTo(30, 10, 2);
  EXPECT_EQ(system.ActiveTimers(), 0u);
  MoveTo(30, 10);
  MoveTo(31, 10);
  EXPECT_EQ(log, (Log{"MouseMove", "MouseEnter", "MouseMove", "MouseMove"}));
  EXPECT_EQ(S().input.MouseInside, 1);
  EXPECT_EQ(system.ActiveTimers(), 1u);
  EXPECT_EQ(system.GetProp(control.hwnd(), "ClassID"), reinterpret_cast<intptr_t>(&control));
  EXPECT_EQ(system.GetProp(control.hwnd(), "TimerID"), 237);
}

TEST_F(MouseTest, LeavingOntoAContainedWindowEndsTheHotStateAtTheNextTick) {
  StandInControl& text = host.AddControl(*FindControlKind("VB.TextBox"), "Text1", std::nullopt);
  const auto text_window = static_cast<WindowHandle>(ToLong(*text.Get("hwnd")));
  system.MoveWindow(text_window, 50, 100, 100, 20, false);
  MoveOver(1);
  ASSERT_EQ(S().sHowerTab, 1);
  system.AdvanceClock(50);  // still over the control: nothing
  EXPECT_EQ(S().sHowerTab, 1);

  // Inside the control's rectangle, but over the text box's window.
  system.SetCursorPos(Point{60, 110});
  log.clear();
  system.AdvanceClock(49);
  EXPECT_TRUE(log.empty());
  system.AdvanceClock(1);
  EXPECT_EQ(log, (Log{"MouseExit"}));
  EXPECT_EQ(S().sHowerTab, -1);
  EXPECT_EQ(S().input.PreviousHotTab, -1);
  EXPECT_EQ(S().input.MouseInside, 0);
  EXPECT_EQ(system.ActiveTimers(), 0u);
  // The next move enters again.
  log.clear();
  MoveTo(30, 10);
  EXPECT_EQ(log.front(), "MouseEnter");
}

TEST_F(MouseTest, TheTimerProcedureGoesByTheTimerIdProperty) {
  MoveOver(1);
  // A scroll-button press at run time leaves 235 in the property.
  system.SetProp(control.hwnd(), "TimerID", 235);
  system.SetCursorPos(Point{-5, -5});
  system.AdvanceClock(200);
  EXPECT_EQ(S().input.MouseInside, 1);
  system.SetProp(control.hwnd(), "TimerID", 237);
  system.AdvanceClock(50);
  EXPECT_EQ(S().input.MouseInside, 0);
}

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
  Press();
  EXPECT_EQ(control.CurrentTab(), 2);
  EXPECT_FALSE(S().input.PasswordPrompting);
}

// --- hit testing ---------------------------------------------------------------------------

struct HitCase {
  float x;
  float y;
  int16_t tab;
};

class HitTest : public MouseFixture, public ::testing::WithParamInterface<HitCase> {};

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
                         ::testing::Values(HitCase{2, 10, -1},     // X = 2 is outside the strip
                                           HitCase{3, 10, 0},      // the left edge itself
                                           HitCase{2.5f, 10, -1},  // inside the strip, but 2.5 rounds to 2
                                           HitCase{40.5f, 10, 0},  // halves go to the even neighbour
                                           HitCase{40.6f, 10, 1},  // rounded, not truncated
                                           HitCase{41.5f, 10, 1},
                                           HitCase{30, 2, -1},     // Y = 2 is outside
                                           HitCase{30, 20, 0},     // Y = StripH is inside
                                           HitCase{30, 20.5f, -1}, HitCase{200, 10, -1}));

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
    TabRecord& r = S().tabs[static_cast<size_t>(i)];
    r.AT = 100 + 20 * i;
    r.AB = r.AT + 19;
  }
  MoveTo(1, 125);  // X = 1 would be outside a horizontal strip
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_FALSE(OverTab);  // a full scan clears both flags in this style
}

// --- tooltips ------------------------------------------------------------------------------

TEST_F(MouseTest, TheTooltipTitleLosesTheAccessKeyMarkerButTheTextKeepsIt) {
  control.SetTabCaption(1, "&File");
  control.SetToolTipStyle(2);
  control.Paint();
  MoveOver(1);
  const auto& tip = S().input.Tip;
  ASSERT_TRUE(tip);
  EXPECT_EQ(tip->Title(), "File");
  EXPECT_EQ(tip->TipText(), "&File");
  EXPECT_EQ(tip->Icon(), 1);
  EXPECT_EQ(tip->ParentControl(), &control);
  EXPECT_TRUE(tip->HasWindow());
  EXPECT_EQ(tip->WindowStyle(), tts::kAlwaysTip | tts::kNoPrefix | tts::kBalloon);

  control.SetTabToolTip(2, "Second");
  MoveOver(2);
  EXPECT_EQ(S().input.Tip->TipText(), "Second");
}

TEST_F(MouseTest, ATooltipLastsWhileTheMouseStaysOnItsTab) {
  MoveOver(1);
  const auto first = S().input.Tip;
  MoveTo(static_cast<float>(S().tabs[1].AL + 1), 10);
  EXPECT_EQ(S().input.Tip, first);
  MoveOver(2);
  EXPECT_NE(S().input.Tip, first);
  MoveTo(30, 100);  // below the strip
  EXPECT_FALSE(S().input.Tip);
}

TEST_F(MouseTest, NoTooltipWithoutShowToolTipNorOnADisabledTab) {
  control.SetiTabEnabled(1, false);
  MoveOver(1);
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_FALSE(S().input.Tip);
  control.SetShowToolTip(false);
  MoveOver(2);
  EXPECT_EQ(S().sHowerTab, 2);
  EXPECT_FALSE(S().input.Tip);
}

// --- presses -------------------------------------------------------------------------------

TEST_F(MouseTest, APressSelectsTheTabOfTheLastMoveNotTheOneUnderThePress) {
  MoveOver(1);
  log.clear();
  const TabRecord& two = S().tabs[2];
  control.MouseDown(1, 0, static_cast<float>(two.AL + 2), 10);
  EXPECT_EQ(control.CurrentTab(), 1);
  EXPECT_TRUE(S().paint.HasFocus);
  EXPECT_TRUE(ButtonHeld);
  EXPECT_FALSE(S().input.Tip);
  EXPECT_EQ(log.front(), "MouseDown");
  EXPECT_EQ(log.back(), "TabClick 1");
  control.MouseUp(1, 0, 0, 0);
  EXPECT_FALSE(ButtonHeld);
}

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
