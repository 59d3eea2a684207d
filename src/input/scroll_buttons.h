// The scroll buttons at the right end of an overflowing strip.
#pragma once

#include <cstdint>

namespace folivan {
class FolivanTab;

void DrawScrollButtons(FolivanTab& control);

// The mouse over the strip (Y above the client area) while the buttons show.
void ScrollButtonsMove(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
// A press, at the position of the last move; also the step of the auto-repeat.
void ScrollButtonsPress(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
// The repeat timer fired (`timer_id` as the window's "TimerID" property holds it).
void RepeatScrollButtonPress(FolivanTab& control, uint32_t timer_id);
// Clears the pressed state of both buttons (the mouse was released or left).
void ReleaseScrollButtons(FolivanTab& control);
}  // namespace folivan
