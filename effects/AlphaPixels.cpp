#include "effects/AlphaPixels.h"

#include "effects/AlphaRender.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define MOMENTY_HAVE_VBMI 1
#define MOMENTY_HAVE_AVX2 1
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace alphafx {

namespace {

inline std::uint32_t Load(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
inline void Store(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }
inline std::uint32_t Product(std::uint32_t px, const std::uint8_t* lut, std::uint32_t alpha) {
  return static_cast<std::uint32_t>(lut[px & 0xFF]) | static_cast<std::uint32_t>(lut[(px >> 8) & 0xFF]) << 8 |
         static_cast<std::uint32_t>(lut[(px >> 16) & 0xFF]) << 16 | alpha;
}

// Every loop reads its pixels at `from` and writes them at `p`; the two may
// be the same pixels (drawing in place).
void BlendRunScalar(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* lut,
                    std::uint8_t alpha) {
  const std::uint32_t a = static_cast<std::uint32_t>(alpha) << 24;
  int i = 0;
  for (; i + 2 <= count; i += 2, p += 8, from += 8) {
    const std::uint32_t v0 = Load(from);
    const std::uint32_t v1 = Load(from + 4);
    Store(p, Product(v0, lut, a));
    Store(p + 4, Product(v1, lut, a));
  }
  if (i < count) Store(p, Product(Load(from), lut, a));
}

void BlendLevelsScalar(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* levels) {
  const std::uint8_t* table = AlphaMulTable[0].data();
  for (int i = 0; i < count; ++i, p += 4, from += 4) {
    const std::uint32_t v = levels[i];
    Store(p, Product(Load(from), table + (v << 8), v << 24));
  }
}

void BlendAnglesScalar(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint16_t* angles,
                       const std::uint8_t* levelOf) {
  const std::uint8_t* table = AlphaMulTable[0].data();
  for (int i = 0; i < count; ++i, p += 4, from += 4) {
    const std::uint32_t v = levelOf[angles[i]];
    Store(p, Product(Load(from), table + (v << 8), v << 24));
  }
}

// The table's row L is the product (v * L) >> 8, which vector loops compute
// rather than look up: every 16-bit lane holds a channel, the multiplier is
// its pixel's level (alpha lanes are replaced afterwards). Only whole rows of
// the table can be computed so; any other lookup goes through the table.
int LevelOfRow(const std::uint8_t* lut) {
  const auto first = reinterpret_cast<std::uintptr_t>(AlphaMulTable[0].data());
  const auto at = reinterpret_cast<std::uintptr_t>(lut);
  if (at < first || at - first >= sizeof(AlphaMulTable) || (at - first) % 256 != 0) return -1;
  return static_cast<int>((at - first) / 256);
}

#ifdef __SSE2__
// Four pixels: the colours of the first two times the levels in the lanes
// of `lo16`, of the last two times those of `hi16`; alpha bytes from `alpha`
// (the alpha byte of each pixel, zeros elsewhere).
inline __m128i Scaled4(__m128i px, __m128i lo16, __m128i hi16, __m128i alpha) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i lo = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(px, zero), lo16), 8);
  const __m128i hi = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(px, zero), hi16), 8);
  const __m128i colours = _mm_and_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(0x00FFFFFF));
  return _mm_or_si128(colours, alpha);
}

void BlendBlockSse2(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows, int count,
                    int level, std::uint8_t alpha) {
  const __m128i l16 = _mm_set1_epi16(static_cast<short>(level));
  const __m128i a = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(alpha) << 24));
  const std::uint8_t* lut = AlphaMulTable[level].data();
  for (int y = 0; y < rows; ++y, p += stride, from += fromStride) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
      const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4 * i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * i), Scaled4(px, l16, l16, a));
    }
    if (i < count) BlendRunScalar(from + 4 * i, p + 4 * i, count - i, lut, alpha);
  }
}

// Pixel i at levels[i]: each level spread over its pixel's four channels.
void BlendLevelsSse2(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* levels) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    std::uint32_t four;
    std::memcpy(&four, levels + i, 4);
    __m128i l = _mm_cvtsi32_si128(static_cast<int>(four));
    l = _mm_unpacklo_epi8(l, l);
    l = _mm_unpacklo_epi16(l, l);  // each level in its pixel's four bytes
    const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * i),
                     Scaled4(px, _mm_unpacklo_epi8(l, zero), _mm_unpackhi_epi8(l, zero), _mm_and_si128(l, alphaBytes)));
  }
  if (i < count) BlendLevelsScalar(from + 4 * i, p + 4 * i, count - i, levels + i);
}
#endif

#ifdef MOMENTY_HAVE_AVX2
#define AVX2_TARGET __attribute__((target("avx2")))

