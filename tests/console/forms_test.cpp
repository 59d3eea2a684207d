// Forms through the play console: save and load side by side, what a new
// instance writes, broken forms, and saves that fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console.h"
#include "platform/headless/image_io.h"

namespace fs = std::filesystem;
using folivan::console::RunPlay;
using folivan::console::SessionOptions;

namespace {

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
  }
  void TearDown() override { fs::remove_all(dir_); }

  PlayResult Play(const std::string& script, SessionOptions options = {}) {
    fs::path script_path = dir_ / "script.play";
    std::ofstream(script_path) << script;
    std::ostringstream out, err;
    int status = RunPlay(options, script_path.string(), out, err);
    return {status, out.str(), err.str()};
  }

  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

SessionOptions FormOptions(const std::string& path, bool design = false) {
  SessionOptions o;
  o.form_path = path;
  o.design = design;
  return o;
}

// Every key of a control block in a saved form, in order.
std::vector<std::string> ControlKeys(const std::string& form) {
  std::vector<std::string> keys;
  std::istringstream in(form);
  std::string line;
  bool inside = false;
  int depth = 0;
  while (std::getline(in, line)) {
    if (line.find("Begin FolivanTabs.FolivanTab") != std::string::npos) {
      inside = true;
      continue;
    }
    if (!inside) continue;
    size_t first = line.find_first_not_of(' ');
    std::string t = line.substr(first == std::string::npos ? 0 : first);
    if (t.rfind("Begin", 0) == 0 || t.rfind("BeginProperty", 0) == 0) ++depth;
    if (t.rfind("End", 0) == 0) {
      if (depth == 0) break;
      --depth;
      continue;
    }
    if (depth > 0 && t.rfind("BeginProperty FONT", 0) != 0) continue;
    size_t eq = t.find('=');
    if (t.rfind("BeginProperty FONT", 0) == 0) keys.push_back("FONT");
    else if (eq != std::string::npos) keys.push_back(t.substr(0, t.find_last_not_of(' ', eq - 1) + 1));
  }
  return keys;
}

TEST_F(FormsTest, NewInstanceSavedAtOnceWritesOnlyWhatDiffersFromTheDefaults) {
  ASSERT_EQ(Play("save \"" + Path("new.frm") + "\"\n").status, 0);
  std::vector<std::string> keys = ControlKeys(Read(Path("new.frm")));
  std::vector<std::string> expected = {"Height",  "Left",  "TabIndex", "Top",           "Width",
                                       "_ExtentX", "_ExtentY", "FONT",   "Tabs",          "StripH",
                                       "Caption", "ForeCol", "HiddR",    "BLD",           "HT",
                                       "TabToolTip(0)", "TabToolTip(1)", "TabToolTip(2)"};
  // StripH is the layout's result; it is written only when it differs from 21.
  std::vector<std::string> without_strip;
  for (const auto& k : keys) {
    if (k != "StripH") without_strip.push_back(k);
  }
  std::erase(expected, "StripH");
  EXPECT_EQ(without_strip, expected);
  std::string form = Read(Path("new.frm"));
  EXPECT_NE(form.find("Tabs            =   3"), std::string::npos);
  EXPECT_NE(form.find("Caption         =   \"Tab 0\""), std::string::npos);
  EXPECT_NE(form.find("HiddR           =   2"), std::string::npos);
  EXPECT_NE(form.find("BLD             =   -1  'True"), std::string::npos);
}

