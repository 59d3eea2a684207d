#include "activex/invoke.h"

#include <cstring>
#include <memory>
#include <vector>

namespace folivan::activex {

namespace {

// A value as the vtable receives it.
struct ValueType {
  VARTYPE vt = VT_EMPTY;  // VT_I4 for an enum; VT_UNKNOWN / VT_DISPATCH for an object
  bool by_ref = false;
  bool color = false;  // OLE_COLOR: any 32-bit value, a Long to script clients
  IID iid = IID_NULL;  // the interface of an object
};

struct Param {
  ValueType type;
  bool optional = false;
  bool has_default = false;
  VARIANT default_value;  // lives as long as the process
};

struct Member {
  MEMBERID id = 0;
  INVOKEKIND kind = INVOKE_FUNC;
  ULONG_PTR vtable_offset = 0;
  std::vector<Param> params;  // the arguments, a put's value last; without the result
  bool has_result = false;
  ValueType result;
};

bool IsOleColor(ITypeInfo* alias) {
  BSTR name = nullptr;
  bool color = SUCCEEDED(alias->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)) && name &&
               std::wcscmp(name, L"OLE_COLOR") == 0;
  SysFreeString(name);
  return color;
}

ValueType Resolve(ITypeInfo* owner, const TYPEDESC& desc) {
  int pointers = 0;
  const TYPEDESC* t = &desc;
  while (t->vt == VT_PTR && t->lptdesc) {
    ++pointers;
    t = t->lptdesc;
  }
  ValueType v;
  if (t->vt == VT_USERDEFINED) {
    ITypeInfo* ref = nullptr;
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(owner->GetRefTypeInfo(t->hreftype, &ref)) && SUCCEEDED(ref->GetTypeAttr(&attr))) {
      switch (attr->typekind) {
        case TKIND_ENUM:
          v.vt = VT_I4;
          break;
        case TKIND_ALIAS:
          v = Resolve(ref, attr->tdescAlias);
          v.color = v.color || IsOleColor(ref);
          if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && !v.by_ref) --pointers;  // IFontDisp
          break;
        case TKIND_INTERFACE:
        case TKIND_DISPATCH:
          // Named through one pointer: IFontDisp* is the object itself.
          v.vt = attr->typekind == TKIND_DISPATCH || (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH
                                                                                                  : VT_UNKNOWN;
          v.iid = attr->guid;
          --pointers;
          break;
        default:
          break;
      }
      ref->ReleaseTypeAttr(attr);
    }
    if (ref) ref->Release();
  } else {
    v.vt = t->vt;
    if (v.vt == VT_DISPATCH) v.iid = IID_IDispatch;
    if (v.vt == VT_UNKNOWN) v.iid = IID_IUnknown;
  }
  v.by_ref = pointers > 0;
  // OLE_COLOR is an unsigned long; the library has no other.
  if (v.vt == VT_UI4) v.color = true;
  return v;
}

std::vector<Member> ReadMembers(ITypeInfo* dispatch_view) {
  std::vector<Member> members;
  ITypeInfo* info = nullptr;
  HREFTYPE href = 0;
  if (FAILED(dispatch_view->GetRefTypeOfImplType(static_cast<UINT>(-1), &href)) ||
      FAILED(dispatch_view->GetRefTypeInfo(href, &info)))
    return members;
  TYPEATTR* attr = nullptr;
  if (SUCCEEDED(info->GetTypeAttr(&attr))) {
    for (UINT i = 0; i < attr->cFuncs; ++i) {
      FUNCDESC* desc = nullptr;
      if (FAILED(info->GetFuncDesc(i, &desc))) continue;
      Member m;
      m.id = desc->memid;
      m.kind = desc->invkind;
      m.vtable_offset = static_cast<ULONG_PTR>(desc->oVft);
      for (SHORT p = 0; p < desc->cParams; ++p) {
        const ELEMDESC& elem = desc->lprgelemdescParam[p];
        const USHORT flags = elem.paramdesc.wParamFlags;
        if (flags & PARAMFLAG_FRETVAL) {
          m.has_result = true;
          if (elem.tdesc.vt == VT_PTR && elem.tdesc.lptdesc) m.result = Resolve(info, *elem.tdesc.lptdesc);
          continue;
        }
        Param param;
        param.type = Resolve(info, elem.tdesc);
        param.optional = (flags & PARAMFLAG_FOPT) != 0;
        VariantInit(&param.default_value);
        if ((flags & PARAMFLAG_FHASDEFAULT) && elem.paramdesc.pparamdescex) {
          param.has_default =
              SUCCEEDED(VariantCopy(&param.default_value, &elem.paramdesc.pparamdescex->varDefaultValue));
        }
        m.params.push_back(param);
      }
      members.push_back(std::move(m));
      info->ReleaseFuncDesc(desc);
    }
    info->ReleaseTypeAttr(attr);
  }
  info->Release();
  return members;
}

