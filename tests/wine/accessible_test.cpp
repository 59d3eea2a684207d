// A screen reader's view of the hosted control, through oleacc: the client
// asks for the control window's IAccessible with AccessibleObjectFromWindow,
// prints the tree in the console's words (access_trees.txt, which
// scripts/wine-tests.sh sets beside the console's own lines for the same
// script, access_trees.play), runs a tab's default action (TabChange arrives
// in the container) and hears the control's WinEvents through SetWinEventHook.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <initguid.h>

#include "FolivanTabs_h.h"
#include "access/tree_text.h"
#include "com_objects.h"
#include "script_literal.h"
#include "script_values.h"
#include "wine_check.h"

using com::Query;
using com::Ref;
using wine_check::Check;

namespace {

namespace access = folivan::access;

using wine_check::Widen;

std::string Narrow(BSTR text) { return wine_check::FromBstr(text); }

// --- the container ---------------------------------------------------------------------------

// A site with a window and an extender; the control's place is (0, 0)-(400, 300),
// the console's size for a new control.
class Site : public com::ControlSite<> {
 public:
  using ControlSite::ControlSite;
  // The control's extender: its name on the form.
  STDMETHODIMP GetExtendedControl(IDispatch** extender) override {
    auto* members = new com::Members<>();
    members->Add(L"Name", com::ReadOnly([] { return com::Text(L"FolivanTab1"); }));
    *extender = members;
    return S_OK;
  }
};

// The WinEvents of the control's client area, in the console's words.
HWND g_control_window = nullptr;
std::vector<std::string> g_events;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (hwnd == g_control_window && object == OBJID_CLIENT) g_events.push_back(access::WinEventLine(event, child));
}

// --- the client -------------------------------------------------------------------------------

VARIANT Child(LONG id) { return com::Value(VT_I4, id); }

// One of the texts of an object (get_accName, get_accDescription, ...).
std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* object, LONG id) {
  BSTR text = nullptr;
  (object->*get)(Child(id), &text);
  std::string out = Narrow(text);
  SysFreeString(text);
  return out;
}

access::Role RoleOf(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_PAGETAB: return access::Role::kPageTab;
    case ROLE_SYSTEM_PUSHBUTTON: return access::Role::kPushButton;
    case ROLE_SYSTEM_STATICTEXT: return access::Role::kStaticText;
    default: return access::Role::kPageTabList;
  }
}

uint32_t StatesOf(LONG states) {
  static const std::pair<LONG, uint32_t> kStates[] = {
      {STATE_SYSTEM_UNAVAILABLE, access::state::kUnavailable}, {STATE_SYSTEM_SELECTED, access::state::kSelected},
      {STATE_SYSTEM_FOCUSED, access::state::kFocused},         {STATE_SYSTEM_INVISIBLE, access::state::kInvisible},
      {STATE_SYSTEM_OFFSCREEN, access::state::kOffscreen},     {STATE_SYSTEM_FOCUSABLE, access::state::kFocusable},
      {STATE_SYSTEM_SELECTABLE, access::state::kSelectable},
  };
  uint32_t out = 0;
  for (const auto& entry : kStates) {
    if (states & entry.first) out |= entry.second;
  }
  return out;
}

// One object as the client reads it; its location back in pixels of the control.
access::Element Read(IAccessible* object, LONG id, HWND window) {
  access::Element e;
  VARIANT v;
  VariantInit(&v);
  if (SUCCEEDED(object->get_accRole(Child(id), &v)) && V_VT(&v) == VT_I4) e.role = RoleOf(V_I4(&v));
  VariantClear(&v);
  if (SUCCEEDED(object->get_accState(Child(id), &v)) && V_VT(&v) == VT_I4) e.states = StatesOf(V_I4(&v));
  VariantClear(&v);
  e.name = Text(&IAccessible::get_accName, object, id);
  e.description = Text(&IAccessible::get_accDescription, object, id);
  e.shortcut = Text(&IAccessible::get_accKeyboardShortcut, object, id);
  e.action = Text(&IAccessible::get_accDefaultAction, object, id);
  LONG x = 0, y = 0, w = 0, h = 0;
  object->accLocation(&x, &y, &w, &h, Child(id));
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  // Not laid out: an empty place, wherever the window is.
  if (w == 0 && h == 0) origin = POINT{x, y};
  e.location = folivan::Rect{x - origin.x, y - origin.y, x - origin.x + w, y - origin.y + h};
  return e;
}

std::vector<std::string> TreeLines(IAccessible* object, HWND window) {
  LONG count = 0;
  object->get_accChildCount(&count);
  std::vector<std::string> lines{access::TreeLine(Read(object, CHILDID_SELF, window), 0, count)};
  for (LONG n = 1; n <= count; ++n) lines.push_back(access::TreeLine(Read(object, n, window), n, count));
  return lines;
}

Ref<IAccessible> AccessibleOf(HWND window) {
  Ref<IAccessible> object;
  HRESULT hr = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&object.p));
  if (FAILED(hr)) std::printf("# AccessibleObjectFromWindow: hr %08lx\n", static_cast<unsigned long>(hr));
  return object;
}

// --- playing the tree script through COM ----------------------------------------------------------

