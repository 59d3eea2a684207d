// `folivantab render` and the console's `render` line: size, theme, script,
// the contained controls drawn over the control, and the errors that stop it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "console.h"
#include "paint/colors.h"
#include "platform/headless/contained_controls.h"
#include "platform/headless/image_io.h"
#include "render_command.h"

namespace folivan::testing {
namespace {

namespace fs = std::filesystem;
using console::RenderOptions;
using console::RunRender;

constexpr RgbColor kOutline = Rgb(64, 64, 64);

class RenderCommandTest : public ::testing::Test {
 protected:
  RenderCommandTest() : dir_(fs::temp_directory_path() / ("folivan_render_" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
  }
  ~RenderCommandTest() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  int Run(RenderOptions options) {
    out_.str("");
    err_.str("");
    return RunRender(options, out_, err_);
  }

  fs::path dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};
// Named for the test runner's filters (ctest -R render).
using render_command = RenderCommandTest;

// What the image shows is in the golden images (golden_test renders through the console).
TEST_F(render_command, NewControlAtTheDefaultAndAGivenSize) {
  RenderOptions options;
  options.output_path = PathOf("new.png");
  ASSERT_EQ(Run(options), 0) << err_.str();
  EXPECT_EQ(ReadPng(options.output_path).width(), 400);
  EXPECT_EQ(ReadPng(options.output_path).height(), 300);
  // WxH, two positive numbers.
  int32_t& w = options.session.width_px;
  int32_t& h = options.session.height_px;
  for (const char* bad : {"600", "x400", "0x10", "10x10px"}) EXPECT_FALSE(console::ParseSize(bad, w, h)) << bad;
  EXPECT_EQ(w, 400);
  ASSERT_TRUE(console::ParseSize("600X400", w, h));
  ASSERT_EQ(Run(options), 0) << err_.str();
  EXPECT_EQ(ReadPng(options.output_path).width(), 600);
  EXPECT_EQ(ReadPng(options.output_path).height(), 400);
}

TEST_F(render_command, ScriptRunsBeforeTheRender) {
  const std::string script = PathOf("s.play");
  std::ofstream(script) << "set Tabs = 5\nset CurrentTab = 4\n";
  RenderOptions options;
  options.script_path = script;
  options.output_path = PathOf("s.png");
  ASSERT_EQ(Run(options), 0) << err_.str();
  EXPECT_NE(out_.str().find("event TabChange"), std::string::npos);
  const PixelImage image = ReadPng(options.output_path);
  EXPECT_NE(image.At(20, 0) & 0xFFFFFF, Rgb(230, 139, 44));  // tab 0 no longer selected
}

// The hot band that the mouse handling draws on tab 1 stays in the picture
// only as shown: the repaint of a Paint notification wipes it.
TEST_F(render_command, AsShownKeepsTheHotLook) {
  const std::string script = PathOf("hot.play");
  std::ofstream(script) << "show\ncursor 60 10\nmousemove 0 0 60 10\n";
  RenderOptions options;
  options.script_path = script;
  options.output_path = PathOf("hot.png");
  options.as_shown = true;
  ASSERT_EQ(Run(options), 0) << err_.str();
  EXPECT_EQ(ReadPng(options.output_path).At(60, 2) & 0xFFFFFF, Rgb(230, 139, 44));
  options.as_shown = false;
  ASSERT_EQ(Run(options), 0) << err_.str();
  EXPECT_NE(ReadPng(options.output_path).At(60, 2) & 0xFFFFFF, Rgb(230, 139, 44));
}

TEST_F(render_command, FailuresGiveStatusTwoAndWriteNothing) {
  RenderOptions options;
  options.output_path = PathOf("none.png");
  options.script_path = PathOf("missing.play");
  EXPECT_EQ(Run(options), 2);
  options.script_path = PathOf("bad.play");
  std::ofstream(options.script_path) << "frobnicate\n";
  EXPECT_EQ(Run(options), 2);
  EXPECT_NE(err_.str().find("bad.play:1"), std::string::npos);
  EXPECT_FALSE(fs::exists(options.output_path));
}

// As outlines with their names (--no-controls); in the classic look they are in
// the golden image order_form_classic (with controls of other tabs moved away).
TEST_F(render_command, ContainedControlsInSightAreDrawnOnTheImageOnly) {
  console::SessionOptions session_options;
  console::Session session(session_options);
  StandInControl& text = session.Host().AddControl(*FindControlKind("VB.TextBox"), "Text1", std::nullopt);
  text.Set("Left", Variant(150.0));  // 10 pixels
  text.Set("Top", Variant(600.0));   // 40 pixels
  StandInControl& hidden = session.Host().AddControl(*FindControlKind("VB.CommandButton"), "Command1", int16_t{2});
  hidden.Set("Left", Variant(-75000.0 + 1500.0));
  hidden.Set("Top", Variant(1500.0));

  console::RenderToPng(session, PathOf("c.png"), false);
  const PixelImage outlined = ReadPng(PathOf("c.png"));
  EXPECT_EQ(outlined.At(10, 40) & 0xFFFFFF, kOutline);
  EXPECT_EQ(outlined.At(10 + 1215 / 15 - 1, 40 + 495 / 15 - 1) & 0xFFFFFF, kOutline);
  EXPECT_NE(outlined.At(100, 100) & 0xFFFFFF, kOutline);  // where Command1 would be without its offset
}

TEST_F(render_command, ConsoleLineWantsAFileAndAsShownAtMost) {
  console::SessionOptions session_options;
  console::Session session(session_options);
  std::ostringstream out;
  console::Player player(session, out);
  // What the line writes is every golden image of golden_test.
  EXPECT_THROW(player.RunLine("render", 2), console::ScriptError);
  EXPECT_THROW(player.RunLine("render \"" + PathOf("line.png") + "\" as-seen", 3), console::ScriptError);
}

}  // namespace
}  // namespace folivan::testing
