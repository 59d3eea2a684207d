// Pictures loaded from PNG and BMP files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"

namespace folivan {
namespace {

namespace fs = std::filesystem;

class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("folivan_pictures_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  fs::path dir_;
};

void PutLe(std::vector<uint8_t>& v, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) v[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// A BITMAPFILEHEADER + BITMAPINFOHEADER bitmap with the given rows (as stored) and palette.
std::vector<uint8_t> Bmp(int32_t width, int32_t height, uint16_t bpp, const std::vector<uint8_t>& palette,
                         const std::vector<uint8_t>& rows) {
  std::vector<uint8_t> v(54 + palette.size() + rows.size(), 0);
  v[0] = 'B';
  v[1] = 'M';
  PutLe(v, 2, static_cast<uint32_t>(v.size()), 4);
  PutLe(v, 10, static_cast<uint32_t>(54 + palette.size()), 4);
  PutLe(v, 14, 40, 4);
  PutLe(v, 18, static_cast<uint32_t>(width), 4);
  PutLe(v, 22, static_cast<uint32_t>(height), 4);
  PutLe(v, 26, 1, 2);
  PutLe(v, 28, bpp, 2);
  std::copy(palette.begin(), palette.end(), v.begin() + 54);
  std::copy(rows.begin(), rows.end(), v.begin() + 54 + static_cast<ptrdiff_t>(palette.size()));
  return v;
}

// The pixels of a loaded picture, row by row, without their alpha.
std::vector<RgbColor> Pixels(const PicturePtr& picture) {
  std::vector<RgbColor> out;
  for (uint32_t p : dynamic_cast<const ImagePicture&>(*picture).image().pixels()) out.push_back(static_cast<RgbColor>(p & 0xFFFFFFu));
  return out;
}

// A PNG's pixels are in the golden images that load tests/render/checker.png,
// its source in the play scenario form_pictures; each load has a handle of its own.
TEST_F(PictureFiles, EachPngLoadGetsAHandleOfItsOwn) {
  const std::string path = (dir_ / "p.png").string();
  WritePng(PixelImage(3, 2, Rgb(1, 2, 3)), path);
  EXPECT_NE(LoadPictureFile(path)->Handle(), LoadPictureFile(path)->Handle());
}

TEST_F(PictureFiles, BmpRowOrderDepthsAndPalettes) {
  // 24 bits, 2 x 2, rows stored bottom first, each padded to 8 bytes; BGR order.
  const std::vector<uint8_t> rows = {
      0, 0, 255, 0, 255, 0, 0, 0,   // bottom row: red, green
      255, 0, 0, 10, 20, 30, 0, 0,  // top row: blue, RGB(30,20,10)
  };
  EXPECT_EQ(Pixels(LoadPictureFile(Write("a.bmp", Bmp(2, 2, 24, {}, rows)))),
            (std::vector<RgbColor>{Rgb(0, 0, 255), Rgb(30, 20, 10), Rgb(255, 0, 0), Rgb(0, 255, 0)}));

  // 1 bit per pixel, 3 x 1, palette black / white: pixels 1 0 1.
  EXPECT_EQ(Pixels(LoadPictureFile(Write("m.bmp", Bmp(3, 1, 1, {0, 0, 0, 0, 255, 255, 255, 0}, {0b10100000, 0, 0, 0})))),
            (std::vector<RgbColor>{Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(255, 255, 255)}));

  // 8 bits per pixel, top-down (negative height), 1 x 2.
  std::vector<uint8_t> palette(256 * 4, 0);
  palette[4 * 7 + 2] = 200;  // index 7: red 200
  palette[4 * 9 + 0] = 100;  // index 9: blue 100
  EXPECT_EQ(Pixels(LoadPictureFile(Write("t.bmp", Bmp(1, -2, 8, palette, {7, 0, 0, 0, 9, 0, 0, 0})))),
            (std::vector<RgbColor>{Rgb(200, 0, 0), Rgb(0, 0, 100)}));
}

TEST_F(PictureFiles, FailuresNameTheFile) {
  const std::string missing = (dir_ / "nothing-here.png").string();
  try {
    LoadPictureFile(missing);
    FAIL() << "no error for a missing file";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("nothing-here.png"), std::string::npos) << e.what();
  }
  EXPECT_THROW(LoadPictureFile(Write("junk.png", {'h', 'e', 'l', 'l', 'o', '!', '!', '!'})), ImageFileError);
  EXPECT_THROW(LoadPictureFile(Write("short.bmp", {'B', 'M', 0, 0})), ImageFileError);
  auto rle = Bmp(1, 1, 8, std::vector<uint8_t>(1024, 0), {0, 0, 0, 0});
  PutLe(rle, 30, 1, 4);  // BI_RLE8
  EXPECT_THROW(LoadPictureFile(Write("rle.bmp", rle)), ImageFileError);
  std::vector<uint8_t> truncated_png;
  {
    PixelImage image(20, 20, Rgb(5, 5, 5));
    WritePng(image, (dir_ / "whole.png").string());
    std::ifstream in(dir_ / "whole.png", std::ios::binary);
    truncated_png.assign(std::istreambuf_iterator<char>(in), {});
    truncated_png.resize(truncated_png.size() / 2);
  }
  EXPECT_THROW(LoadPictureFile(Write("half.png", truncated_png)), ImageFileError);
}

}  // namespace
}  // namespace folivan
