#pragma once
// Building blocks of the bolt and nut windows' layout tables: prompt and
// unit labels, the fixed drop-down lists, the value label and the result
// field, each as those two windows store them.
#include "platform/Graphics.h"

#include <QString>
#include <QStringList>

class QWidget;
class TbsSkinComboBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinLabel;
class TbsSkinStdLabel;

struct TLabelDef {
  const char* Name;  // nullptr: an unnamed label
  int Left, Top, Width, Height;
  const char* Caption;
  TColor Color;      // window text for prompts, blue around the value
};

struct TComboDef {
  const char* Name;
  int Left, Top, Width, Height;
  const char* Hint;
};

// MS Sans Serif bold 16 px in the given colour, the skin's font and colour
// not used.
TbsSkinStdLabel* MakeTableLabel(QWidget* parent, const TLabelDef& row);
// A fixed drop-down list: Arial bold 16 px, 10 rows, hint, hand cursor,
// nothing chosen.
TbsSkinComboBox* MakeTableCombo(QWidget* parent, const TComboDef& row, const QStringList& items);
// The framed value label: Arial bold 16 px blue, centred, framed.
TbsSkinLabel* MakeValueLabel(QWidget* parent, int left, int top, int width, int height);
// The result field: Arial bold 15 px blue, editable.
TbsSkinEdit* MakeResultEdit(QWidget* parent, int left, int top, int width, int height);
