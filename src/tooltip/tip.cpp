#include "tooltip/tip.h"

#include "core/folivan_tab.h"

namespace folivan {

Tip::~Tip() { DestroyWindow(); }

void Tip::DestroyWindow() {
  if (window_ != 0) windows_->DestroyWindow(window_);
  window_ = 0;
}

void Tip::SendTitleIfShown() {
  if (window_ != 0 && !title_.empty() && icon_ != tti::kNone) {
    windows_->SendMessage(window_, ttm::kSetTitle, static_cast<uintptr_t>(icon_), title_);
  }
}

void Tip::SetIcon(int32_t icon) {
  icon_ = icon;
  SendTitleIfShown();
}

void Tip::SetTitle(const std::string& title) {
  title_ = title;
  SendTitleIfShown();
}

void Tip::SetTipText(const std::string& text) {
  tool_.text = text;
  if (window_ != 0) windows_->SendMessage(window_, ttm::kUpdateTipText, 0, tool_);
}

void Tip::Create() {
  DestroyWindow();
  uint32_t style = tts::kAlwaysTip | tts::kNoPrefix;
  if (style_ == 2) style |= tts::kBalloon;
  if (parent_ == nullptr) return;

  System& system = parent_->GetSystem();
  windows_ = &system.Tooltips();
  const WindowHandle owner = parent_->hwnd();
  const intptr_t instance = windows_->ModuleInstance();
  window_style_ = style;
  window_ = windows_->CreateWindowEx(0, kTooltipClass, "", style, kCwUseDefault, kCwUseDefault, kCwUseDefault,
                                     kCwUseDefault, owner, 0, instance, 0);

  // A window that could not be made is sent nothing; the tool record is
  // filled all the same.
  if (window_ != 0) {
    windows_->SetWindowPos(window_, kHwndTopmost, 0, 0, 0, 0, swp::kNoMove | swp::kNoSize | swp::kNoActivate);
  }

  // One tool over the parent's whole client area, with the last text given.
  tool_.flags = ttf::kSubclass;
  tool_.hwnd = owner;
  tool_.id = 0;
  tool_.rect = system.GetClientRect(owner).value_or(Rect{});
  tool_.instance = instance;
  if (window_ == 0) return;

  windows_->SendMessage(window_, ttm::kAddTool, 0, tool_);
  // Unlike the setters, Create sets the title when there is a title or an icon.
  if (!title_.empty() || icon_ != tti::kNone) {
    windows_->SendMessage(window_, ttm::kSetTitle, static_cast<uintptr_t>(icon_), title_);
  }
}

}  // namespace folivan
