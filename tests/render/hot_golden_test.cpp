// The hot look of each style with one against golden images
// (tests/golden/render/hot_*.png): the window image while the mouse is over a
// tab, captions in navy. Regenerate with
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hot_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

struct HotCase {
  std::string name;
  int32_t appearance;
  int16_t hot_tab;
  std::function<void(FolivanTab&)> setup;
  int32_t height = 56;
  friend void PrintTo(const HotCase& c, std::ostream* os) { *os << c.name; }
};

class HotGoldenTest : public HotTest, public ::testing::WithParamInterface<HotCase> {
 protected:
  HotGoldenTest() : HotTest(200, GetParam().height) {}
};
// Named for the test runner's filters (ctest -R render).
using render_hot_golden = HotGoldenTest;

TEST_P(render_hot_golden, MatchesGolden) {
  control.SetAppearance(GetParam().appearance);
  GetParam().setup(control);
  Show();
  Hot(GetParam().hot_tab);
  EXPECT_TRUE(MatchesGolden(Screen(), "render/hot_" + GetParam().name));
}

void OfficeColors(FolivanTab& c) { c.SetColor(2); }

std::vector<HotCase> Cases() {
  return {
      {"xp", 1, 1, [](FolivanTab&) {}},
      {"xp_vs_colors_left_of_selected", 1, 0, [](FolivanTab& c) {
         c.SetColor(3);
         c.SetCurrentTab(1);
       }},
      {"xp_selected", 1, 0, [](FolivanTab&) {}},
      {"property_page", 2, 1, OfficeColors},
      {"visual_studio", 3, 1, [](FolivanTab&) {}},
      {"office", 4, 0, [](FolivanTab& c) {
         c.SetColor(2);
         c.SetCurrentTab(1);
       }},
      {"visio", 6, 1, OfficeColors, 150},
      {"state_buttons", 7, 2, [](FolivanTab&) {}},
      {"flat", 8, 1, [](FolivanTab& c) {
         c.SetColor(2);
         c.SetLunaColors(true);
       }},
      {"rounded", 11, 2, OfficeColors},
  };
}

INSTANTIATE_TEST_SUITE_P(golden, render_hot_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HotCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
