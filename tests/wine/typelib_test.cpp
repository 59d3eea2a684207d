// The type library embedded in FolivanTabs.ocx as compiled clients and object
// browsers see it: the dispatch identifier and kind of each of the 102
// accessors of _FolivanTab, every member's arguments (types, references,
// optional arguments and their defaults) dumped from the library and compared
// with the description below, the enum member names, the library and class
// flags, the 24 events of __FolivanTab with their identifiers and arguments
// by reference, and the toolbox bitmap. Reads the module file, without
// registration.
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;

namespace {

std::wstring win(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The functions of a type info by name and invoke kind.
std::map<std::pair<std::string, int>, FUNCDESC*> Functions(ITypeInfo* info) {
  std::map<std::pair<std::string, int>, FUNCDESC*> result;
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* desc = nullptr;
    // A dispinterface lists IDispatch's methods too, restricted.
    if (FAILED(info->GetFuncDesc(i, &desc)) || (desc->wFuncFlags & FUNCFLAG_FRESTRICTED)) continue;
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

// --- the signatures, as an object browser shows them ---------------------------------

std::string TypeName(ITypeInfo* owner, const TYPEDESC& desc) {
  switch (desc.vt) {
    case VT_PTR: {
      // An object is named through one pointer; a second marks a reference.
      const TYPEDESC& to = *desc.lptdesc;
      bool object = false;
      ITypeInfo* ref = nullptr;
      TYPEATTR* attr = nullptr;
      if (to.vt == VT_USERDEFINED && SUCCEEDED(owner->GetRefTypeInfo(to.hreftype, &ref)) &&
          SUCCEEDED(ref->GetTypeAttr(&attr))) {
        object = attr->typekind == TKIND_DISPATCH || attr->typekind == TKIND_INTERFACE ||
                 (attr->typekind == TKIND_ALIAS && attr->tdescAlias.vt == VT_USERDEFINED);
        ref->ReleaseTypeAttr(attr);
      }
      if (ref) ref->Release();
      return TypeName(owner, to) + (object ? "" : "*");
    }
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      if (FAILED(owner->GetRefTypeInfo(desc.hreftype, &ref))) return "?";
      BSTR name = nullptr;
      ref->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
      std::string text = wine_check::Narrow({name, SysStringLen(name)});
      SysFreeString(name);
      ref->Release();
      return text;
    }
    case VT_I2: return "short";
    case VT_I4: return "long";
    case VT_UI4: return "unsigned long";
    case VT_BSTR: return "BSTR";
    case VT_BOOL: return "VARIANT_BOOL";
    case VT_VARIANT: return "VARIANT";
    case VT_DISPATCH: return "IDispatch";
    case VT_HRESULT: return "HRESULT";
    default: return "vt" + std::to_string(desc.vt);
  }
}

std::string DefaultText(const VARIANT& value) {
  if (V_VT(&value) == VT_BSTR) {
    std::string text = "\"";
    text += wine_check::Narrow({V_BSTR(&value), SysStringLen(V_BSTR(&value))});
    return text += '"';
  }
  VARIANT number;
  VariantInit(&number);
  if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4))) return "?";
  return std::to_string(V_I4(&number));
}

// "get Name(Index: short*) -> type", "put Name(Index: short*, type)",
// "call Name(Arg: type* opt =default) -> type".
std::string Signature(ITypeInfo* info, const FUNCDESC& desc) {
  BSTR names[16] = {};
  UINT count = 0;
  info->GetNames(desc.memid, names, 16, &count);
  std::string text = desc.invkind == INVOKE_FUNC ? "call " : desc.invkind == INVOKE_PROPERTYGET ? "get "
                     : desc.invkind == INVOKE_PROPERTYPUT                                        ? "put "
                                                                                                 : "putref ";
  text += wine_check::Narrow({names[0], SysStringLen(names[0])}) + "(";
  std::string result;
  bool first = true;
  const bool put = desc.invkind == INVOKE_PROPERTYPUT || desc.invkind == INVOKE_PROPERTYPUTREF;
  for (SHORT p = 0; p < desc.cParams; ++p) {
    const ELEMDESC& e = desc.lprgelemdescParam[p];
    const USHORT flags = e.paramdesc.wParamFlags;
    if (flags & PARAMFLAG_FRETVAL) {
      result = " -> " + TypeName(info, *e.tdesc.lptdesc);
      continue;
    }
    if (!first) text += ", ";
    first = false;
    const bool value = put && p == desc.cParams - 1;
    if (!value && static_cast<UINT>(p) + 1 < count) text += wine_check::Narrow({names[p + 1], SysStringLen(names[p + 1])}) + ": ";
    text += TypeName(info, e.tdesc);
    if (flags & PARAMFLAG_FOPT) text += " opt";
    if ((flags & PARAMFLAG_FHASDEFAULT) && e.paramdesc.pparamdescex) text += " =" + DefaultText(e.paramdesc.pparamdescex->varDefaultValue);
  }
  for (UINT i = 0; i < count; ++i) SysFreeString(names[i]);
  return text + ")" + result;
}

