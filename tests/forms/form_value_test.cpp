// Value texts of form files: parsing into Variants, VB6's way of writing
// them back, line layout and the ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/form_value.h"
#include "platform/vb_runtime.h"

namespace folivan {
namespace {

Variant Parsed(std::string_view text) { return ParseFormValue(text).value; }

TEST(FormValueParse, EachKindOfValueText) {
  struct Case {
    std::string_view text;
    Variant value;
    FormValueKind kind;
  };
  const auto number = FormValueKind::kNumber;
  const auto raw = FormValueKind::kRaw;
  const Case cases[] = {
      // Decimal integers take the narrowest type; wider than a Long is a Double, not a wrapped integer.
      {"3195", Variant(int16_t{3195}), number},
      {"-32768", Variant(int16_t{-32768}), number},
      {"32768", Variant(int32_t{32768}), number},
      {"-2147483633", Variant(int32_t{-2147483633}), number},
      {"4294967296", Variant(4294967296.0), number},
      {"8.25", Variant(8.25), number},
      {"1.5E-07", Variant(1.5e-7), number},
      // The '&' suffix makes a Long (system colours negative as in VB); four hex digits or fewer are an Integer.
      {"&H8000000F&", Variant(static_cast<int32_t>(0x8000000F)), number},
      {"&HFF&", Variant(int32_t{255}), number},
      {"&HFFFF", Variant(int16_t{-1}), number},
      {"&HXYZ&", Variant("&HXYZ&"), raw},
      // A Boolean needs its comment; a bare -1 stays a number and an enumeration comment is dropped.
      {"-1  'True", Variant::Bool(true), FormValueKind::kBoolean},
      {"0   'False", Variant::Bool(false), FormValueKind::kBoolean},
      {"-1", Variant(int16_t{-1}), number},
      {"3  'Windows Default", Variant(int16_t{3}), number},
      // Strings undouble their quotes and decode from the ANSI code page.
      {"\"say \"\"hi\"\"\"", Variant("say \"hi\""), FormValueKind::kString},
      {"\"Caf\xE9 \x80\"", Variant("Caf\xC3\xA9 \xE2\x82\xAC"), FormValueKind::kString},
      {"\"a'b\"  'note", Variant("a'b"), FormValueKind::kString},
      // References into the .frx file and odd text stay as they are.
      {"\"Form1.frx\":0000", Variant("\"Form1.frx\":0000"), raw},
      {"$\"Form1.frx\":0A10", Variant("$\"Form1.frx\":0A10"), raw},
      {"1 2", Variant("1 2"), raw},
  };
  for (const Case& c : cases) {
    const FormValue v = ParseFormValue(c.text);
    EXPECT_EQ(v.value, c.value) << c.text;
    EXPECT_EQ(v.kind, c.kind) << c.text;
  }
}

TEST(FormValueParse, UnterminatedStringIsAnError) {
  EXPECT_THROW(ParseFormValue("\"Tab 0"), FormValueError);
  EXPECT_THROW(ParseFormValue("\"ends in a doubled quote\"\""), FormValueError);
  EXPECT_THROW(ParseFormValue("$\"Form1.frx:0000"), FormValueError);
}

TEST(FormValueFormat, WhatALineCannotHoldIsAnError) {
  EXPECT_EQ(FormatFormValue(Variant()), "\"\"");
  EXPECT_THROW(FormatFormValue(Variant(FontDesc{})), VbError);
  EXPECT_THROW(FormatFormValue(Variant("two\r\nlines")), VbError);
}

TEST(FormValueFormat, DoublesInShortestForm) {
  EXPECT_EQ(FormatVbDouble(100000.0), "100000");
  EXPECT_EQ(FormatVbDouble(-0.0), "0");
  EXPECT_EQ(FormatVbDouble(1e20), "1E+20");
  EXPECT_EQ(FormatVbDouble(1.5e-7), "1.5E-07");
  EXPECT_EQ(FormatVbDouble(1.0 / 3.0), "0.333333333333333");
  for (double d : {8.25, 0.1, -0.5, 7.8, 123456.5, 1e-3}) {
    EXPECT_EQ(Parsed(FormatVbDouble(d)), Variant(d)) << d;
  }
}

TEST(FormValueFormat, StringsAreEncodedBackToAnsi) {
  EXPECT_EQ(QuoteFormString("Caf\xC3\xA9 \xE2\x82\xAC"), "\"Caf\xE9 \x80\"");
  // Outside the code page: '?', as Windows does.
  EXPECT_EQ(QuoteFormString("\xE4\xB8\xAD"), "\"?\"");
}

TEST(FormValueFormat, PropertyLineLayout) {
  EXPECT_EQ(FormatPropertyLine(6, "Caption", "\"Tab 0\""), "      Caption         =   \"Tab 0\"");
  EXPECT_EQ(FormatPropertyLine(3, "StartUpPosition", "3"), "   StartUpPosition =   3");
  // Sixteen characters or more: no padding at all.
  EXPECT_EQ(FormatPropertyLine(0, "TabColDarkShadow", "0"), "TabColDarkShadow=   0");
  EXPECT_EQ(FormatPropertyLine(6, "Tab(0)CtrlEnabled(1)", "-1  'True"), "      Tab(0)CtrlEnabled(1)=   -1  'True");
}

TEST(FormValueCodePage, EveryByteSurvivesTheRoundTripAndMalformedUtf8BecomesQuestionMarks) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9F"), "\xC2\x81\xC5\xB8");
  EXPECT_EQ(Utf8ToCp1252("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");
}

}  // namespace
}  // namespace folivan
