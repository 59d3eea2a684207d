// The headless surface against GDI: every case of tests/support/drawing_list.h
// drawn here must give the same pixels as the Win32 surface gave under Wine.
//
// Reference images:
//  * with FOLIVAN_GDI_REFERENCE_DIR set, the images that pixels_dump.exe wrote
//    there (<case>.bmp and environment.txt); scripts/wine-tests.sh runs it so;
//  * otherwise the Wine images of the primitive cases committed under
//    tests/golden/gdi/ (<case>.png, environment.txt); the control cases need
//    Wine and are skipped.
// The control cases leave out the caption text: every rectangle given to
// DrawText and each tab's TAL/TAT/TAR/TAB rectangle, since Wine's FreeType
// text and ours may ink different pixels.
//
// A mismatch writes <build>/gdi-diff/<case>.actual.png (headless),
// <case>.expected.png (GDI) and <case>.diff.png (differing pixels red over a
// dimmed copy, left-out text rectangles dark blue) and reports the count, the
// bounding box and the first differing pixels.
//
// Regenerating tests/golden/gdi after a change of the drawing list (needs the
// cross build and Wine):
//   cmake --build build-win64 --target pixels_dump
//   (cd build-win64/bin && wine pixels_dump.exe 'Z:\<repo>\build-win64\pixels')
//   FOLIVAN_GDI_REFERENCE_DIR=$PWD/build-win64/pixels FOLIVAN_UPDATE_GDI_GOLDEN=1
//     build/tests/test_raster --gtest_filter='gdi_reference*'   (one command line)
// which copies Wine's primitive images (never the headless ones) into tests/golden/gdi.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/image_io.h"
#include "support/drawing_list.h"
#include "support/golden.h"

namespace folivan::drawing_list {
void PrintTo(const DrawingCase& c, std::ostream* os) { *os << c.name; }
}  // namespace folivan::drawing_list

namespace folivan {
namespace {
namespace fs = std::filesystem;
using drawing_list::CaseKind;
using drawing_list::DrawingCase;

// Where the reference images come from.
struct ReferenceSource {
  fs::path dir;
  bool from_wine = false;  // pixels_dump's folder, else the committed golden images
};

ReferenceSource Source() {
  if (const char* dir = std::getenv("FOLIVAN_GDI_REFERENCE_DIR"); dir && *dir) return {dir, true};
  return {fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / "gdi", false};
}

fs::path ReferencePath(const ReferenceSource& source, const std::string& name) {
  return source.dir / (name + (source.from_wine ? ".bmp" : ".png"));
}

// The system that Wine's program saw: its system colours, Windows version and theme state.
void ApplyEnvironment(const fs::path& file, HeadlessSystem& system) {
  std::ifstream in(file);
  ASSERT_TRUE(in) << "no " << file;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "syscolor") {
      int index = 0;
      RgbColor color = 0;
      words >> index >> color;
      if (index >= 0 && index < kSystemColorCount) system.SetSysColor(index, color);
    } else if (key == "version") {
      WindowsVersion v;
      words >> v.major >> v.minor >> v.build >> v.platform_id;
      system.SetVersion(v);
    } else if (key == "theme") {
      std::string rest;
      std::getline(words >> std::ws, rest);
      // The Windows program writes CR LF line ends.
      while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ')) rest.pop_back();
      if (rest == "none") {
        system.SetTheme(std::nullopt);
      } else {
        const size_t bar = rest.find('|');
        system.SetTheme(ThemeName{rest.substr(0, bar), bar == std::string::npos ? "" : rest.substr(bar + 1)});
      }
    }
  }
}

// The control's surface, keeping every rectangle that text was drawn in.
class TextRecordingSurface : public HostedSurface {
 public:
  using HostedSurface::HostedSurface;
  int32_t DrawText(std::string_view text, const Rect& rect, uint32_t flags) override {
    text_rects.push_back(rect);
    return HostedSurface::DrawText(text, rect, flags);
  }
  std::vector<Rect> text_rects;
};

struct Drawn {
  PixelImage image;
  std::vector<Rect> text_rects;  // left out of the comparison, with each tab's TAL, TAT, TAR, TAB
};

Drawn DrawHeadless(const DrawingCase& c, const fs::path& environment, bool themed = false) {
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  HeadlessSystem system;
  ApplyEnvironment(environment, system);
  TextRecordingSurface surface(system, c.width, c.height);
  HeadlessHost host(surface, system);
  FolivanTab control(host, system);
  control.InitProperties();
  surface.text_rects.clear();
  if (themed) {
    drawing_list::DrawThemedCase(c, surface, control);
  } else {
    drawing_list::DrawCase(c, surface, control);
  }
  Drawn drawn{surface.PersistentImage(), {}};
  if (c.kind == CaseKind::kControl) {
    drawn.text_rects = surface.text_rects;
    for (const TabRecord& t : control.State().tabs) drawn.text_rects.push_back(Rect{t.TAL, t.TAT, t.TAR, t.TAB});
  }
  return drawn;
}

// The rectangles are as DrawText was given them, right before left allowed.
bool InText(const std::vector<Rect>& rects, int32_t x, int32_t y) {
  return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) {
    const Rect n{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom)};
    return n.Contains(Point{x, y});
  });
}

