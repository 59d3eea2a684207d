// The records behind the tabs: one TabRecord per tab, the ControlDetails lists
// of the contained controls each tab owns, and the list of common controls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/types.h"
#include "platform/variant.h"

namespace folivan {

// Saved state of one contained control of a tab.
struct ControlDetails {
  std::string ControlID;  // "Text1[0]", "Opt[12]"
  bool TabStop = false;
  bool CtlEnabled = false;
  friend bool operator==(const ControlDetails&, const ControlDetails&) = default;
};

// A keyed list in insertion order, keyed by ControlID; adding a key that is
// already there fails and changes nothing (as a runtime Collection does).
// Keys compare without regard to case: each is folded once, when it is added
// or looked up, and found through a hash table.
class ControlDetailsList {
 public:
  bool Add(const ControlDetails& details);
  const ControlDetails* Find(std::string_view control_id) const;
  // False when the key is not there.
  bool Remove(std::string_view control_id);
  bool Empty() const { return entries_.empty(); }
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  const std::vector<ControlDetails>& Entries() const { return entries_; }
  // Makes room for n entries.
  void Reserve(size_t n);

 private:
  // The entry under a folded key, or npos; `hash` is the key's hash.
  size_t Lookup(const std::string& folded, size_t hash) const;
  void Rehash(size_t slots);

  std::vector<ControlDetails> entries_;
  std::vector<std::string> folded_;  // the folded key of each entry
  std::vector<uint32_t> slots_;      // open addressing: entry + 1, 0 when free
};
using ControlDetailsListPtr = std::shared_ptr<ControlDetailsList>;

// Controls that belong to no tab and show on every tab. Entry n (from 1) is
// keyed "Def" followed by n; a parallel zero-based array holds the same ids,
// and Counter is the number the next entry takes.
class CommonControlsList {
 public:
  int16_t Counter = 1;

  // Whether a control id is among the entries (compared without regard to case).
  bool Contains(std::string_view control_id) const;
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  // (key, ControlID) in insertion order.
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }
  const std::vector<std::string>& Ids() const { return ids_; }
  // Appends under the key "Def" + Counter and stores the id at Counter - 1 of
  // the parallel array; false (and nothing changed) when the key is taken.
  bool Append(const std::string& control_id);
  // Drops the entry of that id; the keys of the others and the counter stay.
  void Remove(std::string_view control_id);

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  std::vector<std::string> ids_;
  std::unordered_set<std::string> keys_;                   // folded keys
  std::unordered_map<std::string, int32_t> id_counts_;     // folded ControlID -> entries holding it
};

// Who a tab is, for accessibility clients that follow a tab through inserts,
// removals, hides and swaps: a move keeps it, a copy is a new tab.
class TabIdentity {
 public:
  TabIdentity() : value_(Next()) {}
  TabIdentity(const TabIdentity&) : value_(Next()) {}
  TabIdentity& operator=(const TabIdentity& other) {
    if (this != &other) value_ = Next();
    return *this;
  }
  TabIdentity(TabIdentity&&) noexcept = default;
  TabIdentity& operator=(TabIdentity&&) noexcept = default;
  ~TabIdentity() = default;
  uint64_t Value() const { return value_; }

 private:
  static uint64_t Next();
  uint64_t value_;
};

struct TabRecord {
  std::string Caption;
  int32_t AL = 0, AT = 0, AR = 0, AB = 0;      // the tab's rectangle
  int32_t TAL = 0, TAT = 0, TAR = 0, TAB = 0;  // the caption text's rectangle
  ControlDetailsListPtr ControlDetails;         // null: the tab owns no list
  bool Enabled = false;
  RgbColor ColEnd = 0;
  RgbColor ColStart = 0;
  PicturePtr Pic;
  std::string Pass;
  std::string TipText;
  Variant TagVar;
  WindowHandle Window = 0;
  std::string Access;  // zero or one character
  TabIdentity Identity;
};

}  // namespace folivan
