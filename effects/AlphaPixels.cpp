#include "effects/AlphaPixels.h"

#include "effects/AlphaRender.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define MOMENTY_HAVE_VBMI 1
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

bool DetectWide() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("avx512vbmi");
}
#else
bool DetectWide() { return false; }
#endif

const bool gWideAvailable = DetectWide();
bool gWide = gWideAvailable;

}  // namespace

bool VectorPixelsAvailable() { return gWideAvailable; }
void UseVectorPixels(bool use) { gWide = use && gWideAvailable; }
bool VectorPixelsInUse() { return gWide; }

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
#ifdef MOMENTY_HAVE_VBMI
  // A few pixels a row are not worth loading the table into registers.
  if (gWide && count >= 8) {
    BlendBlockWide(from, fromStride, p, stride, rows, count, lut, alpha);
    return;
  }
#endif
  for (int y = 0; y < rows; ++y, p += stride, from += fromStride) BlendRunScalar(from, p, count, lut, alpha);
}

void BlendAngles(std::uint8_t* p, int count, const std::uint16_t* angles, const std::uint8_t* levelOfAngle) {
  BlendAnglesFrom(p, p, count, angles, levelOfAngle);
}

void BlendAnglesFrom(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint16_t* angles,
                     const std::uint8_t* levelOfAngle) {
  if (count <= 0) return;
#ifdef MOMENTY_HAVE_VBMI
  if (gWide) {
    // In chunks that stay in the first-level cache: levels, then pixels.
    constexpr int kChunk = 256;
    std::uint8_t levels[kChunk];
    for (int i = 0; i < count; i += kChunk) {
      const int n = count - i < kChunk ? count - i : kChunk;
      for (int k = 0; k < n; ++k) levels[k] = levelOfAngle[angles[i + k]];
      BlendLevelsWide(from + 4 * i, p + 4 * i, n, levels);
    }
    return;
  }
#endif
  BlendAnglesScalar(from, p, count, angles, levelOfAngle);
}

void BlendLevels(std::uint8_t* p, int count, const std::uint8_t* levels) {
  if (count <= 0) return;
#ifdef MOMENTY_HAVE_VBMI
  if (gWide) {
    BlendLevelsWide(p, p, count, levels);
    return;
  }
#endif
  BlendLevelsScalar(p, p, count, levels);
}

}  // namespace alphafx
