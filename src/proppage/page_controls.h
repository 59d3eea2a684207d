// The standard controls of the property page: what each one shows and where it
// stands. The page's logic edits these; a platform draws them (headless) or
// builds real windows from them (Win32).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace folivan {

enum class PageControlKind { kLabel, kTextBox, kDropDown, kList, kButton, kCheckBox };

struct PageControl {
  PageControlKind kind = PageControlKind::kLabel;
  int page = 0;              // the tab of the page's strip whose container holds it (0 General .. 4 Controls)
  std::string field;      // the name it is known by ("Tab Caption", "Apply Left"); empty for a plain caption
  Rect rect;              // pixels in its container
  std::string text;       // caption of a label, button or check box; text of a text box
  std::vector<std::string> items;  // entries of a drop-down or list
  int list_index = -1;    // the chosen entry, -1 for none
  bool enabled = true;
  bool checked = false;   // check box
  bool digits_only = false;  // text box that takes only 0-9 and backspace
  bool bold = false;      // caption in the bold face (About tab)

  // What a person sees: a drop-down's or list's chosen entry, else the text.
  std::string Shown() const;
};

// The page's captions and lists, as the page shows them.
namespace page_text {
inline constexpr std::string_view kCaption = "Control Properties";
inline constexpr std::string_view kTabs[] = {"General", "Extended", "Preview", "About", "Controls"};
inline constexpr std::string_view kTabToolTips[] = {
    "This tab provides munipulation of properties of 'Selected control'",
    "Let's you set Extended properties for 'Selected control'",
    "Shows Preview of 'Selected control'",
    "Contains product and company informations",
};
inline constexpr int kGeneral = 0, kExtended = 1, kPreview = 2, kAbout = 3, kControls = 4;
}  // namespace page_text

// The page's size in pixels, the strip instance's place on it and the
// rectangle of each tab's container (the same for all five).
inline constexpr int32_t kPageWidth = 420;
inline constexpr int32_t kPageHeight = 300;
inline constexpr Rect kStripRect{0, 0, 420, 300};
inline constexpr Rect kContainerRect{6, 28, 414, 294};
// Where the preview instance stands in the Preview tab's container.
inline constexpr Rect kPreviewRect{6, 6, 402, 260};

// Every control of the page, in tab order.
std::vector<PageControl> MakePageControls();

}  // namespace folivan
