// Property writes through the C++ interface, with a spy on what the host sees.
#include <gtest/gtest.h>

#include "core/folivan_tab.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/vb_runtime.h"

namespace folivan {
namespace {

class EmptyPicture : public Picture {
 public:
  intptr_t Handle() const override { return 0; }
  int32_t Width() const override { return 0; }
  int32_t Height() const override { return 0; }
};

class SomePicture : public Picture {
 public:
  intptr_t Handle() const override { return 0x1234; }
  int32_t Width() const override { return 16; }
  int32_t Height() const override { return 16; }
};

class PropertiesTest : public ::testing::Test {
 protected:
  PropertiesTest() : surface(system, 400, 300), host(surface, system), control(host, system) {
    control.InitProperties();
    host.on_property_changed = [this](std::string_view name) { log.push_back("changed " + std::string(name)); };
    host.on_event = [this](int32_t dispid, std::span<Variant>) {
      log.push_back("event " + std::string(GetEventInfo(static_cast<EventId>(dispid)).name));
    };
  }

  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
  std::vector<std::string> log;
};

TEST_F(PropertiesTest, AWriteOfThePresentValueDoesNothing) {
  control.SetAppearance(1);
  control.SetBoldSelected(true);
  control.SetTabCaption(1, "Tab 1");
  control.SetCurrentTab(0);
  EXPECT_TRUE(log.empty());
  control.SetAppearance(3);
  EXPECT_EQ(log, (std::vector<std::string>{"changed Appearance"}));
}

TEST_F(PropertiesTest, CurrentTabPropertiesFollowTheCurrentRecord) {
  control.SetCaption("&Open");
  EXPECT_EQ(control.TabCaption(0), "&Open");
  EXPECT_EQ(log, (std::vector<std::string>{"changed TabCaption", "changed Caption"}));
  EXPECT_EQ(surface.AccessKeys(), "O");
  // TabEnabled has no comparison: it notifies every time.
  log.clear();
  control.SetTabEnabled(true);
  EXPECT_EQ(log, (std::vector<std::string>{"changed TabEnabled", "changed iTabEnabled"}));
}

TEST_F(PropertiesTest, APictureWithoutAnImageIsStoredAsNone) {
  control.SetTabPicture(std::make_shared<EmptyPicture>());
  EXPECT_EQ(control.TabPicture(), nullptr);
  auto picture = std::make_shared<SomePicture>();
  control.SetiTabPicture(2, picture);
  EXPECT_EQ(control.iTabPicture(2), picture);
  control.SetiTabPicture(2, std::make_shared<EmptyPicture>());
  EXPECT_EQ(control.iTabPicture(2), nullptr);
}

TEST_F(PropertiesTest, TabColoursAreStoredTranslatedAtTheTimeOfTheWrite) {
  control.SetTabStartColor(0, SystemColor(15));
  EXPECT_EQ(control.TabStartColor(0), Rgb(236, 233, 216));
  // A later change of the system colour does not reach the stored value.
  system.SetSysColor(15, Rgb(1, 2, 3));
  EXPECT_EQ(control.TabStartColor(0), Rgb(236, 233, 216));
  // An untranslatable colour is stored as -1.
  control.SetTabEndColor(1, 0x7F000000u);
  EXPECT_EQ(control.TabEndColor(1), -1);
}

TEST_F(PropertiesTest, CurrentTabColoursInTheCommonAreaStoreThenReportError9) {
  control.SetCurrentTab(-1);
  try {
    control.SetcTabStartColor(Rgb(10, 20, 30));
    FAIL() << "no error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.Number(), 9);
  }
  EXPECT_EQ(control.cTabStartColor(), Rgb(10, 20, 30));
  EXPECT_EQ(control.TabStartColor(0), 0);
}

TEST_F(PropertiesTest, ACompletedChangeTakesOverTheNewTabsGradientColours) {
  control.SetTabStartColor(2, Rgb(1, 1, 1));
  control.SetTabEndColor(2, Rgb(2, 2, 2));
  control.SetCurrentTab(2);
  EXPECT_EQ(control.cTabStartColor(), Rgb(1, 1, 1));
  EXPECT_EQ(control.cTabEndColor(), Rgb(2, 2, 2));
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
