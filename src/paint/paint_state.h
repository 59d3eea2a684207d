// What the painting keeps in the control between a repaint and the next
// hit test: the resolved colours and the strip layout results that are not
// fields of the tab records.
#pragma once

#include <array>
#include <cstdint>

#include "platform/types.h"

namespace folivan {

// The ten colours of the control, resolved by every repaint.
struct ColorSet {
  RgbColor BorderColor = 0;
  RgbColor FaceTint = 0;
  RgbColor Face = 0;
  RgbColor Shadow = 0;
  RgbColor Light = 0;
  RgbColor DarkShadow = 0;
  RgbColor HighLight = 0;
  RgbColor WindowFrame = 0;
  RgbColor SelectionBack = 0;
  RgbColor SelectionText = 0;
};

struct PaintState {
  ColorSet colors;
  int32_t StripRight = 0;       // right edge of the last laid-out tab
  bool CanScrollLeft = false;   // which scroll button is active
  bool CanScrollRight = false;
  int16_t ScrollButtonWidth = 0;
  // The control has the keyboard focus: set by GotFocus and mouse presses,
  // cleared by LostFocus. The caption layer draws the focus rectangle only
  // while it is set.
  bool HasFocus = false;
  // The NoteOne tables, filled by the colour set while NoteOneColors is on.
  std::array<RgbColor, 8> NoteOneBase{};
  std::array<RgbColor, 8> NoteOneLight{};
};

}  // namespace folivan