// The member a dispatch call names: a call prefers the method, a put of an
// object accepts the other put.
const Member* FindMember(const std::vector<Member>& members, DISPID id, WORD flags) {
  INVOKEKIND order[2] = {INVOKE_FUNC, INVOKE_PROPERTYGET};
  if (!(flags & DISPATCH_METHOD)) order[0] = INVOKE_PROPERTYGET;
  if (flags & DISPATCH_PROPERTYPUT) order[0] = order[1] = INVOKE_PROPERTYPUT;
  if (flags & DISPATCH_PROPERTYPUTREF) order[0] = order[1] = INVOKE_PROPERTYPUTREF;
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    order[1] = order[0] == INVOKE_PROPERTYPUT ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT;
  if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
    return nullptr;
  for (INVOKEKIND kind : order)
    for (const Member& m : members)
      if (m.id == id && m.kind == kind) return &m;
  return nullptr;
}

bool IsMissing(const VARIANT& v) { return V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND; }

// Reads through references (a VARIANT by reference holding another one at
// most twice); nullptr for a NULL reference.
const VARIANT* Referent(const VARIANT* v) {
  for (int depth = 0; V_VT(v) == (VT_BYREF | VT_VARIANT); ++depth) {
    if (!V_VARIANTREF(v) || depth == 2) return nullptr;
    v = V_VARIANTREF(v);
  }
  if (V_ISBYREF(v) && !V_BYREF(v)) return nullptr;
  return v;
}

// `source` converted to a value of `type` (by value) in `out`, which the
// caller clears.
HRESULT Convert(const VARIANT& source, const ValueType& type, VARIANT* out) {
  const VARIANT* s = Referent(&source);
  if (!s) return DISP_E_TYPEMISMATCH;
  VARIANT plain;
  VariantInit(&plain);
  if (FAILED(VariantCopyInd(&plain, const_cast<VARIANT*>(s)))) return DISP_E_TYPEMISMATCH;
  HRESULT hr = S_OK;
  if (type.vt == VT_VARIANT) {
    *out = plain;
    return S_OK;
  }
  if (type.color) {
    VARIANT wide;
    VariantInit(&wide);
    hr = VariantChangeType(&wide, &plain, 0, VT_I8);
    if (SUCCEEDED(hr) && (V_I8(&wide) < INT32_MIN || V_I8(&wide) > UINT32_MAX)) hr = DISP_E_OVERFLOW;
    if (SUCCEEDED(hr)) {
      V_VT(out) = VT_UI4;
      V_UI4(out) = static_cast<ULONG>(V_I8(&wide));
    }
  } else if (type.vt == VT_DISPATCH || type.vt == VT_UNKNOWN) {
    if (V_VT(&plain) != VT_DISPATCH && V_VT(&plain) != VT_UNKNOWN) {
      hr = DISP_E_TYPEMISMATCH;
    } else {
      void* object = nullptr;
      IUnknown* unknown = V_UNKNOWN(&plain);
      const IID& iid = type.iid == IID_NULL ? IID_IUnknown : type.iid;
      if (unknown && FAILED(unknown->QueryInterface(iid, &object))) hr = DISP_E_TYPEMISMATCH;
      if (SUCCEEDED(hr)) {
        V_VT(out) = type.vt;
        V_UNKNOWN(out) = static_cast<IUnknown*>(object);
      }
    }
  } else {
    hr = VariantChangeType(out, &plain, 0, type.vt);
  }
  VariantClear(&plain);
  if (FAILED(hr) && hr != DISP_E_OVERFLOW) hr = DISP_E_TYPEMISMATCH;
  return hr;
}

