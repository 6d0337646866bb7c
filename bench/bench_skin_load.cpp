// Loading each stored skin as a window does at creation, against inflating
// the same stream alone. The "ratio" counter is load time / inflate time
// (aim: at most 2: reading the container costs no more than the inflation).
// The "first_draw_ms" counter is what the window's first drawing adds: the
// pictures that waited are decoded in a second pass over the stream. Then
// the seven skinned windows' loads together, as at start-up.
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>
#include <time.h>

namespace {
// Thread CPU time: the machine may be busy with other work, and the ratio is
// about our own work only.
double Now() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void BM_LoadSkin(benchmark::State& state, const char* name) {
  TbsCompressedStoredSkin stored;
  stored.LoadCompressedData(resources::Load(QLatin1String(name)));
  if (stored.IsStoredEmpty()) {
    state.SkipWithError("skin not embedded");
    return;
  }
  double inflate = 0, load = 0, draw = 0;
  qsizetype inflated = 0;
  for (auto _ : state) {
    const double t0 = Now();
    const QByteArray bytes = stored.Inflate();
    const double t1 = Now();
    TbsSkinData data;
    data.ReadStoredSkin(&stored);
    const double t2 = Now();
    benchmark::DoNotOptimize(data.Picture().Image().constBits());
    const double t3 = Now();
    benchmark::DoNotOptimize(bytes.constData());
    benchmark::DoNotOptimize(data.ControlCount());
    inflated = bytes.size();
    inflate += t1 - t0;
    load += t2 - t1;
    draw += t3 - t2;
    state.SetIterationTime(t2 - t1);
  }
  const double n = double(state.iterations());
  state.counters["inflate_ms"] = inflate / n * 1e3;
  state.counters["load_ms"] = load / n * 1e3;
  state.counters["first_draw_ms"] = draw / n * 1e3;
  state.counters["ratio"] = load / inflate;
  state.counters["inflated_bytes"] = double(inflated);
  state.counters["stored_bytes"] = double(stored.CompressedData().size());
}

// The stored skins of the seven skinned windows, in the order they are made:
// main, About, bolts, nuts, other threads, calculation, fittings.
void BM_LoadSevenWindowSkins(benchmark::State& state) {
  const char* const names[] = {"iMetal2.skn", "CyberObject.skn", "iMetal.skn", "iMetal.skn",
                               "iMetal.skn",  "iMetal.skn",      "CyberObject.skn"};
  std::vector<std::unique_ptr<TbsCompressedStoredSkin>> stored;
  for (const char* name : names) {
    stored.push_back(std::make_unique<TbsCompressedStoredSkin>());
    stored.back()->LoadCompressedData(resources::Load(QLatin1String(name)));
    if (stored.back()->IsStoredEmpty()) {
      state.SkipWithError("skin not embedded");
      return;
    }
  }
  for (auto _ : state) {
    const double t0 = Now();
    std::vector<std::unique_ptr<TbsSkinData>> windows;
    for (const auto& s : stored) {
      windows.push_back(std::make_unique<TbsSkinData>());
      windows.back()->ReadStoredSkin(s.get());
    }
    state.SetIterationTime(Now() - t0);
    benchmark::DoNotOptimize(windows.back()->ControlCount());
  }
}
}  // namespace

BENCHMARK(BM_LoadSevenWindowSkins)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, iMetal2, "iMetal2.skn")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, iMetal, "iMetal.skn")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, CyberObject, "CyberObject.skn")->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
