#include "effects/AlphaRender.h"

#include "effects/AlphaPixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

namespace {
constexpr TAlphaMulTable MakeAlphaMulTable() {
  TAlphaMulTable table{};
  for (int a = 0; a < 256; ++a)
    for (int v = 0; v < 256; ++v) table[a][v] = static_cast<std::uint8_t>((a * v) >> 8);
  return table;
}
}  // namespace

alignas(64) constexpr TAlphaMulTable AlphaMulTable = MakeAlphaMulTable();
static_assert(AlphaMulTable[255][255] == 254);
static_assert(AlphaMulTable[128][200] == 100);

namespace alphafx {

namespace {
int ClampLevel(int level) { return std::clamp(level, 0, 255); }

}  // namespace

std::int32_t RoundExt(long double value) {
  // The default rounding mode rounds to nearest with ties to even.
  return static_cast<std::int32_t>(std::nearbyint(value));
}

void ApplyAlpha(const TPixels& image, int Left, int Top, int Right, int Bottom, int Alpha) {
  if (Left < 0) Left = 0;
  if (Top < 0) Top = 0;
  if (Right > image.Width - 1) Right = image.Width - 1;
  if (Bottom > image.Height - 1) Bottom = image.Height - 1;
  if (Right < Left || Bottom < Top) return;
  Alpha = ClampLevel(Alpha);
  BlendBlock(image.Row(Top) + 4 * Left, image.Stride, Bottom - Top + 1, Right - Left + 1,
             AlphaMulTable[Alpha].data(), static_cast<std::uint8_t>(Alpha));
}

// --- Bands -------------------------------------------------------------------

TPassLevels BandLevels(int passes, int pass, bool hiding) {
  TPassLevels l;
  if (passes > 1) {
    const long double step = 256.0L / passes;
    l.New = std::min(255, RoundExt(step * (pass + 1)));
    if (!hiding) {
      l.Old = l.New - RoundExt(step);
    } else {
      l.New = 255 - l.New;
      l.Old = RoundExt(step) + l.New;
    }
  } else {
    l.New = hiding ? 0 : 255;
    l.Old = hiding ? 255 : 0;
  }
  return l;
}

int RampUp(int level, int i) { return level + RoundExt((255 - level) / 8.0L * (i + 1)); }
int RampDown(int level, int i) { return level + RoundExt((255 - level) / 8.0L * (7 - i)); }

bool BandOnColumns(int kind) { return kind == 0 || kind == 1 || kind == 6 || kind == 7; }

namespace {
// One band between the levels `first` (before it) and `last` (after it),
// with its centre line at B; `extent` lines in all.
void Band(std::vector<TLineCall>& out, int B, int first, int last, int extent) {
  out.push_back({0, B - 9, first});
  for (int i = 0; i < 8; ++i) out.push_back({B - 8 + i, B - 8 + i, RampUp(first, i)});
  for (int i = 0; i < 8; ++i) out.push_back({B + i, B + i, RampDown(last, i)});
  out.push_back({B + 8, extent - 1, last});
}

// Two bands from both edges toward the middle line M (extent E).
void DoubleInwards(std::vector<TLineCall>& out, int B, int E, int newL, int oldL) {
  const int M = E / 2;
  out.push_back({0, B - 9, newL});
  for (int i = 0; i < 8; ++i) out.push_back({B - 8 + i, B - 8 + i, RampUp(newL, i)});
  for (int i = 0; i < 8; ++i)
    if (B + i < M) out.push_back({B + i, B + i, RampDown(oldL, i)});
  out.push_back({B + 8, M - 1, oldL});
  out.push_back({M, E - B - 9, oldL});
  for (int i = 0; i < 8; ++i)
    if (E - B - 8 + i >= M) out.push_back({E - B - 8 + i, E - B - 8 + i, RampUp(oldL, i)});
  for (int i = 0; i < 8; ++i) out.push_back({E - B + i, E - B + i, RampDown(newL, i)});
  out.push_back({E - B + 8, E - 1, newL});
}

// Two bands from the middle line M toward both edges (extent E).
void DoubleOutwards(std::vector<TLineCall>& out, int B, int E, int newL, int oldL) {
  const int M = E / 2;
  out.push_back({0, M - B - 9, oldL});
  for (int i = 0; i < 8; ++i) out.push_back({M - B - 8 + i, M - B - 8 + i, RampUp(oldL, i)});
  for (int i = 0; i < 8; ++i)
    if (M - B + i < M) out.push_back({M - B + i, M - B + i, RampDown(newL, i)});
  out.push_back({M - B + 8, M - 1, newL});
  out.push_back({M, M + B - 9, newL});
  for (int i = 0; i < 8; ++i)
    if (M + B - 8 + i >= M) out.push_back({M + B - 8 + i, M + B - 8 + i, RampUp(newL, i)});
  for (int i = 0; i < 8; ++i) out.push_back({M + B + i, M + B + i, RampDown(oldL, i)});
  out.push_back({M + B + 8, E - 1, oldL});
}
}  // namespace

std::vector<TLineCall> BandCalls(int kind, int bandPos, int width, int height, TPassLevels levels,
                                 int* bandPosOut) {
  std::vector<TLineCall> out;
  out.reserve(40);
  const int extent = BandOnColumns(kind) ? width : height;
  switch (kind) {
    case 0:
    case 2:
      Band(out, bandPos, levels.New, levels.Old, extent);
      break;
    case 1:
    case 3:
      bandPos = extent - 1 - bandPos;
      Band(out, bandPos, levels.Old, levels.New, extent);
      break;
    case 4:
    case 6:
      bandPos /= 2;  // truncates toward zero
      DoubleInwards(out, bandPos, extent, levels.New, levels.Old);
      break;
    case 5:
    case 7:
      bandPos /= 2;
      DoubleOutwards(out, bandPos, extent, levels.New, levels.Old);
      break;
    default:
      break;
  }
  if (bandPosOut) *bandPosOut = bandPos;
  return out;
}

void ApplyLineCalls(const TPixels& image, const std::vector<TLineCall>& calls, bool columns) {
  ApplyLineCalls(image, image, calls, columns);
}

namespace {
// Rows × count pixels copied as they are (nothing when both are the same).
void CopyBlock(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows, int count) {
  if (from == p) return;
  for (int y = 0; y < rows; ++y, from += fromStride, p += stride) std::memcpy(p, from, 4 * std::size_t(count));
}
}  // namespace

void ApplyLineCalls(const TPixels& from, const TPixels& image, const std::vector<TLineCall>& calls, bool columns) {
  TLineLevels unknown;
  ApplyLineCalls(from, image, calls, columns, unknown);
}

void ApplyLineCalls(const TPixels& from, const TPixels& image, const std::vector<TLineCall>& calls, bool columns,
                    TLineLevels& held) {
  const int W = image.Width;
  const int H = image.Height;
  if (W <= 0 || H <= 0) return;
  const int extent = columns ? W : H;
  // Per line: the product row it is drawn through (a composition of rows
  // when several calls cover it) and its final alpha; null = not drawn.
  std::vector<const std::uint8_t*> lut(static_cast<std::size_t>(extent), nullptr);
  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(extent), 0);
  std::vector<std::int16_t> levels(static_cast<std::size_t>(extent), kLineCopied);
  std::deque<std::array<std::uint8_t, 256>> composed;
  for (const TLineCall& c : calls) {
    const int first = std::max(0, c.First);
    const int last = std::min(extent - 1, c.Last);
    if (last < first) continue;
    const int level = ClampLevel(c.Alpha);
    const std::uint8_t* row = AlphaMulTable[level].data();
    for (int line = first; line <= last; ++line) {
      if (lut[line]) {
        // Covered again: the colours go through both products in turn.
        auto& table = composed.emplace_back();
        for (int v = 0; v < 256; ++v) table[v] = row[lut[line][v]];
        lut[line] = table.data();
        levels[line] = kLineUnknown;
      } else {
        lut[line] = row;
        levels[line] = static_cast<std::int16_t>(level);
      }
      alpha[line] = static_cast<std::uint8_t>(level);
    }
  }
  // Lines that already hold what they would get are left as they are.
  const bool apart = from.Bits != image.Bits;
  std::vector<char> keep(static_cast<std::size_t>(extent), 0);
  if (apart && held.Columns == columns && held.Levels.size() == levels.size())
    for (int line = 0; line < extent; ++line)
      keep[line] = levels[line] != kLineUnknown && levels[line] == held.Levels[line];
  held.Columns = columns;
  held.Levels = apart ? std::move(levels) : std::vector<std::int16_t>();
  if (!columns) {
    // Neighbouring rows drawn alike form one block.
    for (int y = 0; y < H;) {
      int end = y + 1;
      while (end < H && lut[end] == lut[y] && alpha[end] == alpha[y] && keep[end] == keep[y]) ++end;
      if (!keep[y]) {
        if (lut[y])
          BlendBlockFrom(from.Row(y), from.Stride, image.Row(y), image.Stride, end - y, W, lut[y], alpha[y]);
        else
          CopyBlock(from.Row(y), from.Stride, image.Row(y), image.Stride, end - y, W);
      }
      y = end;
    }
    return;
  }
  // Columns: runs of neighbouring columns drawn alike (or not drawn), each a block.
  struct TRun {
    int X, Count;
    const std::uint8_t* Lut;
    std::uint8_t Alpha;
  };
  std::vector<TRun> runs;
  for (int x = 0; x < W; ++x) {
    if (keep[x]) continue;
    if (!runs.empty() && runs.back().X + runs.back().Count == x && runs.back().Lut == lut[x] &&
        runs.back().Alpha == alpha[x])
      ++runs.back().Count;
    else
      runs.push_back({x, 1, lut[x], alpha[x]});
  }
  for (const TRun& r : runs) {
    const std::uint8_t* source = from.Row(0) + 4 * r.X;
    std::uint8_t* target = image.Row(0) + 4 * r.X;
    if (r.Lut)
      BlendBlockFrom(source, from.Stride, target, image.Stride, H, r.Count, r.Lut, r.Alpha);
    else
      CopyBlock(source, from.Stride, target, image.Stride, H, r.Count);
  }
}

