// Tip over the headless tooltip windows: the window it makes and what it
// sends, on its own and as the mouse handling drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/mouse_fixture.h"
#include "platform/headless/headless_tooltips.h"
#include "tooltip/tip.h"

namespace folivan {
namespace {

using Message = HeadlessTooltips::Message;
using Messages = std::vector<Message>;

class TipFixture : public MouseFixture {
 protected:
  explicit TipFixture(bool user_mode = true) : MouseFixture(user_mode) {}

  HeadlessTooltips& Tooltips() { return system.Tooltips(); }
  // The one tooltip window there is; fails the test when there are none or several.
  const HeadlessTooltips::Tooltip& OnlyWindow() {
    std::vector<WindowHandle> windows = Tooltips().Windows();
    EXPECT_EQ(windows.size(), 1u);
    static const HeadlessTooltips::Tooltip none;
    if (windows.size() != 1) return none;
    return *Tooltips().Find(windows[0]);
  }
};

// --- Tip on its own ------------------------------------------------------------------------

class TipTest : public TipFixture {};

TEST_F(TipTest, WithoutAParentNoWindowIsMadeAndNothingIsSent) {
  Tip tip;
  tip.SetTitle("T");
  tip.SetIcon(1);
  tip.Create();
  tip.SetTipText("x");
  EXPECT_FALSE(tip.HasWindow());
  EXPECT_EQ(Tooltips().Created(), 0);
}

TEST_F(TipTest, CreateMakesATopmostTooltipWindowOwnedByTheControlWithOneToolOverItsClientArea) {
  Tip tip;
  tip.SetParentControl(&control);
  tip.SetTipText("text");
  tip.SetIcon(1);  // no window yet: stored only
  tip.Create();
  ASSERT_TRUE(tip.HasWindow());
  const HeadlessSystem::Window* window = system.FindWindow(tip.Window());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->class_name, "tooltips_class32");
  EXPECT_FALSE(window->visible);

