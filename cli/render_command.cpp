#include "render_command.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>

#include "page_view.h"
#include "core/text.h"
#include "paint/repaint.h"
#include "platform/headless/classic_controls.h"
#include "core/text.h"
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

// A value the control has, or that its form gave it (keys the stand-in keeps as they are).
std::optional<Variant> ValueOf(const StandInControl& control, std::string_view name) {
  if (auto v = control.Get(name)) return v;
  for (const auto& [key, value] : control.Values()) {
    if (EqualsIgnoreCase(key, name)) return value;
  }
  return std::nullopt;
}

std::string TextOf(const StandInControl& control, std::string_view name) {
  auto v = ValueOf(control, name);
  if (!v) return {};
  try {
    return ToText(*v);
  } catch (const VbError&) {
    return {};
  }
}

int32_t IntOf(const StandInControl& control, std::string_view name, int32_t fallback) {
  auto v = ValueOf(control, name);
  if (!v) return fallback;
  try {
    return ToLong(*v);
  } catch (const VbError&) {
    return fallback;
  }
}

// One contained control as Windows draws it in the classic look; a control of
// a kind the host does not know keeps its outline and name.
void DrawClassic(PixelImage& image, SizedFont& font, const StandInControl& control, const ClassicColors& colors,
                 bool design) {
  auto visible = control.Get("Visible");
  if (visible && !ToBoolean(*visible)) return;
  const std::string& type = control.Info().type;

  if (control.GetKind() == ContainedControl::Kind::kLine) {
    auto x1 = NumberOf(control, "X1"), y1 = NumberOf(control, "Y1");
    auto x2 = NumberOf(control, "X2"), y2 = NumberOf(control, "Y2");
    if (x1 && y1 && x2 && y2) {
      DrawClassicLine(image, Point{ToPixels(*x1), ToPixels(*y1)}, Point{ToPixels(*x2), ToPixels(*y2)},
                      colors.window_text);
    }
    return;
  }
  auto left = NumberOf(control, "Left"), top = NumberOf(control, "Top");
  auto width = NumberOf(control, "Width"), height = NumberOf(control, "Height");
  if (!left || !top || !width || !height) return;
  ClassicControl c;
  c.rect = Rect{ToPixels(*left), ToPixels(*top), ToPixels(*left + *width), ToPixels(*top + *height)};
  if (IsEmpty(Intersect(c.rect, Rect{0, 0, image.width(), image.height()}))) return;
  c.enabled = IntOf(control, "Enabled", -1) != 0;
  c.alignment = IntOf(control, "Alignment", 0);
  if (EqualsIgnoreCase(type, "VB.Label")) {
    c.kind = ClassicKind::kLabel;
    c.text = TextOf(control, "Caption");
    c.opaque = IntOf(control, "BackStyle", 1) != 0;
  } else if (EqualsIgnoreCase(type, "VB.TextBox")) {
    c.kind = ClassicKind::kTextBox;
    c.text = TextOf(control, "Text");
    c.border = IntOf(control, "BorderStyle", 1) != 0;
  } else if (EqualsIgnoreCase(type, "VB.CommandButton")) {
    c.kind = ClassicKind::kButton;
    c.text = TextOf(control, "Caption");
  } else if (EqualsIgnoreCase(type, "VB.CheckBox") || EqualsIgnoreCase(type, "VB.OptionButton")) {
    c.kind = EqualsIgnoreCase(type, "VB.CheckBox") ? ClassicKind::kCheckBox : ClassicKind::kOption;
    c.text = TextOf(control, "Caption");
    c.checked = IntOf(control, "Value", 0) != 0;
  } else if (EqualsIgnoreCase(type, "VB.Frame")) {
    c.kind = ClassicKind::kFrame;
    c.text = TextOf(control, "Caption");
  } else if (EqualsIgnoreCase(type, "VB.ListBox")) {
    c.kind = ClassicKind::kList;
    // A form designer shows a list box's name as its one entry.
    if (design) c.items.push_back(control.Name());
  } else if (EqualsIgnoreCase(type, "VB.ComboBox")) {
    c.kind = ClassicKind::kCombo;
    c.text = TextOf(control, "Text");
  } else if (EqualsIgnoreCase(type, "VB.PictureBox")) {
    c.kind = ClassicKind::kPictureBox;
    c.border = IntOf(control, "BorderStyle", 1) != 0;
  } else if (EqualsIgnoreCase(type, "VB.Shape")) {
    c.kind = ClassicKind::kShape;
  } else if (EqualsIgnoreCase(type, "VB.Image")) {
    c.kind = ClassicKind::kImage;
  } else {
    DrawStandIn(image, font, control);
    return;
  }
  DrawClassicControl(image, c, colors);
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

void RenderToPng(Session& session, const std::string& path, bool draw_controls, bool as_shown) {
  auto* surface = dynamic_cast<HeadlessSurface*>(&session.GetSurface());
  if (surface == nullptr) throw std::runtime_error("the session's surface has no pixels");

  // What the host's Paint notification does: the control draws itself, and the
  // window shows the persistent image.
  if (!as_shown) {
    Repaint(session.Control());
    if (surface->AutoRedraw()) surface->Refresh();
  }

  PixelImage image = surface->WindowImage();
  SizedFont& font = FontEngine::Shared()->Get(FontDesc{"Tahoma", 8.25});
  const ClassicColors colors = ClassicColors::Of(session.System());
  const bool design = !session.Host().AmbientUserMode();
  for (const StandInControlPtr& control : session.Host().Controls()) {
    if (draw_controls) {
      DrawClassic(image, font, *control, colors, design);
    } else {
      DrawStandIn(image, font, *control);
    }
  }
  WritePng(image, path);
}

void RenderPageToPng(Session& session, const std::string& tab, const std::string& path, std::ostream& out) {
  size_t index = std::size(page_text::kTabs);
  for (size_t i = 0; i < std::size(page_text::kTabs); ++i) {
    if (EqualsIgnoreCase(page_text::kTabs[i], tab)) index = i;
  }
  if (index == std::size(page_text::kTabs)) throw std::runtime_error("the property page has no tab " + tab);
  // A script that opened the page leaves it as it is; otherwise the designer opens it now.
  const bool opened = session.HasPage();
  PageView& view = session.Page(out);
  if (!opened) view.Open();
  view.Page().ShowTab(static_cast<int>(index));
  WritePng(view.Render(), path);
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
    if (options.property_page.empty()) {
      RenderToPng(session, options.output_path, options.draw_controls, options.as_shown);
    } else {
      RenderPageToPng(session, options.property_page, options.output_path, out);
    }
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
