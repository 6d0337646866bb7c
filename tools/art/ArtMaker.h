#pragma once
// What the artwork makers (art_main, art_tables, art_calc) share: each
// picture is one painting function on a canvas of its size, listed in a
// table; one loop draws the table into the output folder. Also the shapes
// and fills several pictures use.
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <initializer_list>
#include <span>

class QPainter;

namespace art {

struct TArtPicture {
  const char* File;  // ".png"; ".jpg" for a JPEG of quality 88
  int Width, Height;
  void (*Paint)(QPainter& p);
  bool Smooth = true;  // the painter starts antialiased
  // The canvas starts transparent; an opaque picture may ask for RGB32.
  QImage::Format Format = QImage::Format_ARGB32_Premultiplied;
};

// The picture painted on its canvas.
QImage DrawArtPicture(const TArtPicture& picture);

// The body of a maker: "<tool> <output folder>" draws every picture into
// the folder. Returns 0 when all were written, 1 when any was not (each
// failure is reported), 2 for a wrong command line.
int RunArtMaker(int argc, char** argv, const char* tool, std::span<const TArtPicture> pictures);

// A linear gradient from `a` at `from` to `b` at `to`.
QLinearGradient Gradient(QPointF from, QPointF to, const QColor& a, const QColor& b);
// A radial gradient from `a` at `centre` to `b` at `radius`.
QRadialGradient Radial(QPointF centre, double radius, const QColor& a, const QColor& b);
// A closed outline through the corners in order.
QPainterPath ClosedPath(std::initializer_list<QPointF> corners);

}  // namespace art
