#include "activex/module.h"

#include <atomic>

#include "activex/guids.h"

namespace folivan::activex {

namespace {
HINSTANCE g_instance = nullptr;
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
ITypeLib* g_typelib = nullptr;
}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(g_instance, path, MAX_PATH);
  return path;
}

void ObjectCreated() { ++g_objects; }
void ObjectDestroyed() { --g_objects; }
void LockModule(bool lock) {
  if (lock) ++g_locks;
  else --g_locks;
}
bool ModuleInUse() { return g_objects > 0 || g_locks > 0; }

ITypeLib* TypeLibrary() {
  if (!g_typelib) {
    ITypeLib* typelib = nullptr;
    if (SUCCEEDED(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &typelib))) g_typelib = typelib;
  }
  return g_typelib;
}

ITypeInfo* TypeInfoOf(REFGUID guid) {
  ITypeLib* typelib = TypeLibrary();
  ITypeInfo* info = nullptr;
  if (!typelib || FAILED(typelib->GetTypeInfoOfGuid(guid, &info))) return nullptr;
  return info;
}

HRESULT ReportError(int number, const std::wstring& description) {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(IID__FolivanTab);
    create->SetSource(const_cast<LPOLESTR>(L"FolivanTabs.FolivanTab"));
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number & 0xFFFF);
}

}  // namespace folivan::activex

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    folivan::activex::g_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
