// The mouse: presses select tabs, moves track the hot tab and its tooltip, and
// a 50 ms hover timer notices when the cursor has left the control.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

// Shared by every control of the thread.
extern thread_local bool OverTab;         // the mouse is over a tab (or a wizard page button)
extern thread_local bool OverCurrentTab;  // ... and that tab is the current one
extern thread_local bool ButtonHeld;      // from a press to its release

constexpr uint32_t kHoverTimerId = 237;
constexpr uint32_t kHoverTimerMs = 50;
constexpr uint32_t kRepeatTimerId = 235;

// The host's notifications. MouseDown is also what a double click and, at
// design time, a mouse activation of the window run.
void HandleMouseDown(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
void HandleMouseMove(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
void HandleMouseUp(FolivanTab& control, int16_t button, int16_t shift, float x, float y);
void HandleClick(FolivanTab& control);
void HandleDblClick(FolivanTab& control);

// Finds the tab under (x, y) of a move, redraws the hot tab that changed and
// replaces the tooltip.
void TrackHotTab(FolivanTab& control, float x, float y);

// The window under the cursor is the control's own (a contained window counts as outside).
bool CursorOverControl(FolivanTab& control);

// The exit check of the hover timer.
void CheckMouseExit(FolivanTab& control, uint32_t timer_id);

// The timer procedure of the control's timers: finds the control through the
// window property "ClassID" and runs, by the identifier of the timer that
// fired, the exit check (237) or the scroll-button repeat (235).
void ControlTimerProc(WindowHandle hwnd, uint32_t id);

// Stores the control in the window properties "ClassID" and "TimerID" and
// starts timer `id` with ControlTimerProc (the hover timer, and the
// scroll-button repeat).
void StartControlTimer(FolivanTab& control, uint32_t id, uint32_t period_ms);

// Drops the tooltip of the hot tab (its window goes with it).
void ReleaseTip(FolivanTab& control);

}  // namespace folivan
