// Script verbs that reach the control through its public interface by name
// (set, get, call), its events (on) and its private fields (state).
#include "verbs.h"

#include <algorithm>
#include <map>

#include "core/dispatch.h"
#include "core/text.h"
#include "platform/vb_runtime.h"
#include "render_command.h"
#include "script_values.h"
#include "platform/headless/form_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/picture_file.h"
#include "containment/switcher.h"
#include "input/mouse.h"
#include "tooltip/tip.h"

namespace folivan::console {

namespace {

// "Member" or "Member(index)" with the index as a literal.
struct MemberRef {
  std::string name;
  std::vector<Variant> index;
};

std::optional<MemberRef> ParseMemberRef(std::string_view text) {
  MemberRef ref;
  size_t open = text.find('(');
  if (open == std::string_view::npos) {
    ref.name = std::string(text);
  } else {
    if (text.back() != ')') return std::nullopt;
    ref.name = std::string(text.substr(0, open));
    std::string_view inner = text.substr(open + 1, text.size() - open - 2);
    auto value = ParseValue(inner);
    if (!value) return std::nullopt;
    ref.index.push_back(*value);
  }
  if (ref.name.empty()) return std::nullopt;
  for (char c : ref.name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return std::nullopt;
  }
  return ref;
}

std::pair<const MemberInfo*, MemberRef> MemberOf(const Line& line, const std::string& text) {
  auto ref = ParseMemberRef(text);
  if (!ref) line.Fail("bad member: " + text);
  const MemberInfo* m = FindMember(ref->name);
  if (m == nullptr) line.Fail("unknown member: " + ref->name);
  return {m, *ref};
}

void RunSet(Line& line) {
  FolivanTab& control = line.Control();
  // set Member = value, set Member(index) = value
  std::string rest = Join(line.words, 1);
  size_t eq = rest.find('=');
  if (eq == std::string::npos) line.Fail("expected: set Member = value");
  std::string lhs = rest.substr(0, eq);
  std::string rhs = rest.substr(eq + 1);
  auto trim = [](std::string s) {
    size_t a = s.find_first_not_of(" \t");
    size_t b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
  };
  auto [member, ref] = MemberOf(line, trim(lhs));
  if (member->is_method) line.Fail(std::string(member->name) + " is a method");
  Variant value = line.Value(trim(rhs));
  line.Reporting([&, member = member, &index = ref.index] { PutMember(control, *member, index, value); });
}

void RunGet(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() != 2) line.Fail("expected: get Member");
  auto [member, ref] = MemberOf(line, line.words[1]);
  if (member->is_method) line.Fail(std::string(member->name) + " is a method");
  line.Reporting([&, member = member, &ref = ref] {
    Variant v = GetMember(control, *member, ref.index);
    line.out << member->name;
    if (!ref.index.empty()) line.out << "(" << ToText(ref.index[0]) << ")";
    line.out << " = " << FormatValue(v) << "\n";
  });
}

void RunCall(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() < 2) line.Fail("expected: call Method arg ...");
  const MemberInfo* member = MemberOf(line, line.words[1]).first;
  if (!member->is_method) line.Fail(std::string(member->name) + " is not a method");
  std::vector<Variant> args;
  for (size_t i = 2; i < line.words.size(); ++i) args.push_back(line.Value(line.words[i]));
  // GetControlDimensions fills its four arguments, given or not, and they are printed.
  const bool dimensions = EqualsIgnoreCase(member->name, "GetControlDimensions");
  if (dimensions) args.resize(std::max<size_t>(args.size(), 4));
  line.Reporting([&] {
    CallMember(control, *member, args);
    if (dimensions) PrintDimensions(line, args);
  });
}

void RunOn(Line& line) {
  if (line.words.size() < 2) line.Fail("expected: on Event Arg=value ...");
  const EventInfo* event = FindEvent(line.words[1]);
  if (event == nullptr) line.Fail("unknown event: " + line.words[1]);
  Player::Handler handler;
  // "do <line>" at the end: the handler also runs that script line, re-entering the control.
  size_t end = line.words.size();
  for (size_t i = 2; i < line.words.size(); ++i) {
    if (line.words[i] == "do") {
      if (i + 1 >= line.words.size()) line.Fail("expected a script line after do");
      handler.action = Join(line.words, i + 1);
      end = i;
      break;
    }
  }
  for (size_t i = 2; i < end; ++i) {
    size_t eq = line.words[i].find('=');
    if (eq == std::string::npos) line.Fail("expected Arg=value: " + line.words[i]);
    std::string arg = line.words[i].substr(0, eq);
    bool known = false;
    for (const EventArgInfo& a : event->args) known = known || EqualsIgnoreCase(a.name, arg);
    if (!known) line.Fail("event " + std::string(event->name) + " has no argument " + arg);
    handler.assignments.emplace_back(arg, line.Value(line.words[i].substr(eq + 1)));
  }
  if (handler.assignments.empty() && handler.action.empty()) {
    line.player.ClearHandler(event->name);
  } else {
    line.player.SetHandler(event->name, std::move(handler));
  }
}

void RunState(Line& line) {
  FolivanTab& control = line.Control();
  // The control's private fields, for exploring and testing what no member shows.
  if (line.words.size() != 2) line.Fail("expected: state Field");
  const ControlState& st = control.State();
  const std::map<std::string, Variant, std::less<>> fields = {
      {"Hidd", Variant(st.Hidd)},
      {"HiddR", Variant(st.HiddR)},
      {"mShowScrollBar", Variant::Bool(st.mShowScrollBar)},
      {"PreviousTab", Variant(st.PreviousTab)},
      {"LastActTab", Variant(st.LastActTab)},
      {"sHowerTab", Variant(st.sHowerTab)},
      {"StripH", Variant(st.StripH)},
      {"HiddenCount", Variant(st.HiddenCount)},
      {"CommonControls", Variant(static_cast<int32_t>(st.CommonControls.Count()))},
      {"AccessKeys", Variant(line.session.GetSurface().AccessKeys())},
      {"PreviousHotTab", Variant(st.input.PreviousHotTab)},
      {"MouseInside", Variant(st.input.MouseInside)},
      {"LastMouseX", Variant(static_cast<double>(st.input.LastMouseX))},
      {"LastMouseY", Variant(static_cast<double>(st.input.LastMouseY))},
      {"PasswordPrompting", Variant::Bool(st.input.PasswordPrompting)},
      {"HasFocus", Variant::Bool(st.paint.HasFocus)},
      {"OverTab", Variant::Bool(OverTab)},
      {"OverCurrentTab", Variant::Bool(OverCurrentTab)},
      {"ButtonHeld", Variant::Bool(ButtonHeld)},
      {"CanScrollLeft", Variant::Bool(st.paint.CanScrollLeft)},
      {"CanScrollRight", Variant::Bool(st.paint.CanScrollRight)},
      {"ScrollButtonWidth", Variant(st.paint.ScrollButtonWidth)},
      {"LeftPressed", Variant::Bool(st.input.LeftPressed)},
      {"RightPressed", Variant::Bool(st.input.RightPressed)},
  };
  auto it = fields.find(line.words[1]);
  if (it == fields.end()) line.Fail("unknown field: " + line.words[1]);
  line.out << it->first << " = " << FormatValue(it->second) << "\n";
}

}  // namespace

std::span<const Verb> MemberVerbs() {
  static const Verb verbs[] = {
    {"set", RunSet},
    {"get", RunGet},
    {"call", RunCall},
    {"on", RunOn},
    {"state", RunState},
  };
  return verbs;
}

}  // namespace folivan::console
