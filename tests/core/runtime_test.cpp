// The runtime conversions the control relies on, the interface tables, the
// keyed lists behind the tabs, and property writes that the play console
// cannot make: pictures without an image, system colours changed behind the
// control, and the shell library that each instance holds (property_writes.play
// pins the rest).
#include <gtest/gtest.h>

#include <set>

#include "core/dispatch.h"
#include "core/events.h"
#include "core/tab_record.h"
#include "core/text.h"
#include "platform/headless/contained_controls.h"
#include "platform/vb_runtime.h"
#include "support/control_fixture.h"

namespace folivan {
namespace {

// conversions.play pins the coercions and the rounding as values reach the
// members, access_key_text.play the capitals and characters of access keys;
// here the edges of the Integer's range and what no script reaches.
TEST(Runtime, WhatNoScriptReaches) {
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);  // half to even stays in range
  EXPECT_THROW(CInt(1e10), VbError);
  EXPECT_THROW(CheckedAdd(2147483647, 1), VbError);
  EXPECT_EQ(CheckedAdd(-5, 3), -2);
  EXPECT_THROW(ToLong(Variant(FontDesc{})), VbError);
  EXPECT_EQ(CharacterFromCode(0xE9), "\xC3\xA9");  // a KeyAscii code as its ANSI character
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

// A stand-in finds each property of its kind in any case, and nothing else.
TEST(ControlKinds, EveryPropertyIsFoundInAnyCaseAndNothingElse) {
  std::vector<const ControlKindInfo*> kinds{&GenericControlKind()};
  for (const char* type : {"VB.TextBox", "VB.Label", "VB.CommandButton", "VB.CheckBox", "VB.OptionButton",
                           "VB.Frame", "VB.ListBox", "VB.ComboBox", "VB.PictureBox", "VB.Line", "VB.Shape",
                           "VB.Image", "VB.Form"}) {
    kinds.push_back(FindControlKind(type));
  }
  for (const ControlKindInfo* kind : kinds) {
    for (size_t i = 0; i < kind->properties.size(); ++i) {
      const std::string& name = kind->properties[i];
      EXPECT_EQ(kind->Slot(UpperCase(name)), static_cast<int>(i)) << kind->type << " " << name;
      EXPECT_EQ(kind->Slot(FoldCase(name)), static_cast<int>(i)) << kind->type << " " << name;
    }
    for (const char* other : {"", "Name", "Index", "Lef", "TabStops", "Font"}) EXPECT_EQ(kind->Slot(other), -1);
  }
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

// --- property writes ---------------------------------------------------------------------

// A picture with an image of 16 x 16 pixels, or (handle 0) none.
class StubPicture : public Picture {
 public:
  explicit StubPicture(intptr_t handle) : handle_(handle) {}
  intptr_t Handle() const override { return handle_; }
  int32_t Width() const override { return handle_ ? 16 : 0; }
  int32_t Height() const override { return handle_ ? 16 : 0; }

 private:
  intptr_t handle_;
};

using PropertiesTest = testing::ControlTest;

TEST_F(PropertiesTest, APictureWithoutAnImageIsStoredAsNone) {
  control.SetTabPicture(std::make_shared<StubPicture>(0));
  EXPECT_EQ(control.TabPicture(), nullptr);
  auto picture = std::make_shared<StubPicture>(0x1234);
  control.SetiTabPicture(2, picture);
  EXPECT_EQ(control.iTabPicture(2), picture);
  control.SetiTabPicture(2, std::make_shared<StubPicture>(0));
  EXPECT_EQ(control.iTabPicture(2), nullptr);
}

// property_writes.play pins the translation itself.
TEST_F(PropertiesTest, ALaterChangeOfASystemColourDoesNotReachAStoredTabColour) {
  control.SetTabStartColor(0, SystemColor(15));
  system.SetSysColor(15, Rgb(1, 2, 3));
  EXPECT_EQ(control.TabStartColor(0), Rgb(236, 233, 216));
}

TEST_F(PropertiesTest, CreationLoadsTheShellLibraryAndTerminationReleasesIt) {
  EXPECT_EQ(system.LoadedLibraries(), 1);
  {
    FolivanTab second(host, system);
    EXPECT_EQ(system.LoadedLibraries(), 2);
  }
  EXPECT_EQ(system.LoadedLibraries(), 1);
}

}  // namespace
}  // namespace folivan
