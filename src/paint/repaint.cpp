#include "paint/repaint.h"

#include "core/folivan_tab.h"

namespace folivan {

// The drawing of the strip and the bodies comes with the renderers; until then
// a repaint only clears the surface.
void Repaint(FolivanTab& control) { control.GetSurface().Cls(); }

void LayoutTabs(FolivanTab&) {}

void LayoutVisioTabs(FolivanTab&) {}

}  // namespace folivan
