// The property bag over a control block: pictures, and the default rule on
// writing. Reads, the layout of a saved control, and saving, loading and
// saving again are pinned end to end by the form_save_*.play scenarios against
// tests/console/data; the line and key a faulty value names by console/forms_test.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/form_bag.h"
#include "platform/vb_runtime.h"

namespace folivan {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(FOLIVAN_SOURCE_DIR) / "tests/forms/data/options_crlf.frm";

class FakePicture : public Picture {
 public:
  explicit FakePicture(std::string source) : source_(std::move(source)) {}
  intptr_t Handle() const override { return 7; }
  int32_t Width() const override { return 16; }
  int32_t Height() const override { return 16; }
  std::string Source() const override { return source_; }

 private:
  std::string source_;
};

// form_save_pictures.play loads and saves pictures next to the form end to end.
TEST(FormBagPictures, ReferencesGoToTheLoaderAndComeBackAsTheyWereOrAsAPath) {
  FormDocument doc = FormDocument::Load(kSample);
  FormBlock& tab = *FindFolivanTab(doc);
  tab.SetRaw("iTabPicture(0)", "\"\"");
  std::vector<FormPictureRef> asked;
  FormPropertyBag bag(doc, tab, [&](const FormPictureRef& ref) -> PicturePtr {
    asked.push_back(ref);
    return nullptr;
  });
  EXPECT_EQ(bag.Read("iTabPicture(0)", Variant(PicturePtr())), Variant(PicturePtr()));
  EXPECT_TRUE(asked.empty()) << "an empty reference asks for nothing";
  bag.Read("BackPic", Variant(PicturePtr()));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].file, kSample.parent_path() / "frmMain.frx");
  EXPECT_EQ(asked[0].frx_offset, 0x442u);
  EXPECT_EQ(asked[0].value_text, "\"frmMain.frx\":0442");

  // Without a loader an .frx picture is a placeholder that is written back as it came.
  FormPropertyBag plain(doc, tab);
  Variant frx = plain.Read("BackPic", Variant(PicturePtr()));
  ASSERT_TRUE(frx.Is<PicturePtr>());
  ASSERT_NE(frx.As<PicturePtr>(), nullptr);
  EXPECT_EQ(frx.As<PicturePtr>()->Handle(), 0);
  plain.BeginSave();
  plain.Write("BackPic", frx, Variant(PicturePtr()));
  plain.Write("iTabPicture(0)", Variant(PicturePtr(std::make_shared<FakePicture>("/elsewhere/b.png"))),
              Variant(PicturePtr()));
  plain.Write("iTabPicture(1)", Variant(PicturePtr(std::make_shared<FakePicture>(""))), Variant(PicturePtr()));
  ASSERT_EQ(plain.Written().size(), 2u) << "a picture without a source is not stored";
  EXPECT_EQ(plain.Written()[0].ValueText(), "\"frmMain.frx\":0442");
  EXPECT_EQ(plain.Written()[1].ValueText(), "\"/elsewhere/b.png\"");
}

TEST(FormBagWrite, ValuesEqualToTheirDefaultAreNotStored) {
  FormDocument doc("VB.Form", "Form1");
  FormBlock& tab = doc.Root()->AppendChild(std::string(kFolivanTabType), "Tabs1");
  FormPropertyBag bag(doc, tab);
  bag.BeginSave();
  bag.Write("Auto", Variant::Bool(false), Variant::Bool(false));
  bag.Write("ColorSys", Variant(int32_t{1}), Variant(int32_t{1}));
  bag.Write("LastActTab", Variant(int16_t{0}), Variant(int32_t{0}));  // across integer types
  bag.Write("Enab", Variant::Bool(true), Variant(int16_t{-1}));       // True is -1
  bag.Write("TagV(0)", Variant(), Variant(""));                       // Empty is ""
  bag.Write("FONT2", Variant(FontDesc{}), Variant(FontDesc{}));
  EXPECT_TRUE(bag.Written().empty());

  bag.Write("Tabs", Variant(int16_t{3}), Variant(int16_t{0}));
  bag.Write("Caption", Variant("Tab 0"), Variant(""));
  bag.Write("DefCtrlCap(1)", Variant(""), std::nullopt);  // no default: always stored
  bag.Write("BLD", Variant::Bool(true), Variant::Bool(false));
  bag.Write("Caption", Variant("General"), Variant(""));  // a second write keeps the place
  bag.Write("BLD", Variant::Bool(false), Variant::Bool(false));  // back to the default: gone
  std::vector<std::string> keys;
  for (const FormProperty& p : bag.Written()) keys.emplace_back(p.Key());
  EXPECT_EQ(keys, (std::vector<std::string>{"Tabs", "Caption", "DefCtrlCap(1)"}));

  bag.CommitSave();
  EXPECT_EQ(tab.Get("Caption"), Variant("General"));
  EXPECT_EQ(tab.Get("DefCtrlCap(1)"), Variant(""));
  EXPECT_FALSE(tab.Get("BLD").has_value());
  // A key left out reads back as the default it was compared with.
  FormPropertyBag reader(doc, tab);
  EXPECT_EQ(reader.Read("ColorSys", Variant(int32_t{1})), Variant(int32_t{1}));
}

}  // namespace
}  // namespace folivan
