// The flat tabs, the state buttons and the ssTab tabs.
#pragma once

namespace folivan {
class FolivanTab;

void DrawFlatTabs(FolivanTab& control);
void DrawStateButtonTabs(FolivanTab& control);
void DrawSsTabTabs(FolivanTab& control);
}  // namespace folivan
