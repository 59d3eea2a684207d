#include "core/dispatch.h"


#include "core/folivan_tab.h"
#include "core/text.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

using K = ValueKind;

const std::vector<MemberInfo>& Table() {
  static const std::vector<MemberInfo> table = {
      // Methods.
      {"SetTabDimensions", 0x60030037, true, false, false, K::kNone,
       {{"Width", K::kInteger}, {"Height", K::kInteger}}},
      {"JumpToTab", 0x60030038, true, false, false, K::kNone,
       {{"TabNo", K::kInteger, true}, {"TabCaption", K::kText, true}}},
      {"RemoveTab", 0x60030039, true, false, false, K::kNone, {{"WhichToRemove", K::kInteger}}},
      {"HideTab", 0x6003003a, true, false, false, K::kNone, {{"Index", K::kInteger}}},
      {"ShowHiddenTab", 0x6003003b, true, false, false, K::kNone, {{"Index", K::kInteger}}},
      {"InsertTab", 0x6003003c, true, false, false, K::kNone, {{"AtIndex", K::kVariant, true}}},
      {"SwapTabs", 0x6003003d, true, false, false, K::kNone, {{"Tab1", K::kInteger}, {"Tab2", K::kInteger}}},
      {"Refresh", 0x6003003e, true, false, false, K::kNone, {}},
      {"InsertControl", 0x600300a6, true, false, false, K::kNone,
       {{"Ctl", K::kObject},
        {"AtIndex", K::kInteger},
        {"Left", K::kVariant, true},
        {"Top", K::kVariant, true},
        {"Width", K::kVariant, true},
        {"Height", K::kVariant, true},
        {"Stretch", K::kBoolean, true}}},
      {"InsertWindow", 0x600300a8, true, false, false, K::kNone, {{"Form", K::kObject}, {"TabNo", K::kInteger}}},
      {"EmbedWindow", 0x600300a9, true, false, false, K::kNone, {{"cHwnd", K::kLong}, {"TabNo", K::kInteger}}},
      {"GetControlDimensions", 0x600300aa, true, false, false, K::kVariant,
       {{"Left", K::kVariant}, {"Top", K::kVariant}, {"Width", K::kVariant}, {"Height", K::kVariant}}},
      // Properties of the whole control.
      {"Appearance", 0x68030036, false, true, true, K::kLong, {}},
      {"BackgroundPicture", 0x68030032, false, true, true, K::kPicture, {}},
      {"Color", 0x68030031, false, true, true, K::kLong, {}},
      {"ColorSystem", 0x68030030, false, true, true, K::kLong, {}},
      {"BackColor", 0x6803002f, false, true, true, K::kColor, {}},
      {"GetClientAreaColor", 0x6803002e, false, true, false, K::kColor, {}},
      {"TabColorForeGround", 0x6803002d, false, true, true, K::kColor, {}},
      {"TabColorShadow", 0x6803002c, false, true, true, K::kColor, {}},
      {"TabColorLight", 0x6803002b, false, true, true, K::kColor, {}},
      {"TabColorDarkShadow", 0x6803002a, false, true, true, K::kColor, {}},
      {"TabColorHighLight", 0x68030029, false, true, true, K::kColor, {}},
      {"ForeColor", 0x68030028, false, true, true, K::kColor, {}},
      {"ToolTipStyle", 0x68030027, false, true, true, K::kLong, {}},
      {"FocusRect", 0x68030026, false, true, true, K::kBoolean, {}},
      {"ClientArea", 0x68030025, false, true, true, K::kBoolean, {}},
      {"WizardDetails", 0x68030024, false, true, true, K::kBoolean, {}},
      {"WizardPictures", 0x68030023, false, true, true, K::kBoolean, {}},
      {"Enabled", 0x68030022, false, true, true, K::kBoolean, {}},
      {"Tabs", 0x68030021, false, true, true, K::kInteger, {}},
      {"Font", 0x68030020, false, true, true, K::kFont, {}},
      {"CurrentTab", 0x68030015, false, true, true, K::kInteger, {}},
      {"HotTracking", 0x68030014, false, true, true, K::kBoolean, {}},
      {"ShowToolTip", 0x68030013, false, true, true, K::kBoolean, {}},
      {"BoldSelected", 0x68030012, false, true, true, K::kBoolean, {}},
      {"LunaColors", 0x6803000f, false, true, true, K::kBoolean, {}},
      {"NoteOneColors", 0x6803000e, false, true, true, K::kBoolean, {}},
      {"AutoFocusControls", 0x6803000d, false, true, true, K::kBoolean, {}},
      {"AutoResizeControls", 0x6803000c, false, true, true, K::kBoolean, {}},
      {"PlainTab", 0x6803000b, false, true, true, K::kBoolean, {}},
      {"hwnd", 0x68030009, false, true, false, K::kLong, {}},
      {"hdc", 0x68030007, false, true, false, K::kLong, {}},
      {"HasDC", 0x68030006, false, true, false, K::kBoolean, {}},
      {"IControls", 0x68030005, false, true, true, K::kObject, {}},
      {"SpreadToContainer", 0x68030004, false, true, true, K::kBoolean, {}},
      // Properties of the current tab.
      {"Caption", 0x6803001f, false, true, true, K::kText, {}},
      {"TabEnabled", 0x6803001a, false, true, true, K::kBoolean, {}},
      {"TabPicture", 0x68030018, false, true, true, K::kPicture, {}},
      {"cTabStartColor", 0x68030002, false, true, true, K::kColor, {}},
      {"cTabEndColor", 0x68030000, false, true, true, K::kColor, {}},
      // Properties of a tab by index.
      {"TabCaption", 0x6803001e, false, true, true, K::kText, {{"Index", K::kInteger}}},
      {"TabPassword", 0x6803001d, false, true, true, K::kText, {{"Index", K::kInteger}}},
      {"TagVariant", 0x6803001c, false, true, true, K::kVariant, {{"Index", K::kInteger}}},
      {"TabToolTip", 0x6803001b, false, true, true, K::kText, {{"Index", K::kInteger}}},
      {"iTabEnabled", 0x68030019, false, true, true, K::kBoolean, {{"Index", K::kInteger}}},
      {"iTabPicture", 0x68030017, false, true, true, K::kPicture, {{"Index", K::kInteger}}},
      {"TabStartColor", 0x68030003, false, true, true, K::kColor, {{"Index", K::kInteger}}},
      {"TabEndColor", 0x68030001, false, true, true, K::kColor, {{"Index", K::kInteger}}},
  };
  return table;
}

