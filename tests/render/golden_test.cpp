// Whole pictures of the control against golden images (tests/golden/render/*.png),
// each made by a `folivantab play` script of golden_cases.txt (which says what
// it may hold besides the script's own lines), then `render FILE.png`.
// Regenerate with
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

struct GoldenCase {
  std::string name;
  std::vector<std::string> lines;  // of the script
  int32_t width = 240;
  int32_t height = 90;
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
};

class RenderGoldenTest : public ::testing::TestWithParam<GoldenCase> {};
// Named for the test runner's filters (ctest -R render).
using render_golden = RenderGoldenTest;

TEST_P(render_golden, MatchesGolden) {
  const GoldenCase& c = GetParam();
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  console::SessionOptions options;
  options.width_px = c.width;
  options.height_px = c.height;
  for (const std::string& line : c.lines) {
    if (line == "design") options.design = true;
    if (line.starts_with("form ")) options.form_path = std::string(FOLIVAN_SOURCE_DIR) + "/" + line.substr(5);
  }
  console::Session session(options);
  std::ostringstream out;
  console::Player player(session, out);
  const fs::path png = fs::temp_directory_path() / ("folivan_golden_" + std::to_string(::getpid()) + ".png");
  std::string render = "render \"" + png.string() + "\"";
  int number = 0;
  for (const std::string& line : c.lines) {
    std::istringstream words(line);
    std::string verb, arg;
    words >> verb >> arg;
    if (verb == "design" || verb == "form") continue;
    if (verb == "theme") {
      console::SetThemeColorScheme(session, arg);
    } else if (verb == "hover") {
      Point at{};
      if (!(words >> at.y)) {
        const TabRecord& tab = session.Control().State().tabs.at(std::stoul(arg));
        at = Point{(tab.AL + tab.AR) / 2, (tab.AT + tab.AB) / 2};
      } else {
        at.x = std::stoi(arg);
      }
      const std::string where = std::to_string(at.x) + " " + std::to_string(at.y);
      player.RunLine("cursor " + where, ++number);
      player.RunLine("mousemove 0 0 " + where, ++number);
      render = "render \"" + png.string() + "\" as-shown";
    } else if (verb == "page" && arg == "png") {
      words >> arg;
      console::RenderPageToPng(session, arg, png.string(), out);
      render.clear();
    } else {
      player.RunLine(line, ++number);
    }
  }
  if (!render.empty()) player.RunLine(render, ++number);
  PixelImage image = ReadPng(png.string());
  fs::remove(png);
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) image.Ref(x, y) &= 0x00FFFFFFu;  // the file's alpha
  }
  EXPECT_EQ(out.str().find("error"), std::string::npos) << out.str();
  EXPECT_TRUE(MatchesGolden(image, "render/" + c.name));
}

// The cases of golden_cases.txt: "== NAME [WxH]", then the script's lines.
std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases;
  std::ifstream in(std::string(FOLIVAN_SOURCE_DIR) + "/tests/render/golden_cases.txt");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line.starts_with("== ")) {
      std::istringstream head(line.substr(3));
      GoldenCase c;
      int32_t w = 0, h = 0;
      char x = 0;
      if (head >> c.name >> w >> x >> h) c.width = w, c.height = h;
      cases.push_back(c);
      continue;
    }
    // Files are named from the top of the source tree.
    const std::string picture = "LoadPicture(\"";
    for (size_t at = line.find(picture); at != std::string::npos; at = line.find(picture, at + 1)) {
      line.insert(at + picture.size(), std::string(FOLIVAN_SOURCE_DIR) + "/");
    }
    cases.back().lines.push_back(line);
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(golden, render_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
