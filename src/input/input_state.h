// What one control remembers about the mouse between notifications: the hot
// tab of the last move, whether the cursor is known to be inside, where the
// last move was, a press waiting for a tab password, the tooltip of the hot
// tab, and the design-time subclass of its window.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/types.h"

namespace folivan {

class System;
class Tip;

// Ties the control's window to the system that owns it while the control's
// timers run, so that the module timer procedure, which gets only a window
// handle, can read the window properties. Forgets the tie when the control
// goes. Not copyable: there is one per control.
class TimerWindowLink {
 public:
  TimerWindowLink() = default;
  ~TimerWindowLink();
  TimerWindowLink(const TimerWindowLink&) = delete;
  TimerWindowLink& operator=(const TimerWindowLink&) = delete;

  void Link(WindowHandle hwnd, System& system);

 private:
  WindowHandle hwnd_ = 0;
  System* system_ = nullptr;
};

struct InputState {
  int16_t PreviousHotTab = -1;      // sHowerTab as it was when the present move began
  int16_t MouseInside = 0;          // 1 once a move has started the hover timer
  float LastMouseX = 0;             // position of the last move, pixels of the control
  float LastMouseY = 0;
  bool PasswordPrompting = false;   // a press is waiting for a tab password
  // The scroll buttons' pressed look, set only while a press on one of them
  // re-lays the control; and that re-layout itself, during which the resize
  // handling raises no Resize and leaves the contained controls alone.
  bool LeftPressed = false;
  bool RightPressed = false;
  bool Scrolling = false;
  std::shared_ptr<folivan::Tip> Tip;  // tooltip of the hot tab, or none

  // The design-time subclass: the window it was installed on and the window
  // procedure it replaced (0 while not subclassed). The flag itself is the
  // control's `Subclassed`.
  WindowHandle SubclassWindow = 0;
  intptr_t PreviousWindowProc = 0;

  TimerWindowLink TimerWindow;
};

}  // namespace folivan
