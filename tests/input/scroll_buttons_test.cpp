// The scroll buttons: where they are, their classic, Luna and themed looks,
// the arrows pixel for pixel, the pressed look, the hot look. The play
// scenarios scroll_*.play walk through presses and the auto-repeat.
#include <gtest/gtest.h>

#include "input/scroll_buttons.h"
#include "input_fixture.h"

namespace folivan {
namespace {

using Log = std::vector<std::string>;
using Lines = std::vector<DrawnLine>;

// The example of a 118-pixel surface with a 21-pixel strip: 18-pixel buttons.
class ScrollButtonDrawTest : public InputFixture {
 protected:
  ScrollButtonDrawTest() : InputFixture(true, 118, 90) {
    S().StripH = 21;
    S().mShowScrollBar = true;
    S().paint.CanScrollLeft = true;
    S().paint.CanScrollRight = true;
    surface.Forget();
  }
  // The lines of the last drawing, from the `from`-th on.
  Lines LinesFrom(size_t from) const { return Lines(surface.lines.begin() + static_cast<ptrdiff_t>(from), surface.lines.end()); }
  void Draw() {
    surface.Forget();
    system.themed.clear();
    DrawScrollButtons(control);
  }
  const ColorSet& Colors() { return S().paint.colors; }
};

Lines RightArrow(bool pressed) {
  if (pressed) return {{106, 7, 106, 16, 0}, {107, 8, 107, 15, 0}, {108, 9, 108, 14, 0}, {109, 10, 109, 13, 0}, {110, 11, 110, 12, 0}};
  return {{106, 6, 106, 16, 0}, {107, 8, 107, 14, 0}, {108, 8, 108, 14, 0}, {109, 10, 109, 12, 0}, {110, 10, 110, 12, 0}};
}
Lines LeftArrow() {
  return {{92, 6, 92, 16, 0}, {91, 8, 91, 14, 0}, {90, 8, 90, 14, 0}, {89, 10, 89, 12, 0}, {88, 10, 88, 12, 0}};
}

TEST_F(ScrollButtonDrawTest, TwoRaisedBoxesAtTheTopRightThenTheRightArrowThenTheLeft) {
  Draw();
  EXPECT_EQ(S().paint.ScrollButtonWidth, 18);
  EXPECT_EQ(LeftScrollButtonRect(Width(), 18), (Rect{82, 2, 100, 20}));
  EXPECT_EQ(RightScrollButtonRect(Width(), 18), (Rect{100, 2, 118, 20}));
  ASSERT_EQ(surface.lines.size(), 26u);
  // Raised: the outer top edge of each box in Light, the outer bottom in DarkShadow.
  EXPECT_EQ(surface.lines[0], (DrawnLine{82, 2, 100, 2, Colors().Light}));
  EXPECT_EQ(surface.lines[4], (DrawnLine{82, 19, 100, 19, Colors().DarkShadow}));
  EXPECT_EQ(surface.lines[8], (DrawnLine{100, 2, 118, 2, Colors().Light}));
  Lines arrows = RightArrow(false);
  for (const DrawnLine& l : LeftArrow()) arrows.push_back(l);
  EXPECT_EQ(LinesFrom(16), arrows);
}

TEST_F(ScrollButtonDrawTest, APressedButtonIsSunkenWithItsArrowOnePixelLower) {
  S().input.RightPressed = true;
  Draw();
  EXPECT_EQ(surface.lines[0].color, Colors().Light);        // the left box stays raised
  EXPECT_EQ(surface.lines[8], (DrawnLine{100, 2, 118, 2, Colors().DarkShadow}));
  EXPECT_EQ(Lines(surface.lines.begin() + 16, surface.lines.begin() + 21), RightArrow(true));
  EXPECT_EQ(LinesFrom(21), LeftArrow());
}

TEST_F(ScrollButtonDrawTest, AnInactiveButtonIsNotDrawnInTheClassicLook) {
  S().paint.CanScrollLeft = false;
  Draw();
  ASSERT_EQ(surface.lines.size(), 13u);
  EXPECT_EQ(surface.lines[0].x1, 100);
  EXPECT_EQ(LinesFrom(8), RightArrow(false));
  S().paint.CanScrollRight = false;
  Draw();
  EXPECT_TRUE(surface.lines.empty());
}

TEST_F(ScrollButtonDrawTest, LunaColorsFrameAndFillTheButtons) {
  S().Color = static_cast<int32_t>(Colors::kOffice2003);
  S().LunaColors = true;
  SharedThemePalette().LunaBorder = Rgb(1, 2, 3);
  SharedThemePalette().HotLighter = Rgb(4, 5, 6);
  Draw();
  EXPECT_EQ(surface.rects, (std::vector<DrawnRect>{{{82, 2, 100, 20}, Rgb(1, 2, 3), true},
                                                    {{83, 3, 99, 19}, Rgb(4, 5, 6), false},
                                                    {{100, 2, 118, 20}, Rgb(1, 2, 3), true},
                                                    {{101, 3, 117, 19}, Rgb(4, 5, 6), false}}));
  EXPECT_EQ(surface.lines.size(), 10u);  // the arrows alone
}

TEST_F(ScrollButtonDrawTest, TheThemedLookDrawsEveryButtonInItsStateAndNothingElse) {
  SharedPlatformFlags().ThemesAvailable = true;
  system.SetTheme(ThemeName{"Luna.msstyles", "NormalColor"});
  S().paint.CanScrollLeft = false;
  Draw();
  EXPECT_EQ(system.themed, (std::vector<ThemedDraw>{{1, 12, {82, 2, 100, 20}}, {1, 13, {100, 2, 118, 20}}}));
  EXPECT_TRUE(surface.lines.empty());  // no classic box or arrow (the theme fills its own parts)
  S().paint.CanScrollLeft = true;
  S().input.LeftPressed = true;
  S().paint.CanScrollRight = false;
  Draw();
  EXPECT_EQ(system.themed, (std::vector<ThemedDraw>{{1, 11, {82, 2, 100, 20}}, {1, 16, {100, 2, 118, 20}}}));
  S().input.LeftPressed = false;
  S().paint.CanScrollRight = true;
  S().input.RightPressed = true;
  Draw();
  EXPECT_EQ(system.themed, (std::vector<ThemedDraw>{{1, 9, {82, 2, 100, 20}}, {1, 15, {100, 2, 118, 20}}}));
  EXPECT_EQ(system.opened.back(), "SCROLLBAR");
}

TEST_F(ScrollButtonDrawTest, TheClassicLookStandsInForTheTheme) {
  // No visual style active: the theme data does not open.
  SharedPlatformFlags().ThemesAvailable = true;
  Draw();
  EXPECT_TRUE(system.themed.empty());
  EXPECT_EQ(surface.lines.size(), 26u);
  // Only Windows Xp and System take the theme.
  system.SetTheme(ThemeName{"Luna.msstyles", "NormalColor"});
  S().Appearance = static_cast<int32_t>(Appearances::kPropertyPage);
  Draw();
  EXPECT_TRUE(system.themed.empty());
  S().Appearance = static_cast<int32_t>(Appearances::kSystem);
  Draw();
  EXPECT_EQ(system.themed.size(), 2u);
  // Nor without visual styles in the system.
  SharedPlatformFlags().ThemesAvailable = false;
  Draw();
  EXPECT_TRUE(system.themed.empty());
}

TEST_F(ScrollButtonDrawTest, NothingInTheVisioAndWizardStylesOrWhileTheStripFits) {
  for (Appearances a : {Appearances::kVisio, Appearances::kWizard}) {
    S().Appearance = static_cast<int32_t>(a);
    S().paint.ScrollButtonWidth = 7;
    Draw();
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_EQ(S().paint.ScrollButtonWidth, 7);
  }
  S().Appearance = 1;
  S().mShowScrollBar = false;
  Draw();
  EXPECT_TRUE(surface.lines.empty());
}

// --- presses ------------------------------------------------------------------------------------

class ScrollButtonPressTest : public InputFixture {
 protected:
  ScrollButtonPressTest() {
    MakeTabs(12);
    w = S().paint.ScrollButtonWidth;
  }
  float RightX() const { return static_cast<float>(Width() - w / 2.0); }
  float LeftX() const { return static_cast<float>(Width() - 1.5 * w); }
  // A move there (with the right button, which starts no hover timer), then a press.
  void PressAt(float x, float y = 8) {
    control.MouseMove(2, 0, x, y);
    log.clear();
    control.MouseDown(1, 0, x, y);
  }
  void Release() { control.MouseUp(1, 0, 0, 0); }
  int16_t w = 0;
};

TEST_F(ScrollButtonPressTest, ThePressedLookLastsWhileThePressReLaysTheControl) {
  bool pressed_during_event = false;
  on_event = [&](EventId id, std::span<Variant>) {
    if (id == EventId::AfterScrollLeft) pressed_during_event = S().input.RightPressed && !S().input.Scrolling;
  };
  PressAt(RightX());
  EXPECT_TRUE(pressed_during_event);
  EXPECT_FALSE(S().input.RightPressed);
}

TEST_F(ScrollButtonPressTest, PressesOutsideTheButtonsDoNotScroll) {
  PressAt(RightX(), static_cast<float>(S().StripH - 3));  // below the buttons
  EXPECT_EQ(S().Hidd, 0);
  S().input.LeftPressed = S().input.RightPressed = true;
  PressAt(static_cast<float>(Width() - 2.0 * w - 1));  // left of them: the pressed looks go
  EXPECT_EQ(S().Hidd, 0);
  EXPECT_FALSE(S().input.LeftPressed || S().input.RightPressed);
}

TEST_F(ScrollButtonPressTest, TheRepeatStopsAtTheNextTickOnceTheButtonIsUp) {
  PressAt(RightX());
  ButtonHeld = false;  // released where the control did not see it
  system.AdvanceClock(500);
  EXPECT_EQ(S().Hidd, 1);
  EXPECT_EQ(system.ActiveTimers(), 0u);
}

// --- the hot look -------------------------------------------------------------------------------

TEST_F(ScrollButtonPressTest, MovingOntoAnActiveButtonDrawsItHotAndEndsTheHotTab) {
  MoveOver(1);
  ASSERT_EQ(S().sHowerTab, 1);
  surface.Forget();
  ScrollButtonsMove(control, 0, 0, RightX(), 8);
  EXPECT_EQ(S().sHowerTab, -1);
  EXPECT_EQ(S().input.PreviousHotTab, -1);
  EXPECT_TRUE(OverTab);
  EXPECT_FALSE(OverCurrentTab);
  // Both buttons normal (the left one inactive), then the right one again with its arrow.
  ASSERT_GE(surface.lines.size(), 13u);
  const Rect r = RightScrollButtonRect(Width(), w);
  EXPECT_EQ(surface.lines[surface.lines.size() - 13], (DrawnLine{r.left, 2, r.right, 2, S().paint.colors.Light}));

  // The inactive left button gets no hot look.
  surface.Forget();
  ScrollButtonsMove(control, 0, 0, LeftX(), 8);
  EXPECT_EQ(surface.lines.size(), 13u);
}

TEST_F(ScrollButtonPressTest, TheHotLookOfTheOtherLooks) {
  PressAt(RightX());  // Hidd 1: both buttons active
  S().Color = static_cast<int32_t>(Colors::kOffice2003);
  S().LunaColors = true;
  SharedThemePalette().HotDark = Rgb(7, 8, 9);
  surface.Forget();
  ScrollButtonsMove(control, 0, 0, LeftX(), 8);
  const Rect r = LeftScrollButtonRect(Width(), w);
  EXPECT_EQ(surface.rects.back(), (DrawnRect{{r.left + 1, 3, r.right - 1, w + 1}, Rgb(7, 8, 9), false}));

  SharedPlatformFlags().ThemesAvailable = true;
  system.SetTheme(ThemeName{"Luna.msstyles", "NormalColor"});
  system.themed.clear();
  ScrollButtonsMove(control, 0, 0, LeftX(), 8);
  EXPECT_EQ(system.themed.back(), (ThemedDraw{1, 10, r}));
  ScrollButtonsMove(control, 0, 0, RightX(), 8);
  EXPECT_EQ(system.themed.back(), (ThemedDraw{1, 14, RightScrollButtonRect(Width(), w)}));
  S().input.RightPressed = true;
  ScrollButtonsMove(control, 0, 0, RightX(), 8);
  EXPECT_EQ(system.themed.back(), (ThemedDraw{1, 15, RightScrollButtonRect(Width(), w)}));
}

TEST_F(ScrollButtonPressTest, AMoveBelowOrLeftOfTheButtonsOnlyRedrawsThem) {
  MoveOver(1);
  surface.Forget();
  ScrollButtonsMove(control, 0, 0, RightX(), static_cast<float>(S().StripH - 3));
  EXPECT_EQ(S().sHowerTab, 1);
  EXPECT_EQ(surface.lines.size(), 13u);
}

}  // namespace
}  // namespace folivan
