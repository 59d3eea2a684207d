// The play scripts of tests/play, run against FolivanTabs.ocx through its COM
// interfaces instead of the headless console: `play_com SCRIPT.play ...`
// compares each script's lines with SCRIPT.out next to it (a failure prints
// the diff) and prints ok/not ok and RESULT.
//
// What each script line becomes:
//   set/get/call   GetIDsOfNames + IDispatch::Invoke. An argument the member
//                  takes by reference goes by reference: VT_BYREF of the
//                  member's own type when the literal has it, otherwise a
//                  reference to a VARIANT holding the literal (as a script
//                  variable would). Failures print `error N "description"`:
//                  N and the text from EXCEPINFO, or the runtime's number for
//                  DISP_E_TYPEMISMATCH (13) and DISP_E_OVERFLOW (6).
//   on             the event sink on the __FolivanTab connection point prints
//                  `event Name Arg=value` after writing the handler's values
//                  through the by-reference arguments, then runs its `do` line.
//   answer         queued for the container's IFolivanTabDialogs::InputBox,
//                  which the client site offers; it prints the `inputbox` line.
//   accesskey C    IOleControl::OnMnemonic with Alt+C, when C is one of the
//                  accelerators that IOleControl::GetControlInfo lists.
//   state F        what COM can show of the control's private fields: the
//                  persisted ones from IPersistPropertyBag::Save (Hidd, HiddR,
//                  StripH, ...), AccessKeys from GetControlInfo; any other
//                  field prints "F = *", which matches the console's line.
//   # args: --design   ambient UserMode false from the client site.
//
// `changed Key` lines: the console prints PropertyChanged, a container sees
// IPropertyNotifySink::OnChanged with the member's dispatch identifier, or
// DISPID_UNKNOWN for a key that names no member. So the changed lines are
// compared on their own: the OnChanged identifiers must be those of the keys
// of the .out file's changed lines.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "com_objects.h"
#include "script_literal.h"
#include "script_values.h"
#include "wine_check.h"

namespace {

using wine_check::Widen;
std::string Narrow(BSTR text) { return wine_check::FromBstr(text); }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
bool SameText(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

struct ScriptError {
  std::string message;
};
[[noreturn]] void Fail(const std::string& message) { throw ScriptError{message}; }

// --- values -------------------------------------------------------------------------------------

// The OLE automation functions take their sources without const.
VARIANT* Mut(const VARIANT* v) { return const_cast<VARIANT*>(v); }

// A VARIANT that clears itself.
struct Value {
  VARIANT v;
  Value() { VariantInit(&v); }
  Value(const Value& other) {
    VariantInit(&v);
    VariantCopy(&v, Mut(&other.v));
  }
  Value& operator=(const Value& other) {
    if (this != &other) VariantCopy(&v, Mut(&other.v));
    return *this;
  }
  ~Value() { VariantClear(&v); }
};

// Words of a line; a quoted run ("" inside for a quote) stays in its word.
std::vector<std::string> SplitWords(const std::string& line) {
  auto words = folivan::console::SplitWords(line);
  if (!words) Fail("unterminated text");
  return *words;
}

// A literal of the script as the VARIANT a Basic caller would pass.
Value ParseValue(const std::string& text) {
  Value r;
  r.v = Literal(text);
  if (V_VT(&r.v) == VT_ERROR) Fail("bad value: " + text);
  return r;
}

using folivan::console::Quote;

std::string FormatNumber(double d) {
  if (d == std::floor(d) && std::fabs(d) < 1e15) return std::to_string(static_cast<long long>(d));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", d);
  return buf;
}

// A value as the console prints it.
std::string Format(const VARIANT& in) {
  Value v;
  VariantCopyInd(&v.v, Mut(&in));
  switch (V_VT(&v.v)) {
    case VT_EMPTY: return "Empty";
    case VT_NULL: return "Null";
    case VT_BOOL: return V_BOOL(&v.v) ? "True" : "False";
    case VT_I2: return std::to_string(V_I2(&v.v));
    case VT_I4: return std::to_string(V_I4(&v.v));
    case VT_UI4: return std::to_string(static_cast<int32_t>(V_UI4(&v.v)));  // OLE_COLOR, a Basic Long
    case VT_R4: return FormatNumber(V_R4(&v.v));
    case VT_R8: return FormatNumber(V_R8(&v.v));
    case VT_BSTR: return Quote(Narrow(V_BSTR(&v.v)));
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* object = V_UNKNOWN(&v.v);
      if (!object) return "Nothing";
      if (auto font = com::ReadFont(object)) {
        char points[32];
        std::snprintf(points, sizeof points, "%g", font->points);
        std::string out = "Font " + Quote(wine_check::Narrow(font->name)) + " " + points;
        if (font->bold) out += " Bold";
        if (font->italic) out += " Italic";
        if (font->underline) out += " Underline";
        if (font->strike) out += " Strikethrough";
        return out;
      }
      return "Picture";
    }
    default: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "<vt %u>", static_cast<unsigned>(V_VT(&v.v)));
      return buf;
    }
  }
}

