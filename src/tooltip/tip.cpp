#include "tooltip/tip.h"

#include "core/folivan_tab.h"

namespace folivan {

Tip::~Tip() { DestroyWindow(); }

void Tip::DestroyWindow() { has_window_ = false; }

void Tip::Send(uint32_t msg, intptr_t wparam, const std::string& text) {
  if (!has_window_) return;
  sent_.push_back(Message{msg, wparam, text});
}

// The setters send the title only when it can show: a window, a title and an icon.
void Tip::SetIcon(int32_t icon) {
  icon_ = icon;
  if (has_window_ && !title_.empty() && icon_ != 0) Send(ttm::kSetTitle, icon_, title_);
}

void Tip::SetTitle(const std::string& title) {
  title_ = title;
  if (has_window_ && !title_.empty() && icon_ != 0) Send(ttm::kSetTitle, icon_, title_);
}

void Tip::SetTipText(const std::string& text) {
  text_ = text;
  if (has_window_) Send(ttm::kUpdateTipText, 0, text_);
}

void Tip::Create() {
  if (has_window_) DestroyWindow();
  uint32_t style = tts::kAlwaysTip | tts::kNoPrefix;
  if (style_ == 2) style |= tts::kBalloon;
  if (parent_ == nullptr) return;

  has_window_ = true;
  window_style_ = style;
  ++windows_created_;

  // One tool over the parent's whole client area, with the last text given.
  tool_rect_ = parent_->GetSystem().GetClientRect(parent_->hwnd()).value_or(Rect{});
  Send(ttm::kAddTool, 0, text_);
  // Unlike the setters, Create sets the title when there is a title or an icon.
  if (!title_.empty() || icon_ != 0) Send(ttm::kSetTitle, icon_, title_);
}

}  // namespace folivan
