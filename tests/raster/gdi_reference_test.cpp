// The headless surface against GDI: every case of tests/support/drawing_list.h
// drawn here must give the same pixels as the Win32 surface gave under Wine;
// and the classic look of the standard controls as Wine's user32 drew them.
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
#include "platform/headless/classic_controls.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/image_io.h"
#include "support/drawing_list.h"
#include "support/golden.h"
#include "support/recording_surface.h"

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

ReferenceSource Source(bool themed) {
  const char* dir = std::getenv(themed ? "FOLIVAN_THEME_REFERENCE_DIR" : "FOLIVAN_GDI_REFERENCE_DIR");
  if (dir && *dir) return {dir, true};
  return {fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / "gdi", false};
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

struct Drawn {
  PixelImage image;
  std::vector<Rect> text_rects;  // left out of the comparison, with each tab's TAL, TAT, TAR, TAB
};

Drawn DrawHeadless(const DrawingCase& c, const fs::path& environment, bool themed) {
  SharedThemePalette() = ThemePalette{};
  SharedPlatformFlags() = PlatformFlags{};
  HeadlessSystem system;
  ApplyEnvironment(environment, system);
  HostedSurface image(system, c.width, c.height);
  testing::RecordingSurface surface(image);  // keeps every rectangle that text was drawn in
  HeadlessHost host(surface, system);
  FolivanTab control(host, system);
  control.InitProperties();
  surface.text_rects.clear();
  (themed ? drawing_list::DrawThemedCase : drawing_list::DrawCase)(c, surface, control);
  Drawn drawn{image.PersistentImage(), {}};
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

// A case of the drawing list, drawn without or with the visual style.
struct ReferenceCase {
  DrawingCase c;
  bool themed = false;
  friend void PrintTo(const ReferenceCase& r, std::ostream* os) { *os << r.c.name; }
};

class WinePixels : public ::testing::TestWithParam<ReferenceCase> {};
using wine_pixels = WinePixels;

// Without the style against GDI; with it, against Wine's uxtheme drawing Wine's
// "light" style: FOLIVAN_THEME_REFERENCE_DIR holds what `pixels_dump.exe DIR
// themed` wrote with the style on (scripts/wine-tests.sh). Wine stretches its
// bitmaps with halftoning, which leaves ramps of one or two levels along the
// pane's stretched edges; the rendition draws the edges flat, so a channel may
// then differ by 2.
TEST_P(wine_pixels, SamePixels) {
  const DrawingCase& c = GetParam().c;
  const bool themed = GetParam().themed;
  const ReferenceSource source = Source(themed);
  const fs::path reference_path = source.dir / (c.name + (source.from_wine ? ".bmp" : ".png"));
  ASSERT_TRUE(fs::exists(reference_path)) << "no reference image " << reference_path;
  const PixelImage reference = ReadImageFile(reference_path.string());

  if (const char* update = std::getenv("FOLIVAN_UPDATE_GDI_GOLDEN");
      update && std::string(update) == "1" && !themed && source.from_wine && c.kind == CaseKind::kPrimitive) {
    const fs::path golden = fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / "gdi";
    fs::create_directories(golden);
    WritePng(reference, (golden / (c.name + ".png")).string());
    fs::copy_file(source.dir / "environment.txt", golden / "environment.txt",
                  fs::copy_options::overwrite_existing);
  }

  Drawn drawn = DrawHeadless(c, source.dir / "environment.txt", themed);
  LeaveOutGdiText(c, source.dir, drawn);
  // GDI's pixels, but where text is; a mismatch writes <build>/gdi-diff/<case>.*.png.
  const fs::path out = fs::path(testing::GoldenDiffDirectory()).parent_path() / "gdi-diff";
  const auto in_text = [&](int32_t x, int32_t y) { return InText(drawn.text_rects, x, y); };
  constexpr int kHalftoneLevels = 2;
  const auto same =
      testing::SameImage(drawn.image, reference, c.name, out.string(), in_text, themed ? kHalftoneLevels : 0);
  // scripts/wine-tests.sh shows the lines that say so.
  if (!same) ADD_FAILURE() << same.message() << " (the headless pixels differ from GDI)";
}

// The whole control is compared with Wine's images only (scripts/wine-tests.sh):
// without them those cases are not registered at all, nor the themed ones.
std::vector<ReferenceCase> CasesWithReference(bool themed) {
  const bool wine = Source(themed).from_wine;
  std::vector<ReferenceCase> cases;
  if (themed && !wine) return cases;
  for (const DrawingCase& c : themed ? drawing_list::ThemedCases() : drawing_list::DrawingCases()) {
    if (wine || c.kind != CaseKind::kControl) cases.push_back({c, themed});
  }
  return cases;
}

std::string NameOf(const ::testing::TestParamInfo<ReferenceCase>& param) { return param.param.c.name; }

// Named for the test runner's filters (ctest -R gdi_reference, theme_reference).
INSTANTIATE_TEST_SUITE_P(gdi_reference, wine_pixels, ::testing::ValuesIn(CasesWithReference(false)), NameOf);
INSTANTIATE_TEST_SUITE_P(theme_reference, wine_pixels, ::testing::ValuesIn(CasesWithReference(true)), NameOf);

// Standard controls in the classic look against Wine's user32 (theme off,
// Tahoma 8): tests/golden/gdi/classic_controls.png is what
// tests/wine/classic_controls_dump.cpp captured under Wine, with the system
// colours of environment.txt; the same layout drawn here must give the same
// pixels outside the text rectangles.
struct ClassicCase {
  ClassicControl control;
  Rect text;  // left out of the comparison
};

ClassicCase Classic(ClassicKind kind, Rect rect, std::string text, Rect text_rect, bool checked = false) {
  ClassicControl c;
  c.kind = kind;
  c.rect = rect;
  c.text = std::move(text);
  c.checked = checked;
  return {c, text_rect};
}

TEST(classic_controls, MatchWineOutsideTheirText) {
  const fs::path dir = fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / "gdi";
  const PixelImage wine = ReadPng((dir / "classic_controls.png").string());
  ASSERT_EQ(wine.width(), 300);
  HeadlessSystem system;
  ApplyEnvironment(dir / "environment.txt", system);
  const ClassicColors colors = ClassicColors::Of(system);
  // The layout of classic_controls_dump.cpp, in the same order.
  std::vector<ClassicCase> cases = {
      Classic(ClassicKind::kLabel, {8, 8, 68, 21}, "Name:", {8, 8, 68, 21}),
      Classic(ClassicKind::kTextBox, {80, 4, 180, 25}, "abc", {82, 6, 178, 23}),
      Classic(ClassicKind::kButton, {190, 3, 265, 26}, "OK", {193, 6, 262, 23}),
      Classic(ClassicKind::kCheckBox, {8, 36, 88, 53}, "Check", {21, 36, 88, 53}, true),
      Classic(ClassicKind::kOption, {100, 36, 180, 53}, "Option", {113, 36, 180, 53}, true),
      Classic(ClassicKind::kFrame, {8, 60, 128, 120}, "Frame", {10, 60, 60, 74}),
      Classic(ClassicKind::kList, {140, 60, 240, 120}, "", {142, 62, 238, 88}),
      Classic(ClassicKind::kCombo, {8, 130, 128, 151}, "Entry", {10, 132, 108, 149}),
      Classic(ClassicKind::kPictureBox, {140, 130, 200, 170}, "", {0, 0, 0, 0})};
  cases[6].control.items = {"First", "Second"};
  cases[6].control.selected = 1;
  PixelImage image(wine.width(), wine.height(), colors.face);
  for (const ClassicCase& c : cases) DrawClassicControl(image, c.control, colors);

  // Inside the controls, outside their text.
  const auto skip = [&](int32_t x, int32_t y) {
    for (const ClassicCase& c : cases) {
      if (c.control.rect.Contains(Point{x, y})) return c.text.Contains(Point{x, y});
    }
    return true;
  };
  EXPECT_TRUE(testing::SameImage(image, wine, "classic_controls", testing::GoldenDiffDirectory(), skip));
}

}  // namespace
}  // namespace folivan