[[noreturn]] void NotYetSupported() { throw VbError(445, "Object doesn't support this action"); }

OleColor ToColor(const Variant& v) { return static_cast<OleColor>(ToLong(v)); }
Variant FromColor(int64_t c) { return Variant(static_cast<int32_t>(static_cast<uint32_t>(c))); }

PicturePtr ToPicture(const Variant& v) {
  if (v.Is<PicturePtr>()) return v.As<PicturePtr>();
  if (v.IsEmpty()) return nullptr;
  // Nothing (a zero handle) is the only non-object a picture accepts.
  if ((v.Is<int16_t>() || v.Is<int32_t>()) && ToLong(v) == 0) return nullptr;
  throw vberr::TypeMismatch();
}

FontDesc ToFont(const Variant& v) {
  if (v.Is<FontDesc>()) return v.As<FontDesc>();
  throw vberr::TypeMismatch();
}

// An object argument: Nothing, and any value that is no object, give null
// (the members that take objects ignore a call without one).
ObjectPtr ToObject(const Variant& v) {
  if (v.Is<ObjectPtr>()) return v.As<ObjectPtr>();
  return nullptr;
}

int16_t IndexArg(std::span<Variant> index) {
  if (index.size() != 1) throw VbError(450, "Wrong number of arguments or invalid property assignment");
  return ToInteger(index[0]);
}

void RequireNoIndex(std::span<Variant> index) {
  if (!index.empty()) throw VbError(450, "Wrong number of arguments or invalid property assignment");
}

}  // namespace

std::span<const MemberInfo> AllMembers() { return Table(); }

const MemberInfo* FindMember(std::string_view name) {
  for (const MemberInfo& m : Table()) {
    if (EqualsIgnoreCase(m.name, name)) return &m;
  }
  return nullptr;
}

