#include "paint/wizard_page.h"

#include <array>
#include <string>

#include "core/folivan_tab.h"
#include "input/wizard_buttons.h"
#include "paint/colors.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

constexpr RgbColor kBlack = Rgb(0, 0, 0);

// A picture with its top-left corner at the point, in its own size.
void PaintAt(Surface& surface, const PicturePtr& picture, Point at) {
  if (picture) surface.PaintPicture(*picture, at.x, at.y, picture->Width(), picture->Height());
}

}  // namespace

std::string WizardPageText(int16_t current_tab, int16_t tabs) {
  return "Page " + std::to_string(current_tab + 1) + " of " + std::to_string(tabs);
}

void DrawWizardPage(FolivanTab& control) {
  const ControlState& s = control.State();
  Surface& surface = control.GetSurface();
  const double SW = surface.ScaleWidth();
  const double SH = surface.ScaleHeight();

  if (!control.UserMode()) {
    DrawRect(control, 0, 0, CLng(SW), CLng(SH), SharedThemePalette().LunaBorder, true);
    const std::string mode = "Wizard Mode";
    const double tw = surface.TextWidth(mode);
    const double th = surface.TextHeight(mode);
    DrawTextInRect(surface, mode, CLng(SW - tw - 25), CLng(SH - th - 5), CLng(tw), CLng(th), kBlack, true);
  }

  if (s.WizardDetails) {
    const std::string page = WizardPageText(s.CurrentTab, s.Tabs);
    const double tw = surface.TextWidth(page);
    const double th = surface.TextHeight(page);
    DrawTextInRect(surface, page, 5, CLng(SH - th - 3), CLng(tw), CLng(th), kBlack, true);
  }

  if (s.WizardPictures && s.CurrentTab != -1) {
    // All six are loaded on every repaint, as the buttons' hot and pressed
    // looks are; only the normal ones are painted here.
    std::array<PicturePtr, 6> pictures;
    for (int16_t n = 1; n <= 6; ++n) pictures[static_cast<size_t>(n - 1)] = LoadResourcePicture(control, n);
    if (s.CurrentTab < s.Tabs - 1) PaintAt(surface, pictures[static_cast<size_t>(wizard_picture::kNext - 1)], {CLng(SW - 22), 2});
    if (s.CurrentTab > 0) PaintAt(surface, pictures[static_cast<size_t>(wizard_picture::kPrevious - 1)], {2, 2});
  }
}

}  // namespace folivan
