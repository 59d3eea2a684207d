#include "render/strip_faces.h"

#include "core/folivan_tab.h"
#include "paint/primitives.h"
#include "platform/vb_runtime.h"

namespace folivan {

bool HasColor(const ControlState& s, Colors color) { return s.Color == static_cast<int32_t>(color); }

bool LunaMode(const ControlState& s) { return HasColor(s, Colors::kOffice2003) && s.LunaColors; }

Face TabFace(const ControlState& s, const TabRecord& tab) {
  const ColorSet& c = s.paint.colors;
  if (HasColor(s, Colors::kOffice2003)) {
    return s.NoteOneColors ? Face{tab.ColStart, tab.ColEnd} : Face{c.FaceTint, c.Face};
  }
  return Face::Solid(s.NoteOneColors ? tab.ColEnd : c.Face);
}

void DrawStripBackground(FolivanTab& control) {
  const ControlState& s = control.State();
  const ColorSet& c = s.paint.colors;
  const StripCanvas canvas(control);
  const Rect strip{0, 0, canvas.W(), s.StripH + 1};

  if (HasColor(s, Colors::kOffice2003)) {
    const ThemePalette& luna = SharedThemePalette();
    canvas.VerticalGradient(strip, s.LunaColors ? luna.LunaLight : c.Face, s.LunaColors ? luna.LunaLightest : c.FaceTint);
  } else if (HasColor(s, Colors::kVisualStudio)) {
    canvas.Fill(strip.left, strip.top, strip.Width(), strip.Height(), c.FaceTint);
  }
}

const TabRecord* ShownSelectedTab(const ControlState& s, const VisibleTabs& shown) {
  if (s.CurrentTab < shown.first || !s.IsValidTab(s.CurrentTab)) return nullptr;
  return &s.tabs[static_cast<size_t>(s.CurrentTab)];
}

const RgbColor* NoteOneSelectedColor(const ControlState& s, const VisibleTabs& shown) {
  const TabRecord* selected = ShownSelectedTab(s, shown);
  return s.NoteOneColors && selected != nullptr ? &selected->ColEnd : nullptr;
}

void StripCanvas::Pixel(Point at, RgbColor color) const { SetPixelColor(control_, at.x, at.y, color); }

RgbColor StripCanvas::ColorAt(Point at) const { return GetPixelColor(control_, at.x, at.y); }

void StripCanvas::Frame(int32_t x, int32_t y, int32_t width, int32_t height, RgbColor color) const {
  DrawRect(control_, x, y, width, height, color, true);
}

void StripCanvas::FaceFill(const Rect& area, Face face) const {
  if (face.top == face.bottom) {
    Fill(area.left, area.top, area.Width(), area.Height(), face.top);
  } else {
    VerticalGradient(area, face.top, face.bottom);
  }
}

int32_t StripCanvas::W() const { return CLng(control_.GetSurface().ScaleWidth()); }

int32_t StripCanvas::SH() const { return CLng(control_.GetSurface().ScaleHeight()); }

}  // namespace folivan
