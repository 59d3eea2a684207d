// The arrow keys beyond what the play scenarios keys_*.play walk through: the
// designer's selection, and the strip kept in view with its scroll-button states.
#include <gtest/gtest.h>

#include "input/keyboard.h"
#include "keys_fixture.h"

namespace folivan {
namespace {

using Log = std::vector<std::string>;

class KeyboardTest : public KeysFixture {
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

class KeyboardDesignTest : public KeysFixture {
 protected:
  KeyboardDesignTest() : KeysFixture(false) { S().paint.HasFocus = true; }
};

TEST_F(KeyboardDesignTest, DisabledTabsAndPasswordsDoNotStopTheDesigner) {
  control.SetiTabEnabled(1, false);
  control.SetTabPassword(2, "pw");
  control.KeyDown(vk::kRight, 0);
  control.KeyDown(vk::kRight, 0);
  EXPECT_EQ(control.CurrentTab(), 2);
}

// --- the strip kept in view --------------------------------------------------------------------

TEST_F(KeyboardTest, LeftFromTheFirstTabShownScrollsBackBeforeSelecting) {
  MakeTabs(12);
  S().Hidd = 2;
  control.SetCurrentTab(2);
  log.clear();
  Key(vk::kLeft);
  EXPECT_EQ(S().Hidd, 1);
  EXPECT_EQ(control.CurrentTab(), 1);
  // No PropertyChanged for this scroll.
  EXPECT_EQ(log, (Log{"KeyDown 37 0", "BeforeTabChange", "TabChange 2 1"}));

  // The strip moves before the password is asked, and stays moved after a refusal.
  control.SetTabPassword(0, "pw");
  host.QueueAnswer("");
  Key(vk::kLeft);
  EXPECT_EQ(S().Hidd, 0);
  EXPECT_EQ(control.CurrentTab(), 1);
}

TEST_F(KeyboardTest, RightNearTheButtonsScrollsTheStrip) {
  MakeTabs(12);
  ASSERT_TRUE(S().mShowScrollBar);
  ASSERT_EQ(S().Hidd, 0);
  // The tab that spans three button widths from the right edge is the edge tab;
  // the strip starts to move when the selection is past the tab before it.
  const double edge = Width() - 3.0 * S().paint.ScrollButtonWidth;
  int16_t edge_tab = 0;
  for (int16_t i = S().Hidd; i <= S().HiddR; ++i) {
    if (Tab(i).AL <= edge && edge <= Tab(i).AR) edge_tab = i;
  }
  ASSERT_GT(edge_tab, 2);
  control.SetCurrentTab(static_cast<int16_t>(edge_tab - 2));
  Key(vk::kRight);
  EXPECT_EQ(S().Hidd, 0);
  log.clear();
  Key(vk::kRight);
  EXPECT_EQ(S().Hidd, 1);
  EXPECT_EQ(control.CurrentTab(), edge_tab);
  // The next tab is still inside the surface: no PropertyChanged.
  EXPECT_EQ(log, (Log{"KeyDown 39 0", "BeforeTabChange", "TabChange " + std::to_string(edge_tab - 1) + " " +
                                                             std::to_string(edge_tab)}));
  EXPECT_TRUE(S().paint.CanScrollLeft);

  // A refused password: the strip has moved on all the same, the selection has not.
  control.SetTabPassword(static_cast<int16_t>(edge_tab + 1), "pw");
  host.QueueAnswer("wrong");
  Key(vk::kRight);
  EXPECT_EQ(S().Hidd, 2);
  EXPECT_EQ(control.CurrentTab(), edge_tab);
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
  // Right stays possible while the last laid-out tab reaches 2.5 button widths from the right.
  EXPECT_EQ(S().paint.CanScrollRight, Width() - 2.5 * S().paint.ScrollButtonWidth <= Tab(S().HiddR).AR);

  S().Hidd = 0;
  S().paint.CanScrollRight = false;
  Key(65);
  EXPECT_FALSE(S().paint.CanScrollLeft);
  EXPECT_TRUE(S().paint.CanScrollRight);
}

}  // namespace
}  // namespace folivan