// The members of _FolivanTab as the description gives them: the arguments of
// each method, and the type and kind of accesses of each property.
std::vector<std::string> Described() {
  std::vector<std::string> lines = {
      "call SetTabDimensions(Width: short*, Height: short*)",
      "call JumpToTab(TabNo: short* opt =-1, TabCaption: BSTR* opt =\"\")",
      "call RemoveTab(WhichToRemove: short)",
      "call HideTab(Index: short)",
      "call ShowHiddenTab(Index: short)",
      "call InsertTab(AtIndex: VARIANT opt =-1)",
      "call SwapTabs(Tab1: short*, Tab2: short*)",
      "call Refresh()",
      "call InsertControl(Ctl: IDispatch*, AtIndex: short, Left: VARIANT* opt, Top: VARIANT* opt, Width: VARIANT* opt, "
      "Height: VARIANT* opt, Stretch: VARIANT_BOOL* opt =0)",
      "call InsertWindow(Form: IDispatch, TabNo: short)",
      "call EmbedWindow(cHwnd: long, TabNo: short)",
      "call GetControlDimensions(Left: VARIANT*, Top: VARIANT*, Width: VARIANT*, Height: VARIANT*) -> VARIANT",
  };
  struct Property {
    const char* name;
    const char* type;
    const char* puts;   // "put", "putref" or "" (read-only)
    const char* index;  // the index argument of a per-tab property
  };
  const Property properties[] = {
      {"Appearance", "Appearances", "put", nullptr},
      {"BackgroundPicture", "Picture", "putref", nullptr},
      {"Color", "Colors", "put", nullptr},
      {"ColorSystem", "ColorSystems", "put", nullptr},
      {"BackColor", "OLE_COLOR", "put", nullptr},
      {"GetClientAreaColor", "OLE_COLOR", "", nullptr},
      {"TabColorForeGround", "OLE_COLOR", "put", nullptr},
      {"TabColorShadow", "OLE_COLOR", "put", nullptr},
      {"TabColorLight", "OLE_COLOR", "put", nullptr},
      {"TabColorDarkShadow", "OLE_COLOR", "put", nullptr},
      {"TabColorHighLight", "OLE_COLOR", "put", nullptr},
      {"ForeColor", "OLE_COLOR", "put", nullptr},
      {"ToolTipStyle", "ToolTipTypes", "put", nullptr},
      {"FocusRect", "VARIANT_BOOL", "put", nullptr},
      {"ClientArea", "VARIANT_BOOL", "put", nullptr},
      {"WizardDetails", "VARIANT_BOOL", "put", nullptr},
      {"WizardPictures", "VARIANT_BOOL", "put", nullptr},
      {"Enabled", "VARIANT_BOOL", "put", nullptr},
      {"Tabs", "short", "put", nullptr},
      {"Font", "Font", "putref", nullptr},
      {"CurrentTab", "short", "put", nullptr},
      {"HotTracking", "VARIANT_BOOL", "put", nullptr},
      {"ShowToolTip", "VARIANT_BOOL", "put", nullptr},
      {"BoldSelected", "VARIANT_BOOL", "put", nullptr},
      {"LunaColors", "VARIANT_BOOL", "put", nullptr},
      {"NoteOneColors", "VARIANT_BOOL", "put", nullptr},
      {"AutoFocusControls", "VARIANT_BOOL", "put", nullptr},
      {"AutoResizeControls", "VARIANT_BOOL", "put", nullptr},
      {"PlainTab", "VARIANT_BOOL", "put", nullptr},
      {"hwnd", "long", "", nullptr},
      {"hdc", "long", "", nullptr},
      {"HasDC", "VARIANT_BOOL", "", nullptr},
      {"IControls", "IDispatch", "putref", nullptr},
      {"SpreadToContainer", "VARIANT_BOOL", "put", nullptr},
      {"Caption", "BSTR", "put", nullptr},
      {"TabEnabled", "VARIANT_BOOL", "put", nullptr},
      {"TabPicture", "Picture", "putref", nullptr},
      {"cTabStartColor", "OLE_COLOR", "put", nullptr},
      {"cTabEndColor", "OLE_COLOR", "put", nullptr},
      {"TabCaption", "BSTR", "put", "iIndex"},
      {"TabPassword", "BSTR", "put", "iIndex"},
      {"TagVariant", "VARIANT", "put", "iIndex"},
      {"TabToolTip", "BSTR", "put", "iIndex"},
      {"iTabEnabled", "VARIANT_BOOL", "put", "iTabIndex"},
      {"iTabPicture", "Picture", "putref", "iTabIndex"},
      {"TabStartColor", "OLE_COLOR", "put", "Index"},
      {"TabEndColor", "OLE_COLOR", "put", "Index"},
  };
  for (const Property& p : properties) {
    const std::string index = p.index ? std::string(p.index) + ": short*" : "";
    lines.push_back("get " + std::string(p.name) + "(" + index + ") -> " + p.type);
    if (*p.puts) lines.push_back(std::string(p.puts) + " " + p.name + "(" + (p.index ? index + ", " : "") + p.type + ")");
  }
  return lines;
}

