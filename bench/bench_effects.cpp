// One frame of each transition effect kind, against one plain copy of the
// same picture. Band and radar frames are drawn from the captured picture
// into the work picture, as the effects draw them; a fade frame is drawn in
// place (the effect copies the picture first). Each result carries
// "x_copy": its time per frame divided by the copy's.
//
// Aims: radar <= 10x, bands and fade <= 6x the copy; a frame shown opaque
// (no compositor: blended over what is behind and shaped) <= 25x. The copy is
// measured once per size; all times are this thread's processor time.
#include "effects/AlphaPixels.h"
#include "effects/AlphaRender.h"
#include "platform/Layered.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstring>
#include <vector>

namespace {

struct TSize {
  int W, H;
};
constexpr TSize kSizes[] = {{1042, 709}, {382, 184}};

struct TPicture {
  std::vector<std::uint8_t> Source, Work;
  alphafx::TPixels View, SourceView;
  explicit TPicture(TSize s) : Source(static_cast<std::size_t>(s.W) * s.H * 4), Work(Source.size()) {
    for (std::size_t i = 0; i < Source.size(); ++i) Source[i] = static_cast<std::uint8_t>(i * 31 + (i >> 9));
    Work = Source;
    View = {Work.data(), s.W, s.H, s.W * 4};
    SourceView = {Source.data(), s.W, s.H, s.W * 4};
  }
  void Restore() { std::memcpy(Work.data(), Source.data(), Source.size()); }
};

// This thread's processor time, so that other programs' load does not count.
double ThreadNs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

// Nanoseconds of one plain copy, the best of many runs of 20.
double CopyNs(TSize s) {
  static double cached[2] = {0, 0};
  const int which = s.W == kSizes[0].W ? 0 : 1;
  if (cached[which] > 0) return cached[which];
  TPicture pic(s);
  double best = 1e18;
  for (int round = 0; round < 50; ++round) {
    const double t0 = ThreadNs();
    for (int k = 0; k < 20; ++k) {
      pic.Restore();
      benchmark::ClobberMemory();
    }
    best = std::min(best, (ThreadNs() - t0) / 20);
  }
  cached[which] = best;
  return best;
}

// Two frames in turn, the second a little more transparent than the first,
// so that every row with anything seen comes out otherwise than the frame
// before it (rows that do not change are not written again).
struct TFramePair {
  TPicture Second;
  QImage A, B;
  TFramePair(const TPicture& first, TSize s) : Second(s) {
    Second.Work = first.Work;
    Second.View.Bits = Second.Work.data();
    alphafx::ApplyAlpha(Second.View, 0, 0, s.W - 1, s.H - 1, 250);
    A = QImage(first.Work.data(), s.W, s.H, s.W * 4, QImage::Format_ARGB32);
    B = QImage(Second.Work.data(), s.W, s.H, s.W * 4, QImage::Format_ARGB32);
  }
  const QImage& Next() { return (FOdd = !FOdd) ? B : A; }

private:
  bool FOdd = false;
};

// The last argument of every benchmark: 1 = the wide pixel loops (where the
// processor has them), 0 = one pixel at a time.
template <class Frame>
void Run(benchmark::State& state, TSize s, Frame frame) {
  const bool wide = state.range(2) != 0;
  if (wide && !alphafx::VectorPixelsAvailable()) {
    state.SkipWithError("no wide pixel loops on this processor");
    return;
  }
  alphafx::UseVectorPixels(wide);
  TPicture pic(s);
  const double copy = CopyNs(s);
  std::int64_t n = 0;
  const double t0 = ThreadNs();
  for (auto _ : state) {
    // The renderers take the same time whatever the pixels hold, so a fade
    // is drawn over again without a copy in between.
    frame(pic);
    benchmark::ClobberMemory();
    ++n;
  }
  const double perFrame = (ThreadNs() - t0) / std::max<std::int64_t>(1, n);
  state.counters["x_copy"] = perFrame / copy;
  state.counters["copy_us"] = copy / 1000.0;
}

void BM_Copy(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  Run(state, s, [](TPicture& pic) { pic.Restore(); });
}

void BM_Band(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  const int kind = static_cast<int>(state.range(1));
  const bool columns = alphafx::BandOnColumns(kind);
  const int span = (columns ? s.W : s.H) + 16;
  const int P = span / 3;  // a third of the way through the first of two passes
  Run(state, s, [&](TPicture& pic) {
    const auto calls = alphafx::BandCalls(kind, P % span - 8, s.W, s.H, alphafx::BandLevels(2, P / span, false));
    alphafx::ApplyLineCalls(pic.SourceView, pic.View, calls, columns);
  });
}

void BM_Fade(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  Run(state, s, [&](TPicture& pic) { alphafx::ApplyAlpha(pic.View, 0, 0, s.W - 1, s.H - 1, 140); });
}

void BM_Radar(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  const int kind = static_cast<int>(state.range(1));
  const auto table = alphafx::BuildAngleTable(s.W, s.H);
  const auto map = alphafx::BuildAngleMap(table, s.W, s.H);
  alphafx::TRadar radar;
  radar.Hiding = true;
  radar.AngleOffset = static_cast<std::uint16_t>(90 * ((kind - 11) % 4));
  radar.Clockwise = kind >= 15;
  Run(state, s, [&](TPicture& pic) { alphafx::RenderRadar(pic.SourceView, pic.View, map, 100, radar); });
}

void BM_Opaque(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  // A radar frame a quarter of the way round: transparent, graded and opaque
  // pixels, a shape of many runs.
  const auto map = alphafx::BuildAngleMap(alphafx::BuildAngleTable(s.W, s.H), s.W, s.H);
  alphafx::TRadar radar;
  radar.Hiding = true;
  TPicture frame(s);
  alphafx::RenderRadar(frame.View, map, 90, radar);
  TFramePair frames(frame, s);
  QImage behind(s.W, s.H, QImage::Format_RGB32);
  behind.fill(qRgb(40, 120, 200));
  // Into the previous frame's memory, as the effects show their frames.
  platform::TOpaqueFrame shown;
  Run(state, s, [&](TPicture&) {
    platform::ComposeOpaque(frames.Next(), platform::ULW_ALPHA, behind, shown);
    benchmark::DoNotOptimize(shown.Image.constBits());
  });
}

void BM_OpaqueFade(benchmark::State& state) {
  const TSize s = kSizes[state.range(0)];
  // A frame of a fade of an opaque picture: every pixel partly transparent,
  // one run per row, over a desktop that is not plain.
  TPicture frame(s);
  for (std::size_t i = 3; i < frame.Work.size(); i += 4) frame.Work[i] = 255;
  alphafx::ApplyAlpha(frame.View, 0, 0, s.W - 1, s.H - 1, 140);
  TFramePair frames(frame, s);
  QImage behind(s.W, s.H, QImage::Format_RGB32);
  for (int y = 0; y < s.H; ++y)
    for (int x = 0; x < s.W; ++x) behind.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
  platform::TOpaqueFrame shown;
  Run(state, s, [&](TPicture&) {
    platform::ComposeOpaque(frames.Next(), platform::ULW_ALPHA, behind, shown);
    benchmark::DoNotOptimize(shown.Image.constBits());
  });
}

void SizesOnly(benchmark::internal::Benchmark* b) {
  b->ArgNames({"size", "kind", "wide"});
  for (int w = 1; w >= 0; --w)
    for (int i = 0; i < 2; ++i) b->Args({i, 0, w});
}
void BandArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"size", "kind", "wide"});
  for (int w = 1; w >= 0; --w)
    for (int i = 0; i < 2; ++i)
      for (int k = 0; k <= 7; ++k) b->Args({i, k, w});
}
void RadarArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"size", "kind", "wide"});
  for (int w = 1; w >= 0; --w)
    for (int i = 0; i < 2; ++i)
      for (int k = 11; k <= 18; ++k) b->Args({i, k, w});
}

}  // namespace

BENCHMARK(BM_Copy)->Apply(SizesOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Band)->Apply(BandArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fade)->Apply(SizesOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Radar)->Apply(RadarArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Opaque)->Apply(SizesOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpaqueFade)->Apply(SizesOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
