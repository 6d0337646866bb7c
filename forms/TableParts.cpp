#include "forms/TableParts.h"

#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinLabel.h"
#include "skin/SkinStdLabel.h"

TbsSkinStdLabel* MakeTableLabel(QWidget* parent, const TLabelDef& row) {
  auto* l = new TbsSkinStdLabel(parent);
  if (row.Name) l->setObjectName(QString::fromLatin1(row.Name));
  l->UseSkinFont = false;
  l->UseSkinColor = false;
  l->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -16, fsBold, row.Color));
  l->SetCaption(QString::fromUtf8(row.Caption));
  l->SetBounds(row.Left, row.Top, row.Width, row.Height);
  return l;
}

TbsSkinComboBox* MakeTableCombo(QWidget* parent, const TComboDef& row, const QStringList& items) {
  auto* c = new TbsSkinComboBox(parent);
  c->setObjectName(QString::fromLatin1(row.Name));
  c->UseSkinSize = false;
  c->UseSkinFont = false;
  c->DropDownCount = 10;
  c->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clWindowText));
  c->SetItems(items);
  c->SetBounds(row.Left, row.Top, row.Width, row.Height);
  c->SetHint(QString::fromUtf8(row.Hint));
  c->setCursor(Qt::PointingHandCursor);
  return c;
}

TbsSkinLabel* MakeValueLabel(QWidget* parent, int left, int top, int width, int height) {
  auto* l = new TbsSkinLabel(parent);
  l->setObjectName(QStringLiteral("bsSkinLabel1"));
  l->UseSkinSize = false;
  l->UseSkinFont = false;
  l->UseSkinFontColor = false;
  l->SetAlignment(TAlignment::taCenter);
  l->SetBorderStyle(TbsBevelStyle::bvFrame);
  l->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlue));
  l->SetBounds(left, top, width, height);
  return l;
}

TbsSkinEdit* MakeResultEdit(QWidget* parent, int left, int top, int width, int height) {
  auto* e = new TbsSkinEdit(parent);
  e->setObjectName(QStringLiteral("bsSkinEdit1"));
  // No label stands beside it; the copy button calls it the phrase.
  e->setAccessibleName(QStringLiteral("Фраза"));
  e->UseSkinFont = false;
  e->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -15, fsBold, clBlue));
  e->SetBounds(left, top, width, height);
  return e;
}

