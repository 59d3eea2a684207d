// The repaint pipeline: every visible change of the control ends here, and the
// whole control is drawn again from its state. Nothing is cached between
// repaints: colours, layout and every pixel are recomputed each time.
#pragma once

#include "paint/layout.h"

namespace folivan {
class FolivanTab;

// Draws the whole control: theme and colours, the strip layout, the body, the
// tabs with their captions and pictures, the scroll buttons when the strip
// overflows, the shrink to the strip when ClientArea is off, and in a form
// designer the common-area notice. With no tabs it only clears the surface.
void Repaint(FolivanTab& control);

// The design-time toggle box and notice of the common area, drawn last by
// Repaint in a form designer. For now it draws nothing: it comes with the
// wizard page.
void DrawCommonAreaNotice(FolivanTab& control);

}  // namespace folivan
