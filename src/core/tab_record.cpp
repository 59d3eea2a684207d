#include "core/tab_record.h"

#include "core/text.h"

namespace folivan {

bool ControlDetailsList::Add(const ControlDetails& details) {
  if (!index_.try_emplace(FoldCase(details.ControlID), entries_.size()).second) return false;
  entries_.push_back(details);
  return true;
}

const ControlDetails* ControlDetailsList::Find(std::string_view control_id) const {
  if (entries_.empty()) return nullptr;
  auto it = index_.find(FoldCase(control_id));
  return it == index_.end() ? nullptr : &entries_[it->second];
}

bool CommonControlsList::Contains(std::string_view control_id) const {
  return !entries_.empty() && id_counts_.contains(FoldCase(control_id));
}

bool CommonControlsList::Append(const std::string& control_id) {
  std::string key = "Def" + std::to_string(Counter);
  if (!keys_.insert(FoldCase(key)).second) return false;
  entries_.emplace_back(key, control_id);
  ++id_counts_[FoldCase(control_id)];
  if (ids_.size() < static_cast<size_t>(Counter)) ids_.resize(static_cast<size_t>(Counter));
  ids_[static_cast<size_t>(Counter - 1)] = control_id;
  ++Counter;
  return true;
}

}  // namespace folivan
