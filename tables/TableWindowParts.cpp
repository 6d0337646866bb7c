#include "tables/TableWindowParts.h"

#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinData.h"
#include "skin/SkinMessage.h"
#include "skin/SkinEdit.h"
#include "skin/SkinLabel.h"
#include "skin/SkinStdLabel.h"
#include "core/TorqueTables.h"

TbsSkinStdLabel* MakeTableLabel(QWidget* parent, const TLabelSpec& row) {
  auto* l = new TbsSkinStdLabel(parent);
  if (row.Name) l->setObjectName(QString::fromLatin1(row.Name));
  l->UseSkinFont = false;
  l->UseSkinColor = false;
  l->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -16, fsBold, row.Color));
  l->SetCaption(QString::fromUtf8(row.Caption));
  l->SetBounds(row.Left, row.Top, row.Width, row.Height);
  return l;
}

TbsSkinComboBox* MakeTableCombo(QWidget* parent, const TComboSpec& row, const QStringList& items) {
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
  e->UseSkinFont = false;
  e->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -15, fsBold, clBlue));
  e->SetBounds(left, top, width, height);
  return e;
}

void GiveSkinToControls(QWidget* client, TbsSkinData* data) {
  for (TbsSkinControl* c : client->findChildren<TbsSkinControl*>()) c->SetSkinData(data);
  for (TbsSkinStdLabel* l : client->findChildren<TbsSkinStdLabel*>()) l->SetSkinData(data);
  for (TbsSkinEdit* e : client->findChildren<TbsSkinEdit*>()) e->SetSkinData(data);
}

void ShowTorque(const TTorqueQuery& q, const TTorqueWindowKind& kind) {
  if (q.Diameter->Text().isEmpty()) {
    ShowNotice(q.Message, QStringLiteral("Выберите пожалуйста диаметр резьбы."));
    return;
  }
  if (q.Class->Text().isEmpty()) {
    ShowNotice(q.Message, QString::fromUtf8(kind.ClassNotice));
    return;
  }
  if (q.Joint->Text().isEmpty()) {
    ShowNotice(q.Message, QStringLiteral("Выберите пожалуйста класс соединения."));
    return;
  }
  if (const auto max = kind.MaxTorque(q.Diameter->Text(), q.Class->Text())) q.Value->SetCaption(*max);
  // The range is looked up by the value the label now shows.
  if (const auto text = torque::ResultText(*kind.Noun, q.Value->Caption(), q.Joint->Text()))
    q.Sentence->SetText(*text);
}