Variant GetMember(FolivanTab& c, const MemberInfo& m, std::span<Variant> index) {
  if (!m.can_get) throw VbError(451, "Property let procedure not defined and property get procedure did not return an object");
  if (!m.params.empty()) {
    int16_t i = IndexArg(index);
    switch (m.dispid) {
      case 0x6803001e: return Variant(c.TabCaption(i));
      case 0x6803001d: return Variant(c.TabPassword(i));
      case 0x6803001c: return c.TagVariant(i);
      case 0x6803001b: return Variant(c.TabToolTip(i));
      case 0x68030019: return Variant::Bool(c.iTabEnabled(i));
      case 0x68030017: return Variant(c.iTabPicture(i));
      case 0x68030003: return FromColor(c.TabStartColor(i));
      case 0x68030001: return FromColor(c.TabEndColor(i));
    }
    NotYetSupported();
  }
  RequireNoIndex(index);
  switch (m.dispid) {
    case 0x68030036: return Variant(c.Appearance());
    case 0x68030032: return Variant(c.BackgroundPicture());
    case 0x68030031: return Variant(c.Color());
    case 0x68030030: return Variant(c.ColorSystem());
    case 0x6803002f: return FromColor(c.BackColor());
    case 0x6803002e: return FromColor(c.GetClientAreaColor());
    case 0x6803002d: return FromColor(c.TabColorForeGround());
    case 0x6803002c: return FromColor(c.TabColorShadow());
    case 0x6803002b: return FromColor(c.TabColorLight());
    case 0x6803002a: return FromColor(c.TabColorDarkShadow());
    case 0x68030029: return FromColor(c.TabColorHighLight());
    case 0x68030028: return FromColor(c.ForeColor());
    case 0x68030027: return Variant(c.ToolTipStyle());
    case 0x68030026: return Variant::Bool(c.FocusRect());
    case 0x68030025: return Variant::Bool(c.ClientArea());
    case 0x68030024: return Variant::Bool(c.WizardDetails());
    case 0x68030023: return Variant::Bool(c.WizardPictures());
    case 0x68030022: return Variant::Bool(c.Enabled());
    case 0x68030021: return Variant(c.Tabs());
    case 0x68030020: return Variant(c.Font());
    case 0x68030015: return Variant(c.CurrentTab());
    case 0x68030014: return Variant::Bool(c.HotTracking());
    case 0x68030013: return Variant::Bool(c.ShowToolTip());
    case 0x68030012: return Variant::Bool(c.BoldSelected());
    case 0x6803000f: return Variant::Bool(c.LunaColors());
    case 0x6803000e: return Variant::Bool(c.NoteOneColors());
    case 0x6803000d: return Variant::Bool(c.AutoFocusControls());
    case 0x6803000c: return Variant::Bool(c.AutoResizeControls());
    case 0x6803000b: return Variant::Bool(c.PlainTab());
    case 0x68030009: return Variant(static_cast<int32_t>(c.hwnd()));
    case 0x68030007: return Variant(static_cast<int32_t>(c.hdc()));
    case 0x68030006: return Variant::Bool(c.HasDC());
    case 0x68030005: return Variant(c.IControls());
    case 0x68030004: return Variant::Bool(c.SpreadToContainer());
    case 0x6803001f: return Variant(c.Caption());
    case 0x6803001a: return Variant::Bool(c.TabEnabled());
    case 0x68030018: return Variant(c.TabPicture());
    case 0x68030002: return FromColor(c.cTabStartColor());
    case 0x68030000: return FromColor(c.cTabEndColor());
  }
  NotYetSupported();
}

