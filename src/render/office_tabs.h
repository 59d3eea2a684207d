// The Visual Studio, Office 2003 and Excel sheet tabs.
#pragma once

namespace folivan {
class FolivanTab;

void DrawVisualStudioTabs(FolivanTab& control);
void DrawOfficeTabs(FolivanTab& control);
void DrawExcelTabs(FolivanTab& control);
}  // namespace folivan
