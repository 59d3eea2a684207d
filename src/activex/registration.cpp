// Self-registration: DllRegisterServer writes the class, its ProgIDs, its
// toolbox picture, its component categories and the embedded type library;
// DllUnregisterServer removes every key it wrote.
#include <shlwapi.h>

#include <string>

#include "activex/categories.h"
#include "activex/control_object.h"
#include "activex/property_page.h"

namespace folivan::activex {

namespace {

constexpr wchar_t kProgId[] = L"FolivanTabs.FolivanTab";
constexpr wchar_t kVersionedProgId[] = L"FolivanTabs.FolivanTab.1";
constexpr wchar_t kDescription[] = L"FolivanTab Control";
constexpr int kToolboxBitmap = 100;  // BITMAP resource, 16 x 15

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// Creates key (under HKEY_CLASSES_ROOT) and sets one of its values; name
// nullptr is the default value.
HRESULT SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                            &handle, nullptr);
  if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
  rc = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return HRESULT_FROM_WIN32(rc);
}

void DeleteTree(const std::wstring& key) { SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str()); }

SYSKIND ThisSysKind() { return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32; }

HRESULT Register() {
  const std::wstring clsid = GuidText(CLSID_FolivanTab);
  const std::wstring clsid_key = L"CLSID\\" + clsid;
  const std::wstring path = ModulePath();
  const HRESULT results[] = {
      SetValue(clsid_key, nullptr, kDescription),
      SetValue(clsid_key + L"\\InprocServer32", nullptr, path),
      SetValue(clsid_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"),
      SetValue(clsid_key + L"\\ProgID", nullptr, kVersionedProgId),
      SetValue(clsid_key + L"\\VersionIndependentProgID", nullptr, kProgId),
      SetValue(clsid_key + L"\\Control", nullptr, L""),
      SetValue(clsid_key + L"\\ToolboxBitmap32", nullptr, path + L", " + std::to_wstring(kToolboxBitmap)),
      SetValue(clsid_key + L"\\MiscStatus", nullptr, L"0"),
      SetValue(clsid_key + L"\\MiscStatus\\1", nullptr, std::to_wstring(kMiscStatus)),
      SetValue(clsid_key + L"\\TypeLib", nullptr, GuidText(LIBID_FolivanTabs)),
      SetValue(clsid_key + L"\\Version", nullptr, L"1.0"),
      SetValue(kProgId, nullptr, kDescription),
      SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, clsid),
      SetValue(std::wstring(kProgId) + L"\\CurVer", nullptr, kVersionedProgId),
      SetValue(kVersionedProgId, nullptr, kDescription),
      SetValue(std::wstring(kVersionedProgId) + L"\\CLSID", nullptr, clsid),
  };
  for (HRESULT hr : results)
    if (FAILED(hr)) return SELFREG_E_CLASS;
  if (FAILED(RegisterCategories(CLSID_FolivanTab))) return SELFREG_E_CLASS;

  ITypeLib* typelib = TypeLibrary();
  if (!typelib) return SELFREG_E_TYPELIB;
  std::wstring module_path = path;
  if (FAILED(RegisterTypeLib(typelib, module_path.data(), nullptr))) return SELFREG_E_TYPELIB;
  return S_OK;
}

HRESULT Unregister() {
  UnRegisterTypeLib(LIBID_FolivanTabs, 1, 0, LOCALE_NEUTRAL, ThisSysKind());
  // What the type library registration may leave behind.
  DeleteTree(L"TypeLib\\" + GuidText(LIBID_FolivanTabs));
  DeleteTree(L"Interface\\" + GuidText(IID__FolivanTab));
  DeleteTree(L"Interface\\" + GuidText(DIID___FolivanTab));
  UnregisterCategories(CLSID_FolivanTab);  // reads the class's key: before it goes
  DeleteTree(L"CLSID\\" + GuidText(CLSID_FolivanTab));
  DeleteTree(kProgId);
  DeleteTree(kVersionedProgId);
  return S_OK;
}

}  // namespace

}  // namespace folivan::activex

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  HRESULT hr = folivan::activex::Register();
  if (SUCCEEDED(hr)) hr = folivan::activex::RegisterPropertyPage();
  if (FAILED(hr)) DllUnregisterServer();
  return hr;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  folivan::activex::UnregisterPropertyPage();
  return folivan::activex::Unregister();
}
