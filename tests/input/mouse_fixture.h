// The input fixture with a press where the cursor is, as tests/tooltip uses it.
#pragma once

#include "input_fixture.h"

namespace folivan {

class MouseFixture : public InputFixture {
 protected:
  using InputFixture::InputFixture;
  // A left press and release where the cursor is.
  void Press() {
    const Point p = system.GetCursorPos();
    control.MouseDown(1, 0, static_cast<float>(p.x), static_cast<float>(p.y));
    control.MouseUp(1, 0, static_cast<float>(p.x), static_cast<float>(p.y));
  }
};

}  // namespace folivan
