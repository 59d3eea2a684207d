// Every member of _FolivanTab called with every pattern of arguments a client
// can send, generated from typelib.txt: through IDispatch::Invoke (good
// values by value, by reference and as VARIANTs by reference; each optional
// argument left out; too few and too many arguments; each required argument
// left out; each argument of a wrong type; NULL references; named arguments)
// and through the dual vtable (NULL pointers, VARIANTs that hold NULL
// references, missing values or wrong types), on a bare control and on one
// active in place in Wine's ATL host. Nothing may crash; argument errors come
// back before the member runs and name their argument (puArgErr); left-out
// arguments take their defaults. And the font object: a change made through
// it repaints the control in place and reports Font to the container. Needs
// the control registered (the harness does).
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "wine_check.h"

using com::Query;
using com::Ref;
using wine_check::Check;
using wine_check::Equal;

namespace {

// --- the members, as typelib.txt lists them (typelib_test holds the library to it) ---------------

struct Param {
  VARTYPE vt = VT_EMPTY;  // VT_DISPATCH for an object, VT_UI4 for a colour
  bool by_ref = false;
  bool optional = false;
  bool is_enum = false;
  IID iid = IID_NULL;
};

struct Member {
  std::string name;
  MEMBERID id = 0;
  INVOKEKIND kind = INVOKE_FUNC;
  ULONG_PTR offset = 0;
  std::vector<Param> params;  // a put's value last
  bool has_result = false;
  Param result;
};

// "short*", "Font", "VARIANT_BOOL opt =0", "Appearances" (an enum).
Param ParseType(std::string text) {
  static const std::map<std::string, VARTYPE> kTypes = {
      {"short", VT_I2},       {"long", VT_I4},         {"BSTR", VT_BSTR},        {"VARIANT_BOOL", VT_BOOL},
      {"VARIANT", VT_VARIANT}, {"OLE_COLOR", VT_UI4},  {"IDispatch", VT_DISPATCH}, {"Font", VT_DISPATCH},
      {"Picture", VT_DISPATCH}};
  Param p;
  p.optional = text.find(" opt") != std::string::npos;
  text = text.substr(0, text.find(' '));
  p.by_ref = text.back() == '*';
  if (p.by_ref) text.pop_back();
  auto it = kTypes.find(text);
  p.is_enum = it == kTypes.end();
  p.vt = p.is_enum ? VARTYPE{VT_I4} : it->second;
  if (text == "Font") p.iid = IID_IFontDisp;
  return p;
}

// "member 0x6803001e put TabCaption(iIndex: short*, BSTR)", in vtable order after IDispatch's seven.
std::vector<Member> ReadMembers() {
  std::vector<Member> members;
  std::ifstream file("typelib.txt");
  for (std::string line; std::getline(file, line);) {
    if (line.rfind("member ", 0) != 0) continue;
    std::istringstream words(line.substr(7));
    std::string id, kind;
    Member m;
    words >> id >> kind >> m.name;
    m.id = static_cast<MEMBERID>(std::stoul(id, nullptr, 16));
    m.kind = kind == "call"  ? INVOKE_FUNC
             : kind == "get" ? INVOKE_PROPERTYGET
             : kind == "put" ? INVOKE_PROPERTYPUT
                             : INVOKE_PROPERTYPUTREF;
    m.offset = (7 + members.size()) * sizeof(void*);
    const size_t open = line.find('('), close = line.find(')');
    std::istringstream params(line.substr(open + 1, close - open - 1));
    for (std::string param; std::getline(params >> std::ws, param, ',');)
      m.params.push_back(ParseType(param.substr(param.find(':') == std::string::npos ? 0 : param.find(": ") + 2)));
    m.has_result = line.find(" -> ", close) != std::string::npos;
    if (m.has_result) m.result = ParseType(line.substr(line.find(" -> ", close) + 4));
    m.name = m.name.substr(0, m.name.find('('));
    members.push_back(m);
  }
  return members;
}

bool IsPut(const Member& m) { return m.kind == INVOKE_PROPERTYPUT || m.kind == INVOKE_PROPERTYPUTREF; }

// --- values -----------------------------------------------------------------------------------------

IDispatch* g_font = nullptr;     // a StdFont, for Font
IUnknown* g_no_value = nullptr;  // an object that converts to no value (a stream)

// A value the member takes (an empty text: no password, no caption lookup).
VARIANT Good(const Param& p) {
  VARIANT v;
  VariantInit(&v);
  switch (p.vt) {
    case VT_I2: V_VT(&v) = VT_I2; V_I2(&v) = 1; break;
    case VT_I4: V_VT(&v) = VT_I4; V_I4(&v) = p.is_enum ? 1 : 0; break;
    case VT_UI4: V_VT(&v) = VT_I4; V_I4(&v) = static_cast<LONG>(0x80000005); break;
    case VT_BOOL: V_VT(&v) = VT_BOOL; V_BOOL(&v) = VARIANT_FALSE; break;
    case VT_BSTR: V_VT(&v) = VT_BSTR; V_BSTR(&v) = SysAllocString(L""); break;
    case VT_VARIANT: V_VT(&v) = VT_I2; V_I2(&v) = 1; break;
    case VT_DISPATCH:
      V_VT(&v) = VT_DISPATCH;
      V_DISPATCH(&v) = p.iid == IID_IFontDisp ? g_font : nullptr;
      if (V_DISPATCH(&v)) V_DISPATCH(&v)->AddRef();
      break;
    default: break;
  }
  return v;
}

// A value of the wrong type for p, or VT_EMPTY where every value is right (VARIANT).
VARIANT Wrong(const Param& p) {
  VARIANT v;
  VariantInit(&v);
  if (p.vt == VT_VARIANT) return v;
  if (p.vt == VT_BSTR) {
    V_VT(&v) = VT_UNKNOWN;
    V_UNKNOWN(&v) = g_no_value;
    g_no_value->AddRef();
  } else {
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"not a number");
  }
  return v;
}

VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_ERROR;
  V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
  return v;
}

// The argument list of a call, in the member's order; owns what it holds.
struct Args {
  std::vector<VARIANT> values;
  std::vector<VARIANT> referents;  // what by-reference values point at
  Args() { referents.reserve(32); }
  Args(const Args&) = delete;
  Args& operator=(const Args&) = delete;
  ~Args() {
    for (VARIANT& v : values)
      if (!V_ISBYREF(&v)) VariantClear(&v);
    for (VARIANT& v : referents) VariantClear(&v);
  }
  // v by reference: VT_BYREF|type of its payload, or a VARIANT by reference.
  VARIANT Ref(VARIANT v, bool as_variant) {
    referents.push_back(v);
    VARIANT& held = referents.back();
    VARIANT r;
    VariantInit(&r);
    if (as_variant || V_VT(&held) == VT_EMPTY) {
      V_VT(&r) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&r) = &held;
    } else {
      V_VT(&r) = static_cast<VARTYPE>(VT_BYREF | V_VT(&held));
      V_BYREF(&r) = &V_I4(&held);
    }
    return r;
  }
};

const HRESULT kArgumentErrors[] = {DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTFOUND, DISP_E_TYPEMISMATCH,
                                   DISP_E_OVERFLOW,      DISP_E_BADVARTYPE,    E_INVALIDARG};
bool IsArgumentError(HRESULT hr) {
  for (HRESULT e : kArgumentErrors)
    if (hr == e) return true;
  return false;
}

std::string Hex(HRESULT hr) {
  char text[16];
  wsprintfA(text, "%08lx", static_cast<unsigned long>(hr));
  return text;
}

// --- calls through IDispatch -----------------------------------------------------------------------

struct Outcome {
  HRESULT hr;
  UINT arg_err;
};

