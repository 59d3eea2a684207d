#include "render/office_tabs.h"

#include "core/folivan_tab.h"

namespace folivan {

// The body, captions and pictures of these styles are drawn; their tabs come next.
void DrawVisualStudioTabs(FolivanTab&) {}
void DrawOfficeTabs(FolivanTab&) {}
void DrawExcelTabs(FolivanTab&) {}

}  // namespace folivan
