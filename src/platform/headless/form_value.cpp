#include "platform/headless/form_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/vb_runtime.h"

namespace folivan {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; 0xA0..0xFF equal their byte.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char EncodeCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as VB writes one: optional minus, digits with an optional
// fraction, optional exponent. No leading plus, no blanks.
bool LooksDecimal(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t exp_digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exp_digits;
    if (exp_digits == 0) return false;
  }
  return i == t.size();
}

bool ParseNumberToken(std::string_view t, Variant& out) {
  if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
    std::string_view digits = t.substr(2);
    bool long_suffix = false;
    if (!digits.empty() && digits.back() == '&') {
      long_suffix = true;
      digits.remove_suffix(1);
    }
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t n = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n, 16);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return false;
    // &H with up to four digits and no '&' is an Integer, as in VB source.
    if (!long_suffix && digits.size() <= 4) {
      out = Variant(static_cast<int16_t>(static_cast<uint16_t>(n)));
    } else {
      out = Variant(static_cast<int32_t>(n));
    }
    return true;
  }
  if (!LooksDecimal(t)) return false;
  bool integral = t.find_first_of(".eE") == std::string_view::npos;
  if (integral) {
    int64_t n = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec == std::errc() && ptr == t.data() + t.size()) {
      if (n >= std::numeric_limits<int16_t>::min() && n <= std::numeric_limits<int16_t>::max()) {
        out = Variant(static_cast<int16_t>(n));
        return true;
      }
      if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max()) {
        out = Variant(static_cast<int32_t>(n));
        return true;
      }
    }
  }
  // Fractions and integers too wide for a Long are Doubles.
  std::string copy(t);
  char* end = nullptr;
  double d = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) return false;
  out = Variant(d);
  return true;
}

// Scans a quoted string starting at text[0] == '"'. Returns the position after
// the closing quote, or npos when the string is not closed.
std::size_t ScanQuoted(std::string_view text, std::string& bytes) {
  std::size_t i = 1;
  while (i < text.size()) {
    if (text[i] == '"') {
      if (i + 1 < text.size() && text[i + 1] == '"') {
        bytes.push_back('"');
        i += 2;
        continue;
      }
      return i + 1;
    }
    bytes.push_back(text[i]);
    ++i;
  }
  return std::string_view::npos;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else if (b < 0xA0) {
      AppendUtf8(out, kCp1252High[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((b & 0xE0) == 0xC0) {
      extra = 1;
      cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      cp = b & 0x07;
    } else {
      out.push_back('?');
      ++i;
      continue;
    }
    if (i + static_cast<std::size_t>(extra) >= utf8.size()) {  // cut short at the end
      out.push_back('?');
      break;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(EncodeCp1252(cp));
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

FormValue ParseFormValue(std::string_view text) {
  text = Trim(text);
  FormValue result;
  // A text not understood is kept as it is.
  auto raw = [text] {
    FormValue kept;
    kept.value = Variant(std::string(text));
    return kept;
  };
  if (text.empty()) return raw();

  if (text.front() == '"') {
    std::string bytes;
    std::size_t end = ScanQuoted(text, bytes);
    if (end == std::string_view::npos) throw FormValueError("string without a closing quote");
    std::string_view rest = Trim(text.substr(end));
    // A comment may follow the string; anything else (":0000" of an .frx
    // reference) makes the whole text raw.
    if (rest.empty() || rest.front() == '\'') {
      result.kind = FormValueKind::kString;
      result.value = Variant(Cp1252ToUtf8(bytes));
      return result;
    }
    return raw();
  }
  if (text.size() > 1 && text.front() == '$' && text[1] == '"') {
    std::string bytes;
    if (ScanQuoted(text.substr(1), bytes) == std::string_view::npos) {
      throw FormValueError("string without a closing quote");
    }
    return raw();
  }

  // A number, then optionally blanks and a comment: "3  'Windows Default".
  std::size_t token_end = 0;
  while (token_end < text.size() && !IsBlank(text[token_end]) && text[token_end] != '\'') ++token_end;
  std::string_view token = text.substr(0, token_end);
  std::string_view rest = Trim(text.substr(token_end));
  if (!rest.empty() && rest.front() != '\'') return raw();
  Variant number;
  if (!ParseNumberToken(token, number)) return raw();
  std::string_view comment = rest.empty() ? rest : Trim(rest.substr(1));
  if (token == "-1" && EqualsNoCase(comment, "True")) {
    result.kind = FormValueKind::kBoolean;
    result.value = Variant::Bool(true);
  } else if (token == "0" && EqualsNoCase(comment, "False")) {
    result.kind = FormValueKind::kBoolean;
    result.value = Variant::Bool(false);
  } else {
    result.kind = FormValueKind::kNumber;
    result.value = number;
  }
  return result;
}

std::string FormatVbDouble(double value) {
  if (!std::isfinite(value)) throw vberr::Overflow();
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<int64_t>(value));  // also turns -0 into "0"
  }
  char buf[64];
  for (int precision = 1; precision <= 15; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    if (std::strtod(buf, nullptr) == value) break;
  }
  std::string text(buf);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string FormatVbSingle(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) throw vberr::Overflow();
  const float single = static_cast<float>(value);
  if (single == std::floor(single) && std::fabs(single) < 1e7f) {
    return std::to_string(static_cast<int64_t>(single));
  }
  char buf[64];
  for (int precision = 1; precision <= 7; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, static_cast<double>(single));
    if (std::strtof(buf, nullptr) == single) break;
  }
  std::string text(buf);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string QuoteFormString(std::string_view utf8) {
  std::string bytes = Utf8ToCp1252(utf8);
  std::string out;
  out.reserve(bytes.size() + 2);
  out.push_back('"');
  for (char c : bytes) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string FormatFormValue(const Variant& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return "\"\""; }
    std::string operator()(VbBool b) const { return b.value ? "-1  'True" : "0   'False"; }
    std::string operator()(int16_t i) const { return std::to_string(i); }
    std::string operator()(int32_t l) const { return std::to_string(l); }
    std::string operator()(double d) const { return FormatVbDouble(d); }
    std::string operator()(const std::string& s) const {
      if (s.find_first_of("\r\n") != std::string::npos) {
        throw VbError(vberr::kInvalidProcedureCall, "A text with a line break cannot be saved in a form file");
      }
      return QuoteFormString(s);
    }
    std::string operator()(const FontDesc&) const { throw vberr::TypeMismatch(); }
    std::string operator()(const PicturePtr&) const { throw vberr::TypeMismatch(); }
    std::string operator()(const ObjectPtr&) const { throw vberr::TypeMismatch(); }
  };
  return std::visit(Visitor{}, value.v);
}

std::string FormatPropertyLine(int indent, std::string_view key, std::string_view value_text) {
  std::string line(static_cast<std::size_t>(indent), ' ');
  line += key;
  if (key.size() < kFormKeyWidth) line.append(kFormKeyWidth - key.size(), ' ');
  line += "=   ";
  line += value_text;
  return line;
}

}  // namespace folivan
