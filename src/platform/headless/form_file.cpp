#include "platform/headless/form_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

#include "platform/vb_runtime.h"

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define FOLIVAN_FORM_POSIX 1
#endif

namespace folivan {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// True when `text` (left-trimmed) is the keyword followed by a blank, or the
// keyword alone.
bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size() || !EqualsNoCase(text.substr(0, word.size()), word)) return false;
  return text.size() == word.size() || IsBlank(text[word.size()]);
}

// Splits off the first blank-separated token.
std::string_view NextToken(std::string_view& rest) {
  rest = TrimLeft(rest);
  std::size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  std::string_view token = rest.substr(0, end);
  rest = TrimLeft(rest.substr(end));
  return token;
}

std::string Spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

// The static text of a line ending.
std::string_view EolText(std::string_view eol) {
  if (eol == "\r\n") return "\r\n";
  if (eol == "\n") return "\n";
  return eol.empty() ? std::string_view() : std::string_view("\r\n");
}

FormLine MadeLine(std::string text, std::string_view eol) { return FormLine{std::move(text), EolText(eol), 0}; }

// Appends one line; when the output so far ends without a line ending (a
// last source line followed by made lines), the file's ending goes first.
void Emit(std::string& out, std::string_view text, std::string_view eol, std::string_view file_eol) {
  if (!out.empty() && out.back() != '\n') out += file_eol;
  out += text;
  out += eol;
}

void EmitSource(std::string& out, const FormLine& line, std::string_view file_eol) {
  Emit(out, line.text, line.eol, file_eol);
}

// Appends lines as found, their line endings included.
void EmitText(std::string& out, std::string_view text, std::string_view file_eol) {
  if (!out.empty() && out.back() != '\n') out += file_eol;
  out += text;
}


constexpr std::array<std::string_view, 21> kExtenderKeys = {
    "Align",   "CausesValidation", "DragIcon", "DragMode", "Enabled",         "Height",   "HelpContextID",
    "Index",   "Left",             "TabIndex", "TabStop",  "Tag",             "ToolTipText", "Top",
    "Visible", "WhatsThisHelpID",  "Width",    "_ExtentX", "_ExtentY",        "_Version", "_StockProps",
};

}  // namespace

int ExtenderKeyRank(std::string_view key) {
  for (std::size_t i = 0; i < kExtenderKeys.size(); ++i) {
    if (kExtenderKeys[i].size() == key.size() && EqualsNoCase(kExtenderKeys[i], key)) return static_cast<int>(i);
  }
  return -1;
}

bool IsExtenderKey(std::string_view key) { return ExtenderKeyRank(key) >= 0; }

// ---------------------------------------------------------------------------
// FormError

namespace {
std::string ErrorMessage(const std::string& file, int line, const std::string& description) {
  std::string message = file;
  if (line > 0) message += ":" + std::to_string(line);
  message += ": ";
  // Keep the message on one line whatever the description holds.
  for (char c : description) message.push_back(c == '\n' || c == '\r' ? ' ' : c);
  return message;
}
}  // namespace

FormError::FormError(std::string file, int line, std::string description)
    : std::runtime_error(ErrorMessage(file, line, description)),
      file_(std::move(file)),
      line_(line),
      description_(std::move(description)) {}

// ---------------------------------------------------------------------------
// FormProperty

FormProperty FormProperty::Simple(std::string_view key, std::string_view value_text) {
  FormProperty p;
  std::string text;
  text.reserve(key.size() + value_text.size());
  text.append(key).append(value_text);
  p.Own(text);
  p.key_size_ = static_cast<uint32_t>(key.size());
  p.value_at_ = p.key_size_;
  p.value_size_ = static_cast<uint32_t>(value_text.size());
  return p;
}

FormProperty FormProperty::Font(std::string_view key, const FontDesc& font) {
  FormProperty p = Simple(key, {});
  p.group_ = std::make_unique<Group>();
  p.group_->tag = std::string(kStdFontGuid);
  std::vector<FormProperty>& members = p.group_->members;
  members.push_back(Simple("Name", QuoteFormString(font.name)));
  members.push_back(Simple("Size", FormatVbDouble(font.size)));
  members.push_back(Simple("Charset", std::to_string(font.charset)));
  members.push_back(Simple("Weight", font.bold ? "700" : "400"));
  members.push_back(Simple("Underline", FormatFormValue(Variant::Bool(font.underline))));
  members.push_back(Simple("Italic", FormatFormValue(Variant::Bool(font.italic))));
  members.push_back(Simple("Strikethrough", FormatFormValue(Variant::Bool(font.strikethrough))));
  return p;
}

