// The headless surface as a host hands it to a control: its window lives in
// the stand-in window system, its colours come from the system's colour
// table, and taking the focus tells the host.
#pragma once

#include <functional>

#include "platform/headless/headless_system.h"
#include "platform/headless/surface_headless.h"

namespace folivan {

class HostedSurface : public HeadlessSurface {
 public:
  HostedSurface(HeadlessSystem& system, int32_t width_px, int32_t height_px);
  ~HostedSurface() override;

  WindowHandle Hwnd() const override { return window_; }
  bool SetFocus() override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;

  std::function<void()> on_focus;

 private:
  void SyncWindow();

  HeadlessSystem& system_;
  WindowHandle window_;
};

}  // namespace folivan
