// folivantab: plays scripts against the control over the headless platform.
#include <CLI/CLI.hpp>
#include <iostream>

#include "console.h"

int main(int argc, char** argv) {
  CLI::App app{"FolivanTab: a tabbed-dialog control, driven from the command line"};
  app.require_subcommand(1);

  folivan::console::SessionOptions play_options;
  std::string script;
  CLI::App* play = app.add_subcommand("play", "Run a script against one control and print what it does");
  play->add_flag("--design", play_options.design, "Design time (ambient UserMode false)");
  play->add_option("--form", play_options.form_path, "Load the control from a .frm form file");
  play->add_option("--control", play_options.control_name, "Name of the control in the form");
  play->add_option("script", script, "Script file, or - for standard input");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }

  if (*play) return folivan::console::RunPlay(play_options, script, std::cout, std::cerr);
  return 2;
}
