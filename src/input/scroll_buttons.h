// The scroll buttons at the right end of an overflowing strip: two squares of
// side StripH - 3, the left one bringing back a tab scrolled out at the left,
// the right one scrolling one more tab out. Held at run time, a button repeats
// after half a second and then every 75 ms.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

constexpr uint32_t kRepeatFirstMs = 500;
constexpr uint32_t kRepeatNextMs = 75;

// The two buttons' rectangles for a button side `w` on a surface `scale_width`
// pixels wide (right and bottom exclusive).
Rect LeftScrollButtonRect(double scale_width, int16_t w);
Rect RightScrollButtonRect(double scale_width, int16_t w);

// Both buttons in their normal (or, while a press is being processed, pressed)
// look; inactive ones only in the themed look. Writes ScrollButtonWidth.
// Nothing in the Visio and Wizard styles or while the strip fits.
void DrawScrollButtons(FolivanTab& control);

// Which buttons can act, from Hidd and the last laid-out tab, then the buttons
// drawn again (the keyboard's refresh; the repaint does the same).
void UpdateScrollButtonStates(FolivanTab& control);

// The mouse over the strip (Y above the client area) while the buttons show.
void ScrollButtonsMove(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
// A press, at the position of the last move; also the step of the auto-repeat.
void ScrollButtonsPress(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
// One step of the right (scroll on) or the left (scroll back) button,
// wherever the press comes from: the strip moved by one tab and the scroll
// events, or nothing when there is nothing to scroll that way.
void PressScrollButton(FolivanTab& control, bool right);
// The repeat timer (`timer_id`) fired.
void RepeatScrollButtonPress(FolivanTab& control, uint32_t timer_id);
// Clears the pressed state of both buttons (the mouse was released or left).
void ReleaseScrollButtons(FolivanTab& control);
}  // namespace folivan
