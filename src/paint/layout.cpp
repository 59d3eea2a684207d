#include "paint/layout.h"

#include <string>

#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// One statement of the layout: when it fails it is skipped and the layout
// carries on with the next one.
template <typename Fn>
void Statement(Fn&& fn) {
  try {
    fn();
  } catch (const VbError&) {
  }
}

bool Is(const ControlState& s, Appearances a) { return s.Appearance == static_cast<int32_t>(a); }

// The Office 2003 look: Appearance 4, and Appearance 5 with Color Office-2003.
bool OfficeLook(const ControlState& s) {
  return Is(s, Appearances::kOffice2003) ||
         (Is(s, Appearances::kPropertyPageSelected) && s.Color == static_cast<int32_t>(Colors::kOffice2003));
}

}  // namespace

void LayoutTabs(FolivanTab& control, int16_t& i) {
  ControlState& s = control.State();
  if (s.Tabs == 0 || Is(s, Appearances::kWizard) || Is(s, Appearances::kVisio)) return;
  Surface& surface = control.GetSurface();

  // The strip is as high as the current tab's caption, plus seven pixels.
  Statement([&] { s.StripH = CInt(surface.TextHeight(control.Caption()) + 7); });

  const int32_t first = s.Hidd;
  const int32_t last = s.HiddR;  // read once, as the loop's end
  for (int32_t n = first; n <= last; ++n) {
    i = static_cast<int16_t>(n);
    const bool leftmost = n == first;
    auto tab = [&]() -> TabRecord& { return control.Record(i); };
    auto caption_height = [&] { return surface.TextHeight(tab().Caption); };

    // Caption left: 9 for the first tab shown (further in for the slanted and
    // the Excel tabs), otherwise seven pixels after the previous tab.
    if (leftmost) {
      Statement([&] { tab().TAL = 9; });
      if (OfficeLook(s) || Is(s, Appearances::kMsExcel)) Statement([&] { tab().TAL = CInt(s.StripH + 12.0); });
      if (Is(s, Appearances::kMsExcel)) Statement([&] { tab().TAL = CInt(s.StripH + 2.0); });
    } else {
      Statement([&] { tab().TAL = CheckedAdd(control.Record(static_cast<int16_t>(n - 1)).AR, 7); });
    }

    // A picture sits left of the caption, as wide as the caption is high.
    Statement([&] {
      if (tab().Pic) tab().TAL = CheckedAdd(CheckedAdd(tab().TAL, CInt(caption_height())), 4);
    });

    // Caption size, the selected tab's in bold when BoldSelected asks for it.
    const bool bold_switch = !surface.Font().bold && s.BoldSelected && n == s.CurrentTab;
    if (bold_switch) surface.SetFontBold(true);
    Statement([&] { tab().TAB = CLng(caption_height()); });
    Statement([&] { tab().TAR = CLng(surface.TextWidth(tab().Caption) + tab().TAL); });
    if (bold_switch) surface.SetFontBold(false);

    Statement([&] { tab().TAT = 6; });

    // Room for the slanted right edge of the Office 2003 tabs.
    if (OfficeLook(s)) Statement([&] { tab().TAR = CLng(tab().TAR + s.StripH / 3.0); });

    // Tab left: the first tab starts one pixel further out than the others.
    Statement([&] { tab().AL = CheckedAdd(tab().TAL, leftmost ? -7 : -6); });
    Statement([&] {
      if (tab().Pic) {
        const int16_t t = CInt(caption_height());
        tab().AL = CheckedAdd(CheckedAdd(tab().TAL, -t), leftmost ? -11 : -10);
      }
    });
    if (Is(s, Appearances::kSsTab) && leftmost) Statement([&] { tab().AL = CheckedAdd(tab().AL, -2); });

    Statement([&] { tab().AR = CheckedAdd(tab().TAR, 7); });
    Statement([&] { tab().AB = CheckedAdd(tab().TAB, 7); });
    Statement([&] { tab().AT = 2; });
  }

  Statement([&] { s.paint.StripRight = control.Record(s.HiddR).AR; });

  // Overflow: the strip needs two pixels beyond the last tab. When it fits and
  // nothing is scrolled out at the left, every tab is laid out next time.
  const double width = surface.ScaleWidth();
  const double needed = static_cast<double>(s.paint.StripRight) + 2.0;
  if (width < needed) {
    s.mShowScrollBar = true;
  } else if (width > needed) {
    if (s.Hidd == 0) {
      s.mShowScrollBar = false;
      s.HiddR = static_cast<int16_t>(s.Tabs - 1);
    } else {
      s.mShowScrollBar = true;
    }
  }
}

void LayoutTabs(FolivanTab& control) {
  int16_t i = 0;
  LayoutTabs(control, i);
}

void LayoutVisioTabs(FolivanTab& control, int16_t& i) {
  ControlState& s = control.State();
  Surface& surface = control.GetSurface();
  const int16_t SH = CInt(surface.ScaleHeight());
  const double W = surface.ScaleWidth();
  // Tabs 0..CurrentTab from the top, each bar three pixels below the last.
  for (i = 0; i <= s.Tabs - 1 && i <= s.CurrentTab; ++i) {
    TabRecord& tab = control.Record(i);
    auto caption_height = [&] { return surface.TextHeight(tab.Caption); };
    tab.TAL = 10;
    tab.TAT = i == 0 ? 3 : CheckedAdd(control.Record(static_cast<int16_t>(i - 1)).AB, 3);
    // The picture takes the caption's height, with no gap after it.
    if (tab.Pic) tab.TAL = CheckedAdd(tab.TAL, CInt(caption_height()));

    const bool bold_switch = !surface.Font().bold && s.BoldSelected && i == s.CurrentTab;
    if (bold_switch) surface.SetFontBold(true);
    tab.TAB = CLng(caption_height() + tab.TAT);
    tab.TAR = CLng(surface.TextWidth(tab.Caption) + tab.TAL);
    if (bold_switch) surface.SetFontBold(false);

    tab.AL = 1;
    tab.AT = i == 0 ? 1 : CheckedAdd(tab.TAT, -2);
    tab.AR = CLng(W - 1);
    tab.AB = CheckedAdd(tab.TAB, 2);
  }

  // The later tabs from the bottom upwards; the last one's bar reaches the
  // bottom edge. Their captions are never bold.
  for (i = static_cast<int16_t>(s.Tabs - 1); i >= s.CurrentTab + 1; --i) {
    TabRecord& tab = control.Record(i);
    auto caption_height = [&] { return surface.TextHeight(tab.Caption); };
    const bool bottom = i == s.Tabs - 1;
    tab.TAL = 10;
    tab.TAB = bottom ? SH - 3 : CheckedAdd(control.Record(static_cast<int16_t>(i + 1)).TAT, -5);
    if (tab.Pic) tab.TAL = CheckedAdd(tab.TAL, CInt(caption_height()));
    tab.TAR = CLng(W - 1);
    tab.TAT = CLng(tab.TAB - caption_height());

    tab.AL = 1;
    tab.AR = CLng(W - 1);
    tab.AT = CheckedAdd(tab.TAT, -2);
    tab.AB = bottom ? SH : CheckedAdd(tab.TAB, 2);
  }

  // Every bar is laid out and shows its caption, whenever the tabs came.
  s.HiddR = static_cast<int16_t>(s.Tabs - 1);
}

void LayoutVisioTabs(FolivanTab& control) {
  int16_t i = 0;
  LayoutVisioTabs(control, i);
}

}  // namespace folivan
