#include "input/wizard_buttons.h"

#include "core/folivan_tab.h"
#include "input/mouse.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

ResourcePictureLoader& Loader() {
  static ResourcePictureLoader loader;
  return loader;
}

// Resource picture n with its top-left corner at (x, y), in its own size.
void PaintResource(FolivanTab& control, int16_t n, int32_t x, int32_t y) {
  PicturePtr picture = LoadResourcePicture(control, n);
  if (!picture) return;
  control.GetSurface().PaintPicture(*picture, x, y, picture->Width(), picture->Height());
}

bool OnPrevious(float x, float y) { return x >= 2 && x <= 22 && y >= 2 && y <= 22; }

bool OnNext(double width, float x, float y) { return x >= width - 22 && x <= width - 2 && y >= 2 && y <= 22; }

bool ButtonsShown(const ControlState& s) { return s.WizardPictures && s.Tabs >= 1; }

// There is a page before (after) the current one.
bool CanTurn(const ControlState& s, bool next) { return next ? s.CurrentTab < s.Tabs - 1 : s.CurrentTab >= 1; }

}  // namespace

PicturePtr LoadResourcePicture(FolivanTab& control, int16_t n) {
  if (!Loader()) return nullptr;
  return Loader()(control, n);
}

void SetResourcePictureLoader(ResourcePictureLoader loader) { Loader() = std::move(loader); }

void WizardButtonsMove(FolivanTab& control, float x, float y) {
  const ControlState& s = control.State();
  if (!ButtonsShown(s) || s.CurrentTab == -1) return;
  const double width = control.GetSurface().ScaleWidth();
  const int32_t next_left = CLng(width - 22);
  if (OnPrevious(x, y)) {
    if (s.CurrentTab >= 1) PaintResource(control, wizard_picture::kPreviousHot, 2, 2);
  } else if (OnNext(width, x, y)) {
    if (s.CurrentTab < s.Tabs - 1) PaintResource(control, wizard_picture::kNextHot, next_left, 2);
  } else {
    if (s.CurrentTab < s.Tabs - 1) PaintResource(control, wizard_picture::kNext, next_left, 2);
    if (s.CurrentTab > 0) PaintResource(control, wizard_picture::kPrevious, 2, 2);
  }
}

// The page buttons write CurrentTab themselves: no password is asked here.
void WizardButtonsPress(FolivanTab& control, int16_t button) {
  const ControlState& s = control.State();
  if (!ButtonsShown(s) || button != 1) return;
  const float x = s.input.LastMouseX;
  const float y = s.input.LastMouseY;
  const double width = control.GetSurface().ScaleWidth();
  const bool on_previous = OnPrevious(x, y);
  if (!on_previous && !OnNext(width, x, y)) {
    OverTab = false;
    OverCurrentTab = true;
    return;
  }
  if (!CanTurn(s, !on_previous)) return;
  OverTab = true;
  OverCurrentTab = false;
  TurnWizardPage(control, !on_previous);
}

void TurnWizardPage(FolivanTab& control, bool next) {
  const ControlState& s = control.State();
  if (!ButtonsShown(s) || !CanTurn(s, next)) return;
  if (next) {
    PaintResource(control, wizard_picture::kNextPressed, CLng(control.GetSurface().ScaleWidth() - 22), 2);
    control.SetCurrentTab(static_cast<int16_t>(s.CurrentTab + 1));
  } else {
    PaintResource(control, wizard_picture::kPreviousPressed, 2, 2);
    control.SetCurrentTab(static_cast<int16_t>(s.CurrentTab - 1));
  }
}

}  // namespace folivan
