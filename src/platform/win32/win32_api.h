// windows.h and the OLE headers for the Windows platform, without the
// character-set macros whose names the platform interfaces use as member
// names (LoadLibrary, GetProp, DrawText, SendMessage, ...). Code here names the A or W
// function explicitly.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#undef LoadLibrary
#undef GetProp
#undef SetProp
#undef RemoveProp
#undef GetVersionEx
#undef DrawText
#undef CreateWindowEx
#undef SendMessage
