// The design-time subclass of the control's window, through which a form
// designer can click tabs.
#pragma once

namespace folivan {
class FolivanTab;

void InstallDesignSubclass(FolivanTab& control);
void RemoveDesignSubclass(FolivanTab& control);
}  // namespace folivan
