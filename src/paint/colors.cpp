#include "paint/colors.h"

#include "core/folivan_tab.h"

namespace folivan {

void DetectWindowsVersion(FolivanTab&) {}

int16_t DetectThemeColors(FolivanTab&, WindowHandle) { return 0; }

}  // namespace folivan
