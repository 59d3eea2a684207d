// Values of the Visual Basic 6 form text format (.frm): the text to the right
// of "Key = " turned into a Variant and back, the ANSI code page of the file,
// and the layout of one "Key = value" line.
//
// Line layout, as VB6 writes it:
//   - indentation is 3 spaces per nesting level: a top-level "Begin" at
//     column 0, its properties and nested "Begin"s at 3, theirs at 6, ...;
//     the members of a "BeginProperty" group one level deeper than the group;
//   - the key is left-justified in a field of 16 characters and followed by
//     "=   " (equals sign and three spaces) and the value, so the equals
//     signs line up in column indent + 16:
//         "      Caption         =   \"Tab 0\""
//   - a key of 16 characters or more is followed directly by "=   ", with
//     no space before the equals sign ("AllowUserResizing=   1");
//   - booleans are "-1  'True" and "0   'False" (the number padded to four
//     characters, then the comment);
//   - "Begin Type Name " and "BeginProperty Key {GUID} " end in one space;
//     "End" and "EndProperty" stand alone.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/types.h"
#include "platform/variant.h"

namespace folivan {

constexpr int kFormIndentStep = 3;
constexpr std::size_t kFormKeyWidth = 16;

// The class identifier of the standard font object; VB6 tags every font
// group ("BeginProperty Font {...}") with it.
inline constexpr std::string_view kStdFontGuid = "{0BE35203-8F91-11CE-9DE3-00AA004BB851}";

// How a value text was understood.
enum class FormValueKind {
  kString,   // "text", quotes doubled inside
  kNumber,   // decimal integer, decimal fraction, or &H hexadecimal
  kBoolean,  // -1  'True or 0   'False
  kRaw,      // anything else ($"Form1.frx":0000, "Form1.frx":0010, odd text), kept as written
};

struct FormValue {
  FormValueKind kind = FormValueKind::kRaw;
  // The parsed value: VbBool, int16_t (decimal in range), int32_t (wider
  // decimal, or &H...& / long hexadecimal), double, or UTF-8 std::string.
  // For kRaw it is the raw text itself.
  Variant value;
};

// Raised by ParseFormValue for a text no form file may hold (a string whose
// closing quote is missing). The form parser adds the file and line.
class FormValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the text to the right of "Key =", leading and trailing blanks
// already removed. Strings are decoded from Windows-1252 to UTF-8.
FormValue ParseFormValue(std::string_view text);

// The value text for a scalar Variant: Empty and strings quoted (encoded to
// Windows-1252), booleans with their comment, numbers in VB's shortest form.
// Throws VbError for a font or picture (they need a group or a host
// decision) and for a string holding a line break, which a form file line
// cannot carry.
std::string FormatFormValue(const Variant& value);

// A double as VB prints it: integers without a fraction, otherwise the
// fewest significant digits (at most 15) that read back to the same value,
// exponent as "E+20" / "E-07".
std::string FormatVbDouble(double value);

// A Single as VB writes one: the value rounded to a Single, then the fewest
// significant digits (at most 7) that read back to that Single, and 7 where
// none do; integers without a fraction, exponent as for FormatVbDouble.
std::string FormatVbSingle(double value);

// A quoted form string: quotes doubled, UTF-8 encoded to Windows-1252.
std::string QuoteFormString(std::string_view utf8);

// One line "Key = value" with the indentation and key field described above
// (no line ending).
std::string FormatPropertyLine(int indent, std::string_view key, std::string_view value_text);

// Windows-1252 <-> UTF-8. Every byte value maps to one code point (the five
// bytes Windows leaves undefined map to the C1 controls of the same number),
// so bytes -> UTF-8 -> bytes is exact. Code points outside the code page and
// malformed UTF-8 become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

// ASCII case-insensitive comparison: form keys and type names are matched
// this way, as VB matches property names.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace folivan