  const HeadlessTooltips::Tooltip& t = OnlyWindow();
  EXPECT_EQ(t.ex_style, 0u);
  EXPECT_EQ(t.style, 3u);
  EXPECT_EQ(t.owner, control.hwnd());
  EXPECT_EQ(t.instance, HeadlessTooltips::kModuleInstance);
  EXPECT_TRUE(t.topmost);
  ToolInfo expected;
  expected.flags = 16;
  expected.hwnd = control.hwnd();
  expected.rect = Rect{0, 0, 400, 300};
  expected.instance = HeadlessTooltips::kModuleInstance;
  expected.text = "text";
  EXPECT_EQ(t.tools, std::vector<ToolInfo>{expected});
  EXPECT_EQ(expected.size, 44u);
  // An icon without a title is enough for Create to send the title.
  EXPECT_EQ(t.received, (Messages{{ttm::kAddTool, 0, "text"}, {ttm::kSetTitle, 1, ""}}));
  EXPECT_EQ(t.icon, 1);
}

TEST_F(TipTest, OnlyStyleTwoIsABalloon) {
  for (int32_t style : {0, 1, 2, 3, -1}) {
    Tip tip;
    tip.SetParentControl(&control);
    tip.SetStyle(style);
    tip.Create();
    EXPECT_EQ(OnlyWindow().style, style == 2 ? 67u : 3u) << style;
  }
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
  EXPECT_EQ(t.received, (Messages{{ttm::kAddTool, 0, ""},
                                  {ttm::kSetTitle, 0, "Early"},
                                  {ttm::kSetTitle, 2, "Early"},
                                  {ttm::kSetTitle, 3, "Title"},
                                  {ttm::kUpdateTipText, 0, "new text"}}));
  // The stand-in applied them: the last title, and the new text on the one tool.
  EXPECT_EQ(t.title, "Title");
  EXPECT_EQ(t.icon, 3);
  ASSERT_EQ(t.tools.size(), 1u);
  EXPECT_EQ(t.tools[0].text, "new text");
  EXPECT_EQ(tip.TipText(), "new text");
}

TEST_F(TipTest, CreateAgainReplacesTheWindowAndTakesTheClientRectangleAnew) {
  Tip tip;
  tip.SetParentControl(&control);
  tip.SetTipText("kept");
  tip.Create();
  const WindowHandle first = tip.Window();
  system.MoveWindow(control.hwnd(), 0, 0, 250, 120, false);
  EXPECT_EQ(OnlyWindow().tools[0].rect, (Rect{0, 0, 400, 300}));  // as it was at Create

  tip.Create();
  EXPECT_NE(tip.Window(), first);
  EXPECT_EQ(system.FindWindow(first), nullptr);
  EXPECT_EQ(Tooltips().Created(), 2);
  const HeadlessTooltips::Tooltip& t = OnlyWindow();
  EXPECT_EQ(t.tools[0].rect, (Rect{0, 0, 250, 120}));
  EXPECT_EQ(t.tools[0].text, "kept");
}

TEST_F(TipTest, TheWindowGoesWithTheObject) {
  WindowHandle window = 0;
  {
    Tip tip;
    tip.SetParentControl(&control);
    tip.Create();
    window = tip.Window();
    ASSERT_NE(system.FindWindow(window), nullptr);
  }
  EXPECT_EQ(system.FindWindow(window), nullptr);
  EXPECT_TRUE(Tooltips().Windows().empty());
}

TEST_F(TipTest, AWindowThatCouldNotBeMadeIsSentNothingAndNotDestroyed) {
  // A window of another kind that exists meanwhile must survive the Tip.
  Tooltips().SetCreateFails(true);
  {
    Tip tip;
    tip.SetParentControl(&control);
    tip.SetTitle("T");
    tip.SetIcon(1);
    tip.Create();
    tip.SetTipText("x");
    tip.SetTitle("U");
    EXPECT_FALSE(tip.HasWindow());
    // The tool record is filled all the same.
    EXPECT_EQ(tip.Tool().hwnd, control.hwnd());
    EXPECT_EQ(tip.ToolRect(), (Rect{0, 0, 400, 300}));
  }
  EXPECT_NE(system.FindWindow(control.hwnd()), nullptr);
  EXPECT_EQ(Tooltips().Created(), 0);
}

// --- the tooltip of the hot tab ------------------------------------------------------------

class HotTabTipTest : public TipFixture {};

TEST_F(HotTabTipTest, HoveringATabShowsItsCaptionAsTitleAndText) {
  control.SetTabCaption(1, "&File");
  control.SetToolTipStyle(2);
  control.Paint();
  MoveOver(1);
  const HeadlessTooltips::Tooltip& t = OnlyWindow();
  EXPECT_EQ(t.style, 67u);
  EXPECT_EQ(t.owner, control.hwnd());
  // Everything was set before Create: the window is sent the tool and the title only.
  EXPECT_EQ(t.received, (Messages{{ttm::kAddTool, 0, "&File"}, {ttm::kSetTitle, 1, "File"}}));
}

TEST_F(HotTabTipTest, OneWindowAtATimeReplacedOnlyWhenTheTabChanges) {
  control.SetTabToolTip(2, "Second");
  MoveOver(1);
  const WindowHandle first = S().input.Tip->Window();
  MoveTo(static_cast<float>(S().tabs[1].AL + 1), 10);
  EXPECT_EQ(Tooltips().Windows(), std::vector<WindowHandle>{first});

  MoveOver(2);
  std::vector<WindowHandle> now = Tooltips().Windows();
  ASSERT_EQ(now.size(), 1u);
  EXPECT_NE(now[0], first);
  EXPECT_EQ(OnlyWindow().tools[0].text, "Second");
  EXPECT_EQ(Tooltips().Created(), 2);

  MoveTo(30, 100);  // below the strip
  EXPECT_TRUE(Tooltips().Windows().empty());
}

TEST_F(HotTabTipTest, TheToolCoversTheWholeControl) {
  MoveOver(0);
  const WindowHandle window = S().input.Tip->Window();
  EXPECT_TRUE(Tooltips().ToolAt(window, Point{0, 0}));
  EXPECT_TRUE(Tooltips().ToolAt(window, Point{399, 299}));
  EXPECT_FALSE(Tooltips().ToolAt(window, Point{400, 150}));
  EXPECT_FALSE(Tooltips().ToolAt(window, Point{200, 300}));
}

TEST_F(HotTabTipTest, APressDropsTheWindow) {
  MoveOver(2);
  ASSERT_EQ(Tooltips().Windows().size(), 1u);
  Press();
  EXPECT_EQ(control.CurrentTab(), 2);
  EXPECT_TRUE(Tooltips().Windows().empty());
}

TEST_F(HotTabTipTest, NoWindowWithoutShowToolTipNorOverADisabledTab) {
  control.SetiTabEnabled(1, false);
  MoveOver(1);
  control.SetShowToolTip(false);
  MoveOver(2);
  MoveOver(0);
  EXPECT_EQ(Tooltips().Created(), 0);
}

TEST_F(HotTabTipTest, TheControlTakesItsTooltipWindowWithIt) {
  {
    HostedSurface other_surface(system, 200, 100);
    HeadlessHost other_host(other_surface, system);
    other_host.SetUserMode(true);
    FolivanTab other(other_host, system);
    other.InitProperties();
    other.Paint();
    system.SetCursorPos(Point{20, 10});
    other.MouseMove(0, 0, 20, 10);
    ASSERT_TRUE(other.State().input.Tip);
    EXPECT_EQ(OnlyWindow().owner, other.hwnd());
  }
  EXPECT_TRUE(Tooltips().Windows().empty());
}

class DesignTipTest : public TipFixture {
 protected:
  DesignTipTest() : TipFixture(false) {}
};

TEST_F(DesignTipTest, InAFormDesignerADisabledTabHasItsTooltipToo) {
  control.SetiTabEnabled(1, false);
  MoveOver(1);
  EXPECT_EQ(OnlyWindow().tools[0].text, S().tabs[1].Caption);
}

}  // namespace
}  // namespace folivan
