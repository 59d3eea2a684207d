// The Wizard style (Appearance 12): no strip; the tabs are the pages of a
// wizard, with a page counter at the bottom left and "previous" and "next"
// picture buttons in the top corners. The presses and the hot and pressed
// looks of the buttons are handled with the mouse (input/wizard_buttons).
#pragma once

#include <cstdint>
#include <string>

namespace folivan {
class FolivanTab;

// The page counter: "Page 2 of 5" while the second of five pages shows.
std::string WizardPageText(int16_t current_tab, int16_t tabs);

// Body renderer of Appearance 12, over the cleared Face surface: in a form
// designer a LunaBorder frame and "Wizard Mode" at the bottom right; with
// WizardDetails the counter "Page n of m"; with WizardPictures the normal
// "next" picture at (ScaleWidth - 22, 2) unless the last page shows and the
// normal "previous" picture at (2, 2) unless the first page shows.
void DrawWizardPage(FolivanTab& control);

}  // namespace folivan
