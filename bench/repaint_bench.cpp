// A full repaint of a 600 x 400 control with ten tabs in the Windows XP style,
// measured against one plain fill of the same surface. A repaint recomputes
// everything (colours, layout, body, tabs, captions); the target is at most
// five plain fills.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/folivan_tab.h"
#include "paint/repaint.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/hosted_surface.h"

namespace folivan {
namespace {

constexpr int32_t kWidth = 600;
constexpr int32_t kHeight = 400;
constexpr int16_t kTabs = 10;

struct Fixture {
  Fixture() : surface(system, kWidth, kHeight), host(surface, system), control(host, system) {
    control.InitProperties();
    surface.SetAutoRedraw(true);
    control.SetTabs(kTabs);
    Repaint(control);
  }
  HeadlessSystem system;
  HostedSurface surface;
  HeadlessHost host;
  FolivanTab control;
};

void BM_PlainFill(benchmark::State& state) {
  Fixture f;
  const Rect whole{0, 0, kWidth, kHeight};
  RgbColor color = Rgb(236, 233, 216);
  for (auto _ : state) {
    f.surface.FillRect(whole, color);
    color ^= 1;  // a different colour each time, so nothing can be skipped
    benchmark::DoNotOptimize(f.surface.PersistentImage().At(kWidth / 2, kHeight / 2));
  }
}
BENCHMARK(BM_PlainFill);

void BM_RepaintXp(benchmark::State& state) {
  Fixture f;
  if (f.control.Tabs() != kTabs) state.SkipWithError("the control did not take ten tabs");
  for (auto _ : state) {
    Repaint(f.control);
    benchmark::DoNotOptimize(f.surface.PersistentImage().At(kWidth / 2, kHeight / 2));
  }
}
BENCHMARK(BM_RepaintXp);

// Reports the repaint's cost in plain fills once both have run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const double ns = run.GetAdjustedCPUTime();
      if (run.benchmark_name() == "BM_PlainFill") fill_ns_ = ns;
      if (run.benchmark_name() == "BM_RepaintXp") repaint_ns_ = ns;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (fill_ns_ > 0 && repaint_ns_ > 0) {
      std::printf("repaint / plain fill (CPU time) = %.2f (target: at most 5)\n", repaint_ns_ / fill_ns_);
    }
  }

 private:
  double fill_ns_ = 0;
  double repaint_ns_ = 0;
};

}  // namespace
}  // namespace folivan

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  folivan::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
