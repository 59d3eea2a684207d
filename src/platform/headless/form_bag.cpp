#include "platform/headless/form_bag.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "platform/vb_runtime.h"

namespace folivan {

namespace {

std::filesystem::path Resolve(const std::filesystem::path& folder, const std::filesystem::path& file) {
  if (file.is_absolute() || folder.empty()) return file;
  return folder / file;
}

}  // namespace

bool ParseFrxReference(std::string_view value_text, const std::filesystem::path& folder, FormPictureRef& ref) {
  std::string_view t = value_text;
  if (!t.empty() && t.front() == '$') t.remove_prefix(1);
  if (t.size() < 2 || t.front() != '"') return false;
  std::size_t close = t.find('"', 1);
  if (close == std::string_view::npos || close + 1 >= t.size() || t[close + 1] != ':') return false;
  std::string_view file = t.substr(1, close - 1);
  std::string_view offset = t.substr(close + 2);
  uint32_t value = 0;
  auto [ptr, ec] = std::from_chars(offset.data(), offset.data() + offset.size(), value, 16);
  if (offset.empty() || ec != std::errc() || ptr != offset.data() + offset.size()) return false;
  ref.file = Resolve(folder, std::filesystem::path(Cp1252ToUtf8(file)));
  ref.frx_offset = value;
  ref.value_text = std::string(value_text);
  return true;
}

FormPropertyBag::FormPropertyBag(FormDocument& document, FormBlock& block, FormPictureLoader loader)
    : document_(document), block_(block), loader_(std::move(loader)) {}

Variant FormPropertyBag::Read(std::string_view name, const Variant& default_value) {
  last_read_key_ = std::string(name);
  FormProperty* entry = block_.Find(name);
  if (entry == nullptr) {
    last_read_line_ = 0;
    return default_value;
  }
  entry->known_ = true;
  last_read_line_ = entry->Line();
  if (entry->IsGroup()) {
    // Only font groups mean something to the control.
    return entry->IsFont() ? entry->Value() : default_value;
  }
  // "File.frx":0000 is a picture kept in the .frx file; $"File.frx":0000 is
  // a text kept there, handed out as its raw reference.
  FormPictureRef frx;
  const std::string_view text = entry->ValueText();
  bool frx_picture = text.starts_with('"') && text.find("\":") != std::string_view::npos &&
                     ParseFrxReference(text, document_.Folder(), frx);
  if (default_value.Is<PicturePtr>() || frx_picture) {
    return ReadPicture(*entry);
  }
  return entry->Value();
}

Variant FormPropertyBag::ReadPicture(const FormProperty& entry) {
  FormPictureRef ref;
  if (!ParseFrxReference(entry.ValueText(), document_.Folder(), ref)) {
    FormValue value = ParseFormValue(entry.ValueText());
    if (value.kind != FormValueKind::kString) return value.value;  // not a picture: let the caller's conversion fail
    const std::string& path = value.value.As<std::string>();
    if (path.empty()) return Variant(PicturePtr());
    ref.file = Resolve(document_.Folder(), std::filesystem::path(path));
    ref.value_text = entry.ValueText();
  }
  PicturePtr picture = loader_ ? loader_(ref) : nullptr;
  if (!picture) picture = std::make_shared<UnloadedPicture>(ref);
  document_.RememberPictureOrigin(picture, std::string(entry.ValueText()));
  return Variant(picture);
}

std::optional<std::string> FormPropertyBag::PictureValueText(const PicturePtr& picture) const {
  if (!picture) return std::nullopt;
  if (auto origin = document_.PictureOrigin(picture.get())) return origin;
  std::string source = picture->Source();
  if (source.empty()) return std::nullopt;
  std::filesystem::path path(source);
  std::filesystem::path folder = document_.Folder();
  if (path.is_absolute() && !folder.empty()) {
    std::filesystem::path relative = path.lexically_relative(std::filesystem::absolute(folder));
    if (!relative.empty() && *relative.begin() != "..") path = relative;
  }
  return QuoteFormString(path.generic_string());
}

uint32_t FormPropertyBag::FindWritten(std::string_view name) const {
  return written_index_.Find(name, WrittenKey());
}

void FormPropertyBag::Forget(std::string_view name) {
  const uint32_t found = FindWritten(name);
  if (found == KeyIndex::kNone) return;
  written_.erase(written_.begin() + found);
  written_index_.Clear();
  for (std::size_t i = 0; i < written_.size(); ++i) {
    written_index_.Insert(written_[i].Key(), static_cast<uint32_t>(i), WrittenKey());
  }
}

void FormPropertyBag::Write(std::string_view name, const Variant& value, const std::optional<Variant>& default_value) {
  if (default_value && ValuesEqual(value, *default_value)) {
    Forget(name);
    return;
  }
  std::optional<FormProperty> entry;
  // A value written as the file holds it keeps the file's line, without a
  // copy: the save writes the same lines again.
  auto simple = [&](std::string_view text) {
    const FormProperty* old = block_.Find(name);
    if (old != nullptr && old->FromSource() && !old->IsGroup() && old->owned_ == nullptr && old->Key() == name &&
        old->ValueText() == text) {
      entry = old->Alias();
    } else {
      entry = FormProperty::Simple(name, text);
    }
  };
  if (value.Is<FontDesc>()) {
    entry = FormProperty::Font(name, value.As<FontDesc>());
  } else if (value.Is<PicturePtr>()) {
    if (auto text = PictureValueText(value.As<PicturePtr>())) simple(*text);
  } else {
    simple(FormatFormValue(value));
  }
  if (!entry) {
    Forget(name);
    return;
  }
  entry->known_ = true;
  const auto next = static_cast<uint32_t>(written_.size());
  const uint32_t at = written_index_.Insert(name, next, WrittenKey());
  if (at == next) {
    written_.push_back(std::move(*entry));
  } else {
    written_[at] = std::move(*entry);
  }
}

void FormPropertyBag::BeginSave() {
  written_.clear();
  written_index_.Clear();
  // A save writes about as many entries as the block holds.
  written_.reserve(block_.ItemCount());
  written_index_.Reserve(block_.ItemCount());
}

void FormPropertyBag::CommitSave(bool keep_unknown) {
  const std::vector<const FormProperty*> kept = block_.Properties();
  auto written_key = [&](std::string_view key) { return FindWritten(key) != KeyIndex::kNone; };
  // Keys foreign to the control stay. Most saves keep none: then every old
  // entry is either written again or dropped, and may be moved.
  auto foreign = [&](const FormProperty* p) {
    return keep_unknown && !p->known_ && !IsExtenderKey(p->Key()) && !written_key(p->Key());
  };
  const bool keeps_foreign = std::any_of(kept.begin(), kept.end(), foreign);

  std::vector<FormProperty> entries;
  entries.reserve(written_.size() + 8);
  for (const FormProperty* p : kept) {
    if (IsExtenderKey(p->Key()) && !written_key(p->Key())) entries.push_back(*p);
  }
  for (FormProperty& w : written_) {
    if (w.FromSource()) {
      // Written as the file held it (see Write).
      entries.push_back(std::move(w));
      entries.back().known_ = true;
      continue;
    }
    FormProperty* old = block_.Find(w.Key());
    // An entry that comes out the same keeps its line as found.
    if (old != nullptr && old->FromSource() && old->SameText(w)) {
      if (keeps_foreign) {
        entries.push_back(*old);
      } else {
        entries.push_back(std::move(*old));
      }
    } else {
      entries.push_back(std::move(w));
    }
    entries.back().known_ = true;
  }

  if (keeps_foreign) {
    // Foreign keys go back after the nearest entry before them that is still
    // there (at the top when there is none).
    KeyIndex position;  // key -> last entry holding it
    auto key_of = [&](uint32_t i) { return entries[i].Key(); };
    for (std::size_t i = entries.size(); i-- > 0;) position.Insert(entries[i].Key(), static_cast<uint32_t>(i), key_of);
    std::vector<std::vector<const FormProperty*>> after(entries.size() + 1);  // [0]: at the top
    std::size_t at = 0;
    for (const FormProperty* p : kept) {
      if (!foreign(p)) {
        const uint32_t found = position.Find(p->Key(), key_of);
        if (found != KeyIndex::kNone) at = found + 1;
        continue;
      }
      after[at].push_back(p);
    }
    std::vector<FormProperty> merged;
    merged.reserve(entries.size() + after.size());
    for (std::size_t i = 0; i <= entries.size(); ++i) {
      for (const FormProperty* p : after[i]) merged.push_back(*p);
      if (i < entries.size()) merged.push_back(std::move(entries[i]));
    }
    entries = std::move(merged);
  }
  written_.clear();
  written_index_.Clear();
  block_.ReplaceProperties(std::move(entries));
}

}  // namespace folivan
