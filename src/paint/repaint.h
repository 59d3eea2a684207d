// The repaint pipeline and the strip layout.
#pragma once

namespace folivan {
class FolivanTab;

// Recomputes and redraws everything: theme and colours, layout, body, tabs,
// captions, pictures, scroll buttons.
void Repaint(FolivanTab& control);
// Lays out the visible tabs of the horizontal styles.
void LayoutTabs(FolivanTab& control);
// Lays out the stacked tabs of the Visio style.
void LayoutVisioTabs(FolivanTab& control);
}  // namespace folivan
