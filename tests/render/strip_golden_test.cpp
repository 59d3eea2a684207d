// The tab strips of the styles other than Windows XP against golden images
// (tests/golden/render/strip_*.png), one per style and colour variant: the
// Office colours with the Luna scheme, the Visual Studio colours, NoteOne
// colours, and a selected tab that is not the first. Regenerate with
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/control_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

struct StripCase {
  std::string name;
  int32_t appearance;
  std::function<void(FolivanTab&)> setup;
  friend void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }
};

class StripGoldenTest : public RenderTest, public ::testing::WithParamInterface<StripCase> {
 protected:
  StripGoldenTest() : RenderTest(200, 56) {}
};
// Named for the test runner's filters (ctest -R render).
using render_strip_golden = StripGoldenTest;

TEST_P(render_strip_golden, MatchesGolden) {
  control.SetAppearance(GetParam().appearance);
  GetParam().setup(control);
  Paint();
  EXPECT_TRUE(MatchesGolden(Image(), "render/strip_" + GetParam().name));
}

std::vector<StripCase> Cases() {
  const std::vector<std::pair<std::string, int32_t>> styles = {
      {"property_page", 2}, {"visual_studio", 3}, {"office", 4}, {"property_page_selected", 5},
      {"state_buttons", 7}, {"flat", 8},          {"sstab", 9},  {"excel", 10},
      {"rounded", 11}};
  std::vector<StripCase> cases;
  for (const auto& [style, appearance] : styles) {
    cases.push_back({style + "_luna", appearance, [](FolivanTab& c) {
                       c.SetColor(2);
                       c.SetLunaColors(true);
                     }});
    cases.push_back({style + "_vs_colors", appearance, [](FolivanTab& c) { c.SetColor(3); }});
    cases.push_back({style + "_note_one", appearance, [](FolivanTab& c) {
                       c.SetNoteOneColors(true);
                       c.SetCurrentTab(1);
                     }});
  }
  cases.push_back({"office_colors_second_selected", 4, [](FolivanTab& c) {
                     c.SetColor(2);
                     c.SetCurrentTab(1);
                   }});
  cases.push_back({"property_page_second_selected", 2, [](FolivanTab& c) { c.SetCurrentTab(1); }});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(golden, render_strip_golden, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<StripCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan::testing
