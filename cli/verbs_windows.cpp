// Script lines of the host's windows: stand-in windows and forms outside the
// control (for EmbedWindow and InsertWindow), their listing, and the values
// that name them and the host's controls in arguments.
#include <cstdio>
#include <ostream>

#include "core/text.h"
#include "platform/vb_runtime.h"
#include "verbs.h"

namespace folivan::console {

namespace {

// NAME W H with a new name and a positive size in pixels.
void ReadWindowLine(const Line& line, std::string& name, int32_t& width, int32_t& height) {
  const std::string usage = "expected: " + line.Verb() + " NAME WIDTH HEIGHT";
  if (line.words.size() != 4) line.Fail(usage);
  name = line.words[1];
  if (line.session.Host().FindWindow(name) != nullptr) line.Fail("a window " + name + " is already there");
  try {
    width = ToLong(line.Value(line.words[2]));
    height = ToLong(line.Value(line.words[3]));
  } catch (const VbError&) {
    line.Fail(usage);
  }
  if (width <= 0 || height <= 0) line.Fail(usage);
}

void RunWindow(Line& line) {
  std::string name;
  int32_t width = 0, height = 0;
  ReadWindowLine(line, name, width, height);
  line.session.Host().AddWindow(name, width, height);
}

void RunForm(Line& line) {
  std::string name;
  int32_t width = 0, height = 0;
  ReadWindowLine(line, name, width, height);
  line.session.Host().AddForm(name, width, height);
}

std::string HexStyle(int32_t style) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&H%X&", static_cast<unsigned>(style));
  return buf;
}

void RunWindows(Line& line) {
  if (line.words.size() != 1) line.Fail("expected: windows");
  HeadlessSystem& system = line.session.System();
  const WindowHandle control = line.Control().hwnd();
  for (const HeadlessHost::StandInWindow& w : line.session.Host().Windows()) {
    const HeadlessSystem::Window* window = system.FindWindow(w.hwnd);
    if (window == nullptr) continue;
    const char* parent = window->parent == 0 ? "desktop" : window->parent == control ? "control" : "other";
    const Rect& r = window->rect;
    line.out << "window " << w.name << " Parent=" << parent << " Visible=" << (window->visible ? "yes" : "no")
             << " Rect=" << r.left << "," << r.top << "," << r.Width() << "," << r.Height()
             << " Style=" << HexStyle(system.GetWindowLong(w.hwnd, gwl::kStyle)) << "\n";
  }
}

std::string NameArg(const Line& line, const CallValue& call, size_t count) {
  if (call.args.size() < 1 || call.args.size() > count || !call.args[0].Is<std::string>()) {
    line.Fail("expected: " + call.name + "(\"NAME\"" + (count > 1 ? "[, INDEX]" : "") + ")");
  }
  return call.args[0].As<std::string>();
}

}  // namespace

std::optional<Variant> HostValue(const Line& line, const CallValue& call) {
  HeadlessHost& host = line.session.Host();
  if (EqualsIgnoreCase(call.name, "Window")) {
    std::string name = NameArg(line, call, 1);
    const HeadlessHost::StandInWindow* w = host.FindWindow(name);
    if (w == nullptr) line.Fail("no window " + name);
    return Variant(static_cast<int32_t>(w->hwnd));
  }
  if (EqualsIgnoreCase(call.name, "Form")) {
    std::string name = NameArg(line, call, 1);
    const HeadlessHost::StandInWindow* w = host.FindWindow(name);
    if (w == nullptr || !w->form) line.Fail("no form " + name);
    return Variant(ObjectPtr(w->form));
  }
  if (EqualsIgnoreCase(call.name, "Control")) {
    std::string name = NameArg(line, call, 2);
    std::optional<int16_t> index;
    if (call.args.size() == 2) {
      try {
        index = ToInteger(call.args[1]);
      } catch (const VbError&) {
        line.Fail("Control(\"NAME\", INDEX) takes a number");
      }
    }
    for (const StandInControlPtr& c : host.Controls()) {
      if (EqualsIgnoreCase(c->Name(), name) && c->Index() == index) return Variant(ObjectPtr(c));
    }
    std::string what = "no control " + name;
    if (index) what.append("(").append(std::to_string(*index)).append(")");
    line.Fail(what);
  }
  return std::nullopt;
}

void PrintDimensions(const Line& line, std::span<const Variant> args) {
  static constexpr const char* kNames[] = {"Left", "Top", "Width", "Height"};
  line.out << "dimensions";
  for (size_t i = 0; i < 4 && i < args.size(); ++i) line.out << " " << kNames[i] << "=" << FormatValue(args[i]);
  line.out << "\n";
}

std::span<const Verb> WindowVerbs() {
  static const Verb verbs[] = {
    {"window", RunWindow},
    {"form", RunForm},
    {"windows", RunWindows},
  };
  return verbs;
}

}  // namespace folivan::console
