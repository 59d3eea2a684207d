#include "activex/categories.h"

#include <comcat.h>

#include <string>
#include <vector>

namespace folivan::activex {

namespace {

struct Category {
  CATID id;
  const wchar_t* description;
};

// {40FC6ED4-...} and {40FC6ED5-...} are comcat.h's; {157083E0/1-...} are the
// categories of controls that notify property changes and of simple frames.
constexpr Category kCategories[] = {
    {{0x40fc6ed4, 0x2438, 0x11cf, {0xa3, 0xdb, 0x08, 0x00, 0x36, 0xf1, 0x25, 0x02}}, L"Controls"},
    {{0x40fc6ed5, 0x2438, 0x11cf, {0xa3, 0xdb, 0x08, 0x00, 0x36, 0xf1, 0x25, 0x02}}, L"Automation Objects"},
    {{0x157083e1, 0x2368, 0x11cf, {0x87, 0xb9, 0x00, 0xaa, 0x00, 0x6c, 0x81, 0x66}}, L"Simple Frame Site Containment"},
    {{0x157083e0, 0x2368, 0x11cf, {0x87, 0xb9, 0x00, 0xaa, 0x00, 0x6c, 0x81, 0x66}}, L"Property Notification"},
    {{0x0de86a57, 0x2baa, 0x11cf, {0xa2, 0x29, 0x00, 0xaa, 0x00, 0x3d, 0x73, 0x52}}, L"Persists to Property Bag"},
    {{0x0de86a53, 0x2baa, 0x11cf, {0xa2, 0x29, 0x00, 0xaa, 0x00, 0x3d, 0x73, 0x52}}, L"Persists to Stream Init"},
};
constexpr LCID kEnglish = 0x409;

// COM for the length of a registration call (regsvr32 has it already; a
// setup program may not).
struct ComScope {
  HRESULT hr = CoInitialize(nullptr);
  ~ComScope() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

template <typename T>
T* CategoriesManager(REFIID iid) {
  T* manager = nullptr;
  CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, iid,
                   reinterpret_cast<void**>(&manager));
  return manager;
}

// The value under the class's key that lists the categories whose
// descriptions registration added.
constexpr wchar_t kDescribedValue[] = L"CategoriesDescribed";

std::wstring ClassKey(REFCLSID clsid) {
  wchar_t text[40] = {};
  StringFromGUID2(clsid, text, 40);
  return std::wstring(L"CLSID\\") + text;
}

std::wstring ReadDescribed(REFCLSID clsid) {
  wchar_t text[512] = {};
  DWORD size = sizeof(text) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, ClassKey(clsid).c_str(), kDescribedValue, RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS)
    return {};
  return text;
}

}  // namespace

HRESULT RegisterCategories(REFCLSID clsid) {
  ComScope com;
  ICatRegister* manager = CategoriesManager<ICatRegister>(IID_ICatRegister);
  ICatInformation* information = CategoriesManager<ICatInformation>(IID_ICatInformation);
  HRESULT hr = manager && information ? S_OK : E_FAIL;
  std::wstring described = ReadDescribed(clsid);  // kept from an earlier registration
  std::vector<CATID> ids;
  for (const Category& category : kCategories) {
    CATID id = category.id;
    ids.push_back(id);
    LPWSTR existing = nullptr;
    if (FAILED(hr)) break;
    if (SUCCEEDED(information->GetCategoryDesc(id, kEnglish, &existing))) {
      CoTaskMemFree(existing);
      continue;
    }
    CATEGORYINFO info{id, kEnglish, {}};
    lstrcpynW(info.szDescription, category.description, 128);
    hr = manager->RegisterCategories(1, &info);
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    if (described.find(text) == std::wstring::npos) described += std::wstring(described.empty() ? L"" : L" ") + text;
  }
  if (SUCCEEDED(hr)) hr = manager->RegisterClassImplCategories(clsid, static_cast<ULONG>(ids.size()), ids.data());
  if (SUCCEEDED(hr) && !described.empty()) {
    const LSTATUS rc = RegSetKeyValueW(HKEY_CLASSES_ROOT, ClassKey(clsid).c_str(), kDescribedValue, REG_SZ,
                                       described.c_str(), static_cast<DWORD>((described.size() + 1) * sizeof(wchar_t)));
    hr = HRESULT_FROM_WIN32(rc);
  }
  if (information) information->Release();
  if (manager) manager->Release();
  return hr;
}

void UnregisterCategories(REFCLSID clsid) {
  const std::wstring described = ReadDescribed(clsid);
  if (described.empty()) return;
  ComScope com;
  ICatRegister* manager = CategoriesManager<ICatRegister>(IID_ICatRegister);
  if (!manager) return;
  for (size_t at = described.find(L'{'); at != std::wstring::npos; at = described.find(L'{', at + 1)) {
    CATID id{};
    if (SUCCEEDED(CLSIDFromString(described.substr(at, 38).c_str(), &id))) manager->UnRegisterCategories(1, &id);
  }
  manager->Release();
}

}  // namespace folivan::activex
