// Form keys looked up without ASCII case: an index of positions by key.
//
// A form's control block can hold tens of thousands of keys; a node per key
// (std::unordered_map of std::string) costs an allocation each and scatters
// them over the heap. The index is one array of (position + 1, hash) slots
// with linear probing; the caller keeps the keys and says where each
// position's key is, so the index holds no text of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/headless/form_value.h"

namespace folivan {

// FNV-1a over the key's bytes in ASCII lower case.
inline uint32_t FoldedKeyHash(std::string_view key) {
  uint64_t h = 14695981039346656037ull;
  for (char c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return static_cast<uint32_t>(h ^ (h >> 32));
}

class KeyIndex {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  void Clear() {
    slots_.clear();
    used_ = 0;
  }

  // The position stored under a key equal to `key` (without case), or kNone.
  // key_at(position) gives the key of a stored position.
  template <class KeyAt>
  uint32_t Find(std::string_view key, KeyAt&& key_at) const {
    if (slots_.empty()) return kNone;
    const uint32_t hash = FoldedKeyHash(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask; slots_[at].first != 0; at = (at + 1) & mask) {
      if (slots_[at].second == hash && EqualsNoCase(key_at(slots_[at].first - 1), key)) return slots_[at].first - 1;
    }
    return kNone;
  }

  // Stores `position` under `key` unless an equal key is stored already;
  // returns the position stored under the key (the earlier one, or this).
  template <class KeyAt>
  uint32_t Insert(std::string_view key, uint32_t position, KeyAt&& key_at) {
    if (2 * (used_ + 1) > slots_.size()) Grow();
    const uint32_t hash = FoldedKeyHash(key);
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    for (; slots_[at].first != 0; at = (at + 1) & mask) {
      if (slots_[at].second == hash && EqualsNoCase(key_at(slots_[at].first - 1), key)) return slots_[at].first - 1;
    }
    slots_[at] = {position + 1, hash};
    ++used_;
    return position;
  }

  // Room for `count` keys without growing again.
  void Reserve(std::size_t count) {
    std::size_t size = 16;
    while (size < 2 * count) size *= 2;
    if (size > slots_.size()) Rehash(size);
  }

 private:
  void Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }
  void Rehash(std::size_t size) {
    std::vector<std::pair<uint32_t, uint32_t>> old(size, {0, 0});
    old.swap(slots_);
    const std::size_t mask = size - 1;
    for (const auto& slot : old) {
      if (slot.first == 0) continue;
      std::size_t at = slot.second & mask;
      while (slots_[at].first != 0) at = (at + 1) & mask;
      slots_[at] = slot;
    }
  }

  std::vector<std::pair<uint32_t, uint32_t>> slots_;  // (position + 1, hash); position 0 when free
  std::size_t used_ = 0;
};

}  // namespace folivan
