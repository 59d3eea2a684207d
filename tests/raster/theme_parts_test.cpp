// The headless visual style: which parts, states and sizes it draws. A part it
// does not have fails and leaves the surface as it was, so that the control
// draws its classic look; a part that succeeds has drawn. (How the parts look
// is compared with Wine's uxtheme by the theme_reference cases of
// gdi_reference_test.cpp. That nothing opens without a style is in the golden
// images of the System style without one; that ExplorerBar opens, in
// colors_test's scheme detection. Class names are matched in any case, and a
// list takes the class it names that the style has.)
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {
namespace {

struct PartCase {
  std::string theme_class;
  int part;
  int state;
  int32_t width;
  int32_t height;
  bool drawn;
  friend void PrintTo(const PartCase& c, std::ostream* os) {
    *os << c.theme_class << " part " << c.part << " state " << c.state << " " << c.width << "x" << c.height;
  }
};

class ThemePartsTest : public ::testing::TestWithParam<PartCase> {
 protected:
  ThemePartsTest() { system.SetTheme(ThemeName{"Luna.msstyles", "NormalColor"}); }
  HeadlessSystem system;
  HostedSurface surface{system, 80, 60};
};
using theme_part_drawing = ThemePartsTest;

TEST_P(theme_part_drawing, DrawsExactlyThePartsItHas) {
  const PartCase& c = GetParam();
  surface.FillRect(Rect{0, 0, 80, 60}, Rgb(40, 60, 80));
  const PixelImage before = surface.PersistentImage();
  const ThemeHandle theme = system.OpenThemeData(surface.Hwnd(), c.theme_class);
  ASSERT_NE(theme, 0);
  EXPECT_EQ(system.DrawThemeBackground(theme, surface.Hdc(), c.part, c.state, Rect{4, 4, 4 + c.width, 4 + c.height}),
            c.drawn);
  EXPECT_EQ(!(surface.PersistentImage() == before), c.drawn);
  system.CloseThemeData(theme);
}

INSTANTIATE_TEST_SUITE_P(
    parts, theme_part_drawing,
    ::testing::Values(PartCase{"TAB", 1, 1, 40, 19, true}, PartCase{"Tab", 1, 5, 40, 12, true},
                      PartCase{"TAB", 1, 6, 40, 19, false},   // no such tab item state
                      PartCase{"TAB", 1, 1, 40, 11, false},   // lower than the item's rounded top and its base
                      PartCase{"TAB", 9, 1, 60, 40, true}, PartCase{"TAB", 9, 2, 60, 40, false},
                      PartCase{"TAB", 10, 1, 60, 40, false},  // TABP_BODY is not drawn
                      PartCase{"SCROLLBAR", 1, 9, 16, 16, true}, PartCase{"Window;ScrollBar", 1, 16, 20, 20, true},
                      PartCase{"SCROLLBAR", 1, 13, 21, 21, false},  // the next glyph size is not drawn
                      PartCase{"SCROLLBAR", 1, 13, 15, 15, false},
                      PartCase{"SCROLLBAR", 1, 1, 17, 17, false},   // up arrow
                      PartCase{"SCROLLBAR", 2, 1, 40, 17, false},   // thumb
                      PartCase{"ExplorerBar", 1, 1, 40, 17, false}));

}  // namespace
}  // namespace folivan
