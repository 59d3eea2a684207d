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

// The design-time toggle box of the common area, drawn last by Repaint in a
// form designer (except in the Visio style, and only with ClientArea): a
// 15 x 15 box in the bottom-right corner, with a minus on an orange gradient
// and the word-wrapped notice text while the common area (CurrentTab -1)
// shows, a plus on the scheme's gradient otherwise.
void DrawCommonAreaNotice(FolivanTab& control);

}  // namespace folivan
