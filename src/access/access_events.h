// Tells accessibility clients what changed in the control's tree: after each
// repaint and focus change the tree is compared with the one reported last,
// and every difference is raised as a WinEvent on the control's window. While
// no one listens for those events the tree is not built at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folivan {
class FolivanTab;
}

namespace folivan::access {

// The tree as it was reported last.
struct ReportedTree {
  struct Child {
    uint64_t key = 0;
    std::string name;
    uint32_t states = 0;
  };
  bool taken = false;  // nothing is raised before the first tree is known
  std::vector<Child> children;
  uint64_t focus = 0;  // key of the focused object, 0 for none
  int paused = 0;      // reports wait while a change goes through steps nobody should hear of
};

// Compares the tree with the one reported last and raises, in this order:
// HIDE for each child that went out of view or away, SHOW for each that came
// into view, REORDER on the control (child 0) when children came, went, moved
// or scrolled, NAMECHANGE for a changed name, STATECHANGE for a child that
// became available or unavailable (or lost the selection to no other tab),
// SELECTION for the newly selected tab, FOCUS for the newly focused object.
// Nothing is raised when nothing changed.
void ReportAccessChanges(FolivanTab& control);
// The next report only records the tree (a listener that has just come).
void ForgetReportedTree(FolivanTab& control);

// Holds the reports back while it lives; the next report after it tells the
// whole change at once.
class PausedReports {
 public:
  explicit PausedReports(FolivanTab& control);
  ~PausedReports();
  PausedReports(const PausedReports&) = delete;
  PausedReports& operator=(const PausedReports&) = delete;

 private:
  FolivanTab& control_;
};

}  // namespace folivan::access
