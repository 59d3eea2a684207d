// IDispatch::Invoke of a dual interface without the runtime's DispInvoke: the
// arguments are checked and converted against the member's description in the
// type library, then the member is called through the interface's vtable.
#pragma once

#include "platform/win32/win32_api.h"

namespace folivan::activex {

// Calls member `id` of `object` (whose vtable is described by the dual
// interface `info`, dispatch view) as Invoke would. Argument errors come back
// before the member runs: DISP_E_BADPARAMCOUNT for too many or too few
// arguments, DISP_E_PARAMNOTFOUND for a required argument left out and
// DISP_E_TYPEMISMATCH / DISP_E_OVERFLOW for a value of the wrong type or a
// NULL reference, the last two with *arg_err set to the argument's index in
// rgvarg. A member that fails gives DISP_E_EXCEPTION with its error info.
HRESULT InvokeMember(IUnknown* object, ITypeInfo* info, DISPID id, WORD flags, const DISPPARAMS& params,
                     VARIANT* result, EXCEPINFO* excep, UINT* arg_err);

}  // namespace folivan::activex
