// The caption layer, shared by every style with a strip (and the Visio bars):
// each shown tab's caption, the selected one in bold, and the focus rectangle.
#pragma once

namespace folivan {
class FolivanTab;

// Draws the captions of the tabs Hidd..HiddR where the Appearance puts them
// and in its colours, then, at run time while the control has the focus and
// FocusRect is on, the focus rectangle around the selected caption. The font
// is switched to bold only around the selected caption and switched back.
void DrawTabCaptions(FolivanTab& control);

}  // namespace folivan