TEST_F(FormsTest, SavedLoadedAndSavedAgainIsTheSameFile) {
  std::string design =
      "set TabCaption(1) = \"&Second \"\"quoted\"\"\"\n"
      "set TabPassword(2) = \"pw\"\n"
      "set TabStartColor(1) = &HFF&\n"
      "set Appearance = 4\n"
      "set TagVariant(0) = 42\n"
      "add VB.TextBox Text1 Left=360 Top=600 Width=1215 Height=375\n"
      "add VB.Line Line1 X1=100 X2=900 Y1=50 Y2=50\n"
      "set CurrentTab = 2\n"
      "add VB.Label Label1 Index=4 Left=100 Top=100\n"
      "set CurrentTab = -1\n"
      "add VB.CommandButton cmdOK Left=2000 Top=3000\n"
      "set CurrentTab = 1\n"
      "save \"" + Path("first.frm") + "\"\n";
  SessionOptions options;
  options.design = true;
  ASSERT_EQ(Play(design, options).status, 0);

  for (bool design_time : {true, false}) {
    PlayResult r = Play("save \"" + Path("second.frm") + "\"\n", FormOptions(Path("first.frm"), design_time));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Read(Path("first.frm")), Read(Path("second.frm"))) << "design time: " << design_time;
  }

  // Loading what was saved gives the same state.
  std::string probe =
      "get Tabs\nget CurrentTab\nget TabCaption(1)\nget TabPassword(2)\nget TabStartColor(1)\n"
      "get Appearance\nget TagVariant(0)\nstate LastActTab\nstate CommonControls\nstate AccessKeys\ncontrols\n";
  PlayResult loaded = Play(probe, FormOptions(Path("first.frm"), true));
  ASSERT_EQ(loaded.status, 0) << loaded.err;
  EXPECT_EQ(loaded.out,
            "Tabs = 3\nCurrentTab = 1\nTabCaption(1) = \"&Second \"\"quoted\"\"\"\nTabPassword(2) = \"pw\"\n"
            "TabStartColor(1) = 255\nAppearance = 4\nTagVariant(0) = 42\nLastActTab = 1\nCommonControls = 1\n"
            "AccessKeys = \"S\"\n"
            "control Text1[0] Left=-74640 Top=600 TabStop=True Enabled=True\n"
            "control Line1[0] X1=-74900 X2=-74100\n"
            "control Label1[4] Left=-74900 Top=100 Enabled=True\n"
            "control cmdOK[0] Left=2000 Top=3000 TabStop=True Enabled=True\n");
}

