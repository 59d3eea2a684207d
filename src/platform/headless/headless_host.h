// The in-memory host of one control: ambient properties, the extender and
// parent, contained controls, scripted input-box answers, a record of
// message boxes, and listeners that see every event and PropertyChanged.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/contained_controls.h"
#include "platform/headless/headless_system.h"
#include "platform/host.h"

namespace folivan {

class HeadlessHost : public Host {
 public:
  // The host's focus: one of its contained controls, the control itself, or nothing.
  struct Focus {
    StandInControl* control = nullptr;
    bool on_tab_control = false;
  };
  struct MessageBoxRecord {
    std::string text;
    std::string title;
    int32_t style;
  };

  HeadlessHost(Surface& surface, HeadlessSystem& system);

  // --- Host ---
  Surface& GetSurface() override { return surface_; }
  bool AmbientUserMode() const override { return user_mode_; }
  OleColor AmbientBackColor() const override { return ambient_back_color_; }
  void PropertyChanged(std::string_view name) override;
  void RaiseEvent(int32_t dispid, std::span<Variant> args) override;
  std::string InputBox(std::string_view prompt, std::string_view title) override;
  int32_t MsgBox(std::string_view text, int32_t style, std::string_view title) override;
  std::optional<Variant> ExtenderGet(std::string_view name) const override;
  bool ExtenderSet(std::string_view name, const Variant& value) override;
  std::optional<Variant> ParentGet(std::string_view name) const override;
  std::vector<ContainedControlPtr> ContainedControls() override;

  // --- what the console and the tests steer ---
  void SetUserMode(bool user_mode) { user_mode_ = user_mode; }
  void SetAmbientBackColor(OleColor color) { ambient_back_color_ = color; }
  void QueueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
  void SetParentProperty(const std::string& name, Variant value) { parent_[name] = std::move(value); }
  // Adds a contained control at the end of the host's order (a window for windowed kinds).
  StandInControl& AddControl(const ControlKindInfo& kind, std::string name, std::optional<int16_t> index);
  const std::vector<StandInControlPtr>& Controls() const { return controls_; }
  StandInControl* FindControl(const std::string& name, std::optional<int16_t> index);
  Focus GetFocus() const { return focus_; }
  void FocusTabControl();
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }

  // Windows of the host's program outside the control: a bare top-level
  // window (for EmbedWindow) or another form of the host (for InsertWindow).
  struct StandInWindow {
    std::string name;
    WindowHandle hwnd = 0;
    StandInControlPtr form;  // null for a bare window
  };
  // A hidden top-level window of width x height pixels.
  WindowHandle AddWindow(const std::string& name, int32_t width, int32_t height);
  // A visible form with a top-level window of width x height pixels.
  StandInControl& AddForm(const std::string& name, int32_t width, int32_t height);
  const std::vector<StandInWindow>& Windows() const { return windows_; }
  const StandInWindow* FindWindow(const std::string& name) const;

  std::function<void(int32_t dispid, std::span<Variant> args)> on_event;
  std::function<void(std::string_view name)> on_property_changed;
  std::function<void(std::string_view prompt, std::string_view title, std::string_view answer)> on_input_box;
  std::function<void(const MessageBoxRecord&)> on_message_box;

 private:
  Surface& surface_;
  HeadlessSystem& system_;
  bool user_mode_ = true;
  OleColor ambient_back_color_ = 0x8000000F;  // button face
  std::deque<std::string> answers_;
  std::vector<MessageBoxRecord> message_boxes_;
  std::map<std::string, Variant> extender_;
  std::map<std::string, Variant> parent_;
  std::vector<StandInControlPtr> controls_;
  std::vector<StandInWindow> windows_;
  Focus focus_;
};

}  // namespace folivan
