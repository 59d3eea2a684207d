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
  bool draw_controls = true;    // draw the contained controls in sight on top
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
// the window shows to a PNG; with draw_controls the contained controls in sight
// are drawn over it as outlines with their names (the control's own surface is
// not touched by them).
void RenderToPng(Session& session, const std::string& path, bool draw_controls);

// Returns the exit status: 0, or 2 for a bad option, a script or form error, or
// a file that cannot be written.
int RunRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace folivan::console
