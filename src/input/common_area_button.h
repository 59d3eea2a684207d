// The design-time toggle box in the bottom-right corner: a press switches
// between the last tab and the common area, whose controls show on every tab.
#pragma once

namespace folivan {
class FolivanTab;

// A press in a form designer; acts only with ClientArea on, when the last
// move was over the box and no contained window lies under the cursor.
void CommonAreaButtonPress(FolivanTab& control);

}  // namespace folivan