void FormProperty::Own(std::string_view text) {
  owned_.reset();
  if (!text.empty()) {
    owned_ = std::make_unique_for_overwrite<char[]>(text.size());
    std::memcpy(owned_.get(), text.data(), text.size());
  }
  text_ = owned_.get();
  text_size_ = static_cast<uint32_t>(text.size());
}

void FormProperty::TakePlaces(const FormProperty& other) {
  key_at_ = other.key_at_;
  key_size_ = other.key_size_;
  value_at_ = other.value_at_;
  value_size_ = other.value_size_;
  line_ = other.line_;
  from_source_ = other.from_source_;
  known_ = other.known_;
}

FormProperty& FormProperty::operator=(FormProperty&& other) noexcept {
  if (this == &other) return *this;
  // The text stays where it is: in the buffer that moves with owned_, or in
  // the document's bytes.
  owned_ = std::move(other.owned_);
  group_ = std::move(other.group_);
  text_ = std::exchange(other.text_, nullptr);
  text_size_ = std::exchange(other.text_size_, 0);
  TakePlaces(other);
  other.TakePlaces(FormProperty());
  return *this;
}

FormProperty FormProperty::Alias() const {
  FormProperty p;
  p.text_ = text_;
  p.text_size_ = text_size_;
  p.TakePlaces(*this);
  return p;
}

// A copy holds its text itself, so that it may outlive the document.
FormProperty& FormProperty::operator=(const FormProperty& other) {
  if (this == &other) return *this;
  Own(other.Text());
  TakePlaces(other);
  group_ = other.group_ ? std::make_unique<Group>(*other.group_) : nullptr;
  return *this;
}

std::string_view FormProperty::GroupTag() const { return group_ ? std::string_view(group_->tag) : std::string_view(); }

const std::vector<FormProperty>& FormProperty::Members() const {
  static const std::vector<FormProperty> kNone;
  return group_ ? group_->members : kNone;
}

const FormProperty* FormProperty::FindMember(std::string_view key) const {
  for (const FormProperty& m : Members()) {
    if (EqualsNoCase(m.Key(), key)) return &m;
  }
  return nullptr;
}

bool FormProperty::IsFont() const {
  if (!group_) return false;
  if (!group_->tag.empty()) return EqualsNoCase(group_->tag, kStdFontGuid);
  return FindMember("Name") != nullptr && FindMember("Size") != nullptr;
}

FormValueKind FormProperty::Kind() const {
  if (group_) return FormValueKind::kRaw;
  return ParseFormValue(ValueText()).kind;
}

Variant FormProperty::Value() const {
  if (!group_) return ParseFormValue(ValueText()).value;
  if (!IsFont()) return Variant();
  FontDesc font;
  if (const FormProperty* m = FindMember("Name")) font.name = ToText(m->Value());
  if (const FormProperty* m = FindMember("Size")) font.size = ToDouble(m->Value());
  if (const FormProperty* m = FindMember("Charset")) font.charset = ToInteger(m->Value());
  if (const FormProperty* m = FindMember("Weight")) font.bold = ToLong(m->Value()) >= 600;
  if (const FormProperty* m = FindMember("Underline")) font.underline = ToBoolean(m->Value());
  if (const FormProperty* m = FindMember("Italic")) font.italic = ToBoolean(m->Value());
  if (const FormProperty* m = FindMember("Strikethrough")) font.strikethrough = ToBoolean(m->Value());
  return Variant(font);
}

void FormProperty::AppendGenerated(std::vector<std::string>& lines, int indent) const {
  if (!group_) {
    lines.push_back(FormatPropertyLine(indent, Key(), ValueText()));
    return;
  }
  std::string begin = Spaces(indent) + "BeginProperty ";
  begin.append(Key()) += " ";
  if (!group_->tag.empty()) begin += group_->tag + " ";
  lines.push_back(std::move(begin));
  for (const FormProperty& m : group_->members) m.AppendGenerated(lines, indent + kFormIndentStep);
  lines.push_back(Spaces(indent) + "EndProperty");
}

std::string FormProperty::GeneratedText(int indent) const {
  std::vector<std::string> lines;
  AppendGenerated(lines, indent);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\n";
    text += lines[i];
  }
  return text;
}

bool FormProperty::SameText(const FormProperty& other) const {
  if (!group_ && !other.group_) return Key() == other.Key() && ValueText() == other.ValueText();
  return GeneratedText(0) == other.GeneratedText(0);
}