// --- Radar ---------------------------------------------------------------------

TAngleTable BuildAngleTable(int width, int height) {
  // Round(arctan(j / i) in degrees) is k exactly when j / i lies between the
  // tangents of k - 0.5 and k + 0.5 degrees (never on one: those tangents are
  // irrational). Along a row the angle grows with j, so each row walks the 91
  // bounds once instead of taking an arctangent per cell.
  static const std::array<double, 90> kBound = [] {
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    std::array<double, 90> b{};
    for (int k = 0; k < 90; ++k) b[static_cast<std::size_t>(k)] = static_cast<double>(std::tan((k + 0.5L) * kPi / 180));
    return b;
  }();
  TAngleTable t;
  t.N = std::max((width + 2) / 2, (height + 2) / 2);
  t.Cells.assign(static_cast<std::size_t>(t.N) * t.N, 0);
  for (int i = 1; i < t.N; ++i) {
    std::uint16_t k = 0;
    std::uint16_t* row = t.Cells.data() + static_cast<std::size_t>(i) * t.N;
    for (int j = 1; j < t.N; ++j) {
      while (k < 90 && static_cast<double>(j) > i * kBound[k]) ++k;
      row[j] = k;
    }
  }
  return t;
}

std::uint16_t PixelAngle(const TAngleTable& table, int CX, int CY, int x, int y,
                         std::uint16_t angleOffset) {
  int q;
  if (x == CX)
    q = y < CY ? 1 : 3;
  else if (x > CX)
    q = y <= CY ? 0 : 3;
  else
    q = y < CY ? 1 : 2;
  std::uint16_t a = 0;
  switch (q) {
    case 0: a = table.At(x - CX, CY - y); break;
    case 1: a = static_cast<std::uint16_t>(table.At(CY - y, CX - x) + 90); break;
    case 2: a = static_cast<std::uint16_t>(table.At(CX - x, y - CY) + 180); break;
    default: a = static_cast<std::uint16_t>(table.At(y - CY, x - CX) + 270); break;
  }
  std::uint16_t r = static_cast<std::uint16_t>(a + 360 - angleOffset);
  if (r >= 360) r = static_cast<std::uint16_t>(r - 360);
  return r;
}

