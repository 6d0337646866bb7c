// A layered window's picture as a screen without per-pixel alpha shows it.
#include "platform/Layered.h"
#include "platform/Platform.h"

#include <QRect>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__x86_64__) && !defined(__AVX__)
#include <immintrin.h>
#define MOMENTY_CLEAR_UPPER_HALVES 1
#endif

namespace platform {

namespace {

using TRuns = std::vector<std::pair<int, int>>;  // [left, end) of each run

// A premultiplied pixel over an opaque one: each channel c + (255 - a) * under
// / 255, rounded; red and blue side by side in one multiplication. A valid
// premultiplied channel is at most its alpha, so no sum passes 255.
inline QRgb Over(QRgb p, QRgb under) {
  const std::uint32_t rest = 255 - (p >> 24);
  std::uint32_t rb = (under & 0x00FF00FFu) * rest + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  std::uint32_t g = (under & 0x0000FF00u) * rest + 0x00008000u;
  g = ((g + ((g >> 8) & 0x0000FF00u)) >> 8) & 0x0000FF00u;
  return 0xFF000000u | ((p & 0x00FFFFFFu) + rb + g);
}

// Any pixel over what is behind it: a channel above the alpha is taken as the
// alpha; a pixel of alpha 0 leaves what is behind exactly as it is.
inline QRgb OverClamped(QRgb p, QRgb under) {
  const std::uint32_t a = p >> 24;
  if (a == 0) return under;
  const std::uint32_t r = std::min((p >> 16) & 0xFF, a), g = std::min((p >> 8) & 0xFF, a), b = std::min(p & 0xFF, a);
  return Over(a << 24 | r << 16 | g << 8 | b, under);
}

// Nothing known behind: the window's own colour, at full opacity.
inline QRgb Unpremultiplied(QRgb p) {
  const std::uint32_t a = p >> 24;
  if (a == 0) return 0xFF000000u;
  if (a == 255) return p;
  auto plain = [a](std::uint32_t c) { return std::min(255u, (c * 255 + a / 2) / a); };
  return 0xFF000000u | plain((p >> 16) & 0xFF) << 16 | plain((p >> 8) & 0xFF) << 8 | plain(p & 0xFF);
}

#ifdef __SSE2__
inline __m128i Load(const QRgb* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(QRgb* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Over for two pixels spread to 16 bits a channel (B, G, R, A, B, G, R, A):
// the same rounding as Over, the colour first clamped to the alpha. For t =
// under * rest + 128 below 2^16, (t + (t >> 8)) >> 8 is (t * 257) >> 16. The
// alpha lanes come out meaningless and are set afterwards.
inline __m128i Over16(__m128i p, __m128i under) {
  const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(p, 0xFF), 0xFF);
  const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(255), a);
  const __m128i t = _mm_add_epi16(_mm_mullo_epi16(under, rest), _mm_set1_epi16(0x80));
  return _mm_add_epi16(_mm_min_epi16(p, a), _mm_mulhi_epu16(t, _mm_set1_epi16(257)));
}

// Whether 16 pixels have alpha 0, one bit a pixel.
inline int ClearBits16(const QRgb* in) {
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u)), zero = _mm_setzero_si128();
  auto clear = [&](int i) { return _mm_cmpeq_epi32(_mm_and_si128(Load(in + i), alpha), zero); };
  const __m128i lo = _mm_packs_epi32(clear(0), clear(4)), hi = _mm_packs_epi32(clear(8), clear(12));
  return _mm_movemask_epi8(_mm_packs_epi16(lo, hi));
}
#endif

// A run of seen pixels (alpha above 0) blended over what is behind them, each
// as OverClamped gives it; opaque pixels four at a time are copied.
void OverRun(const QRgb* in, const QRgb* under, QRgb* out, int n) {
  int x = 0;
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (; x + 4 <= n; x += 4) {
    const __m128i p = Load(in + x);
    if (_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(p, alpha), alpha))) == 0xF) {
      Store(out + x, p);
      continue;
    }
    const __m128i b = Load(under + x);
    const __m128i lo = Over16(_mm_unpacklo_epi8(p, zero), _mm_unpacklo_epi8(b, zero));
    const __m128i hi = Over16(_mm_unpackhi_epi8(p, zero), _mm_unpackhi_epi8(b, zero));
    Store(out + x, _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
  }
#endif
  for (; x < n; ++x) out[x] = OverClamped(in[x], under[x]);
}

