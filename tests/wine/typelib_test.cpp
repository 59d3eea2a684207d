// The type library embedded in FolivanTabs.ocx as compiled clients see it:
// dispatch identifiers, by-reference and optional arguments with their
// defaults, property kinds, the event interface, the enums, the record and the
// coclass. Reads the library from the module file, without registration.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;
using wine_check::Equal;

namespace {

std::string Narrow(BSTR text) {
  std::string out;
  for (UINT i = 0; text && i < SysStringLen(text); ++i) out += static_cast<char>(text[i]);
  return out;
}


// The functions of a type info by name and invoke kind.
std::map<std::pair<std::string, int>, FUNCDESC*> Functions(ITypeInfo* info, std::set<MEMBERID>* ids = nullptr) {
  std::map<std::pair<std::string, int>, FUNCDESC*> result;
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* desc = nullptr;
    info->GetFuncDesc(i, &desc);
    BSTR name = nullptr;
    info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
    result[{Narrow(name), desc->invkind}] = desc;  // released with the process
    if (ids) ids->insert(desc->memid);
    SysFreeString(name);
  }
  info->ReleaseTypeAttr(attr);
  return result;
}

bool ByRef(const ELEMDESC& e, VARTYPE vt) {
  return e.tdesc.vt == VT_PTR && e.tdesc.lptdesc && e.tdesc.lptdesc->vt == vt;
}

void TestDispatchInterface(ITypeLib* lib) {
  ITypeInfo* dispatch_view = nullptr;
  lib->GetTypeInfoOfGuid(IID__FolivanTab, &dispatch_view);
  Check(dispatch_view != nullptr, "_FolivanTab is in the library");
  if (!dispatch_view) return;
  TYPEATTR* attr = nullptr;
  dispatch_view->GetTypeAttr(&attr);
  Check((attr->wTypeFlags & TYPEFLAG_FDUAL) != 0, "_FolivanTab is dual");
  dispatch_view->ReleaseTypeAttr(attr);

  // The vtable view holds exactly the members of the control.
  HREFTYPE href = 0;
  ITypeInfo* vtable_view = nullptr;
  dispatch_view->GetRefTypeOfImplType(static_cast<UINT>(-1), &href);
  dispatch_view->GetRefTypeInfo(href, &vtable_view);
  std::set<MEMBERID> ids;
  auto functions = Functions(vtable_view, &ids);
  Equal(static_cast<int>(functions.size()), 102, "_FolivanTab has 102 members");

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
  Equal(accessors, 102, "the expected list covers every accessor");
  Check(wrong.empty(), "every member has its dispatch identifier and kind", "wrong:" + wrong);

  // Arguments.
  FUNCDESC* jump = functions[{"JumpToTab", kCall}];
  Check(jump && jump->cParams == 2 && ByRef(jump->lprgelemdescParam[0], VT_I2) &&
            ByRef(jump->lprgelemdescParam[1], VT_BSTR),
        "JumpToTab(TabNo As Integer, TabCaption As String) by reference");
  if (jump && jump->cParams == 2) {
    const PARAMDESC& tab_no = jump->lprgelemdescParam[0].paramdesc;
    Check((tab_no.wParamFlags & PARAMFLAG_FHASDEFAULT) && tab_no.pparamdescex &&
              V_VT(&tab_no.pparamdescex->varDefaultValue) == VT_I2 && V_I2(&tab_no.pparamdescex->varDefaultValue) == -1,
          "JumpToTab TabNo defaults to -1");
    Check((jump->lprgelemdescParam[1].paramdesc.wParamFlags & PARAMFLAG_FOPT) != 0, "JumpToTab TabCaption is optional");
  }
  FUNCDESC* insert = functions[{"InsertControl", kCall}];
  Check(insert && insert->cParams == 7 && ByRef(insert->lprgelemdescParam[0], VT_DISPATCH) &&
            insert->lprgelemdescParam[1].tdesc.vt == VT_I2 && ByRef(insert->lprgelemdescParam[2], VT_VARIANT) &&
            ByRef(insert->lprgelemdescParam[6], VT_BOOL),
        "InsertControl(Ctl ByRef, AtIndex, Left..Height ByRef Variant, Stretch ByRef Boolean)");
  if (insert && insert->cParams == 7) {
    const PARAMDESC& stretch = insert->lprgelemdescParam[6].paramdesc;
    Check((stretch.wParamFlags & PARAMFLAG_FHASDEFAULT) && stretch.pparamdescex &&
              V_VT(&stretch.pparamdescex->varDefaultValue) == VT_BOOL &&
              V_BOOL(&stretch.pparamdescex->varDefaultValue) == VARIANT_FALSE,
          "InsertControl Stretch defaults to False");
    Check((insert->lprgelemdescParam[2].paramdesc.wParamFlags & PARAMFLAG_FOPT) != 0, "InsertControl Left is optional");
  }
  FUNCDESC* insert_tab = functions[{"InsertTab", kCall}];
  Check(insert_tab && insert_tab->cParams == 1 && insert_tab->lprgelemdescParam[0].tdesc.vt == VT_VARIANT &&
            (insert_tab->lprgelemdescParam[0].paramdesc.wParamFlags & PARAMFLAG_FOPT),
        "InsertTab(Optional AtIndex As Variant)");
  FUNCDESC* caption = functions[{"TabCaption", kPut}];
  Check(caption && caption->cParams == 2 && ByRef(caption->lprgelemdescParam[0], VT_I2) &&
            caption->lprgelemdescParam[1].tdesc.vt == VT_BSTR,
        "TabCaption(iIndex ByRef) = text by value");
  FUNCDESC* focus = functions[{"FocusRect", kPut}];
  Check(focus && focus->cParams == 1 && focus->lprgelemdescParam[0].tdesc.vt == VT_BOOL, "FocusRect put by value");
  FUNCDESC* remove = functions[{"RemoveTab", kCall}];
  Check(remove && remove->cParams == 1 && remove->lprgelemdescParam[0].tdesc.vt == VT_I2, "RemoveTab by value");
  vtable_view->Release();
  dispatch_view->Release();
}

