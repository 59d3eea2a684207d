#include "platform/headless/hosted_surface.h"

namespace folivan {

HostedSurface::HostedSurface(HeadlessSystem& system, int32_t width_px, int32_t height_px)
    : HeadlessSurface(width_px, height_px,
                      [&system](OleColor c) { return system.OleTranslateColor(c, 0).value_or(-1); }),
      system_(system),
      window_(system.CreateWindow("FolivanTab", 0, Rect{0, 0, width_px, height_px}, true)) {
  // The control's surface is designed with AutoRedraw on (a repaint draws into
  // the persistent image) and pixels as its scale mode; a loaded control
  // relies on both without setting them.
  SetAutoRedraw(true);
  SetScaleMode(ScaleMode::kPixels);
  system_.AttachDevice(Hdc(), this);
}

HostedSurface::~HostedSurface() {
  system_.DetachDevice(Hdc());
  system_.DestroyWindow(window_);
}

bool HostedSurface::SetFocus() {
  HeadlessSurface::SetFocus();
  if (on_focus) on_focus();
  return true;
}

void HostedSurface::SetWidth(double twips) {
  HeadlessSurface::SetWidth(twips);
  SyncWindow();
}

void HostedSurface::SetHeight(double twips) {
  HeadlessSurface::SetHeight(twips);
  SyncWindow();
}

void HostedSurface::SyncWindow() {
  if (const auto* w = system_.FindWindow(window_)) {
    system_.MoveWindow(window_, w->rect.left, w->rect.top, PixelWidth(), PixelHeight(), false);
  }
}

}  // namespace folivan