// Eight pixels, as Scaled4 (the halves of a register are worked apart, and
// packed back in place).
AVX2_TARGET inline __m256i Scaled8(__m256i px, __m256i lo16, __m256i hi16, __m256i alpha) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i lo = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(px, zero), lo16), 8);
  const __m256i hi = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(px, zero), hi16), 8);
  const __m256i colours = _mm256_and_si256(_mm256_packus_epi16(lo, hi), _mm256_set1_epi32(0x00FFFFFF));
  return _mm256_or_si256(colours, alpha);
}

AVX2_TARGET void BlendBlockAvx2(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows,
                                int count, int level, std::uint8_t alpha) {
  const __m256i l16 = _mm256_set1_epi16(static_cast<short>(level));
  const __m256i a = _mm256_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(alpha) << 24));
  const std::uint8_t* lut = AlphaMulTable[level].data();
  for (int y = 0; y < rows; ++y, p += stride, from += fromStride) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
      const __m256i px = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * i));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + 4 * i), Scaled8(px, l16, l16, a));
    }
    if (i < count) BlendRunScalar(from + 4 * i, p + 4 * i, count - i, lut, alpha);
  }
}

AVX2_TARGET void BlendLevelsAvx2(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* levels) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i alphaBytes = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  // The level of pixel k, repeated in its four bytes, for eight pixels.
  const __m256i spread = _mm256_setr_epi8(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,  //
                                          4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7);
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, levels + i, 8);
    // Levels 0-3 in the low half and 4-7 in the high half, then spread
    // within each half.
    const __m256i both = _mm256_set1_epi64x(static_cast<long long>(eight));
    const __m256i l = _mm256_shuffle_epi8(both, spread);
    const __m256i px = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + 4 * i),
                        Scaled8(px, _mm256_unpacklo_epi8(l, zero), _mm256_unpackhi_epi8(l, zero),
                                _mm256_and_si256(l, alphaBytes)));
  }
  if (i < count) BlendLevelsScalar(from + 4 * i, p + 4 * i, count - i, levels + i);
}
#endif

#ifdef MOMENTY_HAVE_VBMI
#define VBMI_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi")))

// One row of the product table in four registers.
struct TWideRow {
  __m512i T0, T1, T2, T3;
};

VBMI_TARGET inline TWideRow WideRow(const std::uint8_t* lut) {
  return {_mm512_loadu_si512(lut), _mm512_loadu_si512(lut + 64), _mm512_loadu_si512(lut + 128),
          _mm512_loadu_si512(lut + 192)};
}

// Sixteen pixels: every byte looked up in the 256-byte row (the low seven
// bits pick one of 128 bytes in each half, the top bit picks the half), then
// the alpha bytes replaced.
VBMI_TARGET inline __m512i WideProduct(__m512i v, const TWideRow& row, __m512i alpha) {
  const __m512i lo = _mm512_permutex2var_epi8(row.T0, v, row.T1);
  const __m512i hi = _mm512_permutex2var_epi8(row.T2, v, row.T3);
  const __m512i r = _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), lo, hi);
  return _mm512_mask_blend_epi8(static_cast<__mmask64>(0x8888888888888888ULL), r, alpha);
}

VBMI_TARGET inline void RunWide(const std::uint8_t* from, std::uint8_t* p, int count, const TWideRow& row,
                                __m512i a) {
  int i = 0;
  for (; i + 16 <= count; i += 16, p += 64, from += 64)
    _mm512_storeu_si512(p, WideProduct(_mm512_loadu_si512(from), row, a));
  if (i < count) {
    const __mmask64 m = (~0ULL) >> (64 - 4 * (count - i));
    _mm512_mask_storeu_epi8(p, m, WideProduct(_mm512_maskz_loadu_epi8(m, from), row, a));
  }
}

VBMI_TARGET void BlendBlockWide(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows,
                                int count, const std::uint8_t* lut, std::uint8_t alpha) {
  const TWideRow row = WideRow(lut);
  const __m512i a = _mm512_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(alpha) << 24));
  for (int y = 0; y < rows; ++y, p += stride, from += fromStride) RunWide(from, p, count, row, a);
}

VBMI_TARGET void BlendLevelsWide(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* levels) {
  int loaded = -1;
  TWideRow row{};
  __m512i a = _mm512_setzero_si512();
  int i = 0;
  for (; i + 16 <= count; i += 16, p += 64, from += 64) {
    // Sixteen pixels at one level go through the wide lookup; mixed levels
    // (near the ray and the seam) one by one.
    const __m128i lv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(levels + i));
    const int v = levels[i];
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(lv, _mm_set1_epi8(static_cast<char>(v)))) == 0xFFFF) {
      if (v != loaded) {
        row = WideRow(AlphaMulTable[v].data());
        a = _mm512_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(v) << 24));
        loaded = v;
      }
      _mm512_storeu_si512(p, WideProduct(_mm512_loadu_si512(from), row, a));
    } else {
      BlendLevelsScalar(from, p, 16, levels + i);
    }
  }
  if (i < count) BlendLevelsScalar(from, p, count - i, levels + i);
}

bool HasVbmi() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("avx512vbmi");
}
#else
bool HasVbmi() { return false; }
#endif

