#include "render/property_page_tabs.h"

#include "core/folivan_tab.h"

namespace folivan {

// The body, captions and pictures of these styles are drawn; their tabs come next.
void DrawPropertyPageTabs(FolivanTab&) {}
void DrawRoundedTabs(FolivanTab&) {}
void DrawSystemTabs(FolivanTab&) {}

}  // namespace folivan
