// The type library embedded in FolivanTabs.ocx as compiled clients and object
// browsers see it, written out one line a fact and compared with typelib.txt:
// every accessor of _FolivanTab in vtable order with its dispatch identifier,
// kind and arguments (types, references, optional arguments and defaults),
// every event of __FolivanTab with its identifier and arguments, the enum
// member names, the library and class flags and the toolbox bitmap. Reads
// the module file, without registration. `typelib_test --print` prints the
// lines (for typelib.txt, after a deliberate change of the library).
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "wine_check.h"

using wine_check::Check;

namespace {

std::string Text(BSTR text) { return wine_check::FromBstr(text); }

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
      std::string text = Text(name);
      SysFreeString(name);
      ref->Release();
      return text;
    }
    case VT_I2: return "short";
    case VT_I4: return "long";
    case VT_R4: return "single";
    case VT_UI4: return "unsigned long";
    case VT_BSTR: return "BSTR";
    case VT_BOOL: return "VARIANT_BOOL";
    case VT_VARIANT: return "VARIANT";
    case VT_DISPATCH: return "IDispatch";
    default: return "vt" + std::to_string(desc.vt);
  }
}

std::string DefaultText(const VARIANT& value) {
  if (V_VT(&value) == VT_BSTR) {
    std::string text = "\"";
    text += Text(V_BSTR(&value));
    return text += '"';
  }
  VARIANT number;
  VariantInit(&number);
  if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4))) return "?";
  return std::to_string(V_I4(&number));
}

// "0x68030021 get Tabs() -> short", "... put Name(Index: short*, type)",
// "... call Name(Arg: type* opt =default) -> type".
std::string Signature(ITypeInfo* info, const FUNCDESC& desc) {
  BSTR names[16] = {};
  UINT count = 0;
  info->GetNames(desc.memid, names, 16, &count);
  char id[16];
  wsprintfA(id, "0x%08lx ", static_cast<unsigned long>(desc.memid));
  std::string text = id;
  text += desc.invkind == INVOKE_FUNC ? "call " : desc.invkind == INVOKE_PROPERTYGET ? "get "
          : desc.invkind == INVOKE_PROPERTYPUT                                        ? "put "
                                                                                      : "putref ";
  text += Text(names[0]) + "(";
  std::string result;
  const bool put = desc.invkind == INVOKE_PROPERTYPUT || desc.invkind == INVOKE_PROPERTYPUTREF;
  for (SHORT p = 0; p < desc.cParams; ++p) {
    const ELEMDESC& e = desc.lprgelemdescParam[p];
    const USHORT flags = e.paramdesc.wParamFlags;
    if (flags & PARAMFLAG_FRETVAL) {
      result = " -> " + TypeName(info, *e.tdesc.lptdesc);
      continue;
    }
    if (p > 0) text += ", ";
    if (!(put && p == desc.cParams - 1) && static_cast<UINT>(p) + 1 < count) text += Text(names[p + 1]) + ": ";
    text += TypeName(info, e.tdesc);
    if (flags & PARAMFLAG_FOPT) text += " opt";
    if ((flags & PARAMFLAG_FHASDEFAULT) && e.paramdesc.pparamdescex)
      text += " =" + DefaultText(e.paramdesc.pparamdescex->varDefaultValue);
  }
  for (UINT i = 0; i < count; ++i) SysFreeString(names[i]);
  return text + ")" + result;
}

// The functions of a type info (a dispinterface's IDispatch methods, restricted, aside).
void Functions(ITypeInfo* info, const std::string& prefix, std::vector<std::string>& lines) {
  TYPEATTR* attr = nullptr;
  info->GetTypeAttr(&attr);
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* desc = nullptr;
    if (FAILED(info->GetFuncDesc(i, &desc))) continue;
    if (!(desc->wFuncFlags & FUNCFLAG_FRESTRICTED)) lines.push_back(prefix + Signature(info, *desc));
    info->ReleaseFuncDesc(desc);
  }
  info->ReleaseTypeAttr(attr);
}

// "enum Appearances: 1 Windows Xp, 2 ...".
void Enums(ITypeLib* lib, std::vector<std::string>& lines) {
  for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    ITypeInfo* info = nullptr;
    if (FAILED(lib->GetTypeInfoType(i, &kind)) || kind != TKIND_ENUM || FAILED(lib->GetTypeInfo(i, &info))) continue;
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    std::string text = "enum " + Text(name) + ":";
    SysFreeString(name);
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    for (UINT v = 0; v < attr->cVars; ++v) {
      VARDESC* var = nullptr;
      info->GetVarDesc(v, &var);
      BSTR member = nullptr;
      info->GetDocumentation(var->memid, &member, nullptr, nullptr, nullptr);
      text += (v ? ", " : " ") + std::to_string(V_I4(var->lpvarValue)) + " " + Text(member);
      SysFreeString(member);
      info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
    lines.push_back(text);
  }
}

