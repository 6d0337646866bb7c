// Draws the button pictures of the bolt and nut windows into resources/art:
// a book under a magnifying glass (41 x 41, "Показать"), two overlapping
// windows (copy to clipboard), the drawing program's symbol (our own: a
// drafting compass over a sheet) and a folder (path of the drawing program).
// Usage: art_tables <output folder>
#include "tools/art/ArtMaker.h"

#include <QPainter>

namespace {
using art::ClosedPath;
using art::Gradient;

// A page of the open book from its outer edge at x = `edge` to the spine,
// its top and bottom curved through x = `bend`.
QPainterPath Page(double edge, double bend) {
  QPainterPath page;
  page.moveTo(edge, 8.5);
  page.quadTo(bend, 7, 20.5, 11.5);
  page.lineTo(20.5, 34.5);
  page.quadTo(bend, 30, edge, 31.5);
  page.closeSubpath();
  return page;
}

// An open book seen from above, and over its right page a magnifying glass
// with a wooden handle running to the lower right.
void BookUnderGlass(QPainter& p) {
  const QColor ink(0x2a, 0x2f, 0x45);
  // Cover, slightly larger than the pages.
  p.setPen(QPen(ink, 1));
  p.setBrush(QColor(0x8e, 0x1f, 0x24));
  p.drawPath(ClosedPath({{2.5, 9.5}, {20.5, 12.5}, {38.5, 9.5}, {38.5, 33.5}, {20.5, 36.5}, {2.5, 33.5}}));
  // Two pages.
  p.setBrush(Gradient({0, 8}, {0, 34}, QColor(0xff, 0xfd, 0xf4), QColor(0xe9, 0xe1, 0xc8)));
  p.drawPath(Page(4.5, 12));
  p.drawPath(Page(36.5, 29));
  // Lines of text on the left page.
  p.setPen(QPen(QColor(0x7a, 0x7f, 0x90), 1));
  for (int i = 0; i < 5; ++i) {
    const double y = 14.5 + i * 3.5;
    p.drawLine(QPointF(7, y - 0.8), QPointF(18, y + 0.6));
  }
  // The glass: a ring over the right page, a light lens, a glint.
  const QPointF c(27.5, 18.5);
  const double r = 8.5;
  p.setBrush(art::Radial(c + QPointF(-2, -2), r, QColor(0xe6, 0xf4, 0xff, 210), QColor(0x9c, 0xc8, 0xee, 170)));
  p.setPen(QPen(QColor(0x3b, 0x44, 0x52), 2.6));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(0xc8, 0xcf, 0xd8), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r - 1.6, r - 1.6);
  // Magnified text under the lens.
  p.setPen(QPen(QColor(0x4b, 0x50, 0x62), 1.4));
  p.drawLine(QPointF(22, 16.5), QPointF(32, 15.5));
  p.drawLine(QPointF(22, 20.5), QPointF(31, 19.8));
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.6));
  p.drawArc(QRectF(c.x() - 6, c.y() - 6, 12, 12), 100 * 16, 60 * 16);
  // Handle.
  p.setPen(QPen(ink, 1));
  p.setBrush(Gradient({0, 0}, {6, 6}, QColor(0xc2, 0x7a, 0x35), QColor(0x6e, 0x3b, 0x12)));
  QPainterPath handle;
  handle.moveTo(33.2, 25.5);
  handle.lineTo(39.8, 33.4);
  handle.quadTo(40.5, 35.8, 38.0, 36.6);
  handle.lineTo(31.2, 28.0);
  handle.closeSubpath();
  p.drawPath(handle);
}

void Window(QPainter& p, const QRectF& r, const QColor& bar) {
  p.setPen(QPen(QColor(0x28, 0x2e, 0x3a), 1));
  p.setBrush(QColor(0xfb, 0xfc, 0xfe));
  p.drawRect(r);
  p.setBrush(bar);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 5));
  p.setPen(QPen(QColor(0x9a, 0xa3, 0xb2), 1));
  for (double y = r.top() + 9; y < r.bottom() - 2; y += 3)
    p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3 - (static_cast<int>(y) % 2) * 3, y));
}

// Two windows, the front one lower right of the back one.
void OverlappingWindows(QPainter& p) {
  Window(p, QRectF(2, 3, 19, 16), QColor(0x6f, 0x8c, 0xb8));
  Window(p, QRectF(10, 12, 19, 16), QColor(0x1f, 0x5f, 0xc8));
}

// The drawing program's symbol, drawn for this program: a drafting compass
// standing on a blue sheet with a drawn arc.
void DrawingProgram(QPainter& p) {
  // Sheet.
  p.setPen(QPen(QColor(0x1d, 0x3a, 0x6b), 1));
  p.setBrush(Gradient({0, 14}, {0, 30}, QColor(0x3f, 0x8c, 0xd9), QColor(0x1b, 0x55, 0xa3)));
  p.drawPath(ClosedPath({{1.5, 24.5}, {12.5, 17.5}, {30.5, 21.5}, {19.5, 29.5}}));
  // The arc the compass drew.
  p.setPen(QPen(QColor(0xff, 0xff, 0xff, 230), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(6, 18, 20, 9), 20 * 16, 200 * 16);
  // Compass legs, hinge and grip.
  p.setPen(QPen(QColor(0x30, 0x34, 0x3a), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 6), QPointF(9, 23));
  p.drawLine(QPointF(16, 6), QPointF(23, 23));
  p.setPen(QPen(QColor(0xd0, 0x2b, 0x2b), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(22.2, 21), QPointF(23, 23));
  p.setPen(QPen(QColor(0x30, 0x34, 0x3a), 1));
  p.setBrush(QColor(0xc9, 0xce, 0xd6));
  p.drawEllipse(QPointF(16, 6), 2.6, 2.6);
  p.setBrush(QColor(0x30, 0x34, 0x3a));
  p.drawRect(QRectF(15, 0.5, 2, 3.5));
}

// A yellow folder with its tab, the front flap slightly open.
void Folder(QPainter& p) {
  p.setPen(QPen(QColor(0x8a, 0x5c, 0x0a), 1));
  p.setBrush(QColor(0xe3, 0xa8, 0x2b));
  p.drawPath(ClosedPath({{2.5, 7.5}, {11.5, 7.5}, {14.5, 10.5}, {28.5, 10.5}, {28.5, 26.5}, {2.5, 26.5}}));
  // A sheet inside.
  p.setBrush(QColor(0xfd, 0xfd, 0xfa));
  p.drawRect(QRectF(6.5, 11.5, 19, 10));
  p.setBrush(Gradient({0, 14}, {0, 27}, QColor(0xff, 0xd8, 0x5e), QColor(0xf0, 0xb0, 0x2a)));
  p.drawPath(ClosedPath({{5.5, 14.5}, {31.0, 14.5}, {28.5, 26.5}, {2.5, 26.5}}));
}

const art::TArtPicture kPictures[] = {
    {"glyph_show.png", 41, 41, BookUnderGlass},
    {"glyph_copy.png", 32, 32, OverlappingWindows, false},
    {"glyph_drawing.png", 32, 32, DrawingProgram},
    {"glyph_folder.png", 32, 32, Folder},
};

}  // namespace

int main(int argc, char** argv) { return art::RunArtMaker(argc, argv, "art_tables", kPictures); }
