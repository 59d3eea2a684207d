// The form designer's mouse (window messages, the common-area box), the flags
// shared by all controls of the thread, and the wizard page buttons' pressed
// picture; mouse_design.play and wizard_pages.play walk through the presses,
// scroll_golden_test pictures the buttons' hot looks.
#include <gtest/gtest.h>

#include "input/design_subclass.h"
#include "input/wizard_buttons.h"
#include "input_fixture.h"
#include "platform/headless/contained_controls.h"

namespace folivan {
namespace {

intptr_t Coordinates(int x, int y) { return static_cast<intptr_t>((y << 16) | x); }

class DesignMouseTest : public InputFixture {
 protected:
  DesignMouseTest() : InputFixture(false) {}
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
  SpySurface other_surface(system, 200, 100);
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

// --- wizard page buttons ------------------------------------------------------------------

class FakePicture : public Picture {
 public:
  explicit FakePicture(int16_t n) : n_(n) {}
  intptr_t Handle() const override { return n_; }
  int32_t Width() const override { return 20; }
  int32_t Height() const override { return 20; }

 private:
  int16_t n_;
};

class WizardTest : public InputFixture {
 protected:
  WizardTest() {
    SetResourcePictureLoader([](FolivanTab&, int16_t n) { return std::make_shared<FakePicture>(n); });
    control.SetAppearance(12);
    surface.painted.clear();
  }
  ~WizardTest() override { SetResourcePictureLoader(nullptr); }
  using Painted = SpySurface::Painted;
};

TEST_F(WizardTest, APressShowsThePressedPictureOfTheButton) {
  MoveTo(390, 10);
  surface.painted.clear();
  control.MouseDown(1, 0, 0, 0);
  EXPECT_EQ(control.CurrentTab(), 1);
  ASSERT_FALSE(surface.painted.empty());
  EXPECT_EQ(surface.painted.front(), (Painted{3, 378, 2}));
}

}  // namespace
}  // namespace folivan
