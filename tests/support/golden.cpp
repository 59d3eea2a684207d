#include "support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "platform/headless/image_io.h"

namespace folivan::testing {
namespace fs = std::filesystem;
namespace {

std::string Write(const PixelImage& image, const fs::path& dir, const std::string& file) {
  const fs::path path = dir / file;
  fs::create_directories(path.parent_path());
  WritePng(image, path.string());
  return path.string();
}

bool Near(RgbColor a, RgbColor b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

}  // namespace

std::string GoldenPath(const std::string& name) {
  return (fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / (name + ".png")).string();
}

std::string GoldenDiffDirectory() {
  if (const char* dir = std::getenv("FOLIVAN_GOLDEN_DIFF_DIR"); dir && *dir) return dir;
  return (fs::path(FOLIVAN_BUILD_DIR) / "golden-diff").string();
}

::testing::AssertionResult SameImage(const PixelImage& actual, const PixelImage& expected, const std::string& name,
                                     const std::string& dir, const std::function<bool(int32_t, int32_t)>& skip,
                                     int tolerance) {
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height()
                                         << " differs from the expected " << expected.width() << "x"
                                         << expected.height() << " (image: " << Write(actual, dir, name + ".actual.png")
                                         << ")";
  }
  PixelImage diff(actual.width(), actual.height(), 0);
  int64_t differing = 0;
  Rect box{actual.width(), actual.height(), -1, -1};
  std::ostringstream first;
  for (int32_t y = 0; y < actual.height(); ++y) {
    for (int32_t x = 0; x < actual.width(); ++x) {
      const RgbColor a = actual.At(x, y) & 0xFFFFFF;
      const RgbColor e = expected.At(x, y) & 0xFFFFFF;
      if (skip && skip(x, y)) {
        diff.Set(x, y, Rgb(0, 0, 90));
      } else if (Near(a, e, tolerance)) {
        diff.Set(x, y, Rgb(RedOf(a) / 3, GreenOf(a) / 3, BlueOf(a) / 3));
      } else {
        diff.Set(x, y, Rgb(255, 0, 0));
        if (differing++ < 12) {
          first << " (" << x << "," << y << ") " << std::hex << std::setfill('0') << std::setw(6) << a << " not "
                << std::setw(6) << e << std::dec << ";";
        }
        box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  Write(actual, dir, name + ".actual.png");
  Write(expected, dir, name + ".expected.png");
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ, within (" << box.left << ","
                                       << box.top << ")-(" << box.right << "," << box.bottom << "); first:"
                                       << first.str() << " difference: " << Write(diff, dir, name + ".diff.png");
}

::testing::AssertionResult MatchesGolden(const PixelImage& image, const std::string& name) {
  const std::string golden_path = GoldenPath(name);
  const char* update = std::getenv("FOLIVAN_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    fs::create_directories(fs::path(golden_path).parent_path());
    WritePng(image, golden_path);
    return ::testing::AssertionSuccess() << "wrote " << golden_path;
  }
  if (!fs::exists(golden_path)) {
    return ::testing::AssertionFailure() << "no golden image " << golden_path << " (rendered image: "
                                         << Write(image, GoldenDiffDirectory(), name + ".actual.png")
                                         << "); create it with FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build";
  }
  return SameImage(image, ReadPng(golden_path), name, GoldenDiffDirectory());
}

}  // namespace folivan::testing
