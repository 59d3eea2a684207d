// Standard controls in the classic look against Wine's user32 (theme off,
// Tahoma 8): tests/golden/gdi/classic_controls.png is what
// tests/wine/classic_controls_dump.cpp captured under Wine; the same layout
// drawn here must give the same pixels outside the text rectangles (Wine's
// FreeType text and ours may ink different pixels).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/classic_controls.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/image_io.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

struct Case {
  ClassicControl control;
  Rect text;  // left out of the comparison
};

ClassicControl Make(ClassicKind kind, Rect rect, std::string text) {
  ClassicControl c;
  c.kind = kind;
  c.rect = rect;
  c.text = std::move(text);
  return c;
}

// The layout of classic_controls_dump.cpp, in the same order.
std::vector<Case> Layout() {
  std::vector<Case> cases;
  cases.push_back({Make(ClassicKind::kLabel, {8, 8, 68, 21}, "Name:"), {8, 8, 68, 21}});
  cases.push_back({Make(ClassicKind::kTextBox, {80, 4, 180, 25}, "abc"), {82, 6, 178, 23}});
  cases.push_back({Make(ClassicKind::kButton, {190, 3, 265, 26}, "OK"), {193, 6, 262, 23}});
  ClassicControl check = Make(ClassicKind::kCheckBox, {8, 36, 88, 53}, "Check");
  check.checked = true;
  cases.push_back({check, {21, 36, 88, 53}});
  ClassicControl option = Make(ClassicKind::kOption, {100, 36, 180, 53}, "Option");
  option.checked = true;
  cases.push_back({option, {113, 36, 180, 53}});
  cases.push_back({Make(ClassicKind::kFrame, {8, 60, 128, 120}, "Frame"), {10, 60, 60, 74}});
  ClassicControl list = Make(ClassicKind::kList, {140, 60, 240, 120}, "");
  list.items = {"First", "Second"};
  list.selected = 1;
  cases.push_back({list, {142, 62, 238, 88}});
  cases.push_back({Make(ClassicKind::kCombo, {8, 130, 128, 151}, "Entry"), {10, 132, 108, 149}});
  ClassicControl picture = Make(ClassicKind::kPictureBox, {140, 130, 200, 170}, "");
  cases.push_back({picture, {0, 0, 0, 0}});
  return cases;
}

// The system colours Wine's program saw (COLOR_WINDOW, _WINDOWTEXT, _HIGHLIGHT,
// _BTNFACE, _BTNSHADOW, _GRAYTEXT, _BTNTEXT, _BTNHIGHLIGHT, _3DDKSHADOW, _3DLIGHT).
void UseWineColors(HeadlessSystem& system) {
  const std::pair<int, RgbColor> colors[] = {{5, Rgb(255, 255, 255)},  {8, Rgb(0, 0, 0)},
                                             {13, Rgb(0x30, 0x96, 0xfa)}, {14, Rgb(255, 255, 255)},
                                             {15, Rgb(0xf5, 0xf5, 0xf5)}, {16, Rgb(0xa6, 0xa6, 0xa6)},
                                             {17, Rgb(0xa6, 0xa6, 0xa6)}, {18, Rgb(0, 0, 0)},
                                             {20, Rgb(255, 255, 255)},   {21, Rgb(0x6a, 0x6a, 0x6a)},
                                             {22, Rgb(0xe3, 0xe3, 0xe3)}};
  for (const auto& [index, color] : colors) system.SetSysColor(index, color);
}

TEST(classic_controls, MatchWineOutsideTheirText) {
  const PixelImage wine = ReadPng(std::string(FOLIVAN_SOURCE_DIR) + "/tests/golden/gdi/classic_controls.png");
  ASSERT_EQ(wine.width(), 300);
  HeadlessSystem system;
  UseWineColors(system);
  const ClassicColors colors = ClassicColors::Of(system);
  PixelImage image(wine.width(), wine.height(), colors.face);
  const std::vector<Case> cases = Layout();
  for (const Case& c : cases) DrawClassicControl(image, c.control, colors);

  // Inside the controls, outside their text.
  const auto skip = [&](int32_t x, int32_t y) {
    for (const Case& c : cases) {
      if (c.control.rect.Contains(Point{x, y})) return c.text.Contains(Point{x, y});
    }
    return true;
  };
  EXPECT_TRUE(SameImage(image, wine, "classic_controls", GoldenDiffDirectory(), skip));
}

}  // namespace
}  // namespace folivan::testing