// The text of an index as the console prints it (CStr of the literal).
std::string IndexText(const VARIANT& v) {
  if (V_VT(&v) == VT_BSTR) return Narrow(V_BSTR(&v));
  return Format(v);
}

// `error N "description"` for a failed call, as a Basic caller would report it.
std::string ErrorLine(HRESULT hr, EXCEPINFO& excep) {
  long number = 0;
  std::string description;
  if (hr == DISP_E_EXCEPTION) {
    if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);
    HRESULT code = excep.scode ? excep.scode : static_cast<HRESULT>(excep.wCode);
    number = HRESULT_FACILITY(code) == FACILITY_CONTROL ? (code & 0xFFFF) : code;
    description = Narrow(excep.bstrDescription);
  } else {
    switch (hr) {
      case DISP_E_TYPEMISMATCH: number = 13; description = "Type mismatch"; break;
      case DISP_E_OVERFLOW: number = 6; description = "Overflow"; break;
      default: number = hr; description = "Automation error"; break;
    }
  }
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  excep = EXCEPINFO{};
  return "error " + std::to_string(number) + " " + Quote(description);
}

// --- the container's side ---------------------------------------------------------------------------

class Player;

// The client site: ambient UserMode and the control's dialogs.
class Site : public com::ClientSite<IFolivanTabDialogs> {
 public:
  Site(Player& player, bool mode) : player_(player) { user_mode = mode; }
  STDMETHODIMP InputBox(BSTR prompt, BSTR title, BSTR* answer) override;
  STDMETHODIMP MsgBox(BSTR text, LONG style, BSTR title, LONG* result) override;

 protected:
  void* Cast(REFIID riid) override {
    return riid == IID_IFolivanTabDialogs ? static_cast<IFolivanTabDialogs*>(this) : ClientSite::Cast(riid);
  }

 private:
  Player& player_;
};

// --- the player ---------------------------------------------------------------------------------------

// One member of _FolivanTab or one event: its canonical name and, per
// parameter, the type (VT_BYREF | type for a by-reference parameter).
struct Signature {
  std::string name;
  std::vector<std::string> params;
  std::vector<VARTYPE> types;
};

class Player {
 public:
  explicit Player(bool user_mode);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  bool Ready() const { return control_ != nullptr; }
  void RunLine(const std::string& line);
  std::vector<std::string>& Output() { return out_; }
  const std::vector<DISPID>& Changed() const { return notify_->changed; }
  DISPID IdOf(const std::string& name);

  // Called by the site and the sink.
  std::string NextAnswer();
  void OnEvent(DISPID id, DISPPARAMS* params);

 private:
  struct Handler {
    std::vector<std::pair<std::string, Value>> assignments;
    std::string action;
  };
  std::optional<Signature> EventByName(const std::string& name);
  // Invoke with the script's arguments (in order); prints the error line on failure.
  bool Invoke(DISPID id, WORD flags, const Signature& sig, std::vector<Value>& args, VARIANT* result,
              bool named_put);
  void State(const std::string& field);
  std::vector<ACCEL> Accelerators();

  // Declared first, released last: the control lets them go at its Close.
  com::Ref<Site> site_;
  com::Ref<com::EventRecorder> sink_{new com::EventRecorder(DIID___FolivanTab)};  // the event sink
  com::Ref<com::NotifySink> notify_{new com::NotifySink()};
  com::Ref<IDispatch> control_;
  com::Ref<ITypeInfo> info_;
  com::Ref<ITypeInfo> events_info_;
  com::Ref<IConnectionPoint> event_point_;
  com::Ref<IConnectionPoint> notify_point_;
  DWORD event_cookie_ = 0;
  DWORD notify_cookie_ = 0;
  std::map<std::string, Handler> handlers_;  // by lower-case event name
  std::deque<std::string> answers_;
  std::vector<std::string> out_;
};

