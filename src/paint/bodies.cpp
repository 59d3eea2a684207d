#include "paint/bodies.h"

#include "core/folivan_tab.h"

namespace folivan {

void DrawBody(FolivanTab& control) {
  Surface& surface = control.GetSurface();
  surface.SetBackColor(static_cast<OleColor>(control.State().paint.colors.Face));
  surface.Cls();
}

void DrawXpBody(FolivanTab&) {}
void DrawPropertyPageBody(FolivanTab&) {}
void DrawVisualStudioBody(FolivanTab&) {}
void DrawOfficeBody(FolivanTab&) {}
void DrawFlatBody(FolivanTab&) {}
void DrawSsTabBody(FolivanTab&) {}
void DrawExcelBody(FolivanTab&) {}
void DrawRoundedBody(FolivanTab&) {}

}  // namespace folivan
