#pragma once
// The pixel work of the transition effects, as plain functions on a 32-bit
// picture in memory (bytes blue, green, red, alpha per pixel). Nothing here
// needs a window, so every rule can be checked pixel by pixel.
//
// One rule holds everywhere: a pixel drawn at opacity level L gets
// blue, green and red := AlphaMulTable[L][channel] and alpha := L (colours
// premultiplied by the level). No colour is ever multiplied any other way.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Entry [a][v] = (a * v) >> 8, first index an alpha level, second a colour
// value. Note the divisor 256: [255][255] is 254. It is computed by the
// compiler, so it is ready before any code of the program runs.
using TAlphaMulTable = std::array<std::array<std::uint8_t, 256>, 256>;
extern const TAlphaMulTable AlphaMulTable;

namespace alphafx {

// A view of a 32-bit picture: `Stride` bytes from one row to the next.
struct TPixels {
  std::uint8_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  std::uint8_t* Row(int y) const { return Bits + static_cast<std::ptrdiff_t>(y) * Stride; }
};

// Round to nearest, ties to even, in long double.
std::int32_t RoundExt(long double value);

// Draws the rectangle Left..Right × Top..Bottom (inclusive, clipped to the
// picture) at level `Alpha`. Nothing happens when the clipped rectangle is empty.
void ApplyAlpha(const TPixels& image, int Left, int Top, int Right, int Bottom, int Alpha);

// --- Bands -------------------------------------------------------------------

// Opacity levels of one pass of a band effect: the region the band has
// passed (`New`) and the region still ahead (`Old`).
struct TPassLevels {
  int New = 0;
  int Old = 0;
};
TPassLevels BandLevels(int passes, int pass, bool hiding);

// The bright edge of a band: up climbs from L to 255 over i = 0..7, down is
// its mirror.
int RampUp(int level, int i);
int RampDown(int level, int i);

// One ApplyAlpha call of a band pattern, on whole lines (columns or rows):
// lines First..Last (clipped by ApplyAlpha) at level Alpha.
struct TLineCall {
  int First;
  int Last;
  int Alpha;
};

// The calls, in drawing order, of band kind `kind` (0..7) for band position
// `bandPos` (BandPos of the frame, before the kind adjusts it) in a picture of
// width × height. `bandPosOut`, when given, receives BandPos as the kind leaves
// it (mirrored for kinds 1 and 3, halved for kinds 4 to 7).
std::vector<TLineCall> BandCalls(int kind, int bandPos, int width, int height, TPassLevels levels,
                                 int* bandPosOut = nullptr);
// Kinds 0, 1, 6 and 7 work on columns, 2 to 5 on rows.
bool BandOnColumns(int kind);

// Draws a list of line calls. The result is exactly that of one ApplyAlpha
// per call in order (a line covered twice is multiplied twice and keeps the
// later level); the picture is walked once, row by row.
void ApplyLineCalls(const TPixels& image, const std::vector<TLineCall>& calls, bool columns);
// The same drawn from the picture `from` (of the same size, only read) into
// `image`: `image` becomes `from` with the calls applied, the lines no call
// covers copied as they are. One pass instead of a copy and a drawing.
void ApplyLineCalls(const TPixels& from, const TPixels& image, const std::vector<TLineCall>& calls, bool columns);

// What each line (column or row) of a picture holds after ApplyLineCalls
// from one source: the level it was drawn at, kLineCopied for a line copied
// as it is, or kLineUnknown (drawn through several calls). Nothing is known
// while `Levels` is empty; whoever writes the picture otherwise, or draws
// from another source, forgets it.
constexpr std::int16_t kLineCopied = 256;
constexpr std::int16_t kLineUnknown = -1;
struct TLineLevels {
  bool Columns = false;
  std::vector<std::int16_t> Levels;
  void Forget() { Levels.clear(); }
  // What a picture of nothing but zeros holds, whatever the source: each of
  // its `rows` rows drawn at level 0.
  void HoldNothing(int rows) {
    Columns = false;
    Levels.assign(static_cast<std::size_t>(std::max(0, rows)), 0);
  }
};
// ApplyLineCalls from `from` into `image`, where `held` tells what the
// lines of `image` hold now: a line that would come out as it is (the same
// source, the same level) is left alone. `held` then tells what they hold.
void ApplyLineCalls(const TPixels& from, const TPixels& image, const std::vector<TLineCall>& calls, bool columns,
                    TLineLevels& held);

// --- Radar ---------------------------------------------------------------------

// AngleTable[i][j] = Round(arctan(j / i) in degrees), row and column 0 are 0.
struct TAngleTable {
  int N = 0;
  std::vector<std::uint16_t> Cells;  // N × N, row i at i * N
  std::uint16_t At(int i, int j) const { return Cells[static_cast<std::size_t>(i) * N + j]; }
};
TAngleTable BuildAngleTable(int width, int height);

// Counter-clockwise angle of pixel (x, y) seen from (CX, CY), screen up
// positive, turned back by `angleOffset`; 0..360 (360 only where the table
// rounds a pixel just below the right half of the centre row up to 270 + 90).
std::uint16_t PixelAngle(const TAngleTable& table, int CX, int CY, int x, int y,
                         std::uint16_t angleOffset);

// PixelAngle with offset 0 of every pixel of a width × height picture seen
// from its centre (width div 2, height div 2), row by row. Built once per
// effect; the radar frames only look it up.
std::vector<std::uint16_t> BuildAngleMap(const TAngleTable& table, int width, int height);

struct TRadar {
  int Passes = 1;
  bool Hiding = false;
  std::uint16_t AngleOffset = 0;
  bool Clockwise = false;
};

// Level of a pixel whose angle is p (after offset and direction), for a ray
// at s degrees within the pass, between the levels a0 (ahead) and a1 (behind).
int RadarLevel(int p, int s, int a0, int a1);
// Levels ahead of and behind the ray in pass k.
TPassLevels RadarLevels(int passes, int pass, bool hiding);  // New = A1 (behind), Old = A0 (ahead)

// One radar frame for Angle (0 .. 360 × Passes − 1), from the picture's angle
// map. Every pixel is drawn.
void RenderRadar(const TPixels& image, const std::vector<std::uint16_t>& angleMap, int angle,
                 const TRadar& radar);
// The same frame drawn from `from` (same size, only read) into `image`.
void RenderRadar(const TPixels& from, const TPixels& image, const std::vector<std::uint16_t>& angleMap,
                 int angle, const TRadar& radar);

}  // namespace alphafx
