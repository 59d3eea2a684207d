// Text: Tahoma metrics at 96 dpi, measurement, DrawText layout and pixels.
#include <gtest/gtest.h>

#include "platform/headless/font_engine.h"
#include "platform/headless/surface_headless.h"
#include "platform/headless/text_layout.h"
#include "support/golden.h"

namespace folivan {
namespace {

constexpr RgbColor kWhite = Rgb(255, 255, 255);
constexpr RgbColor kInk = Rgb(10, 20, 30);

// A white pixel surface drawing straight to its window, text in kInk.
struct TextSurface : HeadlessSurface {
  TextSurface(int32_t w = 80, int32_t h = 40) : HeadlessSurface(w, h) {
    SetScaleMode(ScaleMode::kPixels);
    SetBackColor(kWhite);
    Cls();
    SetTextColor(kInk);
  }
  int InkCount(const Rect& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) n += GetPixel(x, y) == kInk ? 1 : 0;
    }
    return n;
  }
  Rect All() const { return Rect{0, 0, PixelWidth(), PixelHeight()}; }
};

FontDesc Tahoma(double size = 8.25, bool bold = false) {
  FontDesc f;
  f.name = "Tahoma";
  f.size = size;
  f.bold = bold;
  return f;
}

TEST(TextMetrics, TahomaAt96DpiInTheScaleModeAndOverLines) {
  TextSurface s;
  EXPECT_EQ(s.TextHeight("Tab 0"), 13);
  EXPECT_EQ(s.TextWidth("Tab 0"), 29);  // as GDI measures it: the hinted outline's advances
  EXPECT_EQ(s.TextWidth(""), 0);
  EXPECT_EQ(s.TextHeight(""), 13) << "an empty text is one line high";
  EXPECT_EQ(s.TextWidth("Tab 0\r\nx"), 29);
  EXPECT_EQ(s.TextHeight("Tab 0\r\nx"), 26);
  EXPECT_EQ(s.TextHeight("a\nb\rc"), 39);
  s.SetScaleMode(ScaleMode::kTwips);
  EXPECT_EQ(s.TextWidth("Tab 0"), 29 * 15);
  EXPECT_EQ(s.TextHeight("Tab 0"), 13 * 15);
  s.SetScaleMode(ScaleMode::kPixels);
  s.SetFontBold(true);
  EXPECT_EQ(s.TextHeight("Tab 0"), 13);
  EXPECT_EQ(s.TextWidth("Tab 0"), 31);
  s.SetFont(Tahoma(12));
  EXPECT_EQ(s.TextHeight("x"), 19);  // 16 px em: 2049*16/2048 -> 16, 423*16/2048 -> 3
  EXPECT_EQ(PointsToPixelHeight(10), 13);  // 8.25 and 12 points: the heights above
}

// (Bold from Tahoma's bold face is in every golden image's selected caption.)
TEST(TextMetrics, FontNamesFallBackToTahoma) {
  TextSurface s;
  const double tahoma = s.TextWidth("Falling back");
  for (const char* name : {"MS Sans Serif", "no such font", "", "TAHOMA"}) {
    FontDesc f = Tahoma();
    f.name = name;
    s.SetFont(f);
    EXPECT_EQ(s.TextWidth("Falling back"), tahoma) << name;
  }
}

TEST(TextMetrics, PrefixesCountInDrawTextButNotInTextWidth) {
  TextSurface s;
  EXPECT_EQ(s.TextWidth("&Tab"), s.TextWidth("&") + s.TextWidth("Tab"));
  EXPECT_GT(s.TextWidth("&"), 0);
  auto calc_width = [&](const char* text, uint32_t flags) {
    Rect r{5, 5, 5, 5};
    s.DrawTextCalc(text, r, flags | dt::kCalcRect);
    return r.Width();
  };
  const uint32_t single = dt::kSingleLine;
  EXPECT_EQ(calc_width("&Tab", single), s.TextWidth("Tab"));
  EXPECT_EQ(calc_width("A&&B", single), s.TextWidth("A&B"));
  EXPECT_EQ(calc_width("Tab&", single), s.TextWidth("Tab"));
  EXPECT_EQ(calc_width("&Tab", single | dt::kNoPrefix), s.TextWidth("&Tab"));

  const PrefixedText p = StripPrefixes(U"&File && &Edit");
  EXPECT_EQ(p.text, U"File & Edit");
  EXPECT_EQ(p.underlined, (std::vector<size_t>{0, 7}));
}

TEST(TextDecoding, Utf8WithWindows1252Fallback) {
  EXPECT_EQ(DecodeText("Tab \xC3\xA9"), U"Tab \u00E9");
  EXPECT_EQ(DecodeText("Tab \xE9"), U"Tab \u00E9");
  EXPECT_EQ(DecodeText("\x80 \x93x\x94"), U"\u20AC \u201Cx\u201D");
  EXPECT_EQ(DecodeText("\xE2\x82"), U"\u00E2\u201A");  // cut short: each byte on its own
}

