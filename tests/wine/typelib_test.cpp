// The type library embedded in FolivanTabs.ocx as compiled clients bind to it:
// the dispatch identifier and kind of each of the 102 accessors of
// _FolivanTab, and the 24 events of __FolivanTab with their identifiers and
// arguments by reference. Reads the library from the module file, without
// registration.
#include <windows.h>
#include <ole2.h>

#include <map>
#include <string>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;

namespace {

// The functions of a type info by name and invoke kind.
std::map<std::pair<std::string, int>, FUNCDESC*> Functions(ITypeInfo* info) {
  std::map<std::pair<std::string, int>, FUNCDESC*> result;
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* desc = nullptr;
    info->GetFuncDesc(i, &desc);
    BSTR name = nullptr;
    info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
    result[{wine_check::Narrow({name, SysStringLen(name)}), desc->invkind}] = desc;  // released with the process
    SysFreeString(name);
  }
  info->ReleaseTypeAttr(attr);
  return result;
}

void TestDispatchInterface(ITypeLib* lib) {
  // The members as the vtable view of the dual interface holds them.
  ITypeInfo* dispatch_view = nullptr;
  ITypeInfo* vtable_view = nullptr;
  HREFTYPE href = 0;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(IID__FolivanTab, &dispatch_view)) &&
      SUCCEEDED(dispatch_view->GetRefTypeOfImplType(static_cast<UINT>(-1), &href)))
    dispatch_view->GetRefTypeInfo(href, &vtable_view);
  if (!vtable_view) return Check(false, "_FolivanTab is a dual interface in the library");
  auto functions = Functions(vtable_view);

  const int kGet = INVOKE_PROPERTYGET, kPut = INVOKE_PROPERTYPUT, kRef = INVOKE_PROPERTYPUTREF, kCall = INVOKE_FUNC;
  struct Expected {
    const char* name;
    MEMBERID id;
    int kinds[2];
  };
  // The published dispatch identifiers: compiled clients bind to these.
  const Expected expected[] = {
      {"SetTabDimensions", 0x60030037, {kCall, 0}}, {"JumpToTab", 0x60030038, {kCall, 0}},
      {"RemoveTab", 0x60030039, {kCall, 0}},        {"HideTab", 0x6003003a, {kCall, 0}},
      {"ShowHiddenTab", 0x6003003b, {kCall, 0}},    {"InsertTab", 0x6003003c, {kCall, 0}},
      {"SwapTabs", 0x6003003d, {kCall, 0}},         {"Refresh", 0x6003003e, {kCall, 0}},
      {"InsertControl", 0x600300a6, {kCall, 0}},    {"InsertWindow", 0x600300a8, {kCall, 0}},
      {"EmbedWindow", 0x600300a9, {kCall, 0}},      {"GetControlDimensions", 0x600300aa, {kCall, 0}},
      {"Appearance", 0x68030036, {kGet, kPut}},     {"BackgroundPicture", 0x68030032, {kGet, kRef}},
      {"Color", 0x68030031, {kGet, kPut}},          {"ColorSystem", 0x68030030, {kGet, kPut}},
      {"BackColor", 0x6803002f, {kGet, kPut}},      {"GetClientAreaColor", 0x6803002e, {kGet, 0}},
      {"TabColorForeGround", 0x6803002d, {kGet, kPut}}, {"TabColorShadow", 0x6803002c, {kGet, kPut}},
      {"TabColorLight", 0x6803002b, {kGet, kPut}},  {"TabColorDarkShadow", 0x6803002a, {kGet, kPut}},
      {"TabColorHighLight", 0x68030029, {kGet, kPut}}, {"ForeColor", 0x68030028, {kGet, kPut}},
      {"ToolTipStyle", 0x68030027, {kGet, kPut}},   {"FocusRect", 0x68030026, {kGet, kPut}},
      {"ClientArea", 0x68030025, {kGet, kPut}},     {"WizardDetails", 0x68030024, {kGet, kPut}},
      {"WizardPictures", 0x68030023, {kGet, kPut}}, {"Enabled", 0x68030022, {kGet, kPut}},
      {"Tabs", 0x68030021, {kGet, kPut}},           {"Font", 0x68030020, {kGet, kRef}},
      {"CurrentTab", 0x68030015, {kGet, kPut}},     {"HotTracking", 0x68030014, {kGet, kPut}},
      {"ShowToolTip", 0x68030013, {kGet, kPut}},    {"BoldSelected", 0x68030012, {kGet, kPut}},
      {"LunaColors", 0x6803000f, {kGet, kPut}},     {"NoteOneColors", 0x6803000e, {kGet, kPut}},
      {"AutoFocusControls", 0x6803000d, {kGet, kPut}}, {"AutoResizeControls", 0x6803000c, {kGet, kPut}},
      {"PlainTab", 0x6803000b, {kGet, kPut}},       {"hwnd", 0x68030009, {kGet, 0}},
      {"hdc", 0x68030007, {kGet, 0}},               {"HasDC", 0x68030006, {kGet, 0}},
      {"IControls", 0x68030005, {kGet, kRef}},      {"SpreadToContainer", 0x68030004, {kGet, kPut}},
      {"Caption", 0x6803001f, {kGet, kPut}},        {"TabEnabled", 0x6803001a, {kGet, kPut}},
      {"TabPicture", 0x68030018, {kGet, kRef}},     {"cTabStartColor", 0x68030002, {kGet, kPut}},
      {"cTabEndColor", 0x68030000, {kGet, kPut}},   {"TabCaption", 0x6803001e, {kGet, kPut}},
      {"TabPassword", 0x6803001d, {kGet, kPut}},    {"TagVariant", 0x6803001c, {kGet, kPut}},
      {"TabToolTip", 0x6803001b, {kGet, kPut}},     {"iTabEnabled", 0x68030019, {kGet, kPut}},
      {"iTabPicture", 0x68030017, {kGet, kRef}},    {"TabStartColor", 0x68030003, {kGet, kPut}},
      {"TabEndColor", 0x68030001, {kGet, kPut}},
  };
  std::string wrong;
  int accessors = 0;
  for (const Expected& e : expected) {
    for (int kind : e.kinds) {
      if (!kind) continue;
      ++accessors;
      auto it = functions.find({e.name, kind});
      if (it == functions.end() || it->second->memid != e.id) wrong += std::string(" ") + e.name;
    }
  }
  Check(accessors == 102 && functions.size() == 102 && wrong.empty(),
        "_FolivanTab has exactly the 102 accessors, each with its dispatch identifier and kind",
        std::to_string(functions.size()) + " accessors, wrong:" + wrong);
  vtable_view->Release();
  dispatch_view->Release();
}

