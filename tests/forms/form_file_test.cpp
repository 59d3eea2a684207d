// The form document: exact round trips, the block tree, edits in VB6's
// layout, malformed files and the atomic save (a new document's layout is
// pinned by tests/console/data/new_instance.frm).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/headless/form_file.h"

namespace folivan {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(FOLIVAN_SOURCE_DIR) / "tests/forms/data/options_crlf.frm";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A scratch folder removed at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("folivan_forms_" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// A small LF form with a control made in code below.
constexpr std::string_view kSmallForm =
    "VERSION 5.00\n"
    "Begin VB.Form Form1 \n"
    "   Caption         =   \"Form1\"\n"
    "   Begin VB.Frame Frame1 \n"
    "      Caption         =   \"Frame1\"\n"
    "      Height          =   1000\n"
    "      Left            =   100\n"
    "   End\n"
    "End\n"
    "Attribute VB_Name = \"Form1\"\n";

TEST(FormRoundTrip, LineEndingsBlanksAndCodeAreKeptAsFound) {
  const std::string sample = ReadBytes(kSample);
  ASSERT_NE(sample.find("\r\n"), std::string::npos);
  EXPECT_EQ(FormDocument::Load(kSample).Eol(), "\r\n");
  const std::string cases[] = {
      sample,
      std::string(kSmallForm),
      std::string(kSmallForm.substr(0, kSmallForm.size() - 1)),  // no final line ending
      "VERSION 5.00\r\nBegin VB.Form F \n   Tag =\"x\"   \r\n\t' odd comment\n\nEnd\r\n\r\nAttribute VB_Name = \"F\"",
      "",
      "' just a comment\n",
      "Begin VB.Form F \nEnd\nSub Main()\n  End\nEnd Sub\n",  // code after the form may use End
  };
  for (const std::string& text : cases) {
    EXPECT_EQ(FormDocument::Parse(text, "t.frm").Serialize(), text) << text;
  }
}

TEST(FormModel, BlocksPropertiesAndLinesOfTheSample) {
  FormDocument doc = FormDocument::Load(kSample);
  auto objects = doc.ObjectReferences();
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[1].file, "FolivanTab.ocx");
  EXPECT_EQ(objects[1].line, 3);

  FormBlock* form = doc.Root();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "frmMain");
  EXPECT_EQ(form->EndLine(), 84);
  EXPECT_EQ(form->Get("caption"), Variant("Caf\xC3\xA9 \"Options\""));  // keys in any case, ANSI decoded
  auto children = form->Children();
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[2]->Find("Caption")->Kind(), FormValueKind::kRaw);

  FormBlock* tab = FindFolivanTab(doc);
  ASSERT_EQ(tab, children[0]);
  EXPECT_EQ(tab->Parent(), form);
  EXPECT_EQ(tab->Depth(), 1);
  const FormProperty* stop = tab->Find("Tab(0)CtrlTabStop(1)");
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->Line(), 44);
  EXPECT_EQ(stop->Value(), Variant::Bool(false));
  ASSERT_EQ(tab->RawLines().size(), 1u);
  EXPECT_EQ(tab->RawLines()[0]->text, "      ' a comment kept in place   ");

  const FormProperty* font = tab->Find("FONT");
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->IsGroup());
  FontDesc expected;
  expected.name = "Tahoma";
  expected.size = 9.75;
  expected.charset = 238;
  expected.bold = true;
  expected.italic = true;
  EXPECT_EQ(font->Value(), Variant(expected));

  EXPECT_EQ(doc.FindByName("text1"), tab->Children()[1]);
  EXPECT_EQ(FindFolivanTab(doc, "Grid1"), nullptr);
  ASSERT_EQ(doc.CodeLines().size(), 10u);
  EXPECT_EQ(doc.CodeLines().front().text, "Attribute VB_Name = \"frmMain\"");
}

TEST(FormEdit, ChangedValuesAreWrittenInVbLayoutAndTheRestKept) {
  FormDocument doc = FormDocument::Load(kSample);
  FormBlock* text1 = doc.FindByName("Text1");
  ASSERT_NE(text1, nullptr);
  text1->Set("Left", Variant(int32_t{75240}));
  text1->Set("Enabled", Variant::Bool(false));  // new extender key: alphabetically before Height
  text1->Set("Text", Variant("caf\xC3\xA9"));
  text1->Set("ZOrder", Variant(int16_t{2}));  // not an extender key: after the last property

  std::string expected = ReadBytes(kSample);
  auto replace = [&](std::string_view from, std::string_view to) {
    auto at = expected.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    expected.replace(at, from.size(), to);
  };
  replace("         Height          =   285\r\n",
          "         Enabled         =   0   'False\r\n         Height          =   285\r\n");
  replace("         Left            =   240\r\n", "         Left            =   75240\r\n");
  replace("         Text            =   \"$ 1,000\"\r\n", "         Text            =   \"caf\xE9\"\r\n");
  replace("         Width           =   2175\r\n",
          "         Width           =   2175\r\n         ZOrder          =   2\r\n");
  EXPECT_EQ(doc.Serialize(), expected);

  // Setting a value to what is already there leaves the line alone.
  FormDocument again = FormDocument::Load(kSample);
  again.FindByName("Line1")->Set("X1", Variant(int32_t{120}));
  EXPECT_EQ(again.Serialize(), ReadBytes(kSample));
}