// GDI's pixels, but where text is; a mismatch writes <build>/gdi-diff/<case>.*.png.
::testing::AssertionResult SamePixels(const DrawingCase& c, const Drawn& drawn, const PixelImage& reference,
                                      int tolerance = 0) {
  const fs::path out = fs::path(testing::GoldenDiffDirectory()).parent_path() / "gdi-diff";
  ::testing::AssertionResult same = testing::SameImage(
      drawn.image, reference, c.name, out.string(), [&](int32_t x, int32_t y) { return InText(drawn.text_rects, x, y); },
      tolerance);
  // scripts/wine-tests.sh shows the lines that say so.
  if (!same) return ::testing::AssertionFailure() << same.message() << " (the headless pixels differ from GDI)";
  return same;
}

// Adds GDI's text and caption rectangles of a control case (written by
// pixels_dump.exe next to its image) to the rectangles left out.
void LeaveOutGdiText(const DrawingCase& c, const fs::path& dir, Drawn& drawn) {
  if (c.kind != CaseKind::kControl) return;
  std::ifstream rects(dir / (c.name + ".txt"));
  std::string word;
  while (rects >> word) {
    Rect r;
    rects >> r.left >> r.top >> r.right >> r.bottom;
    drawn.text_rects.push_back(r);
    double width = 0;
    if (word == "tab") rects >> width;  // GDI's width of the caption
  }
}

class GdiReference : public ::testing::TestWithParam<DrawingCase> {};
// Named for the test runner's filters (ctest -R gdi_reference).
using gdi_reference = GdiReference;

TEST_P(gdi_reference, SamePixelsAsGdi) {
  const DrawingCase& c = GetParam();
  const ReferenceSource source = Source();
  const fs::path reference_path = ReferencePath(source, c.name);
  ASSERT_TRUE(fs::exists(reference_path)) << "no reference image " << reference_path;
  const PixelImage reference = ReadImageFile(reference_path.string());

  if (const char* update = std::getenv("FOLIVAN_UPDATE_GDI_GOLDEN");
      update && std::string(update) == "1" && source.from_wine && c.kind == CaseKind::kPrimitive) {
    const fs::path golden = fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / "gdi";
    fs::create_directories(golden);
    WritePng(reference, (golden / (c.name + ".png")).string());
    fs::copy_file(source.dir / "environment.txt", golden / "environment.txt",
                  fs::copy_options::overwrite_existing);
  }

  Drawn drawn = DrawHeadless(c, source.dir / "environment.txt");
  LeaveOutGdiText(c, source.dir, drawn);
  EXPECT_TRUE(SamePixels(c, drawn, reference));
}

// The whole control is compared with Wine's images only (scripts/wine-tests.sh):
// without them those cases are not registered at all.
std::vector<DrawingCase> CasesWithReference() {
  std::vector<DrawingCase> cases = drawing_list::DrawingCases();
  if (!Source().from_wine) std::erase_if(cases, [](const DrawingCase& c) { return c.kind == CaseKind::kControl; });
  return cases;
}

INSTANTIATE_TEST_SUITE_P(cases, gdi_reference, ::testing::ValuesIn(CasesWithReference()),
                         [](const ::testing::TestParamInfo<DrawingCase>& param) { return param.param.name; });

// The visual style's parts against Wine's uxtheme drawing Wine's "light" style:
// FOLIVAN_THEME_REFERENCE_DIR holds what `pixels_dump.exe DIR themed` wrote with
// the style on (scripts/wine-tests.sh). Wine stretches its bitmaps with
// halftoning, which leaves ramps of one or two levels along the pane's stretched
// edges; the rendition draws the edges flat, so a channel may differ by 2.
class ThemeReference : public ::testing::TestWithParam<DrawingCase> {};
using theme_reference = ThemeReference;

TEST_P(theme_reference, SamePixelsAsWineTheme) {
  const DrawingCase& c = GetParam();
  const char* dir = std::getenv("FOLIVAN_THEME_REFERENCE_DIR");
  const fs::path reference_path = fs::path(dir) / (c.name + ".bmp");
  ASSERT_TRUE(fs::exists(reference_path)) << "no reference image " << reference_path;
  Drawn drawn = DrawHeadless(c, fs::path(dir) / "environment.txt", true);
  LeaveOutGdiText(c, dir, drawn);
  constexpr int kHalftoneLevels = 2;
  EXPECT_TRUE(SamePixels(c, drawn, ReadImageFile(reference_path.string()), kHalftoneLevels));
}

// Registered only when scripts/wine-tests.sh gives Wine's images.
std::vector<DrawingCase> ThemedCasesWithReference() {
  const char* dir = std::getenv("FOLIVAN_THEME_REFERENCE_DIR");
  if (dir == nullptr || *dir == 0) return {};
  return drawing_list::ThemedCases();
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(theme_reference);
INSTANTIATE_TEST_SUITE_P(cases, theme_reference, ::testing::ValuesIn(ThemedCasesWithReference()),
                         [](const ::testing::TestParamInfo<DrawingCase>& param) { return param.param.name; });

}  // namespace
}  // namespace folivan
