// Tip: the tooltip of the tab under the mouse. One object owns one tooltip
// window of the common controls with one tool over the whole client area of
// its parent control; the window goes with the object.
#pragma once

#include <cstdint>
#include <string>

#include "platform/tooltip_window.h"
#include "platform/types.h"

namespace folivan {

class FolivanTab;

class Tip {
 public:
  Tip() = default;
  // Destroys the window when there is one.
  ~Tip();
  Tip(const Tip&) = delete;
  Tip& operator=(const Tip&) = delete;

  // Write-only as far as the control is concerned; the reads are for checking.
  void SetParentControl(FolivanTab* control) { parent_ = control; }
  // 2 gives a balloon at the next Create, anything else a rectangle.
  void SetStyle(int32_t style) { style_ = style; }
  // TTI_xxx: 0 none, 1 information, 2 warning, 3 error.
  void SetIcon(int32_t icon);
  void SetTitle(const std::string& title);
  void SetTipText(const std::string& text);
  // Builds the window (destroying an earlier one) and registers the tool.
  void Create();

  FolivanTab* ParentControl() const { return parent_; }
  int32_t Style() const { return style_; }
  int32_t Icon() const { return icon_; }
  const std::string& Title() const { return title_; }
  const std::string& TipText() const { return tool_.text; }
  // The tooltip window, 0 while there is none.
  WindowHandle Window() const { return window_; }
  bool HasWindow() const { return window_ != 0; }
  // The style the last Create asked for: TTS_ALWAYSTIP | TTS_NOPREFIX, plus
  // TTS_BALLOON for Style 2.
  uint32_t WindowStyle() const { return window_style_; }
  // The tool record as it was last sent.
  const ToolInfo& Tool() const { return tool_; }
  const Rect& ToolRect() const { return tool_.rect; }

 private:
  void DestroyWindow();
  // TTM_SETTITLE, when the window can show a title: a title and an icon.
  void SendTitleIfShown();

  FolivanTab* parent_ = nullptr;
  // The platform that made the window, which also destroys it.
  TooltipWindows* windows_ = nullptr;
  int32_t style_ = 0;
  int32_t icon_ = 0;
  std::string title_;
  WindowHandle window_ = 0;
  uint32_t window_style_ = 0;
  ToolInfo tool_;
};

}  // namespace folivan
