// Tip over the headless tooltip windows: what it sends and when, windows that
// could not be made, and the window's lifetime. The windows as a user meets
// them (style, owner, tool, title, icon, text, one at a time) are pinned by
// tooltips.play, tip_windows.play and mouse_design.play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_tooltips.h"
#include "platform/headless/hosted_surface.h"
#include "support/control_fixture.h"
#include "tooltip/tip.h"

namespace folivan {
namespace {

using Message = HeadlessTooltips::Message;
using Messages = std::vector<Message>;

class TipTest : public testing::ControlTest {
 protected:
  TipTest() { control.Paint(); }  // at run time, as a new host is
  HeadlessTooltips& Tooltips() { return system.Tooltips(); }
  const HeadlessTooltips::Tooltip& OnlyWindow() {
    std::vector<WindowHandle> windows = Tooltips().Windows();
    EXPECT_EQ(windows.size(), 1u);
    static const HeadlessTooltips::Tooltip none;
    return windows.size() == 1 ? *Tooltips().Find(windows[0]) : none;
  }
  void MoveTo(int32_t x, int32_t y) {
    system.SetCursorPos(Point{x, y});
    control.MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
  }
};

// Without a parent no window is made; a window that could not be made is sent
// nothing and not destroyed (the control's window, which exists meanwhile,
// must survive the Tip), though the tool record is filled all the same.
TEST_F(TipTest, WithoutAParentOrAWindowNothingIsSentOrDestroyed) {
  for (bool parent : {false, true}) {
    Tooltips().SetCreateFails(parent);
    Tip tip;
    if (parent) tip.SetParentControl(&control);
    tip.SetTitle("T");
    tip.SetIcon(1);
    tip.Create();
    tip.SetTipText("x");
    tip.SetTitle("U");
    EXPECT_FALSE(tip.HasWindow());
    if (parent) {
      EXPECT_EQ(tip.Tool().hwnd, control.hwnd());
      EXPECT_EQ(tip.ToolRect(), (Rect{0, 0, 400, 300}));
    }
  }
  EXPECT_NE(system.FindWindow(control.hwnd()), nullptr);
  EXPECT_EQ(Tooltips().Created(), 0);
}

TEST_F(TipTest, SettersSendTheTitleOnlyWithAWindowATitleAndAnIcon) {
  Tip tip;
  tip.SetParentControl(&control);
  tip.SetTitle("Early");  // before Create: stored only
  tip.SetIcon(0);
  tip.Create();           // a title without an icon: sent with icon 0
  tip.SetIcon(2);         // title and icon: sent
  tip.SetTitle("");       // no title: nothing
  tip.SetIcon(3);         // still no title: nothing
  tip.SetTitle("Title");  // sent with icon 3
  tip.SetIcon(0);         // icon 0: nothing
  tip.SetTitle("Other");  // icon 0: nothing
  tip.SetTipText("new text");
  const HeadlessTooltips::Tooltip& t = OnlyWindow();
  EXPECT_EQ(t.ex_style, 0u);
  EXPECT_EQ(t.instance, HeadlessTooltips::kModuleInstance);
  ASSERT_EQ(t.tools.size(), 1u);
  EXPECT_EQ(t.tools[0].flags, 16u);
  EXPECT_EQ(t.tools[0].size, 44u);
  EXPECT_EQ(t.received, (Messages{{ttm::kAddTool, 0, ""},
                                  {ttm::kSetTitle, 0, "Early"},
                                  {ttm::kSetTitle, 2, "Early"},
                                  {ttm::kSetTitle, 3, "Title"},
                                  {ttm::kUpdateTipText, 0, "new text"}}));
  EXPECT_EQ(tip.TipText(), "new text");
}

TEST_F(TipTest, TheWindowGoesWithTheTipAndTheTipWithTheControl) {
  {
    Tip tip;
    tip.SetParentControl(&control);
    tip.Create();
    ASSERT_EQ(Tooltips().Windows().size(), 1u);
  }
  EXPECT_TRUE(Tooltips().Windows().empty());
  {
    HostedSurface other_surface(system, 200, 100);
    HeadlessHost other_host(other_surface, system);
    other_host.SetUserMode(true);
    FolivanTab other(other_host, system);
    other.InitProperties();
    other.Paint();
    system.SetCursorPos(Point{20, 10});
    other.MouseMove(0, 0, 20, 10);
    EXPECT_EQ(OnlyWindow().owner, other.hwnd());
  }
  EXPECT_TRUE(Tooltips().Windows().empty());
}

TEST_F(TipTest, MovesOverTheSameTabKeepTheWindow) {
  const TabRecord& one = control.State().tabs[1];
  MoveTo((one.AL + one.AR) / 2, 10);
  MoveTo(one.AL + 1, 10);
  EXPECT_EQ(Tooltips().Created(), 1);
}

}  // namespace
}  // namespace folivan
