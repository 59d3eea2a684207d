// Real forms from other people's projects (read where they lie, never copied
// here) each get a FolivanTab around one or two of their top-level controls,
// one in sight on tab 0 and one hidden on tab 1. Switching to tab 1 and back,
// saving, reloading and switching again must leave every line outside the
// control's own entries as it was, and bring the moved controls back where
// they stood. Small forms of our own pin each rule in form_save_*.play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "console.h"
#include "containment/switcher.h"
#include "platform/headless/form_file.h"
#include "platform/vb_runtime.h"

namespace fs = std::filesystem;

namespace folivan {
namespace {

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// The place key of a control: "Left", or "X1" for a line.
const char* PlaceKey(const FormBlock& b) { return b.Find("Left") ? "Left" : b.Find("X1") ? "X1" : nullptr; }

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A top-level control the tab can take: one with a place in sight (lines only
// right of the border, where hiding them can be undone).
bool Movable(const FormBlock& b) {
  const char* key = PlaceKey(b);
  if (key == nullptr) return false;
  double place = ToDouble(*b.Get(key));
  return std::string_view(key) == "X1" ? place > 0 && b.Find("X2") : place > HiddenThreshold;
}

// The control's identifier in the form's own bytes.
std::string IdBytes(const FormBlock& b) {
  auto index = b.Get("Index");
  return b.Name() + "[" + std::to_string(index ? ToLong(*index) : 0) + "]";
}

struct Wrapped {
  std::string bytes;
  std::string shown;   // the control on tab 0
  std::string hidden;  // the control on tab 1 ("" when there is none)
};

// The form with a FolivanTab where the first of its chosen controls stood,
// holding one control on tab 0 and (with two) a second one, hidden, on tab 1:
// one with a non-ASCII name, else a line, else another movable one.
std::optional<Wrapped> Wrap(const std::string& bytes, bool two) {
  FormDocument doc = FormDocument::Parse(bytes, "form");
  std::vector<const FormBlock*> movable;
  for (const FormBlock* b : std::as_const(*doc.Root()).Children()) {
    if (Movable(*b)) movable.push_back(b);
  }
  if (movable.empty() || (two && movable.size() < 2)) return std::nullopt;
  // The first control of the highest score, other than `other`.
  auto best = [&](auto score, const FormBlock* other) {
    const FormBlock* found = nullptr;
    for (const FormBlock* c : movable) {
      if (c != other && (!found || score(c) > score(found))) found = c;
    }
    return found;
  };
  auto is_line = [](const FormBlock* c) { return std::string_view(PlaceKey(*c)) == "X1"; };
  auto fractional = [](const FormBlock* c) {
    double place = ToDouble(*c->Get(PlaceKey(*c)));
    return place != std::floor(place);
  };
  // The one in sight: a fractional place if there is one, else a line, so that
  // going away and back meets the Single's digits; the hidden one: a non-ASCII
  // name, else a line.
  const FormBlock* a = best([&](const FormBlock* c) { return fractional(c) ? 2 : is_line(c) ? 1 : 0; }, nullptr);
  const FormBlock* b =
      two ? best([&](const FormBlock* c) { return !IsAscii(c->Name()) ? 2 : is_line(c) ? 1 : 0; }, a) : nullptr;

  std::vector<std::string> lines;  // with their endings
  for (size_t at = 0; at < bytes.size();) {
    size_t nl = bytes.find('\n', at);
    size_t end = nl == std::string::npos ? bytes.size() : nl + 1;
    lines.push_back(bytes.substr(at, end - at));
    at = end;
  }
  const std::string eol = doc.Eol();
  // A control's lines, one level deeper inside the tab.
  auto block_lines = [&](const FormBlock* c) {
    std::vector<std::string> inside(lines.begin() + c->Line() - 1, lines.begin() + c->EndLine());
    for (std::string& l : inside) l = "   " + l;
    return inside;
  };
  std::vector<std::string> inner = block_lines(a);
  if (b) {
    // Hidden as the designer leaves it: its place 75000 to the left, written as a Single.
    std::vector<std::string> hidden = block_lines(b);
    const bool line = std::string_view(PlaceKey(*b)) == "X1";
    for (const char* key : line ? std::vector<const char*>{"X1", "X2"} : std::vector<const char*>{"Left"}) {
      std::string& text = hidden[static_cast<size_t>(b->Find(key)->Line() - b->Line())];
      text = text.substr(0, text.find('=')) + "=   " + FormatVbSingle(ToDouble(*b->Get(key)) - HideOffset) + eol;
    }
    if (b->Line() < a->Line()) inner.insert(inner.begin(), hidden.begin(), hidden.end());
    else inner.insert(inner.end(), hidden.begin(), hidden.end());
  }
  auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
  std::vector<std::string> own = {
      "   Begin FolivanTabs.FolivanTab FolivanTab1 ", FormatPropertyLine(6, "Height", "3600"),
      FormatPropertyLine(6, "Left", "0"), FormatPropertyLine(6, "Top", "0"), FormatPropertyLine(6, "Width", "4800"),
      FormatPropertyLine(6, "Tabs", "2"), FormatPropertyLine(6, "TabContCtrlCnt(0)", "1"),
      FormatPropertyLine(6, "Tab(0)ContCtrlCap(1)", quoted(IdBytes(*a))),
      FormatPropertyLine(6, "Tab(0)CtrlEnabled(1)", "-1  'True"), FormatPropertyLine(6, "Tab(0)CtrlTabStop(1)", "-1  'True")};
  if (b) {
    auto flag = [&](const char* key) {
      auto v = b->Get(key);
      return v && !ToBoolean(*v) ? "0   'False" : "-1  'True";
    };
    own.push_back(FormatPropertyLine(6, "TabContCtrlCnt(1)", "1"));
    own.push_back(FormatPropertyLine(6, "Tab(1)ContCtrlCap(1)", quoted(IdBytes(*b))));
    own.push_back(FormatPropertyLine(6, "Tab(1)CtrlEnabled(1)", flag("Enabled")));
    own.push_back(FormatPropertyLine(6, "Tab(1)CtrlTabStop(1)", flag("TabStop")));
  }
  const int first = b ? std::min(a->Line(), b->Line()) : a->Line();
  std::string out;
  for (int n = 1; n <= static_cast<int>(lines.size()); ++n) {
    auto within = [n](const FormBlock* c) { return c && n >= c->Line() && n <= c->EndLine(); };
    if (n == first) {
      for (const std::string& l : own) out += l + eol;
      for (const std::string& l : inner) out += l;
      out += "   End" + eol;
    }
    if (!within(a) && !within(b)) out += lines[static_cast<size_t>(n - 1)];
  }
  return Wrapped{out, Cp1252ToUtf8(IdBytes(*a)), b ? Cp1252ToUtf8(IdBytes(*b)) : ""};
}

// The first line that differs between two forms once the FolivanTab's own
// entries are left out ("" when none does).
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  auto outside = [](const std::string& bytes) {
    FormDocument doc = FormDocument::Parse(bytes, "form");
    FindFolivanTab(doc)->ReplaceProperties({});
    std::istringstream in(doc.Serialize());
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  };
  std::vector<std::string> e = outside(expected), a = outside(actual);
  for (size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
    std::string el = i < e.size() ? e[i] : "(end)", al = i < a.size() ? a[i] : "(end)";
    if (el != al) return "line " + std::to_string(i + 1) + ": expected [" + el + "], saved [" + al + "]";
  }
  return "";
}

class RealForms : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    source_ = fs::path(FOLIVAN_REALFORMS_DIR);
    if (!fs::is_directory(source_)) GTEST_SKIP() << "no real forms at " << source_;
    dir_ = fs::temp_directory_path() / ("folivan-realforms-" + std::to_string(GetParam()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  // The control's place as a Single is written ("" when it has none).
  static std::string Place(console::Session& s, const std::string& id) {
    for (const StandInControlPtr& c : s.Host().Controls()) {
      if (GetControlID(*c) != id) continue;
      auto v = c->Get("Left");
      if (!v) v = c->Get("X1");
      return v ? FormatVbSingle(ToDouble(*v)) : "";
    }
    return "";
  }

  fs::path source_, dir_;
};

TEST_P(RealForms, SwitchingAwayAndBackKeepsEveryOtherLine) {
  const bool design = GetParam();
  int tried = 0;
  for (const auto& entry : fs::directory_iterator(source_)) {
    if (entry.path().extension() != ".frm") continue;
    SCOPED_TRACE(entry.path().filename().string());
    // At run time hiding disables a control, so only the shown one is wrapped.
    std::optional<Wrapped> w = Wrap(ReadBytes(entry.path()), design);
    if (!w) continue;
    ++tried;
    fs::path input = dir_ / "input.frm";
    WriteBytes(input, w->bytes);

    console::SessionOptions o;
    o.design = design;
    o.form_path = input.string();
    {
      console::Session s(o);
      const std::string shown_at = Place(s, w->shown);
      const std::string hidden_at = w->hidden.empty() ? "" : Place(s, w->hidden);
      s.Control().SetCurrentTab(1);
      ASSERT_NE(Place(s, w->shown), shown_at);
      if (!w->hidden.empty()) {
        ASSERT_EQ(Place(s, w->hidden), FormatVbSingle(std::stod(hidden_at) + HideOffset)) << w->hidden;
      }
      // At run time the session saves while the control is away, then again.
      if (!design) s.SaveForm((dir_ / "away.frm").string());
      s.Control().SetCurrentTab(0);
      EXPECT_EQ(Place(s, w->shown), shown_at);
      if (!w->hidden.empty()) {
        EXPECT_EQ(Place(s, w->hidden), hidden_at);
      }
      s.SaveForm((dir_ / "saved.frm").string());
    }
    ASSERT_EQ(FirstDifference(w->bytes, ReadBytes(dir_ / "saved.frm")), "");

    o.form_path = (dir_ / "saved.frm").string();
    {
      console::Session s(o);
      s.Control().SetCurrentTab(1);
      s.Control().SetCurrentTab(0);
      s.SaveForm((dir_ / "again.frm").string());
    }
    EXPECT_EQ(FirstDifference(w->bytes, ReadBytes(dir_ / "again.frm")), "");
  }
  EXPECT_GT(tried, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, RealForms, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "Design" : "Run"; });

}  // namespace
}  // namespace folivan
