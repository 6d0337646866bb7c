#pragma once
// Drawing primitives of our skin artwork (used by skinmaker): brushed metal,
// bevels, rounded and chamfered faces, arrows and caption-button glyphs, and
// the reduction of a drawn picture to a palette for 8, 4 and 1 bpp files.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace art {

// Small deterministic generator: the same skin comes out byte for byte.
class TNoise {
public:
  explicit TNoise(std::uint32_t seed) : FState(seed ? seed : 1) {}
  int Next(int amplitude) {  // -amplitude .. amplitude
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return amplitude == 0 ? 0 : int(FState % std::uint32_t(2 * amplitude + 1)) - amplitude;
  }

private:
  std::uint32_t FState;
};

inline QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor(int(a.red() + (b.red() - a.red()) * t + 0.5), int(a.green() + (b.green() - a.green()) * t + 0.5),
                int(a.blue() + (b.blue() - a.blue()) * t + 0.5));
}

inline int Clamp(int v) { return std::clamp(v, 0, 255); }

// Brushed metal: a vertical gradient crossed by horizontal streaks (noise
// that changes slowly along a row and freely from row to row).
inline void Brushed(QImage& img, const QRect& r, const QColor& top, const QColor& bottom, int amp,
                    std::uint32_t seed) {
  TNoise noise(seed);
  const QRect area = r.intersected(img.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const double t = r.height() > 1 ? double(y - r.top()) / (r.height() - 1) : 0.0;
    const QColor base = Mix(top, bottom, t);
    const int row = noise.Next(amp / 2);
    double streak = 0;
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      streak = streak * 0.82 + noise.Next(amp) * 0.18;
      const int d = row + int(streak * 1.6);
      line[x] = qRgb(Clamp(base.red() + d), Clamp(base.green() + d), Clamp(base.blue() + d + d / 4));
    }
  }
}

inline void VGradient(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const double t = r.height() > 1 ? double(y - r.top()) / (r.height() - 1) : 0.0;
    p.setPen(Mix(top, bottom, t));
    p.drawLine(r.left(), y, r.right(), y);
  }
}

// One-pixel lines: light on the top and left edges, dark on the bottom and
// right edges.
inline void Bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
  p.setPen(light);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(dark);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

inline void Frame(QPainter& p, const QRect& r, const QColor& c) { Bevel(p, r, c, c); }

inline QPainterPath Rounded(const QRect& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  return path;
}

// A rectangle with its four corners cut at 45 degrees.
inline QPainterPath Chamfered(const QRectF& r, double cut) {
  QPainterPath path;
  path.moveTo(r.left() + cut, r.top());
  path.lineTo(r.right() - cut, r.top());
  path.lineTo(r.right(), r.top() + cut);
  path.lineTo(r.right(), r.bottom() - cut);
  path.lineTo(r.right() - cut, r.bottom());
  path.lineTo(r.left() + cut, r.bottom());
  path.lineTo(r.left(), r.bottom() - cut);
  path.lineTo(r.left(), r.top() + cut);
  path.closeSubpath();
  return path;
}

