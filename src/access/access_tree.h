// The control as screen readers see it: a page tab list whose children are
// the tabs that exist, the scroll buttons and the wizard page's buttons and
// counter, computed from the control's state and its last layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace folivan {
class FolivanTab;
}

namespace folivan::access {

enum class Role { kPageTabList, kPageTab, kPushButton, kStaticText };

// States, in the order in which they are listed.
namespace state {
constexpr uint32_t kUnavailable = 1u << 0;
constexpr uint32_t kSelected = 1u << 1;
constexpr uint32_t kFocused = 1u << 2;
constexpr uint32_t kInvisible = 1u << 3;
constexpr uint32_t kOffscreen = 1u << 4;
constexpr uint32_t kFocusable = 1u << 5;
constexpr uint32_t kSelectable = 1u << 6;
}  // namespace state

// The key of the control itself (tab keys are below it, the other parts above).
inline constexpr uint64_t kRootKey = uint64_t{1} << 63;

// What an object of the tree stands for.
enum class Part { kList, kTab, kScrollLeft, kScrollRight, kPreviousPage, kNextPage, kPageCounter };

struct Element {
  Part part = Part::kList;
  int16_t tab = -1;   // the tab's index (Part::kTab)
  uint64_t key = 0;   // the same object from one tree to the next: a tab keeps it through moves
  Role role = Role::kPageTabList;
  std::string name;
  std::string description;  // the tab's tooltip text
  std::string shortcut;     // "Alt+C"
  std::string action;       // "Switch", "Press", or none
  uint32_t states = 0;
  Rect location;  // pixels of the control, from the last layout; empty when not laid out
};

// The control itself: named as its host names it, focusable, focused while it
// has the focus, and as large as the control.
Element Root(FolivanTab& control);
// The children in child-id order (child id n is element n - 1): the tabs that
// exist, then the scroll buttons while they show; in the Wizard style, which
// has no strip, the page buttons where drawn and the page counter.
std::vector<Element> Children(FolivanTab& control);

// The child (1-based) whose location holds the point (pixels of the control),
// topmost first: the scroll buttons lie over the strip's end. 0 for the
// control itself, -1 outside it. Children out of view are never hit.
int32_t ChildAt(FolivanTab& control, int32_t x, int32_t y);
// The focused object: 0 for the control itself, n for a child, -1 when the
// control does not have the focus.
int32_t FocusedChild(FolivanTab& control);
// The selected tab's child id, or 0 when no tab is selected.
int32_t SelectedChild(FolivanTab& control);

enum class Direction { kNext, kPrevious, kFirstChild, kLastChild };
// The neighbour of child `from` (0: the control itself, for the first and
// last child), or 0 when there is none.
int32_t Navigate(FolivanTab& control, int32_t from, Direction direction);

// The default action of child n, as the user's own gesture does it: a tab is
// switched to by a click's path (the disabled tab refused at run time, its
// password, BeforeTabChange's veto) without the mouse events or TabClick,
// and the selected tab is then scrolled into view; a button is pressed.
// Error 5 when n is no child or the child has no default action.
void DoDefaultAction(FolivanTab& control, int32_t child);

// A caption as read aloud: access-key markers dropped ("&Customer" is
// "Customer"), a doubled "&&" read as one "&".
std::string NameOfCaption(std::string_view caption);

}  // namespace folivan::access