TEST(FormEdit, ChildrenAreAppendedInsertedAndRemoved) {
  FormDocument doc = FormDocument::Parse(kSmallForm, "small.frm");
  FormBlock* frame = doc.FindByName("Frame1");
  ASSERT_NE(frame, nullptr);
  FormBlock& check = frame->AppendChild("VB.CheckBox", "Check1");
  check.Set("Caption", Variant("On"));
  check.Set("Value", Variant::Bool(true));
  FontDesc font;
  font.name = "Arial";
  font.size = 8.25;
  check.Set("Font", Variant(font));
  FormBlock& first = frame->InsertChild(0, "VB.Line", "Line1");
  first.Set("X1", Variant(int16_t{0}));
  EXPECT_EQ(first.Parent(), frame);

  // The frame in VB6's layout with its new children, a line first.
  EXPECT_EQ(doc.Serialize(), ReadBytes(kSample.parent_path() / "children.frm"));

  EXPECT_TRUE(frame->RemoveChild(&first));
  EXPECT_FALSE(frame->RemoveChild(&first));
  EXPECT_TRUE(frame->Remove("Height"));
  EXPECT_FALSE(frame->Remove("Height"));
  ASSERT_EQ(frame->Children().size(), 1u);
  EXPECT_EQ(frame->Children()[0]->Name(), "Check1");
  // The reloaded text reads back the same values.
  FormDocument reread = FormDocument::Parse(doc.Serialize(), "small.frm");
  EXPECT_EQ(reread.FindByName("Check1")->Get("Value"), Variant::Bool(true));
  EXPECT_EQ(reread.FindByName("Check1")->Get("Font"), check.Get("Font"));
  EXPECT_THROW(frame->InsertChild(5, "VB.Line", "LineX"), std::out_of_range);
}

TEST(FormEdit, MadeLinesFollowTheFileLineEnding) {
  FormDocument doc = FormDocument::Parse("Begin VB.Form F \n   Tag = \"\"\nEnd", "f.frm");
  doc.Root()->Set("Caption", Variant("x"));
  EXPECT_EQ(doc.Serialize(), "Begin VB.Form F \n   Tag = \"\"\n   Caption         =   \"x\"\nEnd");

  // A last line without an ending gets one before a made line follows it.
  FormDocument bare = FormDocument::Parse("VERSION 5.00", "v.frm");
  bare.AddObjectReference("{X}#1.0#0", "x.ocx");
  EXPECT_EQ(bare.Serialize(), "VERSION 5.00\r\nObject = \"{X}#1.0#0\"; \"x.ocx\"\r\n");
}

struct Malformed {
  const char* text;
  const char* message;
};

TEST(FormErrors, EachMalformationNamesFileAndLine) {
  const Malformed cases[] = {
      {"VERSION 5.00\nBegin VB.Form F \n   Caption = \"x\"\n", "bad.frm:2: Begin VB.Form F has no End"},
      {"Begin VB.Form F \n   Begin VB.Label L \n   End\n", "bad.frm:1: Begin VB.Form F has no End"},
      {"VERSION 5.00\nEnd\n", "bad.frm:2: End without Begin"},
      {"Begin VB.Form F \nEnd\nEnd\n", "bad.frm:3: End without Begin"},
      {"Begin VB.Form F \n   Caption \"x\"\nEnd\n", "bad.frm:2: property line without \"=\""},
      {"Begin VB.Form F \n   = 5\nEnd\n", "bad.frm:2: property without a name"},
      {"Begin VB.Form F \n\n   Caption = \"x\nEnd\n", "bad.frm:3: string without a closing quote"},
      {"Begin VB.Form F \n   BeginProperty Font {X} \n      Name = \"A\"\nEnd\n",
       "bad.frm:2: BeginProperty Font has no EndProperty"},
      {"Begin VB.Form F \n   BeginProperty Font \n      Size = 8\n", "bad.frm:2: BeginProperty Font has no EndProperty"},
      {"Begin VB.Form F \n   EndProperty\nEnd\n", "bad.frm:2: EndProperty without BeginProperty"},
      {"Begin\nEnd\n", "bad.frm:1: Begin without a control type"},
      {"Begin VB.Form F \r\n   BeginProperty Font \r\n      Bold\r\n   EndProperty\r\nEnd\r\n",
       "bad.frm:3: property line without \"=\""},
  };
  for (const Malformed& c : cases) {
    try {
      FormDocument::Parse(c.text, "bad.frm");
      ADD_FAILURE() << "no error for: " << c.text;
    } catch (const FormError& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << c.text;
    }
  }
}

TEST(FormErrors, MissingFileIsNamed) {
  TempFolder folder;
  fs::path missing = folder.Path() / "none.frm";
  try {
    FormDocument::Load(missing);
    ADD_FAILURE();
  } catch (const FormError& e) {
    EXPECT_EQ(e.File(), missing.string());
    EXPECT_EQ(e.Line(), 0);
    EXPECT_EQ(std::string(e.what()).rfind(missing.string() + ": ", 0), 0u);
  }
}

TEST(FormSave, WritesTheFileAndLeavesNoTemporary) {
  TempFolder folder;
  fs::path target = folder.Path() / "form.frm";
  WriteBytes(target, "old");
  FormDocument doc = FormDocument::Load(kSample);
  doc.Save(target);
  EXPECT_EQ(ReadBytes(target), ReadBytes(kSample));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(FormSave, FailureLeavesThePreviousContentAlone) {
  TempFolder folder;
  FormDocument doc = FormDocument::Load(kSample);

  // The target is a folder with a file in it: the rename must fail.
  fs::path target = folder.Path() / "busy.frm";
  fs::create_directories(target);
  WriteBytes(target / "keep", "previous");
  try {
    doc.Save(target);
    ADD_FAILURE() << "saved over a folder";
  } catch (const FormError& e) {
    EXPECT_EQ(e.File(), target.string());
    EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
  }
  EXPECT_EQ(ReadBytes(target / "keep"), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);

  // A folder that does not exist.
  EXPECT_THROW(doc.Save(folder.Path() / "no" / "such.frm"), FormError);
}

}  // namespace
}  // namespace folivan
