#include "tests/common/ShownText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

QImage InkMask(const QImage& with, const QImage& without) {
  const QImage a = with.convertToFormat(QImage::Format_ARGB32);
  const QImage b = without.convertToFormat(QImage::Format_ARGB32);
  QImage mask(a.size(), QImage::Format_Grayscale8);
  mask.fill(0);
  if (a.size() != b.size()) return mask;
  auto difference = [&](int x, int y) {
    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
  };
  int most = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) most = std::max(most, difference(x, y));
  if (most == 0) return mask;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (2 * difference(x, y) >= most) mask.scanLine(y)[x] = 255;
  return mask;
}

QRect InkBox(const QImage& mask, const QRect& area) {
  QRect box;
  const QRect r = area.intersected(mask.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (mask.constScanLine(y)[x]) box |= QRect(x, y, 1, 1);
  return box;
}

QImage TextInk(const QString& text, const QFont& font) {
  constexpr int kPad = 4;
  const QFontMetrics fm(font);
  QImage image(fm.horizontalAdvance(text) + 2 * kPad, fm.height() + 2 * kPad, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(kPad, kPad + fm.ascent(), text);
  }
  QImage blank(image.size(), QImage::Format_ARGB32);
  blank.fill(Qt::white);
  return InkMask(image, blank);
}

namespace {
// Whether two inks are the same shape: boxes of the same size (a pixel
// either way for anti-aliasing) and nearly every pixel alike.
bool SameInk(const QImage& shown, const QRect& shownBox, const QImage& reference) {
  const QRect refBox = InkBox(reference, reference.rect());
  if (refBox.isNull() || std::abs(refBox.width() - shownBox.width()) > 1 ||
      std::abs(refBox.height() - shownBox.height()) > 1)
    return false;
  int ink = 0, unlike = 0;
  const int w = std::max(refBox.width(), shownBox.width()), h = std::max(refBox.height(), shownBox.height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QPoint s = shownBox.topLeft() + QPoint(x, y), r = refBox.topLeft() + QPoint(x, y);
      const bool a = shownBox.contains(s) && shown.constScanLine(s.y())[s.x()];
      const bool b = refBox.contains(r) && reference.constScanLine(r.y())[r.x()];
      ink += a;
      unlike += a != b;
    }
  }
  return unlike <= std::max(4, ink / 10);
}
}  // namespace

::testing::AssertionResult ShowsWholeOrElided(const QImage& with, const QImage& without, const QString& text,
                                              const QFont& font) {
  const QImage shown = InkMask(with, without);
  const QRect box = InkBox(shown, shown.rect());
  if (box.isNull()) return ::testing::AssertionFailure() << "no ink for \"" << text.toStdString() << "\"";
  const int own = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  const int least = std::min(own, 9);
  QFont f = font;
  for (int px = own; px >= least; --px) {
    f.setPixelSize(px);
    if (SameInk(shown, box, TextInk(text, f)))
      return ::testing::AssertionSuccess() << "whole at " << px << " px";
  }
  f.setPixelSize(least);
  for (qsizetype k = text.size() - 1; k >= 0; --k) {
    const QString elided = text.left(k) + QChar(0x2026);
    if (SameInk(shown, box, TextInk(elided, f)))
      return ::testing::AssertionSuccess() << "elided to \"" << elided.toStdString() << "\"";
  }
  return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" is shown neither whole nor elided (ink "
                                       << box.width() << " x " << box.height() << " at " << box.x() << ", "
                                       << box.y() << ")";
}
