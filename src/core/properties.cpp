// The property accessors. A write compares with the stored value and stops when
// equal, stores, then repaints, notifies and refreshes in the order each member
// has always had; indexed members ignore an index outside 0..Tabs-1.
#include <utility>

#include "core/folivan_tab.h"
#include "containment/resize.h"
#include "paint/repaint.h"
#include "platform/vb_runtime.h"

namespace folivan {

void FolivanTab::RefreshSurface() { GetSurface().Refresh(); }

void FolivanTab::Refresh() { Repaint(*this); }

RgbColor FolivanTab::TranslateColor(OleColor color, intptr_t palette) const {
  return system_.OleTranslateColor(color, palette).value_or(-1);
}

// --- whole control ----------------------------------------------------------------------

void FolivanTab::SetAppearance(int32_t value) {
  if (s_.Appearance == value) return;
  s_.Appearance = value;
  Repaint(*this);
  Notify("Appearance");
  Refresh();
}

void FolivanTab::SetBackgroundPicture(PicturePtr picture) {
  s_.BackgroundPicture = std::move(picture);
  Notify("BackPic");
  Repaint(*this);
}

void FolivanTab::SetColor(int32_t value) {
  if (s_.Color == value) return;
  s_.Color = value;
  Repaint(*this);
  Notify("Color");
}

void FolivanTab::SetColorSystem(int32_t value) {
  if (s_.ColorSystem == value) return;
  s_.ColorSystem = value;
  Repaint(*this);
  Notify("ColorSys");
  Refresh();
}

void FolivanTab::SetBackColor(OleColor value) {
  if (s_.BackColor == value) return;
  s_.BackColor = value;
  Notify("BackCol");
  RefreshSurface();
  Repaint(*this);
}

OleColor FolivanTab::GetClientAreaColor() {
  Surface& surface = GetSurface();
  int32_t x = CLng(surface.ScaleWidth() / 2);
  int32_t y = CLng(s_.StripH + surface.ScaleHeight() / 2);
  return static_cast<OleColor>(TranslateColor(static_cast<OleColor>(surface.GetPixel(x, y))));
}

namespace {
// The four shading colours share one write pattern.
template <typename Self>
void SetShadingColor(Self& self, OleColor& field, OleColor value, std::string_view key, bool full_refresh) {
  if (field == value) return;
  field = value;
  Repaint(self);
  self.Notify(key);
  if (full_refresh) {
    self.Refresh();
  } else {
    self.GetSurface().Refresh();
  }
}
}  // namespace

void FolivanTab::SetTabColorForeGround(OleColor value) {
  SetShadingColor(*this, s_.TabColorForeGround, value, "TabColFG", true);
}
void FolivanTab::SetTabColorShadow(OleColor value) {
  SetShadingColor(*this, s_.TabColorShadow, value, "TabColShadow", false);
}
void FolivanTab::SetTabColorLight(OleColor value) {
  SetShadingColor(*this, s_.TabColorLight, value, "TabColLight", false);
}
void FolivanTab::SetTabColorDarkShadow(OleColor value) {
  SetShadingColor(*this, s_.TabColorDarkShadow, value, "TabColDarkShadow", false);
}
void FolivanTab::SetTabColorHighLight(OleColor value) {
  SetShadingColor(*this, s_.TabColorHighLight, value, "TabColHighlight", false);
}

void FolivanTab::SetForeColor(OleColor value) {
  if (s_.ForeColor == value) return;
  s_.ForeColor = value;
  GetSurface().SetForeColor(static_cast<OleColor>(TranslateColor(value)));
  Notify("ForeCol");
  RefreshSurface();
  Repaint(*this);
}

void FolivanTab::SetToolTipStyle(int32_t value) {
  if (s_.ToolTipStyle == value) return;
  s_.ToolTipStyle = value;
  Notify("TipStyle");
}

void FolivanTab::SetFocusRect(bool value) {
  if (s_.FocusRect == value) return;
  s_.FocusRect = value;
  Notify("FOCUSR");
  RefreshSurface();
}

void FolivanTab::SetClientArea(bool value) {
  if (s_.ClientArea == value) return;
  s_.ClientArea = value;
  Resize();
  Notify("Client");
  Repaint(*this);
}

void FolivanTab::SetWizardDetails(bool value) {
  if (s_.WizardDetails == value) return;
  s_.WizardDetails = value;
  Notify("WizD");
  Repaint(*this);
}

void FolivanTab::SetWizardPictures(bool value) {
  if (s_.WizardPictures == value) return;
  s_.WizardPictures = value;
  Notify("ShowPics");
  Repaint(*this);
}

void FolivanTab::SetEnabled(bool value) {
  if (s_.Enabled == value) return;
  s_.Enabled = value;
  GetSurface().SetEnabled(value);
  Notify("Enab");
}

FontDesc FolivanTab::Font() const { return GetSurface().Font(); }

void FolivanTab::SetFont(const FontDesc& font) {
  GetSurface().SetFont(font);
  Notify("FONT");
  Repaint(*this);
}

namespace {
template <typename Self>
void SetFlag(Self& self, bool& field, bool value, std::string_view key, bool repaint) {
  if (field == value) return;
  field = value;
  self.Notify(key);
  if (repaint) Repaint(self);
}
}  // namespace

void FolivanTab::SetHotTracking(bool value) { SetFlag(*this, s_.HotTracking, value, "HT", false); }
void FolivanTab::SetShowToolTip(bool value) { SetFlag(*this, s_.ShowToolTip, value, "STT", false); }
void FolivanTab::SetBoldSelected(bool value) { SetFlag(*this, s_.BoldSelected, value, "BLD", true); }
void FolivanTab::SetLunaColors(bool value) { SetFlag(*this, s_.LunaColors, value, "Luna", true); }
void FolivanTab::SetNoteOneColors(bool value) { SetFlag(*this, s_.NoteOneColors, value, "Note", true); }
void FolivanTab::SetAutoFocusControls(bool value) { SetFlag(*this, s_.AutoFocusControls, value, "Auto", false); }
void FolivanTab::SetAutoResizeControls(bool value) {
  SetFlag(*this, s_.AutoResizeControls, value, "AutoRes", false);
}
void FolivanTab::SetPlainTab(bool value) { SetFlag(*this, s_.PlainTab, value, "Plain", true); }

WindowHandle FolivanTab::hwnd() const { return GetSurface().Hwnd(); }
DeviceHandle FolivanTab::hdc() const { return GetSurface().Hdc(); }
bool FolivanTab::HasDC() const { return GetSurface().HasDC(); }

void FolivanTab::SetTabDimensions(int16_t& width, int16_t& height) {
  Surface& surface = GetSurface();
  surface.SetWidth(static_cast<double>(width));
  surface.SetHeight(static_cast<double>(height));
}

// --- the current tab ---------------------------------------------------------------------

std::string FolivanTab::Caption() const {
  const TabRecord* tab = s_.Current();
  return tab ? tab->Caption : std::string();
}

void FolivanTab::SetCaption(const std::string& value) {
  TabRecord* tab = s_.Current();
  if (tab == nullptr || tab->Caption == value) return;
  tab->Caption = value;
  RefreshAccessKeys(s_.CurrentTab, value);
  Repaint(*this);
  Notify("TabCaption");
  Notify("Caption");
}

bool FolivanTab::TabEnabled() const {
  const TabRecord* tab = s_.Current();
  return tab != nullptr && tab->Enabled;
}

void FolivanTab::SetTabEnabled(bool value) {
  TabRecord* tab = s_.Current();
  if (tab == nullptr) return;
  tab->Enabled = value;
  Notify("TabEnabled");
  Notify("iTabEnabled");
  Repaint(*this);
}

PicturePtr FolivanTab::TabPicture() const {
  const TabRecord* tab = s_.Current();
  return tab ? tab->Pic : nullptr;
}

namespace {
// A picture that holds no image is stored as none.
PicturePtr Normalized(PicturePtr picture) {
  if (picture && picture->Handle() == 0) return nullptr;
  return picture;
}
}  // namespace

void FolivanTab::SetTabPicture(PicturePtr picture) {
  TabRecord* tab = s_.Current();
  if (tab == nullptr) return;
  tab->Pic = Normalized(std::move(picture));
  Notify("TabPicture");
  Notify("iTabPicture");
  Repaint(*this);
  RefreshSurface();
}

RgbColor FolivanTab::cTabStartColor() { return TranslateColor(static_cast<OleColor>(s_.cTabStartColor)); }
RgbColor FolivanTab::cTabEndColor() { return TranslateColor(static_cast<OleColor>(s_.cTabEndColor)); }

void FolivanTab::SetcTabStartColor(OleColor value) {
  s_.cTabStartColor = TranslateColor(value);
  TabRecord* tab = s_.Current();
  if (tab == nullptr) throw vberr::SubscriptOutOfRange();
  tab->ColStart = s_.cTabStartColor;
  Notify("TabColStart(" + std::to_string(s_.CurrentTab) + ")");
  Refresh();
}

void FolivanTab::SetcTabEndColor(OleColor value) {
  s_.cTabEndColor = TranslateColor(value);
  TabRecord* tab = s_.Current();
  if (tab == nullptr) throw vberr::SubscriptOutOfRange();
  tab->ColEnd = s_.cTabEndColor;
  Notify("TabColEnd(" + std::to_string(s_.CurrentTab) + ")");
  Refresh();
}

// --- tabs by index --------------------------------------------------------------------------

std::string FolivanTab::TabCaption(int16_t index) const {
  return s_.IsValidTab(index) ? s_.tabs[static_cast<size_t>(index)].Caption : std::string();
}

void FolivanTab::SetTabCaption(int16_t index, const std::string& value) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  if (tab.Caption == value) return;
  tab.Caption = value;
  Notify("TabCaption");
  RefreshAccessKeys(index, value);
  Repaint(*this);
}

