// Whole pictures of the control against golden images (tests/golden/render/*.png),
// each made as a user makes it: a `folivantab play` script on a new control
// (or the example form), then `render FILE.png`. Besides the script's own lines:
//   theme SCHEME   the visual style on, in that colour scheme
//   design         ambient UserMode false
//   form FILE      the control of a form in the source tree instead of a new one
//   hover N | X Y  the mouse to the middle of tab N, or to (X, Y); the picture is
//                  then taken as shown (a repaint would wipe the hot look)
//   page png TAB   the property page's tab instead of the control
// Regenerate with
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

struct GoldenCase {
  std::string name;
  std::string script;
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
  std::vector<std::string> lines;
  std::istringstream in(c.script);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  console::SessionOptions options;
  options.width_px = c.width;
  options.height_px = c.height;
  for (const std::string& line : lines) {
    if (line == "design") options.design = true;
    if (line.starts_with("form ")) options.form_path = std::string(FOLIVAN_SOURCE_DIR) + "/" + line.substr(5);
  }
  console::Session session(options);
  std::ostringstream out;
  console::Player player(session, out);
  const fs::path png = fs::temp_directory_path() / ("folivan_golden_" + std::to_string(::getpid()) + ".png");
  std::string render = "render \"" + png.string() + "\"";
  int number = 0;
  for (const std::string& line : lines) {
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

const std::string kChecker = "LoadPicture(\"" FOLIVAN_SOURCE_DIR "/tests/render/checker.png\")";

std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases = {
      // A new control and the rules of its captions and pictures.
      {"new_instance", ""},
      {"bold_off", "set BoldSelected = False"},
      {"picture_on_tab", "set iTabPicture(0) = " + kChecker + "\nset iTabPicture(2) = " + kChecker},
      {"second_tab_selected_disabled_third", "set CurrentTab = 1\nset iTabEnabled(2) = False"},
      // Windows XP with the Office colours: a bluer face, no shade, the orange band.
      {"xp_office", "set Color = 2"},
      {"no_tabs", "set Tabs = 0"},
  };
  for (int32_t appearance : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13}) {
    cases.push_back({"captions_appearance_" + std::to_string(appearance),
                     "set Appearance = " + std::to_string(appearance) + "\nset iTabEnabled(2) = False\nset iTabPicture(1) = " + kChecker});
  }
  // The selected tab's picture in the styles that place it otherwise.
  for (const auto& [appearance, color] : {std::pair{2, 1}, {13, 1}, {5, 1}, {5, 3}, {3, 1}, {9, 1}, {11, 1}}) {
    cases.push_back({"picture_selected_" + std::to_string(appearance) + "_" + std::to_string(color),
                     "set Appearance = " + std::to_string(appearance) + "\nset Color = " + std::to_string(color) +
                         "\nset iTabPicture(0) = " + kChecker});
  }
  // The strips of the styles other than Windows XP in each colour variant.
  const std::pair<std::string, int32_t> styles[] = {
      {"property_page", 2}, {"visual_studio", 3}, {"office", 4}, {"property_page_selected", 5}, {"state_buttons", 7},
      {"flat", 8},          {"sstab", 9},         {"excel", 10}, {"rounded", 11}};
  for (const auto& style : styles) {
    const std::string set = "set Appearance = " + std::to_string(style.second) + "\n";
    cases.push_back({"strip_" + style.first + "_luna", set + "set Color = 2\nset LunaColors = True", 200, 56});
    cases.push_back({"strip_" + style.first + "_vs_colors", set + "set Color = 3", 200, 56});
    cases.push_back({"strip_" + style.first + "_note_one", set + "set NoteOneColors = True\nset CurrentTab = 1", 200, 56});
  }
  const std::vector<GoldenCase> more = {
      {"strip_office_colors_second_selected", "set Appearance = 4\nset Color = 2\nset CurrentTab = 1", 200, 56},
      // The Luna colours of the Property Page's tabs come with Color 2 only.
      {"strip_property_page_luna_color_1", "set Appearance = 2\nset LunaColors = True", 200, 56},
      {"strip_property_page_second_selected", "set Appearance = 2\nset CurrentTab = 1", 200, 56},
      // The selected tab scrolled out at the left is not drawn; a lone flat tab closes both sides; State Buttons with the Office colours frame the button twice.
      {"strip_scrolled_selected_out", "set Tabs = 8\nmousemove 2 0 190 8\nmousedown 1 0 190 8\nmouseup 1 0 190 8", 200, 56},
      {"strip_flat_one_tab", "set Appearance = 8\nset Tabs = 1", 200, 56},
      {"strip_state_buttons_office", "set Appearance = 7\nset Color = 2", 200, 56},
      // Visio: the two stacks of bars.
      {"visio_default", "set Tabs = 4\nset CurrentTab = 1\nset Appearance = 6", 200, 150},
      {"visio_office", "set Tabs = 4\nset Color = 2\nset CurrentTab = 1\nset Appearance = 6", 200, 150},
      {"visio_luna", "set Tabs = 4\nset Color = 2\nset LunaColors = True\nset CurrentTab = 1\nset Appearance = 6", 200, 150},
      {"visio_note_one", "set Tabs = 4\nset NoteOneColors = True\nset CurrentTab = 2\nset Appearance = 6", 200, 150},
      {"visio_note_one_gradient", "set Tabs = 4\nset Color = 2\nset NoteOneColors = True\nset CurrentTab = 2\nset Appearance = 6", 200, 150},
      {"visio_last_tab", "set Tabs = 4\nset CurrentTab = 3\nset Appearance = 6", 200, 150},
      {"visio_back_color", "set Tabs = 4\nset CurrentTab = 1\nset BackColor = 2017290\nset Appearance = 6", 200, 150},
      {"visio_pictures", "set Tabs = 5\nset iTabPicture(0) = " + kChecker + "\nset iTabPicture(3) = " + kChecker +
                             "\nset CurrentTab = 1\nset Appearance = 6", 200, 150},
      {"visio_common_area", "set Tabs = 4\nset Color = 2\nset LunaColors = True\nset CurrentTab = -1\nset Appearance = 6", 200, 150},
      // The Wizard page at run time and in a designer, and the designer's common-area notice.
      // The page buttons only where there is a page to turn to; the page counter with WizardDetails.
      {"wizard_page", "set Appearance = 12\nset CurrentTab = 1", 200, 120},
      {"wizard_first_page", "set Appearance = 12", 200, 120},
      {"wizard_last_page", "set Appearance = 12\nset CurrentTab = 2", 200, 120},
      {"wizard_one_page", "set Tabs = 1\nset Appearance = 12", 200, 120},
      {"wizard_common_area", "set Appearance = 12\nset CurrentTab = -1", 200, 120},
      {"wizard_no_pictures", "set Appearance = 12\nset CurrentTab = 1\nset WizardPictures = False", 200, 120},
      {"wizard_no_details", "set Appearance = 12\nset WizardDetails = False", 200, 120},
      {"wizard_designer", "design\nset Appearance = 12\nset CurrentTab = 2", 200, 120},
      // The notice wraps inside the common area, in a designer only, not in Visio nor without client area.
      {"common_area_notice", "design\nset CurrentTab = -1", 200, 120},
      {"common_area_notice_wide", "design\nset CurrentTab = -1", 400, 300},
      {"common_area_run_time", "set CurrentTab = -1", 400, 300},
      {"common_area_visio", "design\nset CurrentTab = -1\nset Appearance = 6", 200, 120},
      {"common_area_no_client_area", "design\nset CurrentTab = -1\nset ClientArea = False", 200, 120},
      // Pictures: the selected tab's in each style, the background's, and none on Visio's bars.
      {"background_picture", "set BackgroundPicture = " + kChecker},
      {"visio_background_picture", "set iTabPicture(1) = " + kChecker + "\nset BackgroundPicture = " + kChecker +
                                   "\nset Tabs = 4\nset Appearance = 6", 200, 150},
      // A disabled tab's caption is grey unless the tab is selected.
      {"disabled_selected", "set iTabEnabled(0) = False\nset iTabEnabled(1) = False"},
      // The focus rectangle: at run time, with the focus and FocusRect on, its extent following the style.
      {"focus_rect", "set FocusRect = True\ngotfocus"},
      {"focus_rect_flat", "set Appearance = 8\nset FocusRect = True\ngotfocus"},
      {"focus_rect_off", "set FocusRect = False\ngotfocus"},
      {"focus_rect_lost", "set FocusRect = True\ngotfocus\nlostfocus"},
      {"focus_rect_designer", "design\nset FocusRect = True\ngotfocus"},
      {"focus_rect_designer_off", "design\nset FocusRect = False\ngotfocus"},
      // The hot look of each family, the mouse over a tab.
      {"hot_xp", "show\nhover 1", 200, 56},
      {"hot_xp_vs_colors_left_of_selected", "set Color = 3\nset CurrentTab = 1\nshow\nhover 0", 200, 56},
      {"hot_xp_selected", "show\nhover 0", 200, 56},
      {"hot_property_page", "set Appearance = 2\nset Color = 2\nshow\nhover 1", 200, 56},
      {"hot_visual_studio", "set Appearance = 3\nshow\nhover 1", 200, 56},
      {"hot_office", "set Appearance = 4\nset Color = 2\nset CurrentTab = 1\nshow\nhover 0", 200, 56},
      {"hot_visio", "set Appearance = 6\nset Color = 2\nshow\nhover 1", 200, 150},
      {"hot_state_buttons", "set Appearance = 7\nshow\nhover 2", 200, 56},
      {"hot_flat", "set Appearance = 8\nset Color = 2\nset LunaColors = True\nshow\nhover 1", 200, 56},
      {"hot_rounded", "set Appearance = 11\nset Color = 2\nshow\nhover 2", 200, 56},
      {"hot_system", "theme NormalColor\nset Appearance = 13\nshow\nhover 1", 200, 56},
      {"hot_scroll_button", "set Tabs = 8\nshow\nhover 190 10", 200, 56},
      // The System style with a visual style: the pane and each tab in its state (normal, hot,
      // selected, disabled), the selected tab drawn last over its neighbours, also in the hot and
      // normal looks (which show the theme's hot state even without HotTracking).
      {"system_themed", "theme NormalColor\nset iTabEnabled(2) = False\nset CurrentTab = 1\nset Appearance = 13"},
      {"hot_system_themed", "theme NormalColor\nset CurrentTab = 1\nset HotTracking = False\nset Appearance = 13\nshow\nhover 2", 200, 56},
      {"hot_system_themed_left", "theme NormalColor\nset CurrentTab = 1\nset Appearance = 13\nshow\nhover 2\nhover 150 40", 200, 56},
      // Where the golden image of a hot look is what the rules of hot_rules_test do not pin:
      // the neighbours and slanted sides beside the selected tab, the Luna variants of the
      // hot faces, the top rows the Windows XP normal look leaves behind, and the bands
      // without HotTracking as the mouse moves on.
      {"hot_xp_office_left_of_selected", "set Color = 2\nset CurrentTab = 1\nshow\nhover 0", 200, 56},
      {"hot_xp_left", "show\nhover 2\nhover 150 40", 200, 56},
      {"hot_xp_bands_moved", "set HotTracking = False\nshow\nhover 1\nhover 2", 200, 56},
      {"hot_property_page_luna", "set Appearance = 2\nset Color = 2\nset LunaColors = True\nshow\nhover 1", 200, 56},
      {"hot_rounded_luna", "set Appearance = 11\nset Color = 2\nset LunaColors = True\nshow\nhover 2", 200, 56},
      {"hot_flat_office", "set Appearance = 8\nset Color = 2\nshow\nhover 1", 200, 56},
      {"hot_office_luna", "set Appearance = 4\nset Color = 2\nset LunaColors = True\nset CurrentTab = 1\nshow\nhover 0", 200, 56},
      {"hot_office_right_of_selected", "set Appearance = 4\nset Color = 2\nshow\nhover 1", 200, 56},
      {"hot_office_luna_right_of_selected", "set Appearance = 4\nset Color = 2\nset LunaColors = True\nshow\nhover 1", 200, 56},
      {"hot_visio_bottom_bar", "set Appearance = 6\nset Color = 2\nshow\nhover 2", 200, 150},
      {"hot_scroll_button_themed", "theme NormalColor\nset Tabs = 8\nset Appearance = 13\nshow\nhover 190 10", 200, 56},
      // The property page's tabs on the example form, an entry chosen in each list,
      // and the form's contained controls in the classic look.
      {"order_form_classic", "design\nform examples/order_form.frm"},
  };
  cases.insert(cases.end(), more.begin(), more.end());
  for (const char* tab : {"General", "Extended", "Preview", "About", "Controls"}) {
    cases.push_back({std::string("page_") + tab,
                     "design\nform examples/order_form.frm\npage open\npage choose \"Boolean Properties\" \"Hot Tracking\"\n"
                     "page choose \"Contained Controls in Tab\" \"txtName\"\npage png " + std::string(tab)});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(golden, render_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
