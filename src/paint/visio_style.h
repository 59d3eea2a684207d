// The Visio style (Appearance 6): no strip, but full-width bars stacked like
// the panels of a stencil window. The bars of tabs 0..CurrentTab stand at the
// top, those of the later tabs at the bottom, and the current tab's page is
// the space between the two stacks. LayoutVisioTabs places the bars; the
// caption layer writes the captions on them afterwards.
#pragma once

namespace folivan {
class FolivanTab;

// Body renderer of Appearance 6: the frame, the page in BackColor and every
// bar (edges, face, grip). In Luna mode (Color Office-2003 with LunaColors) it
// sets the ColorSet's Shadow to LunaBorder for the rest of the repaint.
void DrawVisioStyle(FolivanTab& control);

}  // namespace folivan
