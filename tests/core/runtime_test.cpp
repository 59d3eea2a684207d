// The runtime conversions the control relies on, the interface tables and
// the keyed lists behind the tabs.
#include <gtest/gtest.h>

#include <set>

#include "core/dispatch.h"
#include "core/events.h"
#include "core/tab_record.h"
#include "core/text.h"
#include "platform/vb_runtime.h"

namespace folivan {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},  {-0.5, 0},
                                          {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-7.2, -7}};
  for (auto [in, out] : cases) {
    EXPECT_EQ(CInt(in), out) << in;
    EXPECT_EQ(CLng(in), out) << in;
  }
}

TEST(Rounding, OutOfRangeIsTheRuntimesOverflow) {
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);  // half to even stays in range
  for (double v : {32767.5, -32769.0, 1e10}) {
    try {
      CInt(v);
      ADD_FAILURE() << v;
    } catch (const VbError& e) {
      EXPECT_EQ(e.Number(), 6);
    }
  }
  EXPECT_THROW(CLng(2147483647.5), VbError);
  EXPECT_THROW(CheckedAdd(2147483647, 1), VbError);
  EXPECT_EQ(CheckedAdd(-5, 3), -2);
}

TEST(Conversions, FollowTheRuntimesCoercions) {
  EXPECT_EQ(ToInteger(Variant("12")), 12);
  EXPECT_EQ(ToInteger(Variant(" 2.5 ")), 2);
  EXPECT_EQ(ToLong(Variant("&H8000000F")), static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(ToInteger(Variant("&HFFFF")), -1);
  EXPECT_EQ(ToInteger(Variant::Bool(true)), -1);
  EXPECT_EQ(ToInteger(Variant()), 0);
  EXPECT_TRUE(ToBoolean(Variant(int16_t{2})));
  EXPECT_TRUE(ToBoolean(Variant("True")));
  EXPECT_EQ(ToText(Variant::Bool(false)), "False");
  EXPECT_EQ(ToText(Variant(2.5)), "2.5");
  try {
    ToInteger(Variant("many"));
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.Number(), 13);
  }
  EXPECT_THROW(ToLong(Variant(FontDesc{})), VbError);
}

TEST(Text, UpperCaseAndCharacters) {
  EXPECT_EQ(UpperCase("abc&z"), "ABC&Z");
  EXPECT_EQ(UpperCase("\xC3\xA9t\xC3\xA9"), "\xC3\x89T\xC3\x89");  // été
  EXPECT_EQ(UpperCase("\xC3\xB7"), "\xC3\xB7");                       // the division sign has no capital
  EXPECT_EQ(CharacterAt("a\xC3\xA9z", 1), "\xC3\xA9");
  EXPECT_EQ(CharacterAt("ab", 2), "");
  EXPECT_EQ(CharacterFromCode(0xE9), "\xC3\xA9");
  EXPECT_TRUE(EqualsIgnoreCase("TabCaption", "tabcaption"));
}

TEST(ControlDetailsList, KeysAreUniqueWithoutRegardToCase) {
  ControlDetailsList list;
  EXPECT_TRUE(list.Add({"Text1[0]", true, false}));
  EXPECT_FALSE(list.Add({"TEXT1[0]", false, true}));  // the first entry stays
  EXPECT_TRUE(list.Add({"Opt[12]", false, false}));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.Find("text1[0]")->TabStop);
  EXPECT_EQ(list.Entries()[1].ControlID, "Opt[12]");
  EXPECT_EQ(list.Find("Opt[1]"), nullptr);
  // Letters beyond ASCII fold too (Latin-1, Latin Extended-A, Greek, Cyrillic).
  EXPECT_TRUE(list.Add({"Ärger_Œuvre_Ωμέγα_Дом[0]", true, true}));
  EXPECT_NE(list.Find("äRGER_œUVRE_ωΜέΓΑ_дОМ[0]"), nullptr);
  EXPECT_EQ(list.Find("Arger_Œuvre_Ωμέγα_Дом[0]"), nullptr);
}

TEST(CommonControls, EntriesAreNumberedFromTheCounter) {
  CommonControlsList common;
  common.Append("A[0]");
  common.Append("B[0]");
  EXPECT_EQ(common.Entries()[1].first, "Def2");
  EXPECT_EQ(common.Ids(), (std::vector<std::string>{"A[0]", "B[0]"}));
  // A rebuild starts the counter at 1 again; a key already taken is refused.
  common.Counter = 1;
  EXPECT_FALSE(common.Append("C[0]"));
  EXPECT_TRUE(common.Contains("B[0]"));
}

TEST(Interface, HasTheHundredAndTwoMembersWithTheirIdentifiers) {
  int accessors = 0;
  std::set<int32_t> ids;
  for (const MemberInfo& m : AllMembers()) {
    accessors += m.is_method ? 1 : (m.can_get ? 1 : 0) + (m.can_put ? 1 : 0);
    EXPECT_TRUE(ids.insert(m.dispid).second) << m.name;
    EXPECT_EQ(FindMember(m.name), &m);
  }
  EXPECT_EQ(accessors, 102);
  EXPECT_EQ(FindMember("currenttab")->dispid, 0x68030015);
  EXPECT_EQ(FindMember("JumpToTab")->dispid, 0x60030038);
  EXPECT_EQ(FindMember("NoSuchMember"), nullptr);
}

TEST(Interface, HasTheTwentyFourEventsInIdentifierOrder) {
  ASSERT_EQ(AllEvents().size(), 24u);
  for (size_t i = 0; i < AllEvents().size(); ++i) {
    EXPECT_EQ(static_cast<size_t>(AllEvents()[i].id), i + 1);
  }
  EXPECT_EQ(GetEventInfo(EventId::BeforeTabChange).args.size(), 2u);
  EXPECT_EQ(FindEvent("olEDRAGOVER")->args.back().name, "state");
}

}  // namespace
}  // namespace folivan
