// folivantab: plays scripts against the control over the headless platform and
// renders it to images.
#include <CLI/CLI.hpp>
#include <iostream>

#include "console.h"
#include "platform/headless/surface_headless.h"
#include "render_command.h"

int main(int argc, char** argv) {
  CLI::App app{"FolivanTab: a tabbed-dialog control, driven from the command line"};
  app.require_subcommand(1);

  folivan::console::SessionOptions play_options;
  std::string script;
  CLI::App* play = app.add_subcommand("play", "Run a script against one control and print what it does");
  play->add_flag("--design", play_options.design, "Design time (ambient UserMode false)");
  play->add_flag("--echo", play_options.echo, "Print each script line, after \"> \", before what it causes");
  play->add_option("--form", play_options.form_path, "Load the control from a .frm form file");
  play->add_option("--control", play_options.control_name, "Name of the control in the form");
  play->add_option("script", script, "Script file, or - for standard input");

  folivan::console::RenderOptions render_options;
  std::string render_size;
  bool no_controls = false;
  CLI::App* render = app.add_subcommand("render", "Draw one control (after a script) into a PNG file");
  render->add_flag("--design", render_options.session.design, "Design time (ambient UserMode false)");
  render->add_option("--form", render_options.session.form_path, "Load the control from a .frm form file");
  render->add_option("--control", render_options.session.control_name, "Name of the control in the form");
  render->add_option("--script", render_options.script_path, "Run this script first (- for standard input)");
  const std::string max_side = std::to_string(folivan::HeadlessSurface::kMaxPixels);
  render->add_option("--size", render_size,
                     "Size of the control in pixels, WxH, 1 to " + max_side + " each (default: the form's, or 400x300)");
  std::string schemes;
  for (std::string_view scheme : folivan::console::ThemeColorSchemes()) {
    schemes += (schemes.empty() ? "" : ", ") + std::string(scheme);
  }
  render->add_option("--theme", render_options.theme,
                     "Colour scheme of the visual style: " + schemes + " (default: no visual style)");
  render->add_flag("--no-controls", no_controls, "Draw the contained controls as outlines with their names");
  render->add_option("--property-page", render_options.property_page,
                     "Draw the property page on this tab (General, Extended, Preview, About, Controls)");
  render->add_flag("--as-shown", render_options.as_shown,
                   "The window as it is after the script (hot looks included), without a repaint first");
  render->add_option("-o,--output", render_options.output_path, "The PNG file to write")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }

  if (*play) return folivan::console::RunPlay(play_options, script, std::cout, std::cerr);
  if (*render) {
    if (!render_size.empty()) {
      if (!folivan::console::ParseSize(render_size, render_options.session.width_px,
                                       render_options.session.height_px)) {
        folivan::console::PrintError(std::cerr, "", 0,
                                     "--size takes WxH in pixels, 1 to " + max_side + " each, for example 600x400");
        return 2;
      }
      render_options.session.size_given = true;
    }
    if (!render_options.theme.empty()) {
      auto scheme = folivan::console::FindThemeColorScheme(render_options.theme);
      if (!scheme) {
        folivan::console::PrintError(std::cerr, "", 0,
                                     "unknown --theme " + render_options.theme + " (one of " + schemes + ")");
        return 2;
      }
      render_options.theme = std::string(*scheme);
    }
    render_options.draw_controls = !no_controls;
    return folivan::console::RunRender(render_options, std::cout, std::cerr);
  }
  return 2;
}
