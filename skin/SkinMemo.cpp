#include "skin/SkinMemo.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

TbsSkinMemo::TbsSkinMemo(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("memo")), FViewer(new QPlainTextEdit(this)) {
  resize(185, 89);
  FViewer->setFrameShape(QFrame::NoFrame);
  FViewer->setReadOnly(true);
  FViewer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  FViewer->setLineWrapMode(QPlainTextEdit::NoWrap);
  FViewer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FViewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FViewer->setUndoRedoEnabled(false);
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(FViewer);
  ApplyFont();
}

QStringList TbsSkinMemo::Lines() const {
  QStringList lines;
  for (QTextBlock b = FViewer->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

void TbsSkinMemo::SetLines(const QStringList& lines) { FViewer->setPlainText(lines.join(QLatin1Char('\n'))); }

QString TbsSkinMemo::Text() const { return FViewer->toPlainText(); }

void TbsSkinMemo::SetDefaultFont(const TFont& font) {
  TbsSkinCustomControl::SetDefaultFont(font);
  ApplyFont();
}

void TbsSkinMemo::ApplyFont() {
  FViewer->setFont(ToQFont(DefaultFont));
  QPalette pal = FViewer->palette();
  pal.setColor(QPalette::Text, ToQColor(DefaultFont.Color));
  pal.setColor(QPalette::Base, ToQColor(clWindow));
  FViewer->setPalette(pal);
}

void TbsSkinMemo::resizeEvent(QResizeEvent* event) {
  TbsSkinCustomControl::resizeEvent(event);
  FViewer->setGeometry(rect().adjusted(2, 2, -2, -2));
}

void TbsSkinMemo::DrawPlain(QImage& image) {
  // Plain look: a two-pixel sunken border (shadow and dark shadow above and
  // left, highlight and light below and right) around the text view.
  QPainter p(&image);
  const int w = image.width(), h = image.height();
  p.fillRect(image.rect(), ToQColor(clWindow));
  p.setPen(ToQColor(clBtnShadow));
  p.drawLine(0, 0, w - 1, 0);
  p.drawLine(0, 0, 0, h - 1);
  p.setPen(ToQColor(cl3DDkShadow));
  p.drawLine(1, 1, w - 2, 1);
  p.drawLine(1, 1, 1, h - 2);
  p.setPen(ToQColor(clBtnHighlight));
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.setPen(ToQColor(cl3DLight));
  p.drawLine(1, h - 2, w - 2, h - 2);
  p.drawLine(w - 2, 1, w - 2, h - 2);
}
