#include "input/scroll_buttons.h"

#include "core/folivan_tab.h"

namespace folivan {

void DrawScrollButtons(FolivanTab&) {}

}  // namespace folivan
