#pragma once
// A multi-line static text: each line of Lines drawn as it is (leading and
// trailing blanks kept, no wrapping), one under the other from the top-left
// corner, over the parent's background. Its skin record is "stdlabel", whose
// font and colour serve while UseSkinFont is on; with it off the label's own
// font and colour are used.
#include "platform/Graphics.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "skin/SkinData.h"

class TbsSkinTextLabel : public QWidget {
  Q_OBJECT
public:
  explicit TbsSkinTextLabel(QWidget* parent);

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);
  QString SkinDataName = QStringLiteral("stdlabel");

  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  TFont Font = TFont::Make(QStringLiteral("MS Sans Serif"), -11, 0);
  bool UseSkinFont = true;

  const QStringList& Lines() const { return FLines; }
  void SetLines(const QStringList& lines);
  // The lines joined with line breaks.
  QString Text() const { return FLines.join(QLatin1Char('\n')); }
  void SetFont(const TFont& font);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  QFont DrawFont() const;
  QColor DrawColor() const;
  // Where line `index` is drawn: its text rectangle in the label.
  QRect LineRect(int index) const;

  virtual void SkinWillChange() { update(); }
  virtual void SkinChanged() { update(); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPointer<TbsSkinData> FSkinData;
  QStringList FLines;
};
