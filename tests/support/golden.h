// Image comparison for rendering tests.
//
// EXPECT_TRUE(MatchesGolden(image, "name")) compares the image with
// tests/golden/<name>.png. On a mismatch it writes
// <build>/golden-diff/<name>.actual.png, .expected.png and .diff.png (the
// differing pixels in red over a dimmed copy of the image) and fails with the
// number of differing pixels. To regenerate the golden files after an intended change:
//
//   FOLIVAN_UPDATE_GOLDEN=1 ctest --test-dir build
//
// (with that variable set to 1 the helper writes the golden file and passes).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/headless/raster.h"

namespace folivan::testing {

::testing::AssertionResult MatchesGolden(const PixelImage& image, const std::string& name);

// The same pixels (alpha aside, each channel within `tolerance` levels), but
// where `skip` says so (drawn dark blue in the difference image). A mismatch
// writes <dir>/<name>.actual.png, .expected.png and .diff.png and reports the
// count, the bounding box and the first differing pixels.
::testing::AssertionResult SameImage(const PixelImage& actual, const PixelImage& expected, const std::string& name,
                                     const std::string& dir, const std::function<bool(int32_t, int32_t)>& skip = {},
                                     int tolerance = 0);

// Where golden files live and where mismatches are written.
std::string GoldenPath(const std::string& name);
std::string GoldenDiffDirectory();

}  // namespace folivan::testing
