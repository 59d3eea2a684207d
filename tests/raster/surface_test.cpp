// The headless surface as the control sees it: AutoRedraw, scale, colours, host state.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/image_io.h"
#include "platform/headless/surface_headless.h"

namespace folivan {
namespace {

constexpr RgbColor kBtnFace = Rgb(236, 233, 216);
constexpr RgbColor kInk = Rgb(1, 2, 3);

// With AutoRedraw off the drawing goes to the window only (the hot looks of
// hot_rules_test), and a refresh shows the persistent image (every golden
// image is the window after a repaint and a refresh).
TEST(Surface, AutoRedrawChoosesThePersistentImageOrTheWindow) {
  HeadlessSurface s(20, 10);
  s.SetAutoRedraw(true);
  s.SetPixelV(3, 4, kInk);
  EXPECT_EQ(s.WindowImage().At(3, 4), kBtnFace) << "not shown before a refresh";
  s.SetAutoRedraw(false);
  s.Line(0, 8, 10, 8, Rgb(9, 9, 9));
  EXPECT_EQ(s.GetPixel(4, 8), Rgb(9, 9, 9)) << "GetPixel reads the image drawn to";
  s.SetAutoRedraw(true);
  EXPECT_EQ(s.GetPixel(4, 8), kBtnFace);
}

// Clearing with the face colour and with RGB back colours is in every golden
// image (the repaint and the bodies clear so), and that setting the colour
// erases nothing (the strip sets it as it draws).
TEST(Surface, ClsFillsTheTargetWithTheTranslatedBackColour) {
  HeadlessSurface s(8, 8);
  s.SetAutoRedraw(true);
  s.SetBackColor(SystemColor(5));  // COLOR_WINDOW
  s.Cls();
  EXPECT_EQ(s.GetPixel(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(s.WindowImage().At(0, 0), kBtnFace) << "Cls with AutoRedraw on clears the persistent image";
  s.SetBackColor(0x05000000u);  // does not translate: black, as GDI clears with CLR_INVALID
  s.Cls();
  EXPECT_EQ(s.GetPixel(2, 2), Rgb(0, 0, 0));
}

TEST(Surface, OutsidePixelsAreInvalid) {
  HeadlessSurface s(20, 10);
  EXPECT_EQ(s.GetPixel(-1, 0), -1);
  EXPECT_EQ(s.GetPixel(20, 0), -1);
  EXPECT_EQ(s.GetPixel(0, 10), -1);
  s.SetPixelV(20, 0, kInk);  // ignored
  EXPECT_EQ(s.GetPixel(19, 0), s.GetPixel(18, 0));
}

TEST(Surface, TranslatesSystemColoursOfTheBlueScheme) {
  EXPECT_EQ(DefaultTranslateColor(SystemColor(21)), Rgb(113, 111, 100));
  EXPECT_EQ(DefaultTranslateColor(0x02000000u | static_cast<OleColor>(Rgb(4, 5, 6))), Rgb(4, 5, 6));
  EXPECT_EQ(DefaultTranslateColor(SystemColor(25)), -1);
  EXPECT_EQ(DefaultTranslateColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
  EXPECT_EQ(DefaultTranslateColor(SystemColor(99)), -1);
  EXPECT_EQ(DefaultTranslateColor(0x05000000u), -1);

  HeadlessSurface custom(4, 4, [](OleColor c) { return c == SystemColor(15) ? Rgb(7, 7, 7) : 0; });
  EXPECT_EQ(custom.GetPixel(0, 0), Rgb(7, 7, 7));
}

TEST(Surface, ScaleModesAndConversions) {
  HeadlessSurface s(200, 100);
  EXPECT_DOUBLE_EQ(s.ScaleX(1, ScaleMode::kPixels, ScaleMode::kTwips), 15);
  EXPECT_DOUBLE_EQ(s.ScaleY(150, ScaleMode::kTwips, ScaleMode::kPixels), 10);
  EXPECT_DOUBLE_EQ(s.ScaleX(96, ScaleMode::kPixels, ScaleMode::kHimetric), 2540);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), 1500);
  s.SetScaleMode(ScaleMode::kPixels);  // the scale in pixels: the strip's width in every golden image
  EXPECT_DOUBLE_EQ(s.Width(), 3000) << "Width stays in twips";
}

// The sizes in pixels that twips give are every golden image's (the console
// sizes the surface in twips).
TEST(Surface, ResizingKeepsTheDrawing) {
  HeadlessSurface s(10, 10);
  s.SetAutoRedraw(true);
  s.SetPixelV(9, 9, kInk);
  s.SetWidth(300);   // 20 px
  s.SetHeight(75);   // 5 px
  s.SetHeight(150);
  EXPECT_EQ(s.GetPixel(9, 9), kBtnFace) << "cut off by the smaller height, then regrown";
  EXPECT_EQ(s.GetPixel(19, 9), kBtnFace);
  EXPECT_EQ(s.WindowImage().width(), 20);
}

// What the encoder writes is read back by every golden test (render writes
// through it); here, that a file is replaced whole and a missing folder fails.
TEST(Surface, SavePngWritesTheImageAtomically) {
  const auto dir = std::filesystem::temp_directory_path() / ("folivan_surface_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  HeadlessSurface s(30, 20);
  const std::string path = (dir / "window.png").string();
  s.SavePng(path);
  s.SavePng(path);  // replacing an existing file
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 1) << "no temporary file is left behind";
  EXPECT_THROW(s.SavePng((dir / "missing" / "x.png").string()), ImageFileError);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace folivan
