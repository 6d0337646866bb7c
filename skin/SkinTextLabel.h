#pragma once
// A multi-line static text: each line of Lines drawn as it is (leading and
// trailing blanks kept, no wrapping), one under the other from the top-left
// corner, over the parent's background, in DefaultFont while UseSkinFont is
// on and in the label's own font otherwise.
#include "skin/SkinStaticText.h"

#include <QStringList>

class TbsSkinTextLabel : public TbsSkinStaticText {
  Q_OBJECT
public:
  explicit TbsSkinTextLabel(QWidget* parent) : TbsSkinStaticText(parent) {}

  const QStringList& Lines() const { return FLines; }
  void SetLines(const QStringList& lines);
  // The lines joined with line breaks.
  QString Text() const { return FLines.join(QLatin1Char('\n')); }
  QString ShownText() const override { return Text(); }

  QFont DrawFont() const;
  QColor DrawColor() const;
  // Where line `index` is drawn: its text rectangle in the label.
  QRect LineRect(int index) const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QStringList FLines;
};