void TestEvents(ITypeLib* lib) {
  ITypeInfo* events = nullptr;
  lib->GetTypeInfoOfGuid(DIID___FolivanTab, &events);
  Check(events != nullptr, "__FolivanTab is in the library");
  if (!events) return;
  std::set<MEMBERID> ids;
  auto functions = Functions(events, &ids);
  Equal(static_cast<int>(functions.size()), 24, "__FolivanTab has 24 events");
  Check(ids.size() == 24 && *ids.begin() == 1 && *ids.rbegin() == 24, "event identifiers are 1 to 24");
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
  Check(wrong.empty(), "every event has its identifier", "wrong:" + wrong);
  Check(all_by_ref, "every event argument is by reference");
  FUNCDESC* mouse = functions[{"MouseDown", INVOKE_FUNC}];
  Check(mouse && mouse->cParams == 4 && ByRef(mouse->lprgelemdescParam[0], VT_I2) &&
            ByRef(mouse->lprgelemdescParam[3], VT_R4),
        "MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)");
  FUNCDESC* over = functions[{"OLEDragOver", INVOKE_FUNC}];
  Check(over && over->cParams == 7, "OLEDragOver has 7 arguments");
  events->Release();
}

int EnumValues(ITypeLib* lib, const wchar_t* name, std::vector<LONG>* values) {
  ITypeInfo* info = nullptr;
  MEMBERID id = 0;
  USHORT found = 1;
  std::wstring copy = name;
  if (FAILED(lib->FindName(copy.data(), 0, &info, &id, &found)) || found == 0) return -1;
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  int count = attr->typekind == TKIND_ENUM ? attr->cVars : -1;
  for (int i = 0; i < count; ++i) {
    VARDESC* var = nullptr;
    info->GetVarDesc(i, &var);
    values->push_back(V_I4(var->lpvarValue));
    info->ReleaseVarDesc(var);
  }
  info->ReleaseTypeAttr(attr);
  info->Release();
  return count;
}