std::vector<std::uint16_t> BuildAngleMap(const TAngleTable& table, int width, int height) {
  std::vector<std::uint16_t> map(static_cast<std::size_t>(std::max(0, width)) * std::max(0, height));
  const int CX = width / 2;
  const int CY = height / 2;
  std::size_t k = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) map[k++] = PixelAngle(table, CX, CY, x, y, 0);
  return map;
}

TPassLevels RadarLevels(int passes, int pass, bool hiding) {
  const long double step = 255.0L / std::max(1, passes);
  TPassLevels l;
  const int a0 = RoundExt(step * pass);
  const int a1 = RoundExt(step * (pass + 1));
  l.Old = hiding ? 255 - a0 : a0;
  l.New = hiding ? 255 - a1 : a1;
  return l;
}

int RadarLevel(int p, int s, int a0, int a1) {
  int t = s;
  // Seam: while the ray is near the start ray, both angles move past the
  // wrap-around so that the near-ray rule applies.
  if ((p < 4 && t <= 8) || (p >= 356 && t >= 352)) {
    p += 16;
    t += 16;
  }
  const int d = (a1 - a0) >> 3;  // arithmetic shift: a floor
  const int g0 = (255 - a0) / 8;
  const int g1 = (255 - a1) / 8;
  if (p < 4 && t > 8) return a0 + d * (p + 4);
  if (p >= 356 && t <= 352) return a0 + d * (p - 356);
  if (p <= t - 8) return a1;
  if (p > t + 8) return a0;
  const int e = p - t;
  return e >= 0 ? a0 + g0 * (8 - e) : a1 + g1 * (e + 8);
}

