// Text helpers for the control's UTF-8 strings.
#pragma once

#include <string>
#include <string_view>

namespace folivan {

// ASCII letters compared without case (member and property names).
inline bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x == y) continue;
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}
// The key under which the runtime's collections file a text: keys compare
// without regard to case, so a key is folded to lower case once (ASCII,
// Latin-1 and Latin Extended-A, Greek, Cyrillic and full-width Latin
// capitals) and then compared byte for byte.
std::string FoldCase(std::string_view text);
// Upper case of ASCII and Latin-1 letters (the runtime's UCase for the characters captions use).
std::string UpperCase(std::string_view text);
// The UTF-8 sequence of the character that starts at byte pos (empty at the end).
std::string CharacterAt(std::string_view text, size_t pos);
// The character of a character code (Latin-1 range and beyond) as UTF-8.
std::string CharacterFromCode(int32_t code);
// The character code of the first character of a UTF-8 text (its UTF-16 unit; 0 when empty).
int32_t CodeOfFirstCharacter(std::string_view text);

}  // namespace folivan
