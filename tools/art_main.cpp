// Draws the pictures of the splash and main windows into resources/art:
// button glyphs, the flag, the calculator glyph and the splash picture.
// Usage: art_main <output folder>
#include "tools/art/ArtMaker.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace {
using art::Gradient;
using art::Radial;

QPolygonF Hexagon(QPointF c, double r, double startDeg) {
  QPolygonF poly;
  for (int i = 0; i < 6; ++i) {
    const double a = qDegreesToRadians(startDeg + 60.0 * i);
    poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  return poly;
}

QLinearGradient Steel(QPointF a, QPointF b) {
  QLinearGradient g(a, b);
  g.setColorAt(0.0, QColor(0xf4, 0xf6, 0xf8));
  g.setColorAt(0.45, QColor(0xa9, 0xb1, 0xba));
  g.setColorAt(0.55, QColor(0x8a, 0x93, 0x9d));
  g.setColorAt(1.0, QColor(0x5b, 0x63, 0x6c));
  return g;
}

// A hexagon-head bolt lying across, head on the left.
void Bolt(QPainter& p) {
  const QPen edge(QColor(0x2d, 0x33, 0x3a), 1.0);
  p.setPen(edge);
  p.setBrush(Steel({0, 11}, {0, 21}));
  p.drawRect(QRectF(11.5, 12.5, 18, 7));
  p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), 1.0));
  for (double x = 14; x < 29; x += 2.5) p.drawLine(QPointF(x, 12.8), QPointF(x + 1.2, 19.2));
  p.setPen(edge);
  p.setBrush(Steel({0, 5}, {0, 27}));
  p.drawRoundedRect(QRectF(2.5, 5.5, 9, 21), 1.5, 1.5);
  p.setPen(QPen(QColor(0x5b, 0x63, 0x6c), 1.0));
  p.drawLine(QPointF(3, 12.5), QPointF(11, 12.5));
  p.drawLine(QPointF(3, 19.5), QPointF(11, 19.5));
}

// A hexagon nut seen from the top.
void Nut(QPainter& p) {
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.2));
  p.setBrush(Steel({4, 4}, {28, 28}));
  p.drawPolygon(Hexagon({16, 16}, 14, 0));
  p.setPen(QPen(QColor(0x6b, 0x73, 0x7c), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16), 10.5, 10.5);
  p.setBrush(Radial({15, 15}, 7, QColor(0x1e, 0x23, 0x28), QColor(0x55, 0x5d, 0x66)));
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.0));
  p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
}

// A threaded stud at an angle.
void Thread(QPainter& p) {
  p.translate(16, 16);
  p.rotate(-35);
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.0));
  p.setBrush(Steel({0, -5}, {0, 5}));
  p.drawRect(QRectF(-14, -4.5, 28, 9));
  p.setPen(QPen(QColor(0x40, 0x48, 0x50), 1.2));
  for (double x = -12; x <= 12; x += 3) p.drawLine(QPointF(x, -4.3), QPointF(x + 1.6, 4.3));
  p.setPen(QPen(QColor(0xc0, 0x2b, 0x2b), 1.6));
  p.drawLine(QPointF(-14, 9), QPointF(14, 9));
  p.drawLine(QPointF(-14, 7), QPointF(-14, 11));
  p.drawLine(QPointF(14, 7), QPointF(14, 11));
}

// A push-in pneumatic fitting: hexagon body, collet ring and a blue tube.
void Fitting(QPainter& p) {
  p.setPen(QPen(QColor(0x2d, 0x33, 0x3a), 1.0));
  p.setBrush(Gradient({0, 10}, {0, 22}, QColor(0x8c, 0xc6, 0xf2), QColor(0x1b, 0x5e, 0xa8)));
  p.drawRoundedRect(QRectF(19.5, 11.5, 12, 9), 2, 2);
  QLinearGradient brass(0, 6, 0, 26);
  brass.setColorAt(0, QColor(0xff, 0xf0, 0xb8));
  brass.setColorAt(0.5, QColor(0xd4, 0xa9, 0x3c));
  brass.setColorAt(1, QColor(0x8a, 0x66, 0x14));
  p.setBrush(brass);
  p.drawRect(QRectF(2.5, 12.5, 6, 7));
  p.drawRoundedRect(QRectF(7.5, 6.5, 8, 19), 1.5, 1.5);
  p.setBrush(QColor(0x3a, 0x3f, 0x45));
  p.drawRoundedRect(QRectF(15.5, 9.5, 4, 13), 1, 1);
}

// The About button: a blue disc with a white "i".
void About(QPainter& p) {
  p.setPen(QPen(QColor(0x08, 0x33, 0x77), 1.0));
  p.setBrush(Radial({9, 8}, 14, QColor(0x7f, 0xb8, 0xff), QColor(0x0b, 0x4f, 0xb3)));
  p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(10.2, 5.2, 3.6, 3.6));
  p.drawRoundedRect(QRectF(10.3, 10.0, 3.4, 9.5), 1, 1);
}

// The national flag of the Republic of Belarus: red over green (2:1), with
// the white-and-red ornament band at the hoist, one ninth of the length.
void Flag(QPainter& p) {
  const QColor red(0xc8, 0x31, 0x3e), green(0x4a, 0xa6, 0x57);
  p.fillRect(0, 0, 38, 17, red);
  p.fillRect(0, 17, 38, 8, green);
  const int band = 5;
  p.fillRect(0, 0, band, 25, Qt::white);
  // The ornament: red diamonds stacked along the band.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  for (int y = 0; y < 25; y += 6) {
    QPolygonF d;
    d << QPointF(band / 2.0, y + 0.5) << QPointF(band - 0.5, y + 3.0) << QPointF(band / 2.0, y + 5.5)
      << QPointF(0.5, y + 3.0);
    p.drawPolygon(d);
  }
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(0, 0, 37, 24);
}

