#include "skin/SkinFitText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {
// The line edit's own margins around its text line, inside its contents.
constexpr int kLineEditHorizontalMargin = 2;
}  // namespace

TbsFittedText FitText(const QString& text, const QFont& font, int width) {
  TbsFittedText fitted{font, text, false};
  if (text.isEmpty() || QFontMetrics(font).horizontalAdvance(text) <= width) return fitted;
  const int own = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  for (int px = own - 1; px >= kLeastTextPixels; --px) {
    fitted.Font.setPixelSize(px);
    if (QFontMetrics(fitted.Font).horizontalAdvance(text) <= width) return fitted;
  }
  fitted.Font.setPixelSize(std::min(own, kLeastTextPixels));
  fitted.Text = QFontMetrics(fitted.Font).elidedText(text, Qt::ElideRight, std::max(0, width));
  fitted.Elided = true;
  return fitted;
}

void DrawFittedText(QPainter& p, const QRect& rect, int flags, const QString& text) {
  const TbsFittedText fitted = FitText(text, p.font(), rect.width());
  if (fitted.Text == text && fitted.Font == p.font()) {
    p.drawText(rect, flags, text);
    return;
  }
  p.save();
  p.setFont(fitted.Font);
  p.drawText(rect, flags, fitted.Text);
  p.restore();
}

bool PaintFittedLineEdit(QLineEdit& edit, const QStyleOptionFrame& panel) {
  if (edit.hasFocus()) return false;
  const QString text = edit.displayText();
  if (text.isEmpty()) return false;
  // The line the edit lays its text on, and its rule for a text that fits:
  // the text's width, a pixel for the cursor and the glyphs' overhangs.
  const QRect contents =
      edit.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &edit).marginsRemoved(edit.textMargins());
  const QRect line = contents.adjusted(kLineEditHorizontalMargin, 0, -kLineEditHorizontalMargin, 0);
  const QFontMetrics fm(edit.font());
  const int overhang = std::max(0, -fm.minLeftBearing()) + std::max(0, -fm.minRightBearing());
  const int room = line.width() - 1 - overhang;
  if (fm.horizontalAdvance(text) <= room) return false;

  const TbsFittedText fitted = FitText(text, edit.font(), room);
  QPainter p(&edit);
  edit.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, &edit);
  p.setClipRect(contents);
  p.setFont(fitted.Font);
  const QPalette& pal = edit.palette();
  const int flags = static_cast<int>(QStyle::visualAlignment(edit.layoutDirection(), edit.alignment()) &
                                     Qt::AlignHorizontal_Mask) |
                    Qt::AlignVCenter | Qt::TextSingleLine;
  const QFontMetrics small(fitted.Font);
  const QRect drawn = QStyle::alignedRect(edit.layoutDirection(), edit.alignment() & Qt::AlignHorizontal_Mask,
                                          QSize(small.horizontalAdvance(fitted.Text), line.height()), line);
  if (edit.hasSelectedText()) {
    // The selected part of the text as drawn; of an elided text only a
    // selection of the whole can be shown.
    QRect selected;
    if (!fitted.Elided) {
      const int start = small.horizontalAdvance(text.left(edit.selectionStart()));
      selected = QRect(drawn.left() + start, contents.top(), small.horizontalAdvance(edit.selectedText()),
                       contents.height());
    } else if (edit.selectedText().size() == text.size()) {
      selected = QRect(drawn.left(), contents.top(), drawn.width(), contents.height());
    }
    if (!selected.isEmpty()) {
      p.fillRect(selected, pal.highlight());
      p.setPen(pal.text().color());
      p.drawText(line, flags, fitted.Text);
      p.setClipRect(selected);
      p.setPen(pal.highlightedText().color());
      p.drawText(line, flags, fitted.Text);
      return true;
    }
  }
  p.setPen(pal.text().color());
  p.drawText(line, flags, fitted.Text);
  return true;
}
