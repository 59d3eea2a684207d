// The picture layer: where the selected tab's picture goes in each style, the
// background picture, and the styles and states that draw none.
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/picture_file.h"
#include "support/control_fixture.h"

namespace folivan::testing {
namespace {

constexpr RgbColor kRed = Rgb(255, 0, 0);
constexpr RgbColor kBlue = Rgb(0, 0, 255);

PicturePtr SolidPicture(RgbColor color, int32_t side = 7) {
  return std::make_shared<ImagePicture>(PixelImage(side, side, static_cast<RgbColor>(0xFF000000u | color)));
}

// A picture whose painting fails.
class BrokenPicture : public Picture {
 public:
  intptr_t Handle() const override { throw std::runtime_error("no image"); }
  int32_t Width() const override { return 0; }
  int32_t Height() const override { return 0; }
};

class PictureLayerTest : public RenderTest {
 protected:
  Rect RedIn(int tab) {
    const TabRecord& t = Tab(tab);
    return InkBox(Image(), Rect{t.AL - 2, 0, t.AR + 3, S().StripH + 2}, kRed);
  }
};
// Named for the test runner's filters (ctest -R render).
using render_pictures = PictureLayerTest;

// The selected tab's picture (the golden images have pictures on unselected tabs):
// a square as high as the caption, left of it, raised by dy from CT.
struct PictureSpot {
  int32_t appearance;
  int32_t color;
  int32_t dy;
};

class PicturePlacementTest : public PictureLayerTest, public ::testing::WithParamInterface<PictureSpot> {};
// Named for the test runner's filters (ctest -R render).
using render_picture_placement = PicturePlacementTest;

TEST_P(render_picture_placement, FollowsTheStyle) {
  const PictureSpot p = GetParam();
  S().Appearance = p.appearance;
  S().Color = p.color;
  Tab(0).Pic = SolidPicture(kRed);
  Paint();
  const TabRecord& t = Tab(0);
  const int32_t th = 13;
  EXPECT_EQ(RedIn(0), (Rect{t.TAL - th - 5, t.TAT + p.dy, t.TAL - 5, t.TAT + p.dy + th}));
}

INSTANTIATE_TEST_SUITE_P(Appearances, render_picture_placement,
                         ::testing::Values(PictureSpot{2, 1, -2}, PictureSpot{13, 1, -2}, PictureSpot{5, 1, -2},
                                           PictureSpot{5, 3, 0}, PictureSpot{3, 1, 0}, PictureSpot{9, 1, -1},
                                           PictureSpot{11, 1, 0}));

TEST_F(render_pictures, BackgroundPictureFillsTheClientArea) {
  control.SetBackgroundPicture(SolidPicture(kBlue, 4));
  Paint();
  const int32_t H = S().StripH;
  EXPECT_EQ(InkBox(Image(), Rect{0, 0, 400, 300}, kBlue), (Rect{4, H + 4, 4 + 391, H + 4 + 300 - H - 9}));
}

TEST_F(render_pictures, VisioDrawsTheBackgroundButNoTabPictures) {
  control.SetBackgroundPicture(SolidPicture(kBlue, 4));
  Tab(1).Pic = SolidPicture(kRed);
  S().Appearance = 6;
  Paint();
  EXPECT_EQ(CountPixels(Image(), Rect{0, 0, 400, 300}, kRed), 0);
  EXPECT_GT(CountPixels(Image(), Rect{0, 0, 400, 300}, kBlue), 0);
}

TEST_F(render_pictures, APictureThatFailsIsSkipped) {
  Tab(0).Pic = std::make_shared<BrokenPicture>();
  Tab(2).Pic = SolidPicture(kRed);
  EXPECT_NO_THROW(Paint());
  EXPECT_FALSE(IsEmpty(RedIn(2)));
}

}  // namespace
}  // namespace folivan::testing