void RenderRadar(const TPixels& image, const std::vector<std::uint16_t>& angleMap, int angle,
                 const TRadar& radar) {
  RenderRadar(image, image, angleMap, angle, radar);
}

void RenderRadar(const TPixels& from, const TPixels& image, const std::vector<std::uint16_t>& angleMap,
                 int angle, const TRadar& radar) {
  const int W = image.Width;
  const int H = image.Height;
  if (W <= 0 || H <= 0 || angleMap.size() < static_cast<std::size_t>(W) * H) return;
  const int s = angle % 360;
  const int k = angle / 360;
  const TPassLevels l = RadarLevels(radar.Passes, k, radar.Hiding);
  // The level of every raw angle for this frame: offset, direction and ray
  // position folded into one table. A raw angle can be 360: a pixel just
  // below the centre row, far to the right, rounds to 270 + 90.
  std::uint8_t level[361];
  for (int a = 0; a <= 360; ++a) {
    std::uint16_t p = static_cast<std::uint16_t>(a + 360 - radar.AngleOffset);
    if (p >= 360) p = static_cast<std::uint16_t>(p - 360);
    const int pp = radar.Clockwise ? 360 - p : p;
    level[a] = static_cast<std::uint8_t>(ClampLevel(RadarLevel(pp, s, l.Old, l.New)));
  }
  // Row by row through the angle map; every pixel once.
  for (int y = 0; y < H; ++y)
    BlendAnglesFrom(from.Row(y), image.Row(y), W, angleMap.data() + static_cast<std::size_t>(y) * W, level);
}

}  // namespace alphafx
