// The body renderers: the client area below the strip, drawn before the tabs
// so that the selected tab can open into the body's top edge.
#pragma once

namespace folivan {
class FolivanTab;

// Sets the surface's back colour to the ColorSet's Face, clears the surface and
// draws the body of the Appearance (and, for Appearance 5, of the Color).
void DrawBody(FolivanTab& control);

void DrawXpBody(FolivanTab& control);            // Appearance 1
void DrawPropertyPageBody(FolivanTab& control);  // 2, and 5 with Color 1; also the System style's fallback
void DrawVisualStudioBody(FolivanTab& control);  // 3, and 5 with Color 3
void DrawOfficeBody(FolivanTab& control);        // 4, and 5 with Color 2
void DrawFlatBody(FolivanTab& control);          // 8
void DrawSsTabBody(FolivanTab& control);         // 9
void DrawExcelBody(FolivanTab& control);         // 10
void DrawRoundedBody(FolivanTab& control);       // 11

}  // namespace folivan
