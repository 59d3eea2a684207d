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

// The small letter of a capital; other code points unchanged.
char32_t LowerCodePoint(char32_t c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1, but the multiplication sign
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    if (c == 0x178) return 0xFF;  // Y with diaeresis
    // Pairs start on even code points, except in 0139..0148 and 0179..017E.
    const bool odd_pairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    return (c % 2 == 1) == odd_pairs ? c + 1 : c;
  }
  if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;  // full-width Latin
  return c;
}

void AppendCodePoint(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string FoldCase(std::string_view text) {
  // The ASCII run at the start (most keys are all ASCII) is folded in place.
  std::string out(text);
  size_t i = 0;
  for (; i < out.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0x80) break;
    if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
  }
  if (i == out.size()) return out;
  out.resize(i);
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back((lead >= 'A' && lead <= 'Z') ? static_cast<char>(lead + 32) : static_cast<char>(lead));
      ++i;
      continue;
    }
    const size_t len = SequenceLength(lead);
    bool whole = len > 1 && i + len <= text.size();
    char32_t c = lead & (0x7F >> len);
    for (size_t k = 1; whole && k < len; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      whole = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!whole) {  // not UTF-8: the byte stands for itself
      out.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
    const char32_t lower = LowerCodePoint(c);
    if (lower == c) {
      out.append(text.substr(i, len));
    } else {
      AppendCodePoint(out, lower);
    }
    i += len;
  }
  return out;
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

int32_t CodeOfFirstCharacter(std::string_view text) {
  std::string first = CharacterAt(text, 0);
  if (first.empty()) return 0;
  auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(first[i])); };
  uint32_t c = byte(0);
  if (first.size() == 2) c = ((c & 0x1F) << 6) | (byte(1) & 0x3F);
  if (first.size() == 3) c = ((c & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  if (first.size() > 3) c = 0xFFFD;  // beyond the 16-bit codes a key press carries
  return static_cast<int32_t>(c);
}

}  // namespace folivan
