// What the control does when its host resizes it: the Resize event, the
// proportional scaling of the contained controls (AutoResizeControls), the
// embedded window, filling the container (SpreadToContainer) and a repaint.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folivan {
class FolivanTab;

// The sizes recorded the first time the scaling runs; they stay the
// reference for the life of the control.
struct ResizeParent {
  std::string name;
  int32_t top = 0, left = 0, height = 0, width = 0;
  int32_t scale_height = 0, scale_width = 0;  // pixels
};

struct ResizeChild {
  std::string name;
  int32_t index = 0;
  std::string container;
  // For a line shape: Y1, x1, Y2, x2.
  int32_t top = 0, left = 0, height = 0, width = 0;
};

struct ResizeState {
  bool scaling = false;  // re-entry guard: a Move may resize the control again
  std::vector<ResizeParent> parents;
  std::vector<ResizeChild> children;
};

void HandleResize(FolivanTab& control);

// A left edge of a hidden control counts from where it stands when shown.
int32_t UnhideLeft(int32_t v);
}  // namespace folivan