std::string FolivanTab::TabPassword(int16_t index) const {
  return s_.IsValidTab(index) ? s_.tabs[static_cast<size_t>(index)].Pass : std::string();
}

void FolivanTab::SetTabPassword(int16_t index, const std::string& value) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  if (tab.Pass == value) return;
  tab.Pass = value;
  Notify("PassWord");
  RefreshSurface();
}

Variant FolivanTab::TagVariant(int16_t index) const {
  return s_.IsValidTab(index) ? s_.tabs[static_cast<size_t>(index)].TagVar : Variant();
}

void FolivanTab::SetTagVariant(int16_t index, const Variant& value) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  if (tab.TagVar == value) return;
  tab.TagVar = value;
  Notify("TagV");
  RefreshSurface();
}

std::string FolivanTab::TabToolTip(int16_t index) const {
  return s_.IsValidTab(index) ? s_.tabs[static_cast<size_t>(index)].TipText : std::string();
}

void FolivanTab::SetTabToolTip(int16_t index, const std::string& value) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  if (tab.TipText == value) return;
  tab.TipText = value;
  Notify("TabToolTip");
  RefreshSurface();
}

bool FolivanTab::iTabEnabled(int16_t index) const {
  return s_.IsValidTab(index) && s_.tabs[static_cast<size_t>(index)].Enabled;
}

