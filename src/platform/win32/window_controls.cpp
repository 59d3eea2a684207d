#include "platform/win32/window_controls.h"

#include <cmath>
#include <string>

#include "core/text.h"
#include "platform/vb_runtime.h"
#include "platform/win32/win32_surface.h"

namespace folivan::win32 {

namespace {

double TwipsPerPixel(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, index) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

std::optional<double> Number(const Variant& value) {
  try {
    return ToDouble(value);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

std::optional<bool> Flag(const Variant& value) {
  try {
    return ToBoolean(value);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

// A pixel position from twips; nullopt when it does not fit a window coordinate.
std::optional<LONG> Pixels(double twips, double twips_per_pixel) {
  double px = std::nearbyint(twips / twips_per_pixel);
  if (!std::isfinite(px) || std::fabs(px) > 1e8) return std::nullopt;
  return static_cast<LONG>(px);
}

std::string DefaultName(HWND window) {
  wchar_t cls[256] = {};
  int length = GetClassNameW(window, cls, 256);
  return Narrow(std::wstring_view(cls, static_cast<size_t>(length > 0 ? length : 0))) +
         std::to_string(GetDlgCtrlID(window));
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
double TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

RECT WindowControl::Bounds() const {
  RECT r{};
  GetWindowRect(window_, &r);
  MapWindowPoints(nullptr, container_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool WindowControl::Place(const RECT& r) {
  return SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                      SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

std::optional<Variant> WindowControl::Get(std::string_view name) const {
  if (!IsWindow(window_)) return std::nullopt;
  if (EqualsIgnoreCase(name, "Name")) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window_, kNameProperty)));
    wchar_t text[256] = {};
    UINT length = atom ? GlobalGetAtomNameW(atom, text, 256) : 0;
    if (length == 0) return Variant(DefaultName(window_));
    return Variant(Narrow(std::wstring_view(text, length)));
  }
  if (EqualsIgnoreCase(name, "Index")) {
    auto index = reinterpret_cast<UINT_PTR>(GetPropW(window_, kIndexProperty));
    if (!(index & kIndexPresent)) return Variant();  // not in a control array
    return Variant(static_cast<int16_t>(index & 0xFFFF));
  }
  const RECT r = Bounds();
  if (EqualsIgnoreCase(name, "Left")) return Variant(r.left * TwipsPerPixelX());
  if (EqualsIgnoreCase(name, "Top")) return Variant(r.top * TwipsPerPixelY());
  if (EqualsIgnoreCase(name, "Width")) return Variant((r.right - r.left) * TwipsPerPixelX());
  if (EqualsIgnoreCase(name, "Height")) return Variant((r.bottom - r.top) * TwipsPerPixelY());
  if (EqualsIgnoreCase(name, "TabStop")) {
    return Variant::Bool((GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) != 0);
  }
  if (EqualsIgnoreCase(name, "Enabled")) return Variant::Bool(IsWindowEnabled(window_) != FALSE);
  if (EqualsIgnoreCase(name, "Visible")) {
    return Variant::Bool((GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0);
  }
  if (EqualsIgnoreCase(name, "hwnd")) {
    return Variant(static_cast<int32_t>(reinterpret_cast<intptr_t>(window_)));
  }
  return std::nullopt;
}

bool WindowControl::Set(std::string_view name, const Variant& value) {
  if (!IsWindow(window_)) return false;
  const bool left = EqualsIgnoreCase(name, "Left");
  const bool top = EqualsIgnoreCase(name, "Top");
  const bool width = EqualsIgnoreCase(name, "Width");
  const bool height = EqualsIgnoreCase(name, "Height");
  if (left || top || width || height) {
    auto twips = Number(value);
    if (!twips || ((width || height) && *twips < 0)) return false;
    auto px = Pixels(*twips, left || width ? TwipsPerPixelX() : TwipsPerPixelY());
    if (!px) return false;
    RECT r = Bounds();
    if (left) OffsetRect(&r, *px - r.left, 0);
    if (top) OffsetRect(&r, 0, *px - r.top);
    if (width) r.right = r.left + *px;
    if (height) r.bottom = r.top + *px;
    return Place(r);
  }
  auto flag = Flag(value);
  if (EqualsIgnoreCase(name, "TabStop")) {
    if (!flag) return false;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    style = *flag ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    return true;
  }
  if (EqualsIgnoreCase(name, "Enabled")) {
    if (!flag) return false;
    EnableWindow(window_, *flag ? TRUE : FALSE);
    return true;
  }
  if (EqualsIgnoreCase(name, "Visible")) {
    if (!flag) return false;
    ShowWindow(window_, *flag ? SW_SHOWNA : SW_HIDE);
    return true;
  }
  return false;  // hwnd and Name are read only; other names do not exist
}

bool WindowControl::Call(std::string_view method, std::span<const Variant> args) {
  if (EqualsIgnoreCase(method, "Move")) return MoveByProperties(*this, args);
  if (!EqualsIgnoreCase(method, "SetFocus") || !args.empty() || !IsWindow(window_)) return false;
  // Like the runtime's SetFocus: a disabled or hidden control cannot take it.
  if (!IsWindowEnabled(window_) || !(GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE)) return false;
  ::SetFocus(window_);
  return GetFocus() == window_;
}

std::vector<ContainedControlPtr> ChildWindowControls(HWND container, const std::function<bool(HWND)>& skip) {
  std::vector<ContainedControlPtr> controls;
  if (!container) return controls;
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (skip && skip(child)) continue;
    controls.push_back(std::make_shared<WindowControl>(container, child));
  }
  return controls;
}

void NameChildWindow(const ContainedControl& control) {
  auto window = control.Get("hwnd");
  auto name = control.Get("Name");
  if (!window || !name || !name->Is<std::string>()) return;
  HWND hwnd = nullptr;
  try {
    hwnd = reinterpret_cast<HWND>(static_cast<intptr_t>(ToLong(*window)));
  } catch (const VbError&) {
    return;
  }
  if (!hwnd || !IsWindow(hwnd) || GetPropW(hwnd, kNameProperty)) return;
  ATOM atom = GlobalAddAtomW(Widen(name->As<std::string>()).c_str());
  if (atom) SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
  if (auto index = control.Get("Index")) {
    try {
      auto value = static_cast<UINT_PTR>(static_cast<uint16_t>(ToInteger(*index)));
      SetPropW(hwnd, kIndexProperty, reinterpret_cast<HANDLE>(kIndexPresent | value));
    } catch (const VbError&) {
    }
  }
}

}  // namespace folivan::win32
