// The lines in which the console prints the accessibility tree and its
// events; the tests that read the tree through the system's accessibility
// interfaces print theirs with the same words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "access/access_tree.h"

namespace folivan::access {

std::string_view RoleName(Role role);
// The states' names, comma-separated, in their fixed order.
std::string StateNames(uint32_t states);
// "SELECTION", "FOCUS", ... for a WinEvent constant.
std::string_view WinEventName(uint32_t event);

// `accessible Role=PageTabList Name="" State=focusable Children=3` for the
// control (child 0), `accessible 2 Role=PageTab Name="Orders" ...` for a child.
std::string TreeLine(const Element& e, int32_t child, int32_t children);
// `winevent SELECTION child=2`.
std::string WinEventLine(uint32_t event, int32_t child);

}  // namespace folivan::access