// Wide (AVX) instructions run before, in Qt or the C library, may leave the
// upper halves of the vector registers in use; the SSE instructions here then
// wait on them, on some processors four times as long. No vector value lives
// across a call, so the halves are cleared on the way in.
#ifdef MOMENTY_CLEAR_UPPER_HALVES
__attribute__((target("avx"), noinline)) void ClearUpperHalves() { _mm256_zeroupper(); }
void BeforeVectorLoops() {
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ClearUpperHalves();
}
#else
void BeforeVectorLoops() {}
#endif

// One row with every pixel shown at full opacity, the colours as they are.
void OpaqueRow(const QRgb* in, QRgb* out, int w) {
  int x = 0;
#ifdef __SSE2__
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (; x + 4 <= w; x += 4) Store(out + x, _mm_or_si128(Load(in + x), alpha));
#endif
  for (; x < w; ++x) out[x] = in[x] | 0xFF000000u;
}

// The runs of pixels with any opacity in a row, from its alpha bytes alone;
// returns whether every pixel of the row is opaque. A row all of one kind
// takes one quick pass.
bool ScanRow(const QRgb* in, int w, TRuns& runs) {
  runs.clear();
  std::uint32_t all = 0xFF000000u, any = 0;
  int x = 0;
#ifdef __SSE2__
  __m128i all4 = _mm_set1_epi32(-1), any4 = _mm_setzero_si128();
  for (; x + 4 <= w; x += 4) {
    const __m128i p = Load(in + x);
    all4 = _mm_and_si128(all4, p);
    any4 = _mm_or_si128(any4, p);
  }
  alignas(16) std::uint32_t lanes[8];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), all4);
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes + 4), any4);
  for (int i = 0; i < 4; ++i) {
    all &= lanes[i];
    any |= lanes[i + 4];
  }
#endif
  for (; x < w; ++x) {
    all &= in[x];
    any |= in[x];
  }
  if ((any & 0xFF000000u) == 0) return false;
  if ((all & 0xFF000000u) == 0xFF000000u) {
    runs.emplace_back(0, w);
    return true;
  }
  // Up to 16 pixels at a time, from one change between seen and unseen
  // pixels to the next; `clear` has a bit for each pixel of alpha 0.
  int start = -1;
  for (x = 0; x < w; x += 16) {
    const int n = std::min(16, w - x);
    unsigned clear = 0;
#ifdef __SSE2__
    if (n == 16) clear = static_cast<unsigned>(ClearBits16(in + x));
    else
#endif
      for (int i = 0; i < n; ++i) clear |= unsigned((in[x + i] >> 24) == 0) << i;
    const unsigned seen = ~clear & ((1u << n) - 1);
    for (int i = 0; i < n;) {
      const unsigned next = (start < 0 ? seen : clear) & (~0u << i);
      if (next == 0) break;
      i = std::countr_zero(next);
      if (start < 0) {
        start = x + i;
      } else {
        runs.emplace_back(start, x + i);
        start = -1;
      }
    }
  }
  if (start >= 0) runs.emplace_back(start, w);
  return false;
}

// The shape of the pixels with any opacity, built row by row: per row the
// runs of such pixels, a run of rows with the same runs as one band.
class TShapeBuilder {
public:
  void Row(int y, const TRuns& runs) {
    if (y > 0 && runs == FBandRuns) {
      FBandBottom = y;
      return;
    }
    Close();
    FBandRuns = runs;
    FBandTop = FBandBottom = y;
  }
  QRegion Region() {
    Close();
    QRegion shape;
    shape.setRects(FRects.data(), static_cast<int>(FRects.size()));
    return shape;
  }

private:
  void Close() {
    for (const auto& [left, end] : FBandRuns)
      FRects.emplace_back(QPoint(left, FBandTop), QPoint(end - 1, FBandBottom));
    FBandRuns.clear();
  }
  std::vector<QRect> FRects;
  TRuns FBandRuns;
  int FBandTop = 0, FBandBottom = 0;
};

// A picture's rows written only where they change, and the rows that may
// have changed gathered as bands. A row copied whole from elsewhere is
// first compared with what the picture holds (a row read costs less than a
// row written); a row composed pixel by pixel is taken as changed.
class TChangedRows {
public:
  TChangedRows(int width, bool compare)
      : FBytes(std::size_t(width) * sizeof(QRgb)), FCompare(compare), FWhole{{0, width}}, FRow(std::size_t(width)) {}

  QRgb* Row() { return FRow.data(); }

  void Put(int y, const QRgb* row, QRgb* shown) {
    if (FCompare && std::memcmp(shown, row, FBytes) == 0) return;
    std::memcpy(shown, row, FBytes);
    Mark(y);
  }

  // Rows are marked in order; those passed over did not change.
  void Mark(int y) {
    for (; FNext < y; ++FNext) FBands.Row(FNext, FNone);
    FBands.Row(y, FWhole);
    FNext = y + 1;
  }

