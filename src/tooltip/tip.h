// Tip: the tooltip of the tab under the mouse. One object owns one tooltip
// window with one tool over the whole client area of its parent control.
//
// The tooltip window itself is not there yet: for now Create and the setters
// keep what they were given, and which messages the window would be sent,
// so that the mouse handling that drives a Tip can be checked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace folivan {

class FolivanTab;

namespace tts {
constexpr uint32_t kAlwaysTip = 0x01;
constexpr uint32_t kNoPrefix = 0x02;
constexpr uint32_t kBalloon = 0x40;
}  // namespace tts

// Tooltip messages (ANSI).
namespace ttm {
constexpr uint32_t kAddTool = 1028;
constexpr uint32_t kUpdateTipText = 1036;
constexpr uint32_t kSetTitle = 1056;
}  // namespace ttm

class Tip {
 public:
  // A message the tooltip window was sent: its number, wParam, and the text
  // that lParam carried (the title, or the tool's text).
  struct Message {
    uint32_t msg = 0;
    intptr_t wparam = 0;
    std::string text;
  };

  Tip() = default;
  // Destroys the window when there is one.
  ~Tip();
  Tip(const Tip&) = delete;
  Tip& operator=(const Tip&) = delete;

  // Write-only as far as the control is concerned; the reads are for checking.
  void SetParentControl(FolivanTab* control) { parent_ = control; }
  void SetStyle(int32_t style) { style_ = style; }
  void SetIcon(int32_t icon);
  void SetTitle(const std::string& title);
  void SetTipText(const std::string& text);
  // Builds the window (destroying an earlier one) and registers the tool.
  void Create();

  FolivanTab* ParentControl() const { return parent_; }
  int32_t Style() const { return style_; }
  int32_t Icon() const { return icon_; }
  const std::string& Title() const { return title_; }
  const std::string& TipText() const { return text_; }
  bool HasWindow() const { return has_window_; }
  // TTS_ALWAYSTIP | TTS_NOPREFIX, plus TTS_BALLOON for Style 2.
  uint32_t WindowStyle() const { return window_style_; }
  // The tool's rectangle: the parent's client rectangle at Create.
  const Rect& ToolRect() const { return tool_rect_; }
  int32_t WindowsCreated() const { return windows_created_; }
  const std::vector<Message>& Sent() const { return sent_; }

 private:
  void DestroyWindow();
  void Send(uint32_t msg, intptr_t wparam, const std::string& text);

  FolivanTab* parent_ = nullptr;
  int32_t style_ = 0;
  int32_t icon_ = 0;
  std::string title_;
  std::string text_;
  bool has_window_ = false;
  uint32_t window_style_ = 0;
  Rect tool_rect_;
  int32_t windows_created_ = 0;
  std::vector<Message> sent_;
};

}  // namespace folivan
