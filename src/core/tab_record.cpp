#include "core/tab_record.h"

#include <algorithm>
#include <atomic>
#include <functional>

#include "core/text.h"

namespace folivan {

uint64_t TabIdentity::Next() {
  static std::atomic<uint64_t> next{1};
  return next++;
}

namespace {
size_t HashKey(const std::string& folded) { return std::hash<std::string>{}(folded); }
}  // namespace

size_t ControlDetailsList::Lookup(const std::string& folded, size_t hash) const {
  if (slots_.empty()) return std::string::npos;
  const size_t mask = slots_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const uint32_t slot = slots_[at];
    if (slot == 0) return std::string::npos;
    if (folded_[slot - 1] == folded) return slot - 1;
  }
}

void ControlDetailsList::Rehash(size_t slots) {
  slots_.assign(slots, 0);
  const size_t mask = slots - 1;
  for (size_t i = 0; i < folded_.size(); ++i) {
    size_t at = HashKey(folded_[i]) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = static_cast<uint32_t>(i + 1);
  }
}

void ControlDetailsList::Reserve(size_t n) {
  entries_.reserve(n);
  folded_.reserve(n);
  size_t slots = 16;
  while (slots < 2 * n) slots *= 2;
  if (slots > slots_.size()) Rehash(slots);
}

bool ControlDetailsList::Add(const ControlDetails& details) {
  std::string folded = FoldCase(details.ControlID);
  const size_t hash = HashKey(folded);
  if (Lookup(folded, hash) != std::string::npos) return false;
  entries_.push_back(details);
  folded_.push_back(std::move(folded));
  // At most half the slots in use keeps the probes short.
  if (2 * folded_.size() > slots_.size()) {
    Rehash(std::max<size_t>(16, 2 * slots_.size()));
  } else {
    const size_t mask = slots_.size() - 1;
    size_t at = hash & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = static_cast<uint32_t>(folded_.size());
  }
  return true;
}

const ControlDetails* ControlDetailsList::Find(std::string_view control_id) const {
  if (entries_.empty()) return nullptr;
  const std::string folded = FoldCase(control_id);
  const size_t at = Lookup(folded, HashKey(folded));
  return at == std::string::npos ? nullptr : &entries_[at];
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

bool ControlDetailsList::Remove(std::string_view control_id) {
  if (entries_.empty()) return false;
  const std::string folded = FoldCase(control_id);
  const size_t at = Lookup(folded, HashKey(folded));
  if (at == std::string::npos) return false;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
  folded_.erase(folded_.begin() + static_cast<std::ptrdiff_t>(at));
  Rehash(slots_.size());
  return true;
}

void CommonControlsList::Remove(std::string_view control_id) {
  const std::string folded = FoldCase(control_id);
  if (id_counts_.erase(folded) == 0) return;
  std::erase_if(entries_, [&](const std::pair<std::string, std::string>& entry) {
    if (FoldCase(entry.second) != folded) return false;
    keys_.erase(FoldCase(entry.first));
    return true;
  });
  for (std::string& id : ids_) {
    if (FoldCase(id) == folded) id.clear();
  }
}

}  // namespace folivan
