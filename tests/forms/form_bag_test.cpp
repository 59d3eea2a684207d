// The property bag over a control block: reads with defaults, the default
// rule on writing, pictures, and the layout of a saved control.
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

// A control as VB6 saves it: extender keys, then the control's own, then
// the contained controls.
constexpr std::string_view kSavedTab =
    "VERSION 5.00\n"
    "Begin VB.Form Form1 \n"
    "   Begin FolivanTabs.FolivanTab Tabs1 \n"
    "      Height          =   3000\n"
    "      Left            =   120\n"
    "      TabIndex        =   0\n"
    "      Top             =   120\n"
    "      Width           =   4000\n"
    "      _ExtentX        =   7056\n"
    "      _ExtentY        =   5292\n"
    "      Auto            =   -1  'True\n"
    "      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} \n"
    "         Name            =   \"MS Sans Serif\"\n"
    "         Size            =   8.25\n"
    "         Charset         =   0\n"
    "         Weight          =   700\n"
    "         Underline       =   0   'False\n"
    "         Italic          =   0   'False\n"
    "         Strikethrough   =   0   'False\n"
    "      EndProperty\n"
    "      Tabs            =   2\n"
    "      Caption         =   \"Tab 0\"\n"
    "      BackCol         =   -2147483633\n"
    "      TabToolTip(0)   =   \"\"\n"
    "      TabContCtrlCnt(0)=   1\n"
    "      Tab(0)ContCtrlCap(1)=   \"Text1\"\n"
    "      Begin VB.TextBox Text1 \n"
    "         Height          =   285\n"
    "      End\n"
    "   End\n"
    "End\n";

TEST(FormBagRead, StoredValuesMissingKeysAndTheLastLine) {
  FormDocument doc = FormDocument::Load(kSample);
  FormPropertyBag bag(doc, *FindFolivanTab(doc));

  EXPECT_EQ(bag.Read("Tabs", Variant(int16_t{3})), Variant(int16_t{2}));
  EXPECT_EQ(bag.LastReadLine(), 34);
  EXPECT_EQ(bag.Read("stt", Variant::Bool(true)), Variant::Bool(false));
  EXPECT_EQ(bag.LastReadKey(), "stt");
  EXPECT_EQ(bag.LastReadLine(), 24);
  EXPECT_EQ(bag.Read("Tab(0)ContCtrlCap(1)", Variant("")), Variant("Text1[0]"));
  EXPECT_EQ(bag.Read("TabColFG", Variant(int32_t{0})), Variant(static_cast<int32_t>(0x8000000F)));

  EXPECT_EQ(bag.Read("HT", Variant::Bool(false)), Variant::Bool(false));
  EXPECT_EQ(bag.LastReadKey(), "HT");
  EXPECT_EQ(bag.LastReadLine(), 0);

  Variant font = bag.Read("FONT", Variant(FontDesc{}));
  ASSERT_TRUE(font.Is<FontDesc>());
  EXPECT_EQ(font.As<FontDesc>().name, "Tahoma");
  EXPECT_EQ(bag.LastReadLine(), 25);

  // A value the control cannot use reaches it as text; the conversion fails
  // and the host still knows where.
  Variant odd = bag.Read("FutureKey", Variant(int16_t{0}));
  EXPECT_THROW(ToInteger(odd), VbError);
  EXPECT_EQ(bag.LastReadLine(), 46);
}

TEST(FormBagPictures, FrxAndPathReferencesGoToTheLoader) {
  FormDocument doc = FormDocument::Load(kSample);
  FormBlock& tab = *FindFolivanTab(doc);
  tab.SetRaw("TabPicture", "\"pics/tab.png\"");
  tab.SetRaw("iTabPicture(0)", "\"\"");
  std::vector<FormPictureRef> asked;
  auto picture = std::make_shared<FakePicture>("loaded");
  FormPropertyBag bag(doc, tab, [&](const FormPictureRef& ref) -> PicturePtr {
    asked.push_back(ref);
    return picture;
  });

  EXPECT_EQ(bag.Read("BackPic", Variant(PicturePtr())), Variant(PicturePtr(picture)));
  EXPECT_EQ(bag.Read("TabPicture", Variant(PicturePtr())), Variant(PicturePtr(picture)));
  EXPECT_EQ(bag.Read("iTabPicture(0)", Variant(PicturePtr())), Variant(PicturePtr()));
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].file, kSample.parent_path() / "frmMain.frx");
  EXPECT_EQ(asked[0].frx_offset, 0x442u);
  EXPECT_EQ(asked[0].value_text, "\"frmMain.frx\":0442");
  EXPECT_EQ(asked[1].file, kSample.parent_path() / "pics/tab.png");
  EXPECT_FALSE(asked[1].frx_offset.has_value());
}

