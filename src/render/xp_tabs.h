// The tabs of the Windows XP style (Appearance 1), the look of a new control.
#pragma once

namespace folivan {
class FolivanTab;

// Draws the strip's baseline, every shown tab but the selected one with its
// grey-blue outline and light gradient, then the selected tab over its
// neighbours: the orange band at the top of the control, opening into the body.
void DrawXpTabs(FolivanTab& control);

}  // namespace folivan
