#include "core/tab_record.h"

#include <algorithm>
#include <atomic>

namespace folivan {

uint64_t TabIdentity::Next() {
  static std::atomic<uint64_t> next{1};
  return next++;
}

bool ControlDetailsList::Add(const ControlDetails& details) {
  if (Find(details.ControlID) != nullptr) return false;
  entries_.push_back(details);
  return true;
}

bool ControlDetailsList::Remove(const std::string& control_id) {
  const ControlDetails* found = Find(control_id);
  if (found == nullptr) return false;
  entries_.erase(entries_.begin() + (found - entries_.data()));
  return true;
}

const ControlDetails* ControlDetailsList::Find(const std::string& control_id) const {
  // Collection keys compare without regard to case.
  auto same = [&](const ControlDetails& d) {
    return d.ControlID.size() == control_id.size() &&
           std::equal(d.ControlID.begin(), d.ControlID.end(), control_id.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  auto it = std::find_if(entries_.begin(), entries_.end(), same);
  return it == entries_.end() ? nullptr : &*it;
}

bool CommonControlsList::Contains(const std::string& control_id) const {
  return std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.second == control_id; });
}

bool CommonControlsList::Append(const std::string& control_id) {
  std::string key = "Def" + std::to_string(Counter);
  if (std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; })) return false;
  entries.emplace_back(key, control_id);
  if (ids.size() < static_cast<size_t>(Counter)) ids.resize(static_cast<size_t>(Counter));
  ids[static_cast<size_t>(Counter - 1)] = control_id;
  ++Counter;
  return true;
}

void CommonControlsList::Remove(const std::string& control_id) {
  std::erase_if(entries, [&](const auto& e) { return e.second == control_id; });
  for (std::string& id : ids) {
    if (id == control_id) id.clear();
  }
}

}  // namespace folivan
