#include "platform/headless/form_host.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/folivan_tab.h"
#include "core/text.h"
#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"
#include "platform/headless/surface_headless.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

constexpr const char* kLibraryReference = "{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0";

// Pictures given as a quoted path next to the form are loaded; anything else
// (an .frx reference) stays an unloaded picture that keeps its reference.
PicturePtr LoadFormPicture(const FormPictureRef& ref) {
  if (ref.frx_offset) return nullptr;
  return LoadPictureFile(ref.file.string());
}

int32_t Himetric(double twips) { return CLng(twips * 2540.0 / 1440.0); }

}  // namespace

FormHost::FormHost(const std::filesystem::path& path, const std::string& control_name)
    : FormHost(FormDocument::Load(path), control_name) {}

FormHost::FormHost(FormDocument document, const std::string& control_name) : document_(std::move(document)) {
  control_ = FindFolivanTab(document_, Utf8ToCp1252(control_name));
  if (control_ == nullptr) {
    throw FormError(document_.SourceName(), 0,
                    control_name.empty() ? "no FolivanTabs.FolivanTab control in the form"
                                         : "no FolivanTabs.FolivanTab control named " + control_name);
  }
}

FormHost::FormHost() {
  document_.AddObjectReference(kLibraryReference, "FolivanTabs.ocx");
  FormBlock& form = *document_.Root();
  form.Set("Caption", Variant("Form1"));
  form.Set("ClientHeight", Variant(int32_t{4800}));
  form.Set("ClientWidth", Variant(int32_t{6600}));
  form.Set("ScaleHeight", Variant(int32_t{4800}));
  form.Set("ScaleWidth", Variant(int32_t{6600}));
  control_ = &form.AppendChild(std::string(kFolivanTabType), "FolivanTab1");
  control_->Set("Left", Variant(int32_t{240}));
  control_->Set("TabIndex", Variant(int16_t{0}));
  control_->Set("Top", Variant(int32_t{240}));
}

// A value of a block that the host cannot take: the error names its line.
[[noreturn]] void FormHost::FailAt(const FormBlock& block, std::string_view key, const std::string& what) const {
  const FormProperty* entry = block.Find(key);
  throw FormError(document_.SourceName(), entry != nullptr ? entry->Line() : block.Line(),
                  what + " at \"" + std::string(key) + "\" of " + block.Name());
}

void FormHost::PopulateHost(HeadlessHost& host) {
  // The control's size becomes the surface: bounded before anything is allocated.
  Surface& surface = host.GetSurface();
  constexpr double kMaxTwips = HeadlessSurface::kMaxPixels * HeadlessSurface::kTwipsPerPixel;
  for (const char* key : {"Width", "Height"}) {
    auto value = control_->Get(key);
    if (!value) continue;
    double twips = 0;
    try {
      twips = ToDouble(*value);
    } catch (const VbError& e) {
      FailAt(*control_, key, e.Description());
    }
    if (!(twips >= 0 && twips <= kMaxTwips)) {
      FailAt(*control_, key,
             ToText(*value) + " is out of range (0 to " + std::to_string(static_cast<int>(kMaxTwips)) + " twips, " +
                 std::to_string(HeadlessSurface::kMaxPixels) + " pixels)");
    }
    if (EqualsIgnoreCase(key, "Width")) surface.SetWidth(twips);
    else surface.SetHeight(twips);
  }
  for (const char* key : {"Left", "Top", "Name"}) {
    if (auto v = control_->Get(key)) host.ExtenderSet(key, *v);
  }
  // Names are decoded from the form's code page like every text in it, so
  // that they meet the identifiers the control saved as texts.
  host.ExtenderSet("Name", Variant(Cp1252ToUtf8(control_->Name())));
  if (FormBlock* form = document_.Root()) {
    if (auto width = form->Get("ScaleWidth")) host.SetParentProperty("ScaleWidth", Variant(ToDouble(*width)));
  }

  for (FormBlock* block : control_->Children()) {
    const ControlKindInfo* kind = FindControlKind(block->Type());
    if (kind == nullptr) kind = &GenericControlKind();
    std::optional<int16_t> index;
    try {
      if (auto v = block->Get("Index")) index = ToInteger(*v);
    } catch (const VbError& e) {
      FailAt(*block, "Index", e.Description());
    }
    StandInControl& stand_in = host.AddControl(*kind, Cp1252ToUtf8(block->Name()), index);
    for (const std::string& property : kind->properties) {
      if (EqualsIgnoreCase(property, "hwnd")) continue;
      if (const FormProperty* entry = block->Find(property)) {
        if (!stand_in.Set(property, entry->Value())) FailAt(*block, property, "Invalid property value");
      }
    }
    links_.push_back(Link{&stand_in, block, {}});
  }
}

namespace {

// Remembers the last key that was read and found in the file, so that an
// error raised after it (a duplicate entry, a bad value) names its line.
class LineTrackingBag : public PropertyBag {
 public:
  explicit LineTrackingBag(FormPropertyBag& bag) : bag_(bag) {}
  Variant Read(std::string_view name, const Variant& default_value) override {
    Variant v = bag_.Read(name, default_value);
    if (bag_.LastReadLine() != 0) {
      line_ = bag_.LastReadLine();
      key_ = bag_.LastReadKey();
    }
    return v;
  }
  void Write(std::string_view name, const Variant& value, const std::optional<Variant>& def) override {
    bag_.Write(name, value, def);
  }
  int Line() const { return line_; }
  const std::string& Key() const { return key_; }

 private:
  FormPropertyBag& bag_;
  int line_ = 0;
  std::string key_;
};

}  // namespace

