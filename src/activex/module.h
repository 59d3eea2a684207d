// Process-wide state of FolivanTabs.ocx: the module handle, the counts that
// DllCanUnloadNow looks at and the type library embedded as resource 1.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>

namespace folivan::activex {

HINSTANCE ModuleInstance();
std::wstring ModulePath();

void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleInUse();

// The type library of the module (not AddRef'ed: it lives as long as the process).
ITypeLib* TypeLibrary();
// The type information of one of its types, AddRef'ed; nullptr on failure.
ITypeInfo* TypeInfoOf(REFGUID guid);

// Reports a run-time error of the control to the caller: sets the error info
// (source "FolivanTabs.FolivanTab") and returns the HRESULT whose code is the
// error number, as script hosts expect (0x800A0000 | number).
HRESULT ReportError(int number, const std::wstring& description);

}  // namespace folivan::activex
