// The Wizard page's own button pictures and their bitmap copies. (Which buttons
// a page shows, the page counter and the design-time common-area box are in the
// golden images wizard_* and common_area_* of golden_test.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/headless/image_io.h"
#include "platform/headless/resource_pictures.h"

namespace folivan::testing {
namespace {

RgbColor Opaque(RgbColor c) { return c & 0xFFFFFF; }

TEST(render_wizard_pictures, SixOf20By20In24BitsWithTheirBitmapCopies) {
  for (int16_t n = 1; n <= 6; ++n) {
    const std::string base = WizardPictureDirectory() + "/" + std::to_string(n);
    const PicturePtr picture = LoadHeadlessResourcePicture(n);
    ASSERT_TRUE(picture) << n;  // how it is drawn: the golden images wizard_*
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

}  // namespace
}  // namespace folivan::testing