// One argument of the call: a value of the member's type, or a reference the
// caller passed through.
struct Slot {
  VARIANT value;                  // owned
  VARIANT reference;              // VT_BYREF view of value, or of the caller's own variable
  VARIANT* write_back = nullptr;  // the caller's VARIANT that receives value after the call
};

class Frame {
 public:
  explicit Frame(size_t count) : slots_(std::make_unique<Slot[]>(count)), count_(count) {
    for (size_t i = 0; i < count; ++i) {
      VariantInit(&slots_[i].value);
      VariantInit(&slots_[i].reference);
    }
  }
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;
  ~Frame() {
    for (size_t i = 0; i < count_; ++i) VariantClear(&slots_[i].value);
  }
  Slot& operator[](size_t i) { return slots_[i]; }
  size_t size() const { return count_; }

 private:
  std::unique_ptr<Slot[]> slots_;
  size_t count_;
};

// The empty value of a type: a left-out optional argument without a default.
void EmptyValue(const ValueType& type, VARIANT* out) {
  VariantInit(out);
  if (type.vt == VT_VARIANT) {
    V_VT(out) = VT_ERROR;
    V_ERROR(out) = DISP_E_PARAMNOTFOUND;
  } else {
    V_VT(out) = type.vt;
  }
}

// Points slot.reference at the payload of slot.value.
void ReferToValue(Slot& slot, const ValueType& type) {
  if (type.vt == VT_VARIANT) {
    V_VT(&slot.reference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&slot.reference) = &slot.value;
  } else {
    V_VT(&slot.reference) = static_cast<VARTYPE>(VT_BYREF | V_VT(&slot.value));
    V_BYREF(&slot.reference) = &V_I4(&slot.value);  // the union's first byte
  }
}

// Prepares a by-reference argument: the caller's own variable when it has the
// member's type, else a converted temporary (given back afterwards when the
// caller passed a VARIANT by reference).
HRESULT PrepareReference(VARIANT& arg, const ValueType& type, Slot& slot) {
  const VARTYPE wanted = static_cast<VARTYPE>(VT_BYREF | type.vt);
  if (V_VT(&arg) == wanted && V_BYREF(&arg)) {
    slot.reference = arg;
    return S_OK;
  }
  if (V_VT(&arg) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&arg)) {
    VARIANT* inner = V_VARIANTREF(&arg);
    if (V_VT(inner) == wanted && V_BYREF(inner)) {
      slot.reference = *inner;
      return S_OK;
    }
    if (!V_ISBYREF(inner)) {
      if (HRESULT hr = Convert(*inner, type, &slot.value); FAILED(hr)) return hr;
      ReferToValue(slot, type);
      slot.write_back = inner;
      return S_OK;
    }
  }
  if (HRESULT hr = Convert(arg, type, &slot.value); FAILED(hr)) return hr;
  ReferToValue(slot, type);
  return S_OK;
}

void FillException(HRESULT hr, EXCEPINFO* excep) {
  if (!excep) return;
  std::memset(excep, 0, sizeof(*excep));
  excep->scode = hr;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) == S_OK && info) {
    info->GetSource(&excep->bstrSource);
    info->GetDescription(&excep->bstrDescription);
    info->GetHelpFile(&excep->bstrHelpFile);
    info->GetHelpContext(&excep->dwHelpContext);
    info->Release();
  }
}

}  // namespace