void FolivanTab::SetiTabEnabled(int16_t index, bool value) {
  if (!s_.IsValidTab(index)) return;
  TabRecord& tab = s_.tabs[static_cast<size_t>(index)];
  if (tab.Enabled == value) return;
  tab.Enabled = value;
  Notify("iTabEnabled");
  Repaint(*this);
}

PicturePtr FolivanTab::iTabPicture(int16_t index) const {
  return s_.IsValidTab(index) ? s_.tabs[static_cast<size_t>(index)].Pic : nullptr;
}

void FolivanTab::SetiTabPicture(int16_t index, PicturePtr picture) {
  if (!s_.IsValidTab(index)) return;
  s_.tabs[static_cast<size_t>(index)].Pic = Normalized(std::move(picture));
  Notify("iTabPicture");
  Repaint(*this);
}

RgbColor FolivanTab::TabStartColor(int16_t index) {
  if (!s_.IsValidTab(index)) return 0;
  return TranslateColor(static_cast<OleColor>(s_.tabs[static_cast<size_t>(index)].ColStart));
}

void FolivanTab::SetTabStartColor(int16_t index, OleColor value) {
  if (!s_.IsValidTab(index)) return;
  s_.tabs[static_cast<size_t>(index)].ColStart = TranslateColor(value);
  Notify("TabColStart(" + std::to_string(index) + ")");
  Refresh();
}

RgbColor FolivanTab::TabEndColor(int16_t index) {
  if (!s_.IsValidTab(index)) return 0;
  return TranslateColor(static_cast<OleColor>(s_.tabs[static_cast<size_t>(index)].ColEnd));
}

void FolivanTab::SetTabEndColor(int16_t index, OleColor value) {
  if (!s_.IsValidTab(index)) return;
  s_.tabs[static_cast<size_t>(index)].ColEnd = TranslateColor(value);
  Notify("TabColEnd(" + std::to_string(index) + ")");
  Refresh();
}

// --- private members ---------------------------------------------------------------------------

void FolivanTab::SetHidd(int16_t value) {
  if (s_.Hidd == value) return;
  s_.Hidd = value;
  Notify("Hidd");
}

void FolivanTab::SetHiddR(int16_t value) {
  if (s_.HiddR == value) return;
  s_.HiddR = value;
  Notify("HiddR");
}

void FolivanTab::SetmShowScrollBar(bool value) {
  if (s_.mShowScrollBar == value) return;
  s_.mShowScrollBar = value;
  Notify("mShowScrollBar");
}

TabRecord& FolivanTab::Record(int16_t index) {
  if (index < 0 || static_cast<size_t>(index) >= s_.tabs.size()) throw vberr::SubscriptOutOfRange();
  return s_.tabs[static_cast<size_t>(index)];
}

// No comparison: writing true again makes the control fill its container again.
void FolivanTab::SetSpreadToContainer(bool value) {
  s_.SpreadToContainer = value;
  if (value) {
    Notify("Spread");
    HandleResize(*this);
  } else {
    host_.ExtenderSet("Align", Variant(int16_t{0}));
  }
}

}  // namespace folivan
