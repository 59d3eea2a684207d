// The property page object of FolivanTab (IPropertyPage2): a window of
// standard controls and two instances of the control (the page's strip and
// its preview) over the page's logic in proppage/, which reaches the selected
// control through its IDispatch by name.
#pragma once

#include "platform/win32/win32_api.h"

#include <ocidl.h>
#include <olectl.h>

namespace folivan::activex {

// {6B1B5D9E-2C47-4E8F-9A51-0F3C7D2E8B14}
inline constexpr CLSID CLSID_FolivanTabPage = {0x6b1b5d9e, 0x2c47, 0x4e8f, {0x9a, 0x51, 0x0f, 0x3c, 0x7d, 0x2e, 0x8b, 0x14}};

// A new page object, the interface riid of it.
HRESULT CreatePropertyPage(REFIID riid, void** object);
// A new instance of the control, not yet initialised, the interface riid of it.
HRESULT CreateControl(REFIID riid, void** object);

// The page's class in the registry (CLSID key with its InprocServer32).
HRESULT RegisterPropertyPage();
void UnregisterPropertyPage();

}  // namespace folivan::activex
