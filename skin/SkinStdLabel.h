#pragma once
// The static label: a transparent text on its parent, without a window of its
// own as far as input goes.
#include "platform/Graphics.h"

#include <QPointer>
#include <QWidget>

#include "skin/SkinData.h"

class TbsDataSkinStdLabelControl;

class TbsSkinStdLabel : public QWidget {
  Q_OBJECT
public:
  explicit TbsSkinStdLabel(QWidget* parent);

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);
  QString SkinDataName = QStringLiteral("stdlabel");

  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  TFont Font = TFont::Make(QStringLiteral("MS Sans Serif"), -11, 0);
  bool UseSkinFont = true;
  bool UseSkinColor = true;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  void SetFont(const TFont& font);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  // The skin's "stdlabel"-class record under SkinDataName, or null.
  const TbsDataSkinStdLabelControl* Record() const;
  // The font and colour the text is drawn with now.
  QFont DrawFont() const;
  QColor DrawColor() const;

  virtual void SkinWillChange() { update(); }
  virtual void SkinChanged() { update(); }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPointer<TbsSkinData> FSkinData;
  QString FCaption;
};
