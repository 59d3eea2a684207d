#include "core/text.h"

#include <cstdint>

namespace folivan {

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

std::string UpperCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    // Latin-1 lower-case letters U+00E0..U+00FE (but U+00F7, the division sign)
    // are C3 A0..C3 BE in UTF-8; their capitals are 0x20 lower.
    if (c == 0xC3 && i + 1 < text.size()) {
      unsigned char d = static_cast<unsigned char>(text[i + 1]);
      if (d >= 0xA0 && d <= 0xBE && d != 0xB7) d = static_cast<unsigned char>(d - 0x20);
      out.push_back(static_cast<char>(c));
      out.push_back(static_cast<char>(d));
      ++i;
      continue;
    }
    out.push_back(AsciiUpper(static_cast<char>(c)));
  }
  return out;
}

std::string CharacterAt(std::string_view text, size_t pos) {
  if (pos >= text.size()) return {};
  size_t len = SequenceLength(static_cast<unsigned char>(text[pos]));
  return std::string(text.substr(pos, len));
}

std::string CharacterFromCode(int32_t code) {
  uint32_t c = static_cast<uint32_t>(code) & 0xFFFF;
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

}  // namespace folivan