// ---------------------------------------------------------------------------
// FormBlock

FormBlock::FormBlock(std::string type, std::string name) : type_(std::move(type)), name_(std::move(name)) {}

std::vector<const FormProperty*> FormBlock::Properties() const {
  std::vector<const FormProperty*> result;
  for (const Item& item : items_) {
    if (const auto* p = std::get_if<FormProperty>(&item)) result.push_back(p);
  }
  return result;
}

std::size_t FormBlock::FindItem(std::string_view key) const {
  // A small block (a contained control's) is scanned; a large one (the
  // control's own, with its per-tab keys) is looked up in its index. Until
  // the index is needed, the leading entries (the extender's, which the host
  // reads) are scanned too.
  constexpr std::size_t kScanned = 32;
  const bool index_current = indexed_ && indexed_items_ == items_.size();
  if (!index_current) {
    for (std::size_t i = 0; i < std::min(items_.size(), kScanned); ++i) {
      const auto* p = std::get_if<FormProperty>(&items_[i]);
      if (p != nullptr && EqualsNoCase(p->Key(), key)) return i;
    }
    if (items_.size() <= kScanned) return std::string::npos;
  }
  auto key_of = [this](uint32_t item) { return std::get<FormProperty>(items_[item]).Key(); };
  if (!index_current) {
    key_index_.Clear();
    key_index_.Reserve(items_.size());
    unique_keys_ = true;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const auto* p = std::get_if<FormProperty>(&items_[i]);
      // The first entry of a key wins.
      if (p != nullptr && key_index_.Insert(p->Key(), static_cast<uint32_t>(i), key_of) != i) unique_keys_ = false;
    }
    indexed_items_ = items_.size();
    indexed_ = true;
    next_item_ = 0;
  }
  if (unique_keys_ && next_item_ < items_.size()) {
    const auto* p = std::get_if<FormProperty>(&items_[next_item_]);
    if (p != nullptr && EqualsNoCase(p->Key(), key)) return next_item_++;
  }
  const uint32_t found = key_index_.Find(key, key_of);
  if (found == KeyIndex::kNone) return std::string::npos;
  next_item_ = found + 1;
  return found;
}

const FormProperty* FormBlock::Find(std::string_view key) const {
  std::size_t at = FindItem(key);
  return at == std::string::npos ? nullptr : &std::get<FormProperty>(items_[at]);
}

FormProperty* FormBlock::Find(std::string_view key) {
  std::size_t at = FindItem(key);
  return at == std::string::npos ? nullptr : &std::get<FormProperty>(items_[at]);
}

std::optional<Variant> FormBlock::Get(std::string_view key) const {
  const FormProperty* p = Find(key);
  if (p == nullptr) return std::nullopt;
  return p->Value();
}

void FormBlock::Set(std::string_view key, const Variant& value) {
  if (value.Is<FontDesc>()) {
    SetProperty(FormProperty::Font(key, value.As<FontDesc>()));
    return;
  }
  if (value.Is<PicturePtr>()) {
    const PicturePtr& picture = value.As<PicturePtr>();
    if (!picture) {
      Remove(key);
      return;
    }
    std::string source = picture->Source();
    if (source.empty()) {
      throw VbError(vberr::kInvalidProcedureCall, "A picture that was not loaded from a file cannot be saved");
    }
    SetRaw(key, QuoteFormString(source));
    return;
  }
  SetRaw(key, FormatFormValue(value));
}

void FormBlock::SetRaw(std::string_view key, std::string value_text) {
  SetProperty(FormProperty::Simple(key, value_text));
}

void FormBlock::SetProperty(FormProperty entry) {
  if (std::size_t found = FindItem(entry.Key()); found != std::string::npos) {
    auto& p = std::get<FormProperty>(items_[found]);
    // An unchanged value keeps its line as found; an entry that carries its
    // lines as found takes the place of a made one.
    if ((!p.from_source_ && entry.from_source_) || !p.SameText(entry)) {
      p = std::move(entry);
    }
    return;
  }
  std::size_t at = PropertyInsertPosition(entry.Key());
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), Item(std::move(entry)));
  indexed_ = false;
}