void FormHost::LoadControl(FolivanTab& control) {
  FormPropertyBag bag(document_, *control_, LoadFormPicture);
  LineTrackingBag tracking(bag);
  try {
    control.ReadProperties(tracking);
  } catch (const VbError& e) {
    int line = tracking.Line() != 0 ? tracking.Line() : control_->Line();
    std::string where = tracking.Key().empty() ? "" : " at \"" + tracking.Key() + "\"";
    throw FormError(document_.SourceName(), line, e.Description() + where + " of " + control_->Name());
  } catch (const ImageFileError& e) {
    // A picture named in the file: the bag still knows the key it was reading.
    int line = bag.LastReadLine() != 0 ? bag.LastReadLine() : control_->Line();
    throw FormError(document_.SourceName(), line,
                    std::string(e.what()) + " at \"" + bag.LastReadKey() + "\" of " + control_->Name());
  }
}

namespace {

// The value text of a contained control's property. Positions and sizes are
// Singles: written with at most seven significant digits, as the designer
// writes a Single, so that a control moved away and back is written at the
// place it was read from.
std::string ControlValueText(const Variant& value) {
  return value.Is<double>() ? FormatVbSingle(value.As<double>()) : FormatFormValue(value);
}

// Keys a designer writes for every control, whatever their value.
bool AlwaysWritten(std::string_view key) {
  for (std::string_view k : {"Left", "Top", "Width", "Height", "X1", "X2", "Y1", "Y2", "TabIndex"}) {
    if (EqualsIgnoreCase(k, key)) return true;
  }
  return false;
}

}  // namespace

void FormHost::SyncControl(StandInControl& control, Link& link, bool is_new) {
  FormBlock& block = *link.block;
  // A new block gets its keys as the designer writes them, sorted; an existing
  // one keeps its lines and gets only what changed.
  std::vector<std::pair<std::string, Variant>> values = control.Values();
  if (is_new) {
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (control.Index()) block.Set("Index", Variant(*control.Index()));
  }
  const auto& defaults = control.Info().defaults;
  for (const auto& key_value : values) {
    const std::string& key = key_value.first;
    const Variant& value = key_value.second;
    if (EqualsIgnoreCase(key, "hwnd")) continue;
    const std::string text = ControlValueText(value);
    const FormProperty* current = block.Find(key);
    // The entry as the file held it: the block's own while it is unchanged
    // (only entries read from the file carry source lines), else the copy
    // kept when a save first replaced it.
    const FormProperty* loaded = nullptr;
    auto kept = std::find_if(link.loaded.begin(), link.loaded.end(),
                             [&](const FormProperty& p) { return EqualsIgnoreCase(p.Key(), key); });
    if (kept != link.loaded.end()) {
      loaded = &*kept;
    } else if (current != nullptr && current->FromSource()) {
      loaded = current;
    }
    // A value back at what the file held is written with the file's own line.
    if (loaded != nullptr && !loaded->IsGroup() &&
        (loaded->ValueText() == text || ValuesEqual(loaded->Value(), value))) {
      if (loaded != current) block.SetProperty(*loaded);
      continue;
    }
    if (current != nullptr && ValuesEqual(current->Value(), value)) continue;
    // A value at the control's default is not written (a designer leaves it
    // out), but for the place and tab index of a new control.
    auto d = std::find_if(defaults.begin(), defaults.end(),
                          [&](const auto& entry) { return EqualsIgnoreCase(entry.first, key); });
    bool at_default = d != defaults.end() && ValuesEqual(d->second, value);
    if (at_default && loaded == nullptr && !(is_new && AlwaysWritten(key)) &&
        !(current != nullptr && AlwaysWritten(key))) {
      block.Remove(key);
      continue;
    }
    if (current != nullptr && loaded == current) link.loaded.push_back(*current);
    block.SetRaw(key, text);
  }
}

void FormHost::Save(FolivanTab& control, HeadlessHost& host, const std::filesystem::path& path) {
  Store(control, host);
  document_.Save(path);
}

void FormHost::Store(FolivanTab& control, HeadlessHost& host) {
  FormPropertyBag bag(document_, *control_, LoadFormPicture);
  bag.BeginSave();
  control.WriteProperties(bag);
  // Keys the control never read nor wrote belong to someone else: they stay.
  bag.CommitSave(true);

  Surface& surface = host.GetSurface();
  double width = surface.Width();
  double height = surface.Height();
  auto changed = [&](const char* key, double value) {
    auto stored = control_->Get(key);
    return !stored || std::fabs(ToDouble(*stored) - value) > 0.5;
  };
  if (changed("Width", width) || changed("Height", height)) {
    control_->Set("Height", Variant(CLng(height)));
    control_->Set("Width", Variant(CLng(width)));
    control_->Set("_ExtentX", Variant(Himetric(width)));
    control_->Set("_ExtentY", Variant(Himetric(height)));
  }

  std::unordered_map<const StandInControl*, size_t> linked;
  for (size_t i = 0; i < links_.size(); ++i) linked.emplace(links_[i].control, i);
  for (const StandInControlPtr& stand_in : host.Controls()) {
    auto link = linked.find(stand_in.get());
    if (link == linked.end()) {
      FormBlock& block = control_->AppendChild(stand_in->Info().type, Utf8ToCp1252(stand_in->Name()));
      links_.push_back(Link{stand_in.get(), &block, {}});
      SyncControl(*stand_in, links_.back(), true);
    } else {
      SyncControl(*stand_in, links_[link->second], false);
    }
  }
}

}  // namespace folivan
