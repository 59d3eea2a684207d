// Build tool: rewrites the type library that widl compiled from
// FolivanTabs.idl, through ICreateTypeLib2, with what IDL cannot say:
//   - enum members named by their display texts ("Windows Xp",
//     "Color Office-2003"), which are no IDL identifiers;
//   - the defaults of two optional arguments widl cannot record (a text on a
//     by-reference text, a negative number on a VARIANT);
//   - colours typed as stdole's OLE_COLOR (widl flattens the typedef to
//     unsigned long; the library has no other unsigned long);
//   - the library flagged as a control library.
// Everything else is copied as it is. Runs under Wine at build time:
//   finish_typelib.exe in.tlb out.tlb win32|win64
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <string>
#include <vector>

namespace {

struct Rename {
  const wchar_t* idl_name;
  const wchar_t* name;
};
constexpr Rename kEnumNames[] = {
    {L"Windows_Xp", L"Windows Xp"},
    {L"Property_Page", L"Property Page"},
    {L"Visual_Studio", L"Visual Studio"},
    {L"Office_2003", L"Office 2003"},
    {L"Property_Page_Selected", L"Property Page Selected"},
    {L"State_Buttons", L"State Buttons"},
    {L"Ms_Excel", L"Ms Excel"},
    {L"Color_Default", L"Color Default"},
    {L"Color_Office_2003", L"Color Office-2003"},
    {L"Color_VisualStudio", L"Color VisualStudio"},
    {L"Default_Colors", L"Default Colors"},
    {L"Customized_Colors", L"Customized Colors"},
};

struct Default {
  const wchar_t* member;
  const wchar_t* param;
  VARTYPE vt;
  short number;
  const wchar_t* text;
};
constexpr Default kDefaults[] = {
    {L"JumpToTab", L"TabCaption", VT_BSTR, 0, L""},
    {L"InsertTab", L"AtIndex", VT_I2, -1, nullptr},
};

[[noreturn]] void Fail(const char* what, HRESULT hr) {
  std::fprintf(stderr, "finish_typelib: %s failed (hr 0x%08lx)\n", what, static_cast<unsigned long>(hr));
  std::exit(1);
}

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) Fail(what, hr);
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id) {
  BSTR name = nullptr;
  std::wstring result;
  if (SUCCEEDED(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr)) && name) result = name;
  SysFreeString(name);
  return result;
}

class Copier {
 public:
  Copier(ITypeLib* source, ICreateTypeLib2* target, SHORT pointer_size)
      : source_(source), target_(target), pointer_size_(pointer_size) {
    ITypeLib* stdole = nullptr;
    Check(LoadTypeLib(L"stdole2.tlb", &stdole), "LoadTypeLib(stdole2.tlb)");
    ITypeInfo* found[1] = {};
    MEMBERID ids[1] = {};
    USHORT count = 1;
    std::wstring name = L"OLE_COLOR";
    Check(stdole->FindName(name.data(), 0, found, ids, &count), "FindName(OLE_COLOR)");
    if (count != 1) Fail("stdole2.tlb holds OLE_COLOR", E_FAIL);
    ole_color_ = found[0];
    stdole->Release();
  }

