#include "access/access_events.h"

#include <unordered_map>
#include <utility>

#include "access/access_tree.h"
#include "core/folivan_tab.h"
#include "platform/system.h"

namespace folivan::access {

namespace {

using Child = ReportedTree::Child;

// Positions of the children by key: a repaint of a control with many tabs
// compares two trees without a scan per child.
class Positions {
 public:
  explicit Positions(const std::vector<Child>& children) {
    at_.reserve(children.size());
    for (size_t i = 0; i < children.size(); ++i) at_.emplace(children[i].key, static_cast<int32_t>(i));
  }
  // Position of the child with that key, or -1.
  int32_t Find(uint64_t key) const {
    auto it = at_.find(key);
    return it == at_.end() ? -1 : it->second;
  }

 private:
  std::unordered_map<uint64_t, int32_t> at_;
};

bool Visible(const Child& c) { return !(c.states & state::kInvisible); }

uint64_t SelectedKey(const std::vector<Child>& children) {
  for (const Child& c : children) {
    if (c.states & state::kSelected) return c.key;
  }
  return 0;
}

ReportedTree TreeNow(FolivanTab& control) {
  ReportedTree tree;
  tree.taken = true;
  const std::vector<Element> children = Children(control);
  for (const Element& e : children) tree.children.push_back(Child{e.key, e.name, e.states});
  const int32_t focused = FocusedChild(control);
  if (focused == 0) tree.focus = kRootKey;
  if (focused > 0 && focused <= static_cast<int32_t>(children.size())) {
    tree.focus = children[static_cast<size_t>(focused - 1)].key;
  }
  return tree;
}

// The events that take the old tree to the new one, in the order they are raised.
std::vector<std::pair<uint32_t, int32_t>> Differences(const ReportedTree& old_tree, const ReportedTree& new_tree) {
  const std::vector<Child>& before = old_tree.children;
  const std::vector<Child>& after = new_tree.children;
  const Positions in_before(before);
  const Positions in_after(after);
  std::vector<std::pair<uint32_t, int32_t>> events;
  bool reorder = before.size() != after.size();

  for (size_t i = 0; i < before.size(); ++i) {
    const int32_t j = in_after.Find(before[i].key);
    if (j < 0) {
      reorder = true;
      if (Visible(before[i])) events.emplace_back(winevent::kHide, static_cast<int32_t>(i + 1));
    } else if (Visible(before[i]) && !Visible(after[static_cast<size_t>(j)])) {
      reorder = true;
      events.emplace_back(winevent::kHide, j + 1);
    }
  }
  for (size_t j = 0; j < after.size(); ++j) {
    const int32_t i = in_before.Find(after[j].key);
    if (i < 0) {
      reorder = true;
      if (Visible(after[j])) events.emplace_back(winevent::kShow, static_cast<int32_t>(j + 1));
    } else if (Visible(after[j]) && !Visible(before[static_cast<size_t>(i)])) {
      reorder = true;
      events.emplace_back(winevent::kShow, static_cast<int32_t>(j + 1));
    }
    if (i >= 0 && static_cast<size_t>(i) != j) reorder = true;
  }
  if (reorder) events.emplace_back(winevent::kReorder, 0);

  for (size_t j = 0; j < after.size(); ++j) {
    const int32_t i = in_before.Find(after[j].key);
    if (i >= 0 && before[static_cast<size_t>(i)].name != after[j].name) {
      events.emplace_back(winevent::kNameChange, static_cast<int32_t>(j + 1));
    }
  }

  const uint64_t was_selected = SelectedKey(before);
  const uint64_t selected = SelectedKey(after);
  for (size_t j = 0; j < after.size(); ++j) {
    const int32_t i = in_before.Find(after[j].key);
    if (i < 0) continue;
    const bool availability = ((before[static_cast<size_t>(i)].states ^ after[j].states) & state::kUnavailable) != 0;
    // A tab that loses the selection to no other tab tells it itself.
    const bool deselected = selected == 0 && after[j].key == was_selected;
    if (availability || deselected) events.emplace_back(winevent::kStateChange, static_cast<int32_t>(j + 1));
  }
  if (selected != 0 && selected != was_selected) {
    events.emplace_back(winevent::kSelection, in_after.Find(selected) + 1);
  }

  if (new_tree.focus != 0 && new_tree.focus != old_tree.focus) {
    events.emplace_back(winevent::kFocus, new_tree.focus == kRootKey ? 0 : in_after.Find(new_tree.focus) + 1);
  }
  return events;
}

// Whether anyone may hear one of the events a report raises.
bool Listened(const System& system) {
  static constexpr uint32_t kRaised[] = {winevent::kHide,       winevent::kShow,        winevent::kReorder,
                                         winevent::kNameChange, winevent::kStateChange, winevent::kSelection,
                                         winevent::kFocus};
  for (uint32_t event : kRaised) {
    if (system.IsWinEventHookInstalled(event)) return true;
  }
  return false;
}

}  // namespace

void ReportAccessChanges(FolivanTab& control) {
  ReportedTree& last = control.State().access;
  if (last.paused > 0) return;
  // With no one listening the tree is neither built nor kept: a listener
  // that comes later starts from the tree as it is then.
  if (!Listened(control.GetSystem())) {
    last.taken = false;
    last.children.clear();
    last.focus = 0;
    return;
  }
  ReportedTree tree = TreeNow(control);
  if (!last.taken) {
    last = std::move(tree);
    return;
  }
  const auto events = Differences(last, tree);
  last = std::move(tree);
  // Raised after the tree is recorded: a listener may read the tree, or change it, at once.
  for (const auto& event : events) control.GetSystem().NotifyWinEvent(event.first, control.hwnd(), event.second);
}

void ForgetReportedTree(FolivanTab& control) {
  ReportedTree& last = control.State().access;
  last.taken = false;
  ReportAccessChanges(control);
}

PausedReports::PausedReports(FolivanTab& control) : control_(control) { ++control_.State().access.paused; }

PausedReports::~PausedReports() { --control_.State().access.paused; }

}  // namespace folivan::access