#ifdef MOMENTY_HAVE_AVX2
bool HasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}
#else
bool HasAvx2() { return false; }
#endif

// The loops in use, from one pixel at a time to table rows in registers;
// the widest this processor runs unless told otherwise.
enum class TLoops { Narrow, Sse2, Avx2, Vbmi };
bool Runs(TLoops loops) {
  switch (loops) {
    case TLoops::Vbmi:
      return HasVbmi();
    case TLoops::Avx2:
      return HasAvx2();
    case TLoops::Sse2:
#ifdef __SSE2__
      return true;
#else
      return false;
#endif
    case TLoops::Narrow:
      return true;
  }
  return false;
}
TLoops DetectLoops() {
  for (TLoops loops : {TLoops::Vbmi, TLoops::Avx2, TLoops::Sse2})
    if (Runs(loops)) return loops;
  return TLoops::Narrow;
}

const TLoops gBest = DetectLoops();
TLoops gLoops = gBest;

void BlendLevelsFrom(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint8_t* levels) {
  switch (gLoops) {
#ifdef MOMENTY_HAVE_VBMI
    case TLoops::Vbmi:
      return BlendLevelsWide(from, p, count, levels);
#endif
#ifdef MOMENTY_HAVE_AVX2
    case TLoops::Avx2:
      return BlendLevelsAvx2(from, p, count, levels);
#endif
#ifdef __SSE2__
    case TLoops::Sse2:
      return BlendLevelsSse2(from, p, count, levels);
#endif
    default:
      return BlendLevelsScalar(from, p, count, levels);
  }
}

}  // namespace

bool VectorPixelsAvailable() { return gBest != TLoops::Narrow; }
void UseVectorPixels(bool use) { gLoops = use ? gBest : TLoops::Narrow; }
bool VectorPixelsInUse() { return gLoops != TLoops::Narrow; }

bool UseVectorPixelWidth(int pixels) {
  TLoops loops;
  switch (pixels) {
    case 1:
      loops = TLoops::Narrow;
      break;
    case 4:
      loops = TLoops::Sse2;
      break;
    case 8:
      loops = TLoops::Avx2;
      break;
    case 16:
      loops = TLoops::Vbmi;
      break;
    default:
      return false;
  }
  if (!Runs(loops)) return false;
  gLoops = loops;
  return true;
}

void BlendRun(std::uint8_t* p, int count, const std::uint8_t* lut, std::uint8_t alpha) {
  BlendBlock(p, 0, 1, count, lut, alpha);
}

void BlendBlock(std::uint8_t* p, int stride, int rows, int count, const std::uint8_t* lut,
                std::uint8_t alpha) {
  BlendBlockFrom(p, stride, p, stride, rows, count, lut, alpha);
}

void BlendBlockFrom(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows, int count,
                    const std::uint8_t* lut, std::uint8_t alpha) {
  if (count <= 0 || rows <= 0) return;
  // A few pixels a row are not worth the vector set-up.
  if (gLoops != TLoops::Narrow && count >= 8) {
#ifdef MOMENTY_HAVE_VBMI
    if (gLoops == TLoops::Vbmi) return BlendBlockWide(from, fromStride, p, stride, rows, count, lut, alpha);
#endif
    // A row of the table is computed; a composed one is looked up below.
    if (const int level = LevelOfRow(lut); level >= 0) {
#ifdef MOMENTY_HAVE_AVX2
      if (gLoops == TLoops::Avx2) return BlendBlockAvx2(from, fromStride, p, stride, rows, count, level, alpha);
#endif
#ifdef __SSE2__
      return BlendBlockSse2(from, fromStride, p, stride, rows, count, level, alpha);
#endif
    }
  }
  for (int y = 0; y < rows; ++y, p += stride, from += fromStride) BlendRunScalar(from, p, count, lut, alpha);
}

void BlendAngles(std::uint8_t* p, int count, const std::uint16_t* angles, const std::uint8_t* levelOfAngle) {
  BlendAnglesFrom(p, p, count, angles, levelOfAngle);
}

void BlendAnglesFrom(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint16_t* angles,
                     const std::uint8_t* levelOfAngle) {
  if (count <= 0) return;
  if (gLoops == TLoops::Narrow) return BlendAnglesScalar(from, p, count, angles, levelOfAngle);
  // In chunks that stay in the first-level cache: levels, then pixels.
  constexpr int kChunk = 256;
  std::uint8_t levels[kChunk];
  for (int i = 0; i < count; i += kChunk) {
    const int n = count - i < kChunk ? count - i : kChunk;
    for (int k = 0; k < n; ++k) levels[k] = levelOfAngle[angles[i + k]];
    BlendLevelsFrom(from + 4 * i, p + 4 * i, n, levels);
  }
}

void BlendLevels(std::uint8_t* p, int count, const std::uint8_t* levels) {
  if (count <= 0) return;
  BlendLevelsFrom(p, p, count, levels);
}

}  // namespace alphafx
