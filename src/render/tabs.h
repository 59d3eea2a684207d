// The tab dispatcher: the strip drawn over the body in three layers, the
// style's tab renderer, the captions and the pictures.
#pragma once

namespace folivan {
class FolivanTab;

// Fills the strip with the control's BackColor (not in the Visio style), runs
// the tab renderer of the Appearance, then the caption and picture layers. The
// wizard has no strip and draws nothing here.
void DrawTabs(FolivanTab& control);

}  // namespace folivan
