// `folivantab render`: draws one control, new or from a form, after an optional
// script, into a PNG file.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "console.h"

namespace folivan::console {

struct RenderOptions {
  SessionOptions session;
  std::string script_path;      // run this script first (- for standard input)
  std::string theme;            // colour scheme the system reports ("NormalColor", ...); empty: no visual style
  bool draw_controls = true;    // contained controls as Windows draws them (false: outlines with names)
  std::string property_page;    // draw the property page on this tab instead of the control
  bool as_shown = false;        // the window as it is, without the repaint of a Paint notification
  std::string output_path;
};

// "WxH" in pixels, both 1 to HeadlessSurface::kMaxPixels; false when the text is not of that form.
bool ParseSize(const std::string& text, int32_t& width, int32_t& height);

// The colour schemes of the visual style that --theme accepts, and the one a
// name means (matched without case).
std::span<const std::string_view> ThemeColorSchemes();
std::optional<std::string_view> FindThemeColorScheme(std::string_view name);

// Makes the session's system report a visual style with this colour scheme.
void SetThemeColorScheme(Session& session, const std::string& color_scheme);

// Repaints the control as the host's Paint notification does and writes what
// the window shows to a PNG, the contained controls in sight drawn over it as
// Windows draws them in the classic look, or as outlines with their names
// without draw_controls (the control's own surface is not touched by them).
// With as_shown there is no repaint: the picture is the window at this moment,
// hot looks drawn straight to it included.
void RenderToPng(Session& session, const std::string& path, bool draw_controls, bool as_shown = false);

// The property page opened on the session's control (opened now unless a
// script did), showing the tab of that name, written to a PNG.
void RenderPageToPng(Session& session, const std::string& tab, const std::string& path, std::ostream& out);

// Returns the exit status: 0, or 2 for a bad option, a script or form error, or
// a file that cannot be written.
int RunRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace folivan::console
