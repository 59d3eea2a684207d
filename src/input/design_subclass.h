// The design-time subclass of the control's window, through which a form
// designer can click tabs: the designer keeps the mouse notifications to
// itself, so the control reads the raw window messages instead.
#pragma once

#include <cstdint>

namespace folivan {
class FolivanTab;

// Window messages the subclass looks at.
namespace wm {
constexpr uint32_t kMove = 0x0003;
constexpr uint32_t kSize = 0x0005;
constexpr uint32_t kMouseActivate = 0x0021;
constexpr uint32_t kMouseMove = 0x0200;
constexpr uint32_t kLButtonDown = 0x0201;
constexpr uint32_t kLButtonDblClk = 0x0203;
}  // namespace wm

void InstallDesignSubclass(FolivanTab& control);
void RemoveDesignSubclass(FolivanTab& control);

// The logic of the module window procedure, for every message of the
// subclassed window. Returns true when the message must be swallowed: the
// window procedure then returns 0 and neither the control nor the previous
// window procedure sees it. Otherwise the control has handled it and the
// window procedure passes it on to the previous procedure and returns that
// result.
bool HandleDesignMessage(FolivanTab& control, uint32_t msg, uintptr_t wparam, intptr_t lparam);

}  // namespace folivan
