// A Visual Basic 6 form file (.frm, text part) as a document: the header
// ("VERSION 5.00", "Object = ..." lines), the nested "Begin Type Name" ...
// "End" blocks of the form and its controls with their "Key = value" lines
// and "BeginProperty" groups, and the code after the last top-level "End".
//
// Every line keeps its bytes and its line ending as found; only what the
// program changes is generated anew (with the file's first line ending and
// the layout of form_value.h). Loading a file and saving it unchanged
// therefore gives back the same bytes.
//
// Text in the file is Windows-1252; keys, type names and control names are
// kept as bytes (they are ASCII in practice), string values are handed out
// as UTF-8 (see form_value.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/headless/form_value.h"
#include "platform/headless/key_index.h"
#include "platform/types.h"
#include "platform/variant.h"

namespace folivan {

// A malformed form file, or one that cannot be read or written. what() is one
// line: "FILE:LINE: description", or "FILE: description" when no line applies.
class FormError : public std::runtime_error {
 public:
  FormError(std::string file, int line, std::string description);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }  // 1-based; 0 when the error has no line
  const std::string& Description() const { return description_; }

 private:
  std::string file_;
  int line_;
  std::string description_;
};

// One physical line as found in the file.
struct FormLine {
  std::string text;       // bytes without the line ending
  std::string_view eol;   // "\r\n", "\n", or "" for a last line without one (static texts)
  int number = 0;         // 1-based line number in the source; 0 for a made line
};

// One property entry of a block: a "Key = value" line, or a group
// "BeginProperty Key {GUID}" ... "EndProperty" with member entries.
//
// An entry read from the file points at its lines' bytes, line endings
// included, in the bytes its document keeps, with its key and value text as
// places in them; an entry made in memory, and a copy of any entry, holds its
// text itself (a made entry's text is its key followed by its value text). A
// form holds one entry per line: reading one allocates nothing of its own.
// An entry read from a file is therefore used within its document; a copy
// may go anywhere.
class FormProperty {
 public:
  // A "Key = value" entry with the value text as it is to be written.
  static FormProperty Simple(std::string_view key, std::string_view value_text);
  // A font group in VB6's layout.
  static FormProperty Font(std::string_view key, const FontDesc& font);

  FormProperty() = default;
  FormProperty(const FormProperty& other) { *this = other; }
  FormProperty& operator=(const FormProperty& other);
  // A moved-from entry is an empty one (no key), never a dangling place.
  FormProperty(FormProperty&& other) noexcept { *this = std::move(other); }
  FormProperty& operator=(FormProperty&& other) noexcept;

  std::string_view Key() const { return Text().substr(key_at_, key_size_); }
  int Line() const { return line_; }  // first source line; 0 when made in memory
  bool IsGroup() const { return group_ != nullptr; }
  // Simple entries: the value text as written (blanks around it removed).
  std::string_view ValueText() const { return Text().substr(value_at_, value_size_); }
  // Groups: what follows the key on the BeginProperty line ("{GUID}"), trimmed.
  std::string_view GroupTag() const;
  const std::vector<FormProperty>& Members() const;
  const FormProperty* FindMember(std::string_view key) const;
  // A group tagged with the standard font's class, or an untagged group
  // holding a Name and a Size.
  bool IsFont() const;
  // Simple entries: how the value text was understood.
  FormValueKind Kind() const;
  // The value: simple entries parsed (raw text as a string), a font group as
  // a FontDesc (bold when Weight >= 600), any other group as Empty.
  Variant Value() const;
  // True while the entry holds its lines as found in the file (they are
  // written again as they were).
  bool FromSource() const { return from_source_; }
  // The entry's text as this program would write it at the given indentation
  // (lines joined by "\n", no final line ending).
  std::string GeneratedText(int indent) const;
  // True when both would be written the same way: the same key and value
  // text, or a group with the same generated lines.
  bool SameText(const FormProperty& other) const;

