#include "activex/accessible_object.h"

#include <new>
#include <optional>
#include <vector>

#include "access/access_tree.h"
#include "activex/control_object.h"
#include "activex/convert.h"

namespace folivan::activex {

namespace {

// IAccessible's identifier. The import library's IID_IAccessible names data
// in oleacc.dll, which reaches this module as a thunk, not as the GUID.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

LONG RoleOf(access::Role role) {
  switch (role) {
    case access::Role::kPageTabList: return ROLE_SYSTEM_PAGETABLIST;
    case access::Role::kPageTab: return ROLE_SYSTEM_PAGETAB;
    case access::Role::kPushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case access::Role::kStaticText: return ROLE_SYSTEM_STATICTEXT;
  }
  return ROLE_SYSTEM_CLIENT;
}

LONG StatesOf(uint32_t states) {
  static constexpr std::pair<uint32_t, LONG> kStates[] = {
      {access::state::kUnavailable, STATE_SYSTEM_UNAVAILABLE}, {access::state::kSelected, STATE_SYSTEM_SELECTED},
      {access::state::kFocused, STATE_SYSTEM_FOCUSED},         {access::state::kInvisible, STATE_SYSTEM_INVISIBLE},
      {access::state::kOffscreen, STATE_SYSTEM_OFFSCREEN},     {access::state::kFocusable, STATE_SYSTEM_FOCUSABLE},
      {access::state::kSelectable, STATE_SYSTEM_SELECTABLE},
  };
  LONG out = 0;
  for (const auto& entry : kStates) {
    if (states & entry.first) out |= entry.second;
  }
  return out;
}

// CHILDID_SELF (0) or a child id, as the client passed it; -1 when it is no number.
LONG ChildId(const VARIANT& child) {
  VARIANT id;
  VariantInit(&id);
  if (FAILED(VariantChangeType(&id, const_cast<VARIANT*>(&child), 0, VT_I4))) return -1;
  return V_I4(&id);
}

void SetChildId(VARIANT* out, int32_t id) {
  VariantInit(out);
  if (id < 0) return;  // VT_EMPTY: none
  V_VT(out) = VT_I4;
  V_I4(out) = id;
}

// A text for the client, or none (S_FALSE) when it is empty.
HRESULT TextResult(const std::string& text, BSTR* out) {
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = ToBstr(text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

// Runs a call into the control; its errors become HRESULTs.
template <typename Fn>
HRESULT Guarded(Fn&& fn) {
  try {
    return fn();
  } catch (const VbError& e) {
    return e.Number() == vberr::kInvalidProcedureCall ? E_INVALIDARG : E_FAIL;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace

LRESULT AnswerAccessibleObject(ControlObject& control, WPARAM wparam) {
  auto* object = new (std::nothrow) AccessibleObject(control);
  if (!object) return 0;
  LRESULT result = LresultFromObject(kIidAccessible, wparam, static_cast<IAccessible*>(object));
  object->Release();
  return result;
}

AccessibleObject::AccessibleObject(ControlObject& control) : control_(control) {
  control_.AddRef();
  ObjectCreated();
}

AccessibleObject::~AccessibleObject() {
  control_.Release();
  ObjectDestroyed();
}

STDMETHODIMP AccessibleObject::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (riid != IID_IUnknown && riid != IID_IDispatch && riid != kIidAccessible) return E_NOINTERFACE;
  *object = static_cast<IAccessible*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) AccessibleObject::Release() {
  LONG refs = InterlockedDecrement(&refs_);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

STDMETHODIMP AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
STDMETHODIMP AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
STDMETHODIMP AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// --- the tree ------------------------------------------------------------------------------

namespace {

// The object that `child` names: the control itself or one of its children.
std::optional<access::Element> ElementOf(FolivanTab& core, const VARIANT& child) {
  const LONG id = ChildId(child);
  if (id == CHILDID_SELF) return access::Root(core);
  std::vector<access::Element> children = access::Children(core);
  if (id < 1 || id > static_cast<LONG>(children.size())) return std::nullopt;
  return std::move(children[static_cast<size_t>(id - 1)]);
}

}  // namespace

STDMETHODIMP AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!control_.Window()) return S_FALSE;
  return AccessibleObjectFromWindow(control_.Window(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(parent));
}

STDMETHODIMP AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  return Guarded([&] {
    *count = static_cast<LONG>(access::Children(control_.Core()).size());
    return S_OK;
  });
}

// The children are simple elements: their parent answers for them.
STDMETHODIMP AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return Guarded([&] {
    const LONG id = ChildId(child);
    const auto count = static_cast<LONG>(access::Children(control_.Core()).size());
    return id >= 1 && id <= count ? S_FALSE : E_INVALIDARG;
  });
}

STDMETHODIMP AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    return e ? TextResult(e->name, name) : E_INVALIDARG;
  });
}

