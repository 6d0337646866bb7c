#pragma once
// The static label: one caption drawn from its top-left corner, with the
// font and colour of the skin's "stdlabel" record when the skin is loaded.
#include "skin/SkinStaticText.h"

class TbsDataSkinStdLabelControl;

class TbsSkinStdLabel : public TbsSkinStaticText {
  Q_OBJECT
public:
  explicit TbsSkinStdLabel(QWidget* parent) : TbsSkinStaticText(parent) {}

  bool UseSkinColor = true;

  QString Caption() const { return FCaption; }
  // A changed caption is announced: a label may show a result.
  void SetCaption(const QString& caption);
  QString ShownText() const override;

  // The skin's "stdlabel"-class record under SkinDataName, or null.
  const TbsDataSkinStdLabelControl* Record() const;
  // The font and colour the text is drawn with now.
  QFont DrawFont() const;
  QColor DrawColor() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString FCaption;
};
