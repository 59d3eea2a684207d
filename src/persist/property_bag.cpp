// Saving and loading the control through the host's property bag: every key,
// its default and the order of writing and reading.
#include <string>

#include "containment/switcher.h"
#include "core/folivan_tab.h"
#include "core/text.h"
#include "input/design_subclass.h"
#include "paint/colors.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

std::string Indexed(std::string_view prefix, int32_t i) { return std::string(prefix) + std::to_string(i) + ")"; }
std::string EntryKey(int32_t tab, std::string_view what, int32_t j) {
  return "Tab(" + std::to_string(tab) + ")" + std::string(what) + std::to_string(j) + ")";
}

Variant Long(int32_t v) { return Variant(v); }
Variant Long(OleColor v) { return Variant(static_cast<int32_t>(v)); }
Variant Int(int16_t v) { return Variant(v); }
Variant Bool(bool v) { return Variant::Bool(v); }

}  // namespace

void FolivanTab::WriteProperties(PropertyBag& bag) {
  RecordCurrentTabControls(*this);
  Surface& surface = GetSurface();
  const TabRecord* current = s_.Current();

  bag.Write("Auto", Bool(s_.AutoFocusControls), Bool(false));
  bag.Write("ColorSys", Long(s_.ColorSystem), Long(1));
  bag.Write("LastActTab", Int(s_.LastActTab), Int(0));
  bag.Write("ShowPics", Bool(s_.WizardPictures), Bool(true));
  bag.Write("WizD", Bool(s_.WizardDetails), Bool(true));
  bag.Write("STT", Bool(s_.ShowToolTip), Bool(true));
  bag.Write("TipStyle", Long(s_.ToolTipStyle), Long(1));
  bag.Write("FONT", Variant(surface.Font()), std::nullopt);
  bag.Write("Appearance", Long(s_.Appearance), Long(1));
  bag.Write("Color", Long(s_.Color), Long(1));
  bag.Write("Tabs", Int(s_.Tabs), Int(0));
  bag.Write("Luna", Bool(s_.LunaColors), Bool(false));
  bag.Write("Note", Bool(s_.NoteOneColors), Bool(false));
  bag.Write("Plain", Bool(s_.PlainTab), Bool(false));
  bag.Write("StripH", Int(s_.StripH), Int(21));
  bag.Write("Caption", Variant(current ? current->Caption : std::string()), Variant(std::string()));
  bag.Write("CurrentTab", Int(s_.CurrentTab), Int(0));
  bag.Write("sHowerTab", Int(s_.sHowerTab), Int(-1));
  OleColor ambient_back = host_.AmbientBackColor();
  bag.Write("BackCol", Long(s_.BackColor), Long(ambient_back));
  bag.Write("TabColFG", Long(s_.TabColorForeGround), Long(system_.GetSysColor(syscolor::kBtnFace)));
  bag.Write("TabColShadow", Long(s_.TabColorShadow), Long(system_.GetSysColor(syscolor::kBtnShadow)));
  bag.Write("TabColLight", Long(s_.TabColorLight), Long(system_.GetSysColor(syscolor::k3DLight)));
  bag.Write("TabColDarkShadow", Long(s_.TabColorDarkShadow), Long(system_.GetSysColor(syscolor::k3DDkShadow)));
  bag.Write("TabColHighlight", Long(s_.TabColorHighLight), Long(system_.GetSysColor(syscolor::kBtnHighlight)));
  bag.Write("ForeCol", Long(s_.ForeColor), Long(ambient_back));
  bag.Write("Enab", Bool(s_.Enabled), Bool(true));
  bag.Write("Hidd", Int(s_.Hidd), Int(0));
  bag.Write("AutoRes", Bool(s_.AutoResizeControls), Bool(false));
  bag.Write("HiddR", Int(s_.HiddR), Int(0));
  bag.Write("mShowScrollBar", Bool(s_.mShowScrollBar), Bool(false));
  bag.Write("TabEnabled", Bool(current != nullptr && current->Enabled), Bool(true));
  bag.Write("BLD", Bool(s_.BoldSelected), Bool(false));
  bag.Write("FocusR", Bool(s_.FocusRect), Bool(false));
  bag.Write("HT", Bool(s_.HotTracking), Bool(false));
  bag.Write("BackPic", Variant(s_.BackgroundPicture), Variant(PicturePtr()));
  bag.Write("TabPicture", Variant(current ? current->Pic : PicturePtr()), Variant(PicturePtr()));
  bag.Write("Client", Bool(s_.ClientArea), Bool(true));
  bag.Write("Spread", Bool(s_.SpreadToContainer), Bool(false));

  for (int16_t i = 0; i < s_.Tabs && static_cast<size_t>(i) < s_.tabs.size(); ++i) {
    TabRecord& tab = s_.tabs[static_cast<size_t>(i)];
    std::string default_caption = "Tab " + std::to_string(i);
    bag.Write(Indexed("TabColStart(", i), Long(tab.ColStart), Long(0));
    bag.Write(Indexed("TabColEnd(", i), Long(tab.ColEnd), Long(0));
    bag.Write(Indexed("TagV(", i), tab.TagVar, Variant(std::string()));
    bag.Write(Indexed("Password(", i), Variant(tab.Pass), Variant(std::string()));
    bag.Write(Indexed("TabCaption(", i), Variant(tab.Caption), Variant(default_caption));
    bag.Write(Indexed("TabToolTip(", i), Variant(tab.TipText), Variant(default_caption));
    bag.Write(Indexed("iTabEnabled(", i), Bool(tab.Enabled), Bool(true));
    bag.Write(Indexed("iTabPicture(", i), Variant(tab.Pic), Variant(PicturePtr()));
    RefreshAccessKeys(i, tab.Caption);
    bag.Write(Indexed("Access(", i), Variant(tab.Access), Variant(std::string()));
    if (tab.ControlDetails) {
      const auto& entries = tab.ControlDetails->Entries();
      bag.Write(Indexed("TabContCtrlCnt(", i), Long(static_cast<int32_t>(entries.size())), Long(0));
      for (size_t j = 0; j < entries.size(); ++j) {
        int32_t n = static_cast<int32_t>(j + 1);
        bag.Write(EntryKey(i, "ContCtrlCap(", n), Variant(entries[j].ControlID), std::nullopt);
        bag.Write(EntryKey(i, "CtrlEnabled(", n), Bool(entries[j].CtlEnabled), std::nullopt);
        bag.Write(EntryKey(i, "CtrlTabStop(", n), Bool(entries[j].TabStop), std::nullopt);
      }
    }
  }

  bag.Write("DCtrlCount", Int(static_cast<int16_t>(s_.CommonControls.Count())), Int(0));
  for (int32_t k = 0; k < s_.CommonControls.Count(); ++k) {
    bag.Write(Indexed("DefCtrlCap(", k + 1), Variant(s_.CommonControls.Entries()[static_cast<size_t>(k)].second),
              std::nullopt);
  }
}

