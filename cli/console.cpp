#include "console.h"

#include <fstream>
#include <iostream>
#include <sstream>

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

[[noreturn]] void Fail(int line, const std::string& message) { throw ScriptError{line, message}; }

// "Member" or "Member(index)" with the index as a literal.
struct MemberRef {
  std::string name;
  std::vector<Variant> index;
};

std::optional<MemberRef> ParseMemberRef(std::string_view text) {
  MemberRef ref;
  size_t open = text.find('(');
  if (open == std::string_view::npos) {
    ref.name = std::string(text);
  } else {
    if (text.back() != ')') return std::nullopt;
    ref.name = std::string(text.substr(0, open));
    std::string_view inner = text.substr(open + 1, text.size() - open - 2);
    auto value = ParseValue(inner);
    if (!value) return std::nullopt;
    ref.index.push_back(*value);
  }
  if (ref.name.empty()) return std::nullopt;
  for (char c : ref.name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return std::nullopt;
  }
  return ref;
}

std::string Join(const std::vector<std::string>& words, size_t from) {
  std::string out;
  for (size_t i = from; i < words.size(); ++i) {
    if (i > from) out += ' ';
    out += words[i];
  }
  return out;
}

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

// Gives each windowed contained control the rectangle of its Left, Top,
// Width and Height (twips, 15 to the pixel) in the stand-in window system, so
// that the window under the cursor is what a user would see there.
void PlaceContainedWindows(Session& session) {
  for (const StandInControlPtr& c : session.Host().Controls()) {
    auto hwnd = c->Get("hwnd");
    if (!hwnd) continue;
    try {
      auto pixels = [&](const char* key) {
        auto v = c->Get(key);
        return v ? CLng(ToDouble(*v) / 15.0) : 0;
      };
      session.System().MoveWindow(static_cast<WindowHandle>(ToLong(*hwnd)), pixels("Left"), pixels("Top"),
                                  pixels("Width"), pixels("Height"), false);
      if (auto visible = c->Get("Visible")) {
        session.System().ShowWindow(static_cast<WindowHandle>(ToLong(*hwnd)),
                                    ToBoolean(*visible) ? sw::kShowNA : sw::kHide);
      }
    } catch (const VbError&) {
      // A position that does not convert leaves the window where it was.
    }
  }
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
  }
}

Session::~Session() = default;

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
    RunLine(line, number);
  }
}