  void Run() {
    TLIBATTR* lib = nullptr;
    Check(source_->GetLibAttr(&lib), "GetLibAttr");
    Check(target_->SetGuid(lib->guid), "SetGuid");
    Check(target_->SetVersion(lib->wMajorVerNum, lib->wMinorVerNum), "SetVersion");
    Check(target_->SetLcid(lib->lcid), "SetLcid");
    Check(target_->SetLibFlags(lib->wLibFlags | LIBFLAG_FCONTROL), "SetLibFlags");
    source_->ReleaseTLibAttr(lib);
    BSTR name = nullptr, doc = nullptr;
    Check(source_->GetDocumentation(-1, &name, &doc, nullptr, nullptr), "GetDocumentation");
    Check(target_->SetName(name), "SetName");
    if (doc) Check(target_->SetDocString(doc), "SetDocString");
    SysFreeString(name);
    SysFreeString(doc);

    // Every type first, so that references between them resolve in any order.
    const UINT count = source_->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
      ITypeInfo* info = nullptr;
      Check(source_->GetTypeInfo(i, &info), "GetTypeInfo");
      TYPEATTR* attr = nullptr;
      Check(info->GetTypeAttr(&attr), "GetTypeAttr");
      TYPEKIND kind = attr->typekind;
      if (kind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL)) {
        // A dual interface is written from its vtable view.
        HREFTYPE href = 0;
        ITypeInfo* vtable = nullptr;
        Check(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &href), "GetRefTypeOfImplType(-1)");
        Check(info->GetRefTypeInfo(href, &vtable), "vtable view");
        info->ReleaseTypeAttr(attr);
        info->Release();
        info = vtable;
        Check(info->GetTypeAttr(&attr), "GetTypeAttr");
        kind = TKIND_INTERFACE;
      }
      std::wstring type_name = NameOf(info, MEMBERID_NIL);
      ICreateTypeInfo* created = nullptr;
      Check(target_->CreateTypeInfo(type_name.data(), kind, &created), "CreateTypeInfo");
      ITypeInfo* as_info = nullptr;
      Check(created->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&as_info)), "QueryInterface(ITypeInfo)");
      types_.push_back({info, created, as_info});
      info->ReleaseTypeAttr(attr);
    }
    for (Type& type : types_) CopyType(type);
    Check(target_->SaveAllChanges(), "SaveAllChanges");
  }

 private:
  struct Type {
    ITypeInfo* source;
    ICreateTypeInfo* target;
    ITypeInfo* target_info;
  };

  // The target's reference to the type that `href` of `from` names.
  HREFTYPE MapReference(ITypeInfo* from, HREFTYPE href, ICreateTypeInfo* to) {
    ITypeInfo* referenced = nullptr;
    Check(from->GetRefTypeInfo(href, &referenced), "GetRefTypeInfo");
    ITypeInfo* target = referenced;
    ITypeLib* lib = nullptr;
    UINT index = 0;
    if (SUCCEEDED(referenced->GetContainingTypeLib(&lib, &index))) {
      if (lib == source_ || SameLibrary(lib)) {
        // A dual interface named from another type means its dispatch view; the
        // copy's own type stands for both.
        if (index < types_.size()) target = types_[index].target_info;
      }
      else if (TYPEATTR* attr = nullptr; SUCCEEDED(referenced->GetTypeAttr(&attr))) {
        // stdole's IFontDisp and IPictureDisp are aliases without a GUID of
        // the dispinterfaces Font and Picture; a reference is recorded by GUID.
        ITypeInfo* by_guid = nullptr;
        if (attr->typekind == TKIND_ALIAS && IsEqualGUID(attr->guid, GUID_NULL) &&
            attr->tdescAlias.vt == VT_USERDEFINED &&
            SUCCEEDED(referenced->GetRefTypeInfo(attr->tdescAlias.hreftype, &by_guid))) {
          target = by_guid;
          fresh_.push_back(by_guid);
        }
        referenced->ReleaseTypeAttr(attr);
      }
      lib->Release();
    }
    HREFTYPE mapped = 0;
    Check(to->AddRefTypeInfo(target, &mapped), "AddRefTypeInfo");
    referenced->Release();
    return mapped;
  }

  bool SameLibrary(ITypeLib* lib) {
    TLIBATTR* a = nullptr;
    TLIBATTR* b = nullptr;
    if (FAILED(lib->GetLibAttr(&a))) return false;
    if (FAILED(source_->GetLibAttr(&b))) {
      lib->ReleaseTLibAttr(a);
      return false;
    }
    bool same = IsEqualGUID(a->guid, b->guid);
    lib->ReleaseTLibAttr(a);
    source_->ReleaseTLibAttr(b);
    return same;
  }

  // A deep copy of `desc` with its references remapped, in storage that
  // lives until the copier ends.
  TYPEDESC* CopyTypeDesc(const TYPEDESC& desc, ITypeInfo* from, ICreateTypeInfo* to) {
    TYPEDESC* copy = &storage_.emplace_back();
    copy->vt = desc.vt;
    if ((desc.vt == VT_PTR || desc.vt == VT_SAFEARRAY) && desc.lptdesc) {
      copy->lptdesc = CopyTypeDesc(*desc.lptdesc, from, to);
    } else if (desc.vt == VT_USERDEFINED) {
      copy->hreftype = MapReference(from, desc.hreftype, to);
    } else if (desc.vt == VT_UI4) {
      copy->vt = VT_USERDEFINED;
      Check(to->AddRefTypeInfo(ole_color_, &copy->hreftype), "AddRefTypeInfo(OLE_COLOR)");
    }
    return copy;
  }

  void CopyType(Type& type) {
    ITypeInfo* from = type.source;
    ICreateTypeInfo* to = type.target;
    TYPEATTR* attr = nullptr;
    Check(from->GetTypeAttr(&attr), "GetTypeAttr");
    Check(to->SetGuid(attr->guid), "SetGuid(type)");
    Check(to->SetVersion(attr->wMajorVerNum, attr->wMinorVerNum), "SetVersion(type)");
    if (attr->typekind == TKIND_RECORD) Check(to->SetAlignment(attr->cbAlignment), "SetAlignment");
    BSTR doc = nullptr;
    DWORD context = 0;
    if (SUCCEEDED(from->GetDocumentation(MEMBERID_NIL, nullptr, &doc, &context, nullptr))) {
      if (doc) Check(to->SetDocString(doc), "SetDocString(type)");
      if (context) Check(to->SetHelpContext(context), "SetHelpContext(type)");
      SysFreeString(doc);
    }
    for (UINT i = 0; i < attr->cImplTypes; ++i) {
      HREFTYPE href = 0;
      Check(from->GetRefTypeOfImplType(i, &href), "GetRefTypeOfImplType");
      Check(to->AddImplType(i, MapReference(from, href, to)), "AddImplType");
      INT flags = 0;
      if (SUCCEEDED(from->GetImplTypeFlags(i, &flags)) && flags) Check(to->SetImplTypeFlags(i, flags), "SetImplTypeFlags");
    }
    Check(to->SetTypeFlags(attr->wTypeFlags), "SetTypeFlags");
    for (UINT i = 0; i < attr->cFuncs; ++i) CopyFunction(from, to, i);
    for (UINT i = 0; i < attr->cVars; ++i) CopyVariable(from, to, i, attr->typekind);
    from->ReleaseTypeAttr(attr);
  }

  void CopyFunction(ITypeInfo* from, ICreateTypeInfo* to, UINT index) {
    FUNCDESC* desc = nullptr;
    Check(from->GetFuncDesc(index, &desc), "GetFuncDesc");
    std::vector<BSTR> names(static_cast<size_t>(desc->cParams) + 1);
    UINT count = 0;
    Check(from->GetNames(desc->memid, names.data(), static_cast<UINT>(names.size()), &count), "GetNames");
    // Property accessors share their identifier: the names of this one.
    FUNCDESC copy = *desc;
    std::vector<ELEMDESC> params(desc->lprgelemdescParam, desc->lprgelemdescParam + desc->cParams);
    std::vector<PARAMDESCEX> defaults(params.size());
    for (size_t p = 0; p < params.size(); ++p) {
      params[p].tdesc = *CopyTypeDesc(desc->lprgelemdescParam[p].tdesc, from, to);
      for (const Default& d : kDefaults) {
        if (std::wcscmp(names[0], d.member) != 0 || p + 1 >= count || std::wcscmp(names[p + 1], d.param) != 0)
          continue;
        PARAMDESCEX& ex = defaults[p];
        ex.cBytes = sizeof(ex);
        VariantInit(&ex.varDefaultValue);
        V_VT(&ex.varDefaultValue) = d.vt;
        if (d.vt == VT_BSTR) V_BSTR(&ex.varDefaultValue) = SysAllocString(d.text);
        else V_I2(&ex.varDefaultValue) = d.number;
        params[p].paramdesc.wParamFlags |= PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT;
        params[p].paramdesc.pparamdescex = &ex;
      }
    }
    copy.lprgelemdescParam = params.empty() ? nullptr : params.data();
    copy.elemdescFunc.tdesc = *CopyTypeDesc(desc->elemdescFunc.tdesc, from, to);
    copy.lprgscode = nullptr;
    copy.cScodes = 0;
    // The source's vtable offsets count this process's pointers; the target's
    // count the target's (a 32-bit library written by this 64-bit tool).
    copy.oVft = static_cast<SHORT>(desc->oVft / static_cast<SHORT>(sizeof(void*)) * pointer_size_);
    Check(to->AddFuncDesc(index, &copy), "AddFuncDesc");
    // A put's value argument has no name of its own.
    UINT named = count;
    if ((desc->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) && named > static_cast<UINT>(desc->cParams))
      named = static_cast<UINT>(desc->cParams);
    Check(to->SetFuncAndParamNames(index, names.data(), named), "SetFuncAndParamNames");
    BSTR doc = nullptr;
    DWORD context = 0;
    if (SUCCEEDED(from->GetDocumentation(desc->memid, nullptr, &doc, &context, nullptr))) {
      if (doc) Check(to->SetFuncDocString(index, doc), "SetFuncDocString");
      if (context) Check(to->SetFuncHelpContext(index, context), "SetFuncHelpContext");
      SysFreeString(doc);
    }
    for (PARAMDESCEX& ex : defaults) VariantClear(&ex.varDefaultValue);
    for (UINT i = 0; i < count; ++i) SysFreeString(names[i]);
    from->ReleaseFuncDesc(desc);
  }

  void CopyVariable(ITypeInfo* from, ICreateTypeInfo* to, UINT index, TYPEKIND kind) {
    VARDESC* desc = nullptr;
    Check(from->GetVarDesc(index, &desc), "GetVarDesc");
    VARDESC copy = *desc;
    copy.elemdescVar.tdesc = *CopyTypeDesc(desc->elemdescVar.tdesc, from, to);
    // Enum constants are longs of the enum itself.
    if (kind == TKIND_ENUM) copy.elemdescVar.tdesc = desc->elemdescVar.tdesc;
    Check(to->AddVarDesc(index, &copy), "AddVarDesc");
    std::wstring name = NameOf(from, desc->memid);
    if (kind == TKIND_ENUM) {
      for (const Rename& r : kEnumNames)
        if (name == r.idl_name) name = r.name;
    }
    Check(to->SetVarName(index, name.data()), "SetVarName");
    BSTR doc = nullptr;
    if (SUCCEEDED(from->GetDocumentation(desc->memid, nullptr, &doc, nullptr, nullptr)) && doc) {
      Check(to->SetVarDocString(index, doc), "SetVarDocString");
      SysFreeString(doc);
    }
    from->ReleaseVarDesc(desc);
  }

  ITypeLib* source_;
  ICreateTypeLib2* target_;
  SHORT pointer_size_;
  ITypeInfo* ole_color_ = nullptr;
  std::vector<Type> types_;
  std::vector<ITypeInfo*> fresh_;
  std::deque<TYPEDESC> storage_;  // stable addresses
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: finish_typelib in.tlb out.tlb win32|win64\n");
    return 2;
  }
  CoInitialize(nullptr);
  ITypeLib* source = nullptr;
  Check(LoadTypeLibEx(argv[1], REGKIND_NONE, &source), "LoadTypeLibEx");
  const SYSKIND kind = std::wcscmp(argv[3], L"win32") == 0 ? SYS_WIN32 : SYS_WIN64;
  DeleteFileW(argv[2]);
  ICreateTypeLib2* target = nullptr;
  Check(CreateTypeLib2(kind, argv[2], &target), "CreateTypeLib2");
  Copier(source, target, kind == SYS_WIN32 ? 4 : 8).Run();
  return 0;
}
