// The scroll buttons and the wizard's page buttons against golden images
// (tests/golden/input/*.png), pictured the way a user sees them: the play
// scripts of data/scroll_golden.txt on a narrow control, ending in
// `render FILE` (repainted) or `render FILE as-shown` (the window as it is,
// hot and pressed looks included).
// Regenerate with FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build -R input_golden
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

struct GoldenCase {
  std::string name;
  std::string script;  // "@" stands for the picture's path
  std::string theme;   // a visual style with this colour scheme; empty: none
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
};

// The cases of data/scroll_golden.txt: "=== NAME [SCHEME]", then the script.
std::vector<GoldenCase> Cases() {
  std::ifstream in(fs::path(FOLIVAN_SOURCE_DIR) / "tests/input/data/scroll_golden.txt");
  std::vector<GoldenCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("=== ", 0) == 0) {
      std::istringstream head(line.substr(4));
      cases.emplace_back();
      head >> cases.back().name >> cases.back().theme;
    } else if (!cases.empty()) {
      cases.back().script += line + "\n";
    }
  }
  return cases;
}

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

INSTANTIATE_TEST_SUITE_P(scroll, input_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
