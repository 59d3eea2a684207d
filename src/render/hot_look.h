// The pieces the hot-state renderers of the style families share: which look
// is wanted, the caption drawn over the tab in that look, and the drawing of
// each family's pair.
#pragma once

#include <cstdint>

#include "core/control_state.h"
#include "platform/types.h"

namespace folivan {
class FolivanTab;

// The hot caption's colour; the restored caption takes ForeColor.
inline constexpr RgbColor kHotCaptionColor = Rgb(0, 0, 128);

enum class Look { kNormal, kHot };

// Where a hot or restored caption goes:
//   kCaptionBox: x = CL, width CR - CL, height CB, at CT - 2 for the selected
//                tab and at CT for the others;
//   kTextRaised: at (CL, CT - 1), as large as the caption's text (State Buttons);
//   kTextAtTop:  at (CL, CT), as large as the caption's text (the Visio bars).
enum class CaptionPlace { kCaptionBox, kTextRaised, kTextAtTop };

// Tab `index`'s caption in navy (hot) or in ForeColor (normal), only while
// HotTracking is on. The selected caption is drawn bold when BoldSelected asks
// for it and the font is not bold already; the font is made normal again after.
void DrawLookCaption(FolivanTab& control, int16_t index, Look look, CaptionPlace place);

// One pair per family; `index` is a tab the control can draw.
void DrawXpLook(FolivanTab& control, int16_t index, Look look);
void DrawPropertyPageLook(FolivanTab& control, int16_t index, Look look);
void DrawOfficeLook(FolivanTab& control, int16_t index, Look look);
void DrawFlatLook(FolivanTab& control, int16_t index, Look look);
void DrawRoundedLook(FolivanTab& control, int16_t index, Look look);
void DrawSystemLook(FolivanTab& control, int16_t index, Look look);
void DrawVisioLook(FolivanTab& control, int16_t index, Look look);

}  // namespace folivan
