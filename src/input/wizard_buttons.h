// The "previous" and "next" page buttons of the Wizard style: two 20 x 20
// pictures in the top corners, with a hot look under the mouse and a pressed
// look while a press turns the page.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/types.h"

namespace folivan {
class FolivanTab;

// The control's own bitmap resources: 1 next, 2 next hot, 3 next pressed,
// 4 previous, 5 previous hot, 6 previous pressed.
namespace wizard_picture {
constexpr int16_t kNext = 1;
constexpr int16_t kNextHot = 2;
constexpr int16_t kNextPressed = 3;
constexpr int16_t kPrevious = 4;
constexpr int16_t kPreviousHot = 5;
constexpr int16_t kPreviousPressed = 6;
}  // namespace wizard_picture

// Picture resource n of the control's module (resources/wizard/N): none
// while no platform has installed a loader, and then the buttons are not
// painted.
PicturePtr LoadResourcePicture(FolivanTab& control, int16_t n);
// Replaces how resource pictures are loaded: the Windows build loads BITMAP
// resources from its module, every headless host installs the PNG files of
// the source tree, tests give their own. An empty function leaves none.
using ResourcePictureLoader = std::function<PicturePtr(FolivanTab& control, int16_t n)>;
void SetResourcePictureLoader(ResourcePictureLoader loader);

// A move at (x, y): hot looks over a button, normal looks elsewhere.
void WizardButtonsMove(FolivanTab& control, float x, float y);
// A press, at the position of the last move: turns the page.
void WizardButtonsPress(FolivanTab& control, int16_t button);
// A press on the "next" (or "previous") button, wherever it comes from: its
// pressed look, then the page turned; nothing when there is no such page.
void TurnWizardPage(FolivanTab& control, bool next);

}  // namespace folivan