void PutMember(FolivanTab& c, const MemberInfo& m, std::span<Variant> index, const Variant& v) {
  if (!m.can_put) throw VbError(383, "Property is read-only");
  if (!m.params.empty()) {
    int16_t i = IndexArg(index);
    switch (m.dispid) {
      case 0x6803001e: return c.SetTabCaption(i, ToText(v));
      case 0x6803001d: return c.SetTabPassword(i, ToText(v));
      case 0x6803001c: return c.SetTagVariant(i, v);
      case 0x6803001b: return c.SetTabToolTip(i, ToText(v));
      case 0x68030019: return c.SetiTabEnabled(i, ToBoolean(v));
      case 0x68030017: return c.SetiTabPicture(i, ToPicture(v));
      case 0x68030003: return c.SetTabStartColor(i, ToColor(v));
      case 0x68030001: return c.SetTabEndColor(i, ToColor(v));
    }
    NotYetSupported();
  }
  RequireNoIndex(index);
  switch (m.dispid) {
    case 0x68030036: return c.SetAppearance(ToLong(v));
    case 0x68030032: return c.SetBackgroundPicture(ToPicture(v));
    case 0x68030031: return c.SetColor(ToLong(v));
    case 0x68030030: return c.SetColorSystem(ToLong(v));
    case 0x6803002f: return c.SetBackColor(ToColor(v));
    case 0x6803002d: return c.SetTabColorForeGround(ToColor(v));
    case 0x6803002c: return c.SetTabColorShadow(ToColor(v));
    case 0x6803002b: return c.SetTabColorLight(ToColor(v));
    case 0x6803002a: return c.SetTabColorDarkShadow(ToColor(v));
    case 0x68030029: return c.SetTabColorHighLight(ToColor(v));
    case 0x68030028: return c.SetForeColor(ToColor(v));
    case 0x68030027: return c.SetToolTipStyle(ToLong(v));
    case 0x68030026: return c.SetFocusRect(ToBoolean(v));
    case 0x68030025: return c.SetClientArea(ToBoolean(v));
    case 0x68030024: return c.SetWizardDetails(ToBoolean(v));
    case 0x68030023: return c.SetWizardPictures(ToBoolean(v));
    case 0x68030022: return c.SetEnabled(ToBoolean(v));
    case 0x68030021: return c.SetTabs(ToInteger(v));
    case 0x68030020: return c.SetFont(ToFont(v));
    case 0x68030015: return c.SetCurrentTab(ToInteger(v));
    case 0x68030014: return c.SetHotTracking(ToBoolean(v));
    case 0x68030013: return c.SetShowToolTip(ToBoolean(v));
    case 0x68030012: return c.SetBoldSelected(ToBoolean(v));
    case 0x6803000f: return c.SetLunaColors(ToBoolean(v));
    case 0x6803000e: return c.SetNoteOneColors(ToBoolean(v));
    case 0x6803000d: return c.SetAutoFocusControls(ToBoolean(v));
    case 0x6803000c: return c.SetAutoResizeControls(ToBoolean(v));
    case 0x6803000b: return c.SetPlainTab(ToBoolean(v));
    case 0x68030005: return c.SetIControls(ToObject(v));
    case 0x68030004: return c.SetSpreadToContainer(ToBoolean(v));
    case 0x6803001f: return c.SetCaption(ToText(v));
    case 0x6803001a: return c.SetTabEnabled(ToBoolean(v));
    case 0x68030018: return c.SetTabPicture(ToPicture(v));
    case 0x68030002: return c.SetcTabStartColor(ToColor(v));
    case 0x68030000: return c.SetcTabEndColor(ToColor(v));
  }
  NotYetSupported();
}

Variant CallMember(FolivanTab& c, const MemberInfo& m, std::span<Variant> args) {
  if (!m.is_method) throw VbError(438, "Object doesn't support this property or method");
  size_t required = 0;
  for (const ParamInfo& p : m.params) required += p.optional ? 0 : 1;
  if (args.size() < required || args.size() > m.params.size()) {
    throw VbError(450, "Wrong number of arguments or invalid property assignment");
  }
  auto arg = [&](size_t i) -> Variant& { return args[i]; };
  switch (m.dispid) {
    case 0x60030037: {
      int16_t w = ToInteger(arg(0)), h = ToInteger(arg(1));
      c.SetTabDimensions(w, h);
      arg(0) = Variant(w);
      arg(1) = Variant(h);
      return {};
    }
    case 0x60030038: {
      int16_t tab_no = args.size() > 0 && !arg(0).IsEmpty() ? ToInteger(arg(0)) : int16_t{-1};
      std::string caption = args.size() > 1 ? ToText(arg(1)) : std::string();
      c.JumpToTab(tab_no, caption);
      return {};
    }
    case 0x60030039: c.RemoveTab(ToInteger(arg(0))); return {};
    case 0x6003003a: c.HideTab(ToInteger(arg(0))); return {};
    case 0x6003003b: c.ShowHiddenTab(ToInteger(arg(0))); return {};
    case 0x6003003c: c.InsertTab(args.empty() ? Variant(int16_t{-1}) : arg(0)); return {};
    case 0x6003003d: {
      int16_t t1 = ToInteger(arg(0)), t2 = ToInteger(arg(1));
      c.SwapTabs(t1, t2);
      arg(0) = Variant(t1);
      arg(1) = Variant(t2);
      return {};
    }
    case 0x6003003e: c.Refresh(); return {};
    case 0x600300a6: {
      auto ctl = std::dynamic_pointer_cast<ContainedControl>(ToObject(arg(0)));
      int16_t at_index = ToInteger(arg(1));
      auto optional_arg = [&](size_t i) { return i < args.size() ? arg(i) : Variant(); };
      bool stretch = args.size() > 6 && !arg(6).IsEmpty() && ToBoolean(arg(6));
      c.InsertControl(ctl, at_index, optional_arg(2), optional_arg(3), optional_arg(4), optional_arg(5), stretch);
      return {};
    }
    case 0x600300a8: c.InsertWindow(ToObject(arg(0)), ToInteger(arg(1))); return {};
    case 0x600300a9: c.EmbedWindow(ToLong(arg(0)), ToInteger(arg(1))); return {};
    case 0x600300aa: return c.GetControlDimensions(arg(0), arg(1), arg(2), arg(3));
  }
  NotYetSupported();
}

}  // namespace folivan
