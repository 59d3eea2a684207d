// How fast the control is at scale, each figure as a ratio measured in the
// same run: surface primitives and full repaints against one memset of the
// surface's bytes, tab changes and form files against their smaller case.
// The table at the end lists every figure with its target.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "paint/repaint.h"
#include "platform/headless/contained_controls.h"
#include "platform/headless/form_host.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/raster.h"

namespace folivan {
namespace {

constexpr int32_t kWidth = 600;
constexpr int32_t kHeight = 400;

struct Control {
  explicit Control(bool user_mode = true, int32_t width = kWidth, int32_t height = kHeight)
      : surface(system, width, height), host(surface, system), control(host, system) {
    host.SetUserMode(user_mode);
    control.InitProperties();
  }
  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

void Keep(const PixelImage& image) { benchmark::DoNotOptimize(image.pixels().data()); }

// Every figure is the median of nine short runs: on a shared machine one
// long run takes whatever the neighbours leave of the memory bus, a median of
// several does not swing with one busy moment.
void Repeated(benchmark::internal::Benchmark* b) {
  b->MinTime(0.1)->Repetitions(9)->ReportAggregatesOnly(true);
}

// --- the yardstick and the primitives -----------------------------------------------

void BM_Memset(benchmark::State& state) {
  std::vector<uint32_t> bytes(static_cast<size_t>(kWidth) * kHeight);
  int value = 1;
  for (auto _ : state) {
    std::memset(bytes.data(), value++ & 0xFF, bytes.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memset)->Apply(Repeated);

void BM_FillRect(benchmark::State& state) {
  PixelImage image(kWidth, kHeight);
  RgbColor color = Rgb(236, 233, 216);
  for (auto _ : state) {
    FillRect(image, Rect{0, 0, kWidth, kHeight}, color ^= 1);
    Keep(image);
  }
}
BENCHMARK(BM_FillRect)->Apply(Repeated);

void BM_Cls(benchmark::State& state) {
  Control c;
  OleColor color = Rgb(236, 233, 216);
  for (auto _ : state) {
    c.surface.SetBackColor(color ^= 1);
    c.surface.Cls();
    Keep(c.surface.PersistentImage());
  }
}
BENCHMARK(BM_Cls)->Apply(Repeated);

void BM_GradientFill(benchmark::State& state) {
  PixelImage image(kWidth, kHeight);
  const auto mode = static_cast<GradientMode>(state.range(0));
  TriVertex a{0, 0, 0x1200, 0x3400, 0x5600, 0};
  TriVertex b{kWidth, kHeight, 0xFE00, 0xDC00, 0xBA00, 0};
  for (auto _ : state) {
    a.red ^= 0x100;
    GradientFill(image, a, b, mode);
    Keep(image);
  }
}
BENCHMARK(BM_GradientFill)
    ->Arg(static_cast<int>(GradientMode::kHorizontal))
    ->Arg(static_cast<int>(GradientMode::kVertical))
    ->Apply(Repeated);

// A fan of lines across the surface in every direction and slope.
void BM_DrawLine(benchmark::State& state) {
  PixelImage image(kWidth, kHeight);
  for (auto _ : state) {
    for (int32_t k = 0; k < kWidth; k += 8) {
      DrawLine(image, k, 0, kWidth - 1 - k, kHeight - 1, Rgb(10, 20, 30));
    }
    for (int32_t k = 0; k < kHeight; k += 8) {
      DrawLine(image, 0, k, kWidth - 1, kHeight - 1 - k, Rgb(30, 20, 10));
    }
    Keep(image);
  }
}
BENCHMARK(BM_DrawLine)->Apply(Repeated);

// --- full repaints --------------------------------------------------------------------

void BM_Repaint(benchmark::State& state) {
  Control c;
  c.control.SetAppearance(static_cast<int32_t>(state.range(0)));
  c.control.SetTabs(static_cast<int16_t>(state.range(1)));
  if (c.control.Tabs() != state.range(1)) state.SkipWithError("the control did not take the tabs");
  for (auto _ : state) {
    Repaint(c.control);
    Keep(c.surface.PersistentImage());
  }
}
BENCHMARK(BM_Repaint)->ArgsProduct({benchmark::CreateDenseRange(1, 13, 1), {10, 100}})->Apply(Repeated);

// --- tab changes ------------------------------------------------------------------------

// A change between two tabs at run time with n contained controls, all on tab 0.
void BM_TabChange(benchmark::State& state) {
  Control c;
  c.control.SetTabs(2);
  const ControlKindInfo& text_box = *FindControlKind("VB.TextBox");
  for (int64_t i = 0; i < state.range(0); ++i) {
    StandInControl& box = c.host.AddControl(text_box, "Text" + std::to_string(i), std::nullopt);
    box.Set("Left", Variant(120.0 + static_cast<double>(i % 50)));
  }
  int16_t tab = 0;
  for (auto _ : state) {
    tab = static_cast<int16_t>(1 - tab);
    c.control.SetCurrentTab(tab);
  }
  if (c.control.CurrentTab() != tab) state.SkipWithError("the change did not happen");
}
BENCHMARK(BM_TabChange)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// --- form files ------------------------------------------------------------------------

// A form whose FolivanTab has `tabs` tabs with ten text boxes each, tab 0 shown.
std::string BigForm(int tabs) {
  std::string f = "VERSION 5.00\r\nBegin VB.Form Form1 \r\n   Begin FolivanTabs.FolivanTab FolivanTab1 \r\n"
                  "      Height          =   6000\r\n      Left            =   0\r\n      TabIndex        =   0\r\n"
                  "      Top             =   0\r\n      Width           =   9000\r\n";
  f += "      Tabs            =   " + std::to_string(tabs) + "\r\n";
  for (int i = 0; i < tabs; ++i) {
    const std::string t = std::to_string(i);
    f += "      TabCaption(" + t + ")   =   \"Page " + t + "\"\r\n";
    f += "      TabContCtrlCnt(" + t + ")=   10\r\n";
    for (int j = 1; j <= 10; ++j) {
      const std::string e = "      Tab(" + t + ")", n = std::to_string(j);
      f += e + "ContCtrlCap(" + n + ")=   \"Text" + std::to_string(i * 10 + j - 1) + "\"\r\n";
      f += e + "CtrlEnabled(" + n + ")=   -1  'True\r\n";
      f += e + "CtrlTabStop(" + n + ")=   -1  'True\r\n";
    }
  }
  for (int k = 0; k < tabs * 10; ++k) {
    f += "      Begin VB.TextBox Text" + std::to_string(k) + " \r\n";
    f += "         Height          =   285\r\n";
    f += "         Left            =   " + std::to_string(k < 10 ? 120 : 120 - 75000) + "\r\n";
    f += "         TabIndex        =   " + std::to_string(k + 1) + "\r\n";
    f += "         Top             =   " + std::to_string(600 + (k % 10) * 360) + "\r\n";
    f += "         Width           =   1815\r\n      End\r\n";
  }
  return f + "   End\r\nEnd\r\nAttribute VB_Name = \"Form1\"\r\n";
}

// Loads the form in-process and saves it back to bytes.
std::string LoadAndSave(const std::string& bytes) {
  Control c;
  FormHost form(FormDocument::Parse(bytes, "big.frm"), "");
  form.PopulateHost(c.host);
  form.LoadControl(c.control);
  form.Store(c.control, c.host);
  return form.Document().Serialize();
}

// A form as the program saves it, loaded and saved again: the same bytes.
void BM_FormLoadSave(benchmark::State& state) {
  const std::string bytes = LoadAndSave(BigForm(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::string saved = LoadAndSave(bytes);
    if (saved != bytes) state.SkipWithError("the saved form differs");
    benchmark::DoNotOptimize(saved.data());
  }
}
BENCHMARK(BM_FormLoadSave)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FormLoadSave)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// --- the table -------------------------------------------------------------------------

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // A figure is known by its function and arguments; of repeated runs the median counts.
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const std::string name =
          run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
      ns_[name] = run.GetAdjustedCPUTime() * Scale(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const double memset_ns = Get("BM_Memset");
    std::printf("\n%-50s %10s %9s %5s\n", "figure", "ratio", "target", "met");
    auto row = [](const std::string& figure, double ratio, double target, const char* unit) {
      if (ratio <= 0) return;
      std::printf("%-50s %9.2f%s %8.2f%s %5s\n", figure.c_str(), ratio, unit, target, unit,
                  ratio <= target ? "yes" : "NO");
    };
    auto vs_memset = [&](const std::string& name) { return memset_ns > 0 ? Get(name) / memset_ns : 0; };
    row("FillRect, whole surface / memset", vs_memset("BM_FillRect"), 1.5, "x");
    row("Cls / memset", vs_memset("BM_Cls"), 1.5, "x");
    row("GradientFill horizontal / memset", vs_memset("BM_GradientFill/0"), 2, "x");
    row("GradientFill vertical / memset", vs_memset("BM_GradientFill/1"), 2, "x");
    static const char* kStyles[] = {"Windows Xp", "Property Page", "Visual Studio", "Office 2003",
                                    "Property Page Selected", "Visio", "State Buttons", "Flat", "ssTab",
                                    "Ms Excel", "Rounded", "Wizard", "System"};
    for (int a = 1; a <= 13; ++a) {
      const std::string name = "BM_Repaint/" + std::to_string(a);
      const double ten = vs_memset(name + "/10");
      row("repaint " + std::string(kStyles[a - 1]) + ", 10 tabs / memset", ten, a == 1 ? 6 : 8, "x");
      if (ten > 0) row("  100 tabs / 10 tabs", vs_memset(name + "/100") / ten, 1.5, "x");
    }
    const double change_small = Get("BM_TabChange/1000");
    const double change_big = Get("BM_TabChange/10000");
    row("tab change, 1,000 controls (ms CPU)", change_small / 1e6, 1, " ");
    row("tab change, 10,000 controls (ms CPU)", change_big / 1e6, 10, " ");
    if (change_small > 0) row("tab change, 10,000 / 1,000 controls", change_big / change_small, 11, "x");
    const double form_small = Get("BM_FormLoadSave/100");
    const double form_big = Get("BM_FormLoadSave/1000");
    row("form load + save, 1,000 tabs x 10 (ms CPU)", form_big / 1e6, 250, " ");
    if (form_small > 0) row("form load + save, 1,000 / 100 tabs", form_big / form_small, 12, "x");
#ifdef __OPTIMIZE__
    std::printf("(built with optimisation; ratios of CPU times, medians of nine runs)\n");
#else
    std::printf("(NOT built with optimisation: the figures mean little)\n");
#endif
  }

 private:
  static double Scale(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }
  double Get(const std::string& name) const {
    auto it = ns_.find(name);
    return it == ns_.end() ? 0 : it->second;
  }
  std::map<std::string, double> ns_;
};

}  // namespace
}  // namespace folivan

int main(int argc, char** argv) {
  // Repetitions of different figures run in a random interleaved order, so a
  // figure and the one it is divided by meet the same neighbours on the
  // machine (a flag given on the command line still decides).
  std::vector<char*> args(argv, argv + argc);
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  argc = count;
  argv = args.data();
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  folivan::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
