#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/headless/image_io.h"

namespace folivan::testing {
namespace fs = std::filesystem;
namespace {

// The build tree: the nearest directory above the test program that holds a
// CMakeCache.txt; the working directory when there is none.
fs::path BuildDirectory() {
  std::error_code ec;
  fs::path dir = fs::read_symlink("/proc/self/exe", ec).parent_path();
  for (; !ec && !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
    if (fs::exists(dir / "CMakeCache.txt")) return dir;
  }
  return fs::current_path();
}

PixelImage DiffImage(const PixelImage& actual, const PixelImage& golden) {
  PixelImage diff(actual.width(), actual.height(), 0);
  for (int32_t y = 0; y < actual.height(); ++y) {
    for (int32_t x = 0; x < actual.width(); ++x) {
      const RgbColor a = actual.At(x, y);
      const RgbColor g = golden.At(x, y);
      if (a != g) {
        diff.Set(x, y, Rgb(255, 0, 0));
      } else {
        diff.Set(x, y, Rgb(RedOf(a) / 3, GreenOf(a) / 3, BlueOf(a) / 3));
      }
    }
  }
  return diff;
}

}  // namespace

std::string GoldenPath(const std::string& name) {
  return (fs::path(FOLIVAN_SOURCE_DIR) / "tests" / "golden" / (name + ".png")).string();
}

std::string GoldenDiffDirectory() {
  if (const char* dir = std::getenv("FOLIVAN_GOLDEN_DIFF_DIR"); dir && *dir) return dir;
  return (BuildDirectory() / "golden-diff").string();
}

::testing::AssertionResult MatchesGolden(const PixelImage& image, const std::string& name) {
  const std::string golden_path = GoldenPath(name);
  const char* update = std::getenv("FOLIVAN_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    fs::create_directories(fs::path(golden_path).parent_path());
    WritePng(image, golden_path);
    return ::testing::AssertionSuccess() << "wrote " << golden_path;
  }

  const fs::path diff_dir = GoldenDiffDirectory();
  const std::string actual_path = (diff_dir / (name + ".actual.png")).string();
  auto write_actual = [&] {
    fs::create_directories(fs::path(actual_path).parent_path());
    WritePng(image, actual_path);
  };

  if (!fs::exists(golden_path)) {
    write_actual();
    return ::testing::AssertionFailure() << "no golden image " << golden_path << " (rendered image: " << actual_path
                                         << "); create it with FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build";
  }
  PixelImage golden = ReadPng(golden_path);
  for (int32_t y = 0; y < golden.height(); ++y) {
    for (int32_t x = 0; x < golden.width(); ++x) golden.Ref(x, y) &= 0x00FFFFFFu;  // alpha is not compared
  }
  if (golden.width() != image.width() || golden.height() != image.height()) {
    write_actual();
    return ::testing::AssertionFailure() << name << ": size " << image.width() << "x" << image.height()
                                         << " differs from the golden " << golden.width() << "x" << golden.height()
                                         << " (rendered image: " << actual_path << ")";
  }
  int64_t differing = 0;
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) differing += image.At(x, y) != golden.At(x, y) ? 1 : 0;
  }
  if (differing == 0) return ::testing::AssertionSuccess();

  write_actual();
  const std::string diff_path = (diff_dir / (name + ".diff.png")).string();
  WritePng(DiffImage(image, golden), diff_path);
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ from " << golden_path
                                       << " (rendered: " << actual_path << ", differences: " << diff_path << ")";
}

}  // namespace folivan::testing
