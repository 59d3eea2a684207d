// Value texts of form files: parsing into Variants, VB6's way of writing
// them back, line layout and the ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/form_value.h"
#include "platform/vb_runtime.h"

namespace folivan {
namespace {

Variant Parsed(std::string_view text) { return ParseFormValue(text).value; }

TEST(FormValueParse, DecimalIntegersTakeTheNarrowestType) {
  EXPECT_EQ(Parsed("3195"), Variant(int16_t{3195}));
  EXPECT_EQ(Parsed("-32768"), Variant(int16_t{-32768}));
  EXPECT_EQ(Parsed("32768"), Variant(int32_t{32768}));
  EXPECT_EQ(Parsed("-2147483633"), Variant(int32_t{-2147483633}));
  // Wider than a Long: a Double, not a wrapped integer.
  EXPECT_EQ(Parsed("4294967296"), Variant(4294967296.0));
  EXPECT_EQ(ParseFormValue("3195").kind, FormValueKind::kNumber);
}

TEST(FormValueParse, FractionsAndExponentsAreDoubles) {
  EXPECT_EQ(Parsed("8.25"), Variant(8.25));
  EXPECT_EQ(Parsed("-0.5"), Variant(-0.5));
  EXPECT_EQ(Parsed("1E+20"), Variant(1e20));
  EXPECT_EQ(Parsed("1.5E-07"), Variant(1.5e-7));
}

TEST(FormValueParse, HexadecimalColours) {
  // The '&' suffix makes a Long; system colours come out negative as in VB.
  EXPECT_EQ(Parsed("&H8000000F&"), Variant(static_cast<int32_t>(0x8000000F)));
  EXPECT_EQ(Parsed("&H00C0C0C0&"), Variant(int32_t{0xC0C0C0}));
  EXPECT_EQ(Parsed("&HFF&"), Variant(int32_t{255}));
  // Without the suffix, four digits or fewer are an Integer.
  EXPECT_EQ(Parsed("&HFFFF"), Variant(int16_t{-1}));
  EXPECT_EQ(ParseFormValue("&HXYZ&").kind, FormValueKind::kRaw);
}

TEST(FormValueParse, BooleansNeedTheirComment) {
  EXPECT_EQ(Parsed("-1  'True"), Variant::Bool(true));
  EXPECT_EQ(Parsed("0   'False"), Variant::Bool(false));
  EXPECT_EQ(ParseFormValue("-1  'True").kind, FormValueKind::kBoolean);
  // A bare -1 stays a number; an enumeration comment is dropped.
  EXPECT_EQ(Parsed("-1"), Variant(int16_t{-1}));
  EXPECT_EQ(Parsed("3  'Windows Default"), Variant(int16_t{3}));
}

TEST(FormValueParse, StringsUndoubleQuotesAndDecodeAnsi) {
  EXPECT_EQ(Parsed("\"Tab 0\""), Variant("Tab 0"));
  EXPECT_EQ(Parsed("\"\""), Variant(""));
  EXPECT_EQ(Parsed("\"say \"\"hi\"\"\""), Variant("say \"hi\""));
  EXPECT_EQ(Parsed("\"Caf\xE9 \x80\""), Variant("Caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_EQ(Parsed("\"a'b\"  'note"), Variant("a'b"));
}

TEST(FormValueParse, FrxReferencesAndOddTextStayRaw) {
  for (std::string_view text : {"\"Form1.frx\":0000", "$\"Form1.frx\":0A10", "whatever this means", "1 2"}) {
    FormValue v = ParseFormValue(text);
    EXPECT_EQ(v.kind, FormValueKind::kRaw) << text;
    EXPECT_EQ(v.value, Variant(std::string(text))) << text;
  }
}

TEST(FormValueParse, UnterminatedStringIsAnError) {
  EXPECT_THROW(ParseFormValue("\"Tab 0"), FormValueError);
  EXPECT_THROW(ParseFormValue("\"ends in a doubled quote\"\""), FormValueError);
  EXPECT_THROW(ParseFormValue("$\"Form1.frx:0000"), FormValueError);
}

TEST(FormValueFormat, EachKindInVbStyle) {
  EXPECT_EQ(FormatFormValue(Variant::Bool(true)), "-1  'True");
  EXPECT_EQ(FormatFormValue(Variant::Bool(false)), "0   'False");
  EXPECT_EQ(FormatFormValue(Variant(int16_t{-7})), "-7");
  EXPECT_EQ(FormatFormValue(Variant(int32_t{-2147483633})), "-2147483633");
  EXPECT_EQ(FormatFormValue(Variant("a \"b\"")), "\"a \"\"b\"\"\"");
  EXPECT_EQ(FormatFormValue(Variant()), "\"\"");
  EXPECT_THROW(FormatFormValue(Variant(FontDesc{})), VbError);
  EXPECT_THROW(FormatFormValue(Variant("two\r\nlines")), VbError);
}

TEST(FormValueFormat, DoublesInShortestForm) {
  EXPECT_EQ(FormatVbDouble(8.25), "8.25");
  EXPECT_EQ(FormatVbDouble(0.1), "0.1");
  EXPECT_EQ(FormatVbDouble(-0.5), "-0.5");
  EXPECT_EQ(FormatVbDouble(100000.0), "100000");
  EXPECT_EQ(FormatVbDouble(-0.0), "0");
  EXPECT_EQ(FormatVbDouble(1e20), "1E+20");
  EXPECT_EQ(FormatVbDouble(1.5e-7), "1.5E-07");
  EXPECT_EQ(FormatVbDouble(1.0 / 3.0), "0.333333333333333");
  for (double d : {8.25, 9.75, 7.8, 123456.5, 1e-3}) {
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

TEST(FormValueCodePage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9F"), "\xC2\x81\xC5\xB8");
}

TEST(FormValueCodePage, MalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");
}

}  // namespace
}  // namespace folivan
