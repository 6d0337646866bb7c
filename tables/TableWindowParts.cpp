#include "tables/TableWindowParts.h"

#include "skin/SkinComboBox.h"
#include "skin/SkinMessage.h"
#include "skin/SkinEdit.h"
#include "skin/SkinLabel.h"
#include "core/TorqueTables.h"

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
