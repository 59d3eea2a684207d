// The play console: drives one control through its public interface and
// prints, one line per fact, what the control does.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"

namespace folivan::console {

class PageView;

struct SessionOptions {
  bool design = false;        // ambient UserMode false
  std::string form_path;      // load this form instead of a new instance
  std::string control_name;   // the control in the form (first FolivanTabs.FolivanTab if empty)
  int32_t width_px = 400;     // size of a new instance, or with size_given of a loaded control too
  int32_t height_px = 300;
  bool size_given = false;
  bool echo = false;          // play: each script line, prefixed with "> ", before what it causes
};

// A control over the headless platform, new or loaded from a form.
class Session {
 public:
  explicit Session(const SessionOptions& options);
  ~Session();

  FolivanTab& Control() { return *control_; }
  HeadlessHost& Host() { return *host_; }
  HeadlessSystem& System() { return system_; }
  Surface& GetSurface() { return *surface_; }
  const SessionOptions& Options() const { return options_; }

  // Loads the form given in the options (throws a one-line error naming file and line).
  void LoadForm();
  // Saves the form (or a new form holding the control) atomically.
  void SaveForm(const std::string& path);

  // The property page opened on the control (made on first use; its Changed prints on out).
  PageView& Page(std::ostream& out);
  bool HasPage() const { return page_ != nullptr; }

 private:
  struct FormState;
  SessionOptions options_;
  HeadlessSystem system_;
  std::unique_ptr<Surface> surface_;
  std::unique_ptr<HeadlessHost> host_;
  std::unique_ptr<FolivanTab> control_;
  std::unique_ptr<FormState> form_;
  std::unique_ptr<PageView> page_;
};

// A script error that stops the play: malformed line or unknown member.
struct ScriptError {
  int line;
  std::string message;
};

class Player {
 public:
  Player(Session& session, std::ostream& out);
  // Runs the script; throws ScriptError on a malformed line.
  void Run(std::istream& script);
  void RunLine(const std::string& line, int line_number);

  // What the script's `on` line asked of an event's handler.
  struct Handler {
    std::vector<std::pair<std::string, Variant>> assignments;
    std::string action;  // a script line the handler runs after setting its arguments
  };
  // Prints each script line, prefixed with "> ", before the facts it causes.
  void SetEcho(bool echo) { echo_ = echo; }
  void SetHandler(std::string_view event, Handler handler);
  void ClearHandler(std::string_view event);

 private:
  void OnEvent(int32_t dispid, std::span<Variant> args);

  Session& session_;
  std::ostream& out_;
  std::map<std::string, Handler> handlers_;  // by event name
  int line_ = 0;
  int depth_ = 0;  // lines running: a handler's line runs inside the line that raised the event
  bool echo_ = false;
};

// An error that stops `play` or `render`, on one line: "folivantab: FILE:LINE: what",
// or "folivantab: FILE: what" without a line (0), or "folivantab: what" without a file.
void PrintError(std::ostream& err, const std::string& file, int line, const std::string& what);

// `folivantab play`: returns the exit status (0, or 2 for a script or form error).
int RunPlay(const SessionOptions& options, const std::string& script_path, std::ostream& out, std::ostream& err);

}  // namespace folivan::console
