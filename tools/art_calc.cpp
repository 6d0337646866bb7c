// Draws the 41 x 41 pocket calculator of the calculation window's two
// "Расчитать" buttons into resources/art/glyph_calc41.png.
// Usage: art_calc <output folder>
#include "tools/art/ArtMaker.h"

#include <QPainter>

namespace {
using art::Gradient;

// A calculator standing upright: dark casing with a lighter bevel, a green
// display with a few segments lit, and a 4 x 4 key pad whose last column holds
// the operation keys (orange "=" at the bottom).
void Calculator41(QPainter& p) {
  // Casing: 29 x 39, centred.
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.0));
  p.setBrush(Gradient({6, 0}, {35, 0}, QColor(0x76, 0x80, 0x8b), QColor(0x4a, 0x52, 0x5b)));
  p.drawRoundedRect(QRectF(6.5, 1.5, 28, 38), 3, 3);
  p.setPen(QPen(QColor(0x9a, 0xa3, 0xad), 1.0));
  p.drawLine(QPointF(9, 2.5), QPointF(32, 2.5));

  // Display with sunken edge and three lit digits.
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.0));
  p.setBrush(Gradient({0, 5}, {0, 14}, QColor(0xd4, 0xee, 0xc9), QColor(0xa9, 0xd3, 0x9b)));
  p.drawRect(QRectF(9.5, 5.5, 22, 9));
  p.setRenderHint(QPainter::Antialiasing, false);
  // Seven-segment digits, 3 x 5 pixels each: segments a (top), b (upper
  // right), c (lower right), d (bottom), e (lower left), f (upper left), g
  // (middle) as bits 0..6.
  const QColor seg(0x2f, 0x4a, 0x2a);
  const int digits[3] = {0x06, 0x5B, 0x6D};  // "1", "2", "5"
  for (int d = 0; d < 3; ++d) {
    const int x = 19 + d * 4, y = 8, m = digits[d];
    if (m & 0x01) p.fillRect(x, y, 3, 1, seg);
    if (m & 0x02) p.fillRect(x + 2, y, 1, 3, seg);
    if (m & 0x04) p.fillRect(x + 2, y + 2, 1, 3, seg);
    if (m & 0x08) p.fillRect(x, y + 4, 3, 1, seg);
    if (m & 0x10) p.fillRect(x, y + 2, 1, 3, seg);
    if (m & 0x20) p.fillRect(x, y, 1, 3, seg);
    if (m & 0x40) p.fillRect(x, y + 2, 3, 1, seg);
  }

  // Key pad.
  const QColor key(0xee, 0xef, 0xf0), keyShade(0xa9, 0xb1, 0xba), opKey(0xc9, 0xd1, 0xda),
      equals(0xe0, 0x6a, 0x2b), equalsShade(0x9c, 0x45, 0x17);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const int x = 9 + c * 6, y = 18 + r * 5;
      const bool isEquals = r == 3 && c == 3;
      const QColor face = isEquals ? equals : (c == 3 ? opKey : key);
      p.fillRect(x, y, 5, 4, isEquals ? equalsShade : keyShade);
      p.fillRect(x, y, 5, 3, face);
    }
  }
}

const art::TArtPicture kPictures[] = {{"glyph_calc41.png", 41, 41, Calculator41}};

}  // namespace

int main(int argc, char** argv) { return art::RunArtMaker(argc, argv, "art_calc", kPictures); }