 private:
  friend class FormParser;
  friend class FormBlock;
  friend class FormDocument;
  friend class FormPropertyBag;
  // A group's tag and members.
  struct Group {
    std::string tag;
    std::vector<FormProperty> members;
  };
  void AppendGenerated(std::vector<std::string>& lines, int indent) const;
  std::string_view Text() const { return std::string_view(text_, text_size_); }
  void Own(std::string_view text);  // the entry holds this text itself
  // The other entry's places in its text, line and marks (not its text or group).
  void TakePlaces(const FormProperty& other);
  // A simple entry read from a file, pointing at the same place in the
  // document's bytes (a copy would hold the text itself).
  FormProperty Alias() const;

  // The source lines, or the key followed by the value text: held in owned_,
  // or (an entry read from a file) a place in the bytes of its document.
  const char* text_ = nullptr;
  uint32_t text_size_ = 0;
  uint32_t key_at_ = 0;
  uint32_t key_size_ = 0;
  uint32_t value_at_ = 0;
  uint32_t value_size_ = 0;
  int line_ = 0;
  bool from_source_ = false;
  bool known_ = false;  // the control has read or written the key through a property bag
  std::unique_ptr<char[]> owned_;
  std::unique_ptr<Group> group_;
};

// "Begin Type Name" ... "End": the form or one control, with its properties,
// its nested blocks (contained controls, menus) and the lines it does not
// understand (blank lines, comments), all in file order.
class FormBlock {
 public:
  FormBlock(std::string type, std::string name);
  FormBlock(const FormBlock&) = delete;
  FormBlock& operator=(const FormBlock&) = delete;

  const std::string& Type() const { return type_; }  // "VB.TextBox", "FolivanTabs.FolivanTab"
  const std::string& Name() const { return name_; }
  int Line() const { return begin_.number; }  // line of "Begin"; 0 when made in memory
  int EndLine() const { return end_.number; }
  FormBlock* Parent() const { return parent_; }

  // Property entries in file order.
  std::vector<const FormProperty*> Properties() const;
  // Entries, nested blocks and raw lines: at least the number of entries.
  std::size_t ItemCount() const { return items_.size(); }
  const FormProperty* Find(std::string_view key) const;  // key matched without case
  FormProperty* Find(std::string_view key);
  std::optional<Variant> Get(std::string_view key) const;
  // Stores a value under the key: replaces the entry in place, or adds it
  // (extender keys at their place among the leading extender entries, see
  // IsExtenderKey; other keys after the last property). A FontDesc becomes a font
  // group; a PicturePtr is written as its quoted Source() (a null picture
  // removes the key).
  void Set(std::string_view key, const Variant& value);
  // Same with a value text written as given ($"Form1.frx":0000).
  void SetRaw(std::string_view key, std::string value_text);
  void SetProperty(FormProperty entry);
  bool Remove(std::string_view key);
  // Replaces all property entries by these; nested blocks and raw lines stay,
  // in their order, after them.
  void ReplaceProperties(std::vector<FormProperty> entries);

  // Nested blocks (contained controls) in file order.
  std::vector<FormBlock*> Children();
  std::vector<const FormBlock*> Children() const;
  FormBlock* FindChild(std::string_view name);  // direct child by name (first match)
  FormBlock& AppendChild(std::string type, std::string name);
  // Inserts before the index-th child (index == count appends).
  FormBlock& InsertChild(std::size_t index, std::string type, std::string name);

  // Depth-first in file order, this block first; types and names matched
  // without case.
  FormBlock* FindByType(std::string_view type);
  FormBlock* FindByName(std::string_view name);

 private:
  friend class FormParser;
  friend class FormDocument;
  using Item = std::variant<FormProperty, std::unique_ptr<FormBlock>, FormLine>;

  void Write(std::string& out, int depth, std::string_view eol) const;
  std::size_t PropertyInsertPosition(std::string_view key) const;
  std::size_t ChildItemIndex(std::size_t child_index) const;
  // The item holding the first entry under the key, or npos.
  std::size_t FindItem(std::string_view key) const;