void Player::RunLine(const std::string& raw, int number) {
  line_ = number;
  size_t first = raw.find_first_not_of(" \t");
  if (first == std::string::npos || raw[first] == '#') return;
  std::string line = raw.substr(first);
  auto split = SplitWords(line);
  if (!split || split->empty()) Fail(number, "unterminated text");
  std::vector<std::string>& words = *split;
  const std::string verb = words[0];
  FolivanTab& control = session_.Control();

  // A member's own error is reported and the script goes on.
  auto reporting = [&](auto&& fn) {
    try {
      fn();
    } catch (const VbError& e) {
      out_ << "error " << e.Number() << " " << Quote(e.Description()) << "\n";
    }
  };
  auto value_of = [&](const std::string& text) {
    // LoadPicture("file.png") loads a PNG or BMP picture.
    if (text.starts_with("LoadPicture(") && text.back() == ')') {
      auto path = ParseValue(text.substr(12, text.size() - 13));
      if (!path || !path->Is<std::string>()) Fail(number, "expected LoadPicture(\"file\")");
      try {
        return Variant(LoadPictureFile(path->As<std::string>()));
      } catch (const std::exception& e) {
        Fail(number, e.what());
      }
    }
    auto v = ParseValue(text);
    if (!v) Fail(number, "bad value: " + text);
    return *v;
  };
  auto member_of = [&](const std::string& text) -> std::pair<const MemberInfo*, MemberRef> {
    auto ref = ParseMemberRef(text);
    if (!ref) Fail(number, "bad member: " + text);
    const MemberInfo* m = FindMember(ref->name);
    if (m == nullptr) Fail(number, "unknown member: " + ref->name);
    return {m, *ref};
  };

  if (verb == "set") {
    // set Member = value, set Member(index) = value
    std::string rest = Join(words, 1);
    size_t eq = rest.find('=');
    if (eq == std::string::npos) Fail(number, "expected: set Member = value");
    std::string lhs = rest.substr(0, eq);
    std::string rhs = rest.substr(eq + 1);
    auto trim = [](std::string s) {
      size_t a = s.find_first_not_of(" \t");
      size_t b = s.find_last_not_of(" \t");
      return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    };
    auto [member, ref] = member_of(trim(lhs));
    if (member->is_method) Fail(number, std::string(member->name) + " is a method");
    Variant value = value_of(trim(rhs));
    reporting([&] { PutMember(control, *member, ref.index, value); });
  } else if (verb == "get") {
    if (words.size() != 2) Fail(number, "expected: get Member");
    auto [member, ref] = member_of(words[1]);
    if (member->is_method) Fail(number, std::string(member->name) + " is a method");
    reporting([&] {
      Variant v = GetMember(control, *member, ref.index);
      out_ << member->name;
      if (!ref.index.empty()) out_ << "(" << ToText(ref.index[0]) << ")";
      out_ << " = " << FormatValue(v) << "\n";
    });
  } else if (verb == "call") {
    if (words.size() < 2) Fail(number, "expected: call Method arg ...");
    auto [member, ref] = member_of(words[1]);
    if (!member->is_method) Fail(number, std::string(member->name) + " is not a method");
    std::vector<Variant> args;
    for (size_t i = 2; i < words.size(); ++i) args.push_back(value_of(words[i]));
    reporting([&] { CallMember(control, *member, args); });
  } else if (verb == "on") {
    if (words.size() < 2) Fail(number, "expected: on Event Arg=value ...");
    const EventInfo* event = FindEvent(words[1]);
    if (event == nullptr) Fail(number, "unknown event: " + words[1]);
    Handler handler;
    // "do <line>" at the end: the handler also runs that script line, re-entering the control.
    size_t end = words.size();
    for (size_t i = 2; i < words.size(); ++i) {
      if (words[i] == "do") {
        if (i + 1 >= words.size()) Fail(number, "expected a script line after do");
        handler.action = Join(words, i + 1);
        end = i;
        break;
      }
    }
    for (size_t i = 2; i < end; ++i) {
      size_t eq = words[i].find('=');
      if (eq == std::string::npos) Fail(number, "expected Arg=value: " + words[i]);
      std::string arg = words[i].substr(0, eq);
      bool known = false;
      for (const EventArgInfo& a : event->args) known = known || EqualsIgnoreCase(a.name, arg);
      if (!known) Fail(number, "event " + std::string(event->name) + " has no argument " + arg);
      handler.assignments.emplace_back(arg, value_of(words[i].substr(eq + 1)));
    }
    if (handler.assignments.empty() && handler.action.empty()) {
      handlers_.erase(std::string(event->name));
    } else {
      handlers_[std::string(event->name)] = std::move(handler);
    }
  } else if (verb == "state") {
    // The control's private fields, for exploring and testing what no member shows.
    if (words.size() != 2) Fail(number, "expected: state Field");
    const ControlState& st = control.State();
    const std::map<std::string, Variant, std::less<>> fields = {
        {"Hidd", Variant(st.Hidd)},
        {"HiddR", Variant(st.HiddR)},
        {"mShowScrollBar", Variant::Bool(st.mShowScrollBar)},
        {"PreviousTab", Variant(st.PreviousTab)},
        {"LastActTab", Variant(st.LastActTab)},
        {"sHowerTab", Variant(st.sHowerTab)},
        {"StripH", Variant(st.StripH)},
        {"HiddenCount", Variant(st.HiddenCount)},
        {"CommonControls", Variant(static_cast<int32_t>(st.CommonControls.Count()))},
        {"AccessKeys", Variant(session_.GetSurface().AccessKeys())},
        {"PreviousHotTab", Variant(st.input.PreviousHotTab)},
        {"MouseInside", Variant(st.input.MouseInside)},
        {"LastMouseX", Variant(static_cast<double>(st.input.LastMouseX))},
        {"LastMouseY", Variant(static_cast<double>(st.input.LastMouseY))},
        {"PasswordPrompting", Variant::Bool(st.input.PasswordPrompting)},
        {"HasFocus", Variant::Bool(st.paint.HasFocus)},
        {"OverTab", Variant::Bool(OverTab)},
        {"OverCurrentTab", Variant::Bool(OverCurrentTab)},
        {"ButtonHeld", Variant::Bool(ButtonHeld)},
        {"CanScrollLeft", Variant::Bool(st.paint.CanScrollLeft)},
        {"CanScrollRight", Variant::Bool(st.paint.CanScrollRight)},
        {"ScrollButtonWidth", Variant(st.paint.ScrollButtonWidth)},
        {"LeftPressed", Variant::Bool(st.input.LeftPressed)},
        {"RightPressed", Variant::Bool(st.input.RightPressed)},
    };
    auto it = fields.find(words[1]);
    if (it == fields.end()) Fail(number, "unknown field: " + words[1]);
    out_ << it->first << " = " << FormatValue(it->second) << "\n";
  } else if (verb == "add") {
    // add Type Name [Index=n] Key=value ...
    if (words.size() < 3) Fail(number, "expected: add Type Name [Index=n] Key=value ...");
    const ControlKindInfo* kind = FindControlKind(words[1]);
    if (kind == nullptr || kind->kind == ContainedControl::Kind::kForm) Fail(number, "unknown control type: " + words[1]);
    std::optional<int16_t> index;
    std::vector<std::pair<std::string, Variant>> values;
    for (size_t i = 3; i < words.size(); ++i) {
      size_t eq = words[i].find('=');
      if (eq == std::string::npos) Fail(number, "expected Key=value: " + words[i]);
      std::string key = words[i].substr(0, eq);
      Variant value = value_of(words[i].substr(eq + 1));
      if (EqualsIgnoreCase(key, "Index")) {
        try {
          index = ToInteger(value);
        } catch (const VbError&) {
          Fail(number, "Index takes a number");
        }
      } else {
        values.emplace_back(key, value);
      }
    }
    if (session_.Host().FindControl(words[2], index) != nullptr) Fail(number, "a control " + words[2] + " is already there");
    StandInControl& added = session_.Host().AddControl(*kind, words[2], index);
    for (const auto& [key, value] : values) {
      if (!added.Set(key, value)) Fail(number, kind->type + " has no property " + key + " that takes " + FormatValue(value));
    }
  } else if (verb == "show") {
    if (words.size() != 1) Fail(number, "expected: show");
    reporting([&] { control.Show(); });
  } else if (verb == "controls") {
    if (words.size() != 1) Fail(number, "expected: controls");
    for (const StandInControlPtr& c : session_.Host().Controls()) {
      out_ << "control " << GetControlID(*c);
      for (const char* key : {"Left", "Top", "X1", "X2", "TabStop", "Enabled"}) {
        if (auto v = c->Get(key)) out_ << " " << key << "=" << FormatValue(*v);
      }
      out_ << "\n";
    }
  } else if (verb == "focus") {
    if (words.size() != 1) Fail(number, "expected: focus");
    HeadlessHost::Focus f = session_.Host().GetFocus();
    if (f.control != nullptr) {
      out_ << "focus " << GetControlID(*f.control) << "\n";
    } else if (f.on_tab_control) {
      out_ << "focus control\n";
    } else {
      out_ << "focus none\n";
    }
  } else if (verb == "save") {
    if (words.size() != 2) Fail(number, "expected: save FILE.frm");
    Variant path = value_of(words[1].front() == '"' ? words[1] : Quote(words[1]));
    try {
      session_.SaveForm(path.As<std::string>());
    } catch (const std::exception& e) {
      Fail(number, e.what());
    }
  } else if (verb == "answer") {
    if (words.size() == 1) {
      session_.Host().QueueAnswer("");
    } else if (words.size() == 2) {
      Variant v = value_of(words[1]);
      if (!v.Is<std::string>()) Fail(number, "expected: answer \"text\"");
      session_.Host().QueueAnswer(v.As<std::string>());
    } else {
      Fail(number, "expected: answer \"text\"");
    }
  } else if (verb == "accesskey") {
    if (words.size() != 2) Fail(number, "expected: accesskey C");
    std::string key = words[1];
    if (key.size() >= 2 && key.front() == '"') key = value_of(key).As<std::string>();
    if (key.empty()) Fail(number, "expected: accesskey C");
    // The host delivers only the keys the control registered.
    std::string registered = session_.GetSurface().AccessKeys();
    if (UpperCase(registered).find(UpperCase(key)) != std::string::npos) {
      unsigned char c = static_cast<unsigned char>(key[0]);
      reporting([&] { control.AccessKeyPress(static_cast<int16_t>(c)); });
    }
  } else if (verb == "wait") {
    if (words.size() != 2) Fail(number, "expected: wait MS");
    Variant v = value_of(words[1]);
    int32_t ms = 0;
    try {
      ms = ToLong(v);
    } catch (const VbError&) {
      Fail(number, "expected: wait MS");
    }
    if (ms < 0) Fail(number, "wait takes a number of milliseconds >= 0");
    session_.System().AdvanceClock(static_cast<uint64_t>(ms));
  } else if (verb == "render") {
    if (words.size() != 2) Fail(number, "expected: render FILE.png");
    std::string path = words[1];
    if (path.size() >= 2 && path.front() == '"') path = value_of(path).As<std::string>();
    reporting([&] { RenderToPng(session_, path, true); });
  } else if (verb == "mousedown" || verb == "mousemove" || verb == "mouseup") {
    // The host's mouse notifications: X and Y in pixels of the control.
    if (words.size() != 5) Fail(number, "expected: " + verb + " BUTTON SHIFT X Y");
    int16_t button = 0;
    int16_t shift = 0;
    double x = 0;
    double y = 0;
    try {
      button = ToInteger(value_of(words[1]));
      shift = ToInteger(value_of(words[2]));
      x = ToDouble(value_of(words[3]));
      y = ToDouble(value_of(words[4]));
    } catch (const VbError&) {
      Fail(number, "expected: " + verb + " BUTTON SHIFT X Y");
    }
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    reporting([&] {
      if (verb == "mousedown") {
        control.MouseDown(button, shift, fx, fy);
      } else if (verb == "mousemove") {
        control.MouseMove(button, shift, fx, fy);
      } else {
        control.MouseUp(button, shift, fx, fy);
      }
    });
  } else if (verb == "click" || verb == "dblclick" || verb == "gotfocus" || verb == "lostfocus") {
    if (words.size() != 1) Fail(number, "expected: " + verb);
    reporting([&] {
      if (verb == "click") {
        control.Click();
      } else if (verb == "dblclick") {
        control.DblClick();
      } else if (verb == "gotfocus") {
        control.GotFocus();
      } else {
        control.LostFocus();
      }
    });
  } else if (verb == "cursor") {
    // The control's window lies at 0, 0 of the stand-in screen.
    if (words.size() != 3) Fail(number, "expected: cursor X Y");
    int32_t x = 0;
    int32_t y = 0;
    try {
      x = ToLong(value_of(words[1]));
      y = ToLong(value_of(words[2]));
    } catch (const VbError&) {
      Fail(number, "expected: cursor X Y");
    }
    PlaceContainedWindows(session_);
    session_.System().SetCursorPos(Point{x, y});
  } else if (verb == "clicktab") {
    // What a user's click on the middle of tab N does.
    if (words.size() != 2) Fail(number, "expected: clicktab N");
    int16_t n = 0;
    try {
      n = ToInteger(value_of(words[1]));
    } catch (const VbError&) {
      Fail(number, "expected: clicktab N");
    }
    if (!control.State().IsValidTab(n)) Fail(number, "no tab " + words[1]);
    const TabRecord& tab = control.State().tabs[static_cast<size_t>(n)];
    const int32_t x = (tab.AL + tab.AR) / 2;
    const int32_t y = (tab.AT + tab.AB) / 2;
    PlaceContainedWindows(session_);
    session_.System().SetCursorPos(Point{x, y});
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    reporting([&] { control.MouseMove(0, 0, fx, fy); });
    reporting([&] { control.MouseDown(1, 0, fx, fy); });
    reporting([&] { control.MouseUp(1, 0, fx, fy); });
    reporting([&] { control.Click(); });
  } else if (verb == "keydown" || verb == "keyup") {
    // The host's key notifications: a virtual-key code and the Shift state.
    if (words.size() != 3) Fail(number, "expected: " + verb + " KEYCODE SHIFT");
    int16_t key_code = 0;
    int16_t shift = 0;
    try {
      key_code = ToInteger(value_of(words[1]));
      shift = ToInteger(value_of(words[2]));
    } catch (const VbError&) {
      Fail(number, "expected: " + verb + " KEYCODE SHIFT");
    }
    reporting([&] {
      if (verb == "keydown") {
        control.KeyDown(key_code, shift);
      } else {
        control.KeyUp(key_code, shift);
      }
    });
  } else if (verb == "keypress") {
    if (words.size() != 2) Fail(number, "expected: keypress ASCII");
    int16_t key_ascii = 0;
    try {
      key_ascii = ToInteger(value_of(words[1]));
    } catch (const VbError&) {
      Fail(number, "expected: keypress ASCII");
    }
    reporting([&] { control.KeyPress(key_ascii); });
  } else if (verb == "size") {
    // The host resizes the control: W and H in pixels (15 twips each), then
    // its resize and paint notifications.
    if (words.size() != 3) Fail(number, "expected: size W H");
    int32_t w = 0;
    int32_t h = 0;
    try {
      w = ToLong(value_of(words[1]));
      h = ToLong(value_of(words[2]));
    } catch (const VbError&) {
      Fail(number, "expected: size W H");
    }
    if (w < 1 || h < 1 || w > 4096 || h > 4096) Fail(number, "size takes a width and a height of 1 to 4096 pixels");
    session_.GetSurface().SetWidth(w * 15.0);
    session_.GetSurface().SetHeight(h * 15.0);
    reporting([&] { control.Resize(); });
    reporting([&] { control.Paint(); });
  } else if (verb == "tip") {
    // The tooltip of the hot tab.
    if (words.size() != 1) Fail(number, "expected: tip");
    const auto& tip = control.State().input.Tip;
    if (!tip) {
      out_ << "tip none\n";
    } else {
      out_ << "tip Style=" << tip->Style() << " Title=" << Quote(tip->Title()) << " Icon=" << tip->Icon()
           << " TipText=" << Quote(tip->TipText()) << " Window=" << (tip->HasWindow() ? "yes" : "no") << "\n";
      // The tooltip window as the platform holds it, and how many there are.
      const HeadlessTooltips& tooltips = session_.System().Tooltips();
      if (const HeadlessTooltips::Tooltip* w = tooltips.Find(tip->Window())) {
        out_ << "tip window Class=" << Quote(session_.System().FindWindow(tip->Window())->class_name)
             << " WindowStyle=" << w->style << " Topmost=" << (w->topmost ? "yes" : "no")
             << " Owner=" << (w->owner == control.hwnd() ? "control" : "other") << " Title=" << Quote(w->title)
             << " Icon=" << w->icon << " Tools=" << w->tools.size();
        if (!w->tools.empty()) {
          const ToolInfo& tool = w->tools.front();
          out_ << " ToolRect=" << tool.rect.left << "," << tool.rect.top << "," << tool.rect.right << ","
               << tool.rect.bottom << " ToolText=" << Quote(tool.text);
        }
        out_ << " Windows=" << tooltips.Windows().size() << "\n";
      }
    }
  } else {
    Fail(number, "unknown command: " + verb);
  }
}

int RunPlay(const SessionOptions& options, const std::string& script_path, std::ostream& out, std::ostream& err) {
  std::ifstream file;
  std::istream* script = &std::cin;
  std::string name = "<stdin>";
  if (!script_path.empty() && script_path != "-") {
    file.open(script_path);
    if (!file) {
      err << "folivantab: cannot open script " << script_path << "\n";
      return 2;
    }
    script = &file;
    name = script_path;
  }
  try {
    Session session(options);
    Player player(session, out);
    player.Run(*script);
  } catch (const ScriptError& e) {
    out.flush();
    err << name << ":" << e.line << ": " << e.message << "\n";
    return 2;
  } catch (const FormError& e) {
    out.flush();
    err << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    out.flush();
    err << "folivantab: " << e.what() << "\n";
    return 2;
  }
  return 0;
}

}  // namespace folivan::console