std::size_t FormBlock::PropertyInsertPosition(std::string_view key) const {
  int rank = ExtenderKeyRank(key);
  if (rank >= 0) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const auto* p = std::get_if<FormProperty>(&items_[i]);
      if (p == nullptr) continue;
      int other = ExtenderKeyRank(p->Key());
      if (other < 0 || other > rank) return i;
    }
  }
  std::optional<std::size_t> last_property;
  std::optional<std::size_t> first_block;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (std::holds_alternative<FormProperty>(items_[i])) last_property = i;
    if (!first_block && std::holds_alternative<std::unique_ptr<FormBlock>>(items_[i])) first_block = i;
  }
  if (last_property) return *last_property + 1;
  if (first_block) return *first_block;
  return items_.size();
}

bool FormBlock::Remove(std::string_view key) {
  auto removed = std::erase_if(items_, [&](const Item& item) {
    const auto* p = std::get_if<FormProperty>(&item);
    return p != nullptr && EqualsNoCase(p->Key(), key);
  });
  indexed_ = false;
  return removed > 0;
}

void FormBlock::ReplaceProperties(std::vector<FormProperty> entries) {
  // The block's own storage is used again: a control's block holds tens of
  // thousands of entries.
  std::vector<Item> others;  // nested blocks and raw lines, in order
  for (Item& item : items_) {
    if (!std::holds_alternative<FormProperty>(item)) others.push_back(std::move(item));
  }
  items_.clear();
  items_.reserve(entries.size() + others.size());
  for (FormProperty& e : entries) items_.emplace_back(std::move(e));
  for (Item& item : others) items_.push_back(std::move(item));
  indexed_ = false;
}

std::vector<FormBlock*> FormBlock::Children() {
  std::vector<FormBlock*> result;
  for (Item& item : items_) {
    if (auto* b = std::get_if<std::unique_ptr<FormBlock>>(&item)) result.push_back(b->get());
  }
  return result;
}

std::vector<const FormBlock*> FormBlock::Children() const {
  std::vector<const FormBlock*> result;
  for (const Item& item : items_) {
    if (const auto* b = std::get_if<std::unique_ptr<FormBlock>>(&item)) result.push_back(b->get());
  }
  return result;
}

FormBlock* FormBlock::FindChild(std::string_view name) {
  for (FormBlock* child : Children()) {
    if (EqualsNoCase(child->Name(), name)) return child;
  }
  return nullptr;
}

std::size_t FormBlock::ChildItemIndex(std::size_t child_index) const {
  std::size_t seen = 0;
  std::optional<std::size_t> last_child;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!std::holds_alternative<std::unique_ptr<FormBlock>>(items_[i])) continue;
    if (seen == child_index) return i;
    ++seen;
    last_child = i;
  }
  if (child_index > seen) throw std::out_of_range("child index out of range");
  return last_child ? *last_child + 1 : items_.size();
}

FormBlock& FormBlock::AppendChild(std::string type, std::string name) {
  return InsertChild(Children().size(), std::move(type), std::move(name));
}

FormBlock& FormBlock::InsertChild(std::size_t index, std::string type, std::string name) {
  std::size_t at = ChildItemIndex(index);
  auto child = std::make_unique<FormBlock>(std::move(type), std::move(name));
  child->parent_ = this;
  FormBlock& ref = *child;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), Item(std::move(child)));
  indexed_ = false;
  return ref;
}

FormBlock* FormBlock::FindByType(std::string_view type) {
  if (EqualsNoCase(type_, type)) return this;
  for (FormBlock* child : Children()) {
    if (FormBlock* found = child->FindByType(type)) return found;
  }
  return nullptr;
}

FormBlock* FormBlock::FindByName(std::string_view name) {
  if (EqualsNoCase(name_, name)) return this;
  for (FormBlock* child : Children()) {
    if (FormBlock* found = child->FindByName(name)) return found;
  }
  return nullptr;
}

void FormBlock::Write(std::string& out, int depth, std::string_view eol) const {
  int indent = depth * kFormIndentStep;
  if (!begin_.text.empty()) {
    EmitSource(out, begin_, eol);
  } else {
    Emit(out, Spaces(indent) + "Begin " + type_ + " " + name_ + " ", eol, eol);
  }
  for (const Item& item : items_) {
    if (const auto* p = std::get_if<FormProperty>(&item)) {
      if (p->from_source_) {
        EmitText(out, p->Text(), eol);
      } else {
        std::vector<std::string> lines;
        p->AppendGenerated(lines, indent + kFormIndentStep);
        for (const std::string& line : lines) Emit(out, line, eol, eol);
      }
    } else if (const auto* b = std::get_if<std::unique_ptr<FormBlock>>(&item)) {
      (*b)->Write(out, depth + 1, eol);
    } else {
      EmitSource(out, std::get<FormLine>(item), eol);
    }
  }
  if (!end_.text.empty()) {
    EmitSource(out, end_, eol);
  } else {
    Emit(out, Spaces(indent) + "End", eol, eol);
  }
}

