// The Wizard page and the design-time common-area box: which page buttons a
// repaint paints and where, when the box and the notice are drawn at all, the
// notice's word-wrapped rectangle, the control's own button pictures and their
// bitmap copies, and golden images of a run-time page, a designer page and the
// common-area notice.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "input/wizard_buttons.h"
#include "paint/colors.h"
#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"
#include "platform/headless/resource_pictures.h"
#include "support/control_fixture.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kBlack = Rgb(0, 0, 0);

RgbColor Opaque(RgbColor c) { return c & 0xFFFFFF; }

// Picture n is a solid square in a colour of its own: where each is painted shows.
RgbColor PictureColour(int16_t n) { return Rgb(200, 10 * n, 7); }

class WizardPageTest : public RenderTest {
 protected:
  WizardPageTest() {
    SetResourcePictureLoader([](FolivanTab&, int16_t n) {
      return std::make_shared<ImagePicture>(PixelImage(20, 20, static_cast<RgbColor>(0xFF000000u | PictureColour(n))));
    });
    S().Appearance = 12;
  }
  ~WizardPageTest() override { InstallHeadlessResourcePictures(); }

  Rect Where(int16_t n) { return InkBox(Image(), Rect{0, 0, 400, 300}, PictureColour(n)); }
};
// Named for the test runner's filters (ctest -R render).
using render_wizard = WizardPageTest;

TEST_F(render_wizard, PageButtonsOnlyWhereThereIsAPageToTurnTo) {
  const Rect next{378, 2, 398, 22};
  const Rect previous{2, 2, 22, 22};
  Paint();  // first of three pages
  EXPECT_EQ(Where(1), next);
  EXPECT_EQ(Where(4), Rect{});
  S().CurrentTab = 1;
  Paint();
  EXPECT_EQ(Where(1), next);
  EXPECT_EQ(Where(4), previous);
  S().CurrentTab = 2;
  Paint();
  EXPECT_EQ(Where(1), Rect{});
  EXPECT_EQ(Where(4), previous);
  for (int16_t n : {2, 3, 5, 6}) EXPECT_EQ(Where(n), Rect{}) << n;  // the normal looks only

  S().Tabs = 1;
  S().CurrentTab = 0;
  Paint();
  EXPECT_EQ(Where(1), Rect{});
  EXPECT_EQ(Where(4), Rect{});
  S().Tabs = 3;
  S().CurrentTab = -1;
  Paint();
  EXPECT_EQ(Where(1), Rect{});
  S().CurrentTab = 1;
  S().WizardPictures = false;
  Paint();
  EXPECT_EQ(Where(1), Rect{});
  EXPECT_EQ(Where(4), Rect{});
}

TEST_F(render_wizard, NoPageCounterWithoutWizardDetails) {
  S().WizardDetails = false;
  Paint();
  EXPECT_EQ(CountPixels(Image(), Rect{0, 0, 400, 300}, kBlack), 0);
}

// --- the common-area box ------------------------------------------------------------------------

class CommonAreaNoticeTest : public RenderTest {
 protected:
  CommonAreaNoticeTest() { host.SetUserMode(false); }
  const ThemePalette& Palette() { return SharedThemePalette(); }
};
using render_common_area = CommonAreaNoticeTest;

TEST_F(render_common_area, TheNoticeWrapsInsideTheCommonAreaAtEveryWidth) {
  control.SetCurrentTab(-1);
  // The text takes the colour last set (the last caption's, black here) and
  // stays inside a seventh of the width from each side, from 2 x StripH.
  const Rect text{400 / 7, 2 * S().StripH, 400 - 400 / 7, 290};
  const Rect ink = InkBox(Image(), Rect{1, S().StripH + 2, 379, 298}, kBlack);
  ASSERT_NE(ink, Rect{});
  EXPECT_GE(ink.left, text.left);
  EXPECT_LE(ink.right, text.right);
  EXPECT_GE(ink.top, text.top);
  const int32_t wide_lines = ink.Height();

  // Narrower, the sentences break into more lines.
  surface.ResizePixels(200, 300);
  control.Paint();
  const Rect narrow = InkBox(Image(), Rect{1, S().StripH + 2, 180, 298}, kBlack);
  EXPECT_GE(narrow.left, 200 / 7);
  EXPECT_LE(narrow.right, 200 - 200 / 7);
  EXPECT_GT(narrow.Height(), wide_lines);
}

TEST_F(render_common_area, NeitherAtRunTimeNorWithoutClientAreaNorInVisio) {
  const RgbColor border = Palette().LunaBorder;
  host.SetUserMode(true);
  control.SetCurrentTab(-1);
  EXPECT_NE(Px(381, 281), border);
  host.SetUserMode(false);
  control.SetAppearance(6);
  EXPECT_NE(Px(381, 281), border);
  EXPECT_NE(Px(385, 288), Palette().LunaDark);
  control.SetAppearance(1);
  S().ClientArea = false;
  Paint();
  EXPECT_EQ(CountPixels(Image(), Rect{0, 0, 400, surface.PixelHeight()}, Palette().LunaDark), 0);
}

// --- the control's own pictures ------------------------------------------------------------------

TEST(render_wizard_pictures, SixOf20By20In24BitsWithTheirBitmapCopies) {
  for (int16_t n = 1; n <= 6; ++n) {
    const std::string base = WizardPictureDirectory() + "/" + std::to_string(n);
    const PicturePtr picture = LoadHeadlessResourcePicture(n);
    ASSERT_TRUE(picture) << n;
    EXPECT_EQ(picture->Width(), 20);
    EXPECT_EQ(picture->Height(), 20);
    // The .ocx embeds the BMP copies: same pixels, 24 bits per pixel both.
    const PixelImage png = ReadPng(base + ".png");
    const PixelImage bmp = ReadBmp(base + ".bmp");
    for (int32_t y = 0; y < 20; ++y) {
      for (int32_t x = 0; x < 20; ++x) ASSERT_EQ(Opaque(png.At(x, y)), Opaque(bmp.At(x, y))) << n << " " << x << "," << y;
    }
    std::ifstream png_file(base + ".png", std::ios::binary), bmp_file(base + ".bmp", std::ios::binary);
    char header[30] = {};
    png_file.read(header, 26);
    EXPECT_EQ(header[24], 8);  // bit depth
    EXPECT_EQ(header[25], 2);  // RGB
    bmp_file.read(header, 30);
    EXPECT_EQ(header[28], 24);
  }
  EXPECT_FALSE(LoadHeadlessResourcePicture(0));
  EXPECT_FALSE(LoadHeadlessResourcePicture(7));
}

// --- golden images ------------------------------------------------------------------------------

class WizardGoldenTest : public ControlTest {
 protected:
  WizardGoldenTest() : ControlTest(200, 120) {}
};
using render_wizard_golden = WizardGoldenTest;

TEST_F(render_wizard_golden, RunTimeMiddlePage) {
  control.SetAppearance(12);
  control.SetCurrentTab(1);
  EXPECT_TRUE(MatchesGolden(Image(), "render/wizard_page"));
}

TEST_F(render_wizard_golden, DesignerLastPage) {
  host.SetUserMode(false);
  control.SetAppearance(12);
  control.SetCurrentTab(2);
  EXPECT_TRUE(MatchesGolden(Image(), "render/wizard_designer"));
}

TEST_F(render_wizard_golden, DesignerCommonAreaNotice) {
  host.SetUserMode(false);
  control.SetCurrentTab(-1);
  EXPECT_TRUE(MatchesGolden(Image(), "render/common_area_notice"));
}

}  // namespace
}  // namespace folivan::testing