void TestSignatures(ITypeLib* lib) {
  ITypeInfo* dispatch_view = nullptr;
  ITypeInfo* info = nullptr;
  HREFTYPE href = 0;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(IID__FolivanTab, &dispatch_view)) &&
      SUCCEEDED(dispatch_view->GetRefTypeOfImplType(static_cast<UINT>(-1), &href)))
    dispatch_view->GetRefTypeInfo(href, &info);
  if (!info) return Check(false, "the vtable view of _FolivanTab");
  std::set<std::string> actual;
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* desc = nullptr;
    info->GetFuncDesc(i, &desc);
    actual.insert(Signature(info, *desc));
    info->ReleaseFuncDesc(desc);
  }
  info->ReleaseTypeAttr(attr);
  std::string missing, extra;
  const std::vector<std::string> described = Described();
  for (const std::string& line : described)
    if (!actual.count(line)) missing += "\n    described: " + line;
  for (const std::string& line : actual)
    if (std::find(described.begin(), described.end(), line) == described.end()) extra += "\n    in library: " + line;
  Check(missing.empty() && extra.empty(),
        "every member of _FolivanTab has the described arguments, flags, defaults and type", missing + extra);
  info->Release();
  dispatch_view->Release();
}

// Enum members by value, with the names an object browser shows.
void TestEnums(ITypeLib* lib) {
  const std::map<std::string, std::string> described = {
      {"Appearances",
       "1 Windows Xp, 2 Property Page, 3 Visual Studio, 4 Office 2003, 5 Property Page Selected, 6 Visio, "
       "7 State Buttons, 8 Flat, 9 ssTab, 10 Ms Excel, 11 Rounded, 12 Wizard, 13 System"},
      {"Colors", "1 Color Default, 2 Color Office-2003, 3 Color VisualStudio"},
      {"ColorSystems", "1 Default Colors, 2 Customized Colors"},
      {"ToolTipTypes", "1 Standard, 2 Balloon"},
  };
  std::map<std::string, std::string> actual;
  for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    ITypeInfo* info = nullptr;
    if (FAILED(lib->GetTypeInfoType(i, &kind)) || kind != TKIND_ENUM || FAILED(lib->GetTypeInfo(i, &info))) continue;
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    std::string& text = actual[wine_check::Narrow({name, SysStringLen(name)})];
    SysFreeString(name);
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    for (UINT v = 0; v < attr->cVars; ++v) {
      VARDESC* var = nullptr;
      info->GetVarDesc(v, &var);
      BSTR member = nullptr;
      info->GetDocumentation(var->memid, &member, nullptr, nullptr, nullptr);
      text += (v ? ", " : "") + std::to_string(V_I4(var->lpvarValue)) + " " +
              wine_check::Narrow({member, SysStringLen(member)});
      SysFreeString(member);
      info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
  }
  for (const auto& [name, members] : described)
    wine_check::EqualText(win(actual[name]), win(members), "enum " + name + " has the described member names");
  Check(actual.size() == described.size(), "the library has the four enums");
}

// The library is a control library and the class a creatable control.
void TestFlags(ITypeLib* lib) {
  TLIBATTR* attr = nullptr;
  lib->GetLibAttr(&attr);
  Check(attr && (attr->wLibFlags & LIBFLAG_FCONTROL), "the library is flagged as a control library");
  if (attr) lib->ReleaseTLibAttr(attr);
  ITypeInfo* coclass = nullptr;
  TYPEATTR* type = nullptr;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(CLSID_FolivanTab, &coclass)) && SUCCEEDED(coclass->GetTypeAttr(&type))) {
    Check((type->wTypeFlags & (TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE)) == (TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE),
          "FolivanTab is a creatable control");
    coclass->ReleaseTypeAttr(type);
  } else {
    Check(false, "FolivanTab is in the library");
  }
  if (coclass) coclass->Release();
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

// The picture a designer's toolbox shows: bitmap 100, 16 x 15.
void TestToolboxBitmap() {
  HMODULE module = LoadLibraryExW(L"FolivanTabs.ocx", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HANDLE bitmap = module ? LoadImageW(module, MAKEINTRESOURCEW(100), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION) : nullptr;
  BITMAP info{};
  if (bitmap) GetObjectW(bitmap, sizeof(info), &info);
  Check(info.bmWidth == 16 && info.bmHeight == 15, "the module holds the 16 x 15 toolbox bitmap 100",
        std::to_string(info.bmWidth) + " x " + std::to_string(info.bmHeight));
  if (bitmap) DeleteObject(bitmap);
  if (module) FreeLibrary(module);
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
    TestSignatures(lib);
    TestEnums(lib);
    TestFlags(lib);
    TestToolboxBitmap();
    lib->Release();
  }
  CoUninitialize();
  return wine_check::Finish();
}