// ---------------------------------------------------------------------------
// Parsing

class FormParser {
 public:
  // The bytes must outlive the parser: lines are read in place.
  FormParser(std::string_view bytes, std::string name) : name_(std::move(name)), bytes_(bytes), rest_(bytes) {}

  FormDocument Run();

 private:
  // A line of the bytes being parsed.
  struct SourceLine {
    std::string_view text;  // without the line ending
    std::string_view eol;
    int number = 0;
    FormLine Kept() const { return FormLine{std::string(text), eol, number}; }
  };

  [[noreturn]] void Fail(int line, std::string description) const {
    throw FormError(name_, line, std::move(description));
  }
  // The next line of the bytes; false at their end.
  bool NextLine(SourceLine& line);
  // The key and value text of a "Key = value" line, checked.
  std::pair<std::string_view, std::string_view> SplitProperty(const SourceLine& line) const;
  FormProperty ParseProperty(const SourceLine& line) const;
  FormProperty ParseMember(const SourceLine& line) const;
  FormProperty ParseGroupStart(const SourceLine& line, std::string_view trimmed, bool outermost) const;
  std::unique_ptr<FormBlock> ParseBegin(const SourceLine& line, std::string_view trimmed) const;

  std::string name_;
  std::string_view bytes_;
  std::string_view rest_;  // the bytes after the lines read
  int number_ = 0;         // of the last line read
};

bool FormParser::NextLine(SourceLine& line) {
  if (rest_.empty()) return false;
  line.number = ++number_;
  std::size_t nl = rest_.find('\n');
  if (nl == std::string_view::npos) {
    line.text = rest_;
    line.eol = {};
    rest_ = {};
    return true;
  }
  std::size_t end = nl;
  if (end > 0 && rest_[end - 1] == '\r') {
    --end;
    line.eol = "\r\n";
  } else {
    line.eol = "\n";
  }
  line.text = rest_.substr(0, end);
  rest_.remove_prefix(nl + 1);
  return true;
}

std::pair<std::string_view, std::string_view> FormParser::SplitProperty(const SourceLine& line) const {
  std::size_t eq = line.text.find('=');
  if (eq == std::string_view::npos) Fail(line.number, "property line without \"=\"");
  std::string_view key = Trim(line.text.substr(0, eq));
  if (key.empty()) Fail(line.number, "property without a name");
  std::string_view value = Trim(line.text.substr(eq + 1));
  // Only a quoted text can be malformed (its closing quote missing).
  if (value.starts_with('"') || value.starts_with("$\"")) {
    try {
      ParseFormValue(value);
    } catch (const FormValueError& e) {
      Fail(line.number, e.what());
    }
  }
  return {key, value};
}

FormProperty FormParser::ParseProperty(const SourceLine& line) const {
  auto [key, value] = SplitProperty(line);
  FormProperty p;
  p.text_ = line.text.data();
  p.text_size_ = static_cast<uint32_t>(line.text.size() + line.eol.size());
  p.key_at_ = static_cast<uint32_t>(key.data() - line.text.data());
  p.key_size_ = static_cast<uint32_t>(key.size());
  p.value_at_ = static_cast<uint32_t>(value.data() - line.text.data());
  p.value_size_ = static_cast<uint32_t>(value.size());
  p.from_source_ = true;
  p.line_ = line.number;
  return p;
}

// A member of a group: the outermost group keeps the lines.
FormProperty FormParser::ParseMember(const SourceLine& line) const {
  auto [key, value] = SplitProperty(line);
  FormProperty p = FormProperty::Simple(key, value);
  p.line_ = line.number;
  return p;
}

FormProperty FormParser::ParseGroupStart(const SourceLine& line, std::string_view trimmed, bool outermost) const {
  std::string_view rest = trimmed.substr(std::string_view("BeginProperty").size());
  std::string_view key = NextToken(rest);
  if (key.empty()) Fail(line.number, "BeginProperty without a property name");
  FormProperty group;
  if (outermost) {
    // The group's lines follow this one in the bytes; each line read extends it.
    group.text_ = line.text.data();
    group.text_size_ = static_cast<uint32_t>(line.text.size() + line.eol.size());
    group.key_at_ = static_cast<uint32_t>(key.data() - line.text.data());
    group.from_source_ = true;
  } else {
    group.Own(key);
  }
  group.key_size_ = static_cast<uint32_t>(key.size());
  group.group_ = std::make_unique<FormProperty::Group>();
  group.group_->tag = std::string(Trim(rest));
  group.line_ = line.number;
  return group;
}

