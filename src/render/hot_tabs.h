// The hot-state renderers: when the mouse moves from one tab to another only
// those two tabs are drawn again, the one left in its normal look and the one
// under the mouse in its hot look, straight into the window.
#pragma once

#include <cstdint>

namespace folivan {
class FolivanTab;

// The styles that have a hot look: Windows Xp, Property Page, Visual Studio,
// Office 2003, Visio, State Buttons, Flat, Rounded and System.
bool HasHotLook(int32_t appearance);

// Tab `index` in its hot look, and back in its normal look, in the control's
// style. Both do nothing for an index below 0.
void DrawHotTab(FolivanTab& control, int16_t index);
void DrawNormalTab(FolivanTab& control, int16_t index);

}  // namespace folivan