void FolivanTab::ReadProperties(PropertyBag& bag) {
  Surface& surface = GetSurface();
  DetectWindowsVersion(*this);
  s_.ThemeCode = DetectThemeColors(*this, surface.Hwnd());

  auto read_int = [&](std::string_view key, int16_t def) { return ToInteger(bag.Read(key, Int(def))); };
  auto read_long = [&](std::string_view key, int32_t def) { return ToLong(bag.Read(key, Long(def))); };
  auto read_color = [&](std::string_view key, OleColor def) {
    return static_cast<OleColor>(ToLong(bag.Read(key, Long(def))));
  };
  auto read_bool = [&](std::string_view key, bool def) { return ToBoolean(bag.Read(key, Bool(def))); };
  auto read_picture = [&](std::string_view key) -> PicturePtr {
    Variant v = bag.Read(key, Variant(PicturePtr()));
    if (v.Is<PicturePtr>()) return v.As<PicturePtr>();
    if (v.IsEmpty()) return nullptr;
    throw vberr::TypeMismatch();
  };

  s_.AutoResizeControls = read_bool("AutoRes", false);
  s_.Tabs = read_int("Tabs", 0);
  s_.AutoFocusControls = read_bool("Auto", false);
  s_.ColorSystem = read_long("ColorSys", 1);
  s_.LastActTab = read_int("LastActTab", 0);
  s_.WizardPictures = read_bool("ShowPics", true);
  s_.WizardDetails = read_bool("WizD", true);
  s_.Appearance = read_long("Appearance", 1);
  s_.Color = read_long("Color", 1);
  s_.StripH = read_int("StripH", 21);
  // The current tab's caption, enabled state and picture are read before any
  // tab exists; the per-tab keys decide the tabs' values.
  ToText(bag.Read("Caption", Variant(std::string())));
  s_.CurrentTab = read_int("CurrentTab", 0);
  s_.sHowerTab = read_int("sHowerTab", -1);
  OleColor ambient_back = host_.AmbientBackColor();
  s_.BackColor = read_color("BackCol", ambient_back);
  s_.TabColorShadow = read_color("TabColShadow", static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnShadow)));
  s_.TabColorLight = read_color("TabColLight", static_cast<OleColor>(system_.GetSysColor(syscolor::k3DLight)));
  s_.TabColorDarkShadow =
      read_color("TabColDarkShadow", static_cast<OleColor>(system_.GetSysColor(syscolor::k3DDkShadow)));
  s_.TabColorHighLight =
      read_color("TabColHighlight", static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnHighlight)));
  s_.TabColorForeGround = read_color("TabColFG", static_cast<OleColor>(system_.GetSysColor(syscolor::kBtnFace)));
  s_.ForeColor = read_color("ForeCol", ambient_back);
  s_.Enabled = read_bool("Enab", true);
  s_.LunaColors = read_bool("Luna", false);
  s_.NoteOneColors = read_bool("Note", false);
  s_.SpreadToContainer = read_bool("Spread", false);
  s_.PlainTab = read_bool("Plain", false);
  read_bool("TabEnabled", true);
  {
    Variant font = bag.Read("FONT", Variant(surface.Font()));
    if (!font.Is<FontDesc>()) throw vberr::TypeMismatch();
    surface.SetFont(font.As<FontDesc>());
  }
  s_.BoldSelected = read_bool("BLD", false);
  s_.FocusRect = read_bool("FocusR", false);
  s_.HotTracking = read_bool("HT", false);
  s_.Hidd = read_int("Hidd", 0);
  s_.HiddR = read_int("HiddR", 0);
  s_.mShowScrollBar = read_bool("mShowScrollBar", false);
  s_.BackgroundPicture = read_picture("BackPic");
  read_picture("TabPicture");
  s_.ShowToolTip = read_bool("STT", true);
  s_.ToolTipStyle = read_long("TipStyle", 1);
  s_.ClientArea = read_bool("Client", true);

  if (s_.Tabs < 1) return;

  s_.tabs.assign(static_cast<size_t>(s_.Tabs), TabRecord{});
  for (int16_t i = 0; i < s_.Tabs; ++i) {
    TabRecord& tab = s_.tabs[static_cast<size_t>(i)];
    std::string default_caption = "Tab " + std::to_string(i);
    tab.ColStart = read_long(Indexed("TabColStart(", i), 0);
    tab.ColEnd = read_long(Indexed("TabColEnd(", i), 0);
    tab.TagVar = bag.Read(Indexed("TagV(", i), Variant(std::string()));
    tab.Pass = ToText(bag.Read(Indexed("Password(", i), Variant(std::string())));
    tab.Caption = ToText(bag.Read(Indexed("TabCaption(", i), Variant(default_caption)));
    tab.TipText = ToText(bag.Read(Indexed("TabToolTip(", i), Variant(default_caption)));
    tab.Enabled = read_bool(Indexed("iTabEnabled(", i), true);
    tab.Access = ToText(bag.Read(Indexed("Access(", i), Variant(std::string())));
    surface.SetAccessKeys(surface.AccessKeys() + UpperCase(tab.Access));
    tab.Pic = read_picture(Indexed("iTabPicture(", i));
    int16_t count = read_int(Indexed("TabContCtrlCnt(", i), 0);
    tab.ControlDetails = std::make_shared<ControlDetailsList>();
    for (int16_t j = 1; j <= count; ++j) {
      ControlDetails details;
      details.ControlID = ToText(bag.Read(EntryKey(i, "ContCtrlCap(", j), Variant(std::string())));
      details.CtlEnabled = read_bool(EntryKey(i, "CtrlEnabled(", j), true);
      details.TabStop = read_bool(EntryKey(i, "CtrlTabStop(", j), true);
      if (!tab.ControlDetails->Add(details)) throw vberr::DuplicateKey();
    }
  }

  s_.CommonControls = {};
  int16_t common = read_int("DCtrlCount", 0);
  for (int16_t k = 1; k <= common; ++k) {
    s_.CommonControls.Append(ToText(bag.Read(Indexed("DefCtrlCap(", k), Variant(std::string()))));
  }

  if (!UserMode() && !s_.Subclassed) InstallDesignSubclass(*this);
}

}  // namespace folivan
