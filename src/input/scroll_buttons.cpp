#include "input/scroll_buttons.h"

#include "core/folivan_tab.h"

namespace folivan {

void DrawScrollButtons(FolivanTab&) {}

// The buttons' hot and pressed looks, the scrolling and the auto-repeat come
// with the scroll buttons themselves; the mouse handling already calls here.
void ScrollButtonsMove(FolivanTab&, int16_t, int16_t, float, float) {}

void ScrollButtonsPress(FolivanTab&, int16_t, int16_t, float, float) {}

void RepeatScrollButtonPress(FolivanTab&, uint32_t) {}

void ReleaseScrollButtons(FolivanTab&) {}

}  // namespace folivan
