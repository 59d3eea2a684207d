// The control's host on Windows. The parts that need the ActiveX container
// (ambient properties, PropertyChanged, events, the extender, a container's
// own dialogs, the contained controls through their extenders) go to a
// ContainerLink that the ActiveX object provides; a container without
// extenders gets the child windows of the control's window as its contained
// controls (window_controls.h); dialogs are the system's unless the container
// shows them.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "platform/host.h"
#include "platform/win32/win32_surface.h"

namespace folivan::win32 {

class ContainerLink {
 public:
  virtual ~ContainerLink() = default;
  // nullopt when the container does not answer.
  virtual std::optional<bool> AmbientUserMode() = 0;
  virtual std::optional<OleColor> AmbientBackColor() = 0;
  virtual void PropertyChanged(std::string_view name) = 0;
  virtual void RaiseEvent(int32_t dispid, std::span<Variant> args) = 0;
  virtual std::optional<Variant> ExtenderGet(std::string_view name) = 0;
  virtual bool ExtenderSet(std::string_view name, const Variant& value) = 0;
  virtual std::optional<Variant> ParentGet(std::string_view name) = 0;
  // The container's own dialogs; nullopt when it has none (the system's are shown).
  virtual std::optional<std::string> InputBox(std::string_view /*prompt*/, std::string_view /*title*/) {
    return std::nullopt;
  }
  virtual std::optional<int32_t> MsgBox(std::string_view /*text*/, int32_t /*style*/, std::string_view /*title*/) {
    return std::nullopt;
  }
  // The contained controls as the container holds them (through their
  // extenders); nullopt when it offers none (the child windows are used).
  virtual std::optional<std::vector<ContainedControlPtr>> ContainedControls() { return std::nullopt; }
};

class Win32Host : public Host {
 public:
  explicit Win32Host(ContainerLink& link) : link_(link) {}

  Win32Surface& Win32() { return surface_; }

  Surface& GetSurface() override { return surface_; }
  // Without an answer from the container: run time, button-face background.
  bool AmbientUserMode() const override;
  OleColor AmbientBackColor() const override;
  void PropertyChanged(std::string_view name) override { link_.PropertyChanged(name); }
  void RaiseEvent(int32_t dispid, std::span<Variant> args) override { link_.RaiseEvent(dispid, args); }
  std::string InputBox(std::string_view prompt, std::string_view title) override;
  int32_t MsgBox(std::string_view text, int32_t style, std::string_view title) override;
  std::optional<Variant> ExtenderGet(std::string_view name) const override { return link_.ExtenderGet(name); }
  bool ExtenderSet(std::string_view name, const Variant& value) override { return link_.ExtenderSet(name, value); }
  std::optional<Variant> ParentGet(std::string_view name) const override { return link_.ParentGet(name); }
  // The container's own list when it gives one; otherwise the child windows
  // of the control's window, in z-order (none without a window).
  std::vector<ContainedControlPtr> ContainedControls() override;

  // Windows on the control's window that are not the container's controls
  // (the windows embedded in tabs); the ActiveX object sets it.
  std::function<bool(HWND)> is_own_window;

 private:
  ContainerLink& link_;
  Win32Surface surface_;
};

}  // namespace folivan::win32