Player::Player(bool user_mode) {
  if (FAILED(CoCreateInstance(CLSID_FolivanTab, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&control_.p)))) {
    control_.p = nullptr;
    return;
  }
  site_.p = new Site(*this, user_mode);
  sink_->handler = [this](DISPID id, DISPPARAMS* params) { OnEvent(id, params); };
  if (auto ole = com::Query<IOleObject>(control_, IID_IOleObject)) ole->SetClientSite(site_);
  if (auto persist = com::Query<IPersistPropertyBag>(control_, IID_IPersistPropertyBag)) persist->InitNew();
  control_->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info_.p);
  com::Ref<ITypeInfo> coclass;
  com::Ref<ITypeLib> lib;
  UINT index = 0;
  if (auto class_info = com::Query<IProvideClassInfo>(control_, IID_IProvideClassInfo)) {
    if (SUCCEEDED(class_info->GetClassInfo(&coclass.p)) && SUCCEEDED(coclass->GetContainingTypeLib(&lib.p, &index)))
      lib->GetTypeInfoOfGuid(DIID___FolivanTab, &events_info_.p);
  }
  event_point_.p = com::Advise(control_, DIID___FolivanTab, static_cast<IDispatch*>(sink_), &event_cookie_);
  notify_point_.p = com::Advise(control_, IID_IPropertyNotifySink, notify_, &notify_cookie_);
}

Player::~Player() {
  if (event_point_) event_point_->Unadvise(event_cookie_);
  if (notify_point_) notify_point_->Unadvise(notify_cookie_);
  if (auto ole = com::Query<IOleObject>(control_, IID_IOleObject)) {
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
  }
}

DISPID Player::IdOf(const std::string& name) { return com::IdOf(control_, Widen(name).c_str()); }

Signature SignatureOf(ITypeInfo* info, const FUNCDESC& desc) {
  Signature sig;
  BSTR names[32] = {};
  UINT count = 0;
  info->GetNames(desc.memid, names, 32, &count);
  for (UINT i = 0; i < count; ++i) {
    if (i == 0) sig.name = Narrow(names[i]);
    else sig.params.push_back(Narrow(names[i]));
    SysFreeString(names[i]);
  }
  for (SHORT i = 0; i < desc.cParams; ++i) {
    const ELEMDESC& e = desc.lprgelemdescParam[i];
    if (e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) continue;
    const TYPEDESC& t = e.tdesc;
    if (t.vt == VT_PTR && t.lptdesc) {
      sig.types.push_back(static_cast<VARTYPE>(VT_BYREF | t.lptdesc->vt));
    } else {
      sig.types.push_back(t.vt);
    }
  }
  return sig;
}

// A linear search, as the control's own Invoke does (index lookups by member
// identifier are unreliable on the dispatch view of a dual interface under Wine).
std::optional<Signature> FindSignature(ITypeInfo* info, DISPID id, INVOKEKIND kind) {
  TYPEATTR* attr = nullptr;
  if (!info || FAILED(info->GetTypeAttr(&attr))) return std::nullopt;
  const UINT count = attr->cFuncs;
  info->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* desc = nullptr;
    if (FAILED(info->GetFuncDesc(i, &desc))) continue;
    std::optional<Signature> found;
    if (desc->memid == id && desc->invkind == kind) found = SignatureOf(info, *desc);
    info->ReleaseFuncDesc(desc);
    if (found) return found;
  }
  return std::nullopt;
}

std::optional<Signature> Player::EventByName(const std::string& name) {
  std::wstring wide = Widen(name);
  LPOLESTR names[1] = {wide.data()};
  MEMBERID id = DISPID_UNKNOWN;
  if (!events_info_ || FAILED(events_info_->GetIDsOfNames(names, 1, &id))) return std::nullopt;
  return FindSignature(events_info_, id, INVOKE_FUNC);
}

