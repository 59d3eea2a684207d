#include "render/flat_tabs.h"

#include "core/folivan_tab.h"

namespace folivan {

// The body, captions and pictures of these styles are drawn; their tabs come next.
void DrawFlatTabs(FolivanTab&) {}
void DrawStateButtonTabs(FolivanTab&) {}
void DrawSsTabTabs(FolivanTab&) {}

}  // namespace folivan
