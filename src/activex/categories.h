// The component categories the control is registered in, through the
// component categories manager (ICatRegister): a control, programmable, a
// simple frame that contains other controls, with property notifications,
// persisted to a property bag or a stream.
#pragma once

#include "platform/win32/win32_api.h"

namespace folivan::activex {

// Lists the categories under the class and describes those the system does
// not describe yet, remembering which (under the class's key).
HRESULT RegisterCategories(REFCLSID clsid);
// Before the class's key goes: removes the descriptions registration added.
void UnregisterCategories(REFCLSID clsid);

}  // namespace folivan::activex