std::unique_ptr<FormBlock> FormParser::ParseBegin(const SourceLine& line, std::string_view trimmed) const {
  std::string_view rest = trimmed.substr(std::string_view("Begin").size());
  std::string_view type = NextToken(rest);
  if (type.empty()) Fail(line.number, "Begin without a control type");
  std::string_view name = NextToken(rest);
  auto block = std::make_unique<FormBlock>(std::string(type), std::string(name));
  block->begin_ = line.Kept();
  return block;
}

// Blocks and groups are written, searched and freed recursively: a form nests
// a few levels, and a file that nests deeper than this is refused.
constexpr std::size_t kMaxNesting = 64;

FormDocument FormParser::Run() {
  FormDocument doc{FormDocument::EmptyTag{}};
  doc.source_name_ = name_;
  // Made lines end as the file's first line does.
  if (std::size_t nl = bytes_.find('\n'); nl != std::string_view::npos) {
    doc.eol_ = nl > 0 && bytes_[nl - 1] == '\r' ? "\r\n" : "\n";
  }

  std::vector<FormBlock*> blocks;     // open blocks, innermost last
  std::vector<FormProperty> groups;   // open BeginProperty groups, innermost last
  std::vector<FormLine> pending;      // blank lines after a top-level End
  bool seen_block = false;
  bool in_code = false;

  SourceLine line;
  while (NextLine(line)) {
    if (in_code) {
      doc.code_.push_back(line.Kept());
      continue;
    }
    std::string_view text = TrimLeft(line.text);
    std::string_view trimmed = Trim(line.text);
    bool blank_or_comment = trimmed.empty() || trimmed.front() == '\'';

    if (!groups.empty()) {
      // The outermost group keeps every line of itself as found.
      FormProperty& outer = groups.front();
      outer.text_size_ = static_cast<uint32_t>(line.text.data() + line.text.size() + line.eol.size() - outer.text_);
      if (blank_or_comment) continue;
      if (StartsWithWord(text, "BeginProperty")) {
        if (groups.size() >= kMaxNesting) Fail(line.number, "BeginProperty groups nested more than " + std::to_string(kMaxNesting) + " deep");
        groups.push_back(ParseGroupStart(line, text, false));
      } else if (EqualsNoCase(trimmed, "EndProperty")) {
        FormProperty done = std::move(groups.back());
        groups.pop_back();
        if (groups.empty()) {
          blocks.back()->items_.emplace_back(std::move(done));
        } else {
          groups.back().group_->members.push_back(std::move(done));
        }
      } else if (StartsWithWord(text, "Begin") || EqualsNoCase(trimmed, "End")) {
        Fail(groups.back().line_, "BeginProperty " + std::string(groups.back().Key()) + " has no EndProperty");
      } else {
        groups.back().group_->members.push_back(ParseMember(line));
      }
      continue;
    }

    if (blocks.empty()) {
      if (StartsWithWord(text, "Begin")) {
        std::unique_ptr<FormBlock> block = ParseBegin(line, text);
        for (FormLine& p : pending) doc.body_.emplace_back(std::move(p));
        pending.clear();
        blocks.push_back(block.get());
        doc.body_.emplace_back(std::move(block));
      } else if (EqualsNoCase(trimmed, "End")) {
        Fail(line.number, "End without Begin");
      } else if (!seen_block) {
        doc.header_.push_back(line.Kept());
      } else if (trimmed.empty()) {
        pending.push_back(line.Kept());
      } else {
        // The code section: attributes and the module's code, kept as found.
        in_code = true;
        for (FormLine& p : pending) doc.code_.push_back(std::move(p));
        pending.clear();
        doc.code_.push_back(line.Kept());
      }
      continue;
    }

    FormBlock* block = blocks.back();
    if (blank_or_comment) {
      block->items_.emplace_back(line.Kept());
    } else if (StartsWithWord(text, "BeginProperty")) {
      groups.push_back(ParseGroupStart(line, text, true));
    } else if (EqualsNoCase(trimmed, "EndProperty")) {
      Fail(line.number, "EndProperty without BeginProperty");
    } else if (StartsWithWord(text, "Begin")) {
      if (blocks.size() >= kMaxNesting) Fail(line.number, "Begin blocks nested more than " + std::to_string(kMaxNesting) + " deep");
      std::unique_ptr<FormBlock> child = ParseBegin(line, text);
      child->parent_ = block;
      blocks.push_back(child.get());
      block->items_.emplace_back(std::move(child));
    } else if (EqualsNoCase(trimmed, "End")) {
      block->end_ = line.Kept();
      blocks.pop_back();
      if (blocks.empty()) seen_block = true;
    } else {
      block->items_.emplace_back(ParseProperty(line));
    }
  }

  if (!groups.empty()) {
    Fail(groups.back().line_, "BeginProperty " + std::string(groups.back().Key()) + " has no EndProperty");
  }
  if (!blocks.empty()) {
    const FormBlock* open = blocks.back();
    Fail(open->Line(), "Begin " + open->Type() + (open->Name().empty() ? "" : " " + open->Name()) + " has no End");
  }
  for (FormLine& p : pending) doc.body_.emplace_back(std::move(p));
  return doc;
}

