// The scroll buttons and the wizard's page buttons against golden images
// (tests/golden/input/*.png), pictured the way a user sees them: a narrow
// control played in the console, then `render FILE` (repainted) or
// `render FILE as-shown` (the window as it is, hot and pressed looks included).
// Regenerate with FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build -R input_golden
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

#include "console.h"
#include "paint/colors.h"
#include "platform/headless/image_io.h"
#include "render_command.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  std::string name;
  std::string script;  // "@" stands for the picture's path
  std::string theme;   // a visual style with this colour scheme; empty: none
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
};

// Named for the test runner's filters (ctest -R input_golden).
class input_golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(input_golden, AsShownMatchesGolden) {
  const GoldenCase& c = GetParam();
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  console::SessionOptions options;
  options.width_px = 200;
  options.height_px = 40;
  console::Session session(options);
  if (!c.theme.empty()) console::SetThemeColorScheme(session, c.theme);
  const fs::path png = fs::temp_directory_path() / ("folivan_input_" + std::to_string(::getpid()) + ".png");
  std::string script = c.script;
  script.replace(script.find('@'), 1, png.string());
  std::ostringstream out;
  console::Player player(session, out);
  std::istringstream lines(script);
  player.Run(lines);
  PixelImage image = ReadPng(png.string());
  fs::remove(png);
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) image.Ref(x, y) &= 0x00FFFFFFu;  // the file's alpha
  }
  EXPECT_TRUE(MatchesGolden(image, "input/" + c.name));
}

// Eight tabs overflow the 200-pixel strip: the 17-pixel buttons end at 183 and 200.
const std::string kScrolled = "set Tabs = 8\nshow\nmousemove 2 0 190 8\nmousedown 1 0 190 8\nmouseup 1 0 190 8\n";
const std::string kPressed = "set Tabs = 8\nshow\nmousemove 2 0 190 8\nmousedown 1 0 190 8\nrender \"@\" as-shown\n";
// Five scrolls bring the last tab into view: the right button is inactive.
const std::string kAtEnd = kScrolled + "mousedown 1 0 190 8\nmouseup 1 0 190 8\nmousedown 1 0 190 8\nmouseup 1 0 190 8\n"
                           "mousedown 1 0 190 8\nmouseup 1 0 190 8\nmousedown 1 0 190 8\nmouseup 1 0 190 8\n";
const std::string kLuna = "set Color = 2\nset LunaColors = True\n";

INSTANTIATE_TEST_SUITE_P(
    scroll, input_golden,
    ::testing::Values(
        // Both buttons raised with their arrows; only the right one before a scroll.
        GoldenCase{"scroll_both", kScrolled + "render \"@\"\n", ""},
        GoldenCase{"scroll_right_only", "set Tabs = 8\nshow\nrender \"@\"\n", ""},
        // An inactive button gets no hot look.
        GoldenCase{"scroll_inactive_left_not_hot", "set Tabs = 8\nshow\ncursor 174 8\nmousemove 0 0 174 8\nrender \"@\" as-shown\n", ""},
        // Held down: sunken, the arrow one pixel lower.
        GoldenCase{"scroll_pressed", kPressed, ""},
        // Luna colours: framed and filled; hot in the darker colour.
        GoldenCase{"scroll_luna", kLuna + kScrolled + "render \"@\"\n", ""},
        GoldenCase{"scroll_luna_hot", kLuna + kScrolled + "cursor 172 8\nmousemove 0 0 172 8\nrender \"@\" as-shown\n", ""},
        // The visual style's parts: normal, disabled, hot, pressed; only Windows Xp and System take them.
        GoldenCase{"scroll_themed", "set Appearance = 13\n" + kScrolled + "render \"@\"\n", "NormalColor"},
        GoldenCase{"scroll_themed_right_only", "set Appearance = 13\nset Tabs = 8\nshow\nrender \"@\"\n", "NormalColor"},
        GoldenCase{"scroll_themed_hot_left", "set Appearance = 13\n" + kScrolled +
                   "cursor 172 8\nmousemove 0 0 172 8\nrender \"@\" as-shown\n", "NormalColor"},
        GoldenCase{"scroll_themed_pressed", "set Appearance = 13\n" + kPressed, "NormalColor"},
        GoldenCase{"scroll_themed_at_end", "set Appearance = 13\n" + kAtEnd + "render \"@\"\n", "NormalColor"},
        GoldenCase{"scroll_themed_left_pressed", "set Appearance = 13\n" + kAtEnd + "mousemove 2 0 174 8\nmousedown 1 0 174 8\n"
                   "render \"@\" as-shown\n", "NormalColor"},
        GoldenCase{"scroll_property_page_themed", "set Appearance = 2\n" + kScrolled + "render \"@\"\n", "NormalColor"},
        // No buttons in the Visio and Wizard styles, however many tabs.
        GoldenCase{"scroll_none_visio", "set Appearance = 6\nset Tabs = 12\nshow\nrender \"@\"\n", ""},
        // The wizard's page buttons: hot where there is a page to turn to (none before the first page).
        GoldenCase{"wizard_first_page_previous", "set Appearance = 12\nshow\ncursor 10 10\nmousemove 0 0 10 10\n"
                   "render \"@\" as-shown\n", ""},
        GoldenCase{"wizard_next_hot", "set Appearance = 12\nshow\ncursor 190 10\nmousemove 0 0 190 10\nrender \"@\" as-shown\n", ""},
        GoldenCase{"wizard_previous_hot", "set Appearance = 12\nset CurrentTab = 1\nshow\ncursor 10 10\n"
                   "mousemove 0 0 10 10\nrender \"@\" as-shown\n", ""},
        // Without the wizard's pictures there are no buttons: a move and a press there do nothing.
        GoldenCase{"wizard_no_pictures", "set Appearance = 12\nset WizardPictures = False\nshow\ncursor 190 10\n"
                   "mousemove 0 0 190 10\nmousedown 1 0 190 10\nrender \"@\" as-shown\n", ""},
        // Away from both, the hot look goes.
        GoldenCase{"wizard_away", "set Appearance = 12\nset CurrentTab = 1\nshow\ncursor 190 10\nmousemove 0 0 190 10\n"
                   "cursor 100 30\nmousemove 0 0 100 30\nrender \"@\" as-shown\n", ""}),
    [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