// One line of a tree script: `set Member = value`, `set Member(index) = value`,
// `call Method arg`, or `accessible` (the tree's lines go to out).
void RunLine(const std::string& line, IDispatch* control, HWND window, std::vector<std::string>& out) {
  auto words = folivan::console::SplitWords(line);
  if (!words || words->empty() || (*words)[0][0] == '#') return;
  const std::vector<std::string>& w = *words;
  if (w[0] == "accessible") {
    if (auto object = AccessibleOf(window)) {
      for (const std::string& l : TreeLines(object, window)) out.push_back(l);
    }
  } else if (w[0] == "call" && w.size() == 3) {
    com::Call(control, Widen(w[1]).c_str(), DISPATCH_METHOD, {Literal(w[2])});
  } else if (w[0] == "set" && w.size() == 4) {
    std::string member = w[1];
    std::vector<VARIANT> args;
    if (size_t open = member.find('('); open != std::string::npos) {
      args.push_back(Literal(member.substr(open + 1, member.size() - open - 2)));
      member = member.substr(0, open);
    }
    args.push_back(Literal(w[3]));
    com::Put(control, Widen(member).c_str(), std::move(args));
  }
}

std::vector<std::string> PlayTreeScript(const char* path, IDispatch* control, HWND window) {
  std::ifstream script(path);
  std::vector<std::string> out;
  for (std::string line; std::getline(script, line);)
    RunLine(line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1), control, window, out);
  return out;
}

// Out-of-context WinEvents may come through the thread's message queue.
const std::vector<std::string>& Events() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  return g_events;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

int wmain() {
  OleInitialize(nullptr);
  {
    HWND frame = com::FormWindow(420, 340);
    ShowWindow(frame, SW_SHOW);
    com::Hosted<Site> hosted(new Site(frame), nullptr, CLSID_FolivanTab);
    Check(hosted.ole != nullptr, "the registered control is created");
    if (!hosted.ole) return wine_check::Finish();
    IDispatch* control = hosted.control;
    HWND window = hosted.window;
    g_control_window = window;
    Ref<com::EventRecorder> sink{new com::EventRecorder(DIID___FolivanTab)};
    // The TabChange events (NewTab) that reached the container.
    auto tab_changes = [&] {
      std::vector<int> tabs;
      for (const com::Fired& f : sink->fired)
        if (f.id == 4 && f.values.size() == 2) tabs.push_back(static_cast<int>(f.values[1]));
      return tabs;
    };
    DWORD cookie = 0;
    Ref<IConnectionPoint> point{com::Advise(control, DIID___FolivanTab, static_cast<IDispatch*>(sink), &cookie)};
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, nullptr, OnWinEvent,
                                         GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    Check(hook != nullptr, "SetWinEventHook");

    // Every style's tree, for the comparison with the console.
    const std::vector<std::string> trees = PlayTreeScript("access_trees.play", control, window);
    Check(trees.size() > 13 * 2, "AccessibleObjectFromWindow(OBJID_CLIENT) answers in every style",
          std::to_string(trees.size()).append(" lines"));
    if (FILE* file = _wfopen(L"access_trees.txt", L"w")) {
      for (const std::string& line : trees) fprintf(file, "%s\n", line.c_str());
      fclose(file);
    }

    std::vector<std::string> ignored;
    RunLine("set Appearance = 1", control, window, ignored);
    Ref<IAccessible> object = AccessibleOf(window);
    Check(object != nullptr, "IAccessible of the client area");
    // What is still queued belongs to the step before.
    auto fresh = [&] {
      Events();
      g_events.clear();
      sink->fired.clear();
    };
    if (object) {
      // The second tab's middle, in screen pixels, hits it.
      LONG x = 0, y = 0, w = 0, h = 0;
      object->accLocation(&x, &y, &w, &h, Child(2));
      VARIANT hit;
      object->accHitTest(x + w / 2, y + h / 2, &hit);
      Check(V_VT(&hit) == VT_I4 && V_I4(&hit) == 2, "accHitTest in the middle of child 2 finds it");
      VARIANT next;
      object->accNavigate(NAVDIR_NEXT, Child(1), &next);
      Check(V_VT(&next) == VT_I4 && V_I4(&next) == 2, "accNavigate(NEXT) from child 1 is child 2");

      // The default action switches as a click does: TabChange in the container, SELECTION for the client.
      fresh();
      Check(SUCCEEDED(object->accDoDefaultAction(Child(2))), "accDoDefaultAction(2)");
      Check(tab_changes() == std::vector<int>{1}, "TabChange(NewTab 1) arrives in the container");
      Check(Contains(Events(), "winevent SELECTION child=2"), "SetWinEventHook hears SELECTION child=2");
      VARIANT selection;
      object->get_accSelection(&selection);
      Check(V_VT(&selection) == VT_I4 && V_I4(&selection) == 2, "get_accSelection is child 2");
      VARIANT focus;
      object->get_accFocus(&focus);
      const bool focused = GetFocus() == window;
      Check(!focused || (V_VT(&focus) == VT_I4 && V_I4(&focus) == 2),
            "get_accFocus is the selected tab while the control has the focus");

      // A disabled tab refuses its default action: nothing changes, nothing is raised.
      fresh();
      object->accDoDefaultAction(Child(4));
      Check(tab_changes().empty() && Events().empty(), "a disabled tab's default action changes nothing");
      Check(object->accDoDefaultAction(Child(99)) == E_INVALIDARG, "no child 99");

      const std::pair<const char*, std::string> steps[] = {
          {"set TabCaption(1) = \"&Renamed\"", "winevent NAMECHANGE child=2"},
          {"set iTabEnabled(3) = True", "winevent STATECHANGE child=4"},
          {"call InsertTab 0", "winevent REORDER child=0"},
      };
      for (const auto& step : steps) {
        fresh();
        RunLine(step.first, control, window, ignored);
        Check(Contains(Events(), step.second), "SetWinEventHook hears " + step.second.substr(9));
      }
    }

    if (hook) UnhookWinEvent(hook);
    if (point) point->Unadvise(cookie);
  }
  OleUninitialize();
  return wine_check::Finish();
}
