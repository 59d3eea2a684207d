// Everything one FolivanTab holds: the values behind its properties, the tab
// records, the store of hidden tabs, the common controls, the results of the
// strip layout and some interaction state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "access/access_events.h"
#include "containment/resize.h"
#include "core/tab_record.h"
#include "input/input_state.h"
#include "paint/paint_state.h"
#include "platform/types.h"

namespace folivan {

enum class Appearances : int32_t {
  kWindowsXp = 1,
  kPropertyPage = 2,
  kVisualStudio = 3,
  kOffice2003 = 4,
  kPropertyPageSelected = 5,
  kVisio = 6,
  kStateButtons = 7,
  kFlat = 8,
  kSsTab = 9,
  kMsExcel = 10,
  kRounded = 11,
  kWizard = 12,
  kSystem = 13,
};

enum class Colors : int32_t { kDefault = 1, kOffice2003 = 2, kVisualStudio = 3 };
enum class ColorSystems : int32_t { kDefaultColors = 1, kCustomizedColors = 2 };
enum class ToolTipTypes : int32_t { kStandard = 1, kBalloon = 2 };

// A hidden tab in the store, with the index it had.
struct HiddenTab {
  int16_t index = 0;
  TabRecord record;
};

struct ControlState {
  // Behind public properties.
  int32_t Appearance = 1;
  int32_t Color = 1;
  int32_t ColorSystem = 1;
  int32_t ToolTipStyle = 1;
  OleColor BackColor = 0;
  OleColor ForeColor = 0;
  OleColor TabColorForeGround = 0;
  OleColor TabColorShadow = 0;
  OleColor TabColorLight = 0;
  OleColor TabColorDarkShadow = 0;
  OleColor TabColorHighLight = 0;
  RgbColor cTabStartColor = 0;
  RgbColor cTabEndColor = 0;
  bool FocusRect = false;
  bool ClientArea = true;
  bool WizardDetails = true;
  bool WizardPictures = true;
  bool Enabled = true;
  int16_t Tabs = 3;
  int16_t CurrentTab = 0;
  PicturePtr BackgroundPicture;
  bool HotTracking = true;
  bool ShowToolTip = true;
  bool BoldSelected = true;
  bool LunaColors = false;
  bool NoteOneColors = false;
  bool PlainTab = false;
  bool AutoFocusControls = false;
  bool AutoResizeControls = false;
  bool SpreadToContainer = false;

  // Private.
  int16_t Hidd = 0;              // first tab drawn in the strip
  int16_t HiddR = 2;             // last tab that fits in the strip
  bool mShowScrollBar = false;   // the strip shows scroll buttons
  int16_t PreviousTab = 0;       // the tab left by the last change
  int16_t LastActTab = 0;        // the last value >= 0 that CurrentTab held
  int16_t sHowerTab = -1;        // the tab under the mouse
  int16_t StripH = 0;            // height of the strip, top of the client area
  std::vector<TabRecord> tabs;   // exactly Tabs records (one emptied record may stay while Tabs is 0)
  std::vector<HiddenTab> HiddenTabs;
  int16_t HiddenCount = 0;
  bool HidingTab = false;
  CommonControlsList CommonControls;
  int16_t ThemeCode = 0;
  intptr_t ShellLibrary = 0;
  bool Subclassed = false;
  PaintState paint;  // colours and layout results of the last repaint
  ResizeState resize;  // the sizes the proportional scaling goes by
  InputState input;  // the mouse: hot tab, hover, last move, tooltip, design-time subclass
  access::ReportedTree access;  // the tree as accessibility clients last heard of it

  bool IsValidTab(int32_t index) const { return index >= 0 && index < Tabs && index < static_cast<int32_t>(tabs.size()); }
  TabRecord* Current() { return IsValidTab(CurrentTab) ? &tabs[static_cast<size_t>(CurrentTab)] : nullptr; }
  const TabRecord* Current() const {
    return IsValidTab(CurrentTab) ? &tabs[static_cast<size_t>(CurrentTab)] : nullptr;
  }
};

}  // namespace folivan
