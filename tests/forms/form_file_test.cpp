// The form document: exact round trips, the block tree, edits in VB6's
// layout and the atomic save (a new document's layout is pinned by
// tests/console/data/new_instance.frm).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/headless/form_file.h"

namespace folivan {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(FOLIVAN_SOURCE_DIR) / "tests/forms/data/options_crlf.frm";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

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

// What the control's reads rest on: keys and names in any case, values decoded
// from the code page, a font's group as one value. The tree itself is pinned
// by the round trips above and the saved forms of form_save_*.play.
TEST(FormModel, KeysNamesAndGroupsOfTheSample) {
  FormDocument doc = FormDocument::Load(kSample);
  EXPECT_EQ(doc.Root()->Get("caption"), Variant("Caf\xC3\xA9 \"Options\""));
  FormBlock* tab = FindFolivanTab(doc);
  ASSERT_EQ(tab, doc.Root()->Children()[0]);
  EXPECT_EQ(doc.FindByName("text1"), tab->Children()[1]);
  FontDesc expected;
  expected.name = "Tahoma";
  expected.size = 9.75;
  expected.charset = 238;
  expected.bold = expected.italic = true;
  EXPECT_EQ(tab->Find("FONT")->Value(), Variant(expected));
}

// A control's block holds thousands of keys and is looked up through an index
// that tries the entry after the last one found first: whatever the order of
// the look-ups, a key written twice gives its first entry.
TEST(FormModel, LargeBlocksFindTheFirstEntryOfAKeyInAnyOrder) {
  std::string text = "Begin VB.Form F \n";
  for (int i = 0; i < 40; ++i) text += "   K" + std::to_string(i) + " = " + std::to_string(i) + "\n";
  text += "   k5 = 99\n   K40 = 40\nEnd\n";
  FormDocument doc = FormDocument::Parse(text, "t.frm");
  FormBlock& form = *doc.Root();
  const struct {
    const char* key;
    int line;  // 0: absent
  } lookups[] = {{"K3", 5}, {"K4", 6}, {"K5", 7}, {"K6", 8}, {"k5", 7}, {"K40", 43}, {"K41", 0}, {"K39", 41}, {"K5", 7},
                 {"K4", 6}, {"K5", 7}, {"K0", 2}, {"k5", 7}};
  for (const auto& lookup : lookups) {
    const FormProperty* found = form.Find(lookup.key);
    EXPECT_EQ(found == nullptr ? 0 : found->Line(), lookup.line) << lookup.key;
  }
  EXPECT_EQ(doc.Serialize(), text);
}

TEST(FormEdit, ChangedValuesAreWrittenInVbLayoutAndTheRestKept) {
  FormDocument doc = FormDocument::Load(kSample);
  FormBlock* text1 = doc.FindByName("Text1");
  ASSERT_NE(text1, nullptr);
  text1->Set("Left", Variant(int32_t{75240}));
  text1->Set("Enabled", Variant::Bool(false));  // new extender key: alphabetically before Height
  text1->Set("Text", Variant("caf\xC3\xA9"));
  text1->Set("ZOrder", Variant(int16_t{2}));  // not an extender key: after the last property

  EXPECT_EQ(doc.Serialize(), ReadBytes(kSample.parent_path() / "options_edited.frm"));

  // Setting a value to what is already there leaves the line alone.
  FormDocument again = FormDocument::Load(kSample);
  again.FindByName("Line1")->Set("X1", Variant(int32_t{120}));
  EXPECT_EQ(again.Serialize(), ReadBytes(kSample));
}

TEST(FormEdit, ChildrenAreAppendedAndInserted) {
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

  // Removing keys is pinned by the run-time saves of form_save_run_mode.play (the
  // lines of a control that came back go again), reading made lines back by
  // saving every saved form once more.
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

// Malformed files and the FILE:LINE they give: console/data/broken_forms.txt.

// The save replaces a file whole or leaves it alone, and no temporary stays.
TEST(FormSave, ReplacesTheFileOrLeavesItAlone) {
  const fs::path folder = fs::temp_directory_path() / ("folivan_save_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder / "busy.frm");
  std::ofstream(folder / "form.frm") << "old";
  std::ofstream(folder / "busy.frm" / "keep") << "previous";
  FormDocument doc = FormDocument::Load(kSample);
  doc.Save(folder / "form.frm");
  EXPECT_EQ(ReadBytes(folder / "form.frm"), ReadBytes(kSample));
  // The target is a folder with a file in it: the rename must fail.
  try {
    doc.Save(folder / "busy.frm");
    ADD_FAILURE() << "saved over a folder";
  } catch (const FormError& e) {
    EXPECT_EQ(e.File(), (folder / "busy.frm").string());
    EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
  }
  EXPECT_EQ(ReadBytes(folder / "busy.frm" / "keep"), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
  EXPECT_THROW(doc.Save(folder / "no" / "such.frm"), FormError);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace folivan
