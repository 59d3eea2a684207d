// Controls of the host moved onto a tab (InsertControl), windows embedded on
// a tab (InsertWindow, EmbedWindow), and the control's own place on its form.
#include <optional>

#include "containment/embedded_windows.h"
#include "containment/switcher.h"
#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

constexpr int32_t kVisio = 6;

// An optional argument: Empty (or missing) is "not given".
std::optional<double> Given(const Variant& v) {
  if (v.IsEmpty()) return std::nullopt;
  try {
    return ToDouble(v);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

}  // namespace

void FolivanTab::InsertControl(const ContainedControlPtr& ctl, int16_t at_index, const Variant& left,
                               const Variant& top, const Variant& width, const Variant& height, bool stretch) {
  if (!ctl || !s_.IsValidTab(at_index)) return;
  ContainedControl& c = *ctl;
  const Surface& surface = GetSurface();
  auto twips_x = [&](double px) { return surface.ScaleX(px, ScaleMode::kPixels, ScaleMode::kTwips); };
  auto twips_y = [&](double px) { return surface.ScaleY(px, ScaleMode::kPixels, ScaleMode::kTwips); };

  // A windowed control becomes a child of the control's window; one without a
  // window keeps its parent and is only placed.
  if (auto window = ReadNumber(c, "hwnd"); window && *window != 0) {
    system_.SetParent(static_cast<WindowHandle>(*window), hwnd());
  }

  const std::string id = GetControlID(c);
  ControlDetails details{id, ReadFlag(c, "TabStop").value_or(false), ReadFlag(c, "Enabled").value_or(false)};
  // A control that stands hidden on another tab comes with the values that
  // tab saved for it (the switcher disabled it), leaves that tab's list and
  // the common list, and counts from its visible place.
  std::optional<double> current_left = ReadNumber(c, "Left");
  const bool was_hidden = current_left && *current_left <= HiddenThreshold;
  if (was_hidden) {
    *current_left += HideOffset;
    for (TabRecord& tab : s_.tabs) {
      if (!tab.ControlDetails) continue;
      if (const ControlDetails* saved = tab.ControlDetails->Find(id)) {
        details.TabStop = saved->TabStop;
        details.CtlEnabled = saved->CtlEnabled;
      }
    }
  }
  for (TabRecord& tab : s_.tabs) {
    if (tab.ControlDetails && &tab != &s_.tabs[static_cast<size_t>(at_index)]) tab.ControlDetails->Remove(id);
  }
  s_.CommonControls.Remove(id);

  std::optional<double> new_left, new_top;
  const bool visio = s_.Appearance == kVisio;
  if (!stretch) {
    if (auto w = Given(width)) c.Set("Width", Variant(*w));
    if (auto h = Given(height)) c.Set("Height", Variant(*h));
    std::optional<double> base_top = Given(top);
    if (!base_top) base_top = ReadNumber(c, "Top");
    // The given Top counts from the top of the tab's page: below the strip,
    // or in the Visio style below the bar of tab AtIndex.
    double page_top = visio ? VisioPageOf(*this, at_index).top : s_.StripH + 3;
    if (base_top) new_top = *base_top + twips_y(page_top);
    new_left = Given(left);
    if (!new_left) new_left = current_left;
  } else {
    const double W = surface.ScaleWidth();
    const double H = surface.ScaleHeight();
    new_left = twips_x(2);
    if (!visio) {
      new_top = twips_y(s_.StripH + 3);
      c.Set("Width", Variant(twips_x(W - 5)));
      c.Set("Height", Variant(twips_y(H - s_.StripH - 6)));
    } else {
      // The page the tab has when it is current, whichever tab is current now.
      VisioPage page = VisioPageOf(*this, at_index);
      new_top = twips_y(page.top);
      c.Set("Width", Variant(twips_x(W - 4)));
      c.Set("Height", Variant(twips_y(page.height)));
    }
  }
  if (new_top) c.Set("Top", Variant(*new_top));
  if (new_left) {
    if (at_index != s_.CurrentTab) *new_left -= HideOffset;
    c.Set("Left", Variant(*new_left));
  }
  // Brought from a hidden place into sight at run time, it gets back the
  // values it had before it was hidden, as the switcher gives them.
  if (was_hidden && at_index == s_.CurrentTab && UserMode()) {
    c.Set("Enabled", Variant::Bool(details.CtlEnabled));
    c.Set("TabStop", Variant::Bool(details.TabStop));
  }

  TabRecord& tab = s_.tabs[static_cast<size_t>(at_index)];
  if (!tab.ControlDetails) tab.ControlDetails = std::make_shared<ControlDetailsList>();
  tab.ControlDetails->Add(details);
}

void FolivanTab::InsertWindow(const ObjectPtr& form, int16_t tab_no) {
  auto object = std::dynamic_pointer_cast<ContainedControl>(form);
  if (!object || object->GetKind() != ContainedControl::Kind::kForm || !s_.IsValidTab(tab_no)) return;
  auto window = ReadNumber(*object, "hwnd");
  if (!window || *window == 0) return;
  WindowHandle handle = static_cast<WindowHandle>(*window);
  s_.tabs[static_cast<size_t>(tab_no)].Window = handle;
  system_.SetParent(handle, hwnd());
  PlaceEmbeddedWindows(*this);
  GetSurface().SetFocus();
}

void FolivanTab::EmbedWindow(WindowHandle window, int16_t tab_no) {
  if (!s_.IsValidTab(tab_no)) return;
  s_.tabs[static_cast<size_t>(tab_no)].Window = window;
  // Exactly WS_CHILD: every other style bit (WS_VISIBLE, the caption, the
  // frame) goes. The window becomes a child first: Windows keeps
  // WS_CLIPSIBLINGS in the style of a window that is still top-level.
  system_.SetParent(window, hwnd());
  system_.SetWindowLong(window, gwl::kStyle, static_cast<int32_t>(ws::kChild));
  PlaceEmbeddedWindows(*this);
}

Variant FolivanTab::GetControlDimensions(Variant& left, Variant& top, Variant& width, Variant& height) {
  auto name = host_.ExtenderGet("Name");
  auto controls = host_.ParentGet("Controls");
  if (!name || !controls || !controls->Is<ObjectPtr>()) return {};
  auto collection = std::dynamic_pointer_cast<ControlCollection>(controls->As<ObjectPtr>());
  if (!collection) return {};
  std::string own_name;
  try {
    own_name = ToText(*name);
  } catch (const VbError&) {
    return {};
  }
  for (const ContainedControlPtr& c : collection->Items()) {
    if (!c) continue;
    auto n = c->Get("Name");
    if (!n || !n->Is<std::string>() || n->As<std::string>() != own_name) continue;
    if (auto v = c->Get("Left")) left = *v;
    if (auto v = c->Get("Top")) top = *v;
    if (auto v = c->Get("Width")) width = *v;
    if (auto v = c->Get("Height")) height = *v;
    break;
  }
  return {};
}

ObjectPtr FolivanTab::IControls() { return std::make_shared<ControlList>(host_.ContainedControls()); }

}  // namespace folivan
