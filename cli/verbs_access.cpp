// Script verbs of accessibility: the tree that a screen reader reads, the
// default action of a child, and the events the control raises for it.
#include "verbs.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "access/access_events.h"
#include "access/access_tree.h"
#include "access/tree_text.h"
#include "platform/vb_runtime.h"

namespace folivan::console {

namespace {

void PrintTree(Line& line) {
  FolivanTab& control = line.Control();
  const std::vector<access::Element> children = access::Children(control);
  const auto count = static_cast<int32_t>(children.size());
  line.out << access::TreeLine(access::Root(control), 0, count) << "\n";
  for (int32_t n = 1; n <= count; ++n) {
    line.out << access::TreeLine(children[static_cast<size_t>(n - 1)], n, count) << "\n";
  }
}

void RunAccessible(Line& line) {
  const std::vector<std::string>& w = line.words;
  if (w.size() == 1) {
    PrintTree(line);
  } else if (w.size() == 3 && w[1] == "do") {
    int32_t child = 0;
    try {
      child = ToLong(line.Value(w[2]));
    } catch (const VbError&) {
      line.Fail("expected: accessible do N");
    }
    line.Reporting([&] { access::DoDefaultAction(line.Control(), child); });
  } else if (w.size() == 4 && w[1] == "at") {
    // The hit test: the child under pixel X, Y of the control.
    int32_t x = 0;
    int32_t y = 0;
    try {
      x = ToLong(line.Value(w[2]));
      y = ToLong(line.Value(w[3]));
    } catch (const VbError&) {
      line.Fail("expected: accessible at X Y");
    }
    line.out << "accessible at " << x << " " << y << " child=" << access::ChildAt(line.Control(), x, y) << "\n";
  } else if (w.size() == 2 && w[1] == "focus") {
    line.out << "accessible focus child=" << access::FocusedChild(line.Control())
             << " selection=" << access::SelectedChild(line.Control()) << "\n";
  } else if (w.size() == 4 && w[1] == "navigate") {
    static const std::pair<std::string_view, access::Direction> kWays[] = {
        {"next", access::Direction::kNext},
        {"previous", access::Direction::kPrevious},
        {"first", access::Direction::kFirstChild},
        {"last", access::Direction::kLastChild},
    };
    int32_t from = 0;
    try {
      from = ToLong(line.Value(w[2]));
    } catch (const VbError&) {
      line.Fail("expected: accessible navigate N next|previous|first|last");
    }
    const auto* way = std::find_if(std::begin(kWays), std::end(kWays), [&](const auto& k) { return k.first == w[3]; });
    if (way == std::end(kWays)) line.Fail("expected: accessible navigate N next|previous|first|last");
    line.out << "accessible navigate " << from << " " << w[3]
             << " child=" << access::Navigate(line.Control(), from, way->second) << "\n";
  } else if (w.size() == 3 && w[1] == "events" && (w[2] == "on" || w[2] == "off")) {
    HeadlessSystem& system = line.session.System();
    if (w[2] == "off") {
      system.on_win_event = nullptr;
      return;
    }
    std::ostream* out = &line.out;
    system.on_win_event = [out](uint32_t event, WindowHandle, int32_t child) {
      *out << access::WinEventLine(event, child) << "\n";
    };
    // What the tree is now is what the listener starts from.
    access::ForgetReportedTree(line.Control());
  } else {
    line.Fail(
        "expected: accessible, accessible do N, accessible at X Y, accessible focus, accessible navigate N WAY, "
        "accessible events on|off");
  }
}

}  // namespace

std::span<const Verb> AccessVerbs() {
  static const Verb verbs[] = {
    {"accessible", RunAccessible},
  };
  return verbs;
}

}  // namespace folivan::console
