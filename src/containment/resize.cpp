#include "containment/resize.h"

#include <optional>

#include "containment/embedded_windows.h"
#include "containment/switcher.h"
#include "core/folivan_tab.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// Every host access here may fail; a failure skips that one step.
std::optional<int32_t> ReadLong(const std::optional<Variant>& v) {
  if (!v) return std::nullopt;
  try {
    return ToLong(*v);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

std::string ReadText(const std::optional<Variant>& v) {
  if (!v) return {};
  try {
    return ToText(*v);
  } catch (const VbError&) {
    return {};
  }
}

bool IsLine(const ContainedControl& c) { return !c.Get("Left").has_value() && c.Get("x1").has_value(); }

int32_t ChildIndex(const ContainedControl& c) { return ReadLong(c.Get("Index")).value_or(0); }

int FindContainer(const ResizeState& r, const std::string& name) {
  for (size_t i = 0; i < r.parents.size(); ++i) {
    if (r.parents[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int FindChild(const ResizeState& r, const ContainedControl& c, const std::string& container) {
  const std::string name = ReadText(c.Get("Name"));
  const int32_t index = ChildIndex(c);
  for (size_t i = 0; i < r.children.size(); ++i) {
    const ResizeChild& child = r.children[i];
    if (child.container == container && child.name == name && child.index == index) return static_cast<int>(i);
  }
  return -1;
}

void RecordChild(ResizeState& r, ContainedControl& c, const std::string& container) {
  ResizeChild child;
  child.name = ReadText(c.Get("Name"));
  child.index = ChildIndex(c);
  child.container = container;
  if (IsLine(c)) {
    child.top = ReadLong(c.Get("Y1")).value_or(0);
    child.left = UnhideLeft(ReadLong(c.Get("x1")).value_or(0));
    child.height = ReadLong(c.Get("Y2")).value_or(0);
    child.width = UnhideLeft(ReadLong(c.Get("x2")).value_or(0));
  } else {
    child.top = ReadLong(c.Get("Top")).value_or(0);
    child.left = UnhideLeft(ReadLong(c.Get("Left")).value_or(0));
    child.height = ReadLong(c.Get("Height")).value_or(0);
    child.width = ReadLong(c.Get("Width")).value_or(0);
  }
  r.children.push_back(child);
  // List boxes then take any height.
  c.Set("IntegralHeight", Variant::Bool(false));
}

int RecordContainer(FolivanTab& control) {
  ResizeState& r = control.State().resize;
  Host& host = control.GetHost();
  const Surface& surface = control.GetSurface();
  ResizeParent parent;
  parent.name = ReadText(host.ExtenderGet("Name"));
  parent.top = ReadLong(host.ExtenderGet("Top")).value_or(0);
  parent.left = ReadLong(host.ExtenderGet("Left")).value_or(0);
  parent.height = ReadLong(host.ExtenderGet("Height")).value_or(0);
  parent.width = ReadLong(host.ExtenderGet("Width")).value_or(0);
  parent.scale_height = CLng(surface.ScaleHeight());
  parent.scale_width = CLng(surface.ScaleWidth());
  r.parents.push_back(parent);
  for (const ContainedControlPtr& c : host.ContainedControls()) {
    if (FindChild(r, *c, parent.name) == -1) RecordChild(r, *c, parent.name);
  }
  return static_cast<int>(r.parents.size() - 1);
}

const ResizeParent& Container(FolivanTab& control) {
  ResizeState& r = control.State().resize;
  int i = FindContainer(r, ReadText(control.GetHost().ExtenderGet("Name")));
  if (i == -1) i = RecordContainer(control);
  return r.parents[static_cast<size_t>(i)];
}

int32_t WidthPercent(FolivanTab& control) {
  const ResizeParent& p = Container(control);
  if (p.scale_width == 0) throw vberr::DivisionByZero();
  return CLng(control.GetSurface().ScaleWidth() * 100) / p.scale_width;
}

int32_t HeightPercent(FolivanTab& control) {
  const ResizeParent& p = Container(control);
  if (p.scale_height == 0) throw vberr::DivisionByZero();
  return CLng(control.GetSurface().ScaleHeight() * 100) / p.scale_height;
}

int32_t Scaled(int32_t v, int32_t percent) {
  return static_cast<int32_t>(static_cast<int64_t>(v) * percent / 100);
}

void ScaleChild(FolivanTab& control, ContainedControl& c) {
  const int32_t wp = WidthPercent(control);
  const int32_t hp = HeightPercent(control);
  ResizeState& r = control.State().resize;
  const std::string container = ReadText(control.GetHost().ExtenderGet("Name"));
  int i = FindChild(r, c, container);
  // A control that came after the first recording keeps its place and size.
  if (i == -1) return;
  const ResizeChild rec = r.children[static_cast<size_t>(i)];
  auto hidden_shift = [](std::optional<int32_t> now) { return now && *now < 0 ? HideOffset : 0; };
  if (IsLine(c)) {
    c.Set("x1", Variant(Scaled(rec.left, wp) - hidden_shift(ReadLong(c.Get("x1")))));
    c.Set("Y1", Variant(Scaled(rec.top, hp)));
    c.Set("x2", Variant(Scaled(rec.width, wp) - hidden_shift(ReadLong(c.Get("x2")))));
    c.Set("Y2", Variant(Scaled(rec.height, hp)));
    return;
  }
  const Variant place[] = {Variant(Scaled(rec.left, wp) - hidden_shift(ReadLong(c.Get("Left")))),
                           Variant(Scaled(rec.top, hp)), Variant(Scaled(rec.width, wp)),
                           Variant(Scaled(rec.height, hp))};
  // A control whose height cannot be set still gets its position and width.
  c.Call("Move", std::span<const Variant>(place, 4));
  c.Call("Move", std::span<const Variant>(place, 3));
  c.Call("Move", std::span<const Variant>(place, 2));
}

void ScaleContainedControls(FolivanTab& control) {
  ResizeState& r = control.State().resize;
  if (r.scaling) return;
  r.scaling = true;
  Host& host = control.GetHost();
  auto top = ReadLong(host.ExtenderGet("Top"));
  if (top && *top < 30000) {
    std::optional<Variant> visible = host.ExtenderGet("Visible");
    for (const ContainedControlPtr& c : host.ContainedControls()) {
      try {
        ScaleChild(control, *c);
      } catch (const VbError&) {
      }
    }
    if (visible) host.ExtenderSet("Visible", *visible);
  }
  r.scaling = false;
}

}  // namespace

int32_t UnhideLeft(int32_t v) { return v < 0 ? v + HideOffset : v; }

void HandleResize(FolivanTab& control) {
  ControlState& s = control.State();
  Host& host = control.GetHost();
  auto skip = [](auto&& step) {
    try {
      step();
    } catch (const VbError&) {
    }
  };
  if (!s.input.Scrolling) {
    control.Raise(EventId::Resize);
    if (s.AutoResizeControls && control.UserMode()) skip([&] { ScaleContainedControls(control); });
  }
  skip([&] { PlaceEmbeddedWindows(control); });
  if (s.SpreadToContainer) {
    skip([&] {
      host.ExtenderSet("Align", Variant(int16_t{0}));
      host.ExtenderSet("Left", Variant(int32_t{0}));
      if (auto width = host.ParentGet("ScaleWidth")) host.ExtenderSet("Width", *width);
      host.ExtenderSet("Align", Variant(int16_t{4}));
    });
  }
  skip([&] { Repaint(control); });
}

}  // namespace folivan