TEST(DrawText, WordBreakAndCalcRect) {
  TextSurface s(120, 60);
  const int32_t two_words = static_cast<int32_t>(s.TextWidth("aaa bbb"));
  Rect r{2, 2, 2 + two_words, 100};
  const int32_t height = s.DrawTextCalc("aaa bbb ccc", r, dt::kWordBreak | dt::kCalcRect);
  EXPECT_EQ(height, 26);
  EXPECT_EQ(r, (Rect{2, 2, 2 + two_words, 28}));
  EXPECT_EQ(s.InkCount(s.All()), 0) << "DT_CALCRECT draws nothing";

  // One pixel narrower than two words: each word on its own line.
  const int32_t two_a = static_cast<int32_t>(s.TextWidth("aaa aaa"));
  Rect fits{2, 2, 2 + two_a, 100};
  EXPECT_EQ(s.DrawTextCalc("aaa aaa aaa", fits, dt::kWordBreak | dt::kCalcRect), 26);
  Rect narrow{2, 2, 1 + two_a, 100};
  EXPECT_EQ(s.DrawTextCalc("aaa aaa aaa", narrow, dt::kWordBreak | dt::kCalcRect), 39);
  // A word wider than the rectangle is not split.
  Rect tiny{0, 0, 3, 100};
  EXPECT_EQ(s.DrawTextCalc("aaa bbb", tiny, dt::kWordBreak | dt::kCalcRect), 26);
  EXPECT_EQ(tiny.right, static_cast<int32_t>(s.TextWidth("aaa")));
  // Line breaks without DT_WORDBREAK; none at all with DT_SINGLELINE.
  Rect lines{0, 0, 1, 1};
  EXPECT_EQ(s.DrawTextCalc("a\r\nb\nc", lines, dt::kCalcRect), 39);
  Rect single{0, 0, 1, 1};
  EXPECT_EQ(s.DrawTextCalc("Tab 0", single, dt::kCalcRect | dt::kSingleLine), 13);
  EXPECT_EQ(single, (Rect{0, 0, 29, 13}));
}

TEST(DrawText, TheHostMakesForeColorTheTextColour) {
  HeadlessSurface s(60, 20);
  s.SetForeColor(Rgb(0, 0, 200));
  EXPECT_EQ(s.TextColor(), Rgb(0, 0, 200));
}

// Tab captions as the strip draws them: bi-level glyphs centred in normal and
// bold, an access key's underline, and a word-broken notice.
TEST(golden, TabCaptionsNormalBoldAndNotice) {
  HeadlessSurface s(160, 80);
  s.SetScaleMode(ScaleMode::kPixels);
  s.SetAutoRedraw(true);
  s.Cls();
  const Rect tabs[] = {{2, 2, 2 + 41, 2 + 21}, {44, 2, 44 + 45, 2 + 21}, {90, 2, 90 + 45, 2 + 21}};
  const char* captions[] = {"Tab 0", "Tab 1", "&Tab 2"};
  for (int i = 0; i < 3; ++i) {
    s.FrameRect(tabs[i], Rgb(0, 60, 116));
    s.SetFontBold(i == 1);
    s.SetTextColor(i == 2 ? Rgb(172, 168, 153) : Rgb(0, 0, 0));
    s.DrawText(captions[i], tabs[i], dt::kSingleLine | dt::kVCenter | dt::kCenter);
  }
  s.SetFontBold(false);
  s.SetTextColor(Rgb(0, 0, 128));
  s.DrawText("These controls show on every tab.", Rect{22, 30, 138, 78}, dt::kWordBreak);
  s.Refresh();
  EXPECT_TRUE(testing::MatchesGolden(s.WindowImage(), "text_tab_captions"));
}

// Clipping to the rectangle or not (DT_NOCLIP), text running off the surface at
// the left and bottom, and Tahoma's underline and strike-out rows, one pixel thick.
TEST(golden, TextClippingUnderlineAndStrikeOut) {
  TextSurface s(100, 60);
  s.DrawText("Tab 0", Rect{10, 10, 20, 16}, dt::kSingleLine);
  s.DrawText("Tab 0", Rect{10, 30, 20, 36}, dt::kSingleLine | dt::kNoClip);
  s.DrawText("Tab 0 Tab 1", Rect{-7, 52, 200, 200}, dt::kSingleLine | dt::kNoClip);
  FontDesc f = Tahoma();
  f.underline = true;
  f.strikethrough = true;
  s.SetFont(f);
  s.DrawText("Tab", Rect{50, 8, 100, 40}, dt::kSingleLine);
  EXPECT_TRUE(testing::MatchesGolden(s.WindowImage(), "text_clipping_and_lines"));
}

}  // namespace
}  // namespace folivan
