#include "render_command.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>

#include "core/text.h"
#include "paint/repaint.h"
#include "platform/headless/font_engine.h"
#include "platform/headless/form_file.h"
#include "platform/headless/image_io.h"
#include "platform/headless/surface_headless.h"
#include "platform/headless/text_layout.h"
#include "platform/vb_runtime.h"

namespace folivan::console {

namespace {

constexpr int32_t kTwipsPerPixel = HeadlessSurface::kTwipsPerPixel;
constexpr RgbColor kControlOutline = Rgb(64, 64, 64);
constexpr RgbColor kControlName = Rgb(0, 0, 128);

std::optional<double> NumberOf(const StandInControl& control, std::string_view name) {
  auto value = control.Get(name);
  if (!value) return std::nullopt;
  try {
    return ToDouble(*value);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

int32_t ToPixels(double twips) { return static_cast<int32_t>(RoundHalfEven(twips / kTwipsPerPixel)); }

std::string DisplayName(const StandInControl& control) {
  std::string name = control.Name();
  if (control.Index()) name.append("(").append(std::to_string(*control.Index())).append(")");
  return name;
}

// One contained control as a plain outline with its name inside; a line as the
// line itself. Controls out of sight (pushed off by a tab change, invisible or
// wholly outside the surface) are left out.
void DrawStandIn(PixelImage& image, SizedFont& font, const StandInControl& control) {
  auto visible = control.Get("Visible");
  if (visible && !ToBoolean(*visible)) return;

  if (control.GetKind() == ContainedControl::Kind::kLine) {
    auto x1 = NumberOf(control, "X1"), y1 = NumberOf(control, "Y1");
    auto x2 = NumberOf(control, "X2"), y2 = NumberOf(control, "Y2");
    if (x1 && y1 && x2 && y2) DrawLine(image, ToPixels(*x1), ToPixels(*y1), ToPixels(*x2), ToPixels(*y2), kControlOutline);
    return;
  }

  auto left = NumberOf(control, "Left"), top = NumberOf(control, "Top");
  auto width = NumberOf(control, "Width"), height = NumberOf(control, "Height");
  if (!left || !top || !width || !height) return;
  const Rect box{ToPixels(*left), ToPixels(*top), ToPixels(*left + *width), ToPixels(*top + *height)};
  if (IsEmpty(Intersect(box, Rect{0, 0, image.width(), image.height()}))) return;

  FrameRect(image, box, kControlOutline);
  Rect text_area{box.left + 3, box.top + 2, box.right - 2, box.bottom - 1};
  DrawTextOnImage(&image, font, {}, DecodeText(DisplayName(control)), text_area,
                  dt::kLeft | dt::kSingleLine | dt::kNoPrefix, kControlName);
}

}  // namespace

bool ParseSize(const std::string& text, int32_t& width, int32_t& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  auto parse = [](std::string_view part, int32_t& value) {
    if (part.empty()) return false;
    auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    return ec == std::errc() && end == part.data() + part.size() && value >= 1;
  };
  const std::string_view all(text);
  int32_t w = 0, h = 0;
  if (!parse(all.substr(0, x), w) || !parse(all.substr(x + 1), h)) return false;
  if (w > HeadlessSurface::kMaxPixels || h > HeadlessSurface::kMaxPixels) return false;
  width = w;
  height = h;
  return true;
}

std::span<const std::string_view> ThemeColorSchemes() {
  static constexpr std::string_view kSchemes[] = {"NormalColor", "Metallic", "HomeStead"};
  return kSchemes;
}

std::optional<std::string_view> FindThemeColorScheme(std::string_view name) {
  for (std::string_view scheme : ThemeColorSchemes()) {
    if (EqualsIgnoreCase(scheme, name)) return scheme;
  }
  return std::nullopt;
}

void SetThemeColorScheme(Session& session, const std::string& color_scheme) {
  session.System().SetTheme(ThemeName{"Luna.msstyles", color_scheme});
}

void RenderToPng(Session& session, const std::string& path, bool draw_controls) {
  auto* surface = dynamic_cast<HeadlessSurface*>(&session.GetSurface());
  if (surface == nullptr) throw std::runtime_error("the session's surface has no pixels");

  // What the host's Paint notification does: the control draws itself, and the
  // window shows the persistent image.
  Repaint(session.Control());
  if (surface->AutoRedraw()) surface->Refresh();

  PixelImage image = surface->WindowImage();
  if (draw_controls) {
    SizedFont& font = FontEngine::Shared()->Get(FontDesc{"Tahoma", 8.25});
    for (const StandInControlPtr& control : session.Host().Controls()) DrawStandIn(image, font, *control);
  }
  WritePng(image, path);
}

int RunRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
  std::ifstream file;
  std::istream* script = nullptr;
  std::string name;
  if (!options.script_path.empty()) {
    if (options.script_path == "-") {
      script = &std::cin;
      name = "<stdin>";
    } else {
      file.open(options.script_path);
      if (!file) {
        PrintError(err, options.script_path, 0, "cannot open the script");
        return 2;
      }
      script = &file;
      name = options.script_path;
    }
  }
  try {
    Session session(options.session);
    if (!options.theme.empty()) SetThemeColorScheme(session, options.theme);
    if (script != nullptr) {
      Player player(session, out);
      player.Run(*script);
    }
    RenderToPng(session, options.output_path, options.draw_controls);
  } catch (const ScriptError& e) {
    out.flush();
    PrintError(err, name, e.line, e.message);
    return 2;
  } catch (const FormError& e) {
    out.flush();
    PrintError(err, e.File(), e.Line(), e.Description());
    return 2;
  } catch (const VbError& e) {
    out.flush();
    PrintError(err, "", 0, "error " + std::to_string(e.Number()) + ": " + e.Description());
    return 2;
  } catch (const std::exception& e) {
    out.flush();
    PrintError(err, "", 0, e.what());
    return 2;
  }
  return 0;
}

}  // namespace folivan::console