// Calls m with args in its order; positional, a put's value named as the put
// value; with `named`, every argument named by its position, in reverse
// order, plus `extra_name` when it is not -1.
Outcome Invoke(IDispatch* control, const Member& m, Args& args, bool named = false, DISPID extra_name = -1) {
  std::vector<VARIANT> rgvarg;
  std::vector<DISPID> names;
  const size_t count = args.values.size();
  const bool put = IsPut(m);
  const size_t indexes = put && count > 0 ? count - 1 : count;
  if (put && count > 0) {
    rgvarg.push_back(args.values[count - 1]);
    names.push_back(DISPID_PROPERTYPUT);
  }
  if (named) {
    for (size_t i = 0; i < indexes; ++i) {
      rgvarg.push_back(args.values[i]);
      names.push_back(static_cast<DISPID>(i));
    }
    if (extra_name != -1) {
      VARIANT v;
      VariantInit(&v);
      V_VT(&v) = VT_I2;
      V_I2(&v) = 1;
      rgvarg.push_back(v);
      names.push_back(extra_name);
    }
  } else {
    for (size_t i = indexes; i-- > 0;) rgvarg.push_back(args.values[i]);
  }
  DISPPARAMS params{rgvarg.empty() ? nullptr : rgvarg.data(), names.empty() ? nullptr : names.data(),
                    static_cast<UINT>(rgvarg.size()), static_cast<UINT>(names.size())};
  const WORD flags = m.kind == INVOKE_FUNC            ? DISPATCH_METHOD
                     : m.kind == INVOKE_PROPERTYGET   ? DISPATCH_PROPERTYGET
                     : m.kind == INVOKE_PROPERTYPUT   ? DISPATCH_PROPERTYPUT
                                                      : DISPATCH_PROPERTYPUTREF;
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO excep{};
  UINT arg_err = 9999;
  HRESULT hr = control->Invoke(m.id, IID_NULL, 0, flags, &params, &result, &excep, &arg_err);
  VariantClear(&result);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  return {hr, arg_err};
}

// The index in rgvarg of argument i of m when all `count` go positionally.
UINT Position(const Member& m, size_t i, size_t count) {
  if (IsPut(m)) return i == count - 1 ? 0 : static_cast<UINT>(count - 1 - i);
  return static_cast<UINT>(count - 1 - i);
}

// Collects what went wrong, one line per case, for one check per pattern.
struct Pattern {
  explicit Pattern(std::string text) : name(std::move(text)) {}
  std::string name;
  std::string wrong;
  int cases = 0;
  void Expect(bool ok, const Member& m, const std::string& what) {
    ++cases;
    if (!ok && wrong.size() < 600) wrong += "\n    " + m.name + " (" + std::to_string(m.kind) + ") " + what;
  }
  void Report(const std::string& where) {
    Check(wrong.empty(), name + " (" + std::to_string(cases) + " calls)" + where, wrong);
  }
};

void FillGood(const Member& m, Args& args) {
  for (const Param& p : m.params) args.values.push_back(Good(p));
}

// Calls m with good values but `value` as argument i.
Outcome With(IDispatch* control, const Member& m, size_t i, VARIANT value) {
  Args args;
  FillGood(m, args);
  VariantClear(&args.values[i]);
  args.values[i] = value;
  return Invoke(control, m, args);
}

// Calls m with good values for its first `count` arguments only.
Outcome Leading(IDispatch* control, const Member& m, size_t count) {
  Args args;
  for (size_t i = 0; i < count; ++i) args.values.push_back(Good(m.params[i]));
  return Invoke(control, m, args);
}

std::string At(size_t i, const Outcome& o) {
  return "argument " + std::to_string(i) + ": " + Hex(o.hr) + " at " + std::to_string(o.arg_err);
}

