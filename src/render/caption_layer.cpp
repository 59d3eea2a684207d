#include "render/caption_layer.h"

#include "core/folivan_tab.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"
#include "render/geometry.h"

namespace folivan {

namespace {

constexpr int kColorGrayText = 17;

// How one Appearance places and colours its captions. Offsets are added to the
// caption's left and top (CL, CT).
struct CaptionRule {
  int32_t dx = 0;           // both the selected and the other captions
  int32_t selected_dy = 0;
  int32_t other_dy = 0;
  int32_t bold_dx = 0;      // added to the selected caption when it is drawn bold
  bool others_dark = false;      // the other captions in DarkShadow instead of ForeColor
  bool grey_when_disabled = false;
  bool selection_overdraw = false;  // the selected caption again in SelectionText
};

// How far the focus rectangle reaches beyond the caption rectangle.
struct FocusMargins {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

CaptionRule CaptionRuleFor(const ControlState& s) {
  const auto color = static_cast<Colors>(s.Color);
  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kVisualStudio: return {.others_dark = true};
    case Appearances::kOffice2003: return {};
    case Appearances::kPropertyPageSelected:
      return {.selected_dy = color == Colors::kDefault ? -2 : 0, .others_dark = color == Colors::kVisualStudio};
    case Appearances::kVisio: return {};
    case Appearances::kStateButtons:
    case Appearances::kFlat: return {.selected_dy = -1, .other_dy = -1};
    case Appearances::kSsTab: return {.selected_dy = -1, .other_dy = -1, .bold_dx = 2};
    case Appearances::kMsExcel: return {.dx = -4};
    case Appearances::kRounded:
      return {.selected_dy = -2,
              .grey_when_disabled = true,
              .selection_overdraw = color != Colors::kOffice2003 && !s.NoteOneColors};
    // Windows Xp, Property Page and System; the rule of every other value too.
    default: return {.selected_dy = -2, .grey_when_disabled = true};
  }
}

FocusMargins FocusMarginsFor(const ControlState& s) {
  const auto color = static_cast<Colors>(s.Color);
  switch (static_cast<Appearances>(s.Appearance)) {
    case Appearances::kVisualStudio: return {1, 0, 1, 6};
    case Appearances::kOffice2003: return {2, 0, -4, 6};
    case Appearances::kPropertyPageSelected:
      if (color == Colors::kVisualStudio) return {1, 0, 1, 6};
      if (color == Colors::kOffice2003) return {2, 0, -4, 6};
      return {3, 2, 2, 4};
    case Appearances::kVisio: return {1, 0, 0, 0};
    case Appearances::kStateButtons: return {1, 0, 1, 5};
    case Appearances::kFlat: return {1, 1, 1, 6};
    case Appearances::kSsTab: return {1, 1, 3, 6};
    case Appearances::kMsExcel: return {6, 0, -3, 7};
    default: return {3, 2, 2, 4};
  }
}

TextSize Measure(const Surface& surface, const std::string& text) {
  return {CLng(surface.TextWidth(text)), CLng(surface.TextHeight(text))};
}

void DrawCaption(Surface& surface, const std::string& text, Point at, TextSize size, RgbColor color) {
  DrawTextInRect(surface, text, at.x, at.y, size.width, size.height, color, true);
}

}  // namespace

void DrawTabCaptions(FolivanTab& control) {
  const ControlState& s = control.State();
  Surface& surface = control.GetSurface();
  const CaptionRule rule = CaptionRuleFor(s);
  // The control's ForeColor goes to the text colour as it is stored.
  const auto fore = static_cast<RgbColor>(s.ForeColor);

  const VisibleTabs shown = VisibleTabs::Of(s);
  for (int32_t i = shown.first; i <= shown.last; ++i) {
    const TabRecord& tab = s.tabs[static_cast<size_t>(i)];
    const CaptionBox box = CaptionBox::Of(tab);

    if (i == s.CurrentTab) {
      // Selected: in bold when BoldSelected asks for it and the font is not bold already.
      const bool bold = s.BoldSelected && !surface.Font().bold;
      if (bold) surface.SetFontBold(true);
      const TextSize size = Measure(surface, tab.Caption);
      const Point at{box.CL + rule.dx + (bold ? rule.bold_dx : 0), box.CT + rule.selected_dy};
      DrawCaption(surface, tab.Caption, at, size, fore);
      if (rule.selection_overdraw) DrawCaption(surface, tab.Caption, at, size, s.paint.colors.SelectionText);
      if (bold) surface.SetFontBold(false);
      continue;
    }

    RgbColor color = rule.others_dark ? s.paint.colors.DarkShadow : fore;
    if (!tab.Enabled && rule.grey_when_disabled) color = control.GetSystem().GetSysColor(kColorGrayText);
    DrawCaption(surface, tab.Caption, {box.CL + rule.dx, box.CT + rule.other_dy}, Measure(surface, tab.Caption),
                color);
  }

  // The focus rectangle around the selected caption, only at run time with the focus.
  if (s.CurrentTab >= 0 && control.UserMode() && s.paint.HasFocus && s.FocusRect && s.IsValidTab(s.CurrentTab)) {
    const CaptionBox box = CaptionBox::Of(s.tabs[static_cast<size_t>(s.CurrentTab)]);
    const FocusMargins m = FocusMarginsFor(s);
    surface.DrawFocusRect(Rect{box.CL - m.left, box.CT - m.top, box.CR + m.right, box.CB + m.bottom});
  }
}

}  // namespace folivan
