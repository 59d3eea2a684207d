// The verbs of `folivantab play` scripts, in one table by families. A family
// lives in its own file (verbs_<family>.cpp) and lists its verbs here.
#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "script_values.h"

namespace folivan::console {

// One script line being run: what a verb works with.
struct Line {
  Player& player;
  Session& session;
  std::ostream& out;
  int number;
  std::vector<std::string>& words;

  const std::string& Verb() const { return words[0]; }
  FolivanTab& Control() const { return session.Control(); }
  // Stops the play with a message naming this line.
  [[noreturn]] void Fail(const std::string& message) const;
  // A literal, LoadPicture("file.png"), or an object of the host's form:
  // Window("NAME"), Control("NAME"[, INDEX]), Form("NAME").
  Variant Value(const std::string& text) const;
  // Runs a member; its own run-time error prints as `error N "text"` and the script goes on.
  void Reporting(const std::function<void()>& fn) const;
};

struct Verb {
  std::string_view name;
  void (*run)(Line& line);
};

// The families; add a family with one line here and one in verbs.cpp.
std::span<const Verb> MemberVerbs();   // set, get, call, on, state
std::span<const Verb> FormVerbs();     // add, show, controls, focus, save, answer, accesskey
std::span<const Verb> InputVerbs();    // mouse, click, keys, cursor, clicktab, size, wait
std::span<const Verb> PictureVerbs();  // render, tip
std::span<const Verb> AccessVerbs();   // accessible
std::span<const Verb> PageVerbs();     // page open|tab|choose|type|click|apply|get
std::span<const Verb> WindowVerbs();   // window, form, windows

// Window("NAME") (its handle), Control("NAME"[, INDEX]) and Form("NAME")
// (objects); nullopt for any other call.
std::optional<Variant> HostValue(const Line& line, const CallValue& call);
// `call GetControlDimensions` prints its four results.
void PrintDimensions(const Line& line, std::span<const Variant> args);

// The verb of that name, or nullptr.
const Verb* FindVerb(std::string_view name);

// Words from..end joined by single spaces.
std::string Join(const std::vector<std::string>& words, size_t from);

}  // namespace folivan::console
