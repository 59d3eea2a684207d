#include "input/design_subclass.h"

#include "core/folivan_tab.h"

namespace folivan {

// The window procedure itself comes with the mouse handling; for now the flag
// records that the window would be subclassed.
void InstallDesignSubclass(FolivanTab& control) { control.State().Subclassed = true; }

void RemoveDesignSubclass(FolivanTab& control) { control.State().Subclassed = false; }

}  // namespace folivan