void TestDispatch(IDispatch* control, const std::vector<Member>& members, const std::string& where) {
  Pattern good{"good values by value: no argument error"}, by_ref{"good values by reference: no argument error"},
      as_variant{"good values as VARIANTs by reference: no argument error"},
      omitted{"each optional argument left out: no argument error"},
      trailing{"trailing optional arguments dropped: no argument error"},
      required{"a required argument left out: DISP_E_PARAMNOTFOUND naming it"},
      too_few{"too few arguments: DISP_E_BADPARAMCOUNT"}, too_many{"one argument too many: DISP_E_BADPARAMCOUNT"},
      wrong{"an argument of a wrong type: DISP_E_TYPEMISMATCH naming it"},
      null_ref{"a NULL reference: DISP_E_TYPEMISMATCH naming it"},
      null_variant{"a NULL VARIANT reference: DISP_E_TYPEMISMATCH naming it"},
      named{"arguments named by position, in reverse order: as positional"},
      unknown_name{"an argument named by an unknown position: DISP_E_PARAMNOTFOUND naming it"};
  for (const Member& m : members) {
    const size_t n = m.params.size();
    const size_t indexes = IsPut(m) ? n - 1 : n;
    // Good values by value, by reference of their type, or as VARIANTs by reference.
    Outcome base{};
    for (int how : {0, 1, 2}) {
      Args args;
      for (const Param& p : m.params) args.values.push_back(how ? args.Ref(Good(p), how == 2) : Good(p));
      Outcome o = Invoke(control, m, args);
      (how == 0 ? good : how == 1 ? by_ref : as_variant).Expect(!IsArgumentError(o.hr), m, Hex(o.hr));
      if (how == 0) base = o;
    }
    size_t required_count = 0;
    for (size_t i = 0; i < indexes; ++i) {
      if (!m.params[i].optional) required_count = i + 1;
      Outcome o = With(control, m, i, Missing());
      if (m.params[i].optional) omitted.Expect(!IsArgumentError(o.hr), m, At(i, o));
      else required.Expect(o.hr == DISP_E_PARAMNOTFOUND && o.arg_err == Position(m, i, n), m, At(i, o));
    }
    // Methods and gets: the required arguments alone, and one fewer.
    if (!IsPut(m) && required_count < indexes) {
      Outcome o = Leading(control, m, required_count);
      trailing.Expect(!IsArgumentError(o.hr), m, Hex(o.hr));
    }
    if (!IsPut(m) && required_count > 0) {
      Outcome o = Leading(control, m, required_count - 1);
      too_few.Expect(o.hr == DISP_E_BADPARAMCOUNT, m, Hex(o.hr));
    }
    {
      Args args;
      FillGood(m, args);
      // An extra index before a put's value, or an extra last argument.
      args.values.insert(args.values.begin() + static_cast<long>(indexes), com::I2(1));
      Outcome o = Invoke(control, m, args);
      too_many.Expect(o.hr == DISP_E_BADPARAMCOUNT, m, Hex(o.hr));
    }
    for (size_t i = 0; i < n; ++i) {
      VARIANT bad = Wrong(m.params[i]);
      if (V_VT(&bad) != VT_EMPTY) {
        Outcome o = With(control, m, i, bad);
        wrong.Expect(o.hr == DISP_E_TYPEMISMATCH && o.arg_err == Position(m, i, n), m, At(i, o));
      }
      VARIANT sample = Good(m.params[i]);
      const VARTYPE type = V_VT(&sample);
      VariantClear(&sample);
      for (bool variant : {false, true}) {
        VARIANT null;
        V_VT(&null) = static_cast<VARTYPE>(VT_BYREF | (variant ? VARTYPE{VT_VARIANT} : type));
        V_BYREF(&null) = nullptr;
        Outcome o = With(control, m, i, null);
        (variant ? null_variant : null_ref)
            .Expect(o.hr == DISP_E_TYPEMISMATCH && o.arg_err == Position(m, i, n), m, At(i, o));
      }
    }
    if (indexes > 0) {
      Args args;
      FillGood(m, args);
      Outcome o = Invoke(control, m, args, true);
      named.Expect(o.hr == base.hr || (!IsArgumentError(o.hr) && !IsArgumentError(base.hr)), m,
                   Hex(o.hr) + " named, " + Hex(base.hr) + " positional");
    }
    {
      Args args;
      FillGood(m, args);
      Outcome o = Invoke(control, m, args, true, 50);
      const UINT at = static_cast<UINT>(IsPut(m) ? indexes + 1 : indexes);
      unknown_name.Expect(o.hr == DISP_E_PARAMNOTFOUND && o.arg_err == at, m,
                          Hex(o.hr) + " at " + std::to_string(o.arg_err));
    }
  }
  for (Pattern* p : {&good, &by_ref, &as_variant, &omitted, &trailing, &required, &too_few, &too_many, &wrong,
                     &null_ref, &null_variant, &named, &unknown_name})
    p->Report(where);
}

// --- calls through the vtable ---------------------------------------------------------------------

