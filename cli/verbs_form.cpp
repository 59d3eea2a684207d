// Script verbs of the host's form: contained controls, showing, focus,
// saving, and the host's input box and access keys.
#include "verbs.h"

#include <map>

#include "core/dispatch.h"
#include "core/text.h"
#include "platform/vb_runtime.h"
#include "render_command.h"
#include "script_values.h"
#include "platform/headless/form_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/picture_file.h"
#include "containment/switcher.h"
#include "input/mouse.h"
#include "tooltip/tip.h"

namespace folivan::console {

namespace {

void RunAdd(Line& line) {
  // add Type Name [Index=n] Key=value ...
  if (line.words.size() < 3) line.Fail("expected: add Type Name [Index=n] Key=value ...");
  const ControlKindInfo* kind = FindControlKind(line.words[1]);
  if (kind == nullptr || kind->kind == ContainedControl::Kind::kForm) line.Fail("unknown control type: " + line.words[1]);
  std::optional<int16_t> index;
  std::vector<std::pair<std::string, Variant>> values;
  for (size_t i = 3; i < line.words.size(); ++i) {
    size_t eq = line.words[i].find('=');
    if (eq == std::string::npos) line.Fail("expected Key=value: " + line.words[i]);
    std::string key = line.words[i].substr(0, eq);
    Variant value = line.Value(line.words[i].substr(eq + 1));
    if (EqualsIgnoreCase(key, "Index")) {
      try {
        index = ToInteger(value);
      } catch (const VbError&) {
        line.Fail("Index takes a number");
      }
    } else {
      values.emplace_back(key, value);
    }
  }
  if (line.session.Host().FindControl(line.words[2], index) != nullptr) line.Fail("a control " + line.words[2] + " is already there");
  StandInControl& added = line.session.Host().AddControl(*kind, line.words[2], index);
  for (const auto& [key, value] : values) {
    if (!added.Set(key, value)) line.Fail(kind->type + " has no property " + key + " that takes " + FormatValue(value));
  }
}

void RunShow(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() != 1) line.Fail("expected: show");
  line.Reporting([&] { control.Show(); });
}

void RunControls(Line& line) {
  // controls [KEY ...]: the given properties instead of the usual ones.
  std::vector<std::string> keys = {"Left", "Top", "X1", "X2", "TabStop", "Enabled"};
  if (line.words.size() > 1) keys.assign(line.words.begin() + 1, line.words.end());
  for (const StandInControlPtr& c : line.session.Host().Controls()) {
    line.out << "control " << GetControlID(*c);
    for (const std::string& key : keys) {
      if (auto v = c->Get(key)) line.out << " " << key << "=" << FormatValue(*v);
    }
    line.out << "\n";
  }
}

void RunFocus(Line& line) {
  if (line.words.size() != 1) line.Fail("expected: focus");
  HeadlessHost::Focus f = line.session.Host().GetFocus();
  if (f.control != nullptr) {
    line.out << "focus " << GetControlID(*f.control) << "\n";
  } else if (f.on_tab_control) {
    line.out << "focus control\n";
  } else {
    line.out << "focus none\n";
  }
}

void RunSave(Line& line) {
  if (line.words.size() != 2) line.Fail("expected: save FILE.frm");
  Variant path = line.Value(line.words[1].front() == '"' ? line.words[1] : Quote(line.words[1]));
  try {
    line.session.SaveForm(path.As<std::string>());
  } catch (const std::exception& e) {
    line.Fail(e.what());
  }
}

void RunAnswer(Line& line) {
  if (line.words.size() == 1) {
    line.session.Host().QueueAnswer("");
  } else if (line.words.size() == 2) {
    Variant v = line.Value(line.words[1]);
    if (!v.Is<std::string>()) line.Fail("expected: answer \"text\"");
    line.session.Host().QueueAnswer(v.As<std::string>());
  } else {
    line.Fail("expected: answer \"text\"");
  }
}

void RunAccessKey(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() != 2) line.Fail("expected: accesskey C");
  std::string key = line.words[1];
  if (key.size() >= 2 && key.front() == '"') key = line.Value(key).As<std::string>();
  if (key.empty()) line.Fail("expected: accesskey C");
  // The host delivers only the keys the control registered.
  std::string registered = line.session.GetSurface().AccessKeys();
  if (UpperCase(registered).find(UpperCase(key)) != std::string::npos) {
    const auto code = static_cast<int16_t>(CodeOfFirstCharacter(key));
    line.Reporting([&] { control.AccessKeyPress(code); });
  }
}

}  // namespace

std::span<const Verb> FormVerbs() {
  static const Verb verbs[] = {
    {"add", RunAdd},
    {"show", RunShow},
    {"controls", RunControls},
    {"focus", RunFocus},
    {"save", RunSave},
    {"answer", RunAnswer},
    {"accesskey", RunAccessKey},
  };
  return verbs;
}

}  // namespace folivan::console
