#include "access/tree_text.h"

#include <utility>

#include "platform/system.h"

namespace folivan::access {

namespace {

// Double quotes around, and a quote inside doubled.
std::string Quoted(std::string_view text) {
  std::string out(1, '"');
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  out += '"';
  return out;
}

}  // namespace

std::string_view RoleName(Role role) {
  switch (role) {
    case Role::kPageTabList: return "PageTabList";
    case Role::kPageTab: return "PageTab";
    case Role::kPushButton: return "PushButton";
    case Role::kStaticText: return "StaticText";
  }
  return {};
}

std::string StateNames(uint32_t states) {
  static constexpr std::pair<uint32_t, std::string_view> kNames[] = {
      {state::kUnavailable, "unavailable"}, {state::kSelected, "selected"},   {state::kFocused, "focused"},
      {state::kInvisible, "invisible"},     {state::kOffscreen, "offscreen"}, {state::kFocusable, "focusable"},
      {state::kSelectable, "selectable"},
  };
  std::string out;
  for (const auto& entry : kNames) {
    if (!(states & entry.first)) continue;
    if (!out.empty()) out += ',';
    out += entry.second;
  }
  return out;
}

std::string_view WinEventName(uint32_t event) {
  switch (event) {
    case winevent::kShow: return "SHOW";
    case winevent::kHide: return "HIDE";
    case winevent::kReorder: return "REORDER";
    case winevent::kFocus: return "FOCUS";
    case winevent::kSelection: return "SELECTION";
    case winevent::kStateChange: return "STATECHANGE";
    case winevent::kNameChange: return "NAMECHANGE";
    default: return "UNKNOWN";
  }
}

// Built by appending only (GCC 12's -Wrestrict misreads some string sums at -O3).
std::string TreeLine(const Element& e, int32_t child, int32_t children) {
  std::string line = "accessible";
  if (child > 0) {
    line += ' ';
    line += std::to_string(child);
  }
  line += " Role=";
  line += RoleName(e.role);
  line += " Name=";
  line += Quoted(e.name);
  if (child == 0) {
    line += " State=";
    line += StateNames(e.states);
    line += " Children=";
    line += std::to_string(children);
    return line;
  }
  if (e.role == Role::kPageTab) {
    line += " Description=";
    line += Quoted(e.description);
    line += " Shortcut=";
    line += Quoted(e.shortcut);
  }
  const Rect& r = e.location;
  line += " State=";
  line += StateNames(e.states);
  line += " Location=";
  for (int32_t value : {r.left, r.top, r.Width(), r.Height()}) {
    if (line.back() != '=') line += ',';
    line += std::to_string(value);
  }
  if (!e.action.empty()) {
    line += " Action=";
    line += Quoted(e.action);
  }
  return line;
}

std::string WinEventLine(uint32_t event, int32_t child) {
  std::string line = "winevent ";
  line += WinEventName(event);
  line += " child=";
  line += std::to_string(child);
  return line;
}

}  // namespace folivan::access
