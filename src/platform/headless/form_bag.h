// The host's property bag over one control block of a form file.
//
// Reading: Read(name, default) finds the key in the block (without case) and
// returns its value (form_value.h), a FontDesc for a font group, or the
// default when the key is absent. The line and key of the last read are kept
// for the host's error messages.
//
// Saving: between BeginSave() and CommitSave() the control's writes are
// collected in the order they are made. CommitSave() then makes the block's
// property entries, as VB6 lays out a user control:
//   1. the extender entries already in the block (IsExtenderKey: Height,
//      Left, TabIndex, Top, Width, _ExtentX, ...) in their order and text;
//   2. the entries the control wrote, in the order written;
// followed, as before, by the nested blocks of the contained controls. Keys
// of the control that are not written this time are dropped: the control no
// longer holds them (a value equal to its default, or a tab that was
// removed). Keys foreign to the control (a later version's, a hand-written
// one) stay where they stood, after the entry they followed. An entry whose
// text comes out the same as the one it replaces keeps its line as found.
//
// Values equal to their default are not stored. "Equal" compares numbers
// across their types (a VbBool true equals -1, an Integer 0 equals a Long 0
// and Empty), texts exactly (Empty equals ""), fonts member by member and
// pictures by identity (Empty equals a null picture).
//
// Pictures are written as the quoted path of Picture::Source(), relative to
// the form's folder when it lies below it; a picture the bag itself handed
// out for an .frx reference (or any value text) is written back with that
// same text; a null picture, or one without a source, is not written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/form_file.h"
#include "platform/headless/key_index.h"
#include "platform/host.h"

namespace folivan {

// Where a picture value of a form points.
struct FormPictureRef {
  std::filesystem::path file;            // the picture file, or the .frx file
  std::optional<uint32_t> frx_offset;    // set for "Form1.frx":0000 references
  std::string value_text;                // the value as written in the form
};

// Loads a picture for the bag; may return nullptr (not loadable) or throw
// VbError (the read fails with it).
using FormPictureLoader = std::function<PicturePtr(const FormPictureRef&)>;

// A picture the bag could not load: no image, but it remembers where it was
// loaded from so that saving the form keeps the reference.
class UnloadedPicture : public Picture {
 public:
  explicit UnloadedPicture(FormPictureRef ref) : ref_(std::move(ref)) {}
  intptr_t Handle() const override { return 0; }
  int32_t Width() const override { return 0; }
  int32_t Height() const override { return 0; }
  std::string Source() const override { return ref_.file.string(); }
  const FormPictureRef& Ref() const { return ref_; }

 private:
  FormPictureRef ref_;
};

// True for `"File.frx":0000` and `$"File.frx":0000`; fills ref.file (relative
// to folder) and ref.frx_offset.
bool ParseFrxReference(std::string_view value_text, const std::filesystem::path& folder, FormPictureRef& ref);


class FormPropertyBag : public PropertyBag {
 public:
  // The bag reads and writes `block`, which belongs to `document`.
  FormPropertyBag(FormDocument& document, FormBlock& block, FormPictureLoader loader = {});

  // A key read with a picture default (a PicturePtr, null or not) or holding
  // an .frx reference is a picture: a quoted path (relative to the form's
  // folder) or the .frx reference goes to the loader; an empty path is a null
  // picture.
  Variant Read(std::string_view name, const Variant& default_value) override;
  void Write(std::string_view name, const Variant& value, const std::optional<Variant>& default_value) override;

  // Source line of the key last read (0 when it was absent) and its name.
  int LastReadLine() const { return last_read_line_; }
  const std::string& LastReadKey() const { return last_read_key_; }

  // Starts collecting a save (forgets earlier writes).
  void BeginSave();
  // Ends the save: the block's entries become its extender entries followed
  // by the entries written since BeginSave(). With keep_unknown, entries
  // that no bag over this block has read or written (keys the control does
  // not know) are kept in place; otherwise they are dropped.
  void CommitSave(bool keep_unknown = false);
  // The entries written since BeginSave(), in order.
  const std::vector<FormProperty>& Written() const { return written_; }

  FormBlock& Block() { return block_; }

 private:
  Variant ReadPicture(const FormProperty& entry);
  std::optional<std::string> PictureValueText(const PicturePtr& picture) const;
  void Forget(std::string_view name);
  // The position of a written key, or KeyIndex::kNone.
  uint32_t FindWritten(std::string_view name) const;
  auto WrittenKey() const {
    return [this](uint32_t i) { return written_[i].Key(); };
  }

  FormDocument& document_;
  FormBlock& block_;
  FormPictureLoader loader_;
  std::vector<FormProperty> written_;
  KeyIndex written_index_;  // key -> entry of written_
  int last_read_line_ = 0;
  std::string last_read_key_;
};

}  // namespace folivan