  std::string type_;
  std::string name_;
  FormLine begin_;  // text empty when the block was made in memory
  FormLine end_;
  std::vector<Item> items_;
  FormBlock* parent_ = nullptr;
  // Entries of a large block by key -> item, built on the first look-up and
  // again after items were inserted or removed.
  mutable KeyIndex key_index_;
  mutable std::size_t indexed_items_ = 0;
  mutable bool indexed_ = false;
  mutable bool unique_keys_ = false;  // no key appears twice among the entries
  // The control reads its keys, and a save writes them, in about the order
  // they stand in the block: the item after the last one found is tried first.
  mutable std::size_t next_item_ = 0;
};

// An "Object = "{GUID}#2.0#0"; "File.ocx"" line of the header.
struct FormObjectReference {
  std::string target;  // {GUID}#version#0 (or a project file for user controls)
  std::string file;    // the .ocx, empty when the line names none
  int line = 0;
};

class FormDocument {
 public:
  // A new, empty form file: "VERSION 5.00", a "Begin form_type form_name"
  // block and the code section's "Attribute VB_Name" line; CRLF endings.
  FormDocument(std::string form_type = "VB.Form", std::string form_name = "Form1");
  FormDocument(FormDocument&&) noexcept = default;
  FormDocument& operator=(FormDocument&&) noexcept = default;

  // Parses the bytes of a form file. source_name appears in error messages
  // and its folder is the form's folder (relative picture paths).
  static FormDocument Parse(std::string_view bytes, std::string source_name);
  // Reads and parses a file; FormError when it cannot be read or is malformed.
  static FormDocument Load(const std::filesystem::path& path);

  // The file's bytes.
  std::string Serialize() const;
  // Writes the file atomically: a temporary file in the same folder, flushed
  // to disk, renamed over the target. On failure the previous file is left
  // as it was and FormError names the target.
  void Save(const std::filesystem::path& path) const;

  const std::string& SourceName() const { return source_name_; }
  std::filesystem::path Folder() const;
  // The line ending of made lines: the file's first one, CRLF for a new file.
  const std::string& Eol() const { return eol_; }

  std::optional<std::string> Version() const;  // "5.00"
  // Adds an "Object = ..." line after the last one (or after VERSION) unless
  // one with the same target exists.
  void AddObjectReference(std::string_view target, std::string_view file);

  // Top-level blocks (normally just the form).
  std::vector<FormBlock*> Blocks();
  FormBlock* Root();  // the first top-level block, or nullptr
  FormBlock* FindByType(std::string_view type);
  FormBlock* FindByName(std::string_view name);

  const std::vector<FormLine>& HeaderLines() const;  // lines before the first block

  // Pictures the host's property bag loaded from a value text are
  // remembered with that text so that saving writes the same text again.
  void RememberPictureOrigin(const PicturePtr& picture, std::string value_text);
  std::optional<std::string> PictureOrigin(const Picture* picture) const;

 private:
  friend class FormParser;
  struct EmptyTag {};
  explicit FormDocument(EmptyTag);
  using TopItem = std::variant<FormLine, std::unique_ptr<FormBlock>>;

  std::string source_name_;
  std::string eol_ = "\r\n";
  std::vector<FormLine> header_;  // up to the first top-level block
  std::vector<TopItem> body_;     // top-level blocks and lines between them
  std::vector<FormLine> code_;    // after the last top-level block
  std::vector<std::pair<std::weak_ptr<Picture>, std::string>> picture_origins_;
  // The bytes the document was read from: the entries read from them point
  // into them.
  std::unique_ptr<const std::string> bytes_;
};

// Keys of a control's block that belong to the host's extender rather than
// to the control, in the order VB6 writes them for a user control: the
// extender's own properties alphabetically, then the keys VB adds for every
// user control:
//   Align CausesValidation DragIcon DragMode Enabled Height HelpContextID
//   Index Left TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID
//   Width _ExtentX _ExtentY _Version _StockProps
// The control's own keys never use these names (its enabled state is "Enab").
bool IsExtenderKey(std::string_view key);
// Position of an extender key in that order; -1 for other keys.
int ExtenderKeyRank(std::string_view key);

inline constexpr std::string_view kFolivanTabType = "FolivanTabs.FolivanTab";

// The first FolivanTab block of the form, or the first block named `name`
// when a name is given; nullptr when there is none.
FormBlock* FindFolivanTab(FormDocument& document, std::string_view name = {});

}  // namespace folivan
