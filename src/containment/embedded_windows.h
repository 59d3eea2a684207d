// Windows embedded on tabs.
#pragma once

namespace folivan {
class FolivanTab;

// Shows the current tab's embedded window at its place and hides the others.
void PlaceEmbeddedWindows(FolivanTab& control);
}  // namespace folivan
