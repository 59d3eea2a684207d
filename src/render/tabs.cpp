#include "render/tabs.h"

#include "core/folivan_tab.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"
#include "render/caption_layer.h"
#include "render/flat_tabs.h"
#include "render/office_tabs.h"
#include "render/picture_layer.h"
#include "render/property_page_tabs.h"
#include "render/xp_tabs.h"

namespace folivan {

namespace {

// The tab renderer of the Appearance (and of the Color, for Appearance 5).
// The Visio bars are drawn with the Visio body, the Wizard has no strip, and
// Appearance 5 with a Color outside 1..3 has no tab renderer at all.
void DrawStyleTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kWindowsXp: DrawXpTabs(control); break;
    case Appearances::kPropertyPage: DrawPropertyPageTabs(control); break;
    case Appearances::kVisualStudio: DrawVisualStudioTabs(control); break;
    case Appearances::kOffice2003: DrawOfficeTabs(control); break;
    case Appearances::kPropertyPageSelected:
      switch (static_cast<Colors>(s.Color)) {
        case Colors::kDefault: DrawPropertyPageTabs(control); break;
        case Colors::kOffice2003: DrawOfficeTabs(control); break;
        case Colors::kVisualStudio: DrawVisualStudioTabs(control); break;
      }
      break;
    case Appearances::kStateButtons: DrawStateButtonTabs(control); break;
    case Appearances::kFlat: DrawFlatTabs(control); break;
    case Appearances::kSsTab: DrawSsTabTabs(control); break;
    case Appearances::kMsExcel: DrawExcelTabs(control); break;
    case Appearances::kRounded: DrawRoundedTabs(control); break;
    case Appearances::kSystem: DrawSystemTabs(control); break;
    case Appearances::kVisio:
    case Appearances::kWizard:
      break;
  }
}

}  // namespace

void DrawTabs(FolivanTab& control) {
  const ControlState& s = control.State();
  const auto appearance = static_cast<Appearances>(s.Appearance);
  if (appearance == Appearances::kWizard) return;

  Surface& surface = control.GetSurface();
  if (appearance != Appearances::kVisio) {
    DrawRect(control, 0, 0, CLng(surface.ScaleWidth()), CInt(s.StripH + 1.0), control.TranslateColor(s.BackColor),
             false);
  }

  // With the default colours the surface's back colour is the button face. The
  // body has just set it to that value, and setting a property to the value it
  // holds changes nothing, so the body is not erased here.
  if (s.ColorSystem == static_cast<int32_t>(ColorSystems::kDefaultColors)) {
    const auto face = static_cast<OleColor>(s.paint.colors.Face);
    if (surface.BackColor() != face) surface.SetBackColor(face);
  }

  DrawStyleTabs(control);
  DrawTabCaptions(control);
  DrawTabPictures(control);
}

}  // namespace folivan