// ---------------------------------------------------------------------------
// FormDocument

FormDocument::FormDocument(EmptyTag) {}

FormDocument::FormDocument(std::string form_type, std::string form_name) {
  header_.push_back(MadeLine("VERSION 5.00", eol_));
  auto form = std::make_unique<FormBlock>(std::move(form_type), form_name);
  body_.emplace_back(std::move(form));
  code_.push_back(MadeLine("Attribute VB_Name = " + QuoteFormString(form_name), eol_));
  code_.push_back(MadeLine("Attribute VB_GlobalNameSpace = False", eol_));
  code_.push_back(MadeLine("Attribute VB_Creatable = False", eol_));
  code_.push_back(MadeLine("Attribute VB_PredeclaredId = True", eol_));
  code_.push_back(MadeLine("Attribute VB_Exposed = False", eol_));
}

FormDocument FormDocument::Parse(std::string_view bytes, std::string source_name) {
  // Places in the bytes are 32-bit.
  if (bytes.size() >= UINT32_MAX) throw FormError(source_name, 0, "the form file is too large (4 GB or more)");
  // The entries read point into the document's own copy of the bytes.
  auto kept = std::make_unique<const std::string>(bytes);
  FormDocument doc = FormParser(*kept, std::move(source_name)).Run();
  doc.bytes_ = std::move(kept);
  return doc;
}

FormDocument FormDocument::Load(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FormError(path.string(), 0, "cannot open the form file");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FormError(path.string(), 0, "cannot read the form file");
  return Parse(bytes, path.string());
}

std::string FormDocument::Serialize() const {
  std::string out;
  // A form read from a file comes out about as long as it went in.
  if (bytes_) out.reserve(bytes_->size() + bytes_->size() / 16 + 256);
  for (const FormLine& line : header_) EmitSource(out, line, eol_);
  for (const TopItem& item : body_) {
    if (const auto* b = std::get_if<std::unique_ptr<FormBlock>>(&item)) {
      (*b)->Write(out, 0, eol_);
    } else {
      EmitSource(out, std::get<FormLine>(item), eol_);
    }
  }
  for (const FormLine& line : code_) EmitSource(out, line, eol_);
  return out;
}

namespace {

std::string SystemMessage(int error) { return std::generic_category().message(error); }

#ifdef FOLIVAN_FORM_POSIX
// Writes all bytes to a new file and flushes them to the disk. Returns 0 or
// the errno of the failing step.
int WriteAndSync(const std::filesystem::path& file, const std::string& data) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  std::size_t done = 0;
  int error = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is done either way
  ::close(fd);
}
#else
int WriteAndSync(const std::filesystem::path& file, const std::string& data) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return EACCES;
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.flush();
  return out ? 0 : EIO;
}
void SyncFolder(const std::filesystem::path&) {}
#endif

}  // namespace

void FormDocument::Save(const std::filesystem::path& path) const {
  std::string data = Serialize();
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";

  std::random_device random;
  std::ostringstream tmp_name;
  tmp_name << "." << path.filename().string() << ".tmp" << std::hex << random() << random();
  std::filesystem::path tmp = folder / tmp_name.str();

  if (int error = WriteAndSync(tmp, data); error != 0) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw FormError(path.string(), 0, "cannot save the form file: " + SystemMessage(error));
  }
  std::error_code ec;
  auto status = std::filesystem::status(path, ec);
  if (!ec && std::filesystem::exists(status)) {
    std::filesystem::permissions(tmp, status.permissions(), ec);  // keep the old file's mode
  }
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw FormError(path.string(), 0, "cannot save the form file: " + ec.message());
  }
  SyncFolder(folder);
}

