#include "console.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "core/dispatch.h"
#include "core/text.h"
#include "platform/headless/surface_headless.h"
#include "platform/vb_runtime.h"
#include "render_command.h"
#include "script_values.h"
#include "verbs.h"
#include "page_view.h"
#include "platform/headless/form_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/surface_headless.h"
#include "platform/headless/picture_file.h"
#include "containment/switcher.h"
#include "input/mouse.h"
#include "tooltip/tip.h"

namespace folivan::console {

namespace {

// Converts an `on` value to the type of the event argument it sets.
Variant AsArgType(const Variant& v, ArgType type) {
  switch (type) {
    case ArgType::kInteger: return Variant(ToInteger(v));
    case ArgType::kLong: return Variant(ToLong(v));
    case ArgType::kBoolean: return Variant::Bool(ToBoolean(v));
    case ArgType::kSingle: return Variant(ToDouble(v));
    case ArgType::kDataObject: return v;
  }
  return v;
}

}  // namespace

// --- Session ----------------------------------------------------------------------------------

struct Session::FormState {
  FormHost form;
};

Session::Session(const SessionOptions& options) : options_(options) {
  auto surface = std::make_unique<HostedSurface>(system_, options.width_px, options.height_px);
  HostedSurface* hosted = surface.get();
  surface_ = std::move(surface);
  host_ = std::make_unique<HeadlessHost>(*surface_, system_);
  hosted->on_focus = [this] { host_->FocusTabControl(); };
  host_->SetUserMode(!options.design);
  control_ = std::make_unique<FolivanTab>(*host_, system_);
  if (options.form_path.empty()) {
    control_->InitProperties();
  } else {
    LoadForm();
    if (options.size_given) {
      // The host resizes the loaded control, as the script line `size` does.
      surface_->SetWidth(options.width_px * double{HeadlessSurface::kTwipsPerPixel});
      surface_->SetHeight(options.height_px * double{HeadlessSurface::kTwipsPerPixel});
      control_->Resize();
    }
  }
}

Session::~Session() = default;

PageView& Session::Page(std::ostream& out) {
  if (!page_) page_ = std::make_unique<PageView>(*this, out);
  return *page_;
}

void Session::LoadForm() {
  form_ = std::make_unique<FormState>(FormState{FormHost(std::filesystem::path(options_.form_path), options_.control_name)});
  form_->form.PopulateHost(*host_);
  form_->form.LoadControl(*control_);
}

void Session::SaveForm(const std::string& path) {
  if (!form_) form_ = std::make_unique<FormState>(FormState{FormHost()});
  form_->form.Save(*control_, *host_, path);
}

// --- Player -------------------------------------------------------------------------------------

Player::Player(Session& session, std::ostream& out) : session_(session), out_(out) {
  HeadlessHost& host = session_.Host();
  host.on_event = [this](int32_t dispid, std::span<Variant> args) { OnEvent(dispid, args); };
  host.on_property_changed = [this](std::string_view name) { out_ << "changed " << name << "\n"; };
  host.on_input_box = [this](std::string_view prompt, std::string_view title, std::string_view answer) {
    out_ << "inputbox " << Quote(prompt) << " " << Quote(title) << " -> " << Quote(answer) << "\n";
  };
  host.on_message_box = [this](const HeadlessHost::MessageBoxRecord& box) {
    out_ << "msgbox " << Quote(box.text) << " " << Quote(box.title) << " " << box.style << "\n";
  };
}

void Player::OnEvent(int32_t dispid, std::span<Variant> args) {
  const EventInfo& info = GetEventInfo(static_cast<EventId>(dispid));
  auto it = handlers_.find(std::string(info.name));
  if (it != handlers_.end()) {
    for (const auto& [arg_name, value] : it->second.assignments) {
      for (size_t i = 0; i < info.args.size() && i < args.size(); ++i) {
        if (EqualsIgnoreCase(info.args[i].name, arg_name)) args[i] = AsArgType(value, info.args[i].type);
      }
    }
  }
  out_ << "event " << info.name;
  for (size_t i = 0; i < info.args.size() && i < args.size(); ++i) {
    out_ << " " << info.args[i].name << "=" << FormatValue(args[i]);
  }
  out_ << "\n";
  if (it != handlers_.end() && !it->second.action.empty()) {
    // Copy: the action may replace this very handler.
    std::string action = it->second.action;
    RunLine(action, line_);
  }
}

void Player::Run(std::istream& script) {
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (echo_) {
      const size_t first = line.find_first_not_of(" \t");
      if (first != std::string::npos && line[first] != '#') out_ << "> " << line.substr(first) << "\n";
    }
    RunLine(line, number);
  }
}

void Player::RunLine(const std::string& raw, int number) {
  line_ = number;
  size_t first = raw.find_first_not_of(" \t");
  if (first == std::string::npos || raw[first] == '#') return;
  std::string line = raw.substr(first);
  auto split = SplitWords(line);
  if (!split || split->empty()) throw ScriptError{number, "unterminated text"};
  std::vector<std::string>& words = *split;
  Line context{*this, session_, out_, number, words};
  const Verb* found = FindVerb(words[0]);
  if (found == nullptr) context.Fail("unknown command: " + words[0]);
  ++depth_;
  try {
    // A run-time error anywhere in the line (a member, LoadPicture) is reported and the script goes on.
    context.Reporting([&] { found->run(context); });
  } catch (...) {
    --depth_;
    throw;
  }
  --depth_;
  // Between two lines of the script the host's message loop runs: the window
  // gets the Paint of what was drawn into the persistent image.
  if (depth_ == 0) {
    if (auto* surface = dynamic_cast<HeadlessSurface*>(&session_.GetSurface())) surface->PaintIfInvalid();
  }
}

void Player::SetHandler(std::string_view event, Handler handler) { handlers_[std::string(event)] = std::move(handler); }

void Player::ClearHandler(std::string_view event) { handlers_.erase(std::string(event)); }

void PrintError(std::ostream& err, const std::string& file, int line, const std::string& what) {
  err << "folivantab: ";
  if (!file.empty()) {
    err << file;
    if (line > 0) err << ":" << line;
    err << ": ";
  }
  err << what << "\n";
}

int RunPlay(const SessionOptions& options, const std::string& script_path, std::ostream& out, std::ostream& err) {
  std::ifstream file;
  std::istream* script = &std::cin;
  std::string name = "<stdin>";
  if (!script_path.empty() && script_path != "-") {
    file.open(script_path);
    if (!file) {
      PrintError(err, script_path, 0, "cannot open the script");
      return 2;
    }
    script = &file;
    name = script_path;
  }
  try {
    Session session(options);
    Player player(session, out);
    player.SetEcho(options.echo);
    player.Run(*script);
  } catch (const ScriptError& e) {
    out.flush();
    PrintError(err, name, e.line, e.message);
    return 2;
  } catch (const FormError& e) {
    out.flush();
    PrintError(err, e.File(), e.Line(), e.Description());
    return 2;
  } catch (const std::exception& e) {
    out.flush();
    PrintError(err, "", 0, e.what());
    return 2;
  }
  return 0;
}

}  // namespace folivan::console
