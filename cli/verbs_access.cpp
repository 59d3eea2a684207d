// Script verbs of accessibility: the tree that a screen reader reads, the
// default action of a child, and the events the control raises for it.
#include "verbs.h"

#include <ostream>

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
    line.Fail("expected: accessible, accessible do N, accessible events on|off");
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
