// Defines the GUIDs declared by the generated header, once for the module.
#include "platform/win32/win32_api.h"

#include <initguid.h>

#include "FolivanTabs_h.h"
