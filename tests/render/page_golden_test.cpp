// The property page's five tabs as a person sees them (opened on the example
// form's control, with an entry chosen in each list), and the example form's
// contained controls drawn in the classic look, against golden images.
#include <gtest/gtest.h>

#include <sstream>

#include "console.h"
#include "page_view.h"
#include "paint/colors.h"
#include "platform/headless/image_io.h"
#include "render_command.h"
#include "support/golden.h"

namespace folivan::testing {
namespace {

console::SessionOptions OrderForm() {
  console::SessionOptions options;
  options.design = true;
  options.form_path = std::string(FOLIVAN_SOURCE_DIR) + "/examples/order_form.frm";
  return options;
}

// The colour scheme and the flags shared by the thread's controls start afresh.
struct FreshPlatform {
  FreshPlatform() {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
  }
};

class PageGoldenTest : public ::testing::TestWithParam<const char*>, FreshPlatform {};
// Named for the test runner's filters (ctest -R render).
using render_page = PageGoldenTest;
class render_form : public ::testing::Test, FreshPlatform {};

TEST_P(render_page, MatchesGolden) {
  console::Session session(OrderForm());
  std::ostringstream out;
  console::PageView& view = session.Page(out);
  view.Open();
  Prvsvr& page = view.Page();
  page.Choose(*page.Find("Boolean Properties"), "Hot Tracking");
  page.Choose(*page.Find("Contained Controls in Tab"), "txtName");
  for (size_t i = 0; i < std::size(page_text::kTabs); ++i) {
    if (page_text::kTabs[i] == GetParam()) page.ShowTab(static_cast<int>(i));
  }
  EXPECT_TRUE(MatchesGolden(view.Render(), std::string("render/page_") + GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Tabs, render_page, ::testing::Values("General", "Extended", "Preview", "About", "Controls"));

TEST_F(render_form, ContainedControlsInTheClassicLook) {
  console::Session session(OrderForm());
  const std::string path = ::testing::TempDir() + "order_form_classic.png";
  console::RenderToPng(session, path, true);
  const PixelImage read = ReadPng(path);
  PixelImage image(read.width(), read.height());
  for (int32_t y = 0; y < read.height(); ++y) {
    for (int32_t x = 0; x < read.width(); ++x) image.Set(x, y, read.At(x, y) & 0xFFFFFF);
  }
  EXPECT_TRUE(MatchesGolden(image, "render/order_form_classic"));
}

}  // namespace
}  // namespace folivan::testing