std::filesystem::path FormDocument::Folder() const { return std::filesystem::path(source_name_).parent_path(); }

std::optional<std::string> FormDocument::Version() const {
  for (const FormLine& line : header_) {
    std::string_view text = TrimLeft(line.text);
    if (StartsWithWord(text, "VERSION")) return std::string(Trim(text.substr(7)));
  }
  return std::nullopt;
}

namespace {

// "Object = "{GUID}#2.0#0"; "File.ocx"" -> target and file; nullopt for other lines.
std::optional<FormObjectReference> ParseObjectLine(const FormLine& line) {
  std::string_view text = TrimLeft(line.text);
  if (text.size() < 6 || !EqualsNoCase(text.substr(0, 6), "Object")) return std::nullopt;
  text = TrimLeft(text.substr(6));
  if (text.empty() || text.front() != '=') return std::nullopt;
  text = TrimLeft(text.substr(1));
  auto quoted = [](std::string_view& s) -> std::optional<std::string> {
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::size_t end = s.find('"', 1);
    if (end == std::string_view::npos) return std::nullopt;
    std::string value(s.substr(1, end - 1));
    s = TrimLeft(s.substr(end + 1));
    return value;
  };
  FormObjectReference ref;
  ref.line = line.number;
  auto target = quoted(text);
  if (!target) return std::nullopt;
  ref.target = *target;
  if (!text.empty() && text.front() == ';') {
    text = TrimLeft(text.substr(1));
    if (auto file = quoted(text)) ref.file = *file;
  }
  return ref;
}

}  // namespace

void FormDocument::AddObjectReference(std::string_view target, std::string_view file) {
  std::optional<std::size_t> after;
  for (std::size_t i = 0; i < header_.size(); ++i) {
    if (auto ref = ParseObjectLine(header_[i])) {
      if (EqualsNoCase(ref->target, target)) return;
      after = i;
    } else if (!after && StartsWithWord(TrimLeft(header_[i].text), "VERSION")) {
      after = i;
    }
  }
  std::string text = "Object = \"" + std::string(target) + "\"";
  if (!file.empty()) text += "; \"" + std::string(file) + "\"";
  std::size_t at = after ? *after + 1 : 0;
  header_.insert(header_.begin() + static_cast<std::ptrdiff_t>(at), MadeLine(std::move(text), eol_));
}

std::vector<FormBlock*> FormDocument::Blocks() {
  std::vector<FormBlock*> result;
  for (TopItem& item : body_) {
    if (auto* b = std::get_if<std::unique_ptr<FormBlock>>(&item)) result.push_back(b->get());
  }
  return result;
}

FormBlock* FormDocument::Root() {
  auto blocks = Blocks();
  return blocks.empty() ? nullptr : blocks.front();
}

FormBlock* FormDocument::FindByType(std::string_view type) {
  for (FormBlock* block : Blocks()) {
    if (FormBlock* found = block->FindByType(type)) return found;
  }
  return nullptr;
}

FormBlock* FormDocument::FindByName(std::string_view name) {
  for (FormBlock* block : Blocks()) {
    if (FormBlock* found = block->FindByName(name)) return found;
  }
  return nullptr;
}

void FormDocument::RememberPictureOrigin(const PicturePtr& picture, std::string value_text) {
  std::erase_if(picture_origins_, [&](const auto& entry) {
    return entry.first.expired() || entry.first.lock() == picture;
  });
  if (picture) picture_origins_.emplace_back(picture, std::move(value_text));
}

std::optional<std::string> FormDocument::PictureOrigin(const Picture* picture) const {
  if (picture == nullptr) return std::nullopt;
  for (const auto& [weak, text] : picture_origins_) {
    if (auto held = weak.lock(); held && held.get() == picture) return text;
  }
  return std::nullopt;
}

namespace {
FormBlock* FindTabNamed(FormBlock* block, std::string_view name) {
  if (EqualsNoCase(block->Type(), kFolivanTabType) && EqualsNoCase(block->Name(), name)) return block;
  for (FormBlock* child : block->Children()) {
    if (FormBlock* found = FindTabNamed(child, name)) return found;
  }
  return nullptr;
}
}  // namespace

FormBlock* FindFolivanTab(FormDocument& document, std::string_view name) {
  if (name.empty()) return document.FindByType(kFolivanTabType);
  for (FormBlock* block : document.Blocks()) {
    if (FormBlock* found = FindTabNamed(block, name)) return found;
  }
  return nullptr;
}

}  // namespace folivan
