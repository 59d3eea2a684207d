// Property writes that the play console cannot make: pictures without an
// image, system colours changed behind the control, and the shell library
// that each instance holds (property_writes.play pins the rest).
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
  }

  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

TEST_F(PropertiesTest, APictureWithoutAnImageIsStoredAsNone) {
  control.SetTabPicture(std::make_shared<EmptyPicture>());
  EXPECT_EQ(control.TabPicture(), nullptr);
  auto picture = std::make_shared<SomePicture>();
  control.SetiTabPicture(2, picture);
  EXPECT_EQ(control.iTabPicture(2), picture);
  control.SetiTabPicture(2, std::make_shared<EmptyPicture>());
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