bool Player::Invoke(DISPID id, WORD flags, const Signature& sig, std::vector<Value>& args, VARIANT* result,
                    bool named_put) {
  // Storage the references point into; a deque keeps addresses stable.
  std::deque<Value> referenced;
  std::vector<VARIANT> passed(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    VARIANT& slot = passed[args.size() - 1 - i];  // last first
    VariantInit(&slot);
    const bool is_put_value = named_put && i + 1 == args.size();
    const VARTYPE type = i < sig.types.size() ? sig.types[i] : static_cast<VARTYPE>(VT_VARIANT);
    if (is_put_value || !(type & VT_BYREF)) {
      slot = args[i].v;  // borrowed: args outlive the call
      continue;
    }
    const VARTYPE target = static_cast<VARTYPE>(type & ~VT_BYREF);
    referenced.emplace_back(args[i]);
    Value& held = referenced.back();
    if (target == V_VT(&held.v) && target != VT_VARIANT) {
      V_VT(&slot) = static_cast<VARTYPE>(VT_BYREF | target);
      V_BYREF(&slot) = &V_I2(&held.v);  // the value part of the held VARIANT
    } else {
      V_VT(&slot) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&slot) = &held.v;
    }
  }
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{passed.empty() ? nullptr : passed.data(), named_put ? &put : nullptr,
                    static_cast<UINT>(passed.size()), named_put ? 1u : 0u};
  EXCEPINFO excep{};
  UINT arg_err = 0;
  HRESULT hr = control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &excep, &arg_err);
  if (FAILED(hr)) {
    out_.push_back(ErrorLine(hr, excep));
    return false;
  }
  return true;
}

// The accelerators the control lists in IOleControl::GetControlInfo.
std::vector<ACCEL> Player::Accelerators() {
  auto ole_control = com::Query<IOleControl>(control_, IID_IOleControl);
  if (!ole_control) Fail("no IOleControl");
  CONTROLINFO info{};
  info.cb = sizeof(info);
  ole_control->GetControlInfo(&info);
  std::vector<ACCEL> table(info.cAccel);
  if (info.hAccel && info.cAccel) CopyAcceleratorTableW(info.hAccel, table.data(), info.cAccel);
  return table;
}

// The private fields that a saved control shows, with their defaults.
void Player::State(const std::string& field) {
  if (field == "AccessKeys") {
    std::string keys;
    for (const ACCEL& a : Accelerators()) keys.push_back(static_cast<char>(a.key));
    out_.push_back(field + " = " + Quote(keys));
    return;
  }
  struct Persisted {
    const char* field;
    const wchar_t* key;
    VARTYPE type;
    LONG default_value;
  };
  static const Persisted persisted[] = {
      {"Hidd", L"Hidd", VT_I2, 0},           {"HiddR", L"HiddR", VT_I2, 0},
      {"mShowScrollBar", L"mShowScrollBar", VT_BOOL, 0}, {"LastActTab", L"LastActTab", VT_I2, 0},
      {"StripH", L"StripH", VT_I2, 21},      {"sHowerTab", L"sHowerTab", VT_I2, -1},
      {"CommonControls", L"DCtrlCount", VT_I2, 0},
  };
  for (const Persisted& p : persisted) {
    if (field != p.field) continue;
    com::Ref<com::MemoryBag> bag{new com::MemoryBag()};
    if (auto persist = com::Query<IPersistPropertyBag>(control_, IID_IPersistPropertyBag))
      persist->Save(bag, FALSE, TRUE);
    Value v;  // the default when the bag lacks the key
    V_VT(&v.v) = VT_I4;
    V_I4(&v.v) = p.default_value;
    auto it = bag->values.find(p.key);
    VariantChangeType(&v.v, it != bag->values.end() ? &it->second : &v.v, 0, p.type);
    out_.push_back(field + " = " + Format(v.v));
    return;
  }
  out_.push_back(field + " = *");  // not observable through COM
}

