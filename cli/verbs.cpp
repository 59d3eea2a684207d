#include "verbs.h"

#include <filesystem>
#include <ostream>

#include "platform/headless/image_io.h"
#include "platform/headless/picture_file.h"
#include "platform/vb_runtime.h"
#include "script_values.h"

namespace folivan::console {

const Verb* FindVerb(std::string_view name) {
  static const std::vector<Verb> table = [] {
    std::vector<Verb> all;
    const std::span<const Verb> families[] = {
        MemberVerbs(),
        FormVerbs(),
        InputVerbs(),
        PictureVerbs(),
        AccessVerbs(),
        PageVerbs(),
        WindowVerbs(),
    };
    for (std::span<const Verb> family : families) {
      all.insert(all.end(), family.begin(), family.end());
    }
    return all;
  }();
  for (const Verb& verb : table) {
    if (verb.name == name) return &verb;
  }
  return nullptr;
}

std::string Join(const std::vector<std::string>& words, size_t from) {
  std::string out;
  for (size_t i = from; i < words.size(); ++i) {
    if (i > from) out += ' ';
    out += words[i];
  }
  return out;
}

void Line::Fail(const std::string& message) const { throw ScriptError{number, message}; }

Variant Line::Value(const std::string& text) const {
  // LoadPicture("file.png") loads a PNG or BMP picture.
  if (text.starts_with("LoadPicture(") && text.back() == ')') {
    auto path = ParseValue(text.substr(12, text.size() - 13));
    if (!path || !path->Is<std::string>()) Fail("expected LoadPicture(\"file\")");
    // The runtime's errors: a missing file is 53, a file that is no picture 481.
    const std::string& file = path->As<std::string>();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw vberr::FileNotFound();
    try {
      return Variant(LoadPictureFile(file));
    } catch (const ImageFileError&) {
      throw VbError(481, "Invalid picture");
    }
  }
  if (auto call = ParseCallValue(text)) {
    if (auto object = HostValue(*this, *call)) return *object;
  }
  auto v = ParseValue(text);
  if (!v) Fail("bad value: " + text);
  return *v;
}

void Line::Reporting(const std::function<void()>& fn) const {
  try {
    fn();
  } catch (const VbError& e) {
    out << "error " << e.Number() << " " << Quote(e.Description()) << "\n";
  }
}

}  // namespace folivan::console
