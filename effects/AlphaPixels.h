#pragma once
// The inner loops of the effects: pixels drawn through rows of AlphaMulTable.
// Where the processor has 64-byte byte permutes (AVX-512 VBMI), a whole row
// of the table sits in four registers and sixteen pixels are looked up at
// once. Elsewhere on x86-64 the products of a row are computed, eight pixels
// at a time (AVX2) or four (SSE2); other lookups, and other processors, go
// one pixel at a time. All give the same bytes.
#include <cstdint>

namespace alphafx {

// `count` pixels from `p` (bytes B, G, R, A): colours through `lut` (a row
// of AlphaMulTable), alpha := `alpha`.
void BlendRun(std::uint8_t* p, int count, const std::uint8_t* lut, std::uint8_t alpha);
// The same for `rows` runs of `count` pixels, `stride` bytes apart (a
// rectangle of the picture).
void BlendBlock(std::uint8_t* p, int stride, int rows, int count, const std::uint8_t* lut,
                std::uint8_t alpha);
// BlendBlock reading the pixels at `from` (`fromStride` bytes a row) and
// writing them at `p`: `p` becomes `from` drawn at the level, `from` stays.
void BlendBlockFrom(const std::uint8_t* from, int fromStride, std::uint8_t* p, int stride, int rows, int count,
                    const std::uint8_t* lut, std::uint8_t alpha);
// The same with a level per pixel: pixel i is drawn at levels[i].
void BlendLevels(std::uint8_t* p, int count, const std::uint8_t* levels);

// The same with the level given through each pixel's angle:
// pixel i is drawn at levelOfAngle[angles[i]].
void BlendAngles(std::uint8_t* p, int count, const std::uint16_t* angles, const std::uint8_t* levelOfAngle);
// BlendAngles reading the pixels at `from` and writing them at `p`.
void BlendAnglesFrom(const std::uint8_t* from, std::uint8_t* p, int count, const std::uint16_t* angles,
                     const std::uint8_t* levelOfAngle);

// Whether the wide loops can run here, and a switch to use them or not (on
// by default where they can run; tests and benchmarks compare both).
bool VectorPixelsAvailable();
void UseVectorPixels(bool use);
bool VectorPixelsInUse();
// Chooses the loops by the pixels they draw at once (1, 4, 8 or 16); false,
// and nothing changed, where this processor does not run them.
bool UseVectorPixelWidth(int pixels);

}  // namespace alphafx