TEST(FormBagPictures, WrittenBackAsTheyCameOrAsARelativePath) {
  FormDocument doc = FormDocument::Load(kSample);
  FormPropertyBag bag(doc, *FindFolivanTab(doc));  // no loader
  Variant frx = bag.Read("BackPic", Variant(PicturePtr()));
  ASSERT_TRUE(frx.Is<PicturePtr>());
  ASSERT_NE(frx.As<PicturePtr>(), nullptr);
  EXPECT_EQ(frx.As<PicturePtr>()->Handle(), 0);

  auto inside = std::make_shared<FakePicture>((fs::absolute(kSample.parent_path()) / "pics" / "a.png").string());
  auto outside = std::make_shared<FakePicture>("/elsewhere/b.png");
  auto sourceless = std::make_shared<FakePicture>("");
  bag.BeginSave();
  bag.Write("BackPic", frx, Variant(PicturePtr()));
  bag.Write("TabPicture", Variant(PicturePtr(inside)), Variant(PicturePtr()));
  bag.Write("iTabPicture(0)", Variant(PicturePtr(outside)), Variant(PicturePtr()));
  bag.Write("iTabPicture(1)", Variant(PicturePtr()), Variant(PicturePtr()));
  bag.Write("iTabPicture(2)", Variant(PicturePtr(sourceless)), Variant(PicturePtr()));
  ASSERT_EQ(bag.Written().size(), 3u);
  EXPECT_EQ(bag.Written()[0].ValueText(), "\"frmMain.frx\":0442");
  EXPECT_EQ(bag.Written()[1].ValueText(), "\"pics/a.png\"");
  EXPECT_EQ(bag.Written()[2].ValueText(), "\"/elsewhere/b.png\"");
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
  for (const FormProperty& p : bag.Written()) keys.push_back(p.Key());
  EXPECT_EQ(keys, (std::vector<std::string>{"Tabs", "Caption", "DefCtrlCap(1)"}));

  bag.CommitSave();
  EXPECT_EQ(tab.Get("Caption"), Variant("General"));
  EXPECT_EQ(tab.Get("DefCtrlCap(1)"), Variant(""));
  EXPECT_FALSE(tab.Get("BLD").has_value());
  // A key left out reads back as the default it was compared with.
  FormPropertyBag reader(doc, tab);
  EXPECT_EQ(reader.Read("ColorSys", Variant(int32_t{1})), Variant(int32_t{1}));
}

TEST(FormBagWrite, BagValueEqualityRules) {
  EXPECT_TRUE(BagValuesEqual(Variant(2.0), Variant(int32_t{2})));
  EXPECT_TRUE(BagValuesEqual(Variant(), Variant(int16_t{0})));
  EXPECT_TRUE(BagValuesEqual(Variant(), Variant(PicturePtr())));
  EXPECT_FALSE(BagValuesEqual(Variant("0"), Variant(int16_t{0})));
  EXPECT_FALSE(BagValuesEqual(Variant("a"), Variant("A")));
  FontDesc bold;
  bold.bold = true;
  EXPECT_FALSE(BagValuesEqual(Variant(bold), Variant(FontDesc{})));
  auto p = std::make_shared<FakePicture>("x");
  EXPECT_FALSE(BagValuesEqual(Variant(PicturePtr(p)), Variant(PicturePtr())));
}