HRESULT InvokeMember(IUnknown* object, ITypeInfo* info, DISPID id, WORD flags, const DISPPARAMS& params,
                     VARIANT* result, EXCEPINFO* excep, UINT* arg_err) {
  // The type library lives as long as the process; so does its reading.
  static const std::vector<Member>& members = *new std::vector<Member>(ReadMembers(info));
  if ((params.cArgs && !params.rgvarg) || params.cNamedArgs > params.cArgs ||
      (params.cNamedArgs && !params.rgdispidNamedArgs))
    return E_INVALIDARG;
  const Member* member = FindMember(members, id, flags);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  if (result) VariantInit(result);

  // Which element of rgvarg supplies each parameter (-1: none). Positional
  // arguments come last in rgvarg, in reverse order; named ones name their
  // parameter by position.
  const bool put = member->kind == INVOKE_PROPERTYPUT || member->kind == INVOKE_PROPERTYPUTREF;
  const size_t count = member->params.size();
  const size_t indexes = put ? count - 1 : count;
  std::vector<int> source(count, -1);
  const UINT named = params.cNamedArgs;
  UINT positional = params.cArgs - named;
  if (put) {
    for (UINT k = 0; k < named; ++k)
      if (params.rgdispidNamedArgs[k] == DISPID_PROPERTYPUT) source[count - 1] = static_cast<int>(k);
    if (source[count - 1] < 0) {
      if (positional == 0) return DISP_E_BADPARAMCOUNT;
      source[count - 1] = static_cast<int>(named);  // the last positional argument
      --positional;
    }
  }
  if (positional > indexes) return DISP_E_BADPARAMCOUNT;
  for (UINT j = 0; j < positional; ++j) source[j] = static_cast<int>(params.cArgs - 1 - j);
  for (UINT k = 0; k < named; ++k) {
    const DISPID at = params.rgdispidNamedArgs[k];
    if (put && at == DISPID_PROPERTYPUT) continue;
    if (at < 0 || static_cast<size_t>(at) >= indexes || source[static_cast<size_t>(at)] >= 0) {
      if (arg_err) *arg_err = k;
      return DISP_E_PARAMNOTFOUND;
    }
    source[static_cast<size_t>(at)] = static_cast<int>(k);
  }

  Frame frame(count + 1);
  std::vector<VARTYPE> types(count + 1);
  std::vector<VARIANT*> pointers(count + 1);
  for (size_t i = 0; i < count; ++i) {
    const Param& param = member->params[i];
    Slot& slot = frame[i];
    const int from = source[i];
    const bool missing = from < 0 || IsMissing(params.rgvarg[from]);
    HRESULT hr = S_OK;
    if (missing) {
      if (param.has_default) {
        hr = Convert(param.default_value, param.type, &slot.value);
      } else if (param.optional) {
        EmptyValue(param.type, &slot.value);
      } else if (from < 0) {
        return named ? DISP_E_PARAMNOTFOUND : DISP_E_BADPARAMCOUNT;
      } else {
        hr = DISP_E_PARAMNOTFOUND;
      }
      if (SUCCEEDED(hr) && param.type.by_ref) ReferToValue(slot, param.type);
    } else if (param.type.by_ref) {
      hr = PrepareReference(params.rgvarg[from], param.type, slot);
    } else {
      hr = Convert(params.rgvarg[from], param.type, &slot.value);
    }
    if (FAILED(hr)) {
      if (arg_err && from >= 0) *arg_err = static_cast<UINT>(from);
      return hr;
    }
    types[i] = param.type.by_ref ? V_VT(&slot.reference) : V_VT(&slot.value);
    if (param.type.vt == VT_VARIANT && !param.type.by_ref) types[i] = VT_VARIANT;
    pointers[i] = param.type.by_ref ? &slot.reference : &slot.value;
  }
  size_t actuals = count;
  if (member->has_result) {
    Slot& slot = frame[count];
    EmptyValue(member->result, &slot.value);
    if (member->result.vt == VT_VARIANT) V_VT(&slot.value) = VT_EMPTY;
    ReferToValue(slot, member->result);
    types[count] = V_VT(&slot.reference);
    pointers[count] = &slot.reference;
    ++actuals;
  }

  VARIANT returned;
  VariantInit(&returned);
  HRESULT hr = DispCallFunc(object, member->vtable_offset, CC_STDCALL, VT_ERROR, static_cast<UINT>(actuals),
                            types.data(), pointers.data(), &returned);
  if (FAILED(hr)) return hr;
  hr = V_ERROR(&returned);
  if (FAILED(hr)) {
    FillException(hr, excep);
    return DISP_E_EXCEPTION;
  }
  for (size_t i = 0; i < count; ++i) {
    Slot& slot = frame[i];
    if (!slot.write_back) continue;
    VariantClear(slot.write_back);
    *slot.write_back = slot.value;
    VariantInit(&slot.value);
  }
  if (member->has_result && result) {
    *result = frame[count].value;
    VariantInit(&frame[count].value);
    // Colours go to script clients as a Long, as the runtime's controls give them.
    if (member->result.color && V_VT(result) == VT_UI4) V_VT(result) = VT_I4;
  }
  return S_OK;
}

}  // namespace folivan::activex