// Calls m through the dual vtable with every pointer NULL (result_null) or
// only the arguments', VARIANTs passed by value or reference holding `inside`.
HRESULT CallVtable(_FolivanTab* tabs, const Member& m, const VARIANT& inside, bool result_null) {
  std::vector<VARIANT> values(m.params.size() + 1);
  std::vector<VARIANT> variants(m.params.size() + 1);
  std::vector<VARTYPE> types;
  std::vector<VARIANT*> pointers;
  for (size_t i = 0; i < m.params.size(); ++i) {
    const Param& p = m.params[i];
    VARIANT& v = values[i];
    VariantInit(&v);
    if (p.vt == VT_VARIANT) {
      VariantInit(&variants[i]);
      if (p.by_ref) {
        VariantCopy(&variants[i], const_cast<VARIANT*>(&inside));  // the member may replace it
        V_VT(&v) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&v) = &variants[i];
      } else {
        v = inside;  // by value: the member only reads it
      }
      types.push_back(static_cast<VARTYPE>(p.by_ref ? VT_BYREF | VT_VARIANT : VT_VARIANT));
    } else if (p.by_ref || p.vt == VT_DISPATCH || p.vt == VT_BSTR) {
      V_VT(&v) = static_cast<VARTYPE>(p.by_ref ? VT_BYREF | p.vt : p.vt);
      V_BYREF(&v) = nullptr;
      types.push_back(V_VT(&v));
    } else {
      v = Good(p);
      if (p.vt == VT_UI4) V_VT(&v) = VT_UI4;
      types.push_back(V_VT(&v));
    }
    pointers.push_back(&v);
  }
  VARIANT result_value;
  VariantInit(&result_value);
  VARIANT& result_arg = values[m.params.size()];
  if (m.has_result) {
    V_VT(&result_arg) = VT_BYREF | VT_I4;
    V_BYREF(&result_arg) = result_null ? nullptr : static_cast<void*>(&result_value);
    if (!result_null && m.result.vt != VT_VARIANT) V_VT(&result_value) = m.result.vt;
    types.push_back(V_VT(&result_arg));
    pointers.push_back(&result_arg);
  }
  VARIANT returned;
  VariantInit(&returned);
  HRESULT hr = DispCallFunc(tabs, m.offset, CC_STDCALL, VT_ERROR, static_cast<UINT>(types.size()), types.data(),
                            pointers.data(), &returned);
  if (SUCCEEDED(hr)) hr = V_ERROR(&returned);
  for (size_t i = 0; i < m.params.size(); ++i)
    if (m.params[i].vt == VT_VARIANT && m.params[i].by_ref) VariantClear(&variants[i]);
  if (m.has_result && !result_null && SUCCEEDED(hr)) {
    if (m.result.vt == VT_VARIANT) {
      VariantClear(&result_value);
    } else if (m.result.vt == VT_BSTR) {
      SysFreeString(*reinterpret_cast<BSTR*>(&result_value));
    } else if (m.result.vt == VT_DISPATCH) {
      if (auto* object = *reinterpret_cast<IDispatch**>(&result_value)) object->Release();
    }
  }
  return hr;
}

void TestVtable(_FolivanTab* tabs, const std::vector<Member>& members, const std::string& where) {
  VARIANT null_i2;
  V_VT(&null_i2) = VT_BYREF | VT_I2;
  V_BYREF(&null_i2) = nullptr;
  VARIANT null_variant;
  V_VT(&null_variant) = VT_BYREF | VT_VARIANT;
  V_BYREF(&null_variant) = nullptr;
  VARIANT text;
  V_VT(&text) = VT_BSTR;
  V_BSTR(&text) = SysAllocString(L"not a number");
  const VARIANT insides[] = {Missing(), null_i2, null_variant, text};
  std::string refused;
  int calls = 0;
  for (const Member& m : members) {
    for (const VARIANT& inside : insides) {
      CallVtable(tabs, m, inside, false);
      ++calls;
    }
    if (m.has_result) {
      ++calls;
      if (SUCCEEDED(CallVtable(tabs, m, insides[0], true))) refused += " " + m.name;
    }
  }
  VariantClear(&text);
  Check(true, "every member through the vtable with NULL pointers and VARIANTs holding NULL references, missing "
              "values and wrong types returns (" + std::to_string(calls) + " calls)" + where);
  Check(refused.empty(), "a NULL result pointer fails" + where, "accepted by" + refused);
}

// --- left-out arguments take their defaults ---------------------------------------------------------

