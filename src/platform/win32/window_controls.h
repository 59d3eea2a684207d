// The container's controls on the tab control, as Windows sees them: the child
// windows of the control's window. Each child is one ContainedControl whose
// late-bound properties are read from and written to the window itself.
//
//   Name     window property "Name" (a global atom holding the name) set by the
//            host; without it the window class and control identifier
//            ("Edit1001", "Button1002").
//   Index    window property "Index" set by the host to 0x10000 | index for a
//            member of a control array; absent (or 0) for a single control.
//   Left, Top, Width, Height
//            twips, relative to the client area of the control's window, at
//            the screen's actual DPI (15 twips per pixel at 96 dpi).
//   TabStop  the WS_TABSTOP style;  Enabled  EnableWindow;  Visible  ShowWindow;
//   hwnd     the window handle (read only);  SetFocus  the method.
//
// The order is the z-order of the children from the top (GW_CHILD, then
// GW_HWNDNEXT): the order in which they were created, and the dialog tab
// order, unless the host moves windows in the z-order.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <vector>

#include "platform/host.h"

namespace folivan::win32 {

inline constexpr wchar_t kNameProperty[] = L"Name";
inline constexpr wchar_t kIndexProperty[] = L"Index";
inline constexpr UINT_PTR kIndexPresent = 0x10000;

class WindowControl : public ContainedControl {
 public:
  WindowControl(HWND container, HWND window) : container_(container), window_(window) {}

  Kind GetKind() const override { return Kind::kControl; }
  std::optional<Variant> Get(std::string_view name) const override;
  bool Set(std::string_view name, const Variant& value) override;
  using ContainedControl::Call;
  bool Call(std::string_view method, std::span<const Variant> args) override;

  HWND Window() const { return window_; }

 private:
  // The window's rectangle in the container's client coordinates.
  RECT Bounds() const;
  bool Place(const RECT& bounds);

  HWND container_;
  HWND window_;
};

// The child windows of container in z-order, without those skip names.
std::vector<ContainedControlPtr> ChildWindowControls(HWND container, const std::function<bool(HWND)>& skip);

// Gives the window of a control of the host (its "hwnd") the window
// properties "Name" and "Index" from the control's own, so that among the
// child windows it answers to the same identity.
void NameChildWindow(const ContainedControl& control);

// Twips per pixel of the screen, horizontally and vertically.
double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace folivan::win32
