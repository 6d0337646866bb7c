#pragma once
// The "Показать" button of the bolt and nut windows.

#include <QString>
#include <optional>

class TbsSkinComboBox;
class TbsSkinMessage;
class TbsSkinEdit;
class TbsSkinLabel;

// The controls the "Показать" button of a table window reads and fills.
struct TTorqueQuery {
  TbsSkinComboBox* Diameter;
  TbsSkinComboBox* Class;
  TbsSkinComboBox* Joint;
  TbsSkinLabel* Value;
  TbsSkinEdit* Sentence;
  TbsSkinMessage* Message;
};
// The window's own texts and table.
struct TTorqueWindowKind {
  const char* ClassNotice;  // shown when no strength class is chosen
  std::optional<QString> (*MaxTorque)(const QString& diameter, const QString& strengthClass);
  const QString* Noun;      // of the result sentence
};
// Refuses an empty list with its notice (diameter, class, joint class in that
// order); otherwise shows the maximum torque in the value label and the
// sentence (or fixed wording) for the joint class in the result field. A
// pair without a table row leaves what is shown unchanged.
void ShowTorque(const TTorqueQuery& query, const TTorqueWindowKind& kind);