TEST(FormBagSave, ExtenderKeysFirstThenTheControlsKeysThenItsControls) {
  FormDocument doc = FormDocument::Load(kSample);
  FormBlock& tab = *FindFolivanTab(doc);
  FormPropertyBag bag(doc, tab);
  bag.BeginSave();
  bag.Write("Auto", Variant::Bool(true), Variant::Bool(false));
  FontDesc font;
  font.name = "Verdana";
  font.size = 10;
  bag.Write("FONT", Variant(font), std::nullopt);
  bag.Write("Tabs", Variant(int16_t{1}), Variant(int16_t{0}));
  bag.Write("TabCaption(0)", Variant("Only"), Variant("Tab 0"));
  bag.CommitSave();

  std::string text = doc.Serialize();
  std::string expected =
      "   Begin FolivanTabs.FolivanTab FolivanTab1 \r\n"
      "      Height          =   3735\r\n"
      "      Left            =   120\r\n"
      "      TabIndex        =   0\r\n"
      "      Top             =   120\r\n"
      "      Width           =   6495\r\n"
      "      _ExtentX        =   11456\r\n"
      "      _ExtentY        =   6588\r\n"
      "      Auto            =   -1  'True\r\n"
      "      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n"
      "         Name            =   \"Verdana\"\r\n"
      "         Size            =   10\r\n"
      "         Charset         =   0\r\n"
      "         Weight          =   400\r\n"
      "         Underline       =   0   'False\r\n"
      "         Italic          =   0   'False\r\n"
      "         Strikethrough   =   0   'False\r\n"
      "      EndProperty\r\n"
      "      Tabs            =   1\r\n"
      "      TabCaption(0)   =   \"Only\"\r\n"
      "      ' a comment kept in place   \r\n"
      "      Begin VB.Line Line1 \r\n";
  EXPECT_NE(text.find(expected), std::string::npos) << text;
  EXPECT_EQ(text.find("FutureKey"), std::string::npos);
  EXPECT_EQ(text.find("STT"), std::string::npos);
  ASSERT_EQ(tab.Children().size(), 2u);
  // Everything outside the control is untouched.
  EXPECT_NE(text.find("AllowUserResizing=   1\r\n"), std::string::npos);
  EXPECT_NE(text.find("Private Sub Form_Load()\r\n"), std::string::npos);
}

TEST(FormBagSave, ReadingAndWritingTheSameValuesGivesTheSameFile) {
  FormDocument doc = FormDocument::Parse(kSavedTab, "saved.frm");
  FormPropertyBag bag(doc, *FindFolivanTab(doc, "Tabs1"));
  Variant auto_focus = bag.Read("Auto", Variant::Bool(false));
  Variant font = bag.Read("FONT", Variant(FontDesc{}));
  Variant tabs = bag.Read("Tabs", Variant(int16_t{0}));
  Variant caption = bag.Read("Caption", Variant(""));
  Variant back = bag.Read("BackCol", Variant(int32_t{0}));
  Variant tip = bag.Read("TabToolTip(0)", Variant("Tab 0"));
  Variant count = bag.Read("TabContCtrlCnt(0)", Variant(int32_t{0}));
  Variant cap = bag.Read("Tab(0)ContCtrlCap(1)", Variant(""));

  bag.BeginSave();
  bag.Write("Auto", auto_focus, Variant::Bool(false));
  bag.Write("FONT", font, std::nullopt);
  bag.Write("Tabs", Variant(ToInteger(tabs)), Variant(int16_t{0}));
  bag.Write("Caption", caption, Variant(""));
  bag.Write("CurrentTab", Variant(int16_t{0}), Variant(int16_t{0}));
  bag.Write("BackCol", Variant(ToLong(back)), Variant(int32_t{0}));
  bag.Write("TabToolTip(0)", tip, Variant("Tab 0"));
  bag.Write("TabContCtrlCnt(0)", Variant(ToLong(count)), Variant(int32_t{0}));
  bag.Write("Tab(0)ContCtrlCap(1)", cap, std::nullopt);
  bag.CommitSave();
  EXPECT_EQ(doc.Serialize(), kSavedTab);
}

}  // namespace
}  // namespace folivan
