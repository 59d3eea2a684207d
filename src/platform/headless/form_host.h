// The headless host's side of a form file: the control's block and its
// nested blocks (the contained controls, in file order), loading the control
// through its property bag and saving everything back.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/headless/form_bag.h"
#include "platform/headless/form_file.h"
#include "platform/headless/headless_host.h"

namespace folivan {

class FolivanTab;

class FormHost {
 public:
  // A form loaded from a file; the control is the block named control_name,
  // or the first FolivanTabs.FolivanTab. Throws FormError.
  FormHost(const std::filesystem::path& path, const std::string& control_name);
  // The same over a form already parsed.
  FormHost(FormDocument document, const std::string& control_name);
  // A new form holding one new control.
  FormHost();

  FormDocument& Document() { return document_; }
  FormBlock& ControlBlock() { return *control_; }

  // Sizes the surface from the extender and makes a stand-in for every
  // nested block. Call before the control reads its properties.
  void PopulateHost(HeadlessHost& host);
  // The control reads its properties; a failure becomes a FormError naming
  // the line of the key being read.
  void LoadControl(FolivanTab& control);
  // Writes the control (its WriteProperties), the extender and every
  // contained control back into the document and saves it atomically.
  void Save(FolivanTab& control, HeadlessHost& host, const std::filesystem::path& path);
  // The same into the document only (Document().Serialize() gives the bytes).
  void Store(FolivanTab& control, HeadlessHost& host);

 private:
  // A contained control's block, and copies of the entries it held when the
  // form was loaded, kept as a save first replaces them.
  struct Link {
    const StandInControl* control;
    FormBlock* block;
    std::vector<FormProperty> loaded;
  };
  void SyncControl(StandInControl& control, Link& link, bool is_new);
  [[noreturn]] void FailAt(const FormBlock& block, std::string_view key, const std::string& what) const;

  FormDocument document_;
  FormBlock* control_ = nullptr;
  std::vector<Link> links_;
};

}  // namespace folivan