std::string Join(const std::vector<std::string>& words, size_t from) {
  std::string out;
  for (size_t i = from; i < words.size(); ++i) out += (i > from ? " " : "") + words[i];
  return out;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  size_t b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// "Member" or "Member(literal)".
std::pair<std::string, std::optional<Value>> MemberRef(const std::string& text) {
  size_t open = text.find('(');
  if (open == std::string::npos) return {text, std::nullopt};
  if (text.back() != ')') Fail("bad member: " + text);
  return {text.substr(0, open), ParseValue(text.substr(open + 1, text.size() - open - 2))};
}

void Player::RunLine(const std::string& raw) {
  std::string line = Trim(raw);
  if (line.empty() || line[0] == '#') return;
  std::vector<std::string> words = SplitWords(line);
  const std::string verb = words[0];
  if (verb == "set" || verb == "get") {
    if (verb == "get" && words.size() != 2) Fail("expected: get Member");
    std::string target = verb == "set" ? Join(words, 1) : words[1];
    std::optional<Value> value;
    if (verb == "set") {
      size_t eq = target.find('=');
      if (eq == std::string::npos) Fail("expected: set Member = value");
      value = ParseValue(Trim(target.substr(eq + 1)));
      target = Trim(target.substr(0, eq));
    }
    auto [name, index] = MemberRef(target);
    DISPID id = IdOf(name);
    if (id == DISPID_UNKNOWN) Fail("unknown member: " + name);
    const bool by_ref_put = value && V_VT(&value->v) == VT_DISPATCH;
    auto sig = FindSignature(info_, id,
                             verb == "get" ? INVOKE_PROPERTYGET : by_ref_put ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT);
    if (!sig) Fail(name + " is a method or cannot be " + (verb == "get" ? "read" : "written"));
    std::vector<Value> args;
    if (index) args.push_back(*index);
    if (value) args.push_back(*value);
    Value result;
    WORD flags = verb == "get" ? DISPATCH_PROPERTYGET : by_ref_put ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    if (Invoke(id, flags, *sig, args, verb == "get" ? &result.v : nullptr, verb == "set") && verb == "get") {
      std::string shown = sig->name;
      if (index) shown += "(" + IndexText(index->v) + ")";
      out_.push_back(shown + " = " + Format(result.v));
    }
  } else if (verb == "call") {
    if (words.size() < 2) Fail("expected: call Method arg ...");
    DISPID id = IdOf(words[1]);
    if (id == DISPID_UNKNOWN) Fail("unknown member: " + words[1]);
    auto sig = FindSignature(info_, id, INVOKE_FUNC);
    if (!sig) Fail(words[1] + " is not a method");
    std::vector<Value> args;
    for (size_t i = 2; i < words.size(); ++i) args.push_back(ParseValue(words[i]));
    Value result;
    Invoke(id, DISPATCH_METHOD, *sig, args, &result.v, false);
  } else if (verb == "on") {
    if (words.size() < 2) Fail("expected: on Event Arg=value ...");
    const std::optional<Signature> event = EventByName(words[1]);
    if (!event) Fail("unknown event: " + words[1]);
    Handler handler;
    size_t end = words.size();
    for (size_t i = 2; i < words.size(); ++i) {
      if (words[i] == "do") {
        if (i + 1 >= words.size()) Fail("expected a script line after do");
        handler.action = Join(words, i + 1);
        end = i;
        break;
      }
    }
    for (size_t i = 2; i < end; ++i) {
      size_t eq = words[i].find('=');
      if (eq == std::string::npos) Fail("expected Arg=value: " + words[i]);
      std::string arg = words[i].substr(0, eq);
      if (std::none_of(event->params.begin(), event->params.end(), [&](const std::string& p) { return SameText(p, arg); }))
        Fail("event " + event->name + " has no argument " + arg);
      handler.assignments.emplace_back(arg, ParseValue(words[i].substr(eq + 1)));
    }
    if (handler.assignments.empty() && handler.action.empty()) {
      handlers_.erase(Lower(event->name));
    } else {
      handlers_[Lower(event->name)] = handler;
    }
  } else if (verb == "state") {
    if (words.size() != 2) Fail("expected: state Field");
    State(words[1]);
  } else if (verb == "answer") {
    if (words.size() > 2) Fail("expected: answer \"text\"");
    if (words.size() == 1) {
      answers_.push_back("");
    } else {
      Value v = ParseValue(words[1]);
      if (V_VT(&v.v) != VT_BSTR) Fail("expected: answer \"text\"");
      answers_.push_back(Narrow(V_BSTR(&v.v)));
    }
  } else if (verb == "accesskey") {
    if (words.size() != 2 || words[1].empty()) Fail("expected: accesskey C");
    std::string key = words[1];
    if (key.front() == '"') {
      Value text = ParseValue(key);
      key = Narrow(V_BSTR(&text.v));
    }
    if (key.empty()) Fail("expected: accesskey C");
    const WORD wanted = static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
    // A container hands over only the keys the control registered.
    const std::vector<ACCEL> table = Accelerators();
    if (std::none_of(table.begin(), table.end(), [&](const ACCEL& a) { return a.key == wanted && (a.fVirt & FALT); }))
      return;
    MSG msg{};
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = wanted;
    HRESULT hr = com::Query<IOleControl>(control_, IID_IOleControl)->OnMnemonic(&msg);
    if (FAILED(hr)) {
      EXCEPINFO excep{};
      IErrorInfo* error = nullptr;
      if (GetErrorInfo(0, &error) == S_OK && error) {
        error->GetDescription(&excep.bstrDescription);
        error->Release();
      }
      excep.scode = hr;
      out_.push_back(ErrorLine(DISP_E_EXCEPTION, excep));
    }
  } else {
    Fail("not available through COM: " + verb);
  }
}

std::string Player::NextAnswer() {
  if (answers_.empty()) return {};
  std::string a = answers_.front();
  answers_.pop_front();
  return a;
}

void Player::OnEvent(DISPID id, DISPPARAMS* params) {
  const std::optional<Signature> sig = FindSignature(events_info_, id, INVOKE_FUNC);
  if (!sig) {
    out_.push_back("event <" + std::to_string(id) + ">");
    return;
  }
  const size_t count = std::min<size_t>(params->cArgs, sig->params.size());
  auto arg = [&](size_t i) -> VARIANT& { return params->rgvarg[params->cArgs - 1 - i]; };
  auto it = handlers_.find(Lower(sig->name));
  if (it != handlers_.end()) {
    for (const auto& [name, value] : it->second.assignments) {
      for (size_t i = 0; i < count; ++i) {
        if (!SameText(sig->params[i], name)) continue;
        VARIANT& a = arg(i);
        if (!(V_VT(&a) & VT_BYREF)) continue;
        Value converted;
        if (FAILED(VariantChangeType(&converted.v, Mut(&value.v), 0, static_cast<VARTYPE>(V_VT(&a) & ~VT_BYREF)))) continue;
        switch (V_VT(&a) & ~VT_BYREF) {
          case VT_I2: *V_I2REF(&a) = V_I2(&converted.v); break;
          case VT_I4: *V_I4REF(&a) = V_I4(&converted.v); break;
          case VT_BOOL: *V_BOOLREF(&a) = V_BOOL(&converted.v); break;
          case VT_R4: *V_R4REF(&a) = V_R4(&converted.v); break;
          default: break;
        }
      }
    }
  }
  std::string line = "event " + sig->name;
  for (size_t i = 0; i < count; ++i) line += " " + sig->params[i] + "=" + Format(arg(i));
  out_.push_back(line);
  if (it != handlers_.end() && !it->second.action.empty()) {
    std::string action = it->second.action;  // the action may replace this handler
    RunLine(action);
  }
}

STDMETHODIMP Site::InputBox(BSTR prompt, BSTR title, BSTR* answer) {
  std::string text = player_.NextAnswer();
  player_.Output().push_back("inputbox " + Quote(Narrow(prompt)) + " " + Quote(Narrow(title)) + " -> " + Quote(text));
  *answer = SysAllocString(Widen(text).c_str());
  return S_OK;
}

STDMETHODIMP Site::MsgBox(BSTR text, LONG style, BSTR title, LONG* result) {
  player_.Output().push_back("msgbox " + Quote(Narrow(text)) + " " + Quote(Narrow(title)) + " " +
                             std::to_string(style));
  *result = IDOK;
  return S_OK;
}


// --- running and comparing ------------------------------------------------------------------------------

struct Run {
  std::vector<std::string> lines;
  std::vector<DISPID> changed;           // the OnChanged calls
  std::vector<DISPID> expected_changed;  // the identifiers of the .out file's changed keys
  int status = 0;
  std::string error;
};

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The rest of the script's header line that starts with tag ("# exit:")
// among its first three, or "".
std::string Header(const std::vector<std::string>& script, std::string_view tag) {
  for (size_t i = 0; i < script.size() && i < 3; ++i)
    if (script[i].starts_with(tag)) return script[i].substr(tag.size());
  return {};
}

Run Play(const std::vector<std::string>& script, const std::vector<std::string>& changed_keys) {
  Run run;
  Player player(Header(script, "# args:").find("--design") == std::string::npos);
  if (!player.Ready()) {
    run.status = 2;
    run.error = "CoCreateInstance(FolivanTab) failed: is FolivanTabs.ocx registered?";
    return run;
  }
  for (size_t n = 0; n < script.size(); ++n) {
    try {
      player.RunLine(script[n]);
    } catch (const ScriptError& e) {
      run.status = 2;
      run.error = "line " + std::to_string(n + 1) + ": " + e.message;
      break;
    }
  }
  run.lines = player.Output();
  run.changed = player.Changed();
  for (const std::string& key : changed_keys) run.expected_changed.push_back(player.IdOf(key));
  return run;
}

bool LineMatches(const std::string& actual, const std::string& expected) {
  if (actual == expected) return true;
  // "Field = *": a private field that COM does not show.
  if (actual.size() > 4 && actual.compare(actual.size() - 4, 4, " = *") == 0) {
    std::string prefix = actual.substr(0, actual.size() - 1);
    return expected.rfind(prefix, 0) == 0;
  }
  return false;
}

// The lines that differ between the first and the last that do, expected and actual.
std::string Diff(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  size_t first = 0, end_e = expected.size(), end_a = actual.size();
  while (first < end_e && first < end_a && LineMatches(actual[first], expected[first])) ++first;
  while (end_e > first && end_a > first && LineMatches(actual[end_a - 1], expected[end_e - 1])) --end_e, --end_a;
  std::string out = "    from line " + std::to_string(first + 1) + " of the output:\n";
  for (size_t i = first; i < end_e; ++i) out += "    - " + expected[i] + "\n";
  for (size_t i = first; i < end_a; ++i) out += "    + " + actual[i] + "\n";
  return out;
}

void CompareScenario(const std::filesystem::path& script_path) {
  std::filesystem::path out_path = script_path;
  out_path.replace_extension(".out");
  const std::string name = script_path.stem().string();
  std::vector<std::string> script = ReadLines(script_path);
  std::vector<std::string> expected_all = ReadLines(out_path);
  if (script.empty()) {
    wine_check::Check(false, "COM play " + name, "cannot read " + script_path.string());
    return;
  }
  std::vector<std::string> expected, changed_keys;
  for (const std::string& line : expected_all) {
    if (line.rfind("changed ", 0) == 0) changed_keys.push_back(line.substr(8));
    else expected.push_back(line);
  }
  Run run = Play(script, changed_keys);
  const int wanted_status = std::atoi(Header(script, "# exit:").c_str());
  bool same = run.lines.size() == expected.size() && run.status == wanted_status;
  for (size_t i = 0; same && i < expected.size(); ++i) same = LineMatches(run.lines[i], expected[i]);
  if (!same) {
    std::printf("    %s: %s (status %d, expected %d)\n%s", name.c_str(), run.error.c_str(), run.status,
                wanted_status, Diff(expected, run.lines).c_str());
  }
  wine_check::Check(same, "COM play " + name + ": the lines of the headless console, changed lines aside");
  auto ids = [](const std::vector<DISPID>& list) {
    std::string out;
    for (DISPID id : list) out.append(" ").append(std::to_string(id));
    return out;
  };
  wine_check::Check(run.changed == run.expected_changed,
                    "COM play " + name + ": IPropertyNotifySink::OnChanged once per changed line, by dispid",
                    "got" + ids(run.changed) + ", expected" + ids(run.expected_changed));
}

// The headless console runs on Windows XP's blue scheme; the default tab
// colours of a new control come from the button colours, so this process
// gets XP's for the run (SetSysColors is not saved: the prefix keeps its own).
struct XpButtonColours {
  static constexpr int kIndex[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,
                                   COLOR_3DLIGHT};
  static constexpr COLORREF kXp[] = {RGB(236, 233, 216), RGB(172, 168, 153), RGB(255, 255, 255),
                                     RGB(113, 111, 100), RGB(241, 239, 226)};
  COLORREF saved[5] = {};
  XpButtonColours() {
    for (int i = 0; i < 5; ++i) saved[i] = GetSysColor(kIndex[i]);
    SetSysColors(5, kIndex, kXp);
  }
  ~XpButtonColours() { SetSysColors(5, kIndex, saved); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  OleInitialize(nullptr);
  {
    XpButtonColours colours;
    for (int i = 1; i < argc; ++i) CompareScenario(std::filesystem::path(argv[i]));
  }
  OleUninitialize();
  return wine_check::Finish();
}
