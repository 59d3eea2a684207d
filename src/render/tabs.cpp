#include "render/tabs.h"

#include "core/folivan_tab.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"
#include "render/caption_layer.h"
#include "render/picture_layer.h"
#include "render/xp_tabs.h"

namespace folivan {

namespace {

// The tab renderer of the Appearance (and of the Color, for Appearance 5).
// Only the Windows XP tabs exist so far; the other styles show their body with
// the caption and picture layers until their renderers arrive. The Visio bars
// are drawn with the Visio body, and Appearance 5 with a Color outside 1..3
// has no tab renderer at all.
void DrawStyleTabs(FolivanTab& control) {
  switch (static_cast<Appearances>(control.State().Appearance)) {
    case Appearances::kWindowsXp:
      DrawXpTabs(control);
      break;
    default:
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