void TestTypes(ITypeLib* lib) {
  const std::pair<const wchar_t*, int> enums[] = {
      {L"Appearances", 13}, {L"Colors", 3}, {L"ColorSystems", 2}, {L"ToolTipTypes", 2}};
  for (const auto& [name, count] : enums) {
    std::vector<LONG> values;
    int n = EnumValues(lib, name, &values);
    bool numbered = n == count;
    for (int i = 0; numbered && i < n; ++i) numbered = values[static_cast<size_t>(i)] == i + 1;
    std::string label(name, name + wcslen(name));
    Check(numbered, "enum " + label + " holds 1 to " + std::to_string(count));
  }

  ITypeInfo* record = nullptr;
  MEMBERID record_id = 0;
  USHORT found = 1;
  std::wstring record_name = L"ControlDetails";
  lib->FindName(record_name.data(), 0, &record, &record_id, &found);
  Check(record != nullptr, "ControlDetails is in the library");
  if (record) {
    TYPEATTR* attr = nullptr;
    record->GetTypeAttr(&attr);
    bool shape = attr->typekind == TKIND_RECORD && attr->cVars == 3;
    VARTYPE expected[] = {VT_BSTR, VT_BOOL, VT_BOOL};
    for (int i = 0; shape && i < 3; ++i) {
      VARDESC* var = nullptr;
      record->GetVarDesc(i, &var);
      shape = var->elemdescVar.tdesc.vt == expected[i];
      record->ReleaseVarDesc(var);
    }
    Check(shape, "ControlDetails is { ControlID As String, TabStop As Boolean, CtlEnabled As Boolean }");
    record->ReleaseTypeAttr(attr);
    record->Release();
  }

  ITypeInfo* coclass = nullptr;
  lib->GetTypeInfoOfGuid(CLSID_FolivanTab, &coclass);
  Check(coclass != nullptr, "coclass FolivanTab is in the library");
  if (coclass) {
    TYPEATTR* attr = nullptr;
    coclass->GetTypeAttr(&attr);
    Check((attr->wTypeFlags & TYPEFLAG_FCONTROL) != 0, "FolivanTab is marked as a control");
    bool default_interface = false, default_source = false;
    for (UINT i = 0; i < attr->cImplTypes; ++i) {
      INT flags = 0;
      HREFTYPE href = 0;
      ITypeInfo* impl = nullptr;
      coclass->GetImplTypeFlags(i, &flags);
      coclass->GetRefTypeOfImplType(i, &href);
      coclass->GetRefTypeInfo(href, &impl);
      TYPEATTR* impl_attr = nullptr;
      impl->GetTypeAttr(&impl_attr);
      if ((flags & IMPLTYPEFLAG_FDEFAULT) && (flags & IMPLTYPEFLAG_FSOURCE) && impl_attr->guid == DIID___FolivanTab)
        default_source = true;
      if ((flags & IMPLTYPEFLAG_FDEFAULT) && !(flags & IMPLTYPEFLAG_FSOURCE) && impl_attr->guid == IID__FolivanTab)
        default_interface = true;
      impl->ReleaseTypeAttr(impl_attr);
      impl->Release();
    }
    Check(default_interface, "the default interface is _FolivanTab");
    Check(default_source, "the default source is __FolivanTab");
    coclass->ReleaseTypeAttr(attr);
    coclass->Release();
  }
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  ITypeLib* lib = nullptr;
  HRESULT hr = LoadTypeLibEx(L"FolivanTabs.ocx", REGKIND_NONE, &lib);
  Check(SUCCEEDED(hr) && lib, "the module embeds its type library");
  if (lib) {
    TLIBATTR* attr = nullptr;
    lib->GetLibAttr(&attr);
    Check(attr->guid == LIBID_FolivanTabs && attr->wMajorVerNum == 1 && attr->wMinorVerNum == 0,
          "library FolivanTabs 1.0");
    lib->ReleaseTLibAttr(attr);
    BSTR name = nullptr;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    Check(Narrow(name) == "FolivanTabs", "the library is named FolivanTabs");
    SysFreeString(name);
    TestDispatchInterface(lib);
    TestEvents(lib);
    TestTypes(lib);
    lib->Release();
  }
  CoUninitialize();
  return wine_check::Finish();
}