void TestDefaults(IDispatch* control) {
  auto tabs = Query<_FolivanTab>(control, IID__FolivanTab);
  if (!tabs) return Check(false, "_FolivanTab");
  auto current = [&] { return com::GetLong(control, L"CurrentTab"); };
  auto count = [&] { return com::GetLong(control, L"Tabs"); };
  short three = 3;
  tabs->put_Tabs(three);
  tabs->put_CurrentTab(2);
  // (Left out by a script: defaults.vbs; no arguments at all: the jump_and_access_keys scenario.)
  Check(com::Call(control, L"JumpToTab", DISPATCH_METHOD, {Missing(), Missing()}) == S_OK && current() == 2,
        "JumpToTab with both arguments missing is JumpToTab -1, \"\": no tab changes");
  BSTR caption = SysAllocString(L"Tab 1");
  HRESULT hr = tabs->JumpToTab(nullptr, &caption);
  Check(hr == S_OK && current() == 1, "JumpToTab(NULL, \"Tab 1\") through the vtable takes TabNo -1");
  SysFreeString(caption);
  Check(SUCCEEDED(tabs->InsertTab(Missing())) && count() == 4,
        "InsertTab(missing) through the vtable appends a tab");
  VARIANT null_ref;
  V_VT(&null_ref) = VT_BYREF | VT_I2;
  V_BYREF(&null_ref) = nullptr;
  Check(FAILED(tabs->InsertTab(null_ref)) && count() == 4,
        "InsertTab of a NULL reference through the vtable fails and inserts nothing");
  Check(FAILED(tabs->put_TagVariant(&three, null_ref)), "TagVariant put of a NULL reference fails");
}

// --- in place in Wine's ATL host: the font object repaints ---------------------------------------

// The pixels of the tab strip as the window shows them.
std::vector<COLORREF> Strip(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 300; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

size_t Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  size_t n = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n;
}

void TestInPlace(const std::vector<Member>& members) {
  com::AtlHost h(360, 240);
  auto control = h.As<IDispatch>(IID_IDispatch);
  auto tabs = h.As<_FolivanTab>(IID__FolivanTab);
  HWND window = h.window;
  if (!control || !tabs || !window) return Check(false, "the control active in place in the ATL host");

  // c.Font.Bold = True: the control repaints with the bold font and tells the container.
  auto* notify = new com::NotifySink();
  DWORD cookie = 0;
  Ref<IConnectionPoint> point{com::Advise(h.control, IID_IPropertyNotifySink, notify, &cookie)};
  const std::vector<COLORREF> before = Strip(window);
  Check(Differing(before, Strip(window)) == 0, "the strip paints the same twice");
  Ref<IFontDisp> font;
  tabs->get_Font(&font.p);
  auto ifont = Query<IFont>(font, IID_IFont);
  if (ifont) ifont->put_Bold(TRUE);
  com::Pump(30);
  const std::vector<COLORREF> after = Strip(window);
  Check(Differing(before, after) > 20, "c.Font.Bold = True repaints the captions bold",
        std::to_string(Differing(before, after)) + " pixels differ");
  bool told = false;
  for (DISPID id : notify->changed) told = told || id == 0x68030020;
  Check(told, "c.Font.Bold = True reports Font to the container");
  if (point) point->Unadvise(cookie);
  notify->Release();

  TestDispatch(control, members, " (in place)");
  TestVtable(tabs, members, " (in place)");
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"Tahoma"), {}, FW_NORMAL, ANSI_CHARSET, FALSE, FALSE, FALSE};
  desc.cySize.int64 = 80000;
  OleCreateFontIndirect(&desc, IID_IDispatch, reinterpret_cast<void**>(&g_font));
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  g_no_value = stream;

  Ref<IDispatch> control;
  CoCreateInstance(CLSID_FolivanTab, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&control.p));
  Check(control.p != nullptr, "the registered control is created");
  if (control) {
    const std::vector<Member> members = ReadMembers();
    Equal(static_cast<int>(members.size()), 102, "the members read from typelib.txt");
    TestDispatch(control, members, " (bare)");
    if (auto tabs = Query<_FolivanTab>(control, IID__FolivanTab)) TestVtable(tabs, members, " (bare)");
    control.Reset();
    CoCreateInstance(CLSID_FolivanTab, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                     reinterpret_cast<void**>(&control.p));
    TestDefaults(control);
    TestInPlace(members);
  }
  control.Reset();
  if (g_font) g_font->Release();
  if (stream) stream->Release();
  CoUninitialize();
  return wine_check::Finish();
}
