// The keyboard: while the control has the focus, the arrow keys select the
// neighbouring tab and keep the selected tab in view when the strip is scrolled.
#pragma once

#include <cstdint>

namespace folivan {
class FolivanTab;

// Virtual-key codes the control acts on.
namespace vk {
constexpr int16_t kLeft = 37;
constexpr int16_t kUp = 38;
constexpr int16_t kRight = 39;
constexpr int16_t kDown = 40;
}  // namespace vk

// The host's KeyDown: raises KeyDown (whose handler may change the key code),
// moves the selection on Left and Right (Up and Down in the Visio style), and
// refreshes the scroll buttons. Nothing at all without tabs.
void HandleKeyDown(FolivanTab& control, int16_t key_code, int16_t shift);

}  // namespace folivan
