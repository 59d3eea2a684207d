#include "render/hot_tabs.h"

#include <string>

#include "core/folivan_tab.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"
#include "render/hot_look.h"

namespace folivan {

namespace {

// A tab that has a place on the screen: any tab of the Visio bars, else one of
// the tabs the strip shows. Tabs scrolled out of the strip keep the rectangles
// of an older layout and are not drawn.
bool Drawable(const ControlState& s, int16_t index) {
  if (!s.IsValidTab(index)) return false;
  if (s.Appearance == static_cast<int32_t>(Appearances::kVisio)) return true;
  return VisibleTabs::Of(s).Contains(index);
}

void DrawTabLook(FolivanTab& control, int16_t index, Look look) {
  if (index < 0) return;
  const ControlState& s = control.State();
  if (!Drawable(s, index)) return;
  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kWindowsXp: DrawXpLook(control, index, look); break;
    case Appearances::kPropertyPage: DrawPropertyPageLook(control, index, look); break;
    case Appearances::kOffice2003: DrawOfficeLook(control, index, look); break;
    case Appearances::kFlat: DrawFlatLook(control, index, look); break;
    case Appearances::kRounded: DrawRoundedLook(control, index, look); break;
    case Appearances::kSystem: DrawSystemLook(control, index, look); break;
    case Appearances::kVisio: DrawVisioLook(control, index, look); break;
    // Only the caption shows that the tab is hot.
    case Appearances::kVisualStudio: DrawLookCaption(control, index, look, CaptionPlace::kCaptionBox); break;
    case Appearances::kStateButtons: DrawLookCaption(control, index, look, CaptionPlace::kTextRaised); break;
    default: break;
  }
}

}  // namespace

bool HasHotLook(int32_t appearance) {
  switch (static_cast<Appearances>(appearance)) {
    case Appearances::kWindowsXp:
    case Appearances::kPropertyPage:
    case Appearances::kVisualStudio:
    case Appearances::kOffice2003:
    case Appearances::kVisio:
    case Appearances::kStateButtons:
    case Appearances::kFlat:
    case Appearances::kRounded:
    case Appearances::kSystem:
      return true;
    default:
      return false;
  }
}

void DrawHotTab(FolivanTab& control, int16_t index) { DrawTabLook(control, index, Look::kHot); }

void DrawNormalTab(FolivanTab& control, int16_t index) { DrawTabLook(control, index, Look::kNormal); }

void DrawLookCaption(FolivanTab& control, int16_t index, Look look, CaptionPlace place) {
  const ControlState& s = control.State();
  if (!s.HotTracking || !s.IsValidTab(index)) return;
  Surface& surface = control.GetSurface();
  const TabRecord& tab = s.tabs[static_cast<size_t>(index)];
  const auto [CL, CT, CR, CB] = CaptionBox::Of(tab);
  const bool selected = index == s.CurrentTab;
  // The control's ForeColor goes to the text colour as it is stored, as in the caption layer.
  const RgbColor color = look == Look::kHot ? kHotCaptionColor : static_cast<RgbColor>(s.ForeColor);

  const bool bold = selected && s.BoldSelected && !surface.Font().bold;
  if (bold) surface.SetFontBold(true);
  switch (place) {
    case CaptionPlace::kCaptionBox:
      DrawTextInRect(surface, tab.Caption, CL, selected ? CT - 2 : CT, CR - CL, CB, color, true);
      break;
    case CaptionPlace::kTextRaised:
    case CaptionPlace::kTextAtTop: {
      const int32_t width = CLng(surface.TextWidth(tab.Caption));
      const int32_t height = CLng(surface.TextHeight(tab.Caption));
      const int32_t y = place == CaptionPlace::kTextRaised ? CT - 1 : CT;
      DrawTextInRect(surface, tab.Caption, CL, y, width, height, color, true);
      break;
    }
  }
  if (bold) surface.SetFontBold(false);
}

}  // namespace folivan
