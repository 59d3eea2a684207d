// The body renderers: a golden image per style and colour mode, and the
// behaviours that a picture alone would not pin down. (That Property Page
// Selected draws the body its Color picks is in the golden images
// captions_appearance_5 and strip_property_page_selected_* of golden_test.)
#include <gtest/gtest.h>

#include <string>

#include "paint/bodies.h"
#include "paint/colors.h"
#include "support/control_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

constexpr int32_t kWidth = 160;
constexpr int32_t kHeight = 110;
constexpr int16_t kStripH = 20;

class BodiesTest : public ControlTest {
 protected:
  BodiesTest() : ControlTest(kWidth, kHeight) { S().StripH = kStripH; }

  // Colours, then the body alone, as a repaint does before it draws the tabs.
  const PixelImage& Draw() {
    DetectWindowsVersion(control);
    S().ThemeCode = DetectThemeColors(control, surface.Hwnd());
    BuildColorSet(control);
    DrawBody(control);
    return surface.PersistentImage();
  }
  void Style(int32_t appearance, int32_t color = 1, bool luna = false, bool note_one = false, bool plain = false) {
    S().Appearance = appearance;
    S().Color = color;
    S().LunaColors = luna;
    S().NoteOneColors = note_one;
    S().PlainTab = plain;
  }
};

struct GoldenCase {
  const char* name;
  int32_t appearance;
  int32_t color;
  bool luna;
  bool note_one;
  bool plain;
  int16_t current_tab;
  int16_t strip_h = kStripH;
};

class BodyGoldenTest : public BodiesTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(BodyGoldenTest, MatchesGolden) {
  const GoldenCase& c = GetParam();
  Style(c.appearance, c.color, c.luna, c.note_one, c.plain);
  S().CurrentTab = c.current_tab;
  S().StripH = c.strip_h;
  EXPECT_TRUE(MatchesGolden(Draw(), std::string("bodies/") + c.name));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, BodyGoldenTest,
    ::testing::Values(GoldenCase{"xp", 1, 1, false, false, false, 0},
                      // The shade starts at row 22 whatever the strip's height.
                      GoldenCase{"xp_strip_30", 1, 1, false, false, false, 0, 30},
                      GoldenCase{"xp_plain", 1, 1, false, false, true, 0},
                      GoldenCase{"property_page", 2, 1, false, false, false, 0},
                      GoldenCase{"property_page_luna", 2, 2, true, false, false, 0},
                      GoldenCase{"property_page_luna_plain", 2, 2, true, false, true, 0},
                      GoldenCase{"visual_studio", 3, 1, false, false, false, 0},
                      GoldenCase{"visual_studio_luna", 3, 2, true, false, false, 0},
                      GoldenCase{"visual_studio_luna_plain", 3, 2, true, false, true, 0},
                      GoldenCase{"office", 4, 1, false, false, false, 0},
                      GoldenCase{"office_luna", 4, 2, true, false, false, 0},
                      GoldenCase{"office_luna_plain", 4, 2, true, false, true, 0},
                      GoldenCase{"flat", 8, 2, true, true, false, 0},
                      GoldenCase{"sstab", 9, 1, false, false, false, 0},
                      GoldenCase{"excel", 10, 1, false, false, false, 0},
                      GoldenCase{"excel_vs_colors_luna", 10, 3, true, false, false, 0},  // Luna only with Color 2
                      GoldenCase{"excel_plain", 10, 1, false, false, true, 0},
                      GoldenCase{"excel_office", 10, 2, false, false, false, 0},
                      GoldenCase{"excel_luna", 10, 2, true, false, false, 0},
                      GoldenCase{"excel_note_one", 10, 1, false, true, false, 1},
                      GoldenCase{"excel_office_note_one", 10, 2, true, true, false, 2},
                      GoldenCase{"rounded", 11, 1, false, false, false, 0},
                      GoldenCase{"rounded_plain", 11, 1, false, false, true, 0},
                      GoldenCase{"rounded_luna", 11, 2, true, false, false, 0},
                      GoldenCase{"rounded_note_one", 11, 1, true, true, false, 1},
                      // No body: Property Page Selected with a Color outside 1..3, State Buttons, System.
                      GoldenCase{"property_page_selected_color_4", 5, 4, false, false, false, 0},
                      GoldenCase{"state_buttons", 7, 1, false, false, false, 0},
                      GoldenCase{"system", 13, 1, false, false, false, 0}),
    [](const ::testing::TestParamInfo<GoldenCase>& param_info) { return std::string(param_info.param.name); });

TEST_F(BodiesTest, ExcelAndRoundedWithNoteOneFollowTheCurrentTab) {
  for (int32_t appearance : {10, 11}) {
    // The NoteOne colours of the current tab are in the golden images; a colour of its own here.
    Style(appearance, 1, false, true);
    S().CurrentTab = 2;
    control.Record(2).ColEnd = Rgb(10, 20, 30);
    EXPECT_EQ(Draw().At(kWidth / 2, kHeight / 2), Rgb(10, 20, 30)) << appearance;
    S().CurrentTab = -1;  // the common area: the plain background stays
    const PixelImage& image = Draw();
    EXPECT_EQ(image.At(kWidth / 2, kHeight / 2), Colors().Face) << appearance;
    EXPECT_EQ(image.At(1, kStripH + 2), appearance == 10 ? Colors().Face : Rgb(255, 255, 255)) << appearance;
  }
}

TEST_F(BodiesTest, TheThemeSchemeColoursTheLunaBodies) {
  system.SetTheme(ThemeName{"Luna.msstyles", "Metallic"});
  Style(10, 2, true);
  EXPECT_EQ(Draw().At(0, kStripH + 1), Rgb(124, 124, 148));
}

}  // namespace
}  // namespace folivan::testing
