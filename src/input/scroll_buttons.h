// The scroll buttons at the right end of an overflowing strip.
#pragma once

namespace folivan {
class FolivanTab;

void DrawScrollButtons(FolivanTab& control);
}  // namespace folivan