// A pocket calculator, 16 x 16.
void Calculator16(QPainter& p) {
  p.setPen(QColor(0x2d, 0x33, 0x3a));
  p.setBrush(QColor(0x5f, 0x68, 0x72));
  p.drawRect(2, 0, 11, 15);
  p.fillRect(4, 2, 8, 3, QColor(0xbf, 0xe3, 0xb4));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p.fillRect(4 + c * 3, 7 + r * 2 + r / 2, 2, 2, r == 2 && c == 2 ? QColor(0xe0, 0x6a, 0x2b) : QColor(0xee, 0xee, 0xee));
}

// The splash picture: a drawing-office scene with a bolt, a nut and the
// torque arrow on blueprint paper.
void Splash(QPainter& p) {
  p.fillRect(QRect(0, 0, 640, 480), Gradient({0, 0}, {0, 480}, QColor(0x0b, 0x1e, 0x3a), QColor(0x12, 0x3f, 0x6e)));
  p.setPen(QPen(QColor(0x3d, 0x6f, 0xa3, 90), 1));
  for (int x = 0; x < 640; x += 20) p.drawLine(x, 0, x, 480);
  for (int y = 0; y < 480; y += 20) p.drawLine(0, y, 640, y);
  p.setPen(QPen(QColor(0x5d, 0x8f, 0xc3, 150), 1));
  for (int x = 0; x < 640; x += 100) p.drawLine(x, 0, x, 480);
  for (int y = 0; y < 480; y += 100) p.drawLine(0, y, 640, y);

  // The nut, large, with its torque arrow.
  const QPointF c(420, 250);
  p.setPen(QPen(QColor(0x1b, 0x22, 0x2a), 3));
  p.setBrush(Steel({c.x() - 120, c.y() - 120}, {c.x() + 120, c.y() + 120}));
  p.drawPolygon(Hexagon(c, 125, 0));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x6b, 0x73, 0x7c), 2));
  p.drawEllipse(c, 108, 108);
  p.setBrush(Radial(c - QPointF(10, 10), 60, QColor(0x10, 0x14, 0x18), QColor(0x4a, 0x52, 0x5b)));
  p.setPen(QPen(QColor(0x1b, 0x22, 0x2a), 3));
  p.drawEllipse(c, 55, 55);
  p.setPen(QPen(QColor(0x30, 0x36, 0x3d), 2));
  for (int i = 0; i < 5; ++i) p.drawArc(QRectF(c.x() - 48 + i * 3, c.y() - 48 + i * 3, 96 - i * 6, 96 - i * 6), 30 * 16 + i * 300, 200 * 16);

  QPen arrow(QColor(0xe8, 0x3a, 0x2f), 9, Qt::SolidLine, Qt::RoundCap);
  p.setPen(arrow);
  p.setBrush(Qt::NoBrush);
  const QRectF arc(c.x() - 170, c.y() - 170, 340, 340);
  p.drawArc(arc, 110 * 16, 120 * 16);
  const double a = qDegreesToRadians(230.0);
  const QPointF tip(c.x() + 170 * std::cos(a), c.y() - 170 * std::sin(a));
  QPolygonF head;
  head << tip + QPointF(-22, -8) << tip + QPointF(14, -20) << tip + QPointF(6, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0x3a, 0x2f));
  p.drawPolygon(head);

  // The bolt across the left half.
  p.save();
  p.translate(150, 330);
  p.rotate(-20);
  p.setPen(QPen(QColor(0x1b, 0x22, 0x2a), 3));
  p.setBrush(Steel({0, -26}, {0, 26}));
  p.drawRect(QRectF(40, -26, 190, 52));
  p.setPen(QPen(QColor(0x3a, 0x42, 0x4a), 3));
  for (int x = 90; x < 226; x += 12) p.drawLine(QPointF(x, -24), QPointF(x + 7, 24));
  p.setPen(QPen(QColor(0x1b, 0x22, 0x2a), 3));
  p.setBrush(Steel({0, -60}, {0, 60}));
  p.drawRoundedRect(QRectF(-20, -62, 62, 124), 8, 8);
  p.setPen(QPen(QColor(0x5b, 0x63, 0x6c), 2));
  p.drawLine(QPointF(-18, -21), QPointF(40, -21));
  p.drawLine(QPointF(-18, 21), QPointF(40, 21));
  p.restore();

  // Dimension lines in the drawing-office manner.
  p.setPen(QPen(QColor(0xd6, 0xe6, 0xf5), 1.5));
  p.drawLine(60, 440, 300, 440);
  p.drawLine(60, 432, 60, 448);
  p.drawLine(300, 432, 300, 448);
  p.drawLine(590, 110, 590, 390);
  p.drawLine(582, 110, 598, 110);
  p.drawLine(582, 390, 598, 390);
}

const art::TArtPicture kPictures[] = {
    {"glyph_bolt.png", 32, 32, Bolt},
    {"glyph_nut.png", 32, 32, Nut},
    {"glyph_thread.png", 32, 32, Thread},
    {"glyph_fitting.png", 32, 32, Fitting},
    {"glyph_about.png", 24, 24, About},
    {"flag_by.png", 38, 25, Flag, false},
    {"glyph_calc16.png", 16, 16, Calculator16, false},
    {"splash.jpg", 640, 480, Splash, true, QImage::Format_RGB32},
};

}  // namespace

int main(int argc, char** argv) { return art::RunArtMaker(argc, argv, "art_main", kPictures); }
