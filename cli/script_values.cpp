#include "script_values.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/text.h"
#include "platform/host.h"

namespace folivan::console {

std::optional<std::vector<std::string>> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string word;
    int depth = 0;  // a word with an open parenthesis goes on to its closing one, spaces and all
    while (i < line.size() && (depth > 0 || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '(') ++depth;
      if (line[i] == ')' && depth > 0) --depth;
      if (line[i] == '"') {
        // A quoted run: "" inside stands for one quote.
        word.push_back('"');
        ++i;
        bool closed = false;
        while (i < line.size()) {
          if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
              word += "\"\"";
              i += 2;
              continue;
            }
            closed = true;
            ++i;
            break;
          }
          word.push_back(line[i++]);
        }
        if (!closed) return std::nullopt;
        word.push_back('"');
        continue;
      }
      word.push_back(line[i++]);
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::optional<Variant> ParseValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  if (text.front() == '"') {
    if (text.size() < 2 || text.back() != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
      if (text[i] == '"') {
        if (i + 2 < text.size() && text[i + 1] == '"') {
          out.push_back('"');
          ++i;
          continue;
        }
        return std::nullopt;
      }
      out.push_back(text[i]);
    }
    return Variant(out);
  }
  if (EqualsIgnoreCase(text, "True")) return Variant::Bool(true);
  if (EqualsIgnoreCase(text, "False")) return Variant::Bool(false);
  if (EqualsIgnoreCase(text, "Empty")) return Variant();
  if (EqualsIgnoreCase(text, "Nothing")) return Variant(PicturePtr());
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    std::string_view digits = text.substr(2);
    bool is_long = false;
    if (!digits.empty() && digits.back() == '&') {
      digits.remove_suffix(1);
      is_long = true;
    }
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t n = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n, 16);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    // &H without the trailing & is an Integer when it fits in four digits, as the runtime reads it.
    if (!is_long && digits.size() <= 4) return Variant(static_cast<int16_t>(n));
    return Variant(static_cast<int32_t>(n));
  }
  bool has_point = text.find_first_of(".eE") != std::string_view::npos;
  if (!has_point) {
    int64_t n = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    if (n >= INT16_MIN && n <= INT16_MAX) return Variant(static_cast<int16_t>(n));
    if (n >= INT32_MIN && n <= INT32_MAX) return Variant(static_cast<int32_t>(n));
    return Variant(static_cast<double>(n));
  }
  double d = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return Variant(d);
}

std::optional<CallValue> ParseCallValue(std::string_view text) {
  size_t open = text.find('(');
  if (open == std::string_view::npos || open == 0 || text.back() != ')') return std::nullopt;
  CallValue call{std::string(text.substr(0, open)), {}};
  for (char c : call.name) {
    if (!std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
  }
  std::string_view inner = text.substr(open + 1, text.size() - open - 2);
  auto trim = [](std::string_view s) {
    size_t a = s.find_first_not_of(" \t");
    size_t b = s.find_last_not_of(" \t");
    return a == std::string_view::npos ? std::string_view() : s.substr(a, b - a + 1);
  };
  if (trim(inner).empty()) return call;
  // Commas inside quoted texts do not separate arguments.
  size_t start = 0;
  bool quoted = false;
  for (size_t i = 0; i <= inner.size(); ++i) {
    if (i < inner.size() && inner[i] == '"') quoted = !quoted;
    if (i == inner.size() || (inner[i] == ',' && !quoted)) {
      auto value = ParseValue(trim(inner.substr(start, i - start)));
      if (!value) return std::nullopt;
      call.args.push_back(*value);
      start = i + 1;
    }
  }
  return call;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string FormatValue(const Variant& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return "Empty"; }
    std::string operator()(VbBool b) const { return b.value ? "True" : "False"; }
    std::string operator()(int16_t i) const { return std::to_string(i); }
    std::string operator()(int32_t l) const { return std::to_string(l); }
    std::string operator()(double d) const {
      if (d == std::floor(d) && std::fabs(d) < 1e15) return std::to_string(static_cast<int64_t>(d));
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.7g", d);
      return buf;
    }
    std::string operator()(const std::string& s) const { return Quote(s); }
    std::string operator()(const FontDesc& f) const {
      char size[32];
      std::snprintf(size, sizeof size, "%g", f.size);
      std::string out = "Font " + Quote(f.name) + " " + size;
      if (f.bold) out += " Bold";
      if (f.italic) out += " Italic";
      if (f.underline) out += " Underline";
      if (f.strikethrough) out += " Strikethrough";
      return out;
    }
    std::string operator()(const PicturePtr& p) const {
      if (!p) return "Nothing";
      std::string source = p->Source();
      return source.empty() ? "Picture" : "Picture " + Quote(source);
    }
    std::string operator()(const ObjectPtr& o) const {
      if (!o) return "Nothing";
      if (auto* list = dynamic_cast<ControlCollection*>(o.get())) {
        std::string out = "Controls(";
        bool first = true;
        for (const ContainedControlPtr& c : list->Items()) {
          auto name = c ? c->Get("Name") : std::nullopt;
          out += (first ? "" : ", ") + (name && name->Is<std::string>() ? name->As<std::string>() : "?");
          first = false;
        }
        return out + ")";
      }
      if (auto* control = dynamic_cast<ContainedControl*>(o.get())) {
        auto name = control->Get("Name");
        return "Object " + (name && name->Is<std::string>() ? Quote(name->As<std::string>()) : std::string("?"));
      }
      return "Object";
    }
  };
  return std::visit(Visitor{}, value.v);
}

}  // namespace folivan::console