  QRegion Region() { return FBands.Region(); }

private:
  std::size_t FBytes;
  bool FCompare;
  const TRuns FWhole, FNone;
  std::vector<QRgb> FRow;
  TShapeBuilder FBands;
  int FNext = 0;
};

}  // namespace

TOpaqueFrame ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop) {
  TOpaqueFrame out;
  ComposeOpaque(frame, flags, backdrop, out);
  return out;
}

void ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop, TOpaqueFrame& out,
                   const QImage& previous, const QRegion* differs) {
  const QRegion shapeBefore = std::exchange(out.Shape, QRegion());
  out.Changed = QRegion();
  if (frame.isNull() || frame.depth() != 32) {
    out.Image = QImage();
    return;
  }
  const QImage source = frame.format() == QImage::Format_ARGB32 ? frame : frame.convertToFormat(QImage::Format_ARGB32);
  const int w = source.width();
  const bool again =
      out.Image.size() == source.size() && out.Image.format() == QImage::Format_RGB32 && out.Image.isDetached();
  if (!again) out.Image = NewPicture(source.width(), source.height(), QImage::Format_RGB32);
  TChangedRows changed(w, again);
  // The rows of the picture composed last, when what `out` holds came from
  // it (a picture in the same memory may have been drawn over since).
  const bool fromPrevious = again && previous.size() == source.size() && previous.format() == source.format() &&
                            previous.constBits() != source.constBits();
  const std::size_t rowBytes = std::size_t(w) * sizeof(QRgb);
  // The rows that may differ from the previous picture, when told.
  std::vector<char> maybeOther;
  if (fromPrevious && differs) {
    maybeOther.assign(std::size_t(source.height()), 0);
    for (const QRect& r : *differs)
      for (int y = std::max(0, r.top()); y <= std::min(source.height() - 1, r.bottom()); ++y) maybeOther[y] = 1;
  }
  BeforeVectorLoops();
  if (flags & ULW_OPAQUE) {
    // The colours as they are, every pixel shown.
    for (int y = 0; y < source.height(); ++y) {
      OpaqueRow(reinterpret_cast<const QRgb*>(source.constScanLine(y)), changed.Row(), w);
      changed.Put(y, changed.Row(), reinterpret_cast<QRgb*>(out.Image.scanLine(y)));
    }
    out.Shape = QRegion(source.rect());
    out.Changed = changed.Region();
    return;
  }
  const bool behind = !backdrop.isNull() && backdrop.size() == source.size();
  const QImage back = behind ? backdrop.convertToFormat(QImage::Format_RGB32) : QImage();
  TShapeBuilder shape;
  TRuns runs;
  QRegion keptShape;  // the shape of the rows known to be as before
  for (int y = 0; y < source.height(); ++y) {
    if (!maybeOther.empty() && !maybeOther[y]) {
      // As before: the row's pixels stand, its part of the shape is kept.
      if (y == 0 || maybeOther[y - 1]) {
        int end = y + 1;
        while (end < source.height() && !maybeOther[end]) ++end;
        keptShape += shapeBefore.intersected(QRect(0, y, w, end - y));
      }
      runs.clear();
      shape.Row(y, runs);
      continue;
    }
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const auto* b = behind ? reinterpret_cast<const QRgb*>(back.constScanLine(y)) : nullptr;
    auto* const shown = reinterpret_cast<QRgb*>(out.Image.scanLine(y));
    if (ScanRow(in, w, runs)) {
      changed.Put(y, in, shown);
    } else if (runs.empty() && b) {
      changed.Put(y, b, shown);  // nothing of the row is seen
    } else if (fromPrevious && std::memcmp(in, previous.constScanLine(y), rowBytes) == 0) {
      // Composed from the same pixels last time: it stands as it is.
    } else {
      QRgb* const o = shown;
      // Outside the runs what is behind, or black; inside them each pixel
      // over what is behind, or unpremultiplied.
      int x = 0;
      auto outside = [&](int end) {
        if (b) std::memcpy(o + x, b + x, static_cast<std::size_t>(end - x) * sizeof(QRgb));
        else std::fill(o + x, o + end, 0xFF000000u);
      };
      for (const auto& [left, end] : runs) {
        outside(left);
        if (b) OverRun(in + left, b + left, o + left, end - left);
        else std::transform(in + left, in + end, o + left, Unpremultiplied);
        x = end;
      }
      outside(w);
      changed.Mark(y);
    }
    shape.Row(y, runs);
  }
  out.Shape = keptShape.isEmpty() ? shape.Region() : shape.Region() + keptShape;
  out.Changed = changed.Region();
}

}  // namespace platform
