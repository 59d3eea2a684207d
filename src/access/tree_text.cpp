#include "access/tree_text.h"

#include <utility>

namespace folivan::access {

namespace {

// Double quotes around, and a quote inside doubled.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

// The winevent constants (platform/system.h), kept here so that the test
// programs can print events without the platform's headers.
constexpr uint32_t kShow = 0x8002;
constexpr uint32_t kHide = 0x8003;
constexpr uint32_t kReorder = 0x8004;
constexpr uint32_t kFocus = 0x8005;
constexpr uint32_t kSelection = 0x8006;
constexpr uint32_t kStateChange = 0x800A;
constexpr uint32_t kNameChange = 0x800C;

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
    case kShow: return "SHOW";
    case kHide: return "HIDE";
    case kReorder: return "REORDER";
    case kFocus: return "FOCUS";
    case kSelection: return "SELECTION";
    case kStateChange: return "STATECHANGE";
    case kNameChange: return "NAMECHANGE";
    default: return "UNKNOWN";
  }
}

std::string TreeLine(const Element& e, int32_t child, int32_t children) {
  std::string line = "accessible";
  if (child > 0) line += " " + std::to_string(child);
  line += " Role=" + std::string(RoleName(e.role)) + " Name=" + Quoted(e.name);
  if (child == 0) return line + " State=" + StateNames(e.states) + " Children=" + std::to_string(children);
  if (e.role == Role::kPageTab) line += " Description=" + Quoted(e.description) + " Shortcut=" + Quoted(e.shortcut);
  const Rect& r = e.location;
  line += " State=" + StateNames(e.states) + " Location=" + std::to_string(r.left) + "," + std::to_string(r.top) +
          "," + std::to_string(r.Width()) + "," + std::to_string(r.Height());
  if (!e.action.empty()) line += " Action=" + Quoted(e.action);
  return line;
}

std::string WinEventLine(uint32_t event, int32_t child) {
  return "winevent " + std::string(WinEventName(event)) + " child=" + std::to_string(child);
}

}  // namespace folivan::access
