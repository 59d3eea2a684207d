// The hot look of each family against golden images
// (tests/golden/render/hot_*.png), pictured as a user pictures it: the mouse
// moved over a tab in the play console, then `render FILE.png as-shown`, which
// writes the window as it is (a repaint would wipe the hot look). Regenerate with
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "console.h"
#include "paint/colors.h"
#include "platform/headless/image_io.h"
#include "render_command.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

namespace fs = std::filesystem;

struct HotCase {
  std::string name;
  std::string script;  // the control's setup, before it is shown
  int16_t hot_tab;     // the mouse goes to the middle of this tab; -1: to `at`
  int32_t height = 56;
  std::string theme;   // a visual style with this colour scheme; empty: none
  Point at{};
  friend void PrintTo(const HotCase& c, std::ostream* os) { *os << c.name; }
};

class HotGoldenTest : public ::testing::TestWithParam<HotCase> {
 protected:
  HotGoldenTest() {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
  }
};
// Named for the test runner's filters (ctest -R render).
using render_hot_golden = HotGoldenTest;

TEST_P(render_hot_golden, AsShownMatchesGolden) {
  const HotCase& c = GetParam();
  console::SessionOptions options;
  options.width_px = 200;
  options.height_px = c.height;
  console::Session session(options);
  if (!c.theme.empty()) console::SetThemeColorScheme(session, c.theme);
  std::ostringstream out;
  console::Player player(session, out);
  int line = 0;
  std::istringstream setup(c.script + "show\n");
  player.Run(setup);

  Point at = c.at;
  if (c.hot_tab >= 0) {
    const TabRecord& tab = session.Control().State().tabs.at(static_cast<size_t>(c.hot_tab));
    at = Point{(tab.AL + tab.AR) / 2, (tab.AT + tab.AB) / 2};
  }
  const std::string where = std::to_string(at.x) + " " + std::to_string(at.y);
  player.RunLine("cursor " + where, ++line);
  player.RunLine("mousemove 0 0 " + where, ++line);

  const fs::path png = fs::temp_directory_path() / ("folivan_hot_" + std::to_string(::getpid()) + ".png");
  player.RunLine("render \"" + png.string() + "\" as-shown", ++line);
  PixelImage image = ReadPng(png.string());
  fs::remove(png);
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) image.Ref(x, y) &= 0x00FFFFFFu;  // the file's alpha
  }
  EXPECT_TRUE(MatchesGolden(image, "render/hot_" + c.name));
}

HotCase Over(std::string name, std::string script, int16_t tab, int32_t height = 56, std::string theme = "") {
  return HotCase{std::move(name), std::move(script), tab, height, std::move(theme), Point{}};
}

// The right scroll button under the mouse.
HotCase OverRightButton(std::string name, std::string script, std::string theme) {
  return HotCase{std::move(name), std::move(script), -1, 56, std::move(theme), Point{190, 10}};
}

std::vector<HotCase> Cases() {
  return {
      Over("xp", "", 1),
      Over("xp_vs_colors_left_of_selected", "set Color = 3\nset CurrentTab = 1\n", 0),
      Over("xp_selected", "", 0),
      Over("property_page", "set Appearance = 2\nset Color = 2\n", 1),
      Over("visual_studio", "set Appearance = 3\n", 1),
      Over("office", "set Appearance = 4\nset Color = 2\nset CurrentTab = 1\n", 0),
      Over("visio", "set Appearance = 6\nset Color = 2\n", 1, 150),
      Over("state_buttons", "set Appearance = 7\n", 2),
      Over("flat", "set Appearance = 8\nset Color = 2\nset LunaColors = True\n", 1),
      Over("rounded", "set Appearance = 11\nset Color = 2\n", 2),
      Over("system", "set Appearance = 13\n", 1, 56, "NormalColor"),
      OverRightButton("scroll_button", "set Tabs = 8\n", ""),
      OverRightButton("scroll_button_themed", "set Tabs = 8\nset Appearance = 13\n", "NormalColor"),
  };
}

INSTANTIATE_TEST_SUITE_P(golden, render_hot_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HotCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
