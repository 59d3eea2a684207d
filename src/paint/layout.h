// The strip layout: where each visible tab and its caption lie, the height of
// the strip, and whether the strip overflows. Recomputed by every repaint from
// the captions and the font; nothing is kept from one layout to the next except
// the rectangles of the tabs that are not laid out.
#pragma once

#include <cstdint>

namespace folivan {
class FolivanTab;

// Lays out the tabs Hidd..HiddR of the horizontal styles (every Appearance but
// 6 and 12): writes StripH, each laid-out tab's AL, AT, AR, AB and TAL, TAT,
// TAR, TAB (TAB holds the caption's height), StripRight, and decides
// mShowScrollBar and HiddR. `i` is the loop counter, a scratch variable of the
// caller; its final value means nothing. A statement that fails (an index
// outside the tab array, an overflow) is skipped and the layout goes on.
void LayoutTabs(FolivanTab& control, int16_t& i);
void LayoutTabs(FolivanTab& control);

// Lays out the full-width bars of the Visio style (Appearance 6), every tab:
// tabs 0..CurrentTab stacked from the top, the later tabs stacked upwards from
// the bottom, the current tab's page between the two stacks. Writes each
// tab's AL, AT, AR, AB and TAL, TAT, TAR, TAB (here TAB is a coordinate: the
// caption's bottom); StripH, HiddR and mShowScrollBar are left alone. A
// failing statement raises its error to the caller. `i` is the loop counter.
void LayoutVisioTabs(FolivanTab& control, int16_t& i);
void LayoutVisioTabs(FolivanTab& control);

}  // namespace folivan
