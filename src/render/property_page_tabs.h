// The raised property-page tabs, the rounded tabs and the tabs drawn by the visual-styles service.
#pragma once

namespace folivan {
class FolivanTab;

void DrawPropertyPageTabs(FolivanTab& control);
void DrawRoundedTabs(FolivanTab& control);
void DrawSystemTabs(FolivanTab& control);
}  // namespace folivan