STDMETHODIMP AccessibleObject::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    return e ? TextResult(e->description, description) : E_INVALIDARG;
  });
}

STDMETHODIMP AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    V_VT(role) = VT_I4;
    V_I4(role) = RoleOf(e->role);
    return S_OK;
  });
}

STDMETHODIMP AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    V_VT(state) = VT_I4;
    V_I4(state) = StatesOf(e->states);
    return S_OK;
  });
}

STDMETHODIMP AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
  if (help) *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    return e ? TextResult(e->shortcut, shortcut) : E_INVALIDARG;
  });
}

STDMETHODIMP AccessibleObject::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return Guarded([&] {
    const int32_t focused = access::FocusedChild(control_.Core());
    SetChildId(child, focused);
    return focused < 0 ? S_FALSE : S_OK;
  });
}

STDMETHODIMP AccessibleObject::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  VariantInit(children);
  return Guarded([&] {
    const int32_t selected = access::SelectedChild(control_.Core());
    SetChildId(children, selected > 0 ? selected : -1);
    return selected > 0 ? S_OK : S_FALSE;
  });
}

STDMETHODIMP AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    return e->action.empty() ? DISP_E_MEMBERNOTFOUND : TextResult(e->action, action);
  });
}

// Taking the focus focuses the control's window; taking the selection
// switches to the tab as its default action does.
STDMETHODIMP AccessibleObject::accSelect(LONG flags, VARIANT child) {
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    if (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) return E_INVALIDARG;
    const bool tab = e->role == access::Role::kPageTab;
    if ((flags & SELFLAG_TAKESELECTION) && !tab) return E_INVALIDARG;
    if ((flags & SELFLAG_TAKEFOCUS) && control_.Window()) ::SetFocus(control_.Window());
    if (flags & SELFLAG_TAKESELECTION) access::DoDefaultAction(control_.Core(), ChildId(child));
    return S_OK;
  });
}

STDMETHODIMP AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    POINT origin{0, 0};
    if (control_.Window()) ClientToScreen(control_.Window(), &origin);
    *left = origin.x + e->location.left;
    *top = origin.y + e->location.top;
    *width = e->location.Width();
    *height = e->location.Height();
    return S_OK;
  });
}

STDMETHODIMP AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  return Guarded([&] {
    access::Direction way = access::Direction::kNext;
    switch (direction) {
      case NAVDIR_NEXT:
      case NAVDIR_RIGHT:
      case NAVDIR_DOWN: way = access::Direction::kNext; break;
      case NAVDIR_PREVIOUS:
      case NAVDIR_LEFT:
      case NAVDIR_UP: way = access::Direction::kPrevious; break;
      case NAVDIR_FIRSTCHILD: way = access::Direction::kFirstChild; break;
      case NAVDIR_LASTCHILD: way = access::Direction::kLastChild; break;
      default: return E_INVALIDARG;
    }
    if (!ElementOf(control_.Core(), start)) return E_INVALIDARG;
    const int32_t to = access::Navigate(control_.Core(), ChildId(start), way);
    SetChildId(end, to > 0 ? to : -1);
    return to > 0 ? S_OK : S_FALSE;
  });
}

STDMETHODIMP AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return Guarded([&] {
    POINT p{x, y};
    if (control_.Window()) ScreenToClient(control_.Window(), &p);
    const int32_t hit = access::ChildAt(control_.Core(), p.x, p.y);
    SetChildId(child, hit);
    return hit < 0 ? S_FALSE : S_OK;
  });
}

STDMETHODIMP AccessibleObject::accDoDefaultAction(VARIANT child) {
  return Guarded([&] {
    auto e = ElementOf(control_.Core(), child);
    if (!e) return E_INVALIDARG;
    if (e->action.empty()) return DISP_E_MEMBERNOTFOUND;
    access::DoDefaultAction(control_.Core(), ChildId(child));
    return S_OK;
  });
}

STDMETHODIMP AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
STDMETHODIMP AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace folivan::activex
