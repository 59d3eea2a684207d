// Values as the play console reads and prints them: numbers in decimal or as
// &H...& hexadecimal, texts in double quotes with " doubled, True/False.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace folivan::console {

// Splits a line into words; a quoted text is one word (quotes kept),
// "Key=value" with a quoted value stays one word, and so does a word with
// parentheses up to the closing one (Control("Text1", 2)).
std::optional<std::vector<std::string>> SplitWords(std::string_view line);

// Parses one literal; nullopt when it is not a valid literal.
std::optional<Variant> ParseValue(std::string_view text);

// A value written as a call: Name(literal, ...), blanks allowed around the
// arguments. nullopt when the text has no such form.
struct CallValue {
  std::string name;
  std::vector<Variant> args;
};
std::optional<CallValue> ParseCallValue(std::string_view text);

// Quotes a text, doubling the quotes inside.
std::string Quote(std::string_view text);

// Prints a value: texts quoted, booleans True/False, numbers in decimal,
// objects as Object "Name" and collections as Controls(Name, ...).
std::string FormatValue(const Variant& value);

}  // namespace folivan::console
