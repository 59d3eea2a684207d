// Whole repaints against golden images (tests/golden/render/*.png): a new
// control, the selected caption without bold, a picture on a tab, and the
// strip of each Appearance over its body, with a disabled tab and a picture.
// Regenerate with
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <string>

#include "platform/headless/picture_file.h"
#include "support/control_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

PicturePtr Checkerboard() {
  PixelImage image(16, 16, static_cast<RgbColor>(0xFF000000u));
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const bool dark = ((x / 4) + (y / 4)) % 2 == 0;
      image.Set(x, y, static_cast<RgbColor>(0xFF000000u | (dark ? Rgb(30, 90, 200) : Rgb(250, 210, 40))));
    }
  }
  return std::make_shared<ImagePicture>(std::move(image));
}

struct GoldenCase {
  std::string name;
  std::function<void(FolivanTab&)> setup;
  friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
};

class RenderGoldenTest : public RenderTest, public ::testing::WithParamInterface<GoldenCase> {
 protected:
  RenderGoldenTest() : RenderTest(240, 90) {}
};
// Named for the test runner's filters (ctest -R render).
using render_golden = RenderGoldenTest;

TEST_P(render_golden, MatchesGolden) {
  GetParam().setup(control);
  Paint();
  EXPECT_TRUE(MatchesGolden(Image(), "render/" + GetParam().name));
}

void NoChange(FolivanTab&) {}

std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases = {
      {"new_instance", NoChange},
      {"bold_off", [](FolivanTab& c) { c.SetBoldSelected(false); }},
      {"picture_on_tab",
       [](FolivanTab& c) {
         c.SetiTabPicture(0, Checkerboard());
         c.SetiTabPicture(2, Checkerboard());
       }},
      {"second_tab_selected_disabled_third",
       [](FolivanTab& c) {
         c.SetCurrentTab(1);
         c.SetiTabEnabled(2, false);
       }},
  };
  for (int32_t appearance : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13}) {
    cases.push_back({"captions_appearance_" + std::to_string(appearance), [appearance](FolivanTab& c) {
                       c.SetAppearance(appearance);
                       c.SetiTabEnabled(2, false);
                       c.SetiTabPicture(1, Checkerboard());
                     }});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(golden, render_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
