// The arrow keys beyond what the play scenarios keys_*.play walk through: the
// designer's selection, the strip kept in view around a password question, the
// edge tab, the report of a scroll, and the scroll-button states.
#include <gtest/gtest.h>

#include "input/keyboard.h"
#include "input_fixture.h"

namespace folivan {
namespace {

using Log = std::vector<std::string>;

class KeyboardTest : public InputFixture {
 protected:
  KeyboardTest() {
    S().paint.HasFocus = true;
    log.clear();
  }
  void Key(int16_t code) { control.KeyDown(code, 0); }
};

TEST_F(KeyboardTest, WithoutTabsNotEvenTheEventIsRaised) {
  control.SetTabs(0);
  log.clear();
  Key(vk::kRight);
  EXPECT_TRUE(log.empty());
}

class KeyboardDesignTest : public InputFixture {
 protected:
  KeyboardDesignTest() : InputFixture(false) { S().paint.HasFocus = true; }
};

TEST_F(KeyboardDesignTest, DisabledTabsAndPasswordsDoNotStopTheDesigner) {
  control.SetiTabEnabled(1, false);
  control.SetTabPassword(2, "pw");
  control.KeyDown(vk::kRight, 0);
  control.KeyDown(vk::kRight, 0);
  EXPECT_EQ(control.CurrentTab(), 2);
}

// --- the strip kept in view --------------------------------------------------------------------

TEST_F(KeyboardTest, LeftFromTheFirstTabShownScrollsBackBeforeAskingThePassword) {
  MakeTabs(12);
  S().Hidd = 2;
  control.SetCurrentTab(2);
  control.SetTabPassword(1, "pw");
  host.QueueAnswer("");
  Key(vk::kLeft);
  EXPECT_EQ(S().Hidd, 1);
  EXPECT_EQ(control.CurrentTab(), 2);
}

TEST_F(KeyboardTest, TheEdgeTabIsMeasuredThreeButtonWidthsFromTheRight) {
  MakeTabs(12);
  control.SetCurrentTab(7);
  ASSERT_EQ(S().Hidd, 0);
  // Tab 8 ends just past W - 3w (and well before W - 2.5w), tab 9 starts right after it.
  const auto edge = static_cast<int32_t>(Width() - 3.0 * S().paint.ScrollButtonWidth);
  Tab(8).AL = edge - 10;
  Tab(8).AR = edge + 2;
  Tab(9).AL = edge + 3;
  Tab(9).AR = edge + 40;
  Key(vk::kRight);  // tab 7 is past the tab before the edge tab: the strip moves
  EXPECT_EQ(control.CurrentTab(), 8);
  EXPECT_EQ(S().Hidd, 1);
  // A refused password: the strip has moved on all the same, the selection has not.
  control.SetTabPassword(9, "pw");
  host.QueueAnswer("wrong");
  Key(vk::kRight);
  EXPECT_EQ(S().Hidd, 2);
  EXPECT_EQ(control.CurrentTab(), 8);
}

TEST_F(KeyboardTest, ANewTabBeyondTheRightEdgeScrollsOnceMoreAndIsReported) {
  MakeTabs(4);
  control.SetTabCaption(3, std::string(80, 'W'));
  control.SetCurrentTab(2);
  control.Paint();
  ASSERT_TRUE(S().mShowScrollBar);
  ASSERT_GT(Tab(3).AR, Width());
  log.clear();
  Key(vk::kRight);
  EXPECT_EQ(control.CurrentTab(), 3);
  EXPECT_EQ(S().Hidd, 2);
  EXPECT_EQ(log, (Log{"KeyDown 39 0", "BeforeTabChange", "TabChange 2 3", "changed Hidd"}));
}

TEST_F(KeyboardTest, EveryKeyRefreshesTheScrollButtonStates) {
  MakeTabs(12);
  control.LostFocus();
  S().Hidd = 1;
  S().paint.CanScrollLeft = false;
  S().paint.CanScrollRight = false;
  Key(65);
  EXPECT_TRUE(S().paint.CanScrollLeft);

  S().Hidd = 0;
  S().paint.CanScrollRight = false;
  Key(65);
  EXPECT_FALSE(S().paint.CanScrollLeft);
  EXPECT_TRUE(S().paint.CanScrollRight);
}

}  // namespace
}  // namespace folivan