std::vector<std::string> Describe(ITypeLib* lib) {
  std::vector<std::string> lines;
  // The members as the vtable view of the dual interface holds them.
  ITypeInfo* dispatch_view = nullptr;
  ITypeInfo* vtable_view = nullptr;
  HREFTYPE href = 0;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(IID__FolivanTab, &dispatch_view)) &&
      SUCCEEDED(dispatch_view->GetRefTypeOfImplType(static_cast<UINT>(-1), &href)) &&
      SUCCEEDED(dispatch_view->GetRefTypeInfo(href, &vtable_view))) {
    Functions(vtable_view, "member ", lines);
    vtable_view->Release();
  }
  if (dispatch_view) dispatch_view->Release();
  ITypeInfo* events = nullptr;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(DIID___FolivanTab, &events))) {
    Functions(events, "event ", lines);
    events->Release();
  }
  Enums(lib, lines);
  TLIBATTR* attr = nullptr;
  lib->GetLibAttr(&attr);
  lines.push_back(std::string("library control ") + (attr && (attr->wLibFlags & LIBFLAG_FCONTROL) ? "yes" : "no"));
  if (attr) lib->ReleaseTLibAttr(attr);
  ITypeInfo* coclass = nullptr;
  TYPEATTR* type = nullptr;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(CLSID_FolivanTab, &coclass)) && SUCCEEDED(coclass->GetTypeAttr(&type))) {
    lines.push_back(std::string("class FolivanTab control ") + (type->wTypeFlags & TYPEFLAG_FCONTROL ? "yes" : "no") +
                    " creatable " + (type->wTypeFlags & TYPEFLAG_FCANCREATE ? "yes" : "no"));
    coclass->ReleaseTypeAttr(type);
  }
  if (coclass) coclass->Release();
  // The picture a designer's toolbox shows.
  HMODULE module = LoadLibraryExW(L"FolivanTabs.ocx", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HANDLE bitmap = module ? LoadImageW(module, MAKEINTRESOURCEW(100), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION) : nullptr;
  BITMAP info{};
  if (bitmap) GetObjectW(bitmap, sizeof(info), &info);
  lines.push_back("toolbox bitmap 100 " + std::to_string(info.bmWidth) + " x " + std::to_string(info.bmHeight));
  if (bitmap) DeleteObject(bitmap);
  if (module) FreeLibrary(module);
  return lines;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitialize(nullptr);
  ITypeLib* lib = nullptr;
  Check(SUCCEEDED(LoadTypeLibEx(L"FolivanTabs.ocx", REGKIND_NONE, &lib)) && lib, "the module embeds its type library");
  if (lib && argc > 1 && std::wstring(argv[1]) == L"--print") {
    for (const std::string& line : Describe(lib)) std::printf("%s\n", line.c_str());
    return 0;
  }
  std::vector<std::string> expected;
  std::ifstream file("typelib.txt");
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#') expected.push_back(line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
  Check(!expected.empty(), "typelib.txt is beside the program");
  if (lib && !expected.empty()) {
    const std::vector<std::string> actual = Describe(lib);
    // One check a kind of line: its first word.
    std::map<std::string, std::string> differences;
    std::set<std::string> kinds;
    auto kind = [](const std::string& line) { return line.substr(0, line.find(' ')); };
    for (const std::string& line : expected) kinds.insert(kind(line));
    for (size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
      const std::string e = i < expected.size() ? expected[i] : "", a = i < actual.size() ? actual[i] : "";
      if (e != a) differences[kind(e.empty() ? a : e)] += "\n    line " + std::to_string(i + 1) + ": " + a + "\n    expected: " + e;
    }
    size_t reported = 0;
    for (const std::string& k : kinds) {
      const auto found = differences.find(k);
      const bool same = found == differences.end();
      Check(same, "every " + k + " line of the library is as typelib.txt has it", same ? "" : found->second);
      reported += same ? 0 : 1;
    }
    std::string others;
    for (const auto& [k, text] : differences) others += kinds.count(k) ? "" : text;
    Check(reported == differences.size() && actual.size() == expected.size(),
          "the library has no other lines than typelib.txt", std::to_string(actual.size()) + " lines" + others);
    lib->Release();
  }
  CoUninitialize();
  return wine_check::Finish();
}