TEST_F(FormsTest, HandWrittenFormKeepsEveryLineTheHostDoesNotInterpret) {
  const std::string form =
      "VERSION 5.00\r\n"
      "Object = \"{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0\"; \"FolivanTabs.ocx\"\r\n"
      "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"\r\n"
      "Begin VB.Form frmMain \r\n"
      "   Caption         =   \"Main\"\r\n"
      "   ClientHeight    =   5000\r\n"
      "   Icon            =   \"frmMain.frx\":0000\r\n"
      "   Begin VB.CommandButton cmdOutside \r\n"
      "      Caption         =   \"Outside\"\r\n"
      "      Height          =   375\r\n"
      "      Left            =   120\r\n"
      "      TabIndex        =   3\r\n"
      "      Top             =   4500\r\n"
      "      Width           =   1215\r\n"
      "   End\r\n"
      "   Begin FolivanTabs.FolivanTab Tabs1 \r\n"
      "      Height          =   3600\r\n"
      "      Left            =   120\r\n"
      "      TabIndex        =   0\r\n"
      "      Top             =   120\r\n"
      "      Width           =   4800\r\n"
      "      _ExtentX        =   8467\r\n"
      "      _ExtentY        =   6350\r\n"
      "      Tabs            =   2\r\n"
      "      Caption         =   \"Tab 0\"\r\n"
      "      FutureKey       =   42\r\n"
      "      HiddR           =   1\r\n"
      "      BLD             =   -1  'True\r\n"
      "      TabToolTip(0)   =   \"\"\r\n"
      "      TabToolTip(1)   =   \"\"\r\n"
      "      Begin MSComctlLib.ProgressBar Progress1 \r\n"
      "         Height          =   255\r\n"
      "         Left            =   240\r\n"
      "         TabIndex        =   2\r\n"
      "         Top             =   600\r\n"
      "         Width           =   2000\r\n"
      "         _ExtentX        =   3528\r\n"
      "         _Version        =   393216\r\n"
      "         Appearance      =   1\r\n"
      "      End\r\n"
      "   End\r\n"
      "End\r\n"
      "Attribute VB_Name = \"frmMain\"\r\n"
      "Attribute VB_GlobalNameSpace = False\r\n"
      "Option Explicit\r\n"
      "\r\n"
      "Private Sub Tabs1_TabChange(LastTab As Integer, NewTab As Integer)\r\n"
      "    ' keep me\r\n"
      "End Sub\r\n";
  std::ofstream(Path("hand.frm"), std::ios::binary) << form;
  PlayResult r = Play("save \"" + Path("out.frm") + "\"\n", FormOptions(Path("hand.frm"), true));
  ASSERT_EQ(r.status, 0) << r.err;
  // The control rewrites its own keys (it always writes its font, and records the
  // controls in sight); every other line stays, byte for byte and in order.
  std::string saved = Read(Path("out.frm"));
  std::vector<std::string> kept;
  {
    std::istringstream in(form);
    std::string line;
    // Tabs .. TabToolTip(1), among them a key the control does not know, which stays in place.
    int control_keys_from = 23, control_keys_to = 29, foreign_key = 25;
    for (int n = 1; std::getline(in, line); ++n) {
      if (n < control_keys_from || n > control_keys_to || n == foreign_key) kept.push_back(line);
    }
  }
  size_t pos = 0;
  for (const std::string& line : kept) {
    size_t found = saved.find(line + "\n", pos);
    ASSERT_NE(found, std::string::npos) << "lost or moved: " << line;
    pos = found + line.size() + 1;
  }
  // Saved again, it does not change.
  PlayResult again = Play("save \"" + Path("again.frm") + "\"\n", FormOptions(Path("out.frm"), true));
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(Read(Path("again.frm")), saved);
  // The foreign control inside the tab control is one of its contained controls.
  PlayResult controls = Play("controls\n", FormOptions(Path("hand.frm"), true));
  EXPECT_EQ(controls.out, "control Progress1[0] Left=240 Top=600 TabStop=True Enabled=True\n");
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
  for (const Case& c : cases) {
    std::ofstream(Path("broken.frm"), std::ios::binary) << c.text;
    PlayResult r = Play("get Tabs\n", FormOptions(Path("broken.frm")));
    EXPECT_EQ(r.status, 2) << c.text;
    EXPECT_EQ(r.out, "");
    std::string prefix = "folivantab: " + Path("broken.frm") + ":" + std::to_string(c.line) + ": ";
    EXPECT_EQ(r.err.rfind(prefix, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

TEST_F(FormsTest, EchoPrintsEachScriptLineBeforeWhatItCauses) {
  SessionOptions options;
  options.echo = true;
  PlayResult r = Play("# not this\nget Tabs\n  set CurrentTab = 0\n", options);
  EXPECT_EQ(r.out, "> get Tabs\nTabs = 3\n> set CurrentTab = 0\n");
}

TEST_F(FormsTest, BagWithNoTabsLoadsNoTabsAndNoCommonControls) {
  std::ofstream(Path("empty.frm")) << "VERSION 5.00\nBegin VB.Form F\n   Begin FolivanTabs.FolivanTab T\n"
                                      "      DCtrlCount      =   2\n      DefCtrlCap(1)   =   \"A[0]\"\n"
                                      "   End\nEnd\n";
  PlayResult r = Play("get Tabs\nget Caption\nstate CommonControls\nget TabCaption(0)\n",
                      FormOptions(Path("empty.frm")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Tabs = 0\nCaption = \"\"\nCommonControls = 0\nTabCaption(0) = \"\"\n");
}

TEST_F(FormsTest, PicturesNextToTheFormAreLoadedAndKeepTheirPaths) {
  folivan::WritePng(folivan::PixelImage(16, 16, folivan::Rgb(200, 0, 0)), Path("red.png"));
  const std::string form =
      "VERSION 5.00\n"
      "Begin VB.Form F \n"
      "   Begin FolivanTabs.FolivanTab First \n"
      "      Tabs            =   1\n"
      "   End\n"
      "   Begin FolivanTabs.FolivanTab Second \n"
      "      Tabs            =   2\n"
      "      BackPic         =   \"red.png\"\n"
      "      iTabPicture(1)  =   \"red.png\"\n"
      "      iTabPicture(0)  =   \"F.frx\":0000\n"
      "   End\n"
      "End\n";
  std::ofstream(Path("pics.frm"), std::ios::binary) << form;
  SessionOptions options = FormOptions(Path("pics.frm"));
  options.control_name = "Second";
  PlayResult r = Play("get Tabs\nget iTabPicture(1)\nget iTabPicture(0)\nsave \"" + Path("pics2.frm") + "\"\n", options);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 9), "Tabs = 2\n");
  EXPECT_NE(r.out.find("iTabPicture(1) = Picture"), std::string::npos) << r.out;
  std::string saved = Read(Path("pics2.frm"));
  EXPECT_NE(saved.find("iTabPicture(1)  =   \"red.png\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("BackPic         =   \"red.png\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"F.frx\":0000"), std::string::npos) << saved;
  // The other control of the form is left as it was.
  EXPECT_NE(saved.find("   Begin FolivanTabs.FolivanTab First \n      Tabs            =   1\n   End\n"), std::string::npos);

  options.control_name = "Missing";
  PlayResult missing = Play("get Tabs\n", options);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Missing"), std::string::npos) << missing.err;
}

}  // namespace