enum class TArrow { Up, Down, Left, Right };
inline void Arrow(QPainter& p, const QRect& r, TArrow dir, const QColor& c, int size = 4) {
  const QPointF m = QRectF(r).center();
  QPolygonF tri;
  switch (dir) {
    case TArrow::Down: tri << QPointF(m.x() - size, m.y() - size / 2.0) << QPointF(m.x() + size, m.y() - size / 2.0)
                           << QPointF(m.x(), m.y() + size / 2.0 + 1); break;
    case TArrow::Up: tri << QPointF(m.x() - size, m.y() + size / 2.0) << QPointF(m.x() + size, m.y() + size / 2.0)
                         << QPointF(m.x(), m.y() - size / 2.0 - 1); break;
    case TArrow::Left: tri << QPointF(m.x() + size / 2.0, m.y() - size) << QPointF(m.x() + size / 2.0, m.y() + size)
                           << QPointF(m.x() - size / 2.0 - 1, m.y()); break;
    case TArrow::Right: tri << QPointF(m.x() - size / 2.0, m.y() - size) << QPointF(m.x() - size / 2.0, m.y() + size)
                            << QPointF(m.x() + size / 2.0 + 1, m.y()); break;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(tri);
  p.restore();
}

// Glyphs of the caption buttons.
enum class TGlyph { Close, Maximize, Minimize, Restore, RollUp, RollDown, SysMenu, Tray, Help };
inline void Glyph(QPainter& p, const QRect& r, TGlyph g, const QColor& c) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF m = QRectF(r).center() + QPointF(0.5, 0.5);
  QPen pen(c, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (g) {
    case TGlyph::Close:
      p.drawLine(m + QPointF(-3.5, -3.5), m + QPointF(3.5, 3.5));
      p.drawLine(m + QPointF(-3.5, 3.5), m + QPointF(3.5, -3.5));
      break;
    case TGlyph::Maximize:
      pen.setWidthF(1.2);
      p.setPen(pen);
      p.drawRect(QRectF(m.x() - 4.5, m.y() - 4, 9, 8));
      p.drawLine(QPointF(m.x() - 4.5, m.y() - 3), QPointF(m.x() + 4.5, m.y() - 3));
      break;
    case TGlyph::Minimize: p.drawLine(m + QPointF(-4, 3), m + QPointF(4, 3)); break;
    case TGlyph::Restore:
      pen.setWidthF(1.2);
      p.setPen(pen);
      p.drawRect(QRectF(m.x() - 4.5, m.y() - 1.5, 7, 6));
      p.drawPolyline(QPolygonF() << QPointF(m.x() - 2, m.y() - 2) << QPointF(m.x() - 2, m.y() - 4.5)
                                 << QPointF(m.x() + 4.5, m.y() - 4.5) << QPointF(m.x() + 4.5, m.y() + 1.5)
                                 << QPointF(m.x() + 3, m.y() + 1.5));
      break;
    case TGlyph::RollUp:
      p.drawPolyline(QPolygonF() << m + QPointF(-4, 2) << m + QPointF(0, -2) << m + QPointF(4, 2));
      break;
    case TGlyph::RollDown:
      p.drawPolyline(QPolygonF() << m + QPointF(-4, -2) << m + QPointF(0, 2) << m + QPointF(4, -2));
      break;
    case TGlyph::SysMenu: {
      // A hexagonal bolt head seen from above: the program's own emblem.
      pen.setWidthF(1.3);
      p.setPen(pen);
      QPolygonF hex;
      for (int i = 0; i < 6; ++i) {
        const double a = (60.0 * i + 30.0) * 3.14159265358979 / 180.0;
        hex << m + QPointF(5.2 * std::cos(a), 5.2 * std::sin(a));
      }
      p.drawPolygon(hex);
      p.drawEllipse(m, 2.0, 2.0);
      break;
    }
    case TGlyph::Tray:
      p.setBrush(c);
      p.drawRect(QRectF(m.x() + 1, m.y() + 1, 3, 3));
      break;
    case TGlyph::Help:
      p.drawArc(QRectF(m.x() - 3, m.y() - 5, 6, 6), 180 * 16, -270 * 16);
      p.drawPoint(m + QPointF(0, 4));
      break;
  }
  p.restore();
}

// Reduces a drawn picture to an indexed one of at most `colors` entries: the
// most frequent colours are kept, every other pixel takes the nearest kept
// colour. Masks (black and white) come through exactly.
inline QImage ToPalette(const QImage& source, int colors) {
  const QImage img = source.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> counts;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) ++counts[line[x] | 0xFF000000u];
  }
  std::vector<std::pair<int, QRgb>> ranked;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) ranked.emplace_back(it.value(), it.key());
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  if (int(ranked.size()) > colors) ranked.resize(std::size_t(colors));
  QList<QRgb> table;
  for (const auto& r : ranked) table.append(r.second);
  std::sort(table.begin(), table.end());
  QHash<QRgb, int> index;
  for (int i = 0; i < table.size(); ++i) index.insert(table[i], i);
  QImage out(img.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    uchar* d = out.scanLine(y);
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      auto it = index.constFind(c);
      if (it != index.cend()) {
        d[x] = uchar(*it);
        continue;
      }
      int best = 0, bestDist = 1 << 30;
      for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]), db = qBlue(c) - qBlue(table[i]);
        const int dist = dr * dr + dg * dg + db * db;
        if (dist < bestDist) bestDist = dist, best = i;
      }
      index.insert(c, best);
      d[x] = uchar(best);
    }
  }
  return out;
}

}  // namespace art
