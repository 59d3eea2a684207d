// Forms through the play console: what a save writes, byte for byte against
// the forms in tests/console/data, that every saved form saves again
// unchanged at design and at run time, and broken forms. What a loaded form
// holds is read by the play scenarios form_*.play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console.h"

namespace fs = std::filesystem;
using folivan::console::RunPlay;
using folivan::console::SessionOptions;

namespace {

const fs::path kData = fs::path(FOLIVAN_SOURCE_DIR) / "tests/console/data";

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct PlayResult {
  int status;
  std::string out;
  std::string err;
};

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("folivan-forms-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy_file(kData / "red.png", dir_ / "red.png");  // beside the forms saved here
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `script`, where "@" stands for the scratch folder.
  PlayResult Play(std::string script, const SessionOptions& options) {
    for (size_t at = script.find('@'); at != std::string::npos; at = script.find('@', at)) {
      script.replace(at, 1, dir_.string());
    }
    const fs::path path = dir_ / "script.play";
    std::ofstream(path) << script;
    std::ostringstream out, err;
    int status = RunPlay(options, path.string(), out, err);
    return {status, out.str(), err.str()};
  }

  fs::path dir_;
};

struct SaveCase {
  const char* form;     // in tests/console/data; "" for a new instance
  bool design;
  const char* control;  // the control of the form the play drives ("" the first)
  const char* script;   // saves into "@"
  std::vector<std::pair<const char*, const char*>> saved;  // a file saved into "@", the data file it equals
};

const SaveCase kSaves[] = {
    // A new instance writes only what differs from the defaults.
    {"", false, "", "save \"@/new.frm\"\n", {{"new.frm", "new_instance.frm"}}},
    // Quotes, passwords, colours, variants and contained controls on tabs and in the common area.
    {"", true, "",
     "set TabCaption(1) = \"&Second \"\"quoted\"\"\"\nset TabPassword(2) = \"pw\"\nset TabStartColor(1) = &HFF&\n"
     "set Appearance = 4\nset TagVariant(0) = 42\nadd VB.TextBox Text1 Left=360 Top=600 Width=1215 Height=375\n"
     "add VB.Line Line1 X1=100 X2=900 Y1=50 Y2=50\nset CurrentTab = 2\nadd VB.Label Label1 Index=4 Left=100 Top=100\n"
     "set CurrentTab = -1\nadd VB.CommandButton cmdOK Left=2000 Top=3000\nset CurrentTab = 1\nsave \"@/designed.frm\"\n",
     {{"designed.frm", "designed.frm"}}},
    // A hand-written form keeps every line the control does not own, a key it
    // does not know in place, and its code; the control rewrites its own keys.
    {"hand.frm", true, "", "save \"@/out.frm\"\n", {{"out.frm", "hand_saved.frm"}}},
    // Pictures next to the form keep their paths, an .frx reference stays, the other control is untouched.
    {"pics.frm", false, "Second", "save \"@/pics.frm\"\n", {{"pics.frm", "pics_saved.frm"}}},
    // Names in the form's code page (listed in other capitals) keep their tabs and their bytes.
    {"names.frm", true, "", "set CurrentTab = 1\nset CurrentTab = 0\nsave \"@/back.frm\"\n", {{"back.frm", "names_saved.frm"}}},
    // Places a Single holds come back with the digits that were read; a hidden place has at most seven.
    {"singles.frm", true, "", "set CurrentTab = 1\nsave \"@/away.frm\"\nset CurrentTab = 0\nsave \"@/back.frm\"\n",
     {{"away.frm", "singles_away.frm"}, {"back.frm", "singles_saved.frm"}}},
    // At run time a save while a control is away writes its disabled state; back, those lines go again.
    {"run_mode.frm", false, "", "set CurrentTab = 1\nsave \"@/away.frm\"\nset CurrentTab = 0\nsave \"@/back.frm\"\n",
     {{"away.frm", "run_mode_away.frm"}, {"back.frm", "run_mode_saved.frm"}}},
};

TEST_F(FormsTest, SavesWriteTheExpectedBytesAndSaveAgainUnchanged) {
  for (const SaveCase& c : kSaves) {
    SCOPED_TRACE(std::string(c.form) + c.script);
    SessionOptions o;
    o.design = c.design;
    o.control_name = c.control;
    if (*c.form) o.form_path = (kData / c.form).string();
    PlayResult r = Play(c.script, o);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& [saved, expected] : c.saved) {
      const std::string bytes = Read(dir_ / saved);
      EXPECT_EQ(bytes, Read(kData / expected)) << saved;
      for (bool design : {true, false}) {
        o.design = design;
        o.form_path = (dir_ / saved).string();
        ASSERT_EQ(Play("save \"@/again.frm\"\n", o).status, 0);
        EXPECT_EQ(Read(dir_ / "again.frm"), bytes) << saved << (design ? " at design time" : " at run time");
      }
    }
  }
}

TEST_F(FormsTest, BrokenFormsGiveOneLineNamingFileAndLine) {
  struct Case {
    const char* text;
    const char* message;  // what the one line must contain after "FILE:LINE: "
    int line;
  };
  const Case cases[] = {
      {"VERSION 5.00\nBegin VB.Form F\n   Begin FolivanTabs.FolivanTab T\n      Tabs = 2\n   End\n", "", 2},
      {"VERSION 5.00\nBegin VB.Form F\n   Begin FolivanTabs.FolivanTab T\n      Tabs            =   \"many\"\n   End\nEnd\n",
       "Type mismatch", 4},
      {"VERSION 5.00\nBegin VB.Form F\n   Begin FolivanTabs.FolivanTab T\n      Tabs            =   1\n"
       "      TabContCtrlCnt(0)=   2\n      Tab(0)ContCtrlCap(1)=   \"A[0]\"\n      Tab(0)ContCtrlCap(2)=   \"A[0]\"\n"
       "   End\nEnd\n",
       "already associated", 7},
      {"VERSION 5.00\nBegin VB.Form F\n   Caption = \"no end\n", "", 3},
      {"Begin VB.Form F\n Begin FolivanTabs.FolivanTab T\n  Begin VB.TextBox A\n   Index = \"x\"\n  End\n End\nEnd\n",
       "Type mismatch at \"Index\" of A", 4},
      {"Begin VB.Form F\n Begin FolivanTabs.FolivanTab T\n  Begin VB.TextBox A\n   Left = \"far\"\n  End\n End\nEnd\n",
       "Invalid property value at \"Left\" of A", 4},
      {"Begin VB.Form F\n Begin FolivanTabs.FolivanTab T\n  Width = \"wide\"\n End\nEnd\n", "Type mismatch at \"Width\"", 3},
      {"Begin VB.Form F\n Begin FolivanTabs.FolivanTab T\n  Height = 99999999\n End\nEnd\n", "out of range", 3},
      {"Begin VB.Form F\n Begin FolivanTabs.FolivanTab T\n  BackPic = \"missing.png\"\n End\nEnd\n",
       "missing.png", 3},
  };
  SessionOptions o;
  o.form_path = (dir_ / "broken.frm").string();
  for (const Case& c : cases) {
    std::ofstream(o.form_path, std::ios::binary) << c.text;
    PlayResult r = Play("get Tabs\n", o);
    EXPECT_EQ(r.status, 2) << c.text;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("folivantab: " + o.form_path + ":" + std::to_string(c.line) + ": ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  // A control the form does not have is named.
  o.form_path = (kData / "pics.frm").string();
  o.control_name = "Missing";
  PlayResult missing = Play("get Tabs\n", o);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Missing"), std::string::npos) << missing.err;
}

}  // namespace