void TestEvents(ITypeLib* lib) {
  ITypeInfo* events = nullptr;
  lib->GetTypeInfoOfGuid(DIID___FolivanTab, &events);
  if (!events) return Check(false, "__FolivanTab is in the library");
  auto functions = Functions(events);
  const char* names[] = {"Click", "TabClick", "BeforeTabChange", "TabChange", "DblClick", "KeyDown", "KeyUp",
                         "KeyPress", "MouseExit", "MouseEnter", "ControlLoaded", "Resize", "MouseDown", "MouseMove",
                         "MouseUp", "OLECompleteDrag", "OLEDragDrop", "OLEDragOver", "OLEGiveFeedback", "OLESetData",
                         "OLEStartDrag", "AfterScroll", "AfterScrollRight", "AfterScrollLeft"};
  std::string wrong;
  bool all_by_ref = true;
  for (int i = 0; i < 24; ++i) {
    auto it = functions.find({names[i], INVOKE_FUNC});
    if (it == functions.end() || it->second->memid != i + 1) {
      wrong += std::string(" ") + names[i];
      continue;
    }
    for (SHORT p = 0; p < it->second->cParams; ++p)
      if (it->second->lprgelemdescParam[p].tdesc.vt != VT_PTR) all_by_ref = false;
  }
  Check(functions.size() == 24 && wrong.empty(), "__FolivanTab has exactly the 24 events, with identifiers 1 to 24",
        std::to_string(functions.size()) + " events, wrong:" + wrong);
  Check(all_by_ref, "every event argument is by reference");
  events->Release();
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  ITypeLib* lib = nullptr;
  HRESULT hr = LoadTypeLibEx(L"FolivanTabs.ocx", REGKIND_NONE, &lib);
  Check(SUCCEEDED(hr) && lib, "the module embeds its type library");
  if (lib) {
    TestDispatchInterface(lib);
    TestEvents(lib);
    lib->Release();
  }
  CoUninitialize();
  return wine_check::Finish();
}
