// Broken forms through the play console. What a loaded form holds is read by
// the play scenarios form_*.play; what a save writes, byte for byte against
// the forms in tests/console/data, and that every saved form saves again
// unchanged at design and at run time, by form_save_*.play.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

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

// Each form of data/broken_forms.txt, the parser's and the control's faults
// alike, stops the console with one line that names the file and the line
// (and prints nothing else); so do a missing file and a missing control.
TEST(Forms, BrokenFormsGiveOneLineNamingFileAndLine) {
  const fs::path dir = fs::temp_directory_path() / ("folivan-broken-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "script.play") << "get Tabs\n";
  SessionOptions o;
  // The status and the one line of standard error; the line must start with `where`.
  auto play = [&](const std::string& where) {
    std::ostringstream out, err;
    EXPECT_EQ(RunPlay(o, (dir / "script.play").string(), out, err), 2);
    EXPECT_EQ(out.str(), "");
    const std::string e = err.str();
    EXPECT_EQ(e.rfind("folivantab: " + where, 0), 0u) << e;
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    return e;
  };
  const std::string all = Read(kData / "broken_forms.txt");
  o.form_path = (dir / "broken.frm").string();
  int cases = 0;
  for (size_t at = all.find("==> "); at != std::string::npos; ++cases) {
    const size_t text = all.find('\n', at) + 1, next = all.find("==> ", text);
    std::istringstream head(all.substr(at + 4, text - at - 5));
    std::string line, message;
    head >> line >> std::ws;
    std::getline(head, message);
    std::ofstream(o.form_path, std::ios::binary) << all.substr(text, next - text);
    at = next;
    EXPECT_NE(play(o.form_path + ":" + line + ": ").find(message), std::string::npos) << message;
  }
  EXPECT_EQ(cases, 21);
  o.form_path = (dir / "none.frm").string();
  play(o.form_path + ": ");
  o.form_path = (kData / "pics.frm").string();
  o.control_name = "Missing";
  EXPECT_NE(play("").find("Missing"), std::string::npos);
  fs::remove_all(dir);
}

}  // namespace
