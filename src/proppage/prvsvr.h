// Prvsvr: the design-time property page of FolivanTab. It edits the first
// selected control through its public interface by name only; its own strip
// and its preview are two more instances of the control.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "proppage/page_controls.h"
#include "proppage/page_target.h"

namespace folivan {

// The property page's frame: the host side of the page.
class PageSite {
 public:
  virtual ~PageSite() = default;
  // The page's Changed: true enables the frame's Apply.
  virtual void SetChanged(bool changed) = 0;
};

class Prvsvr {
 public:
  static constexpr int kBooleans = 11;
  // The boolean list's entries, their members and descriptions, in list order.
  static const std::array<std::string_view, kBooleans> kBooleanEntries;
  static const std::array<std::string_view, kBooleans> kBooleanMembers;
  static const std::array<std::string_view, kBooleans> kBooleanDescriptions;

  // Sets up the strip instance (tabs, captions, tooltips); the preview instance
  // is filled by SelectionChanged.
  Prvsvr(PageTarget& strip, PageTarget& preview, PageSite& site);

  // --- notifications of the page's frame ---------------------------------------------
  // The designer selected controls; the page edits the first.
  void SelectionChanged(std::span<PageTarget* const> selected);
  void ApplyChanges();

  // --- what a person does on the page (by field name) ----------------------------------
  // The field of that name (case-insensitive), or nullptr.
  PageControl* Find(std::string_view field);
  const std::vector<PageControl>& Controls() const { return controls_; }
  // Picks an entry of a drop-down or list by its text; error 380 when it has none such.
  void Choose(PageControl& control, std::string_view entry);
  // Clears a text box, then types each character as a keystroke.
  void Type(PageControl& control, std::string_view text);
  void Click(PageControl& control);
  // A keystroke into a text box: the key as the box takes it (0: dropped).
  int KeyPress(PageControl& control, int key) { return OnKeyPress(control, key); }
  // The tab of the page's strip that is shown (0 General .. 4 Controls).
  int ShownTab();
  void ShowTab(int tab);

  bool BooleanValue(int entry) const { return booleans_[static_cast<size_t>(entry)]; }

 private:
  PageControl& Field(std::string_view field);
  void MarkChanged();
  // A control's Click event.
  void OnClick(PageControl& control);
  // A text box's KeyPress; returns the key as the box takes it (0: dropped).
  int OnKeyPress(PageControl& control, int key);

  void CopyToPreview();
  void FillGeneral();
  void FillExtended();
  void FillContainedControls();
  // What the Extended tab's buttons change, read again.
  void ReadBack();
  void ShowBoolean();
  void ShowContainedControl();
  ContainedControlPtr ChosenContainedControl();
  void MoveChosen(std::string_view property, PageControl& box, int direction);

  PageTarget& strip_;
  PageTarget& preview_;
  PageSite& site_;
  PageTarget* selected_ = nullptr;
  std::vector<PageControl> controls_;
  std::array<bool, kBooleans> booleans_{};
  int boolean_index_ = -1;
  // The tag as it was read, so that an untouched box does not rewrite it.
  Variant tag_read_;
};

}  // namespace folivan
