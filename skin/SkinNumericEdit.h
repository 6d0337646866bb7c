#pragma once
// The numeric input field and the decimal text rules it lives by.
//
// The rules are plain functions so that the windows' result format can share
// the same decimal rounding and the tests can call them without a widget.
#include "skin/SkinControl.h"
#include "skin/SkinEdit.h"  // TbsEditLook

#include <QChar>
#include <QString>
#include <climits>

class QLineEdit;
class TbsNumericEditor;

namespace numtext {

// Place (power of ten) of the first significant digit of |value|, judged on the
// value's 15-digit decimal form; INT_MIN for zero and for values that are not
// finite.
int LeadingPlace(double value);

// Writes `value` rounded once, halves away from zero, at the place 10^roundPlace
// (digits below it become zeros), with exactly `decimals` digits after
// `decimalSeparator` and, when `groupSeparator` is not null, the digits before
// it grouped in threes. No exponent whatever the magnitude; no sign when every
// written digit is zero. The value is first taken to its 15-significant-digit
// decimal form, so a half that binary representation turned into ...4999 (0.125
// style values, 2.675) still rounds as the decimal number reads. Empty for a
// value that is not finite. Requires roundPlace >= -decimals.
QString RoundedFixed(double value, int roundPlace, int decimals, QChar decimalSeparator,
                     QChar groupSeparator = QChar());

// The field's number test: not empty, not a lone "-", only digits, "-" and the
// decimal separator, "-" only first and at most once, the separator at most once
// and not first, at least one digit, and a finite value.
bool IsNumber(const QString& text, QChar decimalSeparator);
// The number a text passing IsNumber reads; 0 otherwise.
double ReadNumber(const QString& text, QChar decimalSeparator);

}  // namespace numtext

enum class TbsValueType { vtInteger, vtFloat };

// A field that holds a double `Value` and its text. Only digits, "-" and the
// locale's decimal separator may be typed; on losing the focus the text is
// rewritten in fixed notation with `Decimal` digits after the separator.
// With an "edit" record it looks like the skinned edit field: the record's
// body, the text inside its client rectangle in the record's colour.
class TbsSkinNumericEdit : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinNumericEdit(QWidget* parent);
  ~TbsSkinNumericEdit() override;

  double Value() const { return FValue; }
  // Sets the value from the program: the text is rewritten as on focus loss.
  void SetValue(double value);
  int Decimal() const { return FDecimal; }
  void SetDecimal(int decimals);
  TbsValueType ValueType = TbsValueType::vtFloat;

  QString Text() const;
  void SetAlignment(Qt::Alignment alignment);
  void SetDefaultFont(const TFont& font);

  // Raised after every change of the text, by the user or by a rewrite; and a
  // second time when a rewrite rounds the value.
  TNotifyEvent OnChange;

  // The line editor inside the field (the widget that takes keys and focus).
  QLineEdit* Editor() const;

  // The rewrite the field does on focus loss.
  void Rewrite();

  void SetSkinData(TbsSkinData* data) override;
  void LookUpRecord() override;
  void SkinWillChange() override;
  void SkinChanged() override;
  TRect SkinClientRect() const override;
  const TbsEditLook& Look() const { return FLook; }
  // Active: focused or under the mouse.
  bool IsActive() const { return hasFocus() || FMouseIn; }

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  // Like the edit field's body: any record but one of rmFree grows around
  // its client rectangle.
  bool GrowsAroundClient() const override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  friend class TbsNumericEditor;
  // A typed character: true when the field accepts it.
  bool AcceptsCharacter(QChar c) const;
  void TextEdited(const QString& text);
  void ApplyFont();

  TbsNumericEditor* FEditor;
  TbsEditLook FLook;
  bool FMouseIn = false;
  double FValue = 0;
  int FDecimal = 2;
};
