#include "skin/SkinTextLabel.h"

#include "skin/SkinAccessible.h"

#include <QFontMetrics>
#include <QPainter>

void TbsSkinTextLabel::SetLines(const QStringList& lines) {
  if (lines == FLines) return;
  const QString before = Text();
  FLines = lines;
  update();
  AccessibleTextChanged(this, before, Text());
}

QFont TbsSkinTextLabel::DrawFont() const { return ToQFont(UseSkinFont ? DefaultFont : Font); }

QColor TbsSkinTextLabel::DrawColor() const { return ToQColor(UseSkinFont ? DefaultFont.Color : Font.Color); }

QRect TbsSkinTextLabel::LineRect(int index) const {
  const QFontMetrics fm(DrawFont());
  const int h = fm.height();
  return QRect(0, index * h, fm.horizontalAdvance(FLines.value(index)), h);
}

void TbsSkinTextLabel::paintEvent(QPaintEvent*) {
  if (FLines.isEmpty()) return;
  QPainter p(this);
  const QFont font = DrawFont();
  p.setFont(font);
  const QFontMetrics fm(font);
  const int h = fm.height();
  const bool enabled = isEnabled();
  for (int i = 0; i < FLines.size(); ++i) {
    const QString& line = FLines.at(i);
    if (line.isEmpty()) continue;
    const QPoint base(0, i * h + fm.ascent());
    if (!enabled) {
      p.setPen(DisabledLightColor());
      p.drawText(base + QPoint(1, 1), line);
      p.setPen(DisabledShadowColor());
    } else {
      p.setPen(DrawColor());
    }
    p.drawText(base, line);
  }
}
